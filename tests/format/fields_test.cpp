// Character filtering, padding and cutting of fields; the trace and observation lines of the
// labelled formatters.
#include "format/fields.hpp"
#include "session/session.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;
using namespace qv::literals;

// The bytes an alphanumeric field admits: the capitals, the fourteen accented letters in both
// cases, the blank and the digits.
std::string alfaBytes() {
    std::string s = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    s += "\xE0\xE2\xEA\xF4\xFB\xE3\xF5\xE1\xE9\xED\xF3\xFA\xE7\xFC";
    s += "\xC0\xC2\xCA\xD4\xDB\xC3\xD5\xC1\xC9\xCD\xD3\xDA\xC7\xDC";
    s += " 0123456789";
    return s;
}

std::string allBytes() {
    std::string s;
    for (int b = 0; b < 256; ++b)
        s.push_back(static_cast<char>(b));
    return s;
}

// A record's label as the trace lines hold it: padded with blanks to the record's label width.
std::string rotulo(std::string_view label, std::size_t width) {
    std::string s(label);
    s.resize(std::max(width, s.size()), ' ');
    return s;
}

std::vector<std::string> linhas(const qv::ListaLinhas& lista) {
    return {lista.begin(), lista.end()};
}

std::string observacao(std::string_view label, std::size_t permitido, std::size_t passados) {
    return std::string(label) +
           "\tQuantidade de caracteres maior que o permitido - Permitido: " + std::to_string(permitido) +
           "; Passados: " + std::to_string(passados);
}

std::string rastro(std::string_view label, std::string_view antes, std::string_view depois) {
    return "\t" + std::string(label) + "\t" + std::string(antes) + " -> " + std::string(depois);
}

// ---- RemoveInvalid ----

TEST(RemoveInvalid, AlphanumericSetKeepsExactlyItsCharactersAndLowerCaseAToZ) {
    const std::string admitted = alfaBytes();
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const bool expected = admitted.find(c) != std::string::npos || (c >= 'a' && c <= 'z');
        const std::string in = std::string("<") + c + ">";
        EXPECT_EQ(qv::RemoveInvalid(qv::CaracteresAlfa, in), expected ? std::string(1, c) : std::string())
            << "byte " << b;
    }
}

TEST(RemoveInvalid, KeepsTheOriginalCaseAndOrder) {
    struct Case {
        std::string_view allowed;
        std::string_view text;
        std::string_view result;
    };
    const Case cases[] = {
        {qv::CaracteresAlfa, "Rua São João, 12-A"_cp, "Rua São João 12A"_cp},
        {qv::CaracteresAlfa, "ação AÇÃO"_cp, "ação AÇÃO"_cp},
        // accented letters outside the set are dropped, whatever their case
        {qv::CaracteresAlfa, "èñÑÈäÄ-/.,;:!?"_cp, ""sv},
        {qv::CaracteresAlfa, "a\tb\r\nc\0d"sv, "abcd"sv},
        {qv::CaracteresNum, "-5,00"sv, "500"sv},
        {qv::CaracteresNum, "12.345.678/0001-90"sv, "12345678000190"sv},
        {qv::CaracteresNum, "abc"sv, ""sv},
        {""sv, "anything 123"sv, ""sv},
        {"0"sv, "10203x0"sv, "000"sv},
        // the test form is the capital: a lower-case set admits nothing, a capital admits both cases
        {"abc"sv, "abcABC"sv, ""sv},
        {"A"sv, "aAbB"sv, "aA"sv},
        // the accented letters have no test form of their own: only the byte itself matches
        {"\xC7"sv, "\xE7\xC7"sv, "\xC7"sv},
        {"-/"sv, "12/34-5"sv, "/-"sv},
        {""sv, ""sv, ""sv},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qv::RemoveInvalid(c.allowed, c.text), c.result) << c.text;
}

