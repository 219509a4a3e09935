#pragma once

// The declaration of one service operation: its name, its parameters in
// sending order, the shape of its result and the handler that runs it. The
// dispatcher validates requests against it and the WSDL is written from it,
// so the two can never disagree.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumar::service_app {

class OperationContext;
class RequestParams;

enum class ValueType { Long, Bool, Text, Ticks };

struct ParamDeclaration {
    std::string_view name;
    ValueType type;
};

struct FieldDeclaration {
    std::string_view name;
    ValueType type;
};

// What a handler hands back: the leaf items of "Result" after ErrorCode and
// Error, and for list operations the records, each with one value per field
// of the record type, in declaration order.
struct OperationResult {
    std::vector<std::pair<std::string, std::string>> items;
    std::vector<std::vector<std::string>> records;
};

using OperationHandler = OperationResult (*)(OperationContext&, const RequestParams&);

enum class ResultShape { Items, List };

enum class TransactionKind { Read, Write, None };

struct OperationDeclaration {
    std::string_view name;
    std::vector<ParamDeclaration> params;
    ResultShape shape;
    // Items: the item names and types the result carries (for the WSDL).
    std::vector<FieldDeclaration> items;
    // List: the record type's name and fields.
    std::string_view recordName;
    std::vector<FieldDeclaration> recordFields;
    // The transaction the dispatcher runs the handler in. None: the handler
    // reads and writes on its own (Logon keeps password hashing out of the
    // write lock; Log touches no data).
    TransactionKind transaction;
    OperationHandler handler;

    [[nodiscard]] bool takesLogUser() const {
        return !params.empty() && params.front().name == "LogUser_ID";
    }
};

// Wire text of values.
std::string WireLong(std::int64_t value);
std::string WireBool(bool value);

}  // namespace lumar::service_app
