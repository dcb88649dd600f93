// Windows-1252, the single-byte character set of every text that crosses the library: fields,
// labels, messages, file names and the three output files.
//
// The fixed texts of the library (trace labels, messages, headers) are written in UTF-8 in the
// sources and converted to Windows-1252 at compile time by the literal "..."_cp, so the binary
// holds the exact bytes that reach the files. A character without a Windows-1252 form is a
// compile error.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Unicode code points of the bytes 0x80 to 0x9F in Windows-1252; 0 marks the five unused bytes.
inline constexpr std::array<char32_t, 32> cp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Windows-1252 byte of a code point, or nothing when the character set has none. The C1 code
// points of the five unused bytes give those bytes back, so that every byte survives the way
// through UTF-8 and back (file names, texts shown in the message box).
constexpr std::optional<unsigned char> cp1252FromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    if (cp >= 0x80 && cp <= 0x9F && cp1252High[cp - 0x80] == 0) return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < cp1252High.size(); ++i)
        if (cp1252High[i] != 0 && cp1252High[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

// The code point of a Windows-1252 byte; the five unused bytes map to the same C1 code points.
constexpr char32_t codePointFromCp1252(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F && cp1252High[b - 0x80] != 0) return cp1252High[b - 0x80];
    return b;
}

// Decodes one UTF-8 sequence at text[i]; advances i. Nothing for a malformed sequence.
constexpr std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t cp = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size()) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (b & 0x3F);
    }
    constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < smallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

// Converts UTF-8 text to Windows-1252. On failure, nothing, and errorAt receives the byte offset of
// the first character that is malformed or has no Windows-1252 form.
std::optional<std::string> utf8ToCp1252(std::string_view utf8, std::size_t* errorAt = nullptr);

// Converts Windows-1252 text to UTF-8 (every byte has a form).
std::string cp1252ToUtf8(std::string_view cp1252);

namespace detail {

template <std::size_t N> struct Utf8Literal {
    char text[N]{};
    consteval Utf8Literal(const char (&in)[N]) {
        for (std::size_t i = 0; i < N; ++i)
            text[i] = in[i];
    }
    constexpr std::string_view view() const { return {text, N - 1}; }
};

template <std::size_t N> struct Cp1252Bytes {
    char data[N]{};
    std::size_t size = 0;
};

template <Utf8Literal S> consteval auto toCp1252() {
    Cp1252Bytes<sizeof(S.text)> out{};
    const std::string_view in = S.view();
    std::size_t i = 0;
    while (i < in.size()) {
        const auto cp = decodeUtf8(in, i);
        if (!cp) throw "malformed UTF-8 in a fixed text";
        const auto b = cp1252FromCodePoint(*cp);
        if (!b) throw "a fixed text holds a character that Windows-1252 cannot hold";
        out.data[out.size++] = static_cast<char>(*b);
    }
    return out;
}

template <Utf8Literal S> inline constexpr auto cp1252Storage = toCp1252<S>();

} // namespace detail

inline namespace literals {
// "Função"_cp: the Windows-1252 bytes of a UTF-8 source literal, as a view of static storage.
template <detail::Utf8Literal S> constexpr std::string_view operator""_cp() {
    return {detail::cp1252Storage<S>.data, detail::cp1252Storage<S>.size};
}
} // namespace literals

} // namespace qv
