#pragma once

// Runs a call into the PDF engine and passes its failure on as the host's:
// a PdfError becomes a HostError of the engine's error system carrying the
// engine's number and text.

#include <utility>

#include "platform/host/host_error.h"
#include "platform/host/host_types.h"
#include "platform/pdf/document.h"
#include "platform/pdf/geometry.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::host {

inline constexpr std::uint16_t kEngineSystem = error::kDocumentSystem;

inline ErrorCode engineErrorCode(pdf::ErrorCode code) {
    return makeErrorCode(kEngineSystem, static_cast<std::uint16_t>(code));
}

template <typename Call>
auto engineCall(Call&& call) -> decltype(call()) {
    try {
        return std::forward<Call>(call)();
    } catch (const pdf::PdfError& failure) {
        throw HostError(engineErrorCode(failure.code()), failure.what());
    }
}

inline FixedRect toFixed(const pdf::Rect& rect) {
    return FixedRect{fixedFromDouble(rect.left), fixedFromDouble(rect.top),
                     fixedFromDouble(rect.right), fixedFromDouble(rect.bottom)};
}

inline pdf::Rect toRect(const FixedRect& rect) {
    return pdf::Rect{doubleFromFixed(rect.left), doubleFromFixed(rect.top),
                     doubleFromFixed(rect.right), doubleFromFixed(rect.bottom)};
}

// A pointer argument that must be given.
template <typename T>
T& required(T* value, const char* what) {
    if (value == nullptr) {
        throw HostError(error::kBadParameter, std::string("Missing ") + what + ".");
    }
    return *value;
}

// A document handle must name a document.
inline pdf::Document& checkedDocument(pdf::Document* document) {
    if (document == nullptr) {
        throw HostError(error::kBadParameter, "No document.");
    }
    return *document;
}

}  // namespace lumar::host
