#include "merge/merge_state.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <optional>
#include <utility>

#include "config/document_folders.h"
#include "config/file_names.h"
#include "platform/host/held_path.h"
#include "platform/host/roles.h"

namespace lumar {

MergeState& TheMergeState() {
    static MergeState state;
    return state;
}

std::array<std::int32_t, 36>& ExpectedPageCounts() {
    static std::array<std::int32_t, 36> counts{};
    return counts;
}

std::int64_t ShiftPair(std::span<const MergeCommand> commands, std::int32_t currentBinder,
                       std::int32_t binderCount, std::int64_t n, std::size_t count) {
    if (currentBinder > binderCount) {
        return n;
    }
    // Every position in the commands counts pairs as they were before the
    // merge, so each is compared with the pair's own number before the merge
    // (not with the number shifted so far).
    const std::int64_t original = n;
    count = std::min(count, commands.size());
    for (std::size_t i = 0; i < count; ++i) {
        const MergeCommand& command = commands[i];
        switch (command.kind) {
        case CommandKind::Insert:
        case CommandKind::Restore:
            if (command.destinationBinder == currentBinder &&
                command.destinationPosition < original) {
                n += command.pairCount();
            }
            break;
        case CommandKind::Delete:
        case CommandKind::Store:
        case CommandKind::Extract:
            if (command.sourceBinder == currentBinder && command.sourcePosition < original) {
                n -= command.pairCount();
            }
            break;
        default:
            break;
        }
    }
    return n;
}

std::int64_t ShiftPair(const MergeState& state, std::int64_t n, std::size_t count) {
    return ShiftPair(state.commands, state.currentBinder, state.publication.Binder_count, n, count);
}

std::int64_t PairsBeforeInsertion(std::span<const MergeCommand> commands,
                                  std::int32_t currentBinder, std::int32_t binderCount,
                                  std::int64_t position, std::size_t count) {
    if (currentBinder > binderCount) {
        return position;
    }
    std::int64_t pairs = position;
    count = std::min(count, commands.size());
    for (std::size_t i = 0; i < count; ++i) {
        const MergeCommand& command = commands[i];
        switch (command.kind) {
        case CommandKind::Insert:
        case CommandKind::Restore:
            if (command.destinationBinder == currentBinder &&
                command.destinationPosition <= position) {
                pairs += command.pairCount();
            }
            break;
        case CommandKind::Delete:
        case CommandKind::Store:
        case CommandKind::Extract:
            if (command.sourceBinder == currentBinder) {
                // The pairs of the range at or before the position are gone.
                const std::int64_t first = std::max<std::int64_t>(command.first, 1);
                const std::int64_t last = std::min<std::int64_t>(command.last, position);
                pairs -= std::max<std::int64_t>(last - first + 1, 0);
            }
            break;
        default:
            break;
        }
    }
    return pairs;
}

std::int64_t PairsBeforeInsertion(const MergeState& state, std::int64_t position,
                                  std::size_t count) {
    return PairsBeforeInsertion(state.commands, state.currentBinder, state.publication.Binder_count,
                                position, count);
}

bool BinderIsFinal(const MergeState& state, std::int32_t n) {
    if (state.supplementMode) {
        return true;
    }
    for (std::size_t i = state.commandIndex + 1; i < state.commands.size(); ++i) {
        const MergeCommand& command = state.commands[i];
        switch (command.kind) {
        case CommandKind::Empty:
        case CommandKind::Create:
            break;
        case CommandKind::Replace:
        case CommandKind::Insert:
        case CommandKind::Restore:
            if (command.destinationBinder == n) {
                return false;
            }
            break;
        default:
            if (command.sourceBinder == n) {
                return false;
            }
            break;
        }
    }
    return true;
}

const BinderDocRecord* LastBinderRecord(const MergeState& state, std::int32_t n) {
    for (auto record = state.binderDocuments.rbegin(); record != state.binderDocuments.rend();
         ++record) {
        if (record->Binder_number == n) {
            return &*record;
        }
    }
    return nullptr;
}

BinderDocRecord* LastBinderRecord(MergeState& state, std::int32_t n) {
    return const_cast<BinderDocRecord*>(LastBinderRecord(std::as_const(state), n));
}

const std::string& BindersFolder(MergeState& state) {
    if (!state.bindersFolder) {
        state.bindersFolder = ResolveFolder(FolderKind::Binders, state.publication.SAP_code);
    }
    return *state.bindersFolder;
}

const std::string& SupplementsFolder(MergeState& state) {
    if (!state.supplementsFolder) {
        state.supplementsFolder =
            ResolveFolder(FolderKind::Supplements, state.publication.SAP_code);
    }
    return *state.supplementsFolder;
}

std::string ResolveDocumentPath(MergeState& state) {
    if (state.supplementMode) {
        const std::string& folder = SupplementsFolder(state);
        return folder.empty() ? std::string() : DocumentPath(folder, state.supplement.Doc_file);
    }
    const std::int32_t n = state.workingBinder;
    std::string fileName = n >= 1 && n <= 35 ? state.savedFileNames[n] : std::string();
    if (fileName.empty()) {
        const BinderDocRecord* record = LastBinderRecord(state, n);
        if (record == nullptr) {
            return {};
        }
        fileName = record->Doc_file;
    }
    const std::string& folder = BindersFolder(state);
    return folder.empty() ? std::string() : DocumentPath(folder, fileName);
}

pdf::Document* OpenDocumentAt(MergeState& state, const std::string& path) {
    const std::optional<std::string> found =
        path.empty() ? std::nullopt : FindFileIgnoringCase(path);
    if (!found) {
        host::alertNote(state.supplementMode ? "PDF containing supplement not found."
                                             : "PDF containing binder not found.");
        state.workingBinder = 0;
        return nullptr;
    }
    host::FileSystem* fileSystem = host::defaultFileSystem();
    const host::HeldPath hostPath(fileSystem, host::pathFromPlatformPath(fileSystem, *found));
    return host::openDocument(hostPath.get(), fileSystem, true);
}

void SaveDocument(pdf::Document* document, const std::string& path) {
    host::FileSystem* fileSystem = host::defaultFileSystem();
    const host::HeldPath hostPath(fileSystem, host::pathFromPlatformPath(fileSystem, path));
    host::SaveParams params;
    // Full save, written as version 1.3, unused objects dropped.
    params.flags = host::kSaveFull | host::kSaveWithVersion | host::kSaveCollectGarbage;
    params.newPath = hostPath.get();
    params.fileSystem = fileSystem;
    params.major = 1;
    params.minor = 3;
    host::saveDocument(document, params);
}

void RememberWrittenFile(MergeState& state, const std::string& path) {
    if (state.updateMode || state.supplementMode) {
        return;
    }
    if (std::find(state.writtenFiles.begin(), state.writtenFiles.end(), path) ==
        state.writtenFiles.end()) {
        state.writtenFiles.push_back(path);
    }
}

std::string FormatText(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) {
        std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    }
    va_end(arguments);
    return text;
}

void CloseDocument(pdf::Document*& document) {
    if (document == nullptr) {
        return;
    }
    try {
        host::closeDocument(document);
    } catch (const host::HostError&) {
        // Abandoned either way; the host keeps nothing we rely on.
    }
    document = nullptr;
}

}  // namespace lumar
