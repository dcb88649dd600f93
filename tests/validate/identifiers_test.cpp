// Taxpayer identifiers (CNPJ, CPF, state registration) and address fields (state, postal code).
#include "validate/validate.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;

struct Case {
    std::string_view value;
    bool valid;
};

// ---- CNPJ ----

TEST(VerificaCNPJ, CheckDigitsOfTheFirstFourteenCharacters) {
    const Case cases[] = {
        {"11222333000181", true},
        {"11222333000182", false}, // second check digit wrong
        {"11222333000191", false}, // first check digit wrong
        {"83417047187401", true},  // first remainder 1: check digit 0
        {"62819482199300", true},  // both remainders 0: check digits 0
        {"76018955597940", true},
        {"76018955597941", false},
        {"06331912845262", true},
        // completed with "0" on the right up to fourteen characters
        {"0", true},
        {"00000000000000", true},
        {"55", true},             // checked as 55000000000000
        {"4048137343376", true},  // checked as 40481373433760
        {"6331912845262", false}, // the leading zero dropped: checked as 63319128452620
        // only the first fourteen characters count
        {"11222333000181XYZ", true},
        {"11222333000181 ", true},
        {"112223330001819", true},
        // every one of the fourteen must be a digit, taken as passed
        {"11.222.333/0001-81", false},
        {" 11222333000181", false},
        {"1122233300018 ", false},
        {"1122233300018a", false},
        {"+1222333000181", false},
        {"\xB9"
         "1222333000181"sv,
         false},
        {"11 222", false},
        // repeated digits get no special treatment: only zeros have matching check digits
        {"11111111111111", false},
        {"99999999999999", false},
        // blank
        {"", false},
        {"   ", false},
        {"\t\0\r\n"sv, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qv::Verifica_CNPJ(c.value), c.valid) << "\"" << c.value << "\"";
}

// ---- CPF ----

TEST(VerificaCPF, CheckDigitsOfTheFirstElevenDigits) {
    const Case cases[] = {
        {"11144477735", true},
        {"11144477736", false},
        {"11144477745", false},
        {"92600267506", true}, // first check digit from 11 - r = 10
        {"34419792302", true}, // first check digit from 11 - r = 11
        {"13167723220", true}, // second check digit from 11 - r = 10
        {"46107358730", true}, // second check digit from 11 - r = 11
        // only the digits count, wherever they are
        {"111.444.777-35", true},
        {" 111 444 777 35 ", true},
        {"CPF: 111-444-777/35.", true},
        {"111.444.777-36", false},
        // completed with "0" on the right up to eleven digits
        {"172", true}, // checked as 17200000000
        {"00000000172", false},
        {"1114447773", false},
        {"ISENTO", true}, // no digit at all: eleven zeros
        {"-", true},
        // the first eleven digits: a CNPJ is checked as the CPF of its first eleven digits
        {"11144477735999", true},
        {"111444777350", true},
        {"11222333000181", false},
        // repeated digits pass by their check digits
        {"00000000000", true},
        {"11111111111", true},
        {"55555555555", true},
        {"99999999999", true},
        // blank
        {"", false},
        {"           ", false},
        {"\t\r\n"sv, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qv::Verifica_CPF(c.value), c.valid) << "\"" << c.value << "\"";
}

// ---- state registration ----

TEST(VerificaInscEst, AcceptsEverything) {
    const std::string_view values[] = {"", "   ", "ISENTO", "123.456.789.012", "\xFF\0"sv};
    for (const auto ie : values)
        for (const auto uf : {"SP"sv, ""sv, "XX"sv, "sp "sv})
            EXPECT_TRUE(qv::Verifica_InscEst(ie, uf)) << "\"" << ie << "\" / \"" << uf << "\"";
}

// ---- state codes ----

const std::vector<std::string_view> estados = {"MG", "SP", "RJ", "AL", "AM", "BA", "DF", "MS", "MT", "TO",
                                               "AC", "MA", "RO", "RR", "PE", "RS", "PA", "PB", "CE", "GO",
                                               "SC", "ES", "AP", "PI", "RN", "SE", "PR", "EX"};

TEST(VerificaUF, EveryCodeInAnyCaseWithBlanksAround) {
    for (const auto uf : estados) {
        std::string lower(uf);
        for (char& c : lower)
            c = static_cast<char>(c - 'A' + 'a');
        const std::string mixed = std::string(1, uf[0]) + lower[1];
        for (const std::string& v : {std::string(uf), lower, mixed, " " + std::string(uf) + " ",
                                     "\t" + lower + "\r\n", "  " + std::string(uf)})
            EXPECT_TRUE(qv::Verifica_UF(v)) << "\"" << v << "\"";
    }
}

TEST(VerificaUF, AnythingElseFails) {
    // every two capitals that are not a code
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = 'A'; b <= 'Z'; ++b) {
            const std::string v{a, b};
            const bool known = std::find(estados.begin(), estados.end(), v) != estados.end();
            EXPECT_EQ(qv::Verifica_UF(v), known) << v;
        }
    const std::string_view others[] = {"",    " ", "   ", "P",  "PEX", "P E",
                                       "SP.", "S", "XX",  "BR", "ex-", "\xC9X"};
    for (const auto v : others)
        EXPECT_FALSE(qv::Verifica_UF(v)) << "\"" << v << "\"";
}

// ---- postal codes ----

// A postal code: the prefix in three digits, then the rest.
std::string cep(int prefix, std::string_view rest) {
    std::string p = std::to_string(prefix);
    return std::string(3 - p.size(), '0') + p + std::string(rest);
}

TEST(VerificaCEP, PrefixFromTenTo999) {
    // prefix P followed by 00001: the whole value is P * 100000 + 1
    for (int p = 0; p <= 999; ++p)
        EXPECT_EQ(qv::Verifica_CEP(cep(p, "00001")), p >= 10) << cep(p, "00001");
}

TEST(VerificaCEP, WholeValueAndLength) {
    const Case cases[] = {
        {"01000000", false}, // the whole value is not greater than 1,000,000
        {"01000001", true},
        {"00999999", false}, // below 1,000,000 (and prefix 9)
        {"99999999", true},
        {"5000000", false},    // seven digits: no eighth character
        {"500000000", true},   // nine digits
        {"1234567890", true},  // ten digits still fit the conversion
        {"5000000000", false}, // beyond the signed 32-bit range
        {"12345678901", false},
        {"01310-100", false}, // written with a hyphen
        {"01310.100", false},
        {"01.310100", false},
        {"01310100 ", false}, // a trailing blank fails the
                              // conversion of the whole value
        {" 1310100", true},   // leading blanks do not: prefix " 13", eighth character "0"
        {"+1310100", true},   // the prefix "+13" reads as 13
        {"-1310100", false},
        {"", false},
        {"        ", false},
        {"\t", false},
        {"abcdefgh", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qv::Verifica_CEP(c.value), c.valid) << "\"" << c.value << "\"";
}

// The prefix ranges of each state, inclusive.
struct Faixa {
    std::string_view uf;
    int de;
    int ate;
};
const Faixa faixas[] = {
    {"SP", 10, 199},  {"RJ", 200, 289}, {"ES", 290, 299}, {"MG", 300, 399}, {"BA", 400, 489},
    {"SE", 490, 499}, {"PE", 500, 569}, {"AL", 570, 579}, {"PB", 580, 589}, {"RN", 590, 599},
    {"CE", 600, 639}, {"PI", 640, 649}, {"MA", 650, 659}, {"PA", 660, 688}, {"AM", 690, 692},
    {"AM", 694, 698}, {"AP", 689, 689}, {"RR", 693, 693}, {"AC", 699, 699}, {"DF", 700, 769},
    {"GO", 700, 769}, {"TO", 770, 779}, {"MT", 780, 788}, {"MS", 790, 799}, {"RO", 789, 789},
    {"PR", 800, 879}, {"SC", 880, 899}, {"RS", 900, 999},
};

bool naFaixa(std::string_view uf, int p) {
    for (const auto& f : faixas)
        if (f.uf == uf && p >= f.de && p <= f.ate) return true;
    return false;
}

TEST(VerificaCEPUF, EveryPrefixAgainstEveryState) {
    for (const auto uf : estados)
        for (int p = 0; p <= 999; ++p) {
            const std::string c = cep(p, "00001");
            EXPECT_EQ(qv::Verifica_CEP_UF(c, uf), naFaixa(uf, p)) << c << " " << uf;
        }
}

TEST(VerificaCEPUF, StateBoundariesAndTheExactStateCode) {
    struct PairCase {
        std::string_view cep;
        std::string_view uf;
        bool valid;
    };
    const PairCase cases[] = {
        {"69300000", "RR", true},   {"69300000", "AM", false}, {"69299999", "AM", true},
        {"69400000", "AM", true},   {"78900000", "RO", true},  {"78900000", "MT", false},
        {"78899999", "MT", true},   {"70000000", "DF", true},  {"70000000", "GO", true},
        {"76999999", "GO", true},   {"76999999", "DF", true},  {"77000000", "TO", true},
        {"50000000", "PE", true},   {"50000000", "pe", false}, {"50000000", "PE ", false},
        {"50000000", " PE", false}, {"50000000", "", false},   {"01000001", "SP", true},
        {"01000000", "SP", false}, // the whole value is not above 1,000,000
        {"99999999", "RS", true},   {"99999999", "EX", false}, {"01000001", "EX", false},
        {"50000-000", "PE", false}, {"5000000", "PE", false},  {"", "SP", false},
        {"        ", "SP", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qv::Verifica_CEP_UF(c.cep, c.uf), c.valid) << "\"" << c.cep << "\" / \"" << c.uf << "\"";
}

} // namespace
