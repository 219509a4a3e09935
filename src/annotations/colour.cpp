#include "annotations/colour.h"

#include "annotations/page_pair.h"
#include "platform/text/cp1252.h"
#include "service/logon_store.h"
#include "service/ws_records.h"

namespace lumar {

std::uint32_t ColourRgb(const ColourRecord& colour) {
    // Unsigned arithmetic: the service's components are not clamped, and an
    // out-of-range one must not overflow.
    return static_cast<std::uint32_t>(colour.R) + static_cast<std::uint32_t>(colour.G) * 256U +
           static_cast<std::uint32_t>(colour.B) * 65536U;
}

std::optional<std::uint32_t> ColourByName(std::string_view name,
                                          std::span<const ColourRecord> colours) {
    if (name.empty()) {
        return std::nullopt;
    }
    for (const ColourRecord& colour : colours) {
        if (text::equalsIgnoreCase(colour.Name, name)) {
            return ColourRgb(colour);
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> ColourByName(std::string_view name) {
    return ColourByName(name, TheLogonStore().colours.Records);
}

std::optional<std::uint32_t> PairDisplayColour(std::string_view pair) {
    const auto colour = PairColour(pair);
    return ColourByName(colour ? *colour : std::string_view());
}

}  // namespace lumar
