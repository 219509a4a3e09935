#pragma once

// A host path that goes back to the host when its holder goes: the one way
// the system holds the paths it acquires (pathFromPlatformPath,
// pathFromFullPath, pathFromFolderAndName, pathOfOpenFile), so that no
// return or exception forgets to release one.

namespace lumar::host {

class FileSystem;
class HostPath;

class HeldPath {
public:
    // Holds `path` of `fileSystem`; a null path (an acquisition that gave
    // none) holds nothing.
    HeldPath(FileSystem* fileSystem, HostPath* path) : fileSystem_(fileSystem), path_(path) {}
    // Releases the path. A release the host refuses (a path it no longer
    // knows) is dropped: there is nothing left to give back, and the holder
    // may be going because of another failure.
    ~HeldPath();
    HeldPath(const HeldPath&) = delete;
    HeldPath& operator=(const HeldPath&) = delete;
    HeldPath(HeldPath&&) = delete;
    HeldPath& operator=(HeldPath&&) = delete;

    [[nodiscard]] HostPath* get() const { return path_; }

private:
    FileSystem* fileSystem_;
    HostPath* path_;
};

}  // namespace lumar::host
