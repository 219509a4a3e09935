#pragma once

// What the commands on a document share around host calls: the headings of
// their host failure messages, showing such a failure, the active document,
// its file's path, and holders that give back acquired pages and open files
// when they go (host paths have host::HeldPath).

#include <optional>
#include <string>
#include <string_view>

#include "platform/host/host_error.h"

namespace lumar::host {
class HostFile;
}  // namespace lumar::host

namespace lumar {

namespace pdf {
class Document;
class Page;
}  // namespace pdf

// "Error acquiring annotation’s contents:", with the typographic apostrophe
// of Windows-1252.
inline constexpr std::string_view kContentsError = "Error acquiring annotation\x92s contents:";
inline constexpr std::string_view kPageError = "Error acquiring page:";

// Shows the heading, a blank and the host's error text in an alert note.
void ShowHostError(std::string_view heading, const host::HostError& error);

// Releases an acquired page when it goes.
class AcquiredPage {
public:
    explicit AcquiredPage(pdf::Page* page) : page_(page) {}
    ~AcquiredPage();
    AcquiredPage(const AcquiredPage&) = delete;
    AcquiredPage& operator=(const AcquiredPage&) = delete;

    [[nodiscard]] pdf::Page* get() const { return page_; }

private:
    pdf::Page* page_;
};

// Acquires page `index` of the document. A host failure is shown with
// "Error acquiring page:" and gives no page.
pdf::Page* AcquirePageOrReport(pdf::Document* document, int index);

// The PDF document of the host's active document. Without an active document
// shows "Open a PDF first", without its PDF document "Could not get pdDoc of
// opened PDF", and returns none.
pdf::Document* ActivePdfDocument();

// The platform path text of the document's file.
std::string DocumentPathText(pdf::Document* document);

// The base name of a document's path (after its last separator, cut at the
// last "."); none when the path has no separator.
std::optional<std::string> DocumentBaseName(std::string_view path);

// Closes an open host file when it goes.
class HeldFile {
public:
    explicit HeldFile(host::HostFile* file) : file_(file) {}
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    [[nodiscard]] host::HostFile* get() const { return file_; }
    // Closes now; false when closing failed (the data may not be written).
    bool close();

private:
    host::HostFile* file_;
};

}  // namespace lumar
