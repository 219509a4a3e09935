// Writers in different processes and threads, each with its own handles,
// never lose each other's values.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/settings/registry_key.h"
#include "platform/settings/temp_settings.h"

namespace lumar::settings {
namespace {

constexpr int kWriters = 4;
constexpr int kValuesEach = 20;

std::string valueName(int writer, int index) {
    return "w" + std::to_string(writer) + "_" + std::to_string(index);
}

// Writes this writer's values through fresh handles; false on any failure.
bool writeValues(const std::filesystem::path& file, int writer) {
    for (int i = 0; i < kValuesEach; ++i) {
        const RegistryKey root = RegistryKey::currentUser(file);
        RegistryKey key;
        const std::string keyPath = "Software\\Orvane\\Lumar\\Writer" + std::to_string(writer % 2);
        if (root.createKey(keyPath, kKeySetValue, key) != kSuccess) {
            return false;
        }
        const std::string data = valueName(writer, i) + std::string(1, '\0');
        if (key.setValue(valueName(writer, i), kRegSz, data) != kSuccess) {
            return false;
        }
    }
    return true;
}

void expectEveryValue(const std::filesystem::path& file) {
    const RegistryKey root = RegistryKey::currentUser(file);
    for (int w = 0; w < kWriters; ++w) {
        RegistryKey key;
        ASSERT_EQ(
            root.openKey("Software\\Orvane\\Lumar\\Writer" + std::to_string(w % 2), kKeyRead, key),
            kSuccess);
        for (int i = 0; i < kValuesEach; ++i) {
            EXPECT_EQ(key.queryValue(valueName(w, i), nullptr, nullptr, nullptr), kSuccess)
                << valueName(w, i);
        }
    }
}

TEST(SettingsConcurrency, ProcessesWritingAtOnceLoseNothing) {
    const lumar::testing::TempSettings temp;
    temp.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Keep]\n\"k\"=\"1\"\n");
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::_exit(writeValues(temp.file(), w) ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    expectEveryValue(temp.file());
    RegistryKey keep;
    ASSERT_EQ(RegistryKey::currentUser(temp.file()).openKey("Keep", kKeyRead, keep), kSuccess);
    EXPECT_EQ(keep.queryValue("k", nullptr, nullptr, nullptr), kSuccess);
}

TEST(SettingsConcurrency, ThreadsWithSeparateHandlesLoseNothing) {
    const lumar::testing::TempSettings temp;
    std::vector<std::thread> threads;
    std::vector<char> ok(kWriters, 0);
    for (int w = 0; w < kWriters; ++w) {
        threads.emplace_back([&, w] { ok[w] = writeValues(temp.file(), w) ? 1 : 0; });
    }
    for (auto& t : threads) {
        t.join();
    }
    EXPECT_EQ(ok, std::vector<char>(kWriters, 1));
    expectEveryValue(temp.file());
}

}  // namespace
}  // namespace lumar::settings
