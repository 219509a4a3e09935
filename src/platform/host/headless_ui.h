#pragma once

// The user-interface roles of the headless host: nothing is drawn. Messages,
// questions and choosers go to a Responder; the menu bar, the tools and the
// open document views are kept in memory; modal state, host windows, the
// document progress monitor, printing and files opened with their associated
// program are recorded. Tests click pages through HeadlessPageView.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/host/document_view.h"
#include "platform/host/menu_model.h"
#include "platform/host/print_params.h"
#include "platform/host/recording_progress.h"
#include "platform/host/responder.h"
#include "platform/host/tool_set.h"
#include "platform/host/user_interface.h"

namespace lumar::host {

class HeadlessUi : public UserInterface {
public:
    struct PrintJob {
        std::string title;   // the printed view's title
        PrintParams params;  // as the host received them (result filled in)
    };

    explicit HeadlessUi(Responder& responder);

    void alertNote(const std::string& message) override;
    int alert(const Question& question) override;
    std::optional<std::string> chooseFolder(const FolderChoice& choice) override;
    std::optional<std::string> chooseOpenFile(const FileChoice& choice) override;
    std::optional<std::string> chooseSaveFile(const FileChoice& choice) override;
    MenuBar* menuBar() override { return &menuBar_; }
    ToolSet& tools() override { return tools_; }
    DocumentView* activeDocument() override;
    DocumentView* showDocument(std::unique_ptr<pdf::Document>&& document) override;
    DocumentView* viewShowing(const std::filesystem::path& path) override;
    void activate(DocumentView* view) override;
    void beginModal(HostWindow window) override;
    void endModal() override;
    [[nodiscard]] bool isModal() const override { return modalDepth_ > 0; }
    HostWindow hostWindowFromPlatform(void* platformWindow, int kind) override;
    void destroyHostWindow(HostWindow window) override;
    const ProgressMonitor* documentProgressMonitor(void** clientData) override;
    void print(DocumentView& view, PrintParams& params) override;
    bool openWithAssociatedProgram(const std::filesystem::path& path) override;

    // Views: a newly opened view becomes the active one; closing the active
    // view makes the most recently opened remaining view active.
    DocumentView& openView(std::unique_ptr<DocumentView> view);
    void closeView(DocumentView* view);
    [[nodiscard]] std::size_t viewCount() const { return views_.size(); }

    [[nodiscard]] int modalDepth() const { return modalDepth_; }
    [[nodiscard]] std::size_t hostWindowCount() const { return windows_.size(); }
    RecordingProgress& progress() { return progress_; }

    // Every print, in order; `setPrintResult` decides what the next prints
    // report (0 = printed).
    [[nodiscard]] const std::vector<PrintJob>& prints() const { return prints_; }
    void setPrintResult(std::uint16_t result) { printResult_ = result; }

    // Every file opened with its associated program, in order;
    // `setAssociatedProgramResult` decides what the next openings report.
    [[nodiscard]] const std::vector<std::filesystem::path>& openedWithProgram() const {
        return openedWithProgram_;
    }
    void setAssociatedProgramResult(bool opens) { associatedProgramOpens_ = opens; }

    Responder& responder() { return responder_; }

private:
    Responder& responder_;
    MenuBar menuBar_;
    ToolSet tools_;
    std::vector<std::unique_ptr<DocumentView>> views_;  // the active view last
    int modalDepth_ = 0;
    std::set<HostWindow> windows_;
    HostWindow lastWindow_ = 0;
    RecordingProgress progress_;
    std::vector<PrintJob> prints_;
    std::uint16_t printResult_ = 0;
    std::vector<std::filesystem::path> openedWithProgram_;
    bool associatedProgramOpens_ = true;
};

}  // namespace lumar::host
