#include "platform/settings/registry_key.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/settings/settings_file.h"
#include "platform/settings/settings_warnings.h"
#include "platform/settings/temp_settings.h"

namespace lumar::settings {
namespace {

class RegistryKeyTest : public ::testing::Test {
protected:
    lumar::testing::TempSettings temp;
    RegistryKey root = RegistryKey::currentUser();
};

TEST_F(RegistryKeyTest, MissingKeysAndValuesAreNotFound) {
    RegistryKey key;
    EXPECT_EQ(root.openKey("Software", kKeyRead, key), kErrorFileNotFound);
    EXPECT_FALSE(key.isOpen());
    EXPECT_EQ(root.queryValue("v", nullptr, nullptr, nullptr), kErrorFileNotFound);
    EXPECT_EQ(root.createKey("Software\\A", kKeyRead | kKeySetValue, key), kSuccess);
    EXPECT_EQ(key.queryValue("v", nullptr, nullptr, nullptr), kErrorFileNotFound);
}

TEST_F(RegistryKeyTest, CreateKeyCreatesTheKeysAboveIt) {
    RegistryKey key;
    ASSERT_EQ(root.createKey("Software\\Orvane\\Lumar\\Proxy", kKeySetValue, key), kSuccess);
    EXPECT_EQ(key.path(), "Software\\Orvane\\Lumar\\Proxy");
    RegistryKey parent;
    EXPECT_EQ(root.openKey("software\\orvane", kKeyRead, parent), kSuccess);
    RegistryKey child;
    EXPECT_EQ(parent.openKey("Lumar\\PROXY", kKeyRead, child), kSuccess);
    EXPECT_EQ(child.path(), "software\\orvane\\Lumar\\PROXY");  // as the caller spelled it
}

TEST_F(RegistryKeyTest, QueryAnswersSizeAndMoreData) {
    RegistryKey key;
    ASSERT_EQ(root.createKey("A", kKeyQueryValue | kKeySetValue, key), kSuccess);
    ASSERT_EQ(key.setValue("Web_service", kRegSz, std::string("http://h/\0", 10)), kSuccess);

    ValueType type = kRegNone;
    std::uint32_t size = 0;
    EXPECT_EQ(key.queryValue("web_SERVICE", &type, nullptr, &size), kSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, 10u);

    char small[4] = {};
    size = sizeof small;
    type = kRegNone;
    EXPECT_EQ(key.queryValue("Web_service", &type, small, &size), kErrorMoreData);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, 10u);

