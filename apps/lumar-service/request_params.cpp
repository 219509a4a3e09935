#include "lumar-service/request_params.h"

#include <charconv>
#include <limits>

#include "lumar-service/service_error.h"

namespace lumar::service_app {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

[[noreturn]] void Invalid(std::string_view name, const std::string& why) {
    throw ServiceError(ErrorCode::InvalidParameter, "Parameter " + std::string(name) + " " + why);
}

}  // namespace

bool ParseLong(std::string_view text, std::int32_t& value) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return false;
        }
    }
    if (text.empty()) {
        return false;
    }
    std::int64_t parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return false;
    }
    if (parsed < std::numeric_limits<std::int32_t>::min() ||
        parsed > std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    value = static_cast<std::int32_t>(parsed);
    return true;
}

RequestParams::RequestParams(const protocol::Operation& operation, const SoapRequest& request) {
    for (const auto& [name, text] : request.params) {
        const protocol::Item* declared = nullptr;
        for (const protocol::Item& param : operation.params) {
            if (param.name == name) {
                declared = &param;
                break;
            }
        }
        if (declared == nullptr) {
            throw ServiceError(ErrorCode::InvalidParameter,
                               std::string(operation.method) + " has no parameter " + name);
        }
        switch (declared->kind) {
        case protocol::Kind::Long:
        case protocol::Kind::Ticks: {
            std::int32_t number = 0;
            if (!ParseLong(text, number)) {
                Invalid(name, "is not a 32-bit decimal number");
            }
            values_.emplace(name, number);
            break;
        }
        case protocol::Kind::Bool: {
            const std::string_view flag = TrimBlanks(text);
            if (flag == "1" || flag == "true") {
                values_.emplace(name, true);
            } else if (flag == "0" || flag == "false") {
                values_.emplace(name, false);
            } else {
                Invalid(name, "is not a flag (0 or 1)");
            }
            break;
        }
        case protocol::Kind::Text:
            if (text.find('\0') != std::string::npos) {
                Invalid(name, "holds a NUL byte");
            }
            values_.emplace(name, text);
            break;
        }
    }
    for (const protocol::Item& param : operation.params) {
        if (values_.find(param.name) == values_.end()) {
            throw ServiceError(ErrorCode::MissingParameter,
                               "Parameter " + std::string(param.name) + " is missing");
        }
    }
}

const RequestParams::Value& RequestParams::Get(std::string_view name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) {
        throw ServiceError(ErrorCode::Internal,
                           "Parameter " + std::string(name) + " is not declared");
    }
    return found->second;
}

std::int32_t RequestParams::Long(std::string_view name) const {
    return std::get<std::int32_t>(Get(name));
}

bool RequestParams::Bool(std::string_view name) const {
    return std::get<bool>(Get(name));
}

const std::string& RequestParams::Text(std::string_view name) const {
    return std::get<std::string>(Get(name));
}

std::int32_t RequestParams::NonNegative(std::string_view name) const {
    const std::int32_t value = Long(name);
    if (value < 0) {
        Invalid(name, "must not be negative");
    }
    return value;
}

const std::string& RequestParams::Text(std::string_view name, std::size_t maxBytes) const {
    const std::string& text = Text(name);
    if (text.size() > maxBytes) {
        Invalid(name, "is longer than " + std::to_string(maxBytes) + " characters");
    }
    return text;
}

}  // namespace lumar::service_app
