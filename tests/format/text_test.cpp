// Trimming, the blank test and the integer conversion.
#include "format/text.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// ---- trimming and the blank test ----

TEST(Trim, RemovesCodesZeroToThirtyTwoFromBothEndsOnly) {
    struct Case {
        std::string_view text;
        std::string_view trimmed;
        std::string_view trimmedLeft;
    };
    const Case cases[] = {
        {""sv, ""sv, ""sv},
        {"abc"sv, "abc"sv, "abc"sv},
        {"  abc  "sv, "abc"sv, "abc  "sv},
        {"\0\x01\t\r\n\x1F ab c\x20\x1f\0"sv, "ab c"sv, "ab c\x20\x1f\0"sv},
        // '!' (33), the no-break space (A0) and the other high bytes are characters, not blanks.
        {"!a!"sv, "!a!"sv, "!a!"sv},
        {"\xA0x\xA0"sv, "\xA0x\xA0"sv, "\xA0x\xA0"sv},
        {"\x7F\xFF"sv, "\x7F\xFF"sv, "\x7F\xFF"sv},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qv::trim(c.text), c.trimmed) << "text: " << c.text;
        EXPECT_EQ(qv::trimLeft(c.text), c.trimmedLeft) << "text: " << c.text;
    }
}

TEST(Trim, EveryByteUpToThirtyTwoIsBlankAndNoneAbove) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(qv::isBlank(one), b <= 32) << "byte " << b;
    }
    EXPECT_TRUE(qv::isBlank(""));
    EXPECT_TRUE(qv::isBlank("\0 \t \0"sv));
    EXPECT_FALSE(qv::isBlank("   .   "));
}

// ---- the integer conversion ----

struct IntCase {
    std::string_view text;
    std::optional<std::int32_t> value; // nothing: the conversion fails
};

void expectConversions(std::initializer_list<IntCase> cases) {
    for (const auto& c : cases) {
        const auto got = qv::toInt32(c.text);
        if (c.value) {
            ASSERT_TRUE(got.has_value()) << "\"" << c.text << "\" should convert to " << *c.value;
            EXPECT_EQ(*got, *c.value) << "\"" << c.text << "\"";
        } else {
            EXPECT_FALSE(got.has_value()) << "\"" << c.text << "\" should fail, gave " << got.value_or(0);
        }
    }
}

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

TEST(IntegerConversion, DecimalWithLeadingBlanksAndSign) {
    expectConversions({
        {"0", 0},
        {"2", 2},
        {"02", 2},
        {"0000000000000000000002", 2},
        {"+2", 2},
        {"-2", -2},
        {"-0", 0},
        {" 2", 2},
        {"     -17", -17},
        {"   +999", 999},
    });
}

TEST(IntegerConversion, BlanksSignsAndStrayCharactersFail) {
    expectConversions({
        {"", std::nullopt},
        {" ", std::nullopt},
        {"     ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"  -", std::nullopt},
        {"2 ", std::nullopt},  // trailing blank
        {" 2 ", std::nullopt}, // trailing blank
        {"2\t", std::nullopt},
        {"2\0"sv, std::nullopt},
        {"\t2", std::nullopt}, // only blanks may lead, not control characters
        {"\0"
         "2"sv,
         std::nullopt},
        {"- 2", std::nullopt}, // no blank between sign and digits
        {"+-2", std::nullopt},
        {"--2", std::nullopt},
        {"2-", std::nullopt},
        {"1.5", std::nullopt},
        {"1,5", std::nullopt},
        {"1 000", std::nullopt},
        {"two", std::nullopt},
        {"2a", std::nullopt},
        {"\xB2", std::nullopt}, // superscript two is not a digit
    });
}

TEST(IntegerConversion, HexadecimalAfterDollarXOrZeroX) {
    expectConversions({
        {"$1F", 31},
        {"$1f", 31},
        {"$0", 0},
        {"x10", 16},
        {"xFF", 255},
        {"0x10", 16},
        {"0xabcdef", 0xABCDEF},
        {"-$10", -16},
        {"+0x1A", 26},
        {"  -x2", -2},
        {" $A", 10},
        {"$00000000000000000001", 1},
    });
}

TEST(IntegerConversion, MalformedHexadecimalFails) {
    expectConversions({
        {"$", std::nullopt},
        {"x", std::nullopt},
        {"0x", std::nullopt},
        {"-$", std::nullopt},
        {"$G", std::nullopt},
        {"0xg", std::nullopt},
        {"$ 1", std::nullopt},
        {"$1 ", std::nullopt},
        {"$-1", std::nullopt},
        {"0x-1", std::nullopt},
        {"$0x1", std::nullopt},
        {"$$1", std::nullopt},
        {"1F", std::nullopt}, // hexadecimal digits without a prefix
        {"1x1", std::nullopt},
        {"00x1", std::nullopt}, // only one zero belongs to the prefix
        // The prefixes are "$", "x" and "0x"; capital X introduces nothing.
        {"X10", std::nullopt},
        {"0X10", std::nullopt},
        {"-X1", std::nullopt},
    });
}

TEST(IntegerConversion, ValuesOutsideTheSigned32BitRangeFail) {
    expectConversions({
        {"2147483647", int32Max},
        {"+2147483647", int32Max},
        {"0002147483647", int32Max},
        {"-2147483648", int32Min},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"4294967296", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"-99999999999999999999999", std::nullopt},
        {"$7FFFFFFF", int32Max},
        {"-$80000000", int32Min},
        {"0x7fffffff", int32Max},
        {"$80000000", std::nullopt},
        {"$FFFFFFFF", std::nullopt},
        {"x100000000", std::nullopt},
        {"-0x80000001", std::nullopt},
        {"$FFFFFFFFFFFFFFFFFFFF", std::nullopt},
    });
}

} // namespace
