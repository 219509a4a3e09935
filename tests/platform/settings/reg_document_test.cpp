#include "platform/settings/reg_document.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumar::settings {
namespace {

constexpr const char* kHeader = "Windows Registry Editor Version 5.00\n\n";
constexpr const char* kUriKey = "Software\\Orvane\\Lumar\\Uri";

std::string dword(std::uint32_t n) {
    return {static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
            static_cast<char>((n >> 16) & 0xFF), static_cast<char>((n >> 24) & 0xFF)};
}

std::string withNul(std::string s) {
    s.push_back('\0');
    return s;
}

struct ReadCase {
    const char* label;
    std::string line;
    RegValue value;
};

class ValueLineReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ValueLineReading, GivesTypeAndBytes) {
    const ReadCase& c = GetParam();
    std::vector<LineDamage> damage;
    const auto doc = RegDocument::parse(
        std::string(kHeader) + "[HKEY_CURRENT_USER\\" + kUriKey + "]\n" + c.line + "\n",
        [&](const LineDamage& d) { damage.push_back(d); });
    EXPECT_TRUE(damage.empty());
    EXPECT_EQ(doc.value(kUriKey, "v"), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueLineReading,
    ::testing::Values(
        ReadCase{"text", R"("v"="http://h/WS/")", {kRegSz, withNul("http://h/WS/")}},
        ReadCase{"escapes", R"("v"="C:\\Docs\\\"q\"")", {kRegSz, withNul("C:\\Docs\\\"q\"")}},
        ReadCase{"lone_backslash_kept", R"("v"="C:\Docs")", {kRegSz, withNul("C:\\Docs")}},
        ReadCase{"utf8_to_cp1252",
                 "\"v\"=\"R\xC3\xA9"
                 "daction \xE2\x82\xAC\"",
                 {kRegSz, withNul("R\xE9"
                                  "daction \x80")}},
        ReadCase{"cp1252_line",
                 "\"v\"=\"R\xE9"
                 "daction\"",
                 {kRegSz, withNul("R\xE9"
                                  "daction")}},
        ReadCase{"blanks_around_equals", "  \"v\" = \"x\"  ", {kRegSz, withNul("x")}},
        ReadCase{"dword", R"("v"=dword:0000002a)", {kRegDword, dword(42)}},
        ReadCase{"dword_short_upper", R"("v"=DWORD:FF)", {kRegDword, dword(255)}},
        ReadCase{"expand",
                 R"("v"=hex(2):25,00,48,00,25,00,00,00)",
                 {kRegExpandSz, std::string("%H%\0", 4)}},
        ReadCase{"multi",
                 R"("v"=hex(7):61,00,00,00,62,00,00,00,00,00)",
                 {kRegMultiSz, std::string("a\0b\0\0", 5)}},
        ReadCase{"text_as_hex1",
                 R"("v"=hex(1):ac,20,0a,00,00,00)",
                 {kRegSz, std::string("\x80\n\0", 3)}},
        ReadCase{"binary", R"("v"=hex:01,ff,7)", {kRegBinary, "\x01\xff\x07"}},
        ReadCase{"empty_binary", R"("v"=hex:)", {kRegBinary, ""}},
        ReadCase{"qword_kept",
                 R"("v"=hex(b):01,00,00,00,00,00,00,00)",
                 {kRegQword, std::string("\x01\0\0\0\0\0\0\0", 8)}},
        ReadCase{
            "continued", "\"v\"=hex:01,02,\\\n  03,\\\n  04", {kRegBinary, "\x01\x02\x03\x04"}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.label; });

struct DamageCase {
    const char* label;
    const char* line;
};

class DamagedLine : public ::testing::TestWithParam<DamageCase> {};

