# The sources of lumar_service_core, shared with the fuzz build (which does
# not add apps/ and compiles them into its target directly).
set(LUMAR_SERVICE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/accounts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/answer_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/caller.cpp
  ${CMAKE_CURRENT_LIST_DIR}/connection_pool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/demo_seed.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/logger.cpp
  ${CMAKE_CURRENT_LIST_DIR}/operation_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ops_binder_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ops_lookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ops_merge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ops_publication.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ops_session.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ops_supplement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ops_workflow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/password.cpp
  ${CMAKE_CURRENT_LIST_DIR}/publication_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/request_params.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schema.cpp
  ${CMAKE_CURRENT_LIST_DIR}/service.cpp
  ${CMAKE_CURRENT_LIST_DIR}/soap_request.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sqlite_db.cpp
  ${CMAKE_CURRENT_LIST_DIR}/workflow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wsdl.cpp
)

# The HTTP side and the command line: in lumar_service_core, not in the fuzz
# build, which drives the service without a transport.
set(LUMAR_SERVICE_HTTP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/http_compression.cpp
  ${CMAKE_CURRENT_LIST_DIR}/http_core.cpp
  ${CMAKE_CURRENT_LIST_DIR}/http_exchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/http_server.cpp
)
