#pragma once

// The "AcroSupport" table: memory, table versions and entry replacement,
// text objects; "ASExtra", the extra support operations.

#include <cstddef>
#include <cstdint>

#include "platform/host/host_types.h"

namespace lumar::host {

class FileSystem;
class HostFile;
class HostPath;

struct AcroSupportTable {
    // A block of `size` bytes, or null when there is no memory.
    void* (*allocate)(std::size_t size);
    void (*free)(void* block);
    // The version of a table handed out by the host; kUnknownVersion otherwise.
    Version (*tableVersion)(const void* table);
    // Swaps the entry at byte `entryOffset` of the table named `table` for
    // the callback's procedure. Throws HostError when that cannot be done.
    void (*replaceEntry)(Atom table, std::size_t entryOffset, HostCallback replacement,
                         std::uint32_t flags);
    TextObject* (*newText)(const char* cp1252);
    const char* (*textOf)(const TextObject* text);
    void (*destroyText)(TextObject* text);

    // Files. Paths are made by the host and given back with releasePath.
    FileSystem* (*defaultFileSystem)();
    HostPath* (*pathFromPlatformPath)(FileSystem* fileSystem, const char* platformPath);
    HostPath* (*pathOfFile)(HostFile* file);
    void (*releasePath)(FileSystem* fileSystem, HostPath* path);
    // Mode 6 writes and creates (emptying an existing file), 2 writes an
    // existing file. 0 on success, else the error code.
    std::int32_t (*openFile)(FileSystem* fileSystem, const HostPath* path, int mode,
                             HostFile** file);
    std::size_t (*writeFile)(HostFile* file, const char* data, std::size_t length);
    void (*setFilePosition)(HostFile* file, std::int64_t position);
    std::int64_t (*filePosition)(HostFile* file);
    std::int64_t (*fileLength)(HostFile* file);
    // 0 on success, else the error code.
    std::int32_t (*closeFile)(HostFile* file);
};

struct ASExtraTable {
    // The platform text of a path, in memory from "allocate memory" (the
    // caller frees it).
    char* (*platformPathText)(FileSystem* fileSystem, const HostPath* path);
    // A path made from a description of kind "FolderPathName" (a
    // FolderPathName) or "Cstring" (a full path text); null on failure.
    HostPath* (*pathFromFolderAndName)(FileSystem* fileSystem, Atom kind, const void* description);
};

}  // namespace lumar::host
