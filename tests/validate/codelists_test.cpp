// The code lists of the layout: every list against the values it allows, by its kind of comparison
// (whole integer, first character, exact text), and the tax situation code.
#include "validate/validate.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;

std::set<int> de(int a, int b) {
    std::set<int> s;
    for (int i = a; i <= b; ++i)
        s.insert(i);
    return s;
}

std::set<int> uniao(std::initializer_list<std::set<int>> partes) {
    std::set<int> s;
    for (const auto& p : partes)
        s.insert(p.begin(), p.end());
    return s;
}

const std::vector<std::string_view> modelos = {"01", "02", "04", "06", "07", "08", "09", "10",
                                               "11", "13", "14", "15", "16", "17", "18", "20",
                                               "21", "22", "24", "25", "2B", "2C", "2D"};

const std::vector<std::string_view> municipios = {
    "0001", "0020", "0030", "0040", "0050", "0060", "0070", "0080", "0090", "0100", "0110", "0115", "0120",
    "0130", "0132", "0135", "0140", "0150", "0152", "0155", "0160", "0170", "0171", "0180", "0190", "0195",
    "0200", "0205", "0210", "0220", "0230", "0240", "0250", "0255", "0260", "0262", "0265", "0270", "0275",
    "0280", "0285", "0290", "0295", "0300", "0305", "0310", "0315", "0320", "0325", "0330", "0335", "0340",
    "0345", "0350", "0355", "0360", "0365", "0370", "0375", "0380", "0385", "0390", "0395", "0400", "0405",
    "0407", "0410", "0412", "0415", "0420", "0425", "0430", "0435", "0440", "0445", "0450", "0455", "0460",
    "0465", "0470", "0475", "0480", "0485", "0490", "0495", "0500", "0505", "0510", "0515", "0520", "0525",
    "0530", "0535", "0537", "0540", "0545", "0550", "0555", "0560", "0565", "0570", "0575", "0580", "0585",
    "0590", "0595", "0600", "0602", "0605", "0610", "0615", "0620", "0625", "0630", "0635", "0640", "0642",
    "0645", "0650", "0655", "0660", "0665", "0670", "0675", "0680", "0685", "0690", "0695", "0700", "0705",
    "0710", "0712", "0715", "0720", "0725", "0730", "0735", "0740", "0745", "0750", "0755", "0760", "0761",
    "0765", "0770", "0775", "0777", "0780", "0785", "0790", "0795", "0800", "0805", "0810", "0815", "0820",
    "0825", "0830", "0831", "0835", "0840", "0845", "0850", "0855", "0860", "0862", "0865", "0870", "0875",
    "0880", "0885", "0890", "0895", "0900", "0905", "0910", "0915", "0920", "0925", "0930", "0935", "0940",
    "0945", "0950", "0998"};

enum class Tipo { inteiro, primeiroCaractere, textoExato };

// One list as the layout defines it.
struct Lista {
    const char* nome;
    const qv::ListaCodigos& verifica;
    Tipo tipo;
    std::set<int> inteiros{};                               // inteiro
    std::string_view caracteres{};                          // primeiroCaractere
    const std::vector<std::string_view>* codigos = nullptr; // textoExato
};

Lista inteiro(const char* nome, const qv::ListaCodigos& v, std::set<int> valores) {
    return {nome, v, Tipo::inteiro, std::move(valores)};
}
Lista caractere(const char* nome, const qv::ListaCodigos& v, std::string_view permitidos) {
    return {nome, v, Tipo::primeiroCaractere, {}, permitidos};
}
Lista exato(const char* nome, const qv::ListaCodigos& v, const std::vector<std::string_view>& codigos) {
    return {nome, v, Tipo::textoExato, {}, {}, &codigos};
}

