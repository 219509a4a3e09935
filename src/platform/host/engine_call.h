#pragma once

// Runs a call into the PDF engine and passes its failure on as the host's:
// a PdfError becomes a HostError of the engine's error system carrying the
// engine's number and text.

#include <utility>

#include "platform/host/host_error.h"
#include "platform/pdf/document.h"
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

// A document handle must name a document.
inline pdf::Document& checkedDocument(pdf::Document* document) {
    if (document == nullptr) {
        throw HostError(error::kBadParameter, "No document.");
    }
    return *document;
}

}  // namespace lumar::host
