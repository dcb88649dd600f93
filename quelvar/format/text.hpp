// Text helpers shared by the whole core: every field is a std::string of Windows-1252 bytes.
#pragma once

#include "format/encoding.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The longest text a field, a short text or a result buffer holds.
inline constexpr std::size_t maxShortText = 255;

// Characters of code 0 to 32 (blanks and control characters) are what trimming removes.
constexpr bool isTrimmable(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

constexpr std::string_view trimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && isTrimmable(s[i]))
        ++i;
    return s.substr(i);
}

constexpr std::string_view trim(std::string_view s) {
    s = trimLeft(s);
    std::size_t n = s.size();
    while (n > 0 && isTrimmable(s[n - 1]))
        --n;
    return s.substr(0, n);
}

// A text is blank when nothing but characters of code 0 to 32 is in it.
constexpr bool isBlank(std::string_view s) {
    return trim(s).empty();
}

// The integer conversion used wherever a field is read as a number: optional leading blanks, an
// optional sign, then decimal digits, or hexadecimal digits (of either case) after "$", "x" or
// "0x". Only those three prefixes introduce hexadecimal: a capital "X" is a stray character.
// Anything else (trailing blanks included) or a value outside the signed 32-bit range fails.
constexpr std::optional<std::int32_t> toInt32(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i < s.size() && s[i] == 'x') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && s[i + 1] == 'x') {
        base = 16;
        i += 2;
    }
    if (i == s.size()) return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    if (base == 10) {
        for (; i < s.size(); ++i) {
            const auto digit = static_cast<unsigned char>(s[i] - '0');
            if (digit > 9) return std::nullopt;
            value = value * 10 + digit;
            if (value > limit) return std::nullopt;
        }
        return static_cast<std::int32_t>(negative ? -value : value);
    }
    for (; i < s.size(); ++i) {
        const char c = s[i];
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

// Replaces the text by the bytes (the working fields keep their storage from call to call).
inline void assignBytes(std::string& to, std::string_view from) {
    to.resize(from.size());
    if (!from.empty()) __builtin_memcpy(to.data(), from.data(), from.size());
}

// Appends the decimal form of a number.
inline void appendDecimal(std::string& out, std::int64_t n) {
    out += std::to_string(n);
}

} // namespace qv
