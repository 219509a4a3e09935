#pragma once

// Binds the client's typed structs to the protocol's declaration
// (protocol/operations.h) by position: a request's members are the
// operation's parameters in sending order, a result's members its result
// items, a record's members the fields of its record type. A struct whose
// members differ from the declaration in number or type does not compile.
// The members carry the names of the elements they stand for; that the two
// agree is what the tests against the reference service check.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "protocol/operations.h"
#include "service/aggregate_members.h"
#include "service/date_time.h"

namespace lumar {

// The member type that holds a value of each kind.
template <protocol::Kind K>
using KindMember = std::conditional_t<
    K == protocol::Kind::Long, std::int32_t,
    std::conditional_t<K == protocol::Kind::Bool, bool,
                       std::conditional_t<K == protocol::Kind::Text, std::string, DateTime>>>;

// Which list of an operation's declaration a struct stands for.
enum class DeclaredList { Params, Items, RecordFields };

template <std::size_t Op, DeclaredList List>
constexpr std::span<const protocol::Item> Declared() {
    if constexpr (List == DeclaredList::Params) {
        return protocol::kOperations[Op].params;
    } else if constexpr (List == DeclaredList::Items) {
        return protocol::kOperations[Op].items;
    } else {
        return protocol::kOperations[Op].record->fields;
    }
}

template <std::size_t Op, DeclaredList List,
          typename = std::make_index_sequence<Declared<Op, List>().size()>>
struct DeclaredMembers;

template <std::size_t Op, DeclaredList List, std::size_t... I>
struct DeclaredMembers<Op, List, std::index_sequence<I...>> {
    // One member of each declared item's type, in declaration order.
    using Values = std::tuple<KindMember<Declared<Op, List>()[I].kind>...>;

    template <typename Struct>
    static constexpr bool kMatch = AggregateOf<Struct, KindMember<Declared<Op, List>()[I].kind>...>;
};

// Calls add(name, member) for every parameter of the operation at index Op,
// in sending order, with the request's members in declaration order.
template <std::size_t Op, typename Request, typename Add>
void ForEachDeclaredParameter(const Request& request, Add add) {
    using Members = DeclaredMembers<Op, DeclaredList::Params>;
    static_assert(Members::template kMatch<Request>,
                  "the request's members must be the operation's parameters in sending order");
    constexpr std::span<const protocol::Item> params = Declared<Op, DeclaredList::Params>();
    const auto members = TieMembers<params.size()>(request);
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (add(params[I].name, std::get<I>(members)), ...);
    }
    (std::make_index_sequence<params.size()>{});
}

// References to what takes the result items of the operation at index Op:
// the members of an aggregate in declaration order, or the target itself
// when the operation has one item of the target's type.
template <std::size_t Op, typename Target>
auto DeclaredItemTargets(Target& target) {
    using Members = DeclaredMembers<Op, DeclaredList::Items>;
    if constexpr (std::is_same_v<std::tuple<Target>, typename Members::Values>) {
        return std::tie(target);
    } else {
        static_assert(Members::template kMatch<Target>,
                      "the result's members must be the operation's result items in order");
        return TieMembers<std::tuple_size_v<typename Members::Values>>(target);
    }
}

// Calls store(index, member) with the member at a runtime index of a tuple.
template <typename Tuple, typename Store>
void AtIndex(Tuple& tuple, std::size_t index, Store store) {
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        ((index == I ? store(std::get<I>(tuple)) : void()), ...);
    }
    (std::make_index_sequence<std::tuple_size_v<Tuple>>{});
}

}  // namespace lumar
