// lumar::cli::Run called in this process: usage errors, the help and real
// commands against the reference service, each with its exit code and what
// went to the result and message streams.

#include "cli/run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "fixtures/service/reference_service.h"

namespace lumar::testing {
namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

Outcome RunCli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "lumar");
    std::vector<const char*> argv;
    argv.reserve(arguments.size());
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::Run(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, out.str(), err.str()};
}

struct UsageCase {
    const char* name;
    std::vector<std::string> arguments;
    const char* message;
};

class CliUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CliUsage, EndsWithExitCode2AndTheMessageOnTheMessageStream) {
    const Outcome run = RunCli(GetParam().arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliUsage,
    ::testing::Values(
        // The parser's own errors.
        UsageCase{"NoCommand", {}, "A subcommand is required"},
        UsageCase{"MissingArgument", {"pdf-check"}, "PDF is required"},
        UsageCase{"ValueNotInTheList",
                  {"merge-data", "check", "-", "--context", "bogus", "--binder-pages", "1=2"},
                  "--context: bogus not in {executor,update,editor,dialog}"},
        // A combination the command itself refuses before it starts.
        UsageCase{"CommandRefusesTheCombination",
                  {"update", "--publication", "1", "--data", "-"},
                  "--binder N or --supplement is needed"},
        // A value the command cannot read, reported by the command.
        UsageCase{"CommandRefusesTheValue",
                  {"export-footer", "a.pdf", "--region", "1,2,3"},
                  "lumar: --region: expected LEFT,BOTTOM,RIGHT,TOP in points, got 1,2,3"}),
    [](const ::testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

TEST(CliHelp, ListsEveryCommandOnTheResultStream) {
    const Outcome run = RunCli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    for (const char* command :
         {"demo", "publications", "merge", "update", "add-binders", "add-supplement", "search",
          "merge-data", "pdf-check", "check-annotations", "annotation-report", "import-annotations",
          "export-footer"}) {
        EXPECT_NE(run.out.find("\n  " + std::string(command) + " "), std::string::npos)
            << command << " is missing from:\n"
            << run.out;
    }
}

// A settings file that is there but cannot be read stops the command at
// once, naming the file and the reason, before anything asks for a setting.
TEST(CliSettings, AnUnreadableSettingsFileStopsTheCommandSayingWhichAndWhy) {
    char pattern[] = "/tmp/lumar-cli-settings-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::filesystem::path folder = pattern;
    std::filesystem::create_directory(folder / "folder.reg");
    std::filesystem::create_symlink("/dev/null", folder / "null.reg");
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {{"folder.reg", "it is a folder"}, {"null.reg", "it is not a regular file"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = (folder / c.name).string();
        const Outcome run = RunCli({"--registry", path, "--user", "editor", "publications"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("the settings file " + path + " cannot be read: " + c.reason),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(run.err.find("service URI"), std::string::npos) << run.err;
    }
    std::filesystem::remove_all(folder);
}

class CliOnTheService : public ::testing::Test {
protected:
    Outcome Publications(const std::string& password) {
        ::setenv("CLI_RUN_TEST_PASSWORD", password.c_str(), 1);
        return RunCli({"--registry", settings.string(), "--user", "editor", "--password-env",
                       "CLI_RUN_TEST_PASSWORD", "publications"});
    }

    fixtures::ReferenceService service;
    std::filesystem::path settings = service.WriteSettingsFile();
};

TEST_F(CliOnTheService, PublicationsPrintsTheDemoPublication) {
    const Outcome run = Publications("editor3");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "SAP code\tAdministrator\tDescription\tUpdate status\tUpdate user\t# Binders\t"
              "Merged supplement\tNext supplement\tMerge data status");
    EXPECT_NE(run.out.find("\nDEMO\tLegal publications\tDemo publication\t"), std::string::npos)
        << run.out;
    EXPECT_NE(run.err.find("Logged on as Eddie Editor"), std::string::npos) << run.err;
}

TEST_F(CliOnTheService, RefusedLogOnEndsWithExitCode3AndNoResults) {
    // After a successful run in the same process, as an embedding program would.
    ASSERT_EQ(Publications("editor3").exitCode, 0);
    const Outcome run = Publications("wrong");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Lumar Error 11"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace lumar::testing
