// SEF dates: reading AAAAMMDD texts, the DDMMAAAA rearrangement, the labelled date formatter,
// date values, the first-day and last-day tests and the period text.
#include "format/dates.hpp"
#include "session/session.hpp"
#include "support/support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;

std::vector<std::string> linhas(const qv::ListaLinhas& lista) {
    return {lista.begin(), lista.end()};
}

// ---- date values ----

TEST(DateValue, DaysCountedFromThe30thOfDecember1899) {
    struct Case {
        int y;
        unsigned m, d;
        double value;
    };
    const Case cases[] = {
        {1899, 12, 30, 0},    {1899, 12, 31, 1},    {1900, 1, 1, 2},      {1900, 2, 28, 60},
        {1900, 3, 1, 61},     {2000, 2, 29, 36585}, {2004, 2, 29, 38046}, {2005, 1, 1, 38353},
        {2005, 1, 31, 38383}, {1899, 12, 29, -1},   {1, 1, 1, -693593},   {9999, 12, 31, 2958465},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qv::dateValue(c.y, c.m, c.d), c.value) << c.y << "-" << c.m << "-" << c.d;
}

// ---- IsSEFDate and SEFDateToDateTime ----

struct SEFDateCase {
    std::string_view text;
    bool valid;
    double value; // the date value when valid
};

void expectSEFDates(std::initializer_list<SEFDateCase> cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(qv::IsSEFDate(c.text), c.valid) << "\"" << c.text << "\"";
        EXPECT_EQ(qv::SEFDateToDateTime(c.text), c.valid ? c.value : 0.0) << "\"" << c.text << "\"";
    }
}

TEST(SEFDate, CalendarLimits) {
    expectSEFDates({
        {"20050101", true, 38353},
        {"19000101", true, 2},
        {"18991231", true, 1},
        {"18991230", true, 0}, // a valid date whose value is the one of no date
        {"20050131", true, 38383},
        {"20050132", false, 0},
        {"20050430", true, 38472},
        {"20050431", false, 0},
        {"20051231", true, 38717},
        {"20050100", false, 0},
        {"20050001", false, 0},
        {"20051301", false, 0},
        {"20059901", false, 0},
        {"00010101", true, -693593},
        {"00000101", false, 0},
        {"99991231", true, 2958465},
    });
}

TEST(SEFDate, LeapYears) {
    expectSEFDates({
        {"20040229", true, 38046},
        {"20050229", false, 0},
        {"20050228", true, 38411},
        {"20000229", true, 36585}, // a century divisible by 400
        {"19000229", false, 0},    // a century that is not
        {"21000229", false, 0},
        {"24000229", true, 182682},
        {"19960229", true, 35124},
        {"00040229", true, -692439},
        {"00010229", false, 0},
        {"20040230", false, 0},
    });
}

TEST(SEFDate, BlankAndShortTexts) {
    expectSEFDates({
        {"", false, 0},
        {"        ", false, 0},
        {"\t\r\n \0"sv, false, 0},
        {"2005011", true, 38353}, // seven characters: the day is "1"
        {"200501", false, 0},
        {"2005", false, 0},
        {"abcdefgh", false, 0},
        {"2005-1-1", false, 0},
        {"05/01/20", false, 0},
    });
}

TEST(SEFDate, EachPartIsReadByTheIntegerConversion) {
    expectSEFDates({
        {"20050101 ", false, 0}, // a trailing blank in the day
        {"2005010 1", false, 0}, // a blank inside the day
        {"20050101\0"sv, false, 0},
        {" 20050101", false, 0},   // the text is not trimmed: the year is " 200", the month "50"
        {"2005 101", true, 38353}, // the month " 1": leading blanks are allowed in a part
        {"200501 1", true, 38353},
        {"200501+1", true, 38353},
        {"200501-1", false, 0},
        {"200501x1", true, 38353}, // "x1" is hexadecimal 1
        {"$7D50101", true, 38353}, // "$7D5" is 2005
        {"-0010101", false, 0},
        {"+0050101", true, -692132},
        {"20050a01", false, 0},
    });
}

