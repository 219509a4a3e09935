#pragma once

// The user a request acts for. Every request that carries LogUser_ID must
// name an active user who is logged on; that user's level and administrator
// decide what the request may do.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumar::service_app {

class Connection;

// User levels (Authorisation_ID). A user "has level n" when the level is at
// least n.
enum Level : std::int32_t {
    kGuest = 1,       // may log on and read the lookup lists
    kReader = 2,      // sees publications and their documents
    kEditor = 3,      // supplements, merge data, merges, locks of publications with binders
    kProducer = 4,    // binders, locks of publications without binders, reverts
    kSupervisor = 5,  // publication details, every administrator's publications
};

struct Caller {
    std::int32_t User_ID = 0;
    std::string Name;
    std::int32_t level = 0;
    std::int32_t Administrator_ID = 0;
};

// Loads the logged-on user, or throws ServiceError(NotLoggedOn).
Caller LoadLoggedOnCaller(Connection& connection, std::int32_t logUserId);

// Throws ServiceError(NotAuthorised) unless the caller has the level.
void RequireLevel(const Caller& caller, std::int32_t level, std::string_view action);

std::string_view LevelName(std::int32_t level);

}  // namespace lumar::service_app
