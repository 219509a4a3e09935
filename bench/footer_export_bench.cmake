# The footer export of a 1000-page binder through the plug-in in a headless
# host, against `pdftotext -bbox` on the same file.
if(TARGET lumar_plugin_harness AND TARGET lumar_test_fixtures)
  add_executable(footer_export_bench ${CMAKE_CURRENT_LIST_DIR}/footer_export_bench.cpp)
  target_include_directories(footer_export_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(footer_export_bench PRIVATE lumar_plugin_harness lumar_system lumar_test_fixtures)
  lumar_compile_options(footer_export_bench)
endif()
