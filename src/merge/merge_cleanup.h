#pragma once

// What is left to do when a merge has failed and its new publication version
// has been reverted: the binder files the run wrote belong to that version,
// so they are removed. Files the run did not write are never touched.
//
//   if (reverted) host::alertNote(RemoveFilesOfRevertedMerge(request.writtenFiles));

#include <string>
#include <vector>

namespace lumar {

// Removes the files (platform paths) and returns the message for the user:
// which files were removed and which could not be, with the system's text;
// empty when there was nothing to remove.
std::string RemoveFilesOfRevertedMerge(const std::vector<std::string>& writtenFiles);

}  // namespace lumar
