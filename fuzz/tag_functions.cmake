# The tag functions are compiled in directly: the target needs only them and
# the text module, not the annotations library and what it links.
lumar_fuzz(tag_functions
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tag_functions.cpp ${PROJECT_SOURCE_DIR}/src/annotations/tag.cpp
  LIBS lumar_text)
