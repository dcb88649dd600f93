#include "format/fields.hpp"

#include "session/session.hpp"

#include <algorithm>
#include <array>

namespace qv {

namespace {

using CharSet = std::array<bool, 256>;

CharSet admitted(std::string_view allowed) {
    CharSet set{};
    for (const char c : allowed) set[static_cast<unsigned char>(c)] = true;
    return set;
}

constexpr unsigned char testForm(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

void filter(std::string& out, const CharSet& set, std::string_view text) {
    out.clear();
    for (const char c : text) {
        if (out.size() == maxShortText) break; // the rest would be dropped anyway
        if (set[testForm(static_cast<unsigned char>(c))]) out.push_back(c);
    }
}

const CharSet& alfaSet() {
    static const CharSet set = admitted(CaracteresAlfa);
    return set;
}
const CharSet& numSet() {
    static const CharSet set = admitted(CaracteresNum);
    return set;
}

enum class Kind { alfa, num };

void padInPlace(std::string& text, std::size_t width, Kind kind) {
    if (text.size() >= width) return;
    if (kind == Kind::alfa)
        text.append(width - text.size(), ' ');
    else
        text.insert(0, width - text.size(), '0');
}

void cut(std::string& text, std::size_t capacity) {
    if (text.size() > capacity) text.resize(capacity);
}

void formato2(std::string& text, std::size_t width, std::size_t capacity, Kind kind) {
    if (width == 0) {
        text.clear();
        return;
    }
    cut(text, capacity);
    std::string_view source = text;
    if (kind == Kind::alfa) source = trimLeft(source);
    std::string filtered;
    filter(filtered, kind == Kind::alfa ? alfaSet() : numSet(), source);
    cut(filtered, capacity);
    cut(filtered, width);
    padInPlace(filtered, width, kind);
    cut(filtered, capacity);
    text = std::move(filtered);
}

void formatoLog(Sessao& s, std::string& field, std::size_t width, std::string_view label, Kind kind) {
    if (width == 0) {
        field.clear();
        return;
    }
    std::string& trace = s.ListaCampos.nova();
    trace.push_back('\t');
    trace.append(label);
    trace.push_back('\t');
    trace.append(field); // the field as received
    trace.append(" -> ");

    std::string_view source = field;
    if (kind == Kind::alfa) source = trimLeft(source);
    thread_local std::string filtered;
    filter(filtered, kind == Kind::alfa ? alfaSet() : numSet(), source);
    if (filtered.size() > width) {
        std::string& obs = s.ListaObservacoes.nova();
        obs.append(label);
        obs.append("\tQuantidade de caracteres maior que o permitido - Permitido: ");
        appendDecimal(obs, static_cast<std::int64_t>(width));
        obs.append("; Passados: ");
        appendDecimal(obs, static_cast<std::int64_t>(filtered.size()));
        filtered.resize(width);
    }
    padInPlace(filtered, width, kind);
    field.assign(filtered);
    trace.append(field);
}

} // namespace

void RemoveInvalid(std::string& out, std::string_view allowed, std::string_view text) {
    filter(out, admitted(allowed), text);
}

std::string RemoveInvalid(std::string_view allowed, std::string_view text) {
    std::string out;
    RemoveInvalid(out, allowed, text);
    return out;
}

std::string AlfaStuff(std::string_view text, std::size_t width) {
    if (width == 0) return {};
    std::string out(text);
    padInPlace(out, width, Kind::alfa);
    return out;
}

std::string NumStuff(std::string_view text, std::size_t width) {
    if (width == 0) return {};
    std::string out(text);
    padInPlace(out, width, Kind::num);
    return out;
}

void FormatoAlfa2(std::string& text, std::size_t width, std::size_t capacity) {
    formato2(text, width, capacity, Kind::alfa);
}

void FormatoNum2(std::string& text, std::size_t width, std::size_t capacity) {
    formato2(text, width, capacity, Kind::num);
}

void FormatoAlfaLog(Sessao& s, std::string& field, std::size_t width, std::string_view label) {
    formatoLog(s, field, width, label, Kind::alfa);
}

void FormatoNumLog(Sessao& s, std::string& field, std::size_t width, std::string_view label) {
    formatoLog(s, field, width, label, Kind::num);
}

} // namespace qv
