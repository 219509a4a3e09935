#pragma once

// Replacing a file's contents in one step, so that the file under its final
// name is always either the old contents or the whole new ones, also after a
// crash or a full disk.
//
// The new contents go to a temporary file created beside the target, under a
// name no other writer can get (".<name>.<random letters>", made with
// O_EXCL), readable by its owner only. commit() gives it its permissions
// (see FileMode), flushes it to disk, renames it over the target and flushes
// the folder. Until commit()
// has renamed it, the temporary file is removed when the replacement goes:
// after a failed write, an exception or a caller that gives up.
//
// Two kinds of writers fit: those that stream bytes call write() (or write
// to descriptor()); those that need a file name, like a library that opens
// its output itself, are given temporaryPath(). Such a writer must write into
// that file (opening it by name and truncating it is fine, replacing it is
// not) and be done with it before commit().
//
// Failures throw std::system_error with the errno of the failed step.

#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/fs/file_mode.h"

namespace lumar::fs {

class AtomicReplacement {
public:
    // Creates the temporary file in the target's folder. Throws when it
    // cannot, e.g. ENOENT when the folder is missing, EACCES when it is not
    // writable.
    explicit AtomicReplacement(std::filesystem::path target,
                               FileMode mode = FileMode::keepExisting());
    ~AtomicReplacement();
    AtomicReplacement(const AtomicReplacement&) = delete;
    AtomicReplacement& operator=(const AtomicReplacement&) = delete;
    AtomicReplacement(AtomicReplacement&&) = delete;
    AtomicReplacement& operator=(AtomicReplacement&&) = delete;

    [[nodiscard]] const std::filesystem::path& target() const { return target_; }
    [[nodiscard]] const std::filesystem::path& temporaryPath() const { return temporary_; }
    // The temporary file, open for reading and writing; -1 after commit().
    [[nodiscard]] int descriptor() const { return fd_; }

    // Appends `bytes` to the temporary file.
    void write(std::string_view bytes);

    // Puts the new contents in place of the target. Called once; after a
    // failure the target is as it was and the temporary file goes with the
    // replacement.
    void commit();

private:
    std::filesystem::path target_;
    FileMode mode_;
    std::filesystem::path temporary_;
    int fd_ = -1;
};

// Whether `fileName` has the form of a temporary file name made above
// (".<name>.<8 random letters>").
bool isTemporaryName(std::string_view fileName);

// Replaces the contents of `target` by `bytes`; the errno of a failure.
std::error_code replaceFile(const std::filesystem::path& target, std::string_view bytes,
                            FileMode mode = FileMode::keepExisting());

}  // namespace lumar::fs
