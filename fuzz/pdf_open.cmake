lumar_fuzz(pdf_open SOURCES ${CMAKE_CURRENT_LIST_DIR}/pdf_open.cpp LIBS lumar_pdf)
