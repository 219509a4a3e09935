#include "pdftools/pdf_check.h"

#include <optional>
#include <string>

#include "pdftools/associated_program.h"
#include "pdftools/pdf_check_state.h"
#include "platform/host/held_path.h"
#include "platform/host/roles.h"
#include "service/wait_cursor.h"
#include "shell/plugin_state.h"
#include "ui/progress.h"

namespace lumar {

namespace pdf_check {

WorkingState& Working() {
    static WorkingState state;
    return state;
}

}  // namespace pdf_check

namespace {

using pdf_check::Working;

constexpr const char* kReportSuffix = ".pdf_report.txt";

// The font procedure as a host callback, destroyed when it goes.
class FontCallback {
public:
    FontCallback() : callback_(host::makeHostCallback(&PdfCheckFontProc)) {}
    FontCallback(const FontCallback&) = delete;
    FontCallback& operator=(const FontCallback&) = delete;
    ~FontCallback() { host::destroyHostCallback(callback_); }
    [[nodiscard]] host::HostCallback get() const { return callback_; }

private:
    host::HostCallback callback_;
};

// An open host file, closed when it goes.
class OpenFile {
public:
    explicit OpenFile(host::HostFile* file) : file_(file) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (file_ != nullptr) {
            host::closeFile(file_);
        }
    }
    [[nodiscard]] host::HostFile* get() const { return file_; }
    // Closes now; false when the close failed (the data may not be written).
    bool close() {
        host::HostFile* file = file_;
        file_ = nullptr;
        return host::closeFile(file) == 0;
    }

private:
    host::HostFile* file_;
};

void Advance(bool quiet, const char* text) {
    if (!quiet) {
        AdvanceProgress(1, text);
    }
}

void Note(bool quiet, const std::string& message) {
    if (!quiet) {
        host::alertNote(message);
    }
}

// The report file's folder and name: "<base name>.pdf_report.txt" in the
// PDF's own folder, or in the folder the request names.
struct ReportLocation {
    std::string folder;
    std::string fileName;
};

std::optional<ReportLocation> LocateReport(const PdfCheckRequest& request,
                                           const std::string& pdfPath) {
    const std::size_t slash = pdfPath.rfind('/');
    const bool ownFolder = request.report == PdfCheckRequest::Report::BesideDocument;
    if (ownFolder && slash == std::string::npos) {
        return std::nullopt;
    }
    std::string baseName = slash == std::string::npos ? pdfPath : pdfPath.substr(slash + 1);
    if (const std::size_t dot = baseName.rfind('.'); dot != std::string::npos) {
        baseName.erase(dot);
    }
    if (!ownFolder) {
        return ReportLocation{request.reportFolder, baseName + kReportSuffix};
    }
    // The folder keeps its separator when it is the root.
    return ReportLocation{slash == 0 ? std::string("/") : pdfPath.substr(0, slash),
                          baseName + kReportSuffix};
}

// Appends the report to its file; false (with a message unless quiet) when
// it cannot be written. `reportPath` is then the report's platform path.
bool WriteReport(host::FileSystem* fileSystem, const PdfCheckRequest& request,
                 const std::string& pdfPath, const std::string& report, std::string& reportPath) {
    const bool quiet = request.quiet;
    const std::optional<ReportLocation> location = LocateReport(request, pdfPath);
    if (!location) {
        Note(quiet, "Could not determine pdf report filename");
        return false;
    }
    const host::HeldPath path(
        fileSystem, host::pathFromFolderAndName(fileSystem, location->folder, location->fileName));
    if (path.get() == nullptr) {
        Note(quiet, "Failed to create pdf report file path");
        return false;
    }
    reportPath = host::platformPathText(fileSystem, path.get());
    host::HostFile* opened = nullptr;
    if (host::openFile(fileSystem, path.get(), host::kFileModeWrite, opened) != 0 &&
        host::openFile(fileSystem, path.get(), host::kFileModeWriteCreate, opened) != 0) {
        Note(quiet, "Failed to open pdf report file");
        return false;
    }
    OpenFile file(opened);
    host::setFilePosition(file.get(), host::fileLength(file.get()));
    host::writeToFile(file.get(), report);
    return file.close();
}

// Builds the report of the document and appends it to the report file
// unless none is wanted; `reportWritten` tells whether it got there, and
// `reportPath` where. Host failures propagate.
void RunCheck(PdfCheckRequest& request, bool& reportWritten, std::string& reportPath) {
    pdf_check::WorkingState& working = Working();
    const bool quiet = request.quiet;

    host::FileSystem* fileSystem = host::defaultFileSystem();
    const host::HeldPath documentPath(fileSystem,
                                      host::pathOfOpenFile(host::fileOfDocument(request.document)));
    const std::string platformPath = host::platformPathText(fileSystem, documentPath.get());
    Advance(quiet, "Gathering PDF info...");

    int major = 0;
    int minor = 0;
    host::pdfVersion(request.document, major, minor);
    const std::string version = std::to_string(major) + "." + std::to_string(minor);
    working.report = "[PDF Info]\r\n" + platformPath + "\r\n\tversion:\t" + version;
    if (request.partOfOperation || quiet) {
        request.versionText = "1.3";
    } else {
        request.versionText = version;
        if (major != 1 || minor != 3) {
            ++working.errorCount;
            working.errors += "\r\n\t- PDF version must be 1.3";
            working.report += " (NOK)";
        }
    }
    working.report += "\r\n\r\n";

    Advance(quiet, "Gathering font info...");
    working.report += "[Font Info]\r\n";
    if (const int pages = host::pageCount(request.document); pages > 0) {
        FontCallback callback;
        // The client data is the quiet flag: any non-null pointer means quiet.
        host::enumerateFontsOfPages(request.document, 0, pages - 1, callback.get(),
                                    quiet ? &request : nullptr);
    }
    working.report += "\r\n[End of report]\r\n\r\n";
    Advance(quiet, "Finishing report...");

    std::string summary;
    if (working.errorCount != 0) {
        if (working.fontErrorCount != 0) {
            working.errors += "\r\n\t- " + std::to_string(working.fontErrorCount) +
                              (working.fontErrorCount == 1 ? " font" : " fonts") + " not OK";
        }
        summary = "[Report summary]\r\nErrors encountered:" + working.errors + "\r\n\r\n";
    } else {
        working.errors = "File is OK";
        summary = "[Report summary]\r\n" + working.errors + "\r\n\r\n";
    }
    working.report = summary + working.report;

    if (request.report != PdfCheckRequest::Report::None) {
        Advance(quiet, "Writing report...");
        reportWritten = WriteReport(fileSystem, request, platformPath, working.report, reportPath);
    }
}

// The verdict of a check that found errors: asks until the user stops.
void AskVerdict(PdfCheckRequest& request, const std::string& message, bool reportWritten,
                const std::string& reportPath) {
    const bool inOperation = request.partOfOperation;
    if (!reportWritten) {
        const int answer = inOperation ? host::alertWithButtons(host::AlertIcon::Question, message,
                                                                "Continue", "Cancel", nullptr, true)
                                       : host::alertWithButtons(host::AlertIcon::Question, message,
                                                                "OK", nullptr, nullptr, true);
        if (answer == 1) {
            request.proceed = true;
        }
        return;
    }
    for (;;) {
        const int answer = inOperation
                               ? host::alertWithButtons(host::AlertIcon::Question, message,
                                                        "View report", "Cancel", "Continue", true)
                               : host::alertWithButtons(host::AlertIcon::Question, message,
                                                        "View report", "OK", nullptr, true);
        if (answer == 1) {
            OpenWithAssociatedProgram(reportPath, ThePlugin().hostMainWindow);
            continue;
        }
        if (inOperation && answer == 3) {
            request.proceed = true;
        }
        return;
    }
}

}  // namespace

