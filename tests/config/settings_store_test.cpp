#include "config/settings_store.h"

#include <gtest/gtest.h>

#include "config/last_error.h"
#include "platform/settings/temp_settings.h"

namespace lumar {
namespace {

using settings::RegistryKey;

struct PathCase {
    const char* path;
    const char* key;
    const char* name;
};

class SettingPathResolution : public ::testing::TestWithParam<PathCase> {};

TEST_P(SettingPathResolution, SplitsKeyAndValueName) {
    const PathCase& c = GetParam();
    EXPECT_EQ(ResolveSettingPath(c.path), (SettingPath{c.key, c.name}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingPathResolution,
    ::testing::Values(PathCase{"", "", ""},
                      PathCase{"Web_service", "Software\\Orvane\\Lumar", "Web_service"},
                      PathCase{"Uri\\Web_service", "Software\\Orvane\\Lumar\\Uri", "Web_service"},
                      PathCase{"Dialogs\\ManagerDlg\\ptMinPosition\\x",
                               "Software\\Orvane\\Lumar\\Dialogs\\ManagerDlg\\ptMinPosition", "x"},
                      PathCase{"\\Software\\Other\\Value", "Software\\Other", "Value"},
                      PathCase{"\\Value", "", "Value"},
                      PathCase{"Uri\\", "Software\\Orvane\\Lumar\\Uri", ""}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::to_string(info.index); });

TEST(SettingPathJoin, EmptyKeyNamesAValueOfTheBaseKey) {
    EXPECT_EQ(JoinSettingPath("Uri", "Annotations"), "Uri\\Annotations");
    EXPECT_EQ(JoinSettingPath("", "Annotations"), "Annotations");
}

class SettingsStore : public ::testing::Test {
protected:
    testing::TempSettings temp;
};

TEST_F(SettingsStore, WritingANumberCreatesTheBaseKeyAndItsSubkey) {
    ASSERT_TRUE(WriteNumberSetting("Proxy", "Use_proxy", 1));
    RegistryKey key;
    EXPECT_EQ(CurrentUserKey().openKey("Software\\Orvane\\Lumar", settings::kKeyRead, key),
              settings::kSuccess);
    EXPECT_EQ(CurrentUserKey().openKey("Software\\Orvane\\Lumar\\Proxy", settings::kKeyRead, key),
              settings::kSuccess);
    std::uint32_t useProxy = 0;
    EXPECT_TRUE(ReadNumberSetting("Proxy", "Use_proxy", useProxy));
    EXPECT_EQ(useProxy, 1u);
    EXPECT_EQ(temp.read(),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software\\Orvane\\Lumar\\Proxy]\n"
              "\"Use_proxy\"=dword:00000001\n");
}

TEST_F(SettingsStore, TextsRoundTripAndReachTheFileAsUtf8) {
    const std::string folder =
        "/srv/Lumar/R\xE9"
        "daction \x80";
    ASSERT_TRUE(WriteTextSetting("Uri", "Annotations", folder));
    std::string read;
    EXPECT_TRUE(ReadTextSetting("Uri", "Annotations", read));
    EXPECT_EQ(read, folder);
    EXPECT_NE(temp.read().find("\"Annotations\"=\"/srv/Lumar/R\xC3\xA9"
                               "daction \xE2\x82\xAC\""),
              std::string::npos);
}

TEST_F(SettingsStore, MissingValueKeepsThePreloadedDefault) {
    std::string uri = "default";
    std::uint32_t port = 8080;
    SetLastError(0);
    EXPECT_FALSE(ReadTextSetting("Uri", "Web_service", uri));
    EXPECT_EQ(LastError(), settings::kErrorFileNotFound);
    EXPECT_FALSE(ReadNumberSetting("Proxy", "Proxy_port", port));
    EXPECT_EQ(LastError(), settings::kErrorFileNotFound);
    ASSERT_TRUE(WriteNumberSetting("Proxy", "Use_proxy", 0));
    EXPECT_FALSE(ReadNumberSetting("Proxy", "Proxy_port", port));
    EXPECT_EQ(LastError(), settings::kErrorFileNotFound);
    EXPECT_EQ(uri, "default");
    EXPECT_EQ(port, 8080u);
}

TEST_F(SettingsStore, TypeRulesOfTheReaders) {
    temp.write(
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_CURRENT_USER\\Software\\Orvane\\Lumar\\Uri]\n"
        // "%HOME%\docs" as expandable text
        "\"Annotations\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,5c,00,64,00,6f,00,63,00,\\\n"
        "  73,00,00,00\n"
        "\"Base_docs\"=hex(7):2f,00,61,00,00,00,2f,00,62,00,00,00,00,00\n"
        "\"Append_SAP\"=dword:00000001\n"
        "\"Supp_docs\"=\"text\"\n");
    std::string text;
    EXPECT_TRUE(ReadTextSetting("Uri", "Annotations", text));
    EXPECT_EQ(text, "%HOME%\\docs");
    EXPECT_TRUE(ReadTextSetting("Uri", "Base_docs", text));
    EXPECT_EQ(text, "/a");

    // A number read as text fails, with the output already overwritten.
    text = "default";
    EXPECT_FALSE(ReadTextSetting("Uri", "Append_SAP", text));
    EXPECT_EQ(LastError(), settings::kErrorDatatypeMismatch);
    EXPECT_EQ(text, "\x01");

    // A text read as a number fails and keeps the default.
    std::uint32_t number = 7;
    EXPECT_FALSE(ReadNumberSetting("Uri", "Supp_docs", number));
    EXPECT_EQ(LastError(), settings::kErrorDatatypeMismatch);
    EXPECT_FALSE(ReadNumberSetting("Uri", "Annotations", number));
    EXPECT_EQ(LastError(), settings::kErrorDatatypeMismatch);
    EXPECT_EQ(number, 7u);
}

TEST_F(SettingsStore, PathFromTheRootAddressesAKeyOutsideTheBaseKey) {
    ASSERT_TRUE(WriteTextSetting("\\Software\\Other", "Value", "outside"));
    std::string text;
    EXPECT_FALSE(ReadTextSetting("Software\\Other", "Value", text));
    EXPECT_TRUE(ReadTextSetting("\\Software\\Other", "Value", text));
    EXPECT_EQ(text, "outside");
    EXPECT_NE(temp.read().find("[HKEY_CURRENT_USER\\Software\\Other]"), std::string::npos);
}

TEST_F(SettingsStore, KeysAndNamesAreFoundWhateverTheirCase) {
    ASSERT_TRUE(WriteTextSetting("Uri", "Web_service", "http://a/"));
    ASSERT_TRUE(WriteTextSetting("URI", "WEB_SERVICE", "http://b/"));
    std::string text;
    EXPECT_TRUE(ReadTextSetting("uri", "web_service", text));
    EXPECT_EQ(text, "http://b/");
    EXPECT_NE(temp.read().find("\"Web_service\"=\"http://b/\""), std::string::npos);
}

WindowPlacement samplePlacement() {
    WindowPlacement p;
    p.flags = 2;
    p.showCmd = 1;
    p.ptMinPosition = {-1, -1};
    p.ptMaxPosition = {-8, -31};
    p.rcNormalPosition = {-1600, 120, -300, 900};
    return p;
}

TEST_F(SettingsStore, WindowPlacementRoundTripsAsTenNumbers) {
    const WindowPlacement written = samplePlacement();
    EXPECT_TRUE(WriteWindowPlacement("Dialogs", "ManagerDlg", written));
    WindowPlacement read;
    ASSERT_TRUE(ReadWindowPlacement("Dialogs", "ManagerDlg", read));
    WindowPlacement expected = written;
    expected.length = 44;
    EXPECT_EQ(read, expected);

    std::uint32_t bottom = 0;
    EXPECT_TRUE(ReadNumberSetting("Dialogs\\ManagerDlg\\rcNormalPosition", "bottom", bottom));
    EXPECT_EQ(bottom, 900u);
    EXPECT_NE(temp.read().find("[HKEY_CURRENT_USER\\Software\\Orvane\\Lumar\\Dialogs\\ManagerDlg\\"
                               "ptMaxPosition]\n\"x\"=dword:fffffff8\n\"y\"=dword:ffffffe1\n"),
              std::string::npos);
}

TEST_F(SettingsStore, PlacementWithoutFlagsIsNotRead) {
    ASSERT_TRUE(WriteWindowPlacement("Dialogs", "SearchDlg", samplePlacement()));
    temp.write(std::string(temp.read()).replace(temp.read().find("\"flags\""), 7, "\"Flags_\""));
    WindowPlacement read;
    read.showCmd = 99;
    EXPECT_FALSE(ReadWindowPlacement("Dialogs", "SearchDlg", read));
    EXPECT_EQ(read.showCmd, 99u);
    EXPECT_EQ(read.length, 0u);
}

TEST_F(SettingsStore, DialogsSharingARegistryNameShareOnePlacement) {
    WindowPlacement editor = samplePlacement();
    editor.rcNormalPosition = {10, 20, 610, 420};
    WriteWindowPlacement("Dialogs", "AnnotationsDlg", editor);  // merge data editor closes
    WindowPlacement annotations;
    ASSERT_TRUE(ReadWindowPlacement("Dialogs", "AnnotationsDlg", annotations));
    EXPECT_EQ(annotations.rcNormalPosition, editor.rcNormalPosition);
}

TEST_F(SettingsStore, ListColumnsAreTextsInTheDialogsKey) {
    ASSERT_TRUE(WriteTextSetting("Dialogs\\ManagerDlg", "ListColOrder", "0,3,1,2"));
    ASSERT_TRUE(WriteTextSetting("Dialogs\\ManagerDlg", "ListColWidths", "120,80,60,200"));
    std::string order;
    std::string widths;
    EXPECT_TRUE(ReadTextSetting("Dialogs\\ManagerDlg", "ListColOrder", order));
    EXPECT_TRUE(ReadTextSetting("Dialogs\\ManagerDlg", "ListColWidths", widths));
    EXPECT_EQ(order, "0,3,1,2");
    EXPECT_EQ(widths, "120,80,60,200");
    EXPECT_NE(
        temp.read().find("[HKEY_CURRENT_USER\\Software\\Orvane\\Lumar\\Dialogs\\ManagerDlg]\n"
                         "\"ListColOrder\"=\"0,3,1,2\"\n\"ListColWidths\"=\"120,80,60,200\"\n"),
        std::string::npos);
}

TEST_F(SettingsStore, WriteFailsWithAccessDeniedInAReadOnlyFolder) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    ASSERT_TRUE(WriteTextSetting("Uri", "Web_service", "http://a/"));
    std::filesystem::permissions(
        temp.folder(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(WriteTextSetting("Uri", "Web_service", "http://b/"));
    EXPECT_EQ(LastError(), settings::kErrorAccessDenied);
    EXPECT_FALSE(WriteTextSetting("New", "Value", "x"));
    EXPECT_EQ(LastError(), settings::kErrorAccessDenied);
    std::string text;
    EXPECT_TRUE(ReadTextSetting("Uri", "Web_service", text));
    EXPECT_EQ(text, "http://a/");
}

}  // namespace
}  // namespace lumar
