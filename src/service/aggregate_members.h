#pragma once

// The members of a plain aggregate struct in declaration order, reached
// without naming them. The service client binds its request, result and
// record structs to the protocol's declaration through these.

#include <concepts>
#include <cstddef>
#include <tuple>
#include <type_traits>

namespace lumar {

namespace aggregate_detail {

// Converts to T and nothing else (declared for unevaluated checks only).
template <typename T>
struct ExactlyA {
    template <typename U>
    requires std::same_as<U, T>
    operator U() const;
};

// Converts to anything (declared for unevaluated checks only).
struct AnyMember {
    template <typename U>
    operator U() const;
};

}  // namespace aggregate_detail

// True when Aggregate is an aggregate whose members are exactly of the types
// Members, in this order. A struct that derives, without members of its own,
// from one that holds them counts as that one.
template <typename Aggregate, typename... Members>
concept AggregateOf = std::is_aggregate_v<Aggregate> && requires {
    Aggregate{aggregate_detail::ExactlyA<Members>{}...};
} && !requires {
    Aggregate{aggregate_detail::ExactlyA<Members>{}..., aggregate_detail::AnyMember{}};
};

inline constexpr std::size_t kMaxTiedMembers = 16;

// References to the N members of an aggregate, in declaration order:
// TieMembers<2>(s) is std::tie(s.first, s.second) for struct { first; second; }.
// N must be the aggregate's number of members, at most kMaxTiedMembers.
template <std::size_t N, typename Aggregate>
auto TieMembers(Aggregate& value) {
    static_assert(N >= 1 && N <= kMaxTiedMembers, "TieMembers ties 1 to 16 members");
    if constexpr (N == 1) {
        auto& [m0] = value;
        return std::tie(m0);
    } else if constexpr (N == 2) {
        auto& [m0, m1] = value;
        return std::tie(m0, m1);
    } else if constexpr (N == 3) {
        auto& [m0, m1, m2] = value;
        return std::tie(m0, m1, m2);
    } else if constexpr (N == 4) {
        auto& [m0, m1, m2, m3] = value;
        return std::tie(m0, m1, m2, m3);
    } else if constexpr (N == 5) {
        auto& [m0, m1, m2, m3, m4] = value;
        return std::tie(m0, m1, m2, m3, m4);
    } else if constexpr (N == 6) {
        auto& [m0, m1, m2, m3, m4, m5] = value;
        return std::tie(m0, m1, m2, m3, m4, m5);
    } else if constexpr (N == 7) {
        auto& [m0, m1, m2, m3, m4, m5, m6] = value;
        return std::tie(m0, m1, m2, m3, m4, m5, m6);
    } else if constexpr (N == 8) {
        auto& [m0, m1, m2, m3, m4, m5, m6, m7] = value;
        return std::tie(m0, m1, m2, m3, m4, m5, m6, m7);
    } else if constexpr (N == 9) {
        auto& [m0, m1, m2, m3, m4, m5, m6, m7, m8] = value;
        return std::tie(m0, m1, m2, m3, m4, m5, m6, m7, m8);
    } else if constexpr (N == 10) {
        auto& [m0, m1, m2, m3, m4, m5, m6, m7, m8, m9] = value;
        return std::tie(m0, m1, m2, m3, m4, m5, m6, m7, m8, m9);
    } else if constexpr (N == 11) {
        auto& [m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10] = value;
        return std::tie(m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10);
    } else if constexpr (N == 12) {
        auto& [m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11] = value;
        return std::tie(m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11);
    } else if constexpr (N == 13) {
        auto& [m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11, m12] = value;
        return std::tie(m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11, m12);
    } else if constexpr (N == 14) {
        auto& [m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11, m12, m13] = value;
        return std::tie(m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11, m12, m13);
    } else if constexpr (N == 15) {
        auto& [m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11, m12, m13, m14] = value;
        return std::tie(m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11, m12, m13, m14);
    } else if constexpr (N == 16) {
        auto& [m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11, m12, m13, m14, m15] = value;
        return std::tie(m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11, m12, m13, m14, m15);
    } else {
        return std::tuple<>{};
    }
}

}  // namespace lumar
