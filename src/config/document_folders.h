#pragma once

// The three document folders: annotations, binders and supplements, set in
// the "Uri" key of the settings ("Annotations", "Base_docs", "Supp_docs").
// With "Append_SAP" = 1 a publication's documents live in a subfolder named
// after its SAP code, created on first use.

#include <optional>
#include <string>
#include <string_view>

namespace lumar {

enum class FolderKind { Annotations, Binders, Supplements };

// The setting that holds the folder of `kind`.
std::string_view FolderSettingName(FolderKind kind);

// The checked folder of `kind`, with the SAP code's subfolder when one is given
// (not empty) and "Append_SAP" is 1. On failure shows why in an alert note
// ("No binders folder set", "Invalid binders folder: \"...\"", "Invalid
// binders folder (combined): \"...\"") and returns an empty text; callers stop
// their operation then.
std::string ResolveFolder(FolderKind kind, std::optional<std::string_view> sapCode);

}  // namespace lumar
