#pragma once

// A temporary folder for settings-file tests, with LUMAR_REGISTRY pointing at
// "registry.reg" inside it while the object lives.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace lumar::testing {

class TempSettings {
public:
    TempSettings() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lumar-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        folder_ = pattern;
        if (const char* old = std::getenv("LUMAR_REGISTRY")) {
            previous_ = old;
        }
        ::setenv("LUMAR_REGISTRY", file().c_str(), 1);
    }
    TempSettings(const TempSettings&) = delete;
    TempSettings& operator=(const TempSettings&) = delete;
    ~TempSettings() {
        if (previous_) {
            ::setenv("LUMAR_REGISTRY", previous_->c_str(), 1);
        } else {
            ::unsetenv("LUMAR_REGISTRY");
        }
        std::error_code ec;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(folder_, ec);
    }

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path file() const { return folder_ / "registry.reg"; }

    void write(const std::string& bytes) const {
        std::ofstream out(file(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }

    std::string read() const {
        std::ifstream in(file(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::filesystem::path folder_;
    std::optional<std::string> previous_;
};

}  // namespace lumar::testing
