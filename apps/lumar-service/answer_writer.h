#pragma once

// Writing answers in the wire format:
//   <m:MethodResponse><Result><ErrorCode>0</ErrorCode><Error/>...</Result>
// with list records as <XRecordCount> followed by <XRecords><XRecord>...,
// every value percent-encoded and XML-escaped as the client expects.

#include <string>
#include <string_view>

#include "lumar-service/operation_handler.h"
#include "protocol/declaration.h"

namespace lumar::service_app {

// A successful answer of the operation.
std::string WriteAnswer(const protocol::Operation& operation, const OperationResult& result);

// A refusal: ErrorCode and Error only. `method` names the response element.
std::string WriteErrorAnswer(std::string_view method, int code, std::string_view text);

// A SOAP fault for requests that cannot be answered as an operation at all
// (no envelope, malformed XML). faultCode is "soap:Client" or "soap:Server".
std::string WriteFault(std::string_view faultCode, std::string_view text);

}  // namespace lumar::service_app
