#include "lumar-service/password.h"

#include <gtest/gtest.h>

namespace lumar::service_app {
namespace {

TEST(ScramblePassword, MirrorsAndReverses) {
    EXPECT_EQ(ScramblePassword("abc"), ";<=");
    EXPECT_EQ(ScramblePassword(" "), "~");
    EXPECT_EQ(ScramblePassword("~"), " ");
    EXPECT_EQ(ScramblePassword("A"), "]");
    // Below 32 the remainder is negative: the result lies above 126.
    EXPECT_EQ(ScramblePassword("\t"), std::string(1, static_cast<char>(126 + 23)));
}

TEST(UnscramblePassword, UndoesTheScramblingOfAsciiAndControlBytes) {
    std::string every;
    for (int byte = 1; byte <= 126; ++byte) {
        every.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(UnscramblePassword(ScramblePassword(every)), every);
}

TEST(UnscramblePassword, FoldsBytesAboveTildeAsTheClientDoes) {
    // 0xE9 scrambles like "+", so both are the same password on the wire.
    EXPECT_EQ(ScramblePassword("\xe9"), ScramblePassword("+"));
    EXPECT_EQ(UnscramblePassword(ScramblePassword("\xe9")), "+");
}

TEST(PasswordHash, VerifiesTheTypedPasswordOnly) {
    const std::string hash = HashPassword("Secret pass", 1000);
    EXPECT_TRUE(VerifyPassword(UnscramblePassword(ScramblePassword("Secret pass")), hash));
    EXPECT_FALSE(VerifyPassword("Secret pasS", hash));
    EXPECT_FALSE(VerifyPassword("", hash));
    EXPECT_EQ(hash.find("Secret"), std::string::npos);
}

TEST(PasswordHash, SaltsEveryHash) {
    EXPECT_NE(HashPassword("same", 1000), HashPassword("same", 1000));
}

TEST(PasswordHash, RefusesMalformedStoredHashes) {
    for (const char* stored : {"", "plain", "pbkdf2-sha256$0$00$00", "md5$1000$00$00",
                               "pbkdf2-sha256$1000$zz$00", "pbkdf2-sha256$1000$0011"}) {
        EXPECT_FALSE(VerifyPassword("x", stored)) << stored;
    }
}

}  // namespace
}  // namespace lumar::service_app
