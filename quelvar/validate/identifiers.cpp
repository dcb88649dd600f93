// Taxpayer identifiers (CNPJ, CPF, state registration) and address fields (state, postal code).
#include "validate/validate.hpp"

#include <optional>
#include <string>

namespace qv {

namespace {

// The check digit of the modulus-11 weights used by the CNPJ: 0 for a remainder of 0 or 1.
int cnpjDigit(const int* d, int count, const int* weights) {
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += d[i] * weights[i];
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

// The check digit of the CPF: 11 - remainder, 0 when that is 10 or 11.
int cpfDigit(const int* d, int count, int firstWeight) {
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += d[i] * (firstWeight - i);
    const int dv = 11 - sum % 11;
    return dv >= 10 ? 0 : dv;
}

constexpr std::array<std::string_view, 28> estados = {
    "MG", "SP", "RJ", "AL", "AM", "BA", "DF", "MS", "MT", "TO", "AC", "MA", "RO", "RR",
    "PE", "RS", "PA", "PB", "CE", "GO", "SC", "ES", "AP", "PI", "RN", "SE", "PR", "EX"};

struct FaixaCEP {
    std::string_view uf;
    std::int32_t de;
    std::int32_t ate;
};

// The postal-code prefix ranges of each state, in the order they are tried. Together they cover
// every prefix from 10 to 999; "EX" has none.
constexpr std::array<FaixaCEP, 28> faixasCEP = {{
    {"SP", 10, 199},  {"RJ", 200, 289}, {"ES", 290, 299}, {"MG", 300, 399}, {"BA", 400, 489},
    {"SE", 490, 499}, {"PE", 500, 569}, {"AL", 570, 579}, {"PB", 580, 589}, {"RN", 590, 599},
    {"CE", 600, 639}, {"PI", 640, 649}, {"MA", 650, 659}, {"PA", 660, 688}, {"AM", 690, 692},
    {"AM", 694, 698}, {"AP", 689, 689}, {"RR", 693, 693}, {"AC", 699, 699}, {"DF", 700, 769},
    {"GO", 700, 769}, {"TO", 770, 779}, {"MT", 780, 788}, {"MS", 790, 799}, {"RO", 789, 789},
    {"PR", 800, 879}, {"SC", 880, 899}, {"RS", 900, 999},
}};

// Steps shared by both postal-code checks; the prefix P when they pass.
std::optional<std::int32_t> prefixoCEP(std::string_view cep) {
    if (isBlank(cep)) return std::nullopt;
    const auto p = toInt32(cep.substr(0, 3));
    if (!p) return std::nullopt;
    const auto w = toInt32(cep);
    if (!w || *w <= 1000000) return std::nullopt;
    if (cep.size() < 6 || trim(cep.substr(5, 3)).size() != 3) return std::nullopt;
    return *p;
}

} // namespace

bool Verifica_CNPJ(std::string_view cnpj) {
    if (isBlank(cnpj)) return false;
    int d[14];
    for (std::size_t i = 0; i < 14; ++i) {
        const char c = i < cnpj.size() ? cnpj[i] : '0';
        if (c < '0' || c > '9') return false;
        d[i] = c - '0';
    }
    static constexpr int w1[] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr int w2[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    const int dv1 = cnpjDigit(d, 12, w1);
    int withDv1[13];
    for (int i = 0; i < 12; ++i)
        withDv1[i] = d[i];
    withDv1[12] = dv1;
    const int dv2 = cnpjDigit(withDv1, 13, w2);
    return dv1 == d[12] && dv2 == d[13];
}

bool Verifica_CPF(std::string_view cpf) {
    if (isBlank(cpf)) return false;
    int d[11];
    std::size_t n = 0;
    for (const char c : cpf) {
        if (n == 11) break;
        if (c >= '0' && c <= '9') d[n++] = c - '0';
    }
    while (n < 11)
        d[n++] = 0;
    const int dv1 = cpfDigit(d, 9, 10);
    int withDv1[10];
    for (int i = 0; i < 9; ++i)
        withDv1[i] = d[i];
    withDv1[9] = dv1;
    const int dv2 = cpfDigit(withDv1, 10, 11);
    return dv1 == d[9] && dv2 == d[10];
}

bool Verifica_InscEst(std::string_view, std::string_view) {
    return true;
}

bool Verifica_UF(std::string_view uf) {
    if (uf.empty()) return false;
    // Upper case (a to z only), blanks removed from both ends, then one of the codes exactly.
    const std::string_view code = trim(uf);
    if (code.size() != 2) return false;
    auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
    const char a = upper(code[0]);
    const char b = upper(code[1]);
    for (const auto e : estados)
        if (e[0] == a && e[1] == b) return true;
    return false;
}

bool Verifica_CEP(std::string_view cep) {
    const auto p = prefixoCEP(cep);
    return p && *p >= 10 && *p <= 999;
}

bool Verifica_CEP_UF(std::string_view cep, std::string_view uf) {
    const auto p = prefixoCEP(cep);
    if (!p) return false;
    for (const auto& f : faixasCEP)
        if (f.uf == uf && *p >= f.de && *p <= f.ate) return true;
    return false;
}

} // namespace qv
