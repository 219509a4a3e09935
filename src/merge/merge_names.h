#pragma once

// The file names a merge writes binders under. A binder named
// "<prefix><c>H<done>.pdf" (c the binder character, done the publication's
// last merged supplement number, zero-padded to a width of 1 to 5) gets the
// new name "<prefix><c>H<next>.pdf" with the same width; a name that does
// not end that way is also tried with next - 1 in place of done. The
// temporary name "<name>_<c>H<next>.pdf" (no padding) is used when there is
// no new name or the new name cannot be written.
//
//   MergeBinderNames("prefix1H0012.pdf", 1, 12, 13)
//       -> {"prefix1H0013.pdf", "prefix1H0012_1H13.pdf"}

#include <cstdint>
#include <string>
#include <string_view>

namespace lumar {

struct BinderNames {
    std::string newName;        // empty when the file name matched no number
    std::string temporaryName;  // empty only for a binder that cannot be named
};

// Names of existing binder `binder` stored as `fileName`.
BinderNames MergeBinderNames(std::string_view fileName, std::int32_t binder, std::int64_t done,
                             std::int64_t next);

// Names of a binder `newBinder` created from the working binder
// `workingBinder` stored as `fileName`: the working binder's ending is
// replaced by the new binder's character and the next number.
BinderNames CreateBinderNames(std::string_view fileName, std::int32_t workingBinder,
                              std::int32_t newBinder, std::int64_t done, std::int64_t next);

// The part of a path after its last '/' (the whole path without one).
std::string_view FileNamePart(std::string_view path);

// A document file name from the service may be used: not empty, no path
// separator and no "..".
bool IsSafeDocumentFileName(std::string_view name);

}  // namespace lumar
