#include "pdftools/footer_export.h"

#include <cstdio>
#include <string>

#include "annotations/host_frame.h"
#include "config/document_folders.h"
#include "pdftools/footer_region.h"
#include "platform/host/held_path.h"
#include "platform/host/roles.h"
#include "platform/host/table_model.h"
#include "service/wait_cursor.h"
#include "ui/progress.h"

namespace lumar {

namespace {

constexpr std::uint16_t kBlankFollows = 0x8000;
constexpr std::uint16_t kEndsLine = 0x800;
constexpr std::uint16_t kNulBeforeBlank = 0x8;
constexpr std::size_t kWordBuffer = 128;
constexpr std::size_t kErrorBuffer = 256;

// What the word procedure gets as client data.
struct WordSink {
    host::HostFile* file;
    const FooterRegions* regions;
};

bool FooterWordProc(pdf::WordFinder* /*finder*/, const pdf::Word* word, int pageIndex,
                    void* clientData) {
    const WordSink& sink = *static_cast<const WordSink*>(clientData);
    const host::FixedRect& region =
        pageIndex % 2 == 0 ? sink.regions->oddPages : sink.regions->evenPages;
    if (!WordTouchesRegion(host::wordRectangle(word), region)) {
        return true;
    }
    host::writeToFile(sink.file, host::wordText(word, kWordBuffer));
    host::writeToFile(sink.file,
                      WordSeparator(host::wordAttributes(word, 0), host::wordAttributes(word, 1)));
    return true;
}

// The host's word finder and the word procedure's callback, given back when
// they go.
class WordEnumeration {
public:
    explicit WordEnumeration(pdf::Document* document) {
        host::WordFinderOptions options;
        options.field6 = 1;
        options.field12 = 1;
        options.field20 = 1;
        options.field28 = 1;
        finder_ = host::newWordFinder(document, &options);
        callback_ = host::makeHostCallback(&FooterWordProc);
    }
    ~WordEnumeration() {
        if (callback_ != nullptr) {
            host::destroyHostCallback(callback_);
        }
        if (finder_ != nullptr) {
            host::destroyWordFinder(finder_);
        }
    }
    WordEnumeration(const WordEnumeration&) = delete;
    WordEnumeration& operator=(const WordEnumeration&) = delete;

    void enumerate(int pageIndex, WordSink& sink) const {
        host::enumeratePageWords(finder_, pageIndex, callback_, &sink);
    }

private:
    pdf::WordFinder* finder_ = nullptr;
    host::HostCallback callback_ = nullptr;
};

}  // namespace

bool WordTouchesRegion(const host::FixedRect& word, const host::FixedRect& region) {
    return word.bottom <= region.top && word.top >= region.bottom && word.right >= region.left &&
           word.left <= region.right;
}

std::string_view WordSeparator(std::uint16_t group0, std::uint16_t group1) {
    using namespace std::string_view_literals;
    if ((group0 & (kBlankFollows | kEndsLine)) == 0) {
        return ""sv;
    }
    return (group1 & kNulBeforeBlank) != 0 ? "\0 "sv : " "sv;
}

bool ExtractFooterWords(pdf::Document* document, int first, int last, const FooterRegions& regions,
                        host::HostFile* file) {
    const WaitCursor wait;
    BeginProgress(nullptr, true, true, first, last, "Extracting text...");
    bool extracted = true;
    try {
        const WordEnumeration words(document);
        WordSink sink{file, &regions};
        for (int page = first; page <= last; ++page) {
            SetProgress(page, nullptr);
            const std::int64_t start = host::filePosition(file);
            words.enumerate(page, sink);
            if (host::filePosition(file) == start) {
                host::writeToFile(file, "~");
            }
            host::writeToFile(file, "\r\n");
        }
    } catch (const host::HostError& error) {
        host::alertNote("Extract text from footer: Error " + std::to_string(error.code() & 0xFFFF) +
                        ": " + host::hostErrorText(error, kErrorBuffer));
        extracted = false;
    }
    EndProgress("Done");
    return extracted;
}

bool ExportFooterTextTo(pdf::Document* document, const FooterRegions& regions,
                        const std::string& targetPath) {
    host::FileSystem* fileSystem = host::defaultFileSystem();
    const host::HeldPath path(fileSystem, host::pathFromFullPath(fileSystem, targetPath));
    host::HostFile* opened = nullptr;
    if (path.get() == nullptr ||
        host::openFile(fileSystem, path.get(), host::kFileModeWriteCreate, opened) != 0) {
        host::alertNote("Failed to open output file. Text extraction aborted.");
        return false;
    }
    HeldFile file(opened);
    bool exported =
        ExtractFooterWords(document, 0, host::pageCount(document) - 1, regions, file.get());
    if (!file.close() && exported) {
        host::alertNote("Failed to write the footer export file.");
        exported = false;
    }
    if (exported) {
        host::alertNote("Text extraction completed.");
    }
    return exported;
}

bool ExportFooterText(std::optional<std::string_view> sapCode) {
    pdf::Document* document = ActivePdfDocument();
    if (document == nullptr) {
        return false;
    }
    try {
        const std::optional<std::string> baseName = DocumentBaseName(DocumentPathText(document));
        if (!baseName) {
            host::alertNote("Could not determine footer filename");
            return false;
        }
        const std::string folder = ResolveFolder(FolderKind::Annotations, sapCode);
        if (folder.empty()) {
            return false;
        }
        host::FileSystem* fileSystem = host::defaultFileSystem();
        const host::HeldPath target(
            fileSystem, host::pathFromFolderAndName(fileSystem, folder, *baseName + ".ann.txt"));
        if (target.get() == nullptr) {
            host::alertNote("Failed to create footer export file.");
            return false;
        }
        const FooterRegionState& state = FooterRegion();
        return ExportFooterTextTo(document, {state.oddPageRegion, state.evenPageRegion},
                                  host::platformPathText(fileSystem, target.get()));
    } catch (const host::HostError& error) {
        host::alertNote(host::hostErrorText(error));
        return false;
    }
}

}  // namespace lumar
