#pragma once

// The building blocks of the client–service protocol's declaration
// (operations.h): what an operation sends, what it answers, and how each
// value travels.

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace lumar::protocol {

// How a value travels. Long: a 32-bit decimal number; Bool: "1" or "0";
// Text: Windows-1252 bytes, percent-encoded; Ticks: a date-time as a 64-bit
// count of 100-nanosecond ticks (record fields only, named "<name>_Ticks").
enum class Kind { Long, Bool, Text, Ticks };

// A parameter, a result item or a record field: its element name and kind.
struct Item {
    std::string_view name;
    Kind kind = Kind::Long;
};

constexpr Item Long(std::string_view name) {
    return {name, Kind::Long};
}
constexpr Item Bool(std::string_view name) {
    return {name, Kind::Bool};
}
constexpr Item Text(std::string_view name) {
    return {name, Kind::Text};
}
constexpr Item Ticks(std::string_view name) {
    return {name, Kind::Ticks};
}

// The record type of a list: its element name and its fields in the order
// they are sent.
struct Record {
    std::string_view name;
    std::span<const Item> fields;
};

// One operation: the method name, the parameters in sending order, the items
// of "Result" after ErrorCode and Error, and for a list the record type whose
// count and records follow the items.
struct Operation {
    std::string_view method;
    std::span<const Item> params;
    std::span<const Item> items;
    const Record* record = nullptr;

    [[nodiscard]] constexpr bool IsList() const { return record != nullptr; }
};

// The items of several lists one after the other, for parameter lists that
// share a run of parameters.
template <std::size_t... N>
consteval std::array<Item, (N + ...)> Join(const std::array<Item, N>&... parts) {
    std::array<Item, (N + ...)> joined{};
    auto at = joined.begin();
    ((at = std::copy(parts.begin(), parts.end(), at)), ...);
    return joined;
}

}  // namespace lumar::protocol
