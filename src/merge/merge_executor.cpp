// RunMerge and ExecuteCommands: the command loop over the binders, with
// progress, cancellation and the first failure stopping the run.

#include <algorithm>
#include <exception>
#include <limits>
#include <string>

#include "config/file_names.h"
#include "merge/merge_data_parser.h"
#include "merge/merge_data_report.h"
#include "merge/merge_state.h"
#include "platform/host/roles.h"
#include "platform/text/cp1252.h"
#include "service/logon_store.h"
#include "service/wait_cursor.h"
#include "service/ws_client.h"
#include "ui/progress.h"

namespace lumar {

namespace {

// How a command ended: done, not applicable here, or failed with its own
// error text already set.
enum class Outcome { Handled, NotHandled, Failed };

class CommandLoop {
public:
    explicit CommandLoop(MergeState& state) : s_(state) {}

    bool Run();

private:
    [[nodiscard]] std::int32_t ProgressPosition() const {
        return static_cast<std::int32_t>(
            std::min<std::int64_t>(s_.step, std::numeric_limits<std::int32_t>::max()));
    }
    void Fail(std::string text) {
        ok_ = false;
        errorText_ = std::move(text);
    }
    void ShowHostFailure(const host::HostError& error) {
        host::alertNote(
            std::string(s_.updateMode ? "Error during update: " : "Error during merge: ") +
            host::hostErrorText(error));
        ok_ = false;
    }

    // Opens the working binder's file unless it is open.
    pdf::Document* Working() {
        if (s_.workingDocument == nullptr && (s_.workingBinder != 0 || s_.supplementMode)) {
            s_.workingDocument = OpenDocumentAt(s_, s_.workingPath);
        }
        return s_.workingDocument;
    }

    bool FinishWorkingBinder();
    Outcome BinderLine(const MergeCommand& command);
    Outcome Create();
    Outcome Dispatch(std::size_t index, const MergeCommand& command);
    void Loop();
    void Finish();

