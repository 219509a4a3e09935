#pragma once

// A PDF document held by the engine: open (with repair), new, page count and
// version, page insertion and deletion across documents, full save, fonts,
// words and permissions.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/pdf/font.h"
#include "platform/pdf/geometry.h"
#include "platform/pdf/page.h"
#include "platform/pdf/word_finder.h"

namespace lumar::pdf {

namespace internal {
struct DocumentState;
}

// Document flags.
inline constexpr int kDocumentNeedsSave = 1;  // set by every change, cleared by a save

// Insert flags.
inline constexpr int kInsertPagesOnly = 0;  // the pages with their annotations
inline constexpr int kInsertAll = 4096;     // also what else a page brings (form fields)

// Permission requests.
inline constexpr int kPermissionObjectDocument = 1;
inline constexpr int kPermissionTextExtraction = 5;
enum class Permission : int {
    Granted = 0,
    Denied = -1,
    Unknown = -2,  // an object or operation the engine does not know
};

struct SaveOptions {
    // Write the file with this version header (and only features it
    // allows); keep the document's own version when absent.
    std::optional<PdfVersion> version;
};

// Owns one open document. Moving transfers it; destroying closes it. Pages,
// annotations and objects taken from a document refer to it; calls through
// them after close() throw PdfError(DocumentClosed).
class Document {
public:
    // Opens a file. With `repair` a damaged file is reconstructed when
    // possible (wasRepaired() then tells). Throws PdfError: FileNotFound,
    // FileOpen, Password (needs a password we lack) or Damaged.
    [[nodiscard]] static Document open(const std::filesystem::path& path, bool repair = true);

    // Opens a document held in memory; `description` names it in errors.
    [[nodiscard]] static Document openMemory(std::string bytes, const std::string& description,
                                             bool repair = true);

    // A new document without pages and without a file, version 1.3.
    [[nodiscard]] static Document createEmpty();

    Document(Document&& other) noexcept;
    Document& operator=(Document&& other) noexcept;
    ~Document();

    // Closes the document without saving. Pages copied from it into other
    // documents stay valid there: the engine keeps the data they need.
    void close();
    [[nodiscard]] bool isOpen() const;

    // kDocumentNeedsSave while changes are unsaved.
    [[nodiscard]] int flags() const;
    // Grows with every change (saving is none): a view compares it with the
    // count it last showed to know whether to show the document again.
    [[nodiscard]] std::uint64_t changeCount() const;

    // The file the document was opened from or last saved to; empty for a
    // new document never saved.
    [[nodiscard]] std::filesystem::path path() const;

    [[nodiscard]] PdfVersion version() const;
    [[nodiscard]] bool wasRepaired() const;

    [[nodiscard]] int pageCount() const;

    // Page `index` (from 0); PdfError(BadPageRange) when outside.
    [[nodiscard]] Page page(int index) const;

    // Deletes pages first .. last (inclusive, from 0).
    void deletePages(int first, int last);

    // Inserts `count` pages of `source` starting at `first` after page
    // `after` of this document (-1 = at the front). The pages keep their
    // annotations, note windows and resources; references between them are
    // remapped into this document. kInsertAll also carries the form fields
    // of the pages' widgets into this document's form. `source` may be this
    // document.
    void insertPages(int after, const Document& source, int first, int count,
                     int flags = kInsertPagesOnly);

    // Full save to `target` through a temporary file in the target's folder
    // and a rename, so `target` may be the document's own file and is never
    // left half-written. The document's path becomes `target`; the
    // unsaved-changes flag is cleared. Throws PdfError(WriteFailed).
    void save(const std::filesystem::path& target, const SaveOptions& options = {});

    // Whether the document's security allows an operation on an object.
    [[nodiscard]] Permission permissionRequest(int object, int operation) const;

    // Every font used by pages first .. last, each reported once, in the
    // order first met: page resources and, recursively, form XObjects and
    // Type3 glyph resources.
    [[nodiscard]] std::vector<Font> fonts(int firstPage, int lastPage) const;

    // A word finder over the document as it is now.
    [[nodiscard]] WordFinder wordFinder() const;

    // The document's catalog (for callers that walk objects themselves).
    [[nodiscard]] CosObject root() const;

    explicit Document(std::shared_ptr<internal::DocumentState> state);

private:
    std::shared_ptr<internal::DocumentState> state_;
};

}  // namespace lumar::pdf
