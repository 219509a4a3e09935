#include "annotations/annotation_report.h"

#include <optional>
#include <string>

#include "annotations/host_frame.h"
#include "annotations/page_data.h"
#include "config/document_folders.h"
#include "platform/host/held_path.h"
#include "platform/host/roles.h"
#include "service/wait_cursor.h"
#include "ui/progress.h"

namespace lumar {

namespace {

// "%d " with the page pair of the page; nothing without numbers.
std::string Prefix(bool withNumbers, int pageIndex) {
    return withNumbers ? std::to_string((pageIndex + 2) / 2) + " " : std::string();
}

// Writes every page's lines into the sink, with the monitor's progress when
// `showProgress`. Failures to write the sink propagate.
void WritePages(pdf::Document* document, bool withNumbers, PageDataSink sink, bool showProgress) {
    const int pages = host::pageCount(document);
    for (int index = 0; index < pages; ++index) {
        if (showProgress) {
            SetProgress(index, nullptr);
        }
        const AcquiredPage page(AcquirePageOrReport(document, index));
        if (page.get() == nullptr) {
            continue;
        }
        std::string lines;
        try {
            ReadPageData(page.get(), Prefix(withNumbers, index), PageDataSink(lines));
        } catch (const host::HostError& error) {
            ShowHostError(kPageError, error);
        }
        sink.write(lines);
    }
}

}  // namespace

std::string AnnotationReportText(pdf::Document* document, bool withNumbers) {
    std::string text;
    const WaitCursor wait;
    WritePages(document, withNumbers, PageDataSink(text), false);
    return text;
}

bool WriteAnnotationReport(pdf::Document* document, bool withNumbers,
                           const std::string& targetPath) {
    host::FileSystem* fileSystem = host::defaultFileSystem();
    const host::HeldPath path(fileSystem, host::pathFromFullPath(fileSystem, targetPath));
    host::HostFile* opened = nullptr;
    if (path.get() == nullptr ||
        host::openFile(fileSystem, path.get(), host::kFileModeWriteCreate, opened) != 0) {
        host::alertNote("Failed to create report output file.");
        return false;
    }
    HeldFile file(opened);

    const WaitCursor wait;
    const int pages = host::pageCount(document);
    BeginProgress(nullptr, true, true, 0, pages - 1, "Writing report...");
    bool written = true;
    try {
        WritePages(document, withNumbers, PageDataSink(file.get()), true);
    } catch (const host::HostError& error) {
        // The file itself could not be written.
        host::alertNote(host::hostErrorText(error));
        written = false;
    }
    EndProgress("Done");
    if (!file.close() && written) {
        host::alertNote("Failed to create report output file.");
        written = false;
    }
    if (written) {
        host::alertNote("Annotation report generated.");
    }
    return written;
}

bool CreateAnnotationReport(pdf::Document* document, bool withNumbers) {
    const std::optional<std::string> baseName = DocumentBaseName(DocumentPathText(document));
    if (!baseName) {
        host::alertNote("Could not determine annotation report filename");
        return false;
    }
    const std::string folder = ResolveFolder(FolderKind::Annotations, std::nullopt);
    if (folder.empty()) {
        return false;
    }
    host::FileSystem* fileSystem = host::defaultFileSystem();
    const host::HeldPath target(
        fileSystem, host::pathFromFolderAndName(fileSystem, folder, *baseName + ".rep"));
    if (target.get() == nullptr) {
        host::alertNote("Failed to create annotation report file.");
        return false;
    }
    return WriteAnnotationReport(document, withNumbers,
                                 host::platformPathText(fileSystem, target.get()));
}

void AnnotationReportCommand(void* /*clientData*/) {
    if (pdf::Document* document = ActivePdfDocument()) {
        CreateAnnotationReport(document, true);
    }
}

void AnnotationReportNoNumbersCommand(void* /*clientData*/) {
    if (pdf::Document* document = ActivePdfDocument()) {
        CreateAnnotationReport(document, false);
    }
}

}  // namespace lumar