TEST(RemoveInvalid, ResultHoldsAtMost255Characters) {
    const std::string a255(255, 'A');
    EXPECT_EQ(qv::RemoveInvalid(qv::CaracteresAlfa, a255), a255);
    // the 256th admitted character and those after it are dropped
    EXPECT_EQ(qv::RemoveInvalid(qv::CaracteresAlfa, a255 + "BCD"), a255);
    EXPECT_EQ(qv::RemoveInvalid(qv::CaracteresNum, std::string(300, '7')), std::string(255, '7'));
    // what counts is the number of admitted characters, not the length of the text
    std::string mixed;
    for (int i = 0; i < 200; ++i)
        mixed += "1-";
    EXPECT_EQ(qv::RemoveInvalid(qv::CaracteresNum, mixed), std::string(200, '1'));
    // a text of every byte, many times over, still gives 255 characters
    std::string big;
    for (int i = 0; i < 30; ++i)
        big += allBytes();
    EXPECT_EQ(qv::RemoveInvalid(qv::CaracteresNum, big).size(), 255u);
}

TEST(RemoveInvalid, OutputOverloadReplacesThePreviousContent) {
    std::string out = "old content";
    qv::RemoveInvalid(out, qv::CaracteresNum, "a1b2");
    EXPECT_EQ(out, "12");
    qv::RemoveInvalid(out, qv::CaracteresNum, "none");
    EXPECT_EQ(out, "");
}

// ---- AlfaStuff and NumStuff ----

