#pragma once

// Files and paths as the host hands them out: the default file system, path
// objects (released by "release path") and open files (closed by "close
// file"). A document's file is a file the document keeps; it tells its path
// but is not closed by the caller.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <utility>

#include "platform/pdf/file.h"

namespace lumar::host {

class FileSystem {};

class HostPath {
public:
    explicit HostPath(std::filesystem::path path) : path_(std::move(path)) {}
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

class HostFile {
public:
    // An open file.
    explicit HostFile(pdf::File file) : path_(file.path()), file_(std::move(file)) {}
    // The file of a document: a path only.
    explicit HostFile(std::filesystem::path path) : path_(std::move(path)) {}

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    void setPath(std::filesystem::path path) { path_ = std::move(path); }
    // The open file, or null for a document's file.
    pdf::File* file() { return file_ ? &*file_ : nullptr; }

private:
    std::filesystem::path path_;
    std::optional<pdf::File> file_;
};

// "path from folder and file name" of kind "FolderPathName": a folder and a
// file name in it, both platform path texts.
struct FolderPathName {
    const char* folder = nullptr;
    const char* fileName = nullptr;
};

inline constexpr const char* kFolderPathNameKind = "FolderPathName";
inline constexpr const char* kCstringKind = "Cstring";

// Open modes.
inline constexpr int kFileModeWrite = 2;
inline constexpr int kFileModeWriteCreate = 6;

}  // namespace lumar::host
