#pragma once

// The 31 operations of the service: each declared operation with its handler.

#include <string_view>

#include "lumar-service/operation_handler.h"

namespace lumar::service_app {

// nullptr for an unknown name (names are case-sensitive, as the client sends them).
const ServiceOperation* FindOperation(std::string_view method);

}  // namespace lumar::service_app