const std::vector<Lista>& listas() {
    static const std::vector<Lista> all = {
        inteiro("Verifica_Convenio", qv::Verifica_Convenio, {2}),
        inteiro("Verifica_Operacao", qv::Verifica_Operacao, {3}),
        caractere("Verifica_Finalidade", qv::Verifica_Finalidade, "12ADG"),
        inteiro("Verifica_Layout", qv::Verifica_Layout, {1}),
        exato("Verifica_Modelo", qv::Verifica_Modelo, modelos),
        inteiro("Verifica_Tipo_Operacao", qv::Verifica_Tipo_Operacao, de(1, 3)),
        caractere("Verifica_Situacao", qv::Verifica_Situacao, "DENSX"),
        caractere("Verifica_Emitente", qv::Verifica_Emitente, "PT"),
        inteiro("Verifica_Classe_Energia", qv::Verifica_Classe_Energia,
                uniao({de(1, 5), {10, 11, 20, 21, 30, 31, 40, 50, 60, 70, 80}})),
        inteiro("Verifica_Indicador", qv::Verifica_Indicador, de(0, 2)),
        inteiro("Verifica_Classe_Telecom", qv::Verifica_Classe_Telecom,
                uniao({de(1, 10), de(20, 29), de(40, 49), {60, 70}, de(80, 89)})),
        caractere("Verifica_CIF_FOB", qv::Verifica_CIF_FOB, "012"),
        inteiro("Verifica_NumeroItem", qv::Verifica_NumeroItem, de(1, 999)),
        caractere("Verifica_Doc_Substituto", qv::Verifica_Doc_Substituto, "NS"),
        caractere("Verifica_Movimento", qv::Verifica_Movimento, "NS"),
        caractere("Verifica_Alteracao_Cadastro", qv::Verifica_Alteracao_Cadastro, "NS"),
        inteiro("Verifica_Participante", qv::Verifica_Participante, de(1, 3)),
        inteiro("Verifica_Qualificacao_S20", qv::Verifica_Qualificacao_S20, {0, 1}),
        exato("Verifica_Codigo_Municipio", qv::Verifica_Codigo_Municipio, municipios),
        inteiro("Verifica_Detalhamento", qv::Verifica_Detalhamento, de(1, 3)),
        inteiro("Verifica_Origem", qv::Verifica_Origem, de(0, 3)),
        inteiro("Verifica_Controle_Credito", qv::Verifica_Controle_Credito, de(1, 7)),
        caractere("Verifica_Reconhecido", qv::Verifica_Reconhecido, "JNS"),
        inteiro("Verifica_Utiliza_Credito", qv::Verifica_Utiliza_Credito, de(1, 5)),
        caractere("Verifica_Responsabilidade", qv::Verifica_Responsabilidade, "DI"),
        inteiro("Verifica_Faixa_Incentivo", qv::Verifica_Faixa_Incentivo, de(1, 4)),
        inteiro("Verifica_Qualificacao_S60", qv::Verifica_Qualificacao_S60, {0, 1}),
        caractere("Verifica_Observacao_MR", qv::Verifica_Observacao_MR, "NS"),
        inteiro("Verifica_Qualificacao_S74", qv::Verifica_Qualificacao_S74, {1, 2, 3, 9}),
        inteiro("Verifica_Qualificacao_S77", qv::Verifica_Qualificacao_S77, {2, 3, 6, 7, 13}),
        inteiro("Verifica_Origem_Processo", qv::Verifica_Origem_Processo, {1, 2, 3, 9}),
        inteiro("Verifica_Descricao", qv::Verifica_Descricao, {17, 18, 19}),
        inteiro("Verifica_Qualificacao_S80", qv::Verifica_Qualificacao_S80, {0, 1}),
        inteiro("Verifica_Qualificacao_S80_D01", qv::Verifica_Qualificacao_S80_D01, de(0, 2)),
        inteiro("Verifica_Qualificacao_S80_D02", qv::Verifica_Qualificacao_S80_D02, {0, 1}),
        inteiro("Verifica_Qualificacao_S82", qv::Verifica_Qualificacao_S82, {0, 1}),
        inteiro("Verifica_Qualificacao_S82_D01", qv::Verifica_Qualificacao_S82_D01, {0, 1}),
        inteiro("Verifica_Qualificacao_S82_D02", qv::Verifica_Qualificacao_S82_D02, {0, 1}),
        inteiro("Verifica_Livro", qv::Verifica_Livro, {10, 20, 25, 30, 40, 45, 50, 55, 57, 60}),
        inteiro("Verifica_Posse", qv::Verifica_Posse, de(1, 5)),
        inteiro("Verifica_Id_Tipo", qv::Verifica_Id_Tipo, de(1, 6)),
        inteiro("Verifica_Tipo_Receita", qv::Verifica_Tipo_Receita, de(1, 6)),
        caractere("Verifica_Tipo_Informacao", qv::Verifica_Tipo_Informacao, "ABC"),
    };
    return all;
}

