// Logging on from the command line: the password from the environment, the
// service's refusal and an unreachable service end with exit code 3.

#include <gtest/gtest.h>

#include "fixtures/service/reference_service.h"
#include "lumar_process.h"

namespace lumar::testing {
namespace {

class LumarLogon : public ::testing::Test {
protected:
    // A command that needs a logged-on user and prints what it read.
    LumarRun Run(std::vector<std::string> global, std::map<std::string, std::string> env) {
        std::vector<std::string> arguments = {"--registry", settings.string()};
        arguments.insert(arguments.end(), global.begin(), global.end());
        for (const char* argument :
             {"merge-data", "check", "-", "--context", "editor", "--publication", "1"}) {
            arguments.emplace_back(argument);
        }
        return RunLumar(arguments, env, "(1)binder\r\n(2,1,1)Replace\r\n");
    }

    fixtures::ReferenceService service;
    std::filesystem::path settings = service.WriteSettingsFile();
};

TEST_F(LumarLogon, LogsOnWithThePasswordFromTheEnvironment) {
    LumarRun run = Run({"--user", "editor"}, {{"LUMAR_PASSWORD", "editor3"}});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("Logged on as Eddie Editor"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("Replace"), std::string::npos) << run.out;

    run = Run({"--user", "editor", "--password-env", "MY_SECRET"}, {{"MY_SECRET", "editor3"}});
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST_F(LumarLogon, WrongPasswordEndsWithExitCode3AndTheServicesMessage) {
    const LumarRun run = Run({"--user", "editor"}, {{"LUMAR_PASSWORD", "wrong"}});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("Lumar Error 11"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(LumarLogon, UnreachableServiceEndsWithExitCode3AndTheTransportMessage) {
    const LumarRun run =
        Run({"--service", "http://127.0.0.1:1/WS/Lumar/2007/02/", "--user", "editor"},
            {{"LUMAR_PASSWORD", "editor3"}});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("Could not complete the request to http://127.0.0.1:1/"),
              std::string::npos)
        << run.err;
}

TEST_F(LumarLogon, MissingUserOrPasswordIsAUsageError) {
    LumarRun run = Run({"--user", "editor"}, {});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("LUMAR_PASSWORD"), std::string::npos) << run.err;
    run = Run({}, {{"LUMAR_PASSWORD", "editor3"}});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--user"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace lumar::testing
