#include "format/encoding.hpp"

namespace qv {

std::optional<std::string> utf8ToCp1252(std::string_view utf8, std::size_t* errorAt) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t start = i;
        const auto cp = decodeUtf8(utf8, i);
        const auto b = cp ? cp1252FromCodePoint(*cp) : std::nullopt;
        if (!b) {
            if (errorAt) *errorAt = start;
            return std::nullopt;
        }
        out.push_back(static_cast<char>(*b));
    }
    return out;
}

std::string cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() * 2);
    for (const char c : cp1252) {
        const char32_t cp = codePointFromCp1252(static_cast<unsigned char>(c));
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

} // namespace qv
