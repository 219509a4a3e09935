#pragma once

// The one error type of the host interface. Every host operation that fails
// throws it with an error code and the host's text for the failure; an
// "exception frame" of the plug-in is a try/catch of HostError at that place.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace lumar::host {

// Error codes: the error system in the high 16 bits, the number within that
// system in the low 16 bits (callers that show a number show the low half).
using ErrorCode = std::int32_t;

constexpr ErrorCode makeErrorCode(std::uint16_t system, std::uint16_t number) {
    return static_cast<ErrorCode>((static_cast<std::uint32_t>(system) << 16) | number);
}

namespace error {
inline constexpr std::uint16_t kGeneralSystem = 0;
inline constexpr std::uint16_t kFileSystem = 1;
inline constexpr std::uint16_t kDocumentSystem = 2;
inline constexpr std::uint16_t kViewSystem = 3;

inline constexpr ErrorCode kNoMemory = makeErrorCode(kGeneralSystem, 1);
inline constexpr ErrorCode kBadParameter = makeErrorCode(kGeneralSystem, 2);
inline constexpr ErrorCode kNotFound = makeErrorCode(kGeneralSystem, 3);
inline constexpr ErrorCode kUnsupported = makeErrorCode(kGeneralSystem, 4);
inline constexpr ErrorCode kFileOpen = makeErrorCode(kFileSystem, 1);
inline constexpr ErrorCode kFileRead = makeErrorCode(kFileSystem, 2);
inline constexpr ErrorCode kFileWrite = makeErrorCode(kFileSystem, 3);
inline constexpr ErrorCode kBadPath = makeErrorCode(kFileSystem, 4);
inline constexpr ErrorCode kBadDocument = makeErrorCode(kDocumentSystem, 1);
inline constexpr ErrorCode kPermission = makeErrorCode(kDocumentSystem, 2);
inline constexpr ErrorCode kPageRange = makeErrorCode(kDocumentSystem, 3);
inline constexpr ErrorCode kBadAnnotation = makeErrorCode(kDocumentSystem, 4);
inline constexpr ErrorCode kNoMenuBar = makeErrorCode(kViewSystem, 1);
inline constexpr ErrorCode kBadMenu = makeErrorCode(kViewSystem, 2);
inline constexpr ErrorCode kBadTool = makeErrorCode(kViewSystem, 3);
}  // namespace error

class HostError : public std::runtime_error {
public:
    HostError(ErrorCode code, const std::string& text);

    [[nodiscard]] ErrorCode code() const { return code_; }

    // The host's text, as a caller with a buffer of `bufferSize` bytes would
    // read it (at most bufferSize - 1 bytes; the whole text when 0).
    [[nodiscard]] std::string text(std::size_t bufferSize = 0) const;

private:
    ErrorCode code_;
};

}  // namespace lumar::host
