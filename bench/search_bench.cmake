# A search over a publication of 35 binders of 1000 pages of annotation data
# on the reference service, in pages per second.
if(TARGET lumar_plugin_harness AND TARGET lumar_test_fixtures AND TARGET lumar_fixture_service)
  add_executable(search_bench ${CMAKE_CURRENT_LIST_DIR}/search_bench.cpp)
  target_include_directories(search_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(search_bench PRIVATE lumar_plugin_harness lumar_system lumar_test_fixtures
    lumar_fixture_service)
  lumar_compile_options(search_bench)
endif()
