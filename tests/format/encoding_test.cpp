// The Windows-1252 conversions: fixed texts at compile time, UTF-8 in both directions.
#include "format/encoding.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;
using namespace qv::literals;

TEST(Cp1252, FixedTextsBecomeWindows1252Bytes) {
    EXPECT_EQ("Função"_cp, "Fun\xE7\xE3o"sv);
    EXPECT_EQ("até"_cp, "at\xE9"sv);
    EXPECT_EQ("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"_cp,
              "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98\x99"
              "\x9A\x9B\x9C\x9E\x9F"sv);
    EXPECT_EQ("\xC2\xA0¡ÿ"_cp, "\xA0\xA1\xFF"sv);
    EXPECT_EQ(""_cp, ""sv);
}

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string utf8 = qv::cp1252ToUtf8(one);
        const auto back = qv::utf8ToCp1252(utf8);
        ASSERT_TRUE(back.has_value()) << "byte " << b;
        EXPECT_EQ(*back, one) << "byte " << b;
    }
}

TEST(Cp1252, Utf8OfTheHighBytes) {
    struct Case {
        std::string_view cp1252;
        std::string_view utf8;
    };
    const Case cases[] = {
        {"\x80"sv, "\xE2\x82\xAC"sv}, // €
        {"\x85"sv, "\xE2\x80\xA6"sv}, // …
        {"\x9F"sv, "\xC5\xB8"sv},     // Ÿ
        {"\xE7"sv, "\xC3\xA7"sv},     // ç
        {"\xA0"sv, "\xC2\xA0"sv},
        {"\x81"sv, "\xC2\x81"sv}, // an unused byte stands for its own C1 code point
        {"a\0b"sv, "a\0b"sv},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qv::cp1252ToUtf8(c.cp1252), c.utf8);
}

TEST(Cp1252, Utf8WithoutAWindows1252FormFailsAtTheOffendingCharacter) {
    struct Case {
        std::string_view utf8;
        std::size_t errorAt;
    };
    const Case cases[] = {
        {"ab\xC4\x80"sv, 2},           // U+0100 has no byte
        {"\xC3\xA7\xE2\x82\xAD"sv, 2}, // U+20AD has no byte
        {"x\xF0\x9F\x98\x80"sv, 1},    // a four-byte character
        {"abc\xC3"sv, 3},              // cut sequence
        {"\xC3("sv, 0},                // bad continuation byte
        {"\x80"sv, 0},                 // lone continuation byte
        {"a\xC0\xAF"sv, 1},            // overlong form
        {"\xED\xA0\x80"sv, 0},         // surrogate
        {"\xF4\x90\x80\x80"sv, 0},     // beyond U+10FFFF
        {"\xFF"sv, 0},
        {"\xC2\x80"sv, 0}, // U+0080: the byte 80 is the euro sign, not this code point
    };
    for (const auto& c : cases) {
        std::size_t at = 999;
        EXPECT_FALSE(qv::utf8ToCp1252(c.utf8, &at).has_value());
        EXPECT_EQ(at, c.errorAt);
    }
}

} // namespace
