// The headless host's user-interface roles, called as an extension calls
// them: messages and choosers through the responder, modal state, host
// windows, the progress monitor, printing and tools.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_fixture.h"
#include "platform/host/document_view.h"
#include "platform/host/print_params.h"
#include "platform/host/progress_monitor.h"
#include "platform/host/text_object.h"
#include "platform/host/tool_set.h"

namespace lumar::host {
namespace {

using UiRoles = testing::HostFixture;
using Kind = ScriptedResponder::Kind;

TEST_F(UiRoles, MessagesAreAnsweredAndRecorded) {
    alertNote("Open a PDF first");
    responder.answerNext(2);
    EXPECT_EQ(alertWithButtons(AlertIcon::Question, "Selected region OK for all pages?", "OK",
                               "Cancel", nullptr, true),
              2);
    responder.answerNext(1);
    EXPECT_EQ(alertWithButtons(AlertIcon::Warning, "Just so", nullptr), 1);

    const auto& messages = responder.messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].kind, Kind::Note);
    EXPECT_EQ(messages[0].text, "Open a PDF first");
    EXPECT_EQ(messages[1].kind, Kind::Question);
    EXPECT_EQ(messages[1].icon, AlertIcon::Question);
    EXPECT_EQ(messages[1].buttons, (std::vector<std::string>{"OK", "Cancel"}));
    EXPECT_EQ(messages[1].answer, 2);
    EXPECT_EQ(messages[2].buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(responder.notes(), std::vector<std::string>{"Open a PDF first"});
}

TEST_F(UiRoles, QuestionsTheScriptDidNotForeseeFailTheTest) {
    EXPECT_THROW(alertWithButtons(AlertIcon::Question, "Are you sure?", "OK", "Cancel"),
                 UnscriptedQuestion);
    responder.answerNext(3);
    EXPECT_THROW(alertWithButtons(AlertIcon::Question, "Two buttons", "OK", "Cancel"),
                 UnscriptedQuestion);
    EXPECT_THROW(chooseFolder(FolderChoice{}), UnscriptedQuestion);
}

TEST_F(UiRoles, ChoosersAnswerAPathOrCancel) {
    responder.chooseNext("/data/annotations/Book.ann");
    responder.chooseNext(std::nullopt);
    responder.chooseNext("/data/binders");

    FileChoice open{"/data/annotations/Book.ann", "Book.ann", "Annotation files (*.ann)|*.ann||",
                    nullptr, "ann"};
    EXPECT_EQ(chooseOpenFile(open), "/data/annotations/Book.ann");
    EXPECT_EQ(chooseSaveFile(FileChoice{"/data/x.pdf", "x.pdf", "", nullptr, "pdf"}), std::nullopt);
    EXPECT_EQ(chooseFolder(FolderChoice{"/data", "Binders", "Choose the binders folder", nullptr}),
              "/data/binders");

    const auto& messages = responder.messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].kind, Kind::OpenChooser);
    EXPECT_EQ(messages[0].file.defaultName, "Book.ann");
    EXPECT_EQ(messages[0].file.filter, "Annotation files (*.ann)|*.ann||");
    EXPECT_EQ(messages[1].kind, Kind::SaveChooser);
    EXPECT_EQ(messages[2].kind, Kind::FolderChooser);
    EXPECT_EQ(messages[2].folder.prompt, "Choose the binders folder");
    EXPECT_EQ(responder.pendingAnswers(), 0u);
}

TEST_F(UiRoles, ModalStateAndHostWindows) {
    EXPECT_FALSE(hostIsModal());
    int dialog = 0;
    const HostWindow window = hostWindowFromPlatformWindow(&dialog, 3);
    EXPECT_NE(window, 0u);
    beginModalState(window);
    beginModalState(window);
    EXPECT_TRUE(hostIsModal());
    endModalState();
    EXPECT_TRUE(hostIsModal());
    endModalState();
    EXPECT_FALSE(hostIsModal());
    EXPECT_EQ(headless.ui().hostWindowCount(), 1u);
    destroyHostWindow(window);
    EXPECT_EQ(headless.ui().hostWindowCount(), 0u);
    EXPECT_EQ(hostWindowFromPlatformWindow(nullptr, 3), 0u);
}

TEST_F(UiRoles, DocumentProgressMonitorRecords) {
    void* data = nullptr;
    const ProgressMonitor* monitor = documentProgressMonitor(&data);
    ASSERT_NE(monitor, nullptr);
    monitor->setCurrentValue(0, data);
    monitor->setDuration(9, data);
    monitor->beginOperation(data);
    TextObject* text = textObjectFromString("Extracting text...");
    monitor->setText(text, data);
    destroyTextObject(text);
    monitor->setCurrentValue(monitor->currentValue(data) + 4, data);
    monitor->endOperation(data);

    using Call = RecordingProgress::Call;
    const std::vector<RecordingProgress::Event> expected = {
        {Call::SetValue, 0, ""}, {Call::SetDuration, 9, ""},
        {Call::Begin, 0, ""},    {Call::SetText, 0, "Extracting text..."},
        {Call::SetValue, 4, ""}, {Call::End, 0, ""}};
    EXPECT_EQ(headless.ui().progress().events(), expected);
    EXPECT_FALSE(headless.ui().progress().running());
}

TEST_F(UiRoles, PrintsAreRecordedWithTheHostsResult) {
    DocumentView& view = headless.ui().openView(std::make_unique<DocumentView>("Binder.pdf"));
    PrintParams params;
    params.interactive = 1;
    params.lastPage = 3;
    printDocumentWithParameters(&view, &params);
    EXPECT_EQ(params.result, 0);

    headless.ui().setPrintResult(1);
    printDocumentWithParameters(&view, &params);
    EXPECT_EQ(params.result, 1);

    ASSERT_EQ(headless.ui().prints().size(), 2u);
    EXPECT_EQ(headless.ui().prints()[0].title, "Binder.pdf");
    EXPECT_EQ(headless.ui().prints()[0].params.lastPage, 3);
    EXPECT_THROW(printDocumentWithParameters(nullptr, &params), HostError);
}

std::vector<std::string> toolCalls;

Atom regionToolType(Tool*) {
    return atomFromString("TOLMA:Lumar_RegionTool");
}
bool regionToolActivate(Tool*) {
    toolCalls.emplace_back("activate");
    return true;
}
bool regionToolDeactivate(Tool*) {
    toolCalls.emplace_back("deactivate");
    return false;
}

TEST_F(UiRoles, ToolsByTypeAndTheActiveTool) {
    ToolRecord record;
    record.slot(kToolType) = makeHostCallback(&regionToolType);
    record.slot(kToolActivate) = makeHostCallback(&regionToolActivate);
    record.slot(kToolDeactivate) = makeHostCallback(&regionToolDeactivate);
    registerTool(&record);

    Tool* tool = toolByType(atomFromString("TOLMA:Lumar_RegionTool"));
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(activeTool(), standardTool());
    toolCalls.clear();
    setActiveTool(tool, true);
    EXPECT_EQ(activeTool(), tool);
    setActiveTool(standardTool(), true);
    EXPECT_EQ(toolCalls, (std::vector<std::string>{"activate", "deactivate"}));
    EXPECT_EQ(toolByType(atomFromString("Unheard")), nullptr);

    ToolRecord nameless;
    EXPECT_THROW(registerTool(&nameless), HostError);
}

}  // namespace
}  // namespace lumar::host
