#pragma once

// The parameters of one request, checked against the operation's
// declaration: every declared parameter present, nothing else, every number
// a 32-bit decimal, every flag 0/1 (or false/true), no NUL byte in a text.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>

#include "lumar-service/soap_request.h"
#include "protocol/declaration.h"

namespace lumar::service_app {

class RequestParams {
public:
    // Throws ServiceError (MissingParameter, InvalidParameter).
    RequestParams(const protocol::Operation& operation, const SoapRequest& request);

    [[nodiscard]] std::int32_t Long(std::string_view name) const;
    [[nodiscard]] bool Bool(std::string_view name) const;
    [[nodiscard]] const std::string& Text(std::string_view name) const;

    // A long that must be 0 or more (identifiers, counts).
    [[nodiscard]] std::int32_t NonNegative(std::string_view name) const;
    // A text of at most maxBytes bytes.
    [[nodiscard]] const std::string& Text(std::string_view name, std::size_t maxBytes) const;

private:
    using Value = std::variant<std::int32_t, bool, std::string>;
    [[nodiscard]] const Value& Get(std::string_view name) const;

    std::map<std::string, Value, std::less<>> values_;
};

// Parses a decimal 32-bit number with an optional sign; surrounding blanks
// are allowed. Returns false for anything else.
bool ParseLong(std::string_view text, std::int32_t& value);

}  // namespace lumar::service_app
