#include "annotations/annotation_import.h"

#include <string>

#include "annotations/data_annotation.h"
#include "annotations/host_frame.h"
#include "annotations/import_file.h"
#include "config/file_choosers.h"
#include "config/file_names.h"
#include "config/settings_store.h"
#include "platform/host/held_path.h"
#include "platform/host/roles.h"
#include "platform/host/table_model.h"
#include "service/wait_cursor.h"
#include "ui/progress.h"

namespace lumar {

namespace {

constexpr const char* kPdfFileFilter = "Adobe PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||";
constexpr int kReplaceButton = 2;

// Ends the import's progress when the import ends, however it ends.
class ImportProgress {
public:
    explicit ImportProgress(int pages) {
        BeginProgress(nullptr, true, true, 0, pages - 1, "Importing annotations...");
    }
    ~ImportProgress() { EndProgress("Done"); }
    ImportProgress(const ImportProgress&) = delete;
    ImportProgress& operator=(const ImportProgress&) = delete;
};

// Writes the line into page `index`'s data annotation, or gives the page a
// new one. False when the page cannot be had (the reason has been shown).
bool ImportLine(pdf::Document* document, int index, const std::string& line, PageDataMode mode) {
    bool found = false;
    try {
        const AcquiredPage page(host::acquirePage(document, index));
        if (page.get() == nullptr) {
            return false;
        }
        found = WritePageData(page.get(), line, mode);
    } catch (const host::HostError& error) {
        ShowHostError(kPageError, error);
        return false;
    }
    if (!found) {
        // A failure here is shown and the import goes on.
        CreateDataAnnotation(document, index, "Index", line);
    }
    return true;
}

}  // namespace

bool ImportPages(pdf::Document* document, const std::string& path, PageDataMode mode) {
    ImportFile file(path);
    if (!file.isOpen()) {
        host::alertNote("Could not open footer file: " + path);
        return false;
    }
    const int pages = host::pageCount(document);
    const WaitCursor wait;
    const ImportProgress progress(pages);
    for (int index = 0; index < pages; ++index) {
        SetProgress(index, nullptr);
        const std::optional<std::string> line = file.nextLine();
        if (!line) {
            host::alertNote("Unexpected EOF. More pages than footers");
            return false;
        }
        if (!ImportLine(document, index, *line, mode)) {
            return false;
        }
    }
    if (!file.restIsBlank()) {
        host::alertNote("Unexpected EOF. More footers than pages");
        return false;
    }
    return true;
}

bool SaveDocumentTo(pdf::Document* document, const std::string& path) {
    host::FileSystem* fileSystem = host::defaultFileSystem();
    try {
        const host::HeldPath target(fileSystem, host::pathFromPlatformPath(fileSystem, path));
        host::SaveParams params;
        params.flags = host::kSaveFull | host::kSaveWithVersion | host::kSaveCollectGarbage;
        params.newPath = target.get();
        params.fileSystem = fileSystem;
        params.monitor = host::documentProgressMonitor(&params.monitorData);
        params.major = 1;
        params.minor = 3;
        params.versionOption = 1;
        host::saveDocument(document, params);
        return true;
    } catch (const host::HostError& error) {
        host::alertNote(host::hostErrorText(error));
        return false;
    }
}

bool SaveDocumentAs(host::DocumentView* view) {
    pdf::Document* document = host::documentOfView(view);
    if (document == nullptr) {
        host::alertNote("Could not get pdDoc of opened PDF");
        return false;
    }
    std::string path;
    try {
        path = DocumentPathText(document);
    } catch (const host::HostError& error) {
        host::alertNote(host::hostErrorText(error));
        return false;
    }
    if (path.find('/') == std::string::npos) {
        host::alertNote("Could not determine pdf filename");
        return false;
    }
    const std::optional<std::string> chosen =
        ChooseSaveFile(FolderOf(path), path.substr(path.rfind('/') + 1), kPdfFileFilter, nullptr);
    if (!chosen) {
        return false;
    }
    // The view may have lost its document while the chooser was open.
    document = host::documentOfView(view);
    return document != nullptr && SaveDocumentTo(document, *chosen);
}

void AnnotationImportCommand(void* /*clientData*/) {
    host::DocumentView* view = host::activeDocument();
    pdf::Document* document = ActivePdfDocument();
    if (document == nullptr) {
        return;
    }
    std::string defaultName;
    try {
        if (const std::optional<std::string> base = DocumentBaseName(DocumentPathText(document))) {
            defaultName = *base + ".ann";
        }
    } catch (const host::HostError& error) {
        host::alertNote(host::hostErrorText(error));
        return;
    }
    std::string folder;
    ReadTextSetting("Uri", "Annotations", folder);
    const std::optional<std::string> chosen =
        ChooseOpenFile(folder, defaultName, kImportFileFilter, nullptr);
    if (!chosen) {
        return;
    }
    const int answer = host::alertWithButtons(
        host::AlertIcon::Question, "Add to or replace existing Lumar annotations (if any)?",
        "Add to", "Replace", nullptr, true);
    const PageDataMode mode = answer == kReplaceButton ? PageDataMode::Replace : PageDataMode::Add;
    if (ImportPages(document, *chosen, mode)) {
        SaveDocumentAs(view);
    }
}

}  // namespace lumar
