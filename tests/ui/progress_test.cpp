// The progress state: its five operations on the dialog path (a window
// double that can press Cancel) and on the host monitor path (the headless
// host's recording monitor).

#include "ui/progress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/recording_progress.h"
#include "plugin/plugin_harness.h"
#include "ui/progress_double.h"

namespace lumar {
namespace {

using host::RecordingProgress;

class Progress : public ::testing::Test {
protected:
    void TearDown() override { EndProgress(nullptr); }

    testing::PluginHarness harness;
    testing::ProgressDouble dialog;
    int parent = 0;
    RecordingProgress& monitor() { return harness.headless.ui().progress(); }
};

TEST_F(Progress, DialogShowsRangeTextAndClampedPositions) {
    BeginProgress(&parent, true, false, 10, 20, "Working...");
    EXPECT_EQ(dialog.windowsMade, 1);
    EXPECT_EQ(dialog.maximum, 20);
    EXPECT_EQ(dialog.position, 10);
    EXPECT_EQ(dialog.texts, std::vector<std::string>{"Working..."});
    EXPECT_EQ(dialog.parentEnabled, std::vector<bool>{false});

    struct Step {
        int set;
        int shown;
    };
    for (const Step& step : {Step{15, 15}, Step{25, 20}, Step{3, 10}}) {
        SetProgress(step.set, nullptr);
        EXPECT_EQ(dialog.position, step.shown) << step.set;
    }
    AdvanceProgress(4, "Page 4");
    EXPECT_EQ(dialog.position, 14);
    EXPECT_EQ(dialog.texts.back(), "Page 4");
    AdvanceProgress(100, nullptr);
    EXPECT_EQ(dialog.position, 20);
    EXPECT_EQ(dialog.texts.back(), "Page 4");  // no text keeps the text

    EndProgress("Done");
    EXPECT_EQ(dialog.texts.back(), "Done");
    EXPECT_EQ(dialog.parentEnabled, (std::vector<bool>{false, true}));
    EXPECT_FALSE(ProgressActive());
    EXPECT_FALSE(ProgressDialogOpen());
    EXPECT_TRUE(monitor().events().empty());
}

TEST_F(Progress, EmptyRangeShowsNothingAndEndDoesNothing) {
    BeginProgress(&parent, true, false, 5, 4, "Never");
    EXPECT_FALSE(ProgressActive());
    SetProgress(5, "x");
    EndProgress("Done");
    EXPECT_EQ(dialog.windowsMade, 0);
    EXPECT_TRUE(dialog.texts.empty());
    EXPECT_TRUE(dialog.parentEnabled.empty());
}

TEST_F(Progress, CancelAnsweredWithCancelLeavesTheFlagClear) {
    BeginProgress(&parent, true, false, 0, 3, nullptr);
    dialog.answer = MessageAnswer::Cancel;
    dialog.dialog()->OnCancel();
    EXPECT_EQ(dialog.questions, std::vector<std::string>{"Are you sure?"});
    EXPECT_EQ(dialog.titles, std::vector<std::string>{"Cancel operation"});
    EXPECT_FALSE(ProgressCancelled());
    EXPECT_TRUE(dialog.dialog()->CancelEnabled());

    dialog.answer = MessageAnswer::Ok;
    dialog.dialog()->OnCancel();
    EXPECT_TRUE(ProgressCancelled());
    EXPECT_FALSE(dialog.dialog()->CancelEnabled());
    dialog.dialog()->OnCancel();  // the button is disabled: not asked again
    EXPECT_EQ(dialog.questions.size(), 2u);

    // Ending a cancelled operation gives the parent back; the next one starts
    // without the cancellation.
    EndProgress("Done");
    EXPECT_EQ(dialog.parentEnabled, (std::vector<bool>{false, true}));
    EXPECT_FALSE(ProgressCancelled());
    BeginProgress(&parent, true, false, 0, 3, nullptr);
    EXPECT_FALSE(ProgressCancelled());
}

TEST_F(Progress, CancelIsPressedBetweenUnitsOfWork) {
    dialog.cancelAtPump = 2;
    BeginProgress(&parent, true, false, 0, 9, nullptr);
    int units = 0;
    for (int i = 0; i < 10; ++i) {
        PumpMessages();
        if (ProgressCancelled()) {
            break;
        }
        ++units;
    }
    EndProgress("Done");
    EXPECT_EQ(units, 1);
}

TEST_F(Progress, BeginWhileOpenReusesTheDialog) {
    BeginProgress(&parent, true, false, 0, 3, "First");
    BeginProgress(&parent, true, false, 0, 8, "Second");
    EXPECT_EQ(dialog.windowsMade, 1);
    EXPECT_EQ(dialog.maximum, 8);
    EXPECT_EQ(dialog.texts.back(), "Second");
    EXPECT_EQ(dialog.parentEnabled, std::vector<bool>{false});
    EndProgress(nullptr);
    EXPECT_EQ(dialog.parentEnabled, (std::vector<bool>{false, true}));
}

TEST_F(Progress, EmptyRangeWhileTheDialogIsOpenStillLetsEndCloseIt) {
    BeginProgress(&parent, true, false, 0, 3, "First");
    BeginProgress(&parent, true, false, 5, 4, "Empty");
    EndProgress("Done");
    EXPECT_FALSE(ProgressDialogOpen());
    EXPECT_EQ(dialog.parentEnabled, (std::vector<bool>{false, true}));
}

TEST_F(Progress, HostMonitorPathIsNeverCancelled) {
    BeginProgress(nullptr, true, true, 0, 100, "Preparing...");
    EXPECT_EQ(dialog.windowsMade, 0);
    AdvanceProgress(1, "Gathering PDF info...");
    SetProgress(150, nullptr);
    EXPECT_FALSE(ProgressCancelled());
    EndProgress("Done");
    using Call = RecordingProgress::Call;
    EXPECT_EQ(monitor().events(), (std::vector<RecordingProgress::Event>{
                                      {Call::SetValue, 0, ""},
                                      {Call::SetDuration, 100, ""},
                                      {Call::Begin, 0, ""},
                                      {Call::SetText, 0, "Preparing..."},
                                      {Call::SetValue, 1, ""},
                                      {Call::SetText, 0, "Gathering PDF info..."},
                                      {Call::SetValue, 100, ""},
                                      {Call::SetValue, 100, ""},
                                      {Call::SetText, 0, "Done"},
                                      {Call::End, 0, ""},
                                  }));
    EXPECT_FALSE(ProgressActive());
}

TEST(ProgressWithoutWindows, RunsWithoutVisibleProgress) {
    testing::PluginHarness harness;
    ProgressWindows* previous = SetProgressWindows(nullptr);
    BeginProgress(nullptr, true, false, 0, 5, "Hidden");
    SetProgress(3, "x");
    AdvanceProgress(1, nullptr);
    EXPECT_FALSE(ProgressDialogOpen());
    EXPECT_FALSE(ProgressCancelled());
    EndProgress("Done");
    EXPECT_FALSE(ProgressActive());
    SetProgressWindows(previous);
}

}  // namespace
}  // namespace lumar
