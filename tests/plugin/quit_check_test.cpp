// The quit check: the application quits only once nobody is logged on, and
// logs the user off first.

#include "plugin/quit_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/plugin_harness.h"
#include "service/logon_store.h"
#include "shell/log_off_hook.h"

namespace lumar {
namespace {

int logOffCalls = 0;

void logOffSucceeding(void*) {
    ++logOffCalls;
    TheLogonStore().clear();
}

void logOffFailing(void*) {
    ++logOffCalls;
}

struct QuitCase {
    const char* name;
    bool loggedOn;
    host::ExecuteProc* logOff;
    bool quits;
    int logOffCalls;
    std::vector<std::string> notes;
};

class Quit : public ::testing::TestWithParam<QuitCase> {};

TEST_P(Quit, AsksTheQuitCheck) {
    const QuitCase& c = GetParam();
    testing::PluginHarness harness;
    ASSERT_TRUE(harness.loaded.initialised);
    if (c.loggedOn) {
        harness.logOn(3);
    }
    SetLogOffCommand(c.logOff);
    logOffCalls = 0;

    // The host asks through its table, where the plug-in's check now sits.
    EXPECT_EQ(harness.headless.host().applicationMayQuit(), c.quits);
    EXPECT_EQ(logOffCalls, c.logOffCalls);
    EXPECT_EQ(harness.responder.notes(), c.notes);
    EXPECT_EQ(IsLoggedOn(), !c.quits);
}

INSTANTIATE_TEST_SUITE_P(
    Session, Quit,
    ::testing::Values(
        QuitCase{"NobodyLoggedOn", false, &logOffSucceeding, true, 0, {}},
        QuitCase{"LogOffSucceeds", true, &logOffSucceeding, true, 1, {}},
        QuitCase{"LogOffFails", true, &logOffFailing, false, 1, {"Please log off first"}},
        QuitCase{"NoLogOffCommand", true, nullptr, false, 0, {"Please log off first"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Quit, HostAnswersItselfBeforeThePlugInIsLoaded) {
    testing::PluginHarness harness(false);
    harness.logOn(3);
    EXPECT_TRUE(harness.headless.host().applicationMayQuit());
}

}  // namespace
}  // namespace lumar
