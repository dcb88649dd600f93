#include "format/dates.hpp"

#include "format/fields.hpp"
#include "format/text.hpp"
#include "platform/platform.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>

namespace qv {

namespace {

using namespace std::chrono;

constexpr sys_days epoch = sys_days{year{1899} / December / 30};

struct Ymd {
    int y;
    unsigned m;
    unsigned d;
};

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr int digits(std::string_view t) {
    int n = 0;
    for (const char c : t)
        n = n * 10 + (c - '0');
    return n;
}

std::optional<Ymd> readSEFDate(std::string_view text) {
    // The form every formatted date field has, eight digits, is read directly; the integer
    // conversion of each part would give the same numbers.
    if (text.size() == 8 && std::all_of(text.begin(), text.end(), isDigit)) {
        const int y = digits(text.substr(0, 4));
        const auto m = static_cast<unsigned>(digits(text.substr(4, 2)));
        const auto d = static_cast<unsigned>(digits(text.substr(6, 2)));
        if (y < 1 || m < 1 || m > 12 || d < 1) return std::nullopt;
        const year_month_day_last last{year{y}, month_day_last{month{m}}};
        if (d > static_cast<unsigned>(last.day())) return std::nullopt;
        return Ymd{y, m, d};
    }
    if (isBlank(text)) return std::nullopt;
    if (text.size() < 7) return std::nullopt;
    const auto y = toInt32(text.substr(0, 4));
    const auto m = toInt32(text.substr(4, 2));
    const auto d = toInt32(text.substr(6, 8));
    if (!y || !m || !d) return std::nullopt;
    if (*y < 1 || *y > 9999 || *m < 1 || *m > 12 || *d < 1 || *d > 31) return std::nullopt;
    const year_month_day ymd{year{*y}, month{static_cast<unsigned>(*m)}, day{static_cast<unsigned>(*d)}};
    if (!ymd.ok()) return std::nullopt;
    return Ymd{*y, static_cast<unsigned>(*m), static_cast<unsigned>(*d)};
}

// The date values of 1 January of year 1 and 31 December 9999.
constexpr double firstDateValue = static_cast<double>((sys_days{year{1} / January / 1} - epoch).count());
constexpr double lastDateValue = static_cast<double>((sys_days{year{9999} / December / 31} - epoch).count());

constexpr bool inCalendar(double d) {
    return d >= firstDateValue && d < lastDateValue + 1;
}

year_month_day toYmd(double d) {
    return year_month_day{epoch + days{static_cast<long>(std::floor(d))}};
}

} // namespace

double dateValue(int y, unsigned m, unsigned d) {
    const sys_days day = sys_days{year{y} / month{m} / std::chrono::day{d}};
    return static_cast<double>((day - epoch).count());
}

bool IsSEFDate(std::string_view text) {
    return readSEFDate(text).has_value();
}

double SEFDateToDateTime(std::string_view text) {
    const auto ymd = readSEFDate(text);
    return ymd ? dateValue(ymd->y, ymd->m, ymd->d) : 0.0;
}

void ddmmaaaaToSEFDate(std::string& text, std::size_t capacity) {
    if (isBlank(text)) return;
    // Positions 5 to the end, then 3 and 4, then 1 and 2, rearranged in place; a text of one to
    // three characters has no positions beyond its end to contribute.
    const std::size_t n = text.size();
    if (n >= 4) {
        std::rotate(text.begin(), text.begin() + 4, text.end());
        std::rotate(text.end() - 4, text.end() - 2, text.end());
    } else if (n == 3) {
        std::rotate(text.begin(), text.begin() + 2, text.end());
    }
    if (text.size() > capacity) text.resize(capacity);
}

void ddmmaaaaToSEFDate8(char* field) {
    std::rotate(field, field + 4, field + 8);
    std::rotate(field + 4, field + 6, field + 8);
}

void FormatoDataLog(Sessao& s, std::string& field, std::string_view label, std::size_t labelWidth) {
    FormatoNumLog(s, field, 8, label, labelWidth);
    ddmmaaaaToSEFDate(field);
}

// The first-day and last-day tests compare d with the date value of the first (last) day of d's
// own month, so a value between two days (a time of day) passes neither. A value outside the
// calendar of years 1 to 9999, NaN included, is no date and fails both.
bool isFirstDayOfMonth(double d) {
    if (!inCalendar(d)) return false;
    const auto ymd = toYmd(d);
    return d == static_cast<double>((sys_days{ymd.year() / ymd.month() / day{1}} - epoch).count());
}

bool isLastDayOfMonth(double d) {
    if (!inCalendar(d)) return false;
    const auto ymd = toYmd(d);
    return d == static_cast<double>((sys_days{ymd.year() / ymd.month() / last} - epoch).count());
}

std::string textoData(double d) {
    const auto ymd = toYmd(d);
    return platform::shortDate(platform::regional(), static_cast<int>(ymd.year()),
                               static_cast<int>(static_cast<unsigned>(ymd.month())),
                               static_cast<int>(static_cast<unsigned>(ymd.day())));
}

} // namespace qv
