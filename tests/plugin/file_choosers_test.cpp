// The document folders' choosers go to the host once the plug-in is
// initialised: the responder answers them here.

#include "config/file_choosers.h"

#include <gtest/gtest.h>

#include "fixtures/temp_dir.h"
#include "plugin/plugin_harness.h"

namespace lumar {
namespace {

using Kind = host::ScriptedResponder::Kind;

TEST(HostFileChoosers, InstalledFromInitialisationToUnload) {
    EXPECT_EQ(InstalledFileChoosers(), nullptr);
    {
        testing::PluginHarness harness;
        EXPECT_NE(InstalledFileChoosers(), nullptr);
        EXPECT_TRUE(harness.unload());
    }
    EXPECT_EQ(InstalledFileChoosers(), nullptr);
}

TEST(HostFileChoosers, RequestsReachTheHostAsPrepared) {
    fixtures::TempDir dir;
    testing::PluginHarness harness;
    const std::string folder = dir.path().string();
    int owner = 0;

    harness.responder.chooseNext(folder + "/Book.ann");
    harness.responder.chooseNext(std::nullopt);
    harness.responder.chooseNext(folder);
    EXPECT_EQ(ChooseOpenFile(folder + "/missing/Book.pdf", "Book.ann",
                             "Lumar Annotations Files (*.ann)|*.ann|All Files (*.*)|*.*||", &owner),
              folder + "/Book.ann");
    EXPECT_EQ(ChooseSaveFile(folder, "Book.rep", "", nullptr), std::nullopt);
    EXPECT_EQ(ChooseFolder(folder, "Annotations", "Choose the annotations folder", &owner), folder);

    const auto& messages = harness.responder.messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].kind, Kind::OpenChooser);
    EXPECT_EQ(messages[0].file.initialPath,
              FileChooserStartPath(folder + "/missing/Book.pdf", "Book.ann"));
    EXPECT_EQ(messages[0].file.defaultExtension, "ann");
    EXPECT_EQ(messages[0].file.filter,
              "Lumar Annotations Files (*.ann)|*.ann|All Files (*.*)|*.*||");
    EXPECT_EQ(messages[0].file.owner, &owner);
    EXPECT_EQ(messages[1].kind, Kind::SaveChooser);
    EXPECT_EQ(messages[1].file.filter, "");
    EXPECT_EQ(messages[2].kind, Kind::FolderChooser);
    EXPECT_EQ(messages[2].folder.title, "Annotations");
    EXPECT_EQ(messages[2].folder.prompt, "Choose the annotations folder");
    EXPECT_EQ(messages[2].folder.owner, &owner);
}

}  // namespace
}  // namespace lumar
