# Debian packages through CPack (make package, or cpack -G DEB in a build
# tree configured with CMAKE_INSTALL_PREFIX=/usr):
#   lumar          the command line, the plug-in module and the shared files
#   lumar-desk     the desktop host, its desktop entry and icons
#   lumar-service  the reference service and its systemd unit
# Their library dependencies are computed from the binaries (dpkg-shlibdeps).

foreach(package lumar lumar-desk lumar-service)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${package})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumar)
set(CPACK_PACKAGE_VENDOR "Lumar")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Lumar developers <developers@lumar.example.org>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL lumar lumar-desk lumar-service)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(CPACK_DEBIAN_LUMAR_PACKAGE_NAME lumar)
set(CPACK_DEBIAN_LUMAR_PACKAGE_SECTION text)
set(CPACK_DEBIAN_LUMAR_PACKAGE_RECOMMENDS lumar-service)
set(CPACK_DEBIAN_LUMAR_DESCRIPTION
"production tool for loose-leaf publishers
 Lumar merges supplements into the binders of loose-leaf publications,
 producing new versioned binder PDFs registered with a publication
 administration service. It edits merge data and leaf attributes, imports,
 checks and reports page annotations, checks PDF versions and fonts, exports
 footer text and searches annotations.
 .
 This package holds the command line, lumar, and the plug-in module that
 lumar-desk loads.")

set(CPACK_DEBIAN_LUMAR-DESK_PACKAGE_NAME lumar-desk)
set(CPACK_DEBIAN_LUMAR-DESK_PACKAGE_SECTION text)
set(CPACK_DEBIAN_LUMAR-DESK_PACKAGE_DEPENDS "lumar (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_LUMAR-DESK_DESCRIPTION
"desktop for loose-leaf publications
 Lumar Desk opens PDF documents and hosts the Lumar plug-in: the publication
 manager, the merge data and annotation editors, search and printing of
 binders and supplements.")

set(CPACK_DEBIAN_LUMAR-SERVICE_PACKAGE_NAME lumar-service)
set(CPACK_DEBIAN_LUMAR-SERVICE_PACKAGE_SECTION net)
set(CPACK_DEBIAN_LUMAR-SERVICE_DESCRIPTION
"reference publication administration service for Lumar
 lumar-service keeps the publications, binders, supplements and users of
 Lumar in an SQLite database and serves them over SOAP. The systemd unit
 runs it under a user of its own on the loopback interface.")

include(CPack)
