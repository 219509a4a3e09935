lumar_fuzz(settings_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_file.cpp LIBS lumar_settings)
