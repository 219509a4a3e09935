#pragma once

// Creating administrators and users (the demo seed and the tests use it;
// the service has no operation for it).

#include <cstdint>
#include <string_view>

#include "lumar-service/password.h"

namespace lumar::service_app {

class Connection;

std::int32_t AddAdministrator(Connection& db, std::string_view name, std::string_view manager);

// The password is given as the user types it; only its salted hash is kept.
// Throws ServiceError(Conflict) when the login exists (logins ignore case).
std::int32_t AddUser(Connection& db, std::string_view login, std::string_view name,
                     std::string_view description, std::int32_t level, std::int32_t administratorId,
                     std::string_view password,
                     int passwordIterations = kDefaultPasswordIterations);

}  // namespace lumar::service_app
