#pragma once

// The demo data of "--demo": administrators, a user at every level, the
// lookup lists with colours, and one publication with three binders, a next
// supplement and ready merge data (records only; the command line makes the
// PDF files that match them). Seeding twice adds nothing new.

#include <cstdint>
#include <string_view>

#include "lumar-service/password.h"

namespace lumar::service_app {

class Connection;
class Logger;

struct DemoUser {
    std::string_view login;
    std::string_view password;
    std::int32_t level;
};

// The demo logins and passwords (also in the README).
inline constexpr DemoUser kDemoUsers[] = {
    {"guest", "guest1", 1},       {"reader", "reader2", 2},         {"editor", "editor3", 3},
    {"producer", "producer4", 4}, {"supervisor", "supervisor5", 5}, {"taxeditor", "taxeditor3", 3},
};

// The demo publication's SAP code and file names.
inline constexpr std::string_view kDemoSapCode = "DEMO";
inline constexpr std::string_view kDemoBinderFiles[] = {"Demo1H003.pdf", "Demo2H003.pdf",
                                                        "Demo3H003.pdf"};
inline constexpr std::string_view kDemoSupplementFile = "DemoS004.pdf";
inline constexpr std::int32_t kDemoPagesPerBinder = 8;
inline constexpr std::int32_t kDemoSupplementPages = 4;
inline constexpr std::string_view kDemoMergeData =
    "(1)binder\r\n(2,1,1)Replace\r\n(4,2,2)Insert\r\n";

// passwordIterations: the hashing cost of the demo users' passwords.
void SeedDemo(Connection& db, Logger& logger, int passwordIterations = kDefaultPasswordIterations);

// The lookup lists alone (each list only when it is empty).
void SeedLookups(Connection& db);

}  // namespace lumar::service_app