std::string hex(int n, const char* prefixo) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%s%X", prefixo, static_cast<unsigned>(n));
    return buf;
}

TEST(CodeLists, EveryListIsBlankInvalid) {
    const std::string_view blanks[] = {""sv, " "sv, "   "sv, "\t"sv, "\0"sv, "\r\n"sv, "\x1F \x01"sv};
    for (const auto& l : listas())
        for (const auto b : blanks)
            EXPECT_FALSE(l.verifica(b)) << l.nome << " \"" << b << "\"";
    for (const auto b : blanks)
        EXPECT_FALSE(qv::Verifica_CST(b)) << "\"" << b << "\"";
}

TEST(CodeLists, IntegerListsAcceptExactlyTheirValues) {
    for (const auto& l : listas()) {
        if (l.tipo != Tipo::inteiro) continue;
        SCOPED_TRACE(l.nome);
        for (int n = -3; n <= 1001; ++n)
            EXPECT_EQ(l.verifica(std::to_string(n)), l.inteiros.count(n) == 1) << n;
        for (const auto big : {"2147483647", "-2147483648", "2147483648", "99999999999"})
            EXPECT_FALSE(l.verifica(big)) << big;
    }
}

TEST(CodeLists, IntegerListsReadTheWholeValueAsANumber) {
    for (const auto& l : listas()) {
        if (l.tipo != Tipo::inteiro) continue;
        SCOPED_TRACE(l.nome);
        for (const int v : {*l.inteiros.begin(), *l.inteiros.rbegin()}) {
            const std::string s = std::to_string(v);
            // the same number written otherwise: leading zeros, leading blanks, sign, hexadecimal
            for (const std::string& ok : {"0" + s, "000" + s, " " + s, "   " + s, "+" + s, " +0" + s,
                                          hex(v, "$"), hex(v, "x"), hex(v, "0x"), hex(v, " +$0")})
                EXPECT_TRUE(l.verifica(ok)) << "\"" << ok << "\"";
            // a trailing blank, a decimal part or any stray character makes the conversion fail
            for (const std::string& bad : {s + " ", s + "\t", s + ".0", s + ",", s + "a", "a" + s, "- " + s,
                                           "\t" + s, "#" + s, hex(v, "X"), hex(v, "0X")})
                EXPECT_FALSE(l.verifica(bad)) << "\"" << bad << "\"";
        }
        // a field fitted to a numeric width arrives with leading zeros
        const std::string padded = std::string(6, '0') + std::to_string(*l.inteiros.rbegin());
        EXPECT_TRUE(l.verifica(padded)) << padded;
        // "-0" is the number 0
        EXPECT_EQ(l.verifica("-0"), l.inteiros.count(0) == 1);
    }
}

