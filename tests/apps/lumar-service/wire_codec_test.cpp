#include "lumar-service/wire_codec.h"

#include <gtest/gtest.h>

namespace lumar::service_app {
namespace {

struct CodecCase {
    std::string plain;
    std::string encoded;
};

class PercentCodec : public ::testing::TestWithParam<CodecCase> {};

TEST_P(PercentCodec, EncodesAndDecodesLikeTheClient) {
    EXPECT_EQ(PercentEncode(GetParam().plain), GetParam().encoded);
    EXPECT_EQ(PercentDecode(GetParam().encoded), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, PercentCodec,
    ::testing::Values(CodecCase{"100%", "100%25"}, CodecCase{"caf\xe9", "caf%e9"},
                      CodecCase{"a\nb", "a%0ab"}, CodecCase{"line\r\n", "line%0d%0a"},
                      CodecCase{"~ !", "~ !"}, CodecCase{"\x7f\x80\xff", "%7f%80%ff"},
                      CodecCase{"", ""}));

TEST(PercentEncode, StopsAtTheFirstNul) {
    EXPECT_EQ(PercentEncode(std::string("ab\0cd", 5)), "ab");
}

TEST(PercentDecode, ReadsDigitsAsTheClientDoes) {
    EXPECT_EQ(PercentDecode("%41%62"), "Ab");
    EXPECT_EQ(PercentDecode("%4"), "%4");  // fewer than two characters after the sign
    EXPECT_EQ(PercentDecode("%"), "%");
    EXPECT_EQ(PercentDecode("x%"), "x%");
    // Digits are not validated: 'g' counts as 103 - 87 = 16.
    EXPECT_EQ(PercentDecode("%0g"), std::string(1, '\x10'));
}

TEST(AppendWireValue, EqualsEncodingThenEscaping) {
    std::string every;
    for (int byte = 1; byte < 256; ++byte) {
        every.push_back(static_cast<char>(byte));
    }
    for (const std::string& value : {every, std::string("a&b%<'\">\n"), std::string()}) {
        std::string out = "prefix";
        AppendWireValue(out, value);
        EXPECT_EQ(out, "prefix" + XmlEscape(PercentEncode(value)));
    }
}

TEST(XmlEscape, EscapesTheAmpersandFirst) {
    EXPECT_EQ(XmlEscape("a&b<c>d'e\"f"), "a&amp;b&lt;c&gt;d&apos;e&quot;f");
    EXPECT_EQ(XmlEscape("&lt;"), "&amp;lt;");
}

}  // namespace
}  // namespace lumar::service_app