    MergeState& s_;
    bool ok_ = true;
    std::string errorText_;
};

bool CommandLoop::FinishWorkingBinder() {
    if (s_.workingDocument != nullptr) {
        return SaveBinder(s_, s_.workingDocument, s_.workingNames.newName,
                          s_.workingNames.temporaryName, s_.workingBinder);
    }
    if (s_.workingBinder != 0) {
        SetProgress(ProgressPosition(),
                    FormatText("Copying binder %ld", static_cast<long>(s_.workingBinder)).c_str());
        return CopyBinder(s_, s_.workingPath, s_.workingNames.newName,
                          s_.workingNames.temporaryName);
    }
    return true;
}

Outcome CommandLoop::BinderLine(const MergeCommand& command) {
    const std::int32_t n = command.sourceBinder;
    if (!s_.supplementMode) {
        if (n == s_.currentBinder) {
            return Outcome::NotHandled;  // a binder line may not repeat the current binder
        }
        if (n == s_.workingBinder || n > s_.publication.Binder_count) {
            s_.currentBinder = n;
            return Outcome::Handled;
        }
    }
    const bool finished = FinishWorkingBinder();
    s_.workingBinder = 0;
    s_.currentBinder = 0;
    if (!finished) {
        return Outcome::NotHandled;
    }
    s_.workingBinder = n;
    s_.currentBinder = n;
    s_.workingPath = ResolveDocumentPath(s_);
    const std::string fileName(FileNamePart(s_.workingPath));
    if (s_.updateMode) {
        s_.workingNames = BinderNames{std::string(), fileName};
        return Outcome::Handled;
    }
    const PublicationLastInfoRecord& publication = s_.publication;
    if (!s_.savedFileNames[n].empty()) {
        s_.workingNames = MergeBinderNames(fileName, n, publication.Supplement_number_done,
                                           publication.Supplement_number_next);
        s_.workingNames.newName = fileName;
    } else {
        s_.workingNames = MergeBinderNames(fileName, n, publication.Supplement_number_done,
                                           publication.Supplement_number_next);
    }
    return Outcome::Handled;
}

Outcome CommandLoop::Create() {
    if (s_.newBinderDocument != nullptr &&
        !SaveBinder(s_, s_.newBinderDocument, s_.newBinderNames.newName,
                    s_.newBinderNames.temporaryName, s_.newBinderNumber)) {
        ok_ = false;
        return Outcome::Failed;
    }
    const std::int32_t number =
        s_.newBinderNumber == 0 ? s_.publication.Binder_count + 1 : s_.newBinderNumber + 1;
    if (number > kMaxBinderNumber) {
        return Outcome::NotHandled;
    }
    s_.newBinderDocument = host::newEmptyDocument();
    s_.newBinderNumber = number;
    const PublicationLastInfoRecord& publication = s_.publication;
    const std::int64_t done = publication.Supplement_number_done;
    const std::int64_t next =
        publication.Supplement_number_next == 0 ? done : publication.Supplement_number_next;
    s_.newBinderNames =
        CreateBinderNames(FileNamePart(s_.workingPath), s_.workingBinder, number, done, next);
    return Outcome::Handled;
}

Outcome CommandLoop::Dispatch(std::size_t index, const MergeCommand& command) {
    const auto result = [](bool done) { return done ? Outcome::Handled : Outcome::NotHandled; };
    switch (command.kind) {
    case CommandKind::Binder:
        return BinderLine(command);
    case CommandKind::Replace:
        if (command.destinationBinder != s_.workingBinder) {
            return Outcome::NotHandled;
        }
        return result(ExecReplace(s_, Working(), index));
    case CommandKind::Insert:
        if (command.destinationBinder != s_.currentBinder) {
            return Outcome::NotHandled;
        }
        if (s_.currentBinder == s_.workingBinder) {
            return result(ExecInsert(s_, Working(), true, index));
        }
        return result(ExecInsert(s_, s_.newBinderDocument, false, index));
    case CommandKind::Delete:
        if (command.sourceBinder != s_.workingBinder) {
            return Outcome::NotHandled;
        }
        return result(ExecDelete(s_, Working(), index));
    case CommandKind::Store: {
        if (command.sourceBinder != s_.workingBinder) {
            return Outcome::NotHandled;
        }
        pdf::Document* working = Working();
        if (s_.storeDocument != nullptr) {
            Fail("Store/Restore operations out of sync.");
            return Outcome::Failed;
        }
        s_.storeDocument = ExecStore(s_, working, index);
        if (s_.storeDocument == nullptr) {
            return Outcome::NotHandled;
        }
        s_.pendingStore = true;
        return Outcome::Handled;
    }
    case CommandKind::Restore: {
        if (command.destinationBinder != s_.currentBinder) {
            return Outcome::NotHandled;
        }
        if (!s_.pendingStore) {
            Fail("Restore in EI without Store.");
            return Outcome::Failed;
        }
        const bool intoWorking = s_.currentBinder == s_.workingBinder;
        const bool done =
            ExecRestore(s_, intoWorking ? Working() : s_.newBinderDocument, intoWorking, index);
        s_.pendingStore = false;
        CloseDocument(s_.storeDocument);
        return result(done);
    }
    case CommandKind::Create:
        return Create();
    case CommandKind::Extract: {
        if (command.sourceBinder != s_.workingBinder) {
            return Outcome::NotHandled;
        }
        pdf::Document* working = Working();
        if (s_.newBinderDocument == nullptr) {
            Fail("Extract in EI without Create.");
            return Outcome::Failed;
        }
        return result(ExecExtract(s_, working, index));
    }
    case CommandKind::SetTabsheet:
        if (command.sourceBinder != s_.workingBinder) {
            return Outcome::NotHandled;
        }
        return result(ExecSetTabsheet(s_, Working(), index));
    case CommandKind::SetColour:
        if (command.sourceBinder != s_.workingBinder) {
            return Outcome::NotHandled;
        }
        return result(ExecSetColour(s_, Working(), index));
    case CommandKind::Empty:
        break;
    }
    return Outcome::NotHandled;
}

void CommandLoop::Loop() {
    for (std::size_t index = 0; index < s_.commands.size() && ok_; ++index) {
        s_.commandIndex = index;
        const MergeCommand& command = s_.commands[index];
        if (s_.request->onCommand) {
            s_.request->onCommand(index);
        }
        if (!ProgressCancelled()) {
            PumpMessages();
        }
        if (ProgressCancelled()) {
            Fail(s_.updateMode ? "Update interrupted by user.\r\nUpdate partially performed, "
                                 "some documents might not be completely updated."
                               : "Merge aborted by user.");
            break;
        }
        if (command.kind == CommandKind::Empty) {
            continue;
        }
        s_.step += 1;
        const std::string label =
            s_.supplementMode ? std::string("Updating supplement")
            : s_.updateMode ? FormatText("Updating binder %ld", static_cast<long>(s_.currentBinder))
                            : FormatText("Merging supplement with binder %ld",
                                         static_cast<long>(s_.currentBinder));
        if (command.kind == CommandKind::Binder) {
            SetProgress(ProgressPosition(), nullptr);
        } else {
            SetProgress(ProgressPosition(), label.c_str());
        }

        const Outcome outcome = Dispatch(index, command);
        if (outcome == Outcome::Handled) {
            switch (command.kind) {
            case CommandKind::Replace:
            case CommandKind::Insert:
            case CommandKind::Delete:
            case CommandKind::Store:
            case CommandKind::Restore:
            case CommandKind::Extract:
            case CommandKind::SetTabsheet:
            case CommandKind::SetColour:
                s_.step += command.pairCount();
                break;
            default:
                break;
            }
        } else if (outcome == Outcome::NotHandled) {
            Fail(FormatText("Error: command %d ('%s')", static_cast<int>(index),
                            command.text.c_str()));
        } else {
            ok_ = false;
        }
    }
}

void CommandLoop::Finish() {
    s_.commandIndex = s_.commands.size();
    try {
        if (s_.workingDocument != nullptr) {
            if (ok_) {
                ok_ = SaveBinder(s_, s_.workingDocument, s_.workingNames.newName,
                                 s_.workingNames.temporaryName, s_.workingBinder);
            } else {
                CloseDocument(s_.workingDocument);
            }
        } else if (s_.workingBinder != 0 && !s_.supplementMode && ok_) {
            SetProgress(
                ProgressPosition(),
                FormatText("Copying binder %ld", static_cast<long>(s_.workingBinder)).c_str());
            ok_ = CopyBinder(s_, s_.workingPath, s_.workingNames.newName,
                             s_.workingNames.temporaryName);
        }
        if (s_.storeDocument != nullptr) {
            if (ok_) {
                Fail("Store in EI without Restore.");
            }
            CloseDocument(s_.storeDocument);
        }
        if (s_.newBinderDocument != nullptr) {
            if (ok_) {
                ok_ = SaveBinder(s_, s_.newBinderDocument, s_.newBinderNames.newName,
                                 s_.newBinderNames.temporaryName, s_.newBinderNumber);
            } else {
                CloseDocument(s_.newBinderDocument);
            }
        }
    } catch (const host::HostError& error) {
        ShowHostFailure(error);
    }
    CloseDocument(s_.workingDocument);
    CloseDocument(s_.storeDocument);
    CloseDocument(s_.newBinderDocument);

    if (!s_.updateMode && ok_) {
        // Binder 1 goes last; the insert of binder 0 then closes the merge.
        CWSClient first;
        WSIdResult result;
        if (!s_.deferredBinder1Filled) {
            Fail("Binder 1 has not been written.");
        } else if (!first.BinderDocInsert(s_.deferredBinder1, result)) {
            host::alertNote(result.Message);
            ok_ = false;
        } else {
            BinderDocInsertRequest closing;
            closing.LogUser_ID = s_.deferredBinder1.LogUser_ID;
            closing.Publication_ID = s_.deferredBinder1.Publication_ID;
            CWSClient last;
            WSIdResult closed;
            if (!last.BinderDocInsert(closing, closed)) {
                host::alertNote(closed.Message);
                ok_ = false;
            }
        }
    }
}

bool CommandLoop::Run() {
    WaitCursor wait;
    const auto maximum = static_cast<std::int32_t>(
        std::min<std::int64_t>(s_.stepTotal, std::numeric_limits<std::int32_t>::max()));
    BeginProgress(
        s_.request->window, true, false, 0, maximum,
        s_.updateMode ? "Updating document(s)..." : "Merging supplement with publication...");
    if (!s_.updateMode) {
        try {
            s_.supplementDocument = OpenSupplement(s_);
        } catch (const host::HostError& error) {
            ShowHostFailure(error);
        }
        // Also after a host failure (a damaged file): the user learns that
        // the merge has no supplement to take pages from.
        if (s_.supplementDocument == nullptr) {
            Fail("PDF containing supplement not found.");
        }
    }
    if (ok_) {
        s_.workingDocument = nullptr;
        s_.storeDocument = nullptr;
        s_.newBinderDocument = nullptr;
        s_.pendingStore = false;
        s_.newBinderNumber = 0;
        try {
            Loop();
        } catch (const host::HostError& error) {
            ShowHostFailure(error);
        }
        Finish();
    }
    CloseDocument(s_.supplementDocument);
    if (!ok_ && !errorText_.empty()) {
        host::alertNote(errorText_);
    }
    EndProgress("Done");
    return ok_;
}

bool Parse(MergeState& state, const std::string& text) {
    MergeDataInputs inputs;
    inputs.binderCount = state.publication.Binder_count;
    inputs.binderDocuments = state.binderDocuments;
    inputs.supplementPageCount = state.supplement.Page_count;
    const MergeDataParse parse = ParseForExecutor(
        text, state.updateMode ? MergeDataContext::ExecutorUpdate : MergeDataContext::ExecutorMerge,
        inputs);
    if (!parse.success) {
        return false;
    }
    state.commands = parse.commands;
    state.stepTotal = parse.stepTotal;
    return true;
}

// The merge data of the publication's next merge.
bool FetchMergeData(MergeState& state, std::string& text) {
    // Identifier 0 would not restrict the list: it would deliver other merges.
    if (state.publication.Merge_ID_next <= 0) {
        host::alertNote("Merge data not found.");
        return false;
    }
    MergeListRequest request;
    request.LogUser_ID = LogUserID();
    request.Merge_ID = state.publication.Merge_ID_next;
    request.Merge_dataGet = 1;
    WSListResult<MergeRecord> merges;
    CWSClient client;
    if (!client.MergeList(request, merges) || merges.Records.empty()) {
        host::alertNote(!merges.Message.empty() ? merges.Message
                                                : std::string("Merge data not found."));
        return false;
    }
    state.mergeRecord = merges.Records.front();
    text = state.mergeRecord.Merge_data;
    return true;
}

void ResetRun(MergeState& state, MergeRequest& request) {
    state = MergeState{};
    state.request = &request;
    state.publication = request.publication;
    state.supplement = request.supplement;
    state.binderDocuments = request.binderDocuments;
}

}  // namespace

bool ExecuteCommands(MergeState& state) {
    return CommandLoop(state).Run();
}

bool RunMerge(MergeRequest& request) {
    static bool running = false;
    request.success = false;
    if (running) {
        host::alertNote("A merge is running already.");
        return false;
    }
    running = true;
    MergeState& state = TheMergeState();
    ResetRun(state, request);
    bool success = false;
    try {
        state.updateMode = !request.updateData.empty();
        std::string text;
        bool ready = true;
        if (state.updateMode) {
            text = request.updateData;
            state.supplementMode = text::toLower(text).find("(0)binder") != std::string::npos;
        } else {
            ready = FetchMergeData(state, text);
        }
        if (ready && Parse(state, text) && CheckRunNames(state) &&
            CheckReplacedPairsPresent(state)) {
            success = ExecuteCommands(state);
        }
        if (request.bringToFront) {
            request.bringToFront();
        }
    } catch (const host::HostError& error) {
        host::alertNote("Erroneous merge data! " + host::hostErrorText(error));
    } catch (const std::exception&) {
        host::alertNote("Erroneous merge data!");
    }
    EndProgress("Done");  // when a failure cut the run short
    // Documents of a run cut short are let go without being saved.
    CloseDocument(state.workingDocument);
    CloseDocument(state.storeDocument);
    CloseDocument(state.newBinderDocument);
    CloseDocument(state.supplementDocument);
    state.request = nullptr;
    request.success = success;
    request.writtenFiles = state.writtenFiles;
    running = false;
    return success;
}

}  // namespace lumar
