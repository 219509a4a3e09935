# Third-party libraries, found once for the whole tree so that every
# directory sees the same imported targets. scripts/bootstrap installs every
# one of them from Debian's packages.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

# PDF structure and text/rendering (src/platform/pdf only).
find_package(qpdf 11 REQUIRED)
pkg_check_modules(POPPLER_CPP REQUIRED IMPORTED_TARGET GLOBAL poppler-cpp)

# SOAP transport (src/platform/soap only) and the reference service.
find_package(CURL REQUIRED)
find_package(pugixml REQUIRED)
find_package(SQLite3 REQUIRED)
pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET GLOBAL cpp-httplib)
# The reference service's HTTP server (Beast and Asio, header-only).
find_package(Boost 1.74 REQUIRED)
find_package(ZLIB REQUIRED)

# Command line.
find_package(CLI11 REQUIRED)

if(LUMAR_BUILD_GUI AND NOT LUMAR_FUZZ)
  # Svg: nothing links it, but its icon engine draws the toolbar's SVG
  # images at run time (the package qt6-svg-dev brings both).
  find_package(Qt6 REQUIRED COMPONENTS Widgets Test PrintSupport Svg)
endif()

if(LUMAR_BUILD_TESTS AND NOT LUMAR_FUZZ)
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()
if(LUMAR_BUILD_BENCH AND NOT LUMAR_FUZZ)
  find_package(benchmark REQUIRED)
endif()
