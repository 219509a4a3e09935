// Arbitrary bytes as the body of a request to the reference service: the
// request parser, the parameter checks, every operation's handler and the
// answer writer run on them against a database seeded with the demo data.
// Whatever arrives, the service must answer and never crash.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "lumar-service/demo_seed.h"
#include "lumar-service/logger.h"
#include "lumar-service/service.h"
#include "lumar-service/service_error.h"
#include "lumar-service/soap_request.h"
#include "lumar-service/sqlite_db.h"

namespace {

using namespace lumar::service_app;

Service& TheService() {
    static std::ostringstream log;
    static Logger logger(log, LogLevel::Error);
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("lumar-service-fuzz-" + std::to_string(::getpid()) + ".db"))
                                        .string();
    static const std::unique_ptr<Service> service = [] {
        for (const char* suffix : {"", "-wal", "-shm"}) {
            std::filesystem::remove(path + suffix);
        }
        // The database goes when the fuzzer ends.
        std::atexit([] {
            for (const char* suffix : {"", "-wal", "-shm"}) {
                std::error_code ignored;
                std::filesystem::remove(path + suffix, ignored);
            }
        });
        auto created = std::make_unique<Service>(ServiceOptions{path}, logger);
        Connection db(path, 5000);
        SeedDemo(db, logger, 10);
        // Every demo user is logged on, so requests reach the handlers.
        db.Execute("INSERT INTO logons SELECT User_ID, 0 FROM users");
        return created;
    }();
    return *service;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string body(reinterpret_cast<const char*>(data), size);
    std::string action;
    try {
        action = "\"" + std::string(kServiceNamespace) + ParseSoapRequest(body).method + "\"";
    } catch (const ServiceError&) {
        action = "\"\"";
    }
    const SoapAnswer answer = TheService().HandleSoap(body, &action);
    if (answer.body.empty() || (answer.httpStatus != 200 && answer.httpStatus != 500)) {
        __builtin_trap();
    }
    return 0;
}
