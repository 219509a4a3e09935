#include "lumar-service/password.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <array>
#include <cstdint>
#include <vector>

#include "lumar-service/service_error.h"

namespace lumar::service_app {

namespace {

constexpr std::size_t kSaltBytes = 16;
constexpr std::size_t kHashBytes = 32;
constexpr std::string_view kScheme = "pbkdf2-sha256";

std::string ToHex(const unsigned char* bytes, std::size_t size) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        out.push_back(kHex[bytes[i] >> 4]);
        out.push_back(kHex[bytes[i] & 0x0F]);
    }
    return out;
}

bool FromHex(std::string_view hex, std::vector<unsigned char>& bytes) {
    if (hex.size() % 2 != 0) {
        return false;
    }
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        return -1;
    };
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = digit(hex[i]);
        const int low = digit(hex[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes.push_back(static_cast<unsigned char>(high * 16 + low));
    }
    return true;
}

std::array<unsigned char, kHashBytes> Derive(std::string_view canonical, const unsigned char* salt,
                                             std::size_t saltSize, int iterations) {
    std::array<unsigned char, kHashBytes> hash{};
    if (PKCS5_PBKDF2_HMAC(canonical.data(), static_cast<int>(canonical.size()), salt,
                          static_cast<int>(saltSize), iterations, EVP_sha256(),
                          static_cast<int>(hash.size()), hash.data()) != 1) {
        throw ServiceError(ErrorCode::Internal, "Password hashing failed");
    }
    return hash;
}

}  // namespace

std::string ScramblePassword(std::string_view typed) {
    std::string scrambled(typed.size(), '\0');
    const std::size_t n = typed.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int byte = static_cast<unsigned char>(typed[n - 1 - i]);
        // C++ '%' keeps the dividend's sign, as the client's rule does.
        scrambled[i] = static_cast<char>(126 - ((byte - 32) % 95));
    }
    return scrambled;
}

std::string UnscramblePassword(std::string_view scrambled) {
    // Every scrambled byte s lies in 32..158 and comes from 158 - s (and,
    // for bytes above 126, from others that the rule folded onto it).
    std::string canonical(scrambled.size(), '\0');
    const std::size_t n = scrambled.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int s = static_cast<unsigned char>(scrambled[i]);
        canonical[n - 1 - i] = static_cast<char>((158 - s) & 0xFF);
    }
    return canonical;
}

std::string HashPassword(std::string_view typed, int iterations) {
    const std::string canonical = UnscramblePassword(ScramblePassword(typed));
    std::array<unsigned char, kSaltBytes> salt{};
    if (RAND_bytes(salt.data(), static_cast<int>(salt.size())) != 1) {
        throw ServiceError(ErrorCode::Internal, "No random bytes for a password salt");
    }
    const auto hash = Derive(canonical, salt.data(), salt.size(), iterations);
    return std::string(kScheme) + "$" + std::to_string(iterations) + "$" +
           ToHex(salt.data(), salt.size()) + "$" + ToHex(hash.data(), hash.size());
}

bool VerifyPassword(std::string_view canonical, std::string_view storedHash) {
    // scheme $ iterations $ salt $ hash
    std::array<std::string_view, 4> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t end =
            i + 1 < parts.size() ? storedHash.find('$', start) : storedHash.size();
        if (end == std::string_view::npos) {
            return false;
        }
        parts[i] = storedHash.substr(start, end - start);
        start = end + 1;
    }
    if (parts[0] != kScheme) {
        return false;
    }
    int iterations = 0;
    for (char c : parts[1]) {
        if (c < '0' || c > '9' || iterations > 10'000'000) {
            return false;
        }
        iterations = iterations * 10 + (c - '0');
    }
    std::vector<unsigned char> salt;
    std::vector<unsigned char> expected;
    if (iterations < 1 || !FromHex(parts[2], salt) || !FromHex(parts[3], expected) ||
        expected.size() != kHashBytes) {
        return false;
    }
    const auto actual = Derive(canonical, salt.data(), salt.size(), iterations);
    return CRYPTO_memcmp(actual.data(), expected.data(), kHashBytes) == 0;
}

}  // namespace lumar::service_app
