#include "platform/pdf/document.h"

#include <gtest/gtest.h>
#include <poppler-document.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {
namespace {

using fixtures::PdfBuilder;
using fixtures::TempDir;

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

template <typename Call>
ErrorCode errorOf(Call call) {
    try {
        call();
    } catch (const PdfError& e) {
        EXPECT_FALSE(std::string(e.what()).empty());
        return e.code();
    }
    ADD_FAILURE() << "no PdfError thrown";
    return ErrorCode::General;
}

TEST(Document, OpensAFileWithItsVersionPagesAndPath) {
    TempDir dir;
    PdfBuilder().pages(3).version("1.4").write(dir / "a.pdf");
    Document doc = Document::open(dir / "a.pdf");
    EXPECT_EQ(doc.pageCount(), 3);
    EXPECT_EQ(doc.version(), (PdfVersion{1, 4}));
    EXPECT_EQ(doc.path(), dir / "a.pdf");
    EXPECT_EQ(doc.flags(), 0);
    EXPECT_FALSE(doc.wasRepaired());
    EXPECT_EQ(doc.page(2).mediaBox(), (Rect{0, 842, 595, 0}));
    EXPECT_EQ(errorOf([&] { (void)doc.page(3); }), ErrorCode::BadPageRange);
    EXPECT_EQ(errorOf([&] { (void)doc.page(-1); }), ErrorCode::BadPageRange);
}

TEST(Document, NewDocumentIsEmptyVersion13WithoutFile) {
    Document doc = Document::createEmpty();
    EXPECT_EQ(doc.pageCount(), 0);
    EXPECT_EQ(doc.version(), (PdfVersion{1, 3}));
    EXPECT_TRUE(doc.path().empty());
    EXPECT_EQ(doc.flags(), 0);
}

TEST(Document, RefusesWhatItCannotOpen) {
    TempDir dir;
    writeFile(dir / "text.pdf", "This is not a PDF at all, just some words.\n");
    EXPECT_EQ(errorOf([&] { (void)Document::open(dir / "missing.pdf"); }), ErrorCode::FileNotFound);
    EXPECT_EQ(errorOf([&] { (void)Document::open(dir.path()); }), ErrorCode::FileOpen);
    EXPECT_EQ(errorOf([&] { (void)Document::open(dir / "text.pdf"); }), ErrorCode::Damaged);
    EXPECT_EQ(errorOf([&] { (void)Document::openMemory("", "empty"); }), ErrorCode::Damaged);
}

// Opening a pipe would wait for a writer, a device never ends: both are
// refused before anything is read (a hang here fails the test by time-out).
TEST(Document, RefusesWhatIsNotARegularFile) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe.pdf").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir / "zero.pdf");
    for (const char* name : {"pipe.pdf", "zero.pdf"}) {
        SCOPED_TRACE(name);
        try {
            (void)Document::open(dir / name);
            FAIL() << "opened";
        } catch (const PdfError& error) {
            EXPECT_EQ(error.code(), ErrorCode::FileOpen);
            EXPECT_NE(std::string(error.what()).find("not a regular file"), std::string::npos)
                << error.what();
        }
    }
}

// Damage that qpdf can repair opens with repair (and only with it); a file
// cut before its trailer cannot be rebuilt and is refused with a clear error,
// never opened with pages silently missing.
TEST(Document, DamagedFileIsRepairedOrRefused) {
    PdfBuilder builder;
    builder.pages(6).dataAnnotations(fixtures::numberedTexts(6));
    const std::string whole = builder.bytes();

    std::string badXref = whole;
    badXref.replace(badXref.rfind("xref"), 4, "xxxx");
    const std::string noEnd = whole.substr(0, whole.rfind("startxref"));
    for (const std::string* repairable : std::vector<const std::string*>{&badXref, &noEnd}) {
        EXPECT_EQ(errorOf([&] { (void)Document::openMemory(*repairable, "bad.pdf", false); }),
                  ErrorCode::Damaged);
        Document doc = Document::openMemory(*repairable, "bad.pdf", true);
        EXPECT_TRUE(doc.wasRepaired());
        ASSERT_EQ(doc.pageCount(), 6);
        EXPECT_EQ(doc.page(5).annotation(0).contents(), "Page 6");
    }

    for (double fraction : {0.9, 0.5, 0.1}) {
        SCOPED_TRACE(fraction);
        const std::string cut = whole.substr(0, static_cast<size_t>(whole.size() * fraction));
        try {
            (void)Document::openMemory(cut, "cut.pdf", true);
            ADD_FAILURE() << "a file cut before its trailer opened";
        } catch (const PdfError& e) {
            EXPECT_EQ(e.code(), ErrorCode::Damaged);
            EXPECT_NE(std::string(e.what()).find("cut.pdf"), std::string::npos);
        }
    }
}

TEST(Document, EncryptionDecidesOpeningAndTextPermission) {
    TempDir dir;
    PdfBuilder().pages(1).encrypt({"", "owner", true}).write(dir / "open.pdf");
    PdfBuilder().pages(1).encrypt({"", "owner", false}).write(dir / "noextract.pdf");
    PdfBuilder().pages(1).encrypt({"secret", "owner", true}).write(dir / "locked.pdf");
    PdfBuilder().pages(1).write(dir / "plain.pdf");

    EXPECT_EQ(Document::open(dir / "plain.pdf")
                  .permissionRequest(kPermissionObjectDocument, kPermissionTextExtraction),
              Permission::Granted);
    EXPECT_EQ(Document::open(dir / "open.pdf")
                  .permissionRequest(kPermissionObjectDocument, kPermissionTextExtraction),
              Permission::Granted);
    Document noExtract = Document::open(dir / "noextract.pdf");
    EXPECT_EQ(noExtract.permissionRequest(kPermissionObjectDocument, kPermissionTextExtraction),
              Permission::Denied);
    EXPECT_EQ(noExtract.permissionRequest(kPermissionObjectDocument, 99), Permission::Unknown);
    EXPECT_EQ(errorOf([&] { (void)Document::open(dir / "locked.pdf"); }), ErrorCode::Password);
}

