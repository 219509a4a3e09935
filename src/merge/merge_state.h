#pragma once

// The executor's process-wide state (one run at a time) and the operations
// the command executors share. Used by the executor's files and its tests;
// callers use merge_request.h.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "merge/merge_command.h"
#include "merge/merge_names.h"
#include "merge/merge_request.h"
#include "service/ws_records.h"
#include "service/ws_requests.h"

namespace lumar {

namespace pdf {
class Document;
}

struct MergeState {
    MergeRequest* request = nullptr;
    PublicationLastInfoRecord publication;
    MergeRecord mergeRecord;
    SupplementRecord supplement;
    std::vector<BinderDocRecord> binderDocuments;

    bool updateMode = false;      // update data given
    bool supplementMode = false;  // update data holding "(0)binder"

    std::vector<MergeCommand> commands;
    std::int64_t stepTotal = 0;
    std::size_t commandIndex = 0;

    std::int32_t currentBinder = 0;  // addressed by the last binder line
    std::int32_t workingBinder = 0;  // whose file is being written
    std::int32_t newBinderNumber = 0;

    // Per binder (index = binder number), cleared at the start of every run.
    std::array<std::string, 36> savedFileNames;
    // Every binder file a merge wrote (platform paths, each once).
    std::vector<std::string> writtenFiles;
    std::array<std::int32_t, 36> insertedIds{};

    // Binder 1 is registered last, when the merge has succeeded.
    BinderDocInsertRequest deferredBinder1;
    bool deferredBinder1Filled = false;

    pdf::Document* supplementDocument = nullptr;
    pdf::Document* workingDocument = nullptr;
    pdf::Document* storeDocument = nullptr;
    pdf::Document* newBinderDocument = nullptr;
    bool pendingStore = false;

    std::string workingPath;
    BinderNames workingNames;
    BinderNames newBinderNames;

    // Folders, resolved once per run (an empty text: resolution failed and
    // was reported).
    std::optional<std::string> bindersFolder;
    std::optional<std::string> supplementsFolder;

    std::int64_t step = 0;
};

// The state of the run in progress.
MergeState& TheMergeState();

// The pair number that pair `n` of the current binder (numbered before the
// merge) has after the first `count` commands: Insert and Restore into the
// current binder after a pair below n add their pairs, Delete, Store and
// Extract of pairs below n take theirs away. All positions are compared in
// the numbering before the merge. A binder being created (above `binderCount`)
// keeps its numbers.
std::int64_t ShiftPair(std::span<const MergeCommand> commands, std::int32_t currentBinder,
                       std::int32_t binderCount, std::int64_t n, std::size_t count);
std::int64_t ShiftPair(const MergeState& state, std::int64_t n, std::size_t count);

// The number of pairs of the current binder that stand before the pairs an
// Insert or Restore at `position` (numbered before the merge) puts in, after
// the first `count` commands: the pairs up to `position` that are still
// there, and the pairs earlier commands put at or before `position`, so
// that pairs put at one position follow one another in the order of the
// commands and pairs put after a pair that is gone stand where it stood. A
// binder being created counts its pairs as they are: `position` itself.
std::int64_t PairsBeforeInsertion(std::span<const MergeCommand> commands,
                                  std::int32_t currentBinder, std::int32_t binderCount,
                                  std::int64_t position, std::size_t count);
std::int64_t PairsBeforeInsertion(const MergeState& state, std::int64_t position,
                                  std::size_t count);

// True when no command after the current one addresses binder n (always in
// supplement mode).
bool BinderIsFinal(const MergeState& state, std::int32_t n);

// The last binder document record of binder n, or none.
const BinderDocRecord* LastBinderRecord(const MergeState& state, std::int32_t n);
BinderDocRecord* LastBinderRecord(MergeState& state, std::int32_t n);

// The folders of the run's publication; empty when they cannot be had.
const std::string& BindersFolder(MergeState& state);
const std::string& SupplementsFolder(MergeState& state);

// The working binder's file: the supplement's in supplement mode; else the
// binder's file saved in this run, or its record's Doc_file. Empty when
// there is none or the folder cannot be had.
std::string ResolveDocumentPath(MergeState& state);

// Opens the document at `path` (its name matched without regard to case);
// none, with "PDF containing binder not found." (or "... supplement ...")
// and the working binder set to 0, when it is not there.
pdf::Document* OpenDocumentAt(MergeState& state, const std::string& path);

// The merge record's supplement, opened; none (reported) when it cannot be.
pdf::Document* OpenSupplement(MergeState& state);

// Full save as PDF 1.3 through a temporary file and a rename. Throws HostError.
void SaveDocument(pdf::Document* document, const std::string& path);

// Notes a binder file a merge has written (an update writes in place and
// notes nothing).
void RememberWrittenFile(MergeState& state, const std::string& path);

// Saves a finished binder (or the supplement) under its new name, checks it,
// registers it at the service and checks its page count. Closes the document
// in every case (`document` becomes null).
bool SaveBinder(MergeState& state, pdf::Document*& document, const std::string& newName,
                const std::string& temporaryName, std::int32_t n);

// Copies the unchanged working binder under its new name and registers it.
bool CopyBinder(MergeState& state, const std::string& sourcePath, const std::string& newName,
                const std::string& temporaryName);

// Refuses (reported, false) a Replace of binder pairs that an earlier command
// deleted, stored or extracted, before anything is written.
bool CheckReplacedPairsPresent(const MergeState& state);

// Names of the files this run would write checked against each other and
// against the publication's binder files; false (reported) when the run
// would write over another binder's file. Also refuses document file names
// from the service that are not plain names.
bool CheckRunNames(MergeState& state);

// The command executors: each reports its own failures and returns success.
bool ExecDelete(MergeState& state, pdf::Document* working, std::size_t index);
bool ExecInsert(MergeState& state, pdf::Document* target, bool targetIsWorking, std::size_t index);
bool ExecReplace(MergeState& state, pdf::Document* working, std::size_t index);
pdf::Document* ExecStore(MergeState& state, pdf::Document* working, std::size_t index);
bool ExecRestore(MergeState& state, pdf::Document* target, bool targetIsWorking, std::size_t index);
bool ExecExtract(MergeState& state, pdf::Document* working, std::size_t index);
bool ExecSetTabsheet(MergeState& state, pdf::Document* document, std::size_t index);
bool ExecSetColour(MergeState& state, pdf::Document* document, std::size_t index);

// Runs the parsed command list; returns success.
bool ExecuteCommands(MergeState& state);

// printf into a string.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Closes a host document if there is one and forgets it; errors are ignored
// (the document is being abandoned).
void CloseDocument(pdf::Document*& document);

}  // namespace lumar
