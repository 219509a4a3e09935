#include "config/path_check.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <optional>
#include <vector>

#include "config/file_system_path.h"

namespace lumar {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::optional<std::string> currentFolder() {
    std::vector<char> buffer(PATH_MAX);
    if (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        return std::nullopt;
    }
    return SystemPath(buffer.data());
}

// The full path of `path`: absolute, with ".", ".." and doubled separators
// resolved without touching the file system. A trailing separator is kept.
std::optional<std::string> fullPath(std::string_view path) {
    std::string joined;
    if (path.front() != kPathSeparator) {
        const auto cwd = currentFolder();
        if (!cwd) {
            return std::nullopt;
        }
        joined = *cwd + kPathSeparator;
    }
    joined += path;

    std::vector<std::string_view> parts;
    std::string_view rest = joined;
    while (!rest.empty()) {
        const size_t slash = rest.find(kPathSeparator);
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
            continue;
        }
        parts.push_back(part);
    }
    std::string full;
    for (std::string_view part : parts) {
        full += kPathSeparator;
        full += part;
    }
    if (full.empty() || path.back() == kPathSeparator) {
        full += kPathSeparator;
    }
    if (full.size() >= PATH_MAX) {
        return std::nullopt;
    }
    return full;
}

struct Found {
    bool folder = false;
};

std::optional<Found> lookUp(const std::string& path) {
    struct stat info {};
    if (::stat(FileSystemPath(path).c_str(), &info) != 0) {
        return std::nullopt;
    }
    return Found{S_ISDIR(info.st_mode)};
}

bool readable(const std::string& path, bool folder) {
    return ::access(FileSystemPath(path).c_str(), folder ? (R_OK | X_OK) : R_OK) == 0;
}

}  // namespace

bool CheckPath(std::string& path, bool mustBeFolder, bool mustExist) {
    const std::string_view trimmed = trimBlanks(path);
    const std::optional<std::string> full = trimmed.empty() ? std::nullopt : fullPath(trimmed);
    if (!full) {
        return false;
    }
    path = *full;
    if (!mustBeFolder && path.back() == kPathSeparator) {
        return false;
    }
    std::string probe = path;
    if (probe.back() == kPathSeparator) {
        probe.pop_back();  // the root becomes "" and is found with its '/' below
    }
    std::optional<Found> found = lookUp(probe);
    if (mustBeFolder || mustExist) {
        if (!found && mustBeFolder) {
            probe += kPathSeparator;
            found = lookUp(probe);
        }
        if (!found) {
            return false;
        }
        return mustBeFolder ? found->folder && readable(probe, true)
                            : !found->folder && readable(probe, false);
    }
    return !found || (!found->folder && readable(probe, false));
}

bool NearestExistingFolder(std::string& path) {
    if (path.empty()) {
        path.assign(1, '.');
    }
    bool exists = CheckPath(path, true, true);
    while (!exists) {
        const size_t cut = path.rfind(kPathSeparator);
        if (cut == std::string::npos) {
            break;
        }
        // Cutting at the root's separator keeps it, so '/' stays a root.
        std::string shorter = path.substr(0, cut == 0 ? 1 : cut);
        if (shorter == path) {
            break;
        }
        path = std::move(shorter);
        exists = CheckPath(path, true, true);
    }
    return exists;
}

}  // namespace lumar
