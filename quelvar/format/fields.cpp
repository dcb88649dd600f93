#include "format/fields.hpp"

#include "session/session.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace qv {

namespace {

// For every byte, 1 when the allowed set admits it (the letters a to z are tested as A to Z).
using CharSet = std::array<unsigned char, 256>;

constexpr unsigned char testForm(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

constexpr CharSet admitted(std::string_view allowed) {
    std::array<bool, 256> in{};
    for (const char c : allowed)
        in[static_cast<unsigned char>(c)] = true;
    CharSet set{};
    for (std::size_t b = 0; b < 256; ++b)
        set[b] = in[testForm(static_cast<unsigned char>(b))] ? 1 : 0;
    return set;
}

// Writes the characters of the text that the set admits to out, at most 255 of them; the
// characters that would come after the 255th are dropped. Returns how many.
std::size_t filter(char* out, const CharSet& set, std::string_view text) {
    std::size_t n = 0;
    if (text.size() <= maxShortText) {
        // Every character fits: each is written in turn and kept or not by the count alone.
        for (const char c : text) {
            out[n] = c;
            n += set[static_cast<unsigned char>(c)];
        }
        return n;
    }
    for (const char c : text) {
        if (n == maxShortText) break;
        if (set[static_cast<unsigned char>(c)]) out[n++] = c;
    }
    return n;
}

void filter(std::string& out, const CharSet& set, std::string_view text) {
    char buffer[maxShortText];
    out.assign(buffer, filter(buffer, set, text));
}

constexpr CharSet alfaSet = admitted(CaracteresAlfa);
constexpr CharSet numSet = admitted(CaracteresNum);

void padInPlace(std::string& text, std::size_t width, Ajuste kind) {
    if (text.size() >= width) return;
    if (kind == Ajuste::alfa)
        text.append(width - text.size(), ' ');
    else
        text.insert(0, width - text.size(), '0');
}

void cut(std::string& text, std::size_t capacity) {
    if (text.size() > capacity) text.resize(capacity);
}

void formato2(std::string& text, std::size_t width, std::size_t capacity, Ajuste kind) {
    if (width == 0) {
        text.clear();
        return;
    }
    cut(text, capacity);
    std::string_view source = text;
    if (kind == Ajuste::alfa) source = trimLeft(source);
    std::string filtered;
    filter(filtered, kind == Ajuste::alfa ? alfaSet : numSet, source);
    cut(filtered, capacity);
    cut(filtered, width);
    padInPlace(filtered, width, kind);
    cut(filtered, capacity);
    text = std::move(filtered);
}

void appendLabel(std::string& out, std::string_view label, std::size_t labelWidth) {
    out.append(label);
    if (label.size() < labelWidth) out.append(labelWidth - label.size(), ' ');
}

void formatoLog(Sessao& s, std::string& field, std::size_t width, std::string_view label,
                std::size_t labelWidth, Ajuste kind) {
    if (width == 0) {
        field.clear();
        return;
    }
    const std::string before = field;
    const std::size_t passados = ajustaCampo(field, before, width, kind);
    if (passados > width) observacaoCorte(s, label, labelWidth, width, passados);
    linhaTraco(s.ListaCampos.nova(), label, labelWidth, before, field);
}

} // namespace

std::size_t ajustaCampo(char* out, std::string_view text, std::size_t width, Ajuste kind) {
    if (kind == Ajuste::alfa) text = trimLeft(text);
    char buffer[maxShortText];
    const std::size_t passados = filter(buffer, kind == Ajuste::alfa ? alfaSet : numSet, text);
    const std::size_t kept = std::min(passados, width);
    if (kind == Ajuste::alfa) {
        std::size_t i = 0;
        for (; i < kept; ++i)
            out[i] = buffer[i];
        for (; i < width; ++i)
            out[i] = ' ';
    } else {
        const std::size_t zeros = width - kept;
        std::size_t i = 0;
        for (; i < zeros; ++i)
            out[i] = '0';
        for (std::size_t k = 0; k < kept; ++k)
            out[i + k] = buffer[k];
    }
    return passados;
}

std::size_t ajustaCampo(std::string& field, std::string_view text, std::size_t width, Ajuste kind) {
    char buffer[maxShortText];
    const std::size_t passados = ajustaCampo(buffer, text, width, kind);
    field.assign(buffer, width);
    return passados;
}

void linhaTraco(std::string& out, std::string_view label, std::size_t labelWidth, std::string_view before,
                std::string_view after) {
    out.reserve(label.size() + labelWidth + before.size() + after.size() + 6);
    out.push_back('\t');
    appendLabel(out, label, labelWidth);
    out.push_back('\t');
    out.append(before);
    out.append(" -> ");
    out.append(after);
}

void observacaoCorte(Sessao& s, std::string_view label, std::size_t labelWidth, std::size_t width,
                     std::size_t passados) {
    std::string& obs = s.ListaObservacoes.nova();
    appendLabel(obs, label, labelWidth);
    obs.append("\tQuantidade de caracteres maior que o permitido - Permitido: ");
    appendDecimal(obs, static_cast<std::int64_t>(width));
    obs.append("; Passados: ");
    appendDecimal(obs, static_cast<std::int64_t>(passados));
}

void RemoveInvalid(std::string& out, std::string_view allowed, std::string_view text) {
    const CharSet set = admitted(allowed);
    filter(out, set, text);
}

std::string RemoveInvalid(std::string_view allowed, std::string_view text) {
    std::string out;
    RemoveInvalid(out, allowed, text);
    return out;
}

std::string AlfaStuff(std::string_view text, std::size_t width) {
    if (width == 0) return {};
    std::string out(text);
    padInPlace(out, width, Ajuste::alfa);
    return out;
}

std::string NumStuff(std::string_view text, std::size_t width) {
    if (width == 0) return {};
    std::string out(text);
    padInPlace(out, width, Ajuste::num);
    return out;
}

void FormatoAlfa2(std::string& text, std::size_t width, std::size_t capacity) {
    formato2(text, width, capacity, Ajuste::alfa);
}

void FormatoNum2(std::string& text, std::size_t width, std::size_t capacity) {
    formato2(text, width, capacity, Ajuste::num);
}

void FormatoAlfaLog(Sessao& s, std::string& field, std::size_t width, std::string_view label,
                    std::size_t labelWidth) {
    formatoLog(s, field, width, label, labelWidth, Ajuste::alfa);
}

void FormatoNumLog(Sessao& s, std::string& field, std::size_t width, std::string_view label,
                   std::size_t labelWidth) {
    formatoLog(s, field, width, label, labelWidth, Ajuste::num);
}

} // namespace qv
