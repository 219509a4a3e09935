// The session commands against the reference service: log on through the
// dialog seam with the demo users, the lookup lists, a refused logon, log off
// with the manager open or the service down, and the quit check's real
// log-off.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/settings_store.h"
#include "fixtures/service/reference_service.h"
#include "lumar-service/sqlite_db.h"
#include "platform/settings/temp_settings.h"
#include "plugin/logon_commands.h"
#include "plugin/logon_dlg.h"
#include "plugin/password_scrambling.h"
#include "plugin/plugin_harness.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "shell/manager_state.h"
#include "ui/modal_dialog.h"

namespace lumar {
namespace {

// --- Scrambling -----------------------------------------------------------

struct ScrambleCase {
    std::string typed;
    std::string sent;
};

class Scramble : public ::testing::TestWithParam<ScrambleCase> {};

TEST_P(Scramble, ReversesAndMirrors) {
    EXPECT_EQ(ScramblePassword(GetParam().typed), GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(
    Password, Scramble,
    ::testing::Values(ScrambleCase{"abc", ";<="},                  // 99 comes first as 126 - 67
                      ScrambleCase{" ~A", "] ~"},                  // the ends of the range swap
                      ScrambleCase{"", ""},                        //
                      ScrambleCase{"\x1f", "\x7f"},                // below 32: above 126
                      ScrambleCase{std::string(1, '\0'), "\x9e"},  // 126 + 32
                      ScrambleCase{"\xe9", "s"},                   // above 126 folds onto printable
                      ScrambleCase{"\xff", "]"}));

// --- The commands against the service ---------------------------------------

class Session : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteTextSetting("Uri", "Web_service", service.uri()));
        previousPresenter_ = SetPresenter<CLogonDlg>([this](CLogonDlg& dialog, void*) {
            ++dialogsShown;
            if (!typeAndOk) {
                return kIdCancel;
            }
            dialog.SetUserName(userName);
            dialog.SetPassword(password);
            return dialog.OnOK() ? kIdOk : kIdCancel;
        });
        previousCloser_ = SetManagerCloser(nullptr);
    }
    void TearDown() override {
        SetPresenter<CLogonDlg>(previousPresenter_);
        SetManagerCloser(previousCloser_);
    }

    void LogOnAs(const std::string& name, const std::string& typedPassword) {
        userName = name;
        password = typedPassword;
        harness.item("TOLMA:LumarLogon")->choose();
    }

    // True when the service still counts `user` as logged on.
    static bool ServiceKnows(std::int32_t user) {
        WSListResult<LanguageRecord> languages;
        return CWSClient().LanguageList(LookupListRequest{user}, languages);
    }

