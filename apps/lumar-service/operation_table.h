#pragma once

// The 31 operations of the service with the client's names, parameters in
// sending order, result items and record types.

#include <string_view>
#include <vector>

#include "lumar-service/operation_declaration.h"

namespace lumar::service_app {

const std::vector<OperationDeclaration>& Operations();

// nullptr for an unknown name (names are case-sensitive, as the client sends them).
const OperationDeclaration* FindOperation(std::string_view name);

}  // namespace lumar::service_app
