# The reference service's request handling; its sources are compiled in
# directly because the fuzz build does not add apps/.
include(${PROJECT_SOURCE_DIR}/apps/lumar-service/sources.cmake)
find_package(OpenSSL REQUIRED COMPONENTS Crypto)
lumar_fuzz(service_request
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/service_request.cpp ${LUMAR_SERVICE_CORE_SOURCES}
  LIBS lumar_text lumar_soap lumar_protocol lumar_demo_data SQLite::SQLite3 PkgConfig::HTTPLIB
       pugixml::pugixml OpenSSL::Crypto
       CLI11::CLI11 Threads::Threads)
target_include_directories(service_request PRIVATE ${PROJECT_SOURCE_DIR}/apps)
