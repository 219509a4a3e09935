# The tag and page-pair functions are compiled in directly: the target needs
# them, the colour table and the logged-on user's store (lumar_service), not
# the whole annotations library and what it links.
set(src ${PROJECT_SOURCE_DIR}/src)
lumar_fuzz(tag_functions
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tag_functions.cpp
    ${src}/annotations/colour.cpp
    ${src}/annotations/page_pair.cpp
    ${src}/annotations/page_pairs.cpp
    ${src}/annotations/page_text.cpp
    ${src}/annotations/tag.cpp
  LIBS lumar_service)