TEST(SEFDate, DayIsReadFromAtMostEightCharacters) {
    expectSEFDates({
        {"20050100000001", true, 38353},  // the day "00000001"
        {"200501000000001", false, 0},    // the ninth character of the day is not read: day 0
        {"200501310000000", false, 0},    // day 31000000
        {"2005010100000009", false, 0},   // day 1000000
        {"200501000000031", true, 38355}, // the day "00000003": the final "1" is not read
        {"2005013100000000", false, 0},
        // days beyond any month's length are invalid however large, also past 65535
        {"2005010165537", false, 0},
        {"2005010100065537", false, 0},
        {"200501004294967297", false, 0},
    });
}

// ---- ddmmaaaaToSEFDate ----

TEST(DdmmaaaaToSEFDate, RearrangesByPositionWithoutValidating) {
    struct Case {
        std::string text;
        std::string result;
    };
    const Case cases[] = {
        {"31012005", "20050131"},
        {"01012005", "20050101"},
        {"99999999", "99999999"},
        {"12345678", "56783412"},
        {"0101200", "2000101"}, // seven characters
        {"00112005", "20051100"},
        {"01/01/2005", "1/2005/001"},
        {" 1012005", "200501 1"},
        {"abcdefghij", "efghijcdab"},
        {"abcde", "ecdab"},
        {"abcd", "cdab"},
        // one to three characters: the positions that are missing add nothing
        {"abc", "cab"},
        {"ab", "ab"},
        {"a", "a"},
        // a blank text is left as it is
        {"", ""},
        {"        ", "        "},
        {std::string("\t\0 ", 3), std::string("\t\0 ", 3)},
    };
    for (const auto& c : cases) {
        std::string t = c.text;
        qv::ddmmaaaaToSEFDate(t);
        EXPECT_EQ(t, c.result) << "\"" << c.text << "\"";
    }
}

TEST(DdmmaaaaToSEFDate, ResultIsCutToTheCapacity) {
    struct Case {
        std::string text;
        std::size_t capacity;
        std::string result;
    };
    const Case cases[] = {
        {"31012005", 8, "20050131"}, {"31012005", 6, "200501"}, {"31012005", 4, "2005"},
        {"31012005", 0, ""},         {"   ", 0, "   "}, // blank: not touched at all
    };
    for (const auto& c : cases) {
        std::string t = c.text;
        qv::ddmmaaaaToSEFDate(t, c.capacity);
        EXPECT_EQ(t, c.result) << "\"" << c.text << "\" capacity " << c.capacity;
    }
    std::string longest(251, '9');
    longest = "3101" + longest;
    qv::ddmmaaaaToSEFDate(longest);
    EXPECT_EQ(longest, std::string(251, '9') + "0131");
}

// ---- FormatoDataLog ----

TEST(FormatoDataLog, HostDateBecomesAAAAMMDDWithTheTraceOfTheDigits) {
    struct Case {
        std::string before;
        std::string digits; // the trace shows the eight digits in host order
        std::string field;
        bool valid;
        std::size_t passados; // 0: no observation
    };
    const Case cases[] = {
        {"31/01/2005", "31012005", "20050131", true, 0},
        {"01/01/2005", "01012005", "20050101", true, 0},
        {"29.02.2004", "29022004", "20040229", true, 0},
        {"29/02/2005", "29022005", "20050229", false, 0},
        {"", "00000000", "00000000", false, 0},
        {"  /  /    ", "00000000", "00000000", false, 0},
        {"1/1/2005", "00112005", "20051100", false, 0}, // padded on the left before the rearrangement
        {"31/01/2005 10:30", "31012005", "20050131", true, 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.before + "\"");
        qv::Sessao s;
        const std::string label = "Data de emiss\xE3o:    ";
        std::string field = c.before;
        qv::FormatoDataLog(s, field, label);
        EXPECT_EQ(field, c.field);
        EXPECT_EQ(qv::IsSEFDate(field), c.valid);
        EXPECT_EQ(linhas(s.ListaCampos),
                  std::vector<std::string>{"\t" + label + "\t" + c.before + " -> " + c.digits});
        if (c.passados == 0)
            EXPECT_TRUE(s.ListaObservacoes.empty());
        else
            EXPECT_EQ(
                linhas(s.ListaObservacoes),
                std::vector<std::string>{label +
                                         "\tQuantidade de caracteres maior que o permitido - Permitido: 8; "
                                         "Passados: " +
                                         std::to_string(c.passados)});
    }
}

