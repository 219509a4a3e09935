#pragma once

// Basic values that cross the host interface: names as atoms, the extension
// identifier that owns callbacks and menus, table versions, host callbacks
// and the host's fixed-point rectangles.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lumar::host {

// A name interned by the host. Zero is no atom.
using Atom = std::uint16_t;
inline constexpr Atom kNoAtom = 0;

// Identifies a loaded extension to the host; every callback, menu and menu
// item records its owner.
using ExtensionId = std::uint32_t;

// Table and handshake versions: major version in the high 16 bits, minor in
// the low 16 bits (0x60000 is version 6.0).
using Version = std::uint32_t;

// What "version of host function table" answers for a table it does not know.
inline constexpr Version kUnknownVersion = 0xFFFFFFFF;

// The version at which this host offers every table. A request for any
// version up to it is answered with the table.
inline constexpr Version kOfferedTableVersion = 0x000B0000;

// The start-up handshake version both sides speak.
inline constexpr Version kHandshakeVersion = 0x20000;

// Every procedure handed to the host travels as this type and is cast back
// to its real signature by whoever calls it.
using GenericProc = void (*)();

// A procedure registered with the host together with its owner (made by
// "make host callback"). The host keeps the record; callers hold the handle.
struct CallbackRecord {
    ExtensionId owner = 0;
    GenericProc proc = nullptr;
};
using HostCallback = const CallbackRecord*;

// The real procedure behind a host callback.
template <typename Fn>
Fn* procedureOf(HostCallback callback) {
    return callback != nullptr ? reinterpret_cast<Fn*>(callback->proc) : nullptr;
}

// A host window made from a platform window; 0 is none.
using HostWindow = std::uint32_t;

// 16.16 fixed-point numbers and rectangles (left, top, right, bottom).
using Fixed = std::int32_t;
inline constexpr Fixed kFixedOne = 0x10000;
constexpr Fixed fixedFromInt(std::int32_t value) {
    return static_cast<Fixed>(static_cast<std::uint32_t>(value) << 16);
}
// Values outside the fixed-point range are clamped to it.
inline Fixed fixedFromDouble(double value) {
    const double scaled = std::round(value * kFixedOne);
    return static_cast<Fixed>(std::clamp(scaled, -2147483648.0, 2147483647.0));
}
constexpr double doubleFromFixed(Fixed value) {
    return static_cast<double>(value) / kFixedOne;
}

struct FixedRect {
    Fixed left = 0;
    Fixed top = 0;
    Fixed right = 0;
    Fixed bottom = 0;
    friend bool operator==(const FixedRect&, const FixedRect&) = default;
};

class Menu;
class MenuBar;
class MenuItem;
class TextObject;
class Tool;

}  // namespace lumar::host
