// The items that work on the active document: enabled only with a document
// open, and the report items only while it has no unsaved changes; the
// footer export only while the document allows text extraction.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "platform/host/document_view.h"
#include "platform/pdf/document.h"
#include "plugin/plugin_harness.h"

namespace lumar {
namespace {

std::string enabledItems(const host::Menu& menu) {
    std::string flags;
    for (std::size_t i = 0; i < menu.itemCount(); ++i) {
        flags += menu.item(i).isEnabled() ? '1' : '0';
    }
    return flags;
}

class MenuWithDocument : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness.loaded.initialised);
        harness.logOn(3);
    }

    host::DocumentView* show(const fixtures::PdfBuilder& builder) {
        builder.write(dir / "binder.pdf");
        auto document = std::make_unique<pdf::Document>(pdf::Document::open(dir / "binder.pdf"));
        return harness.headless.ui().showDocument(std::move(document));
    }

    std::string enabled() { return enabledItems(*harness.lumarMenu()); }

    fixtures::TempDir dir;
    testing::PluginHarness harness;
};

//                                   items: 1234567890abcd
constexpr const char* kAllEnabled = "10111111100111";
constexpr const char* kReportsDisabled = "10111100100111";

TEST_F(MenuWithDocument, SavedDocumentEnablesEveryDocumentItem) {
    show(fixtures::PdfBuilder().pages(2));
    EXPECT_EQ(enabled(), kAllEnabled);
    EXPECT_TRUE(harness.responder.messages().empty());
}

TEST_F(MenuWithDocument, UnsavedChangesDisableTheReportsUntilSaved) {
    host::DocumentView* view = show(fixtures::PdfBuilder().pages(2));
    view->document()->deletePages(1, 1);
    EXPECT_EQ(enabled(), kReportsDisabled);

    view->document()->save(dir / "binder.pdf");
    EXPECT_EQ(enabled(), kAllEnabled);
    EXPECT_TRUE(harness.responder.messages().empty());
}

TEST_F(MenuWithDocument, LevelTwoSeesNoDocumentItemEnabled) {
    harness.logOn(2);
    show(fixtures::PdfBuilder().pages(1));
    EXPECT_EQ(enabled(), "10000000100111");
}

TEST_F(MenuWithDocument, FooterExportNeedsTextExtractionAllowed) {
    fixtures::EncryptionOptions encryption;
    encryption.allowExtract = false;
    show(fixtures::PdfBuilder().pages(1).encrypt(encryption));
    EXPECT_EQ(enabled(), "10101111100111");
}

TEST_F(MenuWithDocument, ViewWithoutPdfDocumentCountsAsUnsaved) {
    harness.headless.ui().openView(std::make_unique<host::DocumentView>("lost.pdf"));
    EXPECT_EQ(enabled(), "10101100100111");
    EXPECT_TRUE(harness.responder.messages().empty());
}

TEST_F(MenuWithDocument, UnreadableFlagsAreShownAndCountAsUnsaved) {
    host::DocumentView* view = show(fixtures::PdfBuilder().pages(1));
    view->document()->close();
    EXPECT_EQ(enabledItems(*harness.lumarMenu()).substr(6, 2), "00");
    ASSERT_FALSE(harness.responder.notes().empty());
    for (const std::string& note : harness.responder.notes()) {
        EXPECT_FALSE(note.empty());
        EXPECT_EQ(note, harness.responder.notes().front());
    }
}

}  // namespace
}  // namespace lumar
