# The merge data parser is compiled in directly: the target needs only the
# language's files and the text module, not the merge library and what it
# links.
set(src ${PROJECT_SOURCE_DIR}/src)
lumar_fuzz(merge_parser
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/merge_parser.cpp
    ${src}/merge/merge_data_line.cpp
    ${src}/merge/merge_data_parser.cpp
    ${src}/merge/merge_data_writer.cpp
  LIBS lumar_text)
