# The merge data language is compiled in directly: the target needs its
# files, the page-pair and colour functions it calls and the logged-on
# user's store (lumar_service), not the merge library and what it links.
set(src ${PROJECT_SOURCE_DIR}/src)
lumar_fuzz(merge_parser
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/merge_parser.cpp
    ${src}/annotations/colour.cpp
    ${src}/annotations/page_pair.cpp
    ${src}/annotations/page_pairs.cpp
    ${src}/annotations/tag.cpp
    ${src}/merge/merge_data_line.cpp
    ${src}/merge/merge_data_parser.cpp
    ${src}/merge/merge_data_writer.cpp
  LIBS lumar_service)
