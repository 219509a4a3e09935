#include "protocol/wire_values.h"

namespace lumar::protocol {

std::string WireLong(std::int64_t value) {
    return std::to_string(value);
}

std::string WireBool(bool value) {
    return value ? "1" : "0";
}

}  // namespace lumar::protocol
