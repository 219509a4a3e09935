#include "search/page_extraction.h"

#include <algorithm>

#include "config/document_folders.h"
#include "config/file_names.h"
#include "merge/merge_names.h"
#include "platform/host/held_path.h"
#include "platform/host/roles.h"
#include "ui/progress.h"

namespace lumar {

namespace {

constexpr const char* kAborted = "Extract aborted by user.";

void CloseQuietly(pdf::Document*& document) {
    if (document == nullptr) {
        return;
    }
    try {
        host::closeDocument(document);
    } catch (const host::HostError&) {
        // Abandoned either way.
    }
    document = nullptr;
}

// Lets the Cancel button through; true when the user asked to stop (and has
// been told).
bool Cancelled() {
    PumpMessages();
    if (ProgressCancelled()) {
        host::alertNote(kAborted);
        return true;
    }
    return false;
}

// The path of the document the hits of `binder` come from; empty, with the
// reason told, when there is none.
std::string SourcePath(std::int32_t binder, const ExtractionSources& sources) {
    const std::string* fileName = nullptr;
    if (binder != 0) {
        const auto found =
            std::find_if(sources.binders.rbegin(), sources.binders.rend(),
                         [binder](const BinderDocRecord& r) { return r.Binder_number == binder; });
        if (found == sources.binders.rend()) {
            host::alertNote("Missing binder record!");
            return {};
        }
        fileName = &found->Doc_file;
    } else {
        if (!sources.supplement) {
            host::alertNote("Missing supplement record!");
            return {};
        }
        fileName = &sources.supplement->Doc_file;
    }
    // A name from the service must not lead out of the folder.
    if (!IsSafeDocumentFileName(*fileName)) {
        host::alertNote("Invalid document file name: " + *fileName);
        return {};
    }
    const std::string folder =
        ResolveFolder(binder != 0 ? FolderKind::Binders : FolderKind::Supplements, sources.sapCode);
    if (folder.empty()) {
        return {};
    }
    const std::optional<std::string> path = FindFileIgnoringCase(DocumentPath(folder, *fileName));
    if (!path) {
        host::alertNote(binder != 0 ? "PDF containing binder not found."
                                    : "PDF containing supplement not found.");
        return {};
    }
    return *path;
}

pdf::Document* OpenSource(const std::string& path) {
    host::FileSystem* fileSystem = host::defaultFileSystem();
    try {
        const host::HeldPath hostPath(fileSystem, host::pathFromPlatformPath(fileSystem, path));
        return host::openDocument(hostPath.get(), fileSystem, true);
    } catch (const host::HostError& error) {
        host::alertNote("Cannot open document " + path + ": " + error.text(512));
        return nullptr;
    }
}

// Copies the pair's two pages behind the last page of `target`; false, told,
// when the source lacks them or the copy fails.
bool CopyPair(pdf::Document* target, pdf::Document* source, std::int32_t pair) {
    const PairPageIndices pages = PagesOfPair(pair);
    try {
        if (pair < 1 || pages.last > host::pageCount(source) - 1) {
            host::alertNote("Invalid Extract parameters.");
            return false;
        }
        const int last = host::pageCount(target) - 1;
        host::insertPages(target, last < 0 ? host::kInsertAtFront : last, source, pages.first, 2);
        return true;
    } catch (const host::HostError& error) {
        host::alertNote(error.text(512));
        return false;
    }
}

}  // namespace

int CountExtractDocuments(std::span<const SearchHit> hits) {
    int count = 0;
    std::int32_t previous = 0;
    for (const SearchHit& hit : hits) {
        if (hit.binder != previous) {
            previous = hit.binder;
            if (++count == 2) {
                break;
            }
        }
    }
    return count;
}

PairPageIndices PagesOfPair(std::int32_t pair) {
    const int first = 2 * static_cast<int>(pair) - 2;
    return {first, first + 1};
}

pdf::Document* ExtractPages(std::span<const SearchHit> hits, const ExtractionSources& sources,
                            void* window) {
    if (hits.empty()) {
        return nullptr;
    }
    pdf::Document* target = nullptr;
    try {
        target = host::newEmptyDocument();
    } catch (const host::HostError&) {
        target = nullptr;
    }
    if (target == nullptr) {
        host::alertNote("Failed to create new document");
        return nullptr;
    }
    BeginProgress(window, true, false, 0,
                  static_cast<std::int32_t>(hits.size()) + CountExtractDocuments(hits),
                  "Extracting pages...");
    pdf::Document* source = nullptr;
    bool failed = false;
    for (std::size_t i = 0; i < hits.size() && !failed; ++i) {
        const SearchHit& hit = hits[i];
        if (i == 0 || hit.binder != hits[i - 1].binder) {
            AdvanceProgress(hit.binder != 0 ? 1 : 0, "Opening document...");
            if (Cancelled()) {
                failed = true;
                break;
            }
            const std::string path = SourcePath(hit.binder, sources);
            CloseQuietly(source);
            source = path.empty() ? nullptr : OpenSource(path);
            if (source == nullptr) {
                failed = true;
                break;
            }
        }
        AdvanceProgress(1, "Extracting pages from document...");
        failed = Cancelled() || !CopyPair(target, source, hit.pair);
    }
    EndProgress("Done");
    CloseQuietly(source);
    if (failed) {
        CloseQuietly(target);
    }
    return target;
}

bool SaveExtraction(pdf::Document* document, const std::string& path) {
    host::FileSystem* fileSystem = host::defaultFileSystem();
    bool saved = false;
    try {
        const host::HeldPath hostPath(fileSystem, host::pathFromPlatformPath(fileSystem, path));
        host::SaveParams params;
        params.flags = host::kSaveFull | host::kSaveCollectGarbage;
        params.newPath = hostPath.get();
        params.fileSystem = fileSystem;
        host::saveDocument(document, params);
        saved = true;
    } catch (const host::HostError& error) {
        host::alertNote("Cannot save " + path + ": " + error.text(512));
    }
    CloseQuietly(document);
    return saved;
}

bool ExtractPagesToFile(std::span<const SearchHit> hits, const ExtractionSources& sources,
                        const std::string& path) {
    pdf::Document* document = ExtractPages(hits, sources);
    return document != nullptr && SaveExtraction(document, path);
}

}  // namespace lumar
