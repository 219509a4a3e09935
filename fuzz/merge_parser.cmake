lumar_fuzz(merge_parser SOURCES ${CMAKE_CURRENT_LIST_DIR}/merge_parser.cpp LIBS lumar_system)
