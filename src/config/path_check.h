#pragma once

// Checking configured paths and finding the nearest folder that exists.
// Paths are Windows-1252 texts with '/' as separator; '/' is the root.

#include <string>

namespace lumar {

// Checks `path` and replaces it by its normalised absolute form (blanks at
// both ends trimmed, made absolute against the current folder, "." and ".."
// and doubled separators resolved, a trailing '/' kept). True when the path
// is acceptable:
//   - it could be made absolute, and a path that need not be a folder does
//     not end with '/';
//   - with `mustBeFolder` or `mustExist`: it exists, and is a folder that can
//     be read and entered (mustBeFolder) or a readable file (otherwise);
//   - with neither flag: it does not exist, or it is a readable file.
// The root '/' passes as a folder.
bool CheckPath(std::string& path, bool mustBeFolder, bool mustExist);

// Replaces `path` (an empty one counts as ".") by the nearest folder that
// exists: the path itself or the folder above it, and so on up to '/'. True
// when such a folder was found; otherwise `path` is the last path checked.
bool NearestExistingFolder(std::string& path);

}  // namespace lumar