TEST(Stuff, PadsToTheWidthAndNeverCuts) {
    struct Case {
        std::string_view text;
        std::size_t width;
        std::string alfa;
        std::string num;
    };
    const Case cases[] = {
        {"ABC", 0, "", ""},
        {"", 0, "", ""},
        {"ABCDEF", 3, "ABCDEF", "ABCDEF"},
        {"ABC", 3, "ABC", "ABC"},
        {"12", 5, "12   ", "00012"},
        {"", 4, "    ", "0000"},
        {" x ", 5, " x   ", "00 x "},
        {"", 255, std::string(255, ' '), std::string(255, '0')},
        {std::string_view("\xE7"), 2, "\xE7 ", "0\xE7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qv::AlfaStuff(c.text, c.width), c.alfa) << c.text << " / " << c.width;
        EXPECT_EQ(qv::NumStuff(c.text, c.width), c.num) << c.text << " / " << c.width;
    }
}

// ---- FormatoAlfa2 and FormatoNum2 ----

struct Formato2Case {
    std::string text;
    std::size_t width;
    std::string result;
};

TEST(FormatoAlfa2, BecomesAnAlphanumericFieldOfExactlyTheWidth) {
    const Formato2Case cases[] = {
        {"  x-y", 4, "xy  "},
        {"ABC", 0, ""},
        {"", 0, ""},
        {"", 5, "     "},
        {"   ", 3, "   "},
        {"---", 3, "   "},
        {"ABCDEFGH", 3, "ABC"},
        {"ABC", 3, "ABC"},
        // only the leading blanks and control characters go; inner and trailing blanks stay
        {"\t\x01\r\n a b ", 6, "a b   "},
        {"ab     ", 3, "ab "},
        // characters outside the set are dropped before the cut, so they take no room
        {"A.B.C.D", 3, "ABC"},
        {std::string("Jos\xE9 Mar\xEDn\xF1o", 12), 12, std::string("Jos\xE9 Mar\xEDno ", 12)},
        {std::string(255, 'z'), 255, std::string(255, 'z')},
    };
    for (const auto& c : cases) {
        std::string t = c.text;
        qv::FormatoAlfa2(t, c.width);
        EXPECT_EQ(t, c.result) << "\"" << c.text << "\" width " << c.width;
    }
}

TEST(FormatoNum2, BecomesANumericFieldOfExactlyTheWidth) {
    const Formato2Case cases[] = {
        {"12.345.678/0001-90", 14, "12345678000190"},
        {"1234567", 5, "12345"}, // the leftmost digits are kept
        {"12", 5, "00012"},
        {"", 8, "00000000"},
        {"ABC", 3, "000"},
        {"-5,00", 5, "00500"},
        {" 1 2 ", 3, "012"},
        {"999", 0, ""},
        {"518,19", 13, "0000000051819"},
        {"518,1", 13, "0000000005181"},
        {"", 255, std::string(255, '0')},
    };
    for (const auto& c : cases) {
        std::string t = c.text;
        qv::FormatoNum2(t, c.width);
        EXPECT_EQ(t, c.result) << "\"" << c.text << "\" width " << c.width;
    }
}

TEST(Formato2, ResultIsCutToTheCapacityOfTheCallersArea) {
    struct Case {
        bool alfa;
        std::string text;
        std::size_t width;
        std::size_t capacity;
        std::string result;
    };
    const Case cases[] = {
        {true, "ABC", 10, 5, "ABC  "}, {true, "ABCDE", 10, 5, "ABCDE"}, {true, "A-B", 4, 3, "AB "},
        {false, "12", 10, 4, "0000"}, // the padding itself is cut
        {false, "1234", 3, 4, "123"},  {true, "AB", 3, 0, ""},          {false, "12", 3, 255, "012"},
    };
    for (const auto& c : cases) {
        std::string t = c.text;
        if (c.alfa)
            qv::FormatoAlfa2(t, c.width, c.capacity);
        else
            qv::FormatoNum2(t, c.width, c.capacity);
        EXPECT_EQ(t, c.result) << "\"" << c.text << "\" width " << c.width << " capacity " << c.capacity;
    }
}

// ---- the labelled formatters ----

TEST(FormatoAlfaLog, CutFieldLeavesTraceAndObservation) {
    qv::Sessao s;
    const std::string label = rotulo("Logradouro:", 29);
    std::string field = "  Rua das Flores, 100";
    qv::FormatoAlfaLog(s, field, 10, label);

    EXPECT_EQ(field, "Rua das Fl");
    EXPECT_EQ(
        linhas(s.ListaCampos),
        std::vector<std::string>{"\tLogradouro:                  \t  Rua das Flores, 100 -> Rua das Fl"});
    // the filtered length: leading blanks and the comma are gone before it is counted
    EXPECT_EQ(linhas(s.ListaObservacoes),
              std::vector<std::string>{"Logradouro:                  \tQuantidade de caracteres maior que o "
                                       "permitido - Permitido: 10; Passados: 18"});
    EXPECT_TRUE(s.ListaErros.empty());
}

TEST(FormatoNumLog, CutFieldLeavesTraceAndObservation) {
    qv::Sessao s;
    const std::string label = rotulo("CNPJ:", 12);
    std::string field = "12.345.678/0001-90 ";
    qv::FormatoNumLog(s, field, 8, label);

    EXPECT_EQ(field, "12345678");
    EXPECT_EQ(linhas(s.ListaCampos),
              std::vector<std::string>{"\tCNPJ:       \t12.345.678/0001-90  -> 12345678"});
    EXPECT_EQ(linhas(s.ListaObservacoes),
              std::vector<std::string>{"CNPJ:       \tQuantidade de caracteres maior que o permitido - "
                                       "Permitido: 8; Passados: 14"});
}

struct LogCase {
    bool alfa;
    std::string before;
    std::size_t width;
    std::string after;
    std::size_t passados; // 0: no observation
};

TEST(FormatoLog, TraceLineForEveryFieldObservationOnlyWhenCut) {
    const LogCase cases[] = {
        {false, "", 8, "00000000", 0},
        {false, "518,19", 13, "0000000051819", 0},
        {false, "518,1", 13, "0000000005181", 0},
        {false, "ABC", 3, "000", 0},
        {false, "1234", 4, "1234", 0}, // exactly the width: no observation
        {false, "12345", 4, "1234", 5},
        {false, "1.2.3.4.5", 4, "1234", 5},
        {true, "", 5, "     ", 0},
        {true, "   ", 3, "   ", 0},
        {true, "-.-", 2, "  ", 0},
        {true, "ABC", 3, "ABC", 0},
        {true, "ABCD", 3, "ABC", 4},
        {true, "   ABCDEF", 3, "ABC", 6}, // the leading blanks are not counted
        {true, "A-B-C-D", 4, "ABCD", 0},  // nor the dropped characters
        {true, "ABC   ", 3, "ABC", 6},    // trailing blanks are characters of the field
        {true, "S\xE3o Jo\xE3o", 3, "S\xE3o", 8},
        {true, "\t\x01x", 2, "x ", 0},
        {true, std::string(255, 'q'), 10, "qqqqqqqqqq", 255},
        {false, std::string(255, '9'), 255, std::string(255, '9'), 0},
        {true, "x", 255, "x" + std::string(254, ' '), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.alfa ? "alfa \"" : "num \"") + c.before + "\" width " + std::to_string(c.width));
        qv::Sessao s;
        const std::string label = rotulo("Campo:", 20);
        std::string field = c.before;
        if (c.alfa)
            qv::FormatoAlfaLog(s, field, c.width, label);
        else
            qv::FormatoNumLog(s, field, c.width, label);
        EXPECT_EQ(field, c.after);
        EXPECT_EQ(linhas(s.ListaCampos), std::vector<std::string>{rastro(label, c.before, c.after)});
        if (c.passados == 0)
            EXPECT_TRUE(s.ListaObservacoes.empty());
        else
            EXPECT_EQ(linhas(s.ListaObservacoes),
                      std::vector<std::string>{observacao(label, c.width, c.passados)});
    }
}

