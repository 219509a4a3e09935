# The service client's answers: the target links the client's library,
# which needs only the SOAP component and the settings store below it.
lumar_fuzz(soap_answer SOURCES ${CMAKE_CURRENT_LIST_DIR}/soap_answer.cpp LIBS lumar_service)
