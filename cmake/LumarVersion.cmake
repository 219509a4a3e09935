# The version of every program, package and About box comes from project()'s
# VERSION: one generated header, lumar_version.h, through the interface
# target lumar_version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/lumar_version.h.in
               ${PROJECT_BINARY_DIR}/generated/lumar_version.h @ONLY)
add_library(lumar_version INTERFACE)
target_include_directories(lumar_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
