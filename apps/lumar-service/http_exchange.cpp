#include "lumar-service/http_exchange.h"

#include <strings.h>

namespace lumar::service_app {

const std::string* HttpRequest::Header(std::string_view name) const {
    for (const auto& [key, value] : headers) {
        if (key.size() == name.size() && ::strncasecmp(key.data(), name.data(), name.size()) == 0) {
            return &value;
        }
    }
    return nullptr;
}

bool HttpRequest::HasQueryParameter(std::string_view name) const {
    std::string_view rest = query;
    while (!rest.empty()) {
        const auto end = rest.find('&');
        std::string_view item = rest.substr(0, end);
        item = item.substr(0, item.find('='));
        if (item == name) {
            return true;
        }
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    return false;
}

}  // namespace lumar::service_app
