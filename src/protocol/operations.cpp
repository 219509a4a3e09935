#include "protocol/operations.h"

namespace lumar::protocol {

const Operation* FindOperation(std::string_view method) {
    for (const Operation& operation : kOperations) {
        if (operation.method == method) {
            return &operation;
        }
    }
    return nullptr;
}

std::string CountElement(const Record& record) {
    return std::string(record.name) + "Count";
}

std::string ListElement(const Record& record) {
    return std::string(record.name) + "s";
}

}  // namespace lumar::protocol