TEST(CodeLists, FirstCharacterListsLookOnlyAtTheFirstCharacterCaseSensitively) {
    for (const auto& l : listas()) {
        if (l.tipo != Tipo::primeiroCaractere) continue;
        SCOPED_TRACE(l.nome);
        for (int b = 0; b < 256; ++b) {
            const char c = static_cast<char>(b);
            const bool allowed = l.caracteres.find(c) != std::string_view::npos;
            // whatever follows is ignored
            for (const std::string& v : {std::string{c, 'Z'}, std::string{c, ' '}, std::string{c, c, c}})
                EXPECT_EQ(l.verifica(v), allowed) << "byte " << b;
            if (b > 32) {
                EXPECT_EQ(l.verifica(std::string(1, c)), allowed) << "byte " << b;
            }
        }
        // a value beginning with a blank fails even when an allowed character follows
        EXPECT_FALSE(l.verifica(std::string(" ") + l.caracteres[0]));
        EXPECT_FALSE(l.verifica(std::string("\t") + l.caracteres[0]));
    }
}

TEST(CodeLists, ExactTextListsAcceptOnlyTheirCodesAsWritten) {
    const std::string alfabeto = " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    // every text of one and two characters of the alphabet against the document models
    const Lista& modelo = listas()[4];
    ASSERT_STREQ(modelo.nome, "Verifica_Modelo");
    for (const char a : alfabeto) {
        EXPECT_FALSE(modelo.verifica(std::string(1, a))) << a;
        for (const char b : alfabeto) {
            const std::string v{a, b};
            const bool known = std::find(modelos.begin(), modelos.end(), v) != modelos.end();
            EXPECT_EQ(modelo.verifica(v), known) << "\"" << v << "\"";
        }
    }
    // every code of four digits against the municipal codes
    const Lista& municipio = listas()[18];
    ASSERT_STREQ(municipio.nome, "Verifica_Codigo_Municipio");
    int accepted = 0;
    for (int n = 0; n <= 9999; ++n) {
        char v[5];
        std::snprintf(v, sizeof v, "%04d", n);
        const bool known = std::find(municipios.begin(), municipios.end(), v) != municipios.end();
        EXPECT_EQ(municipio.verifica(v), known) << v;
        accepted += municipio.verifica(v) ? 1 : 0;
    }
    EXPECT_EQ(accepted, 185);
    // no trimming, no padding, no other length
    for (const Lista* l : {&modelo, &municipio})
        for (const auto code : *l->codigos) {
            const std::string c(code);
            for (const std::string& bad :
                 {" " + c, c + " ", c + c, c.substr(1), c + std::string(1, '\0'), c.substr(0, c.size() - 1)})
                EXPECT_FALSE(l->verifica(bad)) << l->nome << " \"" << bad << "\"";
        }
}

