// The statistics log, byte for byte, under Brazilian Portuguese and C regional settings.
#include "session/session.hpp"
#include "support/support.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace qvtest;
namespace fs = std::filesystem;

const std::string hyphens(53, '-');

// Everything up to and including the first line of hyphens.
const std::string head = "Estast\xEDsticas dos Registros:\r\n"
                         "\r\n"
                         "REGISTROS\tOK\tOBS\tERROS\t%ERRO\tTOTAL\r\n" +
                         hyphens + "\r\n";

struct Counts {
    std::size_t entry;
    int gravados, observacoes, erros;
};

// Runs Finaliza_SEF over a session whose table holds the counts, and answers the log.
std::string logOf(std::initializer_list<Counts> counts) {
    TempDir dir;
    qv::Sessao s;
    qv::Inicia_SEF(s, dir.file("sef.txt"), dir.file("erro.txt"), dir.file("log.txt"));
    for (const Counts& c : counts) {
        s.Estatisticas[c.entry].gravados = c.gravados;
        s.Estatisticas[c.entry].observacoes = c.observacoes;
        s.Estatisticas[c.entry].erros = c.erros;
    }
    qv::Finaliza_SEF(s);
    return readFile(dir.path() / "log.txt");
}

// Records 10 and 11 written once each; record 50 written twice and rejected once, with
// observations on one accepted and on the rejected call.
const std::initializer_list<Counts> example = {{0, 1, 0, 0}, {1, 1, 0, 0}, {2, 2, 2, 1}};

TEST(StatisticsLog, ExampleUnderBrazilianPortugueseSettings) {
    LocaleEnv pt("pt_BR.UTF-8");
    EXPECT_EQ(logOf(example), head +
                                  "Registro 10\t1\t0\t0\t0,00%\t1\r\n"
                                  "Registro 11\t1\t0\t0\t0,00%\t1\r\n"
                                  "Registro 50\t2\t2\t1\t33,33%\t3\r\n" +
                                  hyphens +
                                  "\r\n"
                                  "Total\t\t4\t2\t1\t20,00%\t5\r\n");
}

TEST(StatisticsLog, ExampleUnderCSettings) {
    LocaleEnv c("C");
    EXPECT_EQ(logOf(example), head +
                                  "Registro 10\t1\t0\t0\t0.00%\t1\r\n"
                                  "Registro 11\t1\t0\t0\t0.00%\t1\r\n"
                                  "Registro 50\t2\t2\t1\t33.33%\t3\r\n" +
                                  hyphens +
                                  "\r\n"
                                  "Total\t\t4\t2\t1\t20.00%\t5\r\n");
}

TEST(StatisticsLog, RowsOfEveryTypeInTableOrder) {
    LocaleEnv pt("pt_BR.UTF-8");
    // Counts set in reverse order; zero entries in between are skipped; an entry with only
    // rejected calls logs one hundred.
    EXPECT_EQ(logOf({{17, 1, 0, 0}, {16, 3, 1, 0}, {8, 0, 0, 2}, {13, 0, 1, 1}}),
              head +
                  "Registro 60\t0\t0\t2\t100,00%\t2\r\n"
                  "Registro 75\t0\t1\t1\t100,00%\t1\r\n"
                  "Registro 88\t3\t1\t0\t0,00%\t3\r\n"
                  "Registro 90\t1\t0\t0\t0,00%\t1\r\n" +
                  hyphens +
                  "\r\n"
                  "Total\t\t4\t2\t3\t42,86%\t7\r\n");
}