    char buffer[16] = {};
    size = sizeof buffer;
    EXPECT_EQ(key.queryValue("Web_service", &type, buffer, &size), kSuccess);
    EXPECT_EQ(std::string(buffer, size), std::string("http://h/\0", 10));
}

TEST_F(RegistryKeyTest, AccessRightsOfTheHandleAreEnforced) {
    RegistryKey key;
    ASSERT_EQ(root.createKey("A", kKeyQueryValue, key), kSuccess);
    EXPECT_EQ(key.setValue("v", kRegSz, std::string("x\0", 2)), kErrorAccessDenied);
    RegistryKey writer;
    ASSERT_EQ(root.openKey("A", kKeySetValue, writer), kSuccess);
    ASSERT_EQ(writer.setValue("v", kRegSz, std::string("x\0", 2)), kSuccess);
    EXPECT_EQ(writer.queryValue("v", nullptr, nullptr, nullptr), kErrorAccessDenied);
    RegistryKey closed;
    EXPECT_EQ(closed.queryValue("v", nullptr, nullptr, nullptr), kErrorInvalidHandle);
}

TEST_F(RegistryKeyTest, EmptyKeyNameComponentsAreRefused) {
    RegistryKey key;
    EXPECT_EQ(root.createKey("A\\\\B", kKeySetValue, key), kErrorBadPathname);
    EXPECT_EQ(root.createKey("\\A", kKeySetValue, key), kErrorBadPathname);
    EXPECT_EQ(root.createKey("A\\B\\", kKeySetValue, key), kSuccess);
    EXPECT_EQ(key.path(), "A\\B");
}

TEST_F(RegistryKeyTest, NewFileIsPrivateAndRewritesKeepItsMode) {
    RegistryKey key;
    ASSERT_EQ(root.createKey("A", kKeySetValue, key), kSuccess);
    struct stat info {};
    ASSERT_EQ(::stat(temp.file().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    ::chmod(temp.file().c_str(), 0640);
    ASSERT_EQ(key.setValue("v", kRegSz, std::string("x\0", 2)), kSuccess);
    ASSERT_EQ(::stat(temp.file().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // Only the file and its lock file are left in the folder.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(temp.folder())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(RegistryKeyTest, ReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes read-only files";
    }
    RegistryKey key;
    ASSERT_EQ(root.createKey("A", kKeySetValue | kKeyQueryValue, key), kSuccess);
    ::chmod(temp.file().c_str(), 0400);
    EXPECT_EQ(key.setValue("v", kRegSz, std::string("x\0", 2)), kErrorAccessDenied);
    EXPECT_EQ(key.queryValue("v", nullptr, nullptr, nullptr), kErrorFileNotFound);
}

TEST_F(RegistryKeyTest, WritesThroughASymbolicLinkKeepTheLink) {
    const auto real = temp.folder() / "real.reg";
    std::filesystem::create_symlink(real, temp.file());
    RegistryKey key;
    ASSERT_EQ(root.createKey("A", kKeySetValue | kKeyQueryValue, key), kSuccess);
    ASSERT_EQ(key.setValue("v", kRegDword, std::string("\1\0\0\0", 4)), kSuccess);
    EXPECT_TRUE(std::filesystem::is_symlink(temp.file()));
    EXPECT_TRUE(std::filesystem::is_regular_file(real));
    EXPECT_EQ(key.queryValue("v", nullptr, nullptr, nullptr), kSuccess);
}

TEST_F(RegistryKeyTest, MissingFolderIsCreatedOnFirstWrite) {
    const RegistryKey nested = RegistryKey::currentUser(temp.folder() / "a" / "b" / "registry.reg");
    RegistryKey key;
    EXPECT_EQ(nested.openKey("A", kKeyRead, key), kErrorFileNotFound);
    EXPECT_EQ(nested.createKey("A", kKeySetValue, key), kSuccess);
    EXPECT_TRUE(std::filesystem::exists(temp.folder() / "a" / "b" / "registry.reg"));
}

TEST_F(RegistryKeyTest, FileThatIsAFolderFailsWithoutCrashing) {
    std::filesystem::create_directory(temp.file());
    RegistryKey key;
    EXPECT_EQ(root.openKey("A", kKeyRead, key), kErrorRegistryIoFailed);
    EXPECT_NE(root.createKey("A", kKeySetValue, key), kSuccess);
}

TEST_F(RegistryKeyTest, DamagedLineIsReportedOncePerProcessAndSurvivesWrites) {
    std::vector<std::string> warnings;
    setWarningHandler([&](const std::string& message) { warnings.push_back(message); });
    temp.write(
        "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\A]\n"
        "\"v\"=dword:xyz\n\"w\"=\"kept\"\n");
    RegistryKey key;
    ASSERT_EQ(root.openKey("A", kKeyRead | kKeySetValue, key), kSuccess);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(key.setValue("n" + std::to_string(i), kRegDword, std::string(4, '\0')), kSuccess);
        EXPECT_EQ(key.queryValue("w", nullptr, nullptr, nullptr), kSuccess);
    }
    setWarningHandler({});
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("line 4"), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[0].find("\"v\"=dword:xyz"), std::string::npos) << warnings[0];
    EXPECT_NE(temp.read().find("\n\"v\"=dword:xyz\n\"w\"=\"kept\"\n\"n0\"=dword:00000000\n"),
              std::string::npos)
        << temp.read();
}

// A file that is there but cannot be read as a settings file is named, with
// the reason, once however often it is read; nothing waits on a pipe.
TEST_F(RegistryKeyTest, UnreadableFileIsReportedOnceWithTheReason) {
    const auto big = temp.folder() / "big.reg";
    std::filesystem::create_directory(temp.folder() / "folder.reg");
    std::filesystem::create_symlink(temp.folder() / "loop2.reg", temp.folder() / "loop1.reg");
    std::filesystem::create_symlink(temp.folder() / "loop1.reg", temp.folder() / "loop2.reg");
    std::filesystem::create_symlink("/dev/null", temp.folder() / "null.reg");
    ASSERT_EQ(::mkfifo((temp.folder() / "pipe.reg").c_str(), 0600), 0);
    temp.write("");
    std::filesystem::copy_file(temp.file(), big);
    std::filesystem::resize_file(big, std::uintmax_t{17} * 1024 * 1024);
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"folder.reg", "it is a folder"},         {"loop1.reg", "its symbolic links form a loop"},
        {"null.reg", "it is not a regular file"}, {"pipe.reg", "it is not a regular file"},
        {"big.reg", "it is larger than 16 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = temp.folder() / c.name;
        const auto problem = SettingsFile(path).problem();
        ASSERT_TRUE(problem.has_value());
        EXPECT_NE(problem->find(c.reason), std::string::npos) << *problem;

        std::vector<std::string> warnings;
        setWarningHandler([&](const std::string& message) { warnings.push_back(message); });
        const RegistryKey other = RegistryKey::currentUser(path);
        RegistryKey key;
        for (int i = 0; i < 3; ++i) {
            EXPECT_NE(other.openKey("A", kKeyRead, key), kSuccess);
        }
        setWarningHandler({});
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_NE(warnings[0].find(c.name), std::string::npos) << warnings[0];
        EXPECT_NE(warnings[0].find(c.reason), std::string::npos) << warnings[0];
    }
    EXPECT_FALSE(SettingsFile(temp.file()).problem().has_value());
    EXPECT_FALSE(SettingsFile(temp.folder() / "missing.reg").problem().has_value());
}

TEST_F(RegistryKeyTest, WriteThatCannotBeStoredIsReported) {
    // The folder the file should live in is a file.
    temp.write("");
    const RegistryKey blocked = RegistryKey::currentUser(temp.file() / "registry.reg");
    std::vector<std::string> warnings;
    setWarningHandler([&](const std::string& message) { warnings.push_back(message); });
    RegistryKey key;
    EXPECT_NE(blocked.createKey("A", kKeySetValue, key), kSuccess);
    setWarningHandler({});
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("the change cannot be stored"), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[0].find(temp.file().string()), std::string::npos) << warnings[0];
}

