#pragma once

// The one error type of the service. Every refusal carries a code for the
// answer's ErrorCode and a text for its Error element; the dispatcher turns
// it into an answer, so an operation simply throws.

#include <stdexcept>
#include <string>

namespace lumar::service_app {

// Answer codes. 0 is success; the numbers are part of the wire contract and
// listed in the service's README.
enum class ErrorCode : int {
    Internal = 1,
    BadRequest = 2,
    UnknownMethod = 3,
    MissingParameter = 4,
    InvalidParameter = 5,
    NotLoggedOn = 10,
    LogonFailed = 11,
    NotAuthorised = 12,
    NotOwner = 13,
    LockedByOther = 14,
    UnknownId = 20,
    WrongState = 21,
    Conflict = 22,
    Busy = 30,
};

class ServiceError : public std::runtime_error {
public:
    ServiceError(ErrorCode code, const std::string& text) : std::runtime_error(text), code_(code) {}

    [[nodiscard]] ErrorCode code() const { return code_; }

private:
    ErrorCode code_;
};

}  // namespace lumar::service_app
