#pragma once

// What the service adds to a declared operation (protocol/operations.h): the
// handler that runs it and the transaction the dispatcher runs it in.

#include <string>
#include <vector>

#include "protocol/declaration.h"
#include "protocol/wire_values.h"

namespace lumar::service_app {

class OperationContext;
class RequestParams;

// What a handler hands back: the values of the operation's result items, and
// for list operations the records, each with one value per field of the
// record type; both in declaration order.
struct OperationResult {
    std::vector<std::string> items;
    std::vector<std::vector<std::string>> records;
};

using OperationHandler = OperationResult (*)(OperationContext&, const RequestParams&);

// None: the handler reads and writes on its own (Logon keeps password
// hashing out of the write lock; Log touches no data).
enum class TransactionKind { Read, Write, None };

struct ServiceOperation {
    const protocol::Operation* declared = nullptr;
    TransactionKind transaction = TransactionKind::None;
    OperationHandler handler = nullptr;

    // The caller is loaded from LogUser_ID before the handler runs.
    [[nodiscard]] bool takesLogUser() const {
        return !declared->params.empty() && declared->params.front().name == "LogUser_ID";
    }
};

using protocol::WireBool;
using protocol::WireLong;

}  // namespace lumar::service_app