// A damaged line costs one warning and nothing else: the values around it are
// read, and a rewrite keeps it as it stands.
TEST_P(DamagedLine, IsSkippedWithOneWarningAndKept) {
    const std::string file = std::string(kHeader) + "[HKEY_CURRENT_USER\\" + kUriKey +
                             "]\n\"before\"=\"1\"\n" + GetParam().line +
                             "\n\"after\"=dword:00000002\n\n"
                             "[HKEY_CURRENT_USER\\Software\\Orvane\\Lumar\\Proxy]\n"
                             "\"Use_proxy\"=dword:00000001\n";
    std::vector<LineDamage> damage;
    auto doc = RegDocument::parse(file, [&](const LineDamage& d) { damage.push_back(d); });
    ASSERT_EQ(damage.size(), 1u);
    EXPECT_EQ(damage[0].lineNumber, 5);
    EXPECT_EQ(damage[0].line, GetParam().line);
    EXPECT_EQ(doc.value(kUriKey, "before"), (RegValue{kRegSz, withNul("1")}));
    EXPECT_EQ(doc.value("Software\\Orvane\\Lumar\\Proxy", "Use_proxy"),
              (RegValue{kRegDword, dword(1)}));
    doc.setValue("Software\\Orvane\\Lumar\\Proxy", "Use_proxy", {kRegDword, dword(0)});
    std::string expected = file;
    expected.replace(expected.find("Use_proxy\"=dword:00000001"), 25, "Use_proxy\"=dword:00000000");
    EXPECT_EQ(doc.serialize(), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DamagedLine,
                         ::testing::Values(DamageCase{"unclosed_text", R"("x"="no end)"},
                                           DamageCase{"unclosed_name", R"("x=1)"},
                                           DamageCase{"no_equals", R"("x" "y")"},
                                           DamageCase{"bad_dword", R"("x"=dword:12g)"},
                                           DamageCase{"long_dword", R"("x"=dword:123456789)"},
                                           DamageCase{"bad_hex_byte", R"("x"=hex:01,1ff)"},
                                           DamageCase{"bad_hex_type", R"("x"=hex(z):01)"},
                                           DamageCase{"unknown_kind", R"("x"=qword:1)"},
                                           DamageCase{"text_after_quote", R"("x"="a" b)"},
                                           DamageCase{"stray_text", "Web_service=http://h/"},
                                           DamageCase{"binary_noise", "\x01\x02\xff\xfe"}),
                         [](const ::testing::TestParamInfo<DamageCase>& info) {
                             return info.param.label;
                         });

TEST(RegDocument, ValuesBelowADamagedKeyLineAreKeptButNotUsed) {
    const std::string file = std::string(kHeader) +
                             "[HKEY_NOWHERE\\Software]\n\"a\"=\"1\"\n\n"
                             "[-HKEY_CURRENT_USER\\Software\\Gone]\n\"b\"=\"2\"\n\n"
                             "[HKEY_CURRENT_USER\\Software\\Orvane\\\\Lumar]\n\n"
                             "[HKEY_CURRENT_USER\\Software\\Kept]\n\"c\"=\"3\"\n";
    std::vector<LineDamage> damage;
    auto doc = RegDocument::parse(file, [&](const LineDamage& d) { damage.push_back(d); });
    ASSERT_EQ(damage.size(), 3u);
    EXPECT_EQ(damage[0].lineNumber, 3);
    EXPECT_EQ(damage[1].lineNumber, 6);
    EXPECT_EQ(damage[2].lineNumber, 9);
    EXPECT_FALSE(doc.hasKey("Software\\Gone"));
    EXPECT_EQ(doc.value("Software\\Kept", "c"), (RegValue{kRegSz, withNul("3")}));
    doc.setValue("Software\\Kept", "d", {kRegSz, withNul("4")});
    EXPECT_EQ(doc.serialize(), file + "\"d\"=\"4\"\n");
}

TEST(RegDocument, ValueBeforeAnyKeyIsDamaged) {
    std::vector<LineDamage> damage;
    RegDocument::parse(std::string(kHeader) + "\"a\"=\"1\"\n",
                       [&](const LineDamage& d) { damage.push_back(d); });
    ASSERT_EQ(damage.size(), 1u);
    EXPECT_EQ(damage[0].lineNumber, 3);
}

TEST(RegDocument, MissingHeaderIsReportedAndAddedOnRewrite) {
    const std::string file = "[HKEY_CURRENT_USER\\Software\\A]\n\"a\"=\"1\"\n";
    std::vector<LineDamage> damage;
    auto doc = RegDocument::parse(file, [&](const LineDamage& d) { damage.push_back(d); });
    ASSERT_EQ(damage.size(), 1u);
    EXPECT_EQ(damage[0].lineNumber, 0);
    EXPECT_EQ(doc.value("Software\\A", "a"), (RegValue{kRegSz, withNul("1")}));
    EXPECT_EQ(doc.serialize(), std::string(kHeader) + file);
}

TEST(RegDocument, RewriteChangesOnlyTheValuesLines) {
    const std::string file =
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
        "; written by hand\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Orvane\\Lumar\\Uri]\r\n"
        "\"Web_service\"=\"machine\"\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Orvane\\Lumar\\Uri]\r\n"
        "\"WEB_SERVICE\"=hex:00,\\\r\n  01\r\n"
        "\"Annotations\"=\"/a\"\r\n";
    auto doc = RegDocument::parse(file);
    EXPECT_EQ(doc.value(kUriKey, "web_service"), (RegValue{kRegBinary, std::string("\0\1", 2)}));
    doc.setValue(kUriKey, "Web_service", {kRegSz, withNul("http://h/")});
    doc.setValue("software\\orvane\\lumar\\URI", "Base_docs", {kRegSz, withNul("/b")});
    EXPECT_EQ(doc.serialize(),
              "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
              "; written by hand\r\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Orvane\\Lumar\\Uri]\r\n"
              "\"Web_service\"=\"machine\"\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Orvane\\Lumar\\Uri]\r\n"
              "\"WEB_SERVICE\"=\"http://h/\"\r\n"
              "\"Annotations\"=\"/a\"\r\n"
              "\"Base_docs\"=\"/b\"\r\n");
}

// A damaged hex line at the very end may end in a backslash; values written
// after it must not be read as its continuation.
TEST(RegDocument, ValuesAddedAfterAnOpenContinuationAreKept) {
    for (const char* ending : {"", "\n"}) {
        auto doc = RegDocument::parse(std::string(kHeader) + "[HKEY_CURRENT_USER\\A]\n" +
                                      "\"p\"=hex(zz):01,\\\\" + ending);
        doc.setValue("A", "v", {kRegSz, withNul("1")});
        doc.setValue("B", "w", {kRegSz, withNul("2")});
        const auto again = RegDocument::parse(doc.serialize());
        EXPECT_EQ(again.value("A", "v"), (RegValue{kRegSz, withNul("1")})) << doc.serialize();
        EXPECT_EQ(again.value("B", "w"), (RegValue{kRegSz, withNul("2")})) << doc.serialize();
    }
}

TEST(RegDocument, StrayCarriageReturnsOfAnLfFileSurviveRewrites) {
    const std::string file =
        std::string(kHeader) + "; note\r\r\n[HKEY_CURRENT_USER\\A]\r\n\"v\"=\"1\"\r\n";
    auto doc = RegDocument::parse(file);
    EXPECT_EQ(doc.value("A", "v"), (RegValue{kRegSz, withNul("1")}));
    EXPECT_EQ(doc.serialize(), file);
}

TEST(RegDocument, KeysExistThroughTheKeysBelowThem) {
    auto doc = RegDocument::parse(std::string(kHeader) +
                                  "[HKEY_CURRENT_USER\\Software\\Orvane\\Lumar\\Uri]\n");
    EXPECT_TRUE(doc.hasKey(""));
    EXPECT_TRUE(doc.hasKey("software"));
    EXPECT_TRUE(doc.hasKey("SOFTWARE\\Orvane\\Lumar"));
    EXPECT_FALSE(doc.hasKey("Software\\Orv"));
    EXPECT_FALSE(doc.hasKey("Software\\Orvane\\Lumar\\Uri\\Sub"));
    EXPECT_FALSE(doc.addKey("Software\\Orvane"));
    EXPECT_TRUE(doc.addKey("Software\\Orvane\\Lumar\\Proxy"));
    EXPECT_TRUE(doc.hasKey("Software\\Orvane\\Lumar\\Proxy"));
}

TEST(RegDocument, LastOccurrenceCountsAndDeletionHidesAValue) {
    auto doc = RegDocument::parse(std::string(kHeader) +
                                  "[HKEY_CURRENT_USER\\A]\n\"v\"=\"1\"\n\"w\"=\"1\"\n"
                                  "[HKEY_CURRENT_USER\\a]\n\"V\"=\"2\"\n\"w\"=-\n");
    EXPECT_EQ(doc.value("A", "v"), (RegValue{kRegSz, withNul("2")}));
    EXPECT_EQ(doc.value("A", "w"), std::nullopt);
    doc.setValue("A", "w", {kRegSz, withNul("3")});
    EXPECT_EQ(doc.value("A", "w"), (RegValue{kRegSz, withNul("3")}));
}

TEST(RegDocument, Utf16FileIsRead) {
    const std::string utf8 =
        std::string(kHeader) + "[HKEY_CURRENT_USER\\A]\r\n\"v\"=\"\xC3\xA9\"\r\n";
    std::string utf16 = "\xFF\xFE";
    for (unsigned char c : std::string(kHeader) + "[HKEY_CURRENT_USER\\A]\r\n\"v\"=\"") {
        utf16 += {static_cast<char>(c), '\0'};
    }
    utf16 += {'\xE9', '\0', '"', '\0', '\r', '\0', '\n', '\0'};
    const auto doc = RegDocument::parse(utf16);
    EXPECT_EQ(doc.value("A", "v"), (RegValue{kRegSz, withNul("\xE9")}));
}

class ValueRoundTrip : public ::testing::TestWithParam<RegValue> {};

TEST_P(ValueRoundTrip, ReadsBackByteForByte) {
    RegDocument doc;
    doc.setValue(kUriKey, "Name \"quoted\" \\ \xE9", GetParam());
    const std::string text = doc.serialize();
    std::vector<LineDamage> damage;
    const auto again = RegDocument::parse(text, [&](const LineDamage& d) { damage.push_back(d); });
    EXPECT_TRUE(damage.empty()) << text;
    EXPECT_EQ(again.value(kUriKey, "name \"QUOTED\" \\ \xC9"), GetParam()) << text;
}

std::string allBytes() {
    std::string s;
    for (int b = 1; b < 256; ++b) {
        s.push_back(static_cast<char>(b));
    }
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueRoundTrip,
    ::testing::Values(RegValue{kRegSz, withNul("")}, RegValue{kRegSz, withNul(allBytes())},
                      RegValue{kRegSz, "no terminator"},
                      RegValue{kRegSz, std::string("two\0parts\0", 10)},
                      RegValue{kRegExpandSz, withNul("%TEMP%\\x")},
                      RegValue{kRegMultiSz, std::string("a\0\xE9\0\0", 5)},
                      RegValue{kRegDword, dword(0xFFFFFFF8)}, RegValue{kRegDword, "\x01\x02"},
                      RegValue{kRegBinary, allBytes() + allBytes()},
                      RegValue{0x12345678, "\x00\x01"}, RegValue{kRegNone, ""}));

}  // namespace
}  // namespace lumar::settings
