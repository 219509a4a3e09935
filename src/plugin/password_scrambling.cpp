#include "plugin/password_scrambling.h"

namespace lumar {

std::string ScramblePassword(std::string_view password) {
    std::string scrambled(password.size(), '\0');
    const std::size_t n = password.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int byte = static_cast<unsigned char>(password[n - 1 - i]);
        // C++ keeps the dividend's sign, so bytes below 32 come out above 126.
        scrambled[i] = static_cast<char>(126 - ((byte - 32) % 95));
    }
    return scrambled;
}

}  // namespace lumar
