lumar_fuzz(tag_functions SOURCES ${CMAKE_CURRENT_LIST_DIR}/tag_functions.cpp LIBS lumar_system)
