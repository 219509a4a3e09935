#pragma once

// The settings file that stands in for the current user's registry.
//
// Where it lives: $LUMAR_REGISTRY, else $XDG_CONFIG_HOME/lumar/registry.reg,
// else ~/.config/lumar/registry.reg.
//
// Encoding: the file keeps the registry editor's export format ("Windows
// Registry Editor Version 5.00") so that administrators can read, edit and
// import it, but it is stored as UTF-8 rather than the UTF-16 the registry
// editor writes: UTF-8 is what editors, diff and grep on this platform expect.
// The system's Windows-1252 texts are converted with the text module where
// lines are read and written. A UTF-16 file with a byte order mark (as
// exported on Windows) is read too and rewritten as UTF-8; a line that is not
// valid UTF-8 is read as Windows-1252.
//
// Safety: reading needs no lock (the file is only ever replaced whole).
// Every write reads the file again, changes it and writes it back under an
// exclusive advisory lock on "<file>.lock" beside it, so writers in different
// processes or threads never lose each other's values. The new text goes to a
// temporary file in the same folder, is flushed to disk and renamed over the
// file; an interrupted write leaves the old file. A new file gets mode 0600
// (it holds the proxy password); a rewritten file keeps its mode.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/settings/reg_document.h"
#include "platform/settings/registry_codes.h"

namespace lumar::settings {

class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path);

    // The file of the current user, from the environment as described above.
    static std::filesystem::path defaultPath();

    const std::filesystem::path& path() const { return path_; }

    // Reads the file; a file that does not exist reads as empty. Damaged lines
    // are reported through the settings warnings.
    ErrorCode read(RegDocument& document) const;

    // Why the file exists but cannot be read as a settings file (a folder, a
    // device or pipe, a link loop, over 16 MB, no permission); nullopt when
    // it can be read or does not exist.
    [[nodiscard]] std::optional<std::string> problem() const;

    // Read-modify-write under the lock. A change that cannot be stored is
    // reported through the settings warnings, with the file and the reason. `change` returns
    // whether it changed the document; nothing is written when it did not.
    ErrorCode update(const std::function<bool(RegDocument&)>& change) const;

private:
    ErrorCode store(const std::function<bool(RegDocument&)>& change) const;

    std::filesystem::path path_;
};

}  // namespace lumar::settings