// A damaged line is shown with its control bytes escaped and cut short, and
// once, also when the file is read through a link as well.
TEST_F(RegistryKeyTest, DamagedLineIsShownEscapedAndCut) {
    temp.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\A]\n\x1b[31m\x01" +
               std::string(1024 * 1024, 'z') + "\n");
    std::filesystem::create_symlink(temp.file(), temp.folder() / "link.reg");
    std::vector<std::string> warnings;
    setWarningHandler([&](const std::string& message) { warnings.push_back(message); });
    RegistryKey key;
    EXPECT_EQ(root.openKey("A", kKeyRead, key), kSuccess);
    EXPECT_EQ(RegistryKey::currentUser(temp.folder() / "link.reg").openKey("A", kKeyRead, key),
              kSuccess);
    setWarningHandler({});
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("\\x1B[31m\\x01zzz"), std::string::npos) << warnings[0];
    EXPECT_EQ(warnings[0].find('\x1b'), std::string::npos);
    EXPECT_LT(warnings[0].size(), 500u);
}

// Where the file lives: $LUMAR_REGISTRY, else $XDG_CONFIG_HOME/lumar, else
// ~/.config/lumar.
struct PathCase {
    const char* registry;
    const char* xdg;
    const char* home;
    const char* expected;
};

class DefaultPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(DefaultPath, FollowsTheEnvironment) {
    const PathCase& c = GetParam();
    const lumar::testing::TempSettings restoreRegistry;
    auto set = [](const char* name, const char* value) {
        if (value == nullptr) {
            ::unsetenv(name);
        } else {
            ::setenv(name, value, 1);
        }
    };
    const std::string oldXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    set("LUMAR_REGISTRY", c.registry);
    set("XDG_CONFIG_HOME", c.xdg);
    set("HOME", c.home);
    const auto path = SettingsFile::defaultPath();
    set("XDG_CONFIG_HOME", oldXdg.empty() ? nullptr : oldXdg.c_str());
    set("HOME", oldHome.empty() ? nullptr : oldHome.c_str());
    EXPECT_EQ(path, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DefaultPath,
    ::testing::Values(PathCase{"/etc/lumar.reg", "/x", "/home/u", "/etc/lumar.reg"},
                      PathCase{"", "/x", "/home/u", "/x/lumar/registry.reg"},
                      PathCase{nullptr, "relative", "/home/u",
                               "/home/u/.config/lumar/registry.reg"},
                      PathCase{nullptr, nullptr, "/home/u", "/home/u/.config/lumar/registry.reg"}));

}  // namespace
}  // namespace lumar::settings
