#pragma once

// Leaf colours: the names of the colour list that the logon store holds, and
// their RGB values (R in the low byte).

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace lumar {

struct ColourRecord;

// The colour value that means "no colour" wherever a colour is passed
// between operations. It is never written into a tag.
inline constexpr std::string_view kNoColour = "[[#NOCOLOUR#]]";

// R + G * 256 + B * 65536, in the 32 bits of a colour value.
std::uint32_t ColourRgb(const ColourRecord& colour);

// The RGB value of the first colour whose name equals `name` ignoring case;
// none for an empty name or an unknown one. The first form searches the
// logon store's colour list.
std::optional<std::uint32_t> ColourByName(std::string_view name);
std::optional<std::uint32_t> ColourByName(std::string_view name,
                                          std::span<const ColourRecord> colours);

// The RGB value of the pair's colour (PairColour, then ColourByName).
std::optional<std::uint32_t> PairDisplayColour(std::string_view pair);

}  // namespace lumar