TEST(Document, SaveWritesVersion13ThatPopplerReads) {
    TempDir dir;
    PdfBuilder builder;
    builder.pages(4).version("1.6").dataAnnotations(fixtures::numberedTexts(4));
    builder.text(0, 72, 700, "Hello");
    builder.write(dir / "in.pdf");

    Document doc = Document::open(dir / "in.pdf");
    doc.deletePages(3, 3);
    EXPECT_EQ(doc.flags() & kDocumentNeedsSave, kDocumentNeedsSave);
    doc.save(dir / "out.pdf", {PdfVersion{1, 3}});
    EXPECT_EQ(doc.flags() & kDocumentNeedsSave, 0);
    EXPECT_EQ(doc.path(), dir / "out.pdf");

    EXPECT_EQ(readFile(dir / "out.pdf").substr(0, 8), "%PDF-1.3");
    std::unique_ptr<poppler::document> reread(
        poppler::document::load_from_file((dir / "out.pdf").string()));
    ASSERT_TRUE(reread);
    int major = 0;
    int minor = 0;
    reread->get_pdf_version(&major, &minor);
    EXPECT_EQ(major * 10 + minor, 13);
    EXPECT_EQ(reread->pages(), 3);
    Document again = Document::open(dir / "out.pdf");
    EXPECT_FALSE(again.wasRepaired());
    EXPECT_EQ(again.version(), (PdfVersion{1, 3}));
    EXPECT_EQ(again.page(2).annotation(0).contents(), "Page 3");
}

TEST(Document, SaveOverItsOwnFileKeepsEverything) {
    TempDir dir;
    PdfBuilder builder;
    builder.pages(5).dataAnnotations(fixtures::numberedTexts(5));
    builder.text(2, 72, 700, "kept");
    builder.write(dir / "same.pdf");

    Document doc = Document::open(dir / "same.pdf");
    doc.page(0).annotation(0).setContents("changed");
    doc.save(dir / "same.pdf", {PdfVersion{1, 3}});
    // Still readable after the rename: the document keeps reading its
    // original data.
    doc.save(dir / "again.pdf");
    for (const char* name : {"same.pdf", "again.pdf"}) {
        SCOPED_TRACE(name);
        Document reread = Document::open(dir / name);
        EXPECT_FALSE(reread.wasRepaired());
        ASSERT_EQ(reread.pageCount(), 5);
        EXPECT_EQ(reread.page(0).annotation(0).contents(), "changed");
        EXPECT_EQ(reread.page(4).annotation(0).contents(), "Page 5");
        EXPECT_EQ(reread.wordFinder().words(2).at(0).text, "kept");
    }
    // Nothing but the two documents is left in the folder.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++files;
    }
    EXPECT_EQ(files, 2);
}

// A saved-over file keeps its permissions; a new one gets those of any new
// file under the umask.
TEST(Document, SaveKeepsThePermissionsOfTheFileItReplaces) {
    namespace fsys = std::filesystem;
    TempDir dir;
    PdfBuilder().pages(2).write(dir / "kept.pdf");
    const fsys::perms kept =
        fsys::perms::owner_read | fsys::perms::owner_write | fsys::perms::others_read;
    fsys::permissions(dir / "kept.pdf", kept);
    Document doc = Document::open(dir / "kept.pdf");
    doc.save(dir / "kept.pdf");
    const mode_t mask = ::umask(027);
    doc.save(dir / "new.pdf");
    ::umask(mask);
    EXPECT_EQ(fsys::status(dir / "kept.pdf").permissions(), kept);
    EXPECT_EQ(fsys::status(dir / "new.pdf").permissions(),
              fsys::perms::owner_read | fsys::perms::owner_write | fsys::perms::group_read);
    EXPECT_EQ(Document::open(dir / "new.pdf").pageCount(), 2);
}

TEST(Document, FailedSaveLeavesNoFileAndKeepsTheFlag) {
    TempDir dir;
    Document doc = Document::createEmpty();
    Document source = Document::openMemory(PdfBuilder().pages(1).bytes(), "one.pdf");
    doc.insertPages(-1, source, 0, 1);
    const ErrorCode code = errorOf([&] { (void)doc.save(dir / "no-folder" / "x.pdf"); });
    EXPECT_TRUE(code == ErrorCode::FileNotFound || code == ErrorCode::WriteFailed);
    EXPECT_EQ(doc.flags() & kDocumentNeedsSave, kDocumentNeedsSave);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(Document, ClosedDocumentRefusesEveryCall) {
    Document doc =
        Document::openMemory(PdfBuilder().pages(2).dataAnnotations({"a", "b"}).bytes(), "two.pdf");
    Page page = doc.page(0);
    Annotation annotation = page.annotation(0);
    doc.close();
    EXPECT_FALSE(doc.isOpen());
    EXPECT_EQ(errorOf([&] { (void)doc.pageCount(); }), ErrorCode::DocumentClosed);
    EXPECT_EQ(errorOf([&] { (void)page.annotationCount(); }), ErrorCode::DocumentClosed);
    EXPECT_EQ(errorOf([&] { (void)annotation.contents(); }), ErrorCode::DocumentClosed);
    EXPECT_EQ(errorOf([&] { (void)annotation.object().type(); }), ErrorCode::DocumentClosed);
    doc.close();
}

}  // namespace
}  // namespace lumar::pdf
