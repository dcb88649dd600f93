// Field formatting: character filtering, padding and cutting of the fields of a SEF line, and the
// labelled formatters that also leave a trace line and, for a cut field, an observation.
#pragma once

#include "format/text.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

struct Sessao;

// The characters an alphanumeric field admits: capitals, the Portuguese accented letters in both
// cases, the blank and the digits. Lower-case a to z pass as their capitals (RemoveInvalid).
inline constexpr std::string_view CaracteresAlfa =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZàâêôûãõáéíóúçüÀÂÊÔÛÃÕÁÉÍÓÚÇÜ 0123456789"_cp;
inline constexpr std::string_view CaracteresNum = "0123456789";

// The characters of the text that the allowed set admits (a to z tested as A to Z), at most 255.
void RemoveInvalid(std::string& out, std::string_view allowed, std::string_view text);
std::string RemoveInvalid(std::string_view allowed, std::string_view text);

// The text padded on the right with blanks (AlfaStuff) or on the left with zeros (NumStuff) to the
// width; empty for width 0; a longer text is returned unchanged.
std::string AlfaStuff(std::string_view text, std::size_t width);
std::string NumStuff(std::string_view text, std::size_t width);

// In place: the text becomes an alphanumeric (numeric) field of exactly the width. Every
// intermediate value is cut to the capacity of the caller's area.
void FormatoAlfa2(std::string& text, std::size_t width, std::size_t capacity = maxShortText);
void FormatoNum2(std::string& text, std::size_t width, std::size_t capacity = maxShortText);

// How a field is fitted: alphanumeric (leading blanks and control characters removed, the
// alphanumeric set, blank-padded on the right) or numeric (digits only, zero-padded on the left).
enum class Ajuste { alfa, num };

// Fits a text to a field of exactly the width, written to out (width bytes); returns the length
// of the filtered text before it was cut (more than the width when the field was cut).
std::size_t ajustaCampo(char* out, std::string_view text, std::size_t width, Ajuste kind);
std::size_t ajustaCampo(std::string& field, std::string_view text, std::size_t width, Ajuste kind);

// The trace line of a field: a tab, the label padded with blanks to labelWidth, a tab, the text
// before formatting, " -> " and the formatted text.
void linhaTraco(std::string& out, std::string_view label, std::size_t labelWidth, std::string_view before,
                std::string_view after);

// Adds the observation of a cut field to ListaObservacoes.
void observacaoCorte(Sessao& s, std::string_view label, std::size_t labelWidth, std::size_t width,
                     std::size_t passados);

// The labelled formatters of the record exports: the field (a working field of at most 255
// characters) is rewritten in place; the trace line goes to ListaCampos and, when the filtered
// text is longer than the width, the observation goes to ListaObservacoes. The label is padded
// with blanks to labelWidth (the record's label width) in both.
void FormatoAlfaLog(Sessao& s, std::string& field, std::size_t width, std::string_view label,
                    std::size_t labelWidth = 0);
void FormatoNumLog(Sessao& s, std::string& field, std::size_t width, std::string_view label,
                   std::size_t labelWidth = 0);

} // namespace qv
