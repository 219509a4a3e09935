# The service client's sources are compiled in directly rather than through
# lumar_system, so that the target needs only the SOAP component and the
# settings store, not every library of the system.
set(src ${PROJECT_SOURCE_DIR}/src)
lumar_fuzz(soap_answer
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/soap_answer.cpp
    ${src}/service/wait_cursor.cpp
    ${src}/service/ws_client.cpp
    ${src}/service/ws_client_settings.cpp
    ${src}/service/ws_operations.cpp
    ${src}/service/ws_values.cpp
    ${src}/config/last_error.cpp
    ${src}/config/settings_store.cpp
  LIBS lumar_soap lumar_protocol lumar_settings)
