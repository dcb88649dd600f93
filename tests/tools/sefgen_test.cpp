// sefgen versao and sefgen valida, end to end: the built program's standard output and exit
// status.
#include "sefgen_runner.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sefgentest::Result;
using sefgentest::sefgen;

struct Case {
    std::vector<std::string> args;
    std::string out;
    int status;
};

void check(const Case& c) {
    std::string shown;
    for (const auto& a : c.args)
        shown += " " + a;
    SCOPED_TRACE("sefgen" + shown);
    const Result r = sefgen(c.args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, c.status);
    if (c.status == 2) {
        EXPECT_FALSE(r.err.empty()) << "a usage error says why on standard error";
    }
}

const std::string valido = "v\xC3\xA1lido";
const std::string invalido = "inv\xC3\xA1lido";

TEST(SefgenVersao, PrintsTheLibraryVersion) {
    check({{"versao"}, "103\n", 0});
}

TEST(SefgenValida, OneLinePerValueAndTheStatusOfAll) {
    const Case cases[] = {
        {{"valida", "Verifica_CNPJ", "11222333000181"}, "11222333000181: " + valido + "\n", 0},
        {{"valida", "Verifica_CNPJ", "11222333000181", "11.222.333/0001-81", "11222333000182"},
         "11222333000181: " + valido + "\n11.222.333/0001-81: " + invalido + "\n11222333000182: " + invalido +
             "\n",
         1},
        {{"valida", "Verifica_CPF", "123.456.789-09"}, "123.456.789-09: " + valido + "\n", 0},
        {{"valida", "Verifica_UF", "pe", "XX"}, "pe: " + valido + "\nXX: " + invalido + "\n", 1},
        {{"valida", "Verifica_CEP", "01000000", "01000001"},
         "01000000: " + invalido + "\n01000001: " + valido + "\n",
         1},
        // Two-argument validators take pairs.
        {{"valida", "Verifica_CEP_UF", "69300000", "RR", "69300000", "AM"},
         "69300000 RR: " + valido + "\n69300000 AM: " + invalido + "\n",
         1},
        {{"valida", "Verifica_CEP_UF", "70000000", "DF", "70000000", "GO"},
         "70000000 DF: " + valido + "\n70000000 GO: " + valido + "\n",
         0},
        // Counted texts through the shared memory manager.
        {{"valida", "Verifica_InscEst", "123", "SP", "", ""},
         "123 SP: " + valido + "\n : " + valido + "\n",
         0},
        {{"valida", "IsSEFDate", "20040229", "20050229"},
         "20040229: " + valido + "\n20050229: " + invalido + "\n",
         1},
        {{"valida", "Verifica_UF", ""}, ": " + invalido + "\n", 1},
        // A value that begins with a minus sign is a value, not an option.
        {{"valida", "Verifica_Indicador", "-1", "2"}, "-1: " + invalido + "\n2: " + valido + "\n", 1},
        // Values are UTF-8 on the command line and shown as given.
        {{"valida", "Verifica_UF", "S\xC3\xA3o"}, "S\xC3\xA3o: " + invalido + "\n", 1},
    };
    for (const Case& c : cases)
        check(c);
}

TEST(SefgenValida, UsageErrorsExitWith2AndPrintNoResult) {
    const Case cases[] = {
        {{"valida", "Verifica_Nada", "1"}, "", 2},
        {{"valida", "Inicia_SEF", "a", "b", "c"}, "", 2}, // an export, but no validator
        {{"valida", "AlfaStuff", "a"}, "", 2},
        {{"valida", "Verifica_CNPJ"}, "", 2},
        {{"valida", "Verifica_CEP_UF", "69300000"}, "", 2},
        {{"valida", "Verifica_CEP_UF", "69300000", "RR", "69300000"}, "", 2},
        {{"valida", "Verifica_InscEst", "123"}, "", 2},
        {{"valida"}, "", 2},
        {{}, "", 2},
        {{"versao", "extra"}, "", 2},
        {{"gera"}, "", 2},
        // A value that Windows-1252 cannot hold cannot reach the library.
        {{"valida", "Verifica_UF", "SP", "\xE2\x9C\x93"}, "", 2},
    };
    for (const Case& c : cases)
        check(c);
}

} // namespace
