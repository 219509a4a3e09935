# The reference service under concurrent "PublicationLastInfoList" calls.
if(TARGET lumar_service_core)
  add_executable(service_bench ${CMAKE_CURRENT_LIST_DIR}/service_bench.cpp)
  target_link_libraries(service_bench PRIVATE lumar_service_core PkgConfig::HTTPLIB)
  lumar_compile_options(service_bench)
endif()
