// SEF dates: the AAAAMMDD form of the file, the host's DD/MM/AAAA form, and date values (days
// counted from 30 December 1899; 0 also stands for no date and for an invalid date).
#pragma once

#include <string>
#include <string_view>

namespace qv {

struct Sessao;

// 1 for a valid AAAAMMDD text (year from positions 1-4, month 5-6, day from position 7 on, at most
// eight characters; each read by the integer conversion). A day that converts to a number beyond
// any month's length, however large, makes the date invalid.
bool IsSEFDate(std::string_view text);

// The date value of a valid SEF date text, 0 otherwise.
double SEFDateToDateTime(std::string_view text);

// DDMMAAAA -> AAAAMMDD by position (5 to the end, then 3-4, then 1-2), nothing validated; a blank
// text is left unchanged; positions that a short text lacks contribute nothing; cut to capacity.
void ddmmaaaaToSEFDate(std::string& text, std::size_t capacity = 255);
// The same on an eight-character field in place.
void ddmmaaaaToSEFDate8(char* field);

// The labelled date formatter of the record exports: eight digits with a trace line, then
// rearranged to AAAAMMDD (that step leaves no trace).
void FormatoDataLog(Sessao& s, std::string& field, std::string_view label, std::size_t labelWidth = 0);

// The date value of a calendar date (proleptic Gregorian, years 1 to 9999).
double dateValue(int year, unsigned month, unsigned day);

// First-day and last-day tests of record 10: d is the first (last) day of its own month.
bool isFirstDayOfMonth(double d);
bool isLastDayOfMonth(double d);

// A date value in the short date form of the regional settings.
std::string textoData(double d);

} // namespace qv
