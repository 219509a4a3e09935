#pragma once

// Numbers shared with the registry that the settings file stands in for:
// value types, error codes and key access rights keep the registry's values,
// so that callers written against the registry read naturally and error codes
// shown to users mean what they always meant.

#include <cstdint>

namespace lumar::settings {

using ValueType = std::uint32_t;
using ErrorCode = std::uint32_t;
using AccessMask = std::uint32_t;

// Value types.
inline constexpr ValueType kRegNone = 0;
inline constexpr ValueType kRegSz = 1;        // text
inline constexpr ValueType kRegExpandSz = 2;  // expandable text, never expanded here
inline constexpr ValueType kRegBinary = 3;
inline constexpr ValueType kRegDword = 4;    // 32-bit number, little-endian
inline constexpr ValueType kRegMultiSz = 7;  // texts, each ended by NUL, then one more NUL
inline constexpr ValueType kRegQword = 11;

// Error codes.
inline constexpr ErrorCode kSuccess = 0;
inline constexpr ErrorCode kErrorFileNotFound = 2;    // key or value missing
inline constexpr ErrorCode kErrorAccessDenied = 5;    // file or folder not writable/readable
inline constexpr ErrorCode kErrorInvalidHandle = 6;   // a closed key was used
inline constexpr ErrorCode kErrorLockViolation = 33;  // the write lock was not granted in time
inline constexpr ErrorCode kErrorInvalidData = 13;    // a number of the wrong size
inline constexpr ErrorCode kErrorInvalidParameter = 87;
inline constexpr ErrorCode kErrorDiskFull = 112;
inline constexpr ErrorCode kErrorBadPathname = 161;        // empty component in a key path
inline constexpr ErrorCode kErrorMoreData = 234;           // the caller's buffer is too small
inline constexpr ErrorCode kErrorRegistryIoFailed = 1016;  // any other read or write failure
inline constexpr ErrorCode kErrorDatatypeMismatch = 1804;  // a value of another type

// Key access rights.
inline constexpr AccessMask kKeyQueryValue = 0x0001;
inline constexpr AccessMask kKeySetValue = 0x0002;
inline constexpr AccessMask kKeyCreateSubKey = 0x0004;
inline constexpr AccessMask kKeyRead = kKeyQueryValue;
inline constexpr AccessMask kKeyWrite = kKeySetValue | kKeyCreateSubKey;

}  // namespace lumar::settings
