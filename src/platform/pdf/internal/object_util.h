#pragma once

// Small helpers over qpdf objects shared by the engine's sources.

#include <qpdf/QPDFObjectHandle.hh>
#include <string>

#include "platform/pdf/geometry.h"

namespace lumar::pdf::internal {

// Same object: equal object ids for indirect objects, the same instance for
// direct ones.
bool sameObject(const QPDFObjectHandle& a, const QPDFObjectHandle& b);

// A rectangle array as a normalised Rect; `fallback` when it is no array of
// four numbers.
Rect rectOf(QPDFObjectHandle array, const Rect& fallback = {});

// A normalised rectangle array [left bottom right top].
QPDFObjectHandle rectArray(const Rect& rect);

// The name without its slash, empty when the object is no name.
std::string nameOf(QPDFObjectHandle object);

}  // namespace lumar::pdf::internal
