#pragma once

// Temporary files that a killed writer left behind. An AtomicReplacement
// removes its temporary file when it goes, but a process killed in the
// middle of a save cannot: the file (".<name>.<random letters>", readable by
// its owner only) stays beside the target for good. Commands that write
// into a folder sweep it first.

#include <chrono>
#include <cstddef>
#include <filesystem>

namespace lumar::fs {

// A running save's temporary file is younger than this: a save writes one
// file, in seconds (minutes for the largest merges).
inline constexpr std::chrono::seconds kStaleTemporaryAge{3600};

// Removes from `folder` (not its subfolders) the regular files that have the
// form of our temporary names, belong to this user, still have the owner-only
// permissions they were created with and were last changed more than
// `minimumAge` ago. Touches nothing else, follows no link, never throws.
// Returns how many files it removed.
std::size_t sweepStaleTemporaries(const std::filesystem::path& folder,
                                  std::chrono::seconds minimumAge = kStaleTemporaryAge);

// The same, once per folder and process: for callers that resolve a folder
// many times in one command.
std::size_t sweepStaleTemporariesOnce(const std::filesystem::path& folder);

}  // namespace lumar::fs