    lumar::testing::TempSettings settings;
    fixtures::ReferenceService service;
    lumar::testing::PluginHarness harness;
    std::string userName;
    std::string password;
    bool typeAndOk = true;
    int dialogsShown = 0;

private:
    ModalPresenter<CLogonDlg> previousPresenter_;
    std::function<void()> previousCloser_;
};

struct DemoLogon {
    const char* login;
    const char* password;
    std::int32_t level;
    const char* greeting;
};

class LogOnDemoUser : public Session, public ::testing::WithParamInterface<DemoLogon> {};

TEST_P(LogOnDemoUser, GreetsLoadsTheListsAndSwapsTheMenu) {
    const DemoLogon& c = GetParam();
    TheLogonStore().userChanged = false;
    LogOnAs(c.login, c.password);

    EXPECT_EQ(harness.responder.notes(), std::vector<std::string>{c.greeting});
    ASSERT_TRUE(IsLoggedOn());
    EXPECT_EQ(UserLevel(), c.level);
    EXPECT_TRUE(TheLogonStore().userChanged);
    const LogonStore& store = TheLogonStore();
    EXPECT_EQ(store.publicationStatuses.Count, 3);
    EXPECT_EQ(store.languages.Records.at(1).Name, "English");
    EXPECT_EQ(store.binderTypes.Count, 3);
    EXPECT_EQ(store.printings.Records.at(1).Printing_ID, 2);
    EXPECT_EQ(store.colours.Count, 7);

    EXPECT_FALSE(harness.item("TOLMA:LumarLogon")->isVisible());
    EXPECT_TRUE(harness.item("TOLMA:LumarLogoff")->isVisible());
    EXPECT_TRUE(harness.item("TOLMA:LumarLogoff")->isEnabled());
    EXPECT_EQ(harness.item("TOLMA:LumarManagerOpen")->isEnabled(), c.level >= 2);
}

INSTANTIATE_TEST_SUITE_P(
    Demo, LogOnDemoUser,
    ::testing::Values(
        DemoLogon{"guest", "guest1", 1, "Logged on as Grace Guest (Guest)"},
        DemoLogon{"reader", "reader2", 2, "Logged on as Robin Reader (Reader)"},
        DemoLogon{"editor", "editor3", 3, "Logged on as Eddie Editor (Editor)"},
        DemoLogon{"PRODUCER", "producer4", 4, "Logged on as Petra Producer (Producer)"},
        DemoLogon{"supervisor", "supervisor5", 5, "Logged on as Sam Supervisor (Supervisor)"}),
    [](const auto& info) { return std::string(info.param.password); });

TEST_F(Session, RefusedCredentialsLeaveNobodyLoggedOn) {
    const std::string refused =
        "Lumar Error 11:\nRequest received but not processed successfully:\n"
        "Unknown user name or wrong password";
    // A wrong password, and a user name sent with its leading blanks.
    LogOnAs("editor", "wrong");
    LogOnAs("  editor", "editor3");
    EXPECT_EQ(harness.responder.notes(), (std::vector<std::string>{refused, refused}));
    EXPECT_FALSE(IsLoggedOn());
    EXPECT_EQ(TheLogonStore().languages.Count, 0);
    EXPECT_TRUE(harness.item("TOLMA:LumarLogon")->isVisible());
}

TEST_F(Session, CancelChangesNothing) {
    TheLogonStore().userChanged = false;
    TheLogonStore().user.Message = "kept";
    typeAndOk = false;
    harness.item("TOLMA:LumarLogon")->choose();
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_FALSE(IsLoggedOn());
    EXPECT_FALSE(TheLogonStore().userChanged);
    EXPECT_EQ(TheLogonStore().user.Message, "kept");
    EXPECT_TRUE(harness.responder.notes().empty());
}

TEST_F(Session, BlankFieldsDoNotCloseTheDialog) {
    LogOnAs("editor", "   ");
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_FALSE(IsLoggedOn());
    EXPECT_TRUE(harness.responder.notes().empty());
}

TEST_F(Session, AFailingListStopsTheLaterListsButNotTheLogon) {
    service.db().Execute("DROP TABLE binder_types");
    LogOnAs("editor", "editor3");

    const std::vector<std::string> notes = harness.responder.notes();
    ASSERT_EQ(notes.size(), 2U);
    EXPECT_EQ(notes[0], "Logged on as Eddie Editor (Editor)");
    EXPECT_EQ(notes[1].rfind("Lumar Error 1:", 0), 0U) << notes[1];
    EXPECT_TRUE(IsLoggedOn());
    const LogonStore& store = TheLogonStore();
    EXPECT_EQ(store.publicationStatuses.Count, 3);
    EXPECT_EQ(store.languages.Count, 4);
    EXPECT_EQ(store.binderTypes.Count, 0);
    EXPECT_EQ(store.printings.Count, 0);
    EXPECT_EQ(store.colours.Count, 0);
}

TEST_F(Session, LogOffClosesTheManagerBeforeTheServiceIsTold) {
    LogOnAs("producer", "producer4");
    const std::int32_t user = LogUserID();
    ASSERT_GT(user, 0);
    harness.setManagerOpen(true);
    bool loggedOnWhenClosed = false;
    SetManagerCloser([&] { loggedOnWhenClosed = IsLoggedOn() && ServiceKnows(user); });
    harness.responder.clearMessages();

    harness.item("TOLMA:LumarLogoff")->choose();

    EXPECT_TRUE(loggedOnWhenClosed);
    EXPECT_FALSE(IsManagerOpen());
    EXPECT_FALSE(IsLoggedOn());
    EXPECT_TRUE(TheLogonStore().userChanged);
    EXPECT_EQ(TheLogonStore().colours.Count, 0);
    EXPECT_TRUE(harness.responder.notes().empty());
    EXPECT_FALSE(ServiceKnows(user));
    EXPECT_TRUE(harness.item("TOLMA:LumarLogon")->isVisible());
}

TEST_F(Session, LogOffWithTheServiceDownStillLogsOff) {
    LogOnAs("editor", "editor3");
    ASSERT_TRUE(IsLoggedOn());
    harness.responder.clearMessages();
    service.Stop();

    harness.item("TOLMA:LumarLogoff")->choose();

    const std::vector<std::string> notes = harness.responder.notes();
    ASSERT_EQ(notes.size(), 1U);
    EXPECT_FALSE(notes[0].empty());
    EXPECT_FALSE(IsLoggedOn());
    EXPECT_EQ(TheLogonStore().languages.Count, 0);
}

TEST_F(Session, QuittingLogsOffThroughTheService) {
    LogOnAs("reader", "reader2");
    const std::int32_t user = LogUserID();
    ASSERT_TRUE(ServiceKnows(user));

    EXPECT_TRUE(harness.headless.host().applicationMayQuit());
    EXPECT_FALSE(IsLoggedOn());
    EXPECT_FALSE(ServiceKnows(user));
}

}  // namespace
}  // namespace lumar