// ---- first-day and last-day tests ----

TEST(MonthBoundaries, FirstAndLastDayOfTheDatesOwnMonth) {
    struct Case {
        double d;
        bool first;
        bool last;
        const char* what;
    };
    const Case cases[] = {
        {qv::dateValue(2005, 1, 1), true, false, "2005-01-01"},
        {qv::dateValue(2005, 1, 2), false, false, "2005-01-02"},
        {qv::dateValue(2005, 1, 30), false, false, "2005-01-30"},
        {qv::dateValue(2005, 1, 31), false, true, "2005-01-31"},
        {qv::dateValue(2005, 2, 28), false, true, "2005-02-28"},
        {qv::dateValue(2004, 2, 28), false, false, "2004-02-28 (leap year)"},
        {qv::dateValue(2004, 2, 29), false, true, "2004-02-29"},
        {qv::dateValue(2004, 3, 1), true, false, "2004-03-01"},
        {qv::dateValue(1900, 2, 28), false, true, "1900-02-28 (not a leap year)"},
        {qv::dateValue(2000, 2, 28), false, false, "2000-02-28 (leap year)"},
        {qv::dateValue(2000, 2, 29), false, true, "2000-02-29"},
        {qv::dateValue(2100, 2, 28), false, true, "2100-02-28"},
        {qv::dateValue(2005, 4, 30), false, true, "2005-04-30"},
        {qv::dateValue(2005, 4, 29), false, false, "2005-04-29"},
        {qv::dateValue(2005, 12, 31), false, true, "2005-12-31"},
        {qv::dateValue(2006, 1, 1), true, false, "2006-01-01"},
        {qv::dateValue(1, 1, 1), true, false, "0001-01-01"},
        {qv::dateValue(9999, 12, 31), false, true, "9999-12-31"},
        {0, false, false, "no date (1899-12-30)"},
        {1, false, true, "1899-12-31"},
        {2, true, false, "1900-01-01"},
        {-29, true, false, "1899-12-01"},
        // only the date value of the day itself passes, not a time of that day
        {38353.5, false, false, "2005-01-01 at noon"},
        {38383.75, false, false, "2005-01-31 in the evening"},
        // values that are no date at all fail both
        {std::numeric_limits<double>::quiet_NaN(), false, false, "NaN"},
        {std::numeric_limits<double>::infinity(), false, false, "infinity"},
        {-std::numeric_limits<double>::infinity(), false, false, "-infinity"},
        {1e300, false, false, "1e300"},
        {-1e300, false, false, "-1e300"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qv::isFirstDayOfMonth(c.d), c.first) << c.what;
        EXPECT_EQ(qv::isLastDayOfMonth(c.d), c.last) << c.what;
    }
}

// ---- period text ----

TEST(TextoData, ShortDateOfBrazilianSettings) {
    const qvtest::LocaleEnv locale("pt_BR.UTF-8");
    struct Case {
        double d;
        std::string_view text;
    };
    const Case cases[] = {
        {38353, "01/01/2005"},   {38383, "31/01/2005"}, {38046, "29/02/2004"},
        {2, "01/01/1900"},       {0, "30/12/1899"}, // an invalid date shows as the day of no date
        {2958465, "31/12/9999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qv::textoData(c.d), c.text) << c.d;
}

} // namespace