TEST(StatisticsLog, PercentagesRoundHalfAwayFromZero) {
    LocaleEnv pt("pt_BR.UTF-8");
    struct Case {
        int gravados, erros;
        const char* row;   // the percentage of the entry's row
        const char* total; // the same counts on the total line
    };
    const Case cases[] = {
        {2, 1, "33,33", "33,33"},
        {1, 2, "66,67", "66,67"},
        {31, 1, "3,13", "3,13"},    // 3.125
        {159, 1, "0,63", "0,63"},   // 0.625
        {7, 1, "12,50", "12,50"},   // 12.5 exactly
        {1999, 1, "0,05", "0,05"},  // 0.05 exactly
        {99999, 1, "0,00", "0,00"}, // 0.001
        // 0.004975...: the total is held to four decimals (0.0050) before it is rounded to two.
        {20099, 1, "0,00", "0,01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.gravados << " written, " << c.erros << " rejected");
        const std::string n = std::to_string(c.gravados);
        const std::string e = std::to_string(c.erros);
        const std::string t = std::to_string(c.gravados + c.erros);
        EXPECT_EQ(logOf({{4, c.gravados, 0, c.erros}}),
                  head + "Registro 53\t" + n + "\t0\t" + e + "\t" + c.row + "%\t" + t + "\r\n" + hyphens +
                      "\r\nTotal\t\t" + n + "\t0\t" + e + "\t" + c.total + "%\t" + t + "\r\n");
    }
}

// Nothing written or rejected: no rows, and the total line with zeros and 0,00.
TEST(StatisticsLog, EmptySessionLogsAZeroTotal) {
    LocaleEnv pt("pt_BR.UTF-8");
    EXPECT_EQ(logOf({}), head + hyphens + "\r\nTotal\t\t0\t0\t0\t0,00%\t0\r\n");
}

TEST(StatisticsLog, AppendsToAnExistingLogAndEmptiesTheLists) {
    LocaleEnv c("C");
    TempDir dir;
    qv::Sessao s;
    s.ArquivoLog = dir.file("log.txt");
    {
        std::ofstream out(dir.path() / "log.txt", std::ios::binary);
        out << "kept\r\n";
    }
    s.ListaCampos.add("REGISTRO 10");
    s.ListaErros.add("-1   erro");
    s.ListaObservacoes.add("obs");

    qv::GravaEstatisticas(s);

    EXPECT_EQ(readFile(dir.path() / "log.txt"),
              "kept\r\n" + head + hyphens + "\r\nTotal\t\t0\t0\t0\t0.00%\t0\r\n");
    EXPECT_TRUE(s.ListaCampos.empty());
    EXPECT_TRUE(s.ListaErros.empty());
    EXPECT_TRUE(s.ListaObservacoes.empty());
}

TEST(StatisticsLog, BlankNameFallsBackToTheDefaultLog) {
    LocaleEnv c("C");
    TempDir dir;
    WorkingDir cwd(dir.path());
    {
        std::ofstream out("c:\\Log_SEF.txt", std::ios::binary);
        out << "old log\r\n";
    }
    qv::Sessao s;
    qv::Inicia_SEF(s, dir.file("sef.txt"), dir.file("erro.txt"), " \t\r\n");
    qv::Finaliza_SEF(s);
    EXPECT_EQ(s.ArquivoLog, "c:\\Log_SEF.txt");
    EXPECT_EQ(readFile("c:\\Log_SEF.txt"), head + hyphens + "\r\nTotal\t\t0\t0\t0\t0.00%\t0\r\n");
    EXPECT_FALSE(exists(" \t\r\n"));
}

TEST(StatisticsLog, AFailedWriteIsShownAndTheSessionStillCloses) {
    AvisoRecorder avisos;
    TempDir dir;
    qv::Sessao s;
    qv::Inicia_SEF(s, dir.file("sef.txt"), dir.file("erro.txt"), dir.file("log.txt"));
    s.ArquivoLog = "/dev/full"; // set after the opening, which would remove it
    s.ListaCampos.add("REGISTRO 10");
    qv::Finaliza_SEF(s);
    EXPECT_FALSE(s.SessaoIniciada);
    EXPECT_TRUE(s.ListaCampos.empty());
    EXPECT_EQ(avisos.messages(), std::vector<std::string>{"Erro ao tentar escrever no arquivo /dev/full"});
}

} // namespace
