#pragma once

// Every public call of the engine reports failures as PdfError. qpdf throws
// its own exceptions (QPDFExc, std::logic_error, std::runtime_error) when a
// damaged file's objects are not what they should be; `guarded` turns them
// into PdfError(Damaged) naming the operation.

#include <exception>
#include <new>
#include <string>

#include "platform/pdf/pdf_error.h"

namespace lumar::pdf::internal {

template <typename Call>
auto guarded(const char* operation, Call&& call) -> decltype(call()) {
    try {
        return call();
    } catch (const PdfError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw PdfError(ErrorCode::General, std::string(operation) + ": out of memory.");
    } catch (const std::exception& e) {
        throw PdfError(ErrorCode::Damaged, std::string(operation) + ": " + e.what());
    }
}

}  // namespace lumar::pdf::internal