// The cases the layout names for its lists, and the forms a formatted field arrives in.
TEST(CodeLists, NamedCases) {
    struct Case {
        const qv::ListaCodigos& verifica;
        const char* nome;
        std::string_view value;
        bool valid;
    };
    const Case cases[] = {
        {qv::Verifica_Convenio, "Convenio", "2", true},
        {qv::Verifica_Convenio, "Convenio", " 2", true},
        {qv::Verifica_Convenio, "Convenio", "02", true},
        {qv::Verifica_Convenio, "Convenio", "002", true},
        {qv::Verifica_Convenio, "Convenio", "+2", true},
        {qv::Verifica_Convenio, "Convenio", "2 ", false},
        {qv::Verifica_Convenio, "Convenio", "two", false},
        {qv::Verifica_Convenio, "Convenio", "X2", false},
        {qv::Verifica_NumeroItem, "NumeroItem", "0", false},
        {qv::Verifica_NumeroItem, "NumeroItem", "1", true},
        {qv::Verifica_NumeroItem, "NumeroItem", "999", true},
        {qv::Verifica_NumeroItem, "NumeroItem", "1000", false},
        {qv::Verifica_NumeroItem, "NumeroItem", "000999", true},
        {qv::Verifica_NumeroItem, "NumeroItem", "0001000", false},
        {qv::Verifica_Qualificacao_S77, "Qualificacao_S77", "13", true},
        {qv::Verifica_Qualificacao_S77, "Qualificacao_S77", "12", false},
        {qv::Verifica_Qualificacao_S74, "Qualificacao_S74", "9", true},
        {qv::Verifica_Qualificacao_S74, "Qualificacao_S74", "4", false},
        {qv::Verifica_Livro, "Livro", "57", true},
        {qv::Verifica_Livro, "Livro", "56", false},
        {qv::Verifica_Classe_Energia, "Classe_Energia", "80", true},
        {qv::Verifica_Classe_Energia, "Classe_Energia", "81", false},
        {qv::Verifica_Classe_Telecom, "Classe_Telecom", "89", true},
        {qv::Verifica_Classe_Telecom, "Classe_Telecom", "90", false},
        {qv::Verifica_Finalidade, "Finalidade", "Azul", true},
        {qv::Verifica_Finalidade, "Finalidade", "a", false},
        {qv::Verifica_Movimento, "Movimento", "Sim", true},
        {qv::Verifica_Movimento, "Movimento", "s", false},
        {qv::Verifica_Movimento, "Movimento", " S", false},
        {qv::Verifica_Situacao, "Situacao", "N ", true}, // an alphanumeric field padded with blanks
        {qv::Verifica_Modelo, "Modelo", "2D", true},
        {qv::Verifica_Modelo, "Modelo", "2d", false},
        {qv::Verifica_Modelo, "Modelo", "1", false},
        {qv::Verifica_Modelo, "Modelo", "03", false},
        {qv::Verifica_Modelo, "Modelo", "01 ", false},
        {qv::Verifica_Modelo, "Modelo", "2b", false},
        {qv::Verifica_Modelo, "Modelo", "2B", true},
        {qv::Verifica_Modelo, "Modelo", "01", true},
        {qv::Verifica_Modelo, "Modelo", "25", true},
        {qv::Verifica_Codigo_Municipio, "Codigo_Municipio", "0998", true},
        {qv::Verifica_Codigo_Municipio, "Codigo_Municipio", "998", false},
        {qv::Verifica_Codigo_Municipio, "Codigo_Municipio", "0999", false},
        {qv::Verifica_Codigo_Municipio, "Codigo_Municipio", "0001", true},
        {qv::Verifica_Codigo_Municipio, "Codigo_Municipio", "0000", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.verifica(c.value), c.valid) << c.nome << " \"" << c.value << "\"";
}

// ---- the tax situation code ----

TEST(VerificaCST, OriginDigitThenOneOfTheElevenTails) {
    const std::vector<std::string_view> finais = {"00", "10", "20", "30", "40", "41",
                                                  "50", "51", "60", "70", "90"};
    const std::string alfabeto = " 0123456789-ABab";
    for (const char origem : alfabeto)
        for (const char a : alfabeto)
            for (const char b : alfabeto) {
                const std::string v{origem, a, b};
                const bool tail = std::find(finais.begin(), finais.end(), v.substr(1)) != finais.end();
                const bool expected = (origem == '0' || origem == '1' || origem == '2') && tail;
                EXPECT_EQ(qv::Verifica_CST(v), expected) << "\"" << v << "\"";
            }
}

TEST(VerificaCST, NamedCases) {
    struct Case {
        std::string_view value;
        bool valid;
    };
    const Case cases[] = {
        {"010", true},
        {"141", true},
        {"290", true},
        {"090", true},
        {"000", true},
        {"251", true},
        {"310", false},
        {"015", false},
        {"0-10", false},
        {"300", false},
        {"2512", true}, // the fourth character is ignored
        {"000 ", true},
        {"041xyz", true},
        {"010\0"sv, true},
        {" 010", false},
        {"0 10", false},
        {"01 0", false},
        // fewer than three characters: invalid
        {"0", false},
        {"00", false},
        {"1", false},
        {"10", false},
        {"2", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qv::Verifica_CST(c.value), c.valid) << "\"" << c.value << "\"";
}

} // namespace
