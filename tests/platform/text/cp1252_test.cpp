#include "platform/text/cp1252.h"

#include <gtest/gtest.h>

namespace lumar::text {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(fromUtf8(toUtf8(all)), all);
}

struct CodePointCase {
    unsigned char byte;
    char32_t codePoint;
    const char* utf8;
};

class Cp1252CodePoint : public testing::TestWithParam<CodePointCase> {};

TEST_P(Cp1252CodePoint, MapsBothWays) {
    const auto& c = GetParam();
    EXPECT_EQ(toCodePoint(c.byte), c.codePoint);
    EXPECT_EQ(fromCodePoint(c.codePoint), c.byte);
    EXPECT_EQ(toUtf8(std::string(1, static_cast<char>(c.byte))), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Cp1252CodePoint,
    testing::Values(CodePointCase{'A', U'A', "A"}, CodePointCase{0x80, U'\u20AC', "\xE2\x82\xAC"},
                    CodePointCase{0x92, U'\u2019', "\xE2\x80\x99"},
                    CodePointCase{0x81, 0x81, "\xC2\x81"}, CodePointCase{0x8D, 0x8D, "\xC2\x8D"},
                    CodePointCase{0x8F, 0x8F, "\xC2\x8F"}, CodePointCase{0x90, 0x90, "\xC2\x90"},
                    CodePointCase{0x9D, 0x9D, "\xC2\x9D"},
                    CodePointCase{0x9F, U'\u0178', "\xC5\xB8"},
                    CodePointCase{0xE9, U'\u00E9', "\xC3\xA9"},
                    CodePointCase{0xFF, U'\u00FF', "\xC3\xBF"}));

TEST(Cp1252, UnmappableAndMalformedUtf8BecomeTheReplacement) {
    EXPECT_EQ(fromUtf8("a\xE4\xB8\xAD"
                       "b"),
              "a?b");  // CJK has no byte
    EXPECT_EQ(fromUtf8("a\xF0\x9F\x98\x80"
                       "b",
                       '_'),
              "a_b");                            // emoji
    EXPECT_EQ(fromUtf8("a\xC3"), "a?");          // truncated sequence
    EXPECT_EQ(fromUtf8("\xC0\xAF"), "??");       // overlong '/'
    EXPECT_EQ(fromUtf8("\xED\xA0\x80"), "???");  // surrogate
}

TEST(Cp1252, LowerAndUpperCaseFollowTheCodePageNotTheLocale) {
    EXPECT_EQ(toLower("ABC1H007.PDF"), "abc1h007.pdf");
    EXPECT_EQ(toLower("\xC0\xC9\xD6\xD7\xD8\xDE\xDF"), "\xE0\xE9\xF6\xD7\xF8\xFE\xDF");
    EXPECT_EQ(toLower("\x8A\x8C\x8E\x9F"), "\x9A\x9C\x9E\xFF");
    EXPECT_EQ(toUpper("\x9A\x9C\x9E\xFF\xE9\xF7"), "\x8A\x8C\x8E\x9F\xC9\xF7");
    EXPECT_EQ(toLower("[[#NOCOLOUR#]] 123"), "[[#nocolour#]] 123");
}

TEST(Cp1252, LowerUpperRoundTripForEveryLetter) {
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (toLower(c) != c) {
            EXPECT_EQ(toUpper(toLower(c)), c) << "byte " << b;
        }
    }
}

TEST(Cp1252, EqualsIgnoreCase) {
    EXPECT_TRUE(equalsIgnoreCase("Index", "INDEX"));
    EXPECT_TRUE(equalsIgnoreCase("\xC9t\xE9", "\xE9T\xC9"));
    EXPECT_FALSE(equalsIgnoreCase("index", "indexx"));
    EXPECT_FALSE(equalsIgnoreCase("a", "b"));
}

}  // namespace
}  // namespace lumar::text
