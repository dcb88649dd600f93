#include "batch.hpp"

#include "format/encoding.hpp"

namespace sefgen {

std::optional<std::vector<std::string>> splitLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') return std::nullopt;
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '|' || line[i + 1] == '\\')) {
            parts.back().push_back(line[++i]);
        } else if (c == '|') {
            parts.emplace_back();
        } else {
            parts.back().push_back(c);
        }
    }
    return parts;
}

ParsedLine parseLine(std::string_view line, std::size_t number, Encoding encoding) {
    ParsedLine out;
    auto parts = splitLine(line);
    if (!parts) return out;
    BatchLine call;
    call.number = number;
    const std::string_view name = (*parts)[0];
    const auto a = name.find_first_not_of(" \t");
    const auto b = name.find_last_not_of(" \t");
    call.name = std::string(name.substr(a, b - a + 1));
    for (std::size_t i = 1; i < parts->size(); ++i) {
        std::string& field = (*parts)[i];
        if (encoding == Encoding::utf8) {
            std::size_t at = 0;
            auto converted = qv::utf8ToCp1252(field, &at);
            if (!converted) {
                out.error = BatchError{number, "campo " + std::to_string(i) + ": o caractere na posição " +
                                                   std::to_string(at + 1) +
                                                   " não tem forma em Windows-1252 (ou o texto não é UTF-8)"};
                return out;
            }
            field = std::move(*converted);
        }
        if (field.size() > 255) {
            out.error = BatchError{number, "campo " + std::to_string(i) + " tem " +
                                               std::to_string(field.size()) + " caracteres; o máximo é 255"};
            return out;
        }
        call.fields.push_back(std::move(field));
    }
    out.call = std::move(call);
    return out;
}

} // namespace sefgen
