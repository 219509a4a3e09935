#include "platform/soap/value_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace lumar::soap {
namespace {

using namespace std::string_literals;

struct CodecCase {
    std::string plain;
    std::string encoded;
};

class PercentEncodeTest : public testing::TestWithParam<CodecCase> {};

TEST_P(PercentEncodeTest, EncodesControlsHighBytesAndPercent) {
    EXPECT_EQ(PercentEncode(GetParam().plain), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(Table, PercentEncodeTest,
                         testing::Values(CodecCase{"100%", "100%25"}, CodecCase{"\xE9", "%e9"},
                                         CodecCase{"caf\xE9", "caf%e9"},
                                         CodecCase{"line\r\n", "line%0d%0a"},
                                         CodecCase{"a\nb", "a%0ab"}, CodecCase{"\r\t", "%0d%09"},
                                         CodecCase{"\x7F\x80\xFF", "%7f%80%ff"},
                                         CodecCase{"~ !", "~ !"}, CodecCase{"<&>'\"", "<&>'\""},
                                         CodecCase{"", ""},
                                         // A C text ends at its first NUL.
                                         CodecCase{"ab\0cd"s, "ab"}));

TEST(XmlEscape, EscapesAmpersandFirst) {
    EXPECT_EQ(XmlEscape("a&b<c>d'e\"f"), "a&amp;b&lt;c&gt;d&apos;e&quot;f");
    EXPECT_EQ(XmlEscape("&lt;"), "&amp;lt;");
    EXPECT_EQ(XmlEscape(PercentEncode("50% & more\n")), "50%25 &amp; more%0a");
}

class PercentDecodeTest : public testing::TestWithParam<CodecCase> {};

TEST_P(PercentDecodeTest, DecodesTwoDigitsAfterPercent) {
    EXPECT_EQ(PercentDecode(GetParam().encoded), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PercentDecodeTest,
    testing::Values(CodecCase{"Ab", "%41%62"}, CodecCase{"\xE9", "%E9"}, CodecCase{"\xE9", "%e9"},
                    CodecCase{"a\nb", "a%0ab"}, CodecCase{"100%", "100%25"},
                    CodecCase{"caf\xE9", "caf%e9"}, CodecCase{"line\r\n", "line%0d%0a"},
                    CodecCase{"~ !", "~ !"}, CodecCase{"\x7F\x80\xFF", "%7f%80%ff"},
                    // A percent sign with fewer than two characters after it stays.
                    CodecCase{"%", "%"}, CodecCase{"%4", "%4"}, CodecCase{"x%", "x%"},
                    CodecCase{"%%", "%%"},
                    // The digits are not validated: 'z' counts 35, 16*35+35 = 595 -> 0x53.
                    CodecCase{"S", "%zz"}, CodecCase{"\x10", "%0g"}, CodecCase{"", ""}));

// Requests and answers write every value in this one pass; it must equal the
// two codecs one after the other for every byte, the NUL included.
TEST(AppendWireValue, EqualsEncodingThenEscaping) {
    std::string every;
    for (int byte = 1; byte < 256; ++byte) {
        every.push_back(static_cast<char>(byte));
    }
    for (const std::string& value :
         {every, "a&b%<'\">\n"s, ""s, "before\0after"s, "caf\xE9 & <co>"s}) {
        std::string out = "prefix";
        AppendWireValue(out, value);
        EXPECT_EQ(out, "prefix" + XmlEscape(PercentEncode(value))) << value;
    }
    std::string out;
    AppendWireValue(out, "50% & more\n");
    EXPECT_EQ(out, "50%25 &amp; more%0a");
}

TEST(PercentCodec, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const std::string encoded = PercentEncode(all);
    for (const char c : encoded) {
        EXPECT_TRUE(c >= 0x20 && c <= 0x7E);
    }
    EXPECT_EQ(PercentDecode(encoded), all);
}

}  // namespace
}  // namespace lumar::soap