TEST(FormatoLog, WidthZeroEmptiesTheFieldWithoutAnyLine) {
    for (const bool alfa : {true, false}) {
        qv::Sessao s;
        std::string field = "a much longer text than the width 12345";
        if (alfa)
            qv::FormatoAlfaLog(s, field, 0, "Brancos:");
        else
            qv::FormatoNumLog(s, field, 0, "Zero:");
        EXPECT_EQ(field, "");
        EXPECT_TRUE(s.ListaCampos.empty());
        EXPECT_TRUE(s.ListaObservacoes.empty());
    }
}

TEST(FormatoLog, LinesOfSeveralFieldsAccumulateInCallOrder) {
    qv::Sessao s;
    s.ListaCampos.add("REGISTRO 50");
    const std::string cnpj = rotulo("CNPJ:", 16);
    const std::string nome = rotulo("Raz\xE3o Social:", 16);
    const std::string valor = rotulo("Valor Total:", 16);
    std::string f1 = "11.222.333/0001-81";
    std::string f2(std::string_view("Comércio Ltda."_cp));
    std::string f3 = "1.234.567,89";
    qv::FormatoNumLog(s, f1, 14, cnpj);
    qv::FormatoAlfaLog(s, f2, 5, nome);
    qv::FormatoNumLog(s, f3, 8, valor);

    EXPECT_EQ(f1, "11222333000181");
    EXPECT_EQ(f2, "Com\xE9r");
    EXPECT_EQ(f3, "12345678");
    EXPECT_EQ(linhas(s.ListaCampos), (std::vector<std::string>{
                                         "REGISTRO 50",
                                         rastro(cnpj, "11.222.333/0001-81", "11222333000181"),
                                         rastro(nome, "Comércio Ltda."_cp, "Com\xE9r"sv),
                                         rastro(valor, "1.234.567,89", "12345678"),
                                     }));
    EXPECT_EQ(linhas(s.ListaObservacoes), (std::vector<std::string>{
                                              observacao(nome, 5, 13),
                                              observacao(valor, 8, 9),
                                          }));
}

} // namespace
