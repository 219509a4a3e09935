#pragma once

// The demo data of "--demo": administrators, the demo users (a user at
// every level), the lookup lists with colours, and the demo publication's
// records as demo/demo_data.h describes them (records only; the command line
// makes the PDF files that match them). Seeding twice adds nothing new.

#include "lumar-service/password.h"

namespace lumar::service_app {

class Connection;
class Logger;

// passwordIterations: the hashing cost of the demo users' passwords.
void SeedDemo(Connection& db, Logger& logger, int passwordIterations = kDefaultPasswordIterations);

// The lookup lists alone (each list only when it is empty).
void SeedLookups(Connection& db);

}  // namespace lumar::service_app
