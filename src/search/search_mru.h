#pragma once

// The list of recent search texts, stored as one text: the texts separated
// by "|", most recent first, without a limit. A search text holding "|" is
// stored as it is and reads back as several entries.

#include <string>
#include <string_view>
#include <vector>

namespace lumar {

inline constexpr char kMruSeparator = '|';

// The stored list after a search for `searchText`: the text first, then the
// earlier entries without the first one equal to it ("a|b|c" and "b" give
// "b|a|c").
std::string AddToMruList(std::string_view list, std::string_view searchText);

// The entries, in order; an empty piece gives an empty entry. An empty list
// has no entries.
std::vector<std::string> SplitMruList(std::string_view list);

}  // namespace lumar
