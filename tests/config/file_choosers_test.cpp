#include "config/file_choosers.h"

#include <gtest/gtest.h>

#include "config_test_support.h"
#include "platform/settings/temp_settings.h"

namespace lumar {
namespace {

TEST(FileFilter, PairsOfLabelAndPattern) {
    EXPECT_EQ(ParseFileFilter("Lumar Annotations Files (*.ann)|*.ann|Lumar Footer Files "
                              "(*.ann.txt)|*.ann.txt|All Files (*.*)|*.*||"),
              (std::vector<FileFilter>{{"Lumar Annotations Files (*.ann)", "*.ann"},
                                       {"Lumar Footer Files (*.ann.txt)", "*.ann.txt"},
                                       {"All Files (*.*)", "*.*"}}));
    EXPECT_EQ(ParseFileFilter(""), std::vector<FileFilter>{});
    EXPECT_EQ(ParseFileFilter("PDF|*.pdf"), (std::vector<FileFilter>{{"PDF", "*.pdf"}}));
    EXPECT_EQ(ParseFileFilter("PDF|*.pdf|Dangling"), (std::vector<FileFilter>{{"PDF", "*.pdf"}}));
}

TEST(FileFilter, DefaultExtensionComesFromTheDefaultName) {
    EXPECT_EQ(DefaultExtension("Book.ann"), "ann");
    EXPECT_EQ(DefaultExtension("Book.ann.txt"), "txt");
    EXPECT_EQ(DefaultExtension("*1H?*.pdf"), "pdf");
    EXPECT_EQ(DefaultExtension("*.*"), "");
    EXPECT_EQ(DefaultExtension(""), "");
}

class ChooserStart : public ::testing::Test {
protected:
    ChooserStart() {
        std::filesystem::create_directories(temp.folder() / "ann");
        testing::makeFile(temp.folder() / "ann" / "Old.ann");
    }
    std::string t() const { return temp.folder().string(); }

    testing::TempSettings temp;
};

TEST_F(ChooserStart, StartsInTheNearestFolderWithTheDefaultName) {
    // The import: the annotations folder and the document's .ann name.
    EXPECT_EQ(FileChooserStartPath(t() + "/ann", "Book.ann"), t() + "/ann/Book.ann");
    EXPECT_EQ(FileChooserStartPath(t() + "/ann/", ""), t() + "/ann/");
    EXPECT_EQ(FileChooserStartPath(t() + "/gone/deeper/x.pdf", "a.pdf"), t() + "/a.pdf");
    EXPECT_EQ(FileChooserStartPath(t() + "/ann/..", "a.pdf"), t() + "/a.pdf");
}

TEST_F(ChooserStart, UsesTheWholeInitialPathWhenItNamesAFileInThatFolder) {
    EXPECT_EQ(FileChooserStartPath(t() + "/ann/Old.ann", "Book.ann"), t() + "/ann/Old.ann");
    EXPECT_EQ(FileChooserStartPath(t() + "/ann/New.ann", "Book.ann"), t() + "/ann/New.ann");
    EXPECT_EQ(FileChooserStartPath(t() + "/ann/*.ann", "Book.ann"), t() + "/ann/Book.ann");
}

TEST_F(ChooserStart, RelativeInitialPathStartsInItsAbsoluteFolder) {
    const testing::CurrentFolder inside(temp.folder());
    EXPECT_EQ(FileChooserStartPath("ann/Book.ann", "Book.ann"), t() + "/ann/Book.ann");
}

// The host's dialogs, answered by the test.
class ScriptedChoosers : public FileChoosers {
public:
    std::optional<std::string> answer;
    std::vector<FileDialogRequest> opened;
    std::vector<FileDialogRequest> saved;
    std::vector<FolderDialogRequest> browsed;

protected:
    std::optional<std::string> showFolderDialog(const FolderDialogRequest& request) override {
        browsed.push_back(request);
        return answer;
    }
    std::optional<std::string> showOpenDialog(const FileDialogRequest& request) override {
        opened.push_back(request);
        return answer;
    }
    std::optional<std::string> showSaveDialog(const FileDialogRequest& request) override {
        saved.push_back(request);
        return answer;
    }
};

TEST_F(ChooserStart, ChoosersHandTheHostTheirStartAndFilters) {
    ScriptedChoosers choosers;
    SetFileChoosers(&choosers);
    int owner = 0;
    choosers.answer = t() + "/ann/Picked.ann";
    EXPECT_EQ(ChooseOpenFile(t() + "/ann", "Book.ann", "Ann (*.ann)|*.ann||", &owner),
              t() + "/ann/Picked.ann");
    choosers.answer.reset();
    EXPECT_EQ(ChooseSaveFile(t() + "/out/", "Book.pdf", "PDF|*.pdf||", nullptr), std::nullopt);
    EXPECT_EQ(ChooseFolder(t() + "/ann/missing", "Browse for Lumar folder", "Prompt", &owner),
              std::nullopt);
    SetFileChoosers(nullptr);
    EXPECT_EQ(ChooseOpenFile(t(), "x", "", nullptr), std::nullopt);

    EXPECT_EQ(choosers.opened,
              (std::vector<FileDialogRequest>{
                  {t() + "/ann/Book.ann", "ann", {{"Ann (*.ann)", "*.ann"}}, &owner}}));
    EXPECT_EQ(
        choosers.saved,
        (std::vector<FileDialogRequest>{{t() + "/Book.pdf", "pdf", {{"PDF", "*.pdf"}}, nullptr}}));
    EXPECT_EQ(choosers.browsed, (std::vector<FolderDialogRequest>{
                                    {t() + "/ann", "Browse for Lumar folder", "Prompt", &owner}}));
}

}  // namespace
}  // namespace lumar
