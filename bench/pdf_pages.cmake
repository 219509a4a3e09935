# Page operations on a 1000-page binder, engine against the qpdf command line.
# Builds its input PDFs with the test fixtures.
if(TARGET lumar_test_fixtures)
  add_executable(pdf_pages ${CMAKE_CURRENT_LIST_DIR}/pdf_pages.cpp)
  target_link_libraries(pdf_pages PRIVATE lumar_pdf lumar_test_fixtures)
  lumar_compile_options(pdf_pages)
endif()