bool CheckPdf(PdfCheckRequest& request) {
    request.versionText.clear();
    request.fontErrorCount = 0;
    request.ok = false;
    request.proceed = request.quiet;
    const bool quiet = request.quiet;

    WaitCursor wait;
    if (!quiet) {
        BeginProgress(nullptr, true, true, 0, 100, "Preparing...");
    }
    Working().clear();

    bool finished = false;
    bool reportWritten = false;
    std::string reportPath;
    try {
        RunCheck(request, reportWritten, reportPath);
        if (!quiet) {
            EndProgress("Done");
        }
        pdf_check::WorkingState& working = Working();
        request.fontErrorCount = working.fontErrorCount;
        if (working.errorCount != 0) {
            const std::string message =
                "Errors encountered:" + std::string(reportWritten ? " (see report)" : "") +
                working.errors;
            if (!quiet) {
                AskVerdict(request, message, reportWritten, reportPath);
            }
        } else if (!request.partOfOperation && !quiet) {
            host::alertNote(working.errors);
        }
        finished = true;
    } catch (const host::HostError& error) {
        Note(quiet, host::hostErrorText(error));
        request.fontErrorCount = Working().fontErrorCount;
    }
    if (!quiet) {
        EndProgress("Done");
    }
    // An interrupted check has not looked at everything: it is not OK.
    const bool reportDone = reportWritten || request.report == PdfCheckRequest::Report::None;
    const bool ok = finished && Working().errorCount == 0 && reportDone;
    Working().clear();
    request.ok = ok;
    if (ok) {
        request.proceed = true;
    }
    return ok;
}

}  // namespace lumar
