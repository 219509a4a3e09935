# A whole merge of a large publication against the reference service, and the
# same page operations with the qpdf command line.
if(TARGET lumar_plugin_harness AND TARGET lumar_test_fixtures AND TARGET lumar_fixture_service)
  add_executable(merge_bench ${CMAKE_CURRENT_LIST_DIR}/merge_bench.cpp)
  target_include_directories(merge_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(merge_bench PRIVATE lumar_plugin_harness lumar_system lumar_test_fixtures
    lumar_fixture_service)
  lumar_compile_options(merge_bench)
endif()
