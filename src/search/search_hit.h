#pragma once

// One page pair found by a search.

#include <cstdint>
#include <string>

namespace lumar {

struct SearchHit {
    std::int32_t binder = 0;  // binder number; 0 for a supplement
    std::int32_t pair = 0;    // page pair number, from 1
    std::string text;         // first page line, "\n", second page line

    bool operator==(const SearchHit&) const = default;
};

}  // namespace lumar
