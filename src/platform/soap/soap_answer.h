#pragma once

// Turns an HTTP answer into the component's outcome: a status 0-5, a text a
// person can act on, and the leaf elements of the answer's Result element.

#include <string>
#include <string_view>
#include <vector>

#include "platform/soap/http_transport.h"

namespace lumar::soap {

// The statuses of Invoke.
enum InvokeStatus : long {
    kStatusAnswered = 0,          // an answer arrived and was parsed
    kStatusTransportFailure = 1,  // no connection, time-out, malformed answer
    kStatusIncomplete = 2,        // no method or no service URI
    kStatusHttpError = 3,         // an HTTP status other than 200, no SOAP fault
    kStatusServerFault = 4,       // a SOAP fault, or HTTP 500
    kStatusDime = 5,              // a DIME or multipart answer
};

// One leaf element below Result: its path of local names from "Result" down,
// separated by single blanks, and its text.
struct ResultItem {
    std::string name;
    std::string value;
};

// All texts in UTF-8.
struct Answer {
    long status = kStatusTransportFailure;
    std::string statusText;
    std::vector<ResultItem> items;  // in document order; only for status 0
};

// Reads the answer to a request sent to `url`. An answer is taken (status 0)
// only when it is a well-formed SOAP envelope without a document type
// declaration, whose body holds an element with a Result element in it.
// Entities of a document type are never expanded: such answers are refused.
Answer ReadAnswer(const HttpReply& reply, std::string_view url);

}  // namespace lumar::soap
