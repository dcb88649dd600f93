// The session life cycle: opening and closing, the session guard and the order check.
#include "session/session.hpp"
#include "support/support.hpp"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <fstream>

namespace {

using namespace qvtest;
namespace fs = std::filesystem;

constexpr std::size_t kEntries = 18;

// The guard block: an empty line, the title and the message, each closed by CR LF.
const std::string guardBlock = "\r\n"
                               "\tErro(s) do Registro:\r\n"
                               "\t  -0   Fun\xE7\xE3o Inicia_SEF n\xE3o chamada\r\n";

void writeFile(const fs::path& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

// The three output files of a session in a folder of its own.
struct Files {
    TempDir dir;
    std::string sef = dir.file("sef.txt");
    std::string erro = dir.file("erro.txt");
    std::string log = dir.file("log.txt");
};

TEST(IniciaSef, OpensWithTheNamesAsPassedAndAFreshTable) {
    qv::Sessao s;
    s.CNPJInformante = "11222333000181";
    s.IEInformante = "ISENTO";
    s.UFInformante = "SP";
    s.CNPJInformanteRecebido = "11.222.333/0001-81";
    s.TextoPeriodo = "de 01/01/2005 at\xE9 31/01/2005";
    s.DataInicial = 38353;
    s.DataFinal = 38383;
    for (auto& e : s.Estatisticas)
        e = qv::Estatistica{99, 5, 6, 7};
    s.ListaCampos.add("REGISTRO 50");
    s.ListaErros.add("-1   x");
    s.ListaObservacoes.add("y");

    // Names are stored untrimmed: a leading blank stays (and names another file).
    qv::Inicia_SEF(s, " sef.txt", "erro.txt ", "log.txt");

    EXPECT_TRUE(s.SessaoIniciada);
    EXPECT_EQ(s.ArquivoSEF, " sef.txt");
    EXPECT_EQ(s.ArquivoErro, "erro.txt ");
    EXPECT_EQ(s.ArquivoLog, "log.txt");
    EXPECT_EQ(s.CNPJInformante, "");
    EXPECT_EQ(s.IEInformante, "");
    EXPECT_EQ(s.UFInformante, "");
    EXPECT_EQ(s.CNPJInformanteRecebido, "");
    EXPECT_EQ(s.TextoPeriodo, "");
    EXPECT_EQ(s.DataInicial, 0);
    EXPECT_EQ(s.DataFinal, 0);
    EXPECT_TRUE(s.ListaCampos.empty());
    EXPECT_TRUE(s.ListaErros.empty());
    EXPECT_TRUE(s.ListaObservacoes.empty());
    const std::int32_t types[kEntries] = {10, 11, 50, 51, 53, 54, 55, 56, 60,
                                          61, 70, 71, 74, 75, 76, 77, 88, 90};
    for (std::size_t i = 0; i < kEntries; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.Estatisticas[i].tipo, types[i]);
        EXPECT_EQ(s.Estatisticas[i].gravados, 0);
        EXPECT_EQ(s.Estatisticas[i].erros, 0);
        EXPECT_EQ(s.Estatisticas[i].observacoes, 0);
    }
}

TEST(IniciaSef, RemovesTheOldFilesInTheOrderSefErrorLog) {
    Files f;
    for (const auto& name : {f.sef, f.erro, f.log})
        writeFile(name, "old\r\n");

    // The removals are watched as they happen, so that their order shows.
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, f.dir.path().c_str(), IN_DELETE), 0);

    qv::Sessao s;
    qv::Inicia_SEF(s, f.sef, f.erro, f.log);

    std::vector<std::string> removed;
    alignas(inotify_event) char buffer[4096];
    const ssize_t n = ::read(watch, buffer, sizeof buffer);
    ::close(watch);
    for (ssize_t at = 0; at < n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        removed.emplace_back(event->name);
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
    EXPECT_EQ(removed, (std::vector<std::string>{"sef.txt", "erro.txt", "log.txt"}));
    for (const auto& name : {f.sef, f.erro, f.log})
        EXPECT_FALSE(exists(name)) << name;
}

TEST(IniciaSef, EmptyNamesRemoveNothingYet) {
    // An empty name names no file: the default files are removed only when first written.
    TempDir dir;
    WorkingDir cwd(dir.path());
    for (const char* name : {"c:\\SEF.txt", "c:\\Erro_SEF.txt", "c:\\Log_SEF.txt"})
        writeFile(name, "old\r\n");

    qv::Sessao s;
    qv::Inicia_SEF(s, "", "", "");

    EXPECT_TRUE(s.SessaoIniciada);
    for (const char* name : {"c:\\SEF.txt", "c:\\Erro_SEF.txt", "c:\\Log_SEF.txt"})
        EXPECT_EQ(readFile(name), "old\r\n") << name;
}

TEST(IniciaSef, IsIgnoredWhileASessionIsOpen) {
    Files f;
    Files other;
    qv::Sessao s;
    qv::Inicia_SEF(s, f.sef, f.erro, f.log);
    qv::GravaRegistro(s, "10LINE");
    qv::GravaErro(s, "-1   erro");
    s.entrada(qv::Indice::r10).gravados = 1;
    s.entrada(qv::Indice::r50).erros = 2;
    s.CNPJInformante = "11222333000181";
    s.DataInicial = 38353;
    s.ListaCampos.add("REGISTRO 50");
    for (const auto& name : {other.sef, other.erro, other.log})
        writeFile(name, "other\r\n");

    qv::Inicia_SEF(s, other.sef, other.erro, other.log);

    EXPECT_EQ(s.ArquivoSEF, f.sef);
    EXPECT_EQ(s.ArquivoErro, f.erro);
    EXPECT_EQ(s.ArquivoLog, f.log);
    EXPECT_EQ(readFile(f.sef), "10LINE\r\n");
    EXPECT_EQ(readFile(f.erro), "\r\n\tErro(s) do Registro:\r\n\t  -1   erro\r\n");
    for (const auto& name : {other.sef, other.erro, other.log})
        EXPECT_EQ(readFile(name), "other\r\n");
    EXPECT_EQ(s.entrada(qv::Indice::r10).gravados, 1);
    EXPECT_EQ(s.entrada(qv::Indice::r50).erros, 2);
    EXPECT_EQ(s.CNPJInformante, "11222333000181");
    EXPECT_EQ(s.DataInicial, 38353);
    ASSERT_EQ(s.ListaCampos.size(), 1u);
    EXPECT_EQ(s.ListaCampos[0], "REGISTRO 50");
}

TEST(IniciaSef, AfterACloseStartsANewSessionAndRemovesTheOldFiles) {
    Files f;
    qv::Sessao s;
    qv::Inicia_SEF(s, f.sef, f.erro, f.log);
    qv::GravaRegistro(s, "10LINE");
    s.entrada(qv::Indice::r10).gravados = 1;
    qv::Finaliza_SEF(s);
    s.entrada(qv::Indice::r10).erros = 1; // a guard while closed

    qv::Inicia_SEF(s, f.sef, f.erro, f.log);

    EXPECT_TRUE(s.SessaoIniciada);
    EXPECT_FALSE(exists(f.sef));
    EXPECT_FALSE(exists(f.log));
    EXPECT_EQ(s.entrada(qv::Indice::r10).gravados, 0);
    EXPECT_EQ(s.entrada(qv::Indice::r10).erros, 0);
}

TEST(FinalizaSef, WritesTheLogClosesAndKeepsTheTable) {
    LocaleEnv c("C");
    Files f;
    qv::Sessao s;
    qv::Inicia_SEF(s, f.sef, f.erro, f.log);
    s.entrada(qv::Indice::r10).gravados = 1;
    s.ListaCampos.add("REGISTRO 11");
    s.ListaObservacoes.add("obs");
    s.ListaErros.add("-1   erro");

    qv::Finaliza_SEF(s);

    EXPECT_FALSE(s.SessaoIniciada);
    EXPECT_TRUE(s.ListaCampos.empty());
    EXPECT_TRUE(s.ListaObservacoes.empty());
    EXPECT_TRUE(s.ListaErros.empty());
    EXPECT_EQ(s.entrada(qv::Indice::r10).gravados, 1);
    EXPECT_EQ(s.ArquivoLog, f.log);
    const auto lines = crlfLines(readFile(f.log));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[4], "Registro 10\t1\t0\t0\t0.00%\t1");
    EXPECT_FALSE(exists(f.sef));
    EXPECT_FALSE(exists(f.erro));
}

// A session that is not open (never opened, or already closed) is left alone: no log is written,
// so a repeated call cannot append the statistics a second time.
TEST(FinalizaSef, WithoutAnOpenSessionDoesNothing) {
    Files f;
    qv::Sessao never;
    never.ArquivoLog = f.log;
    never.entrada(qv::Indice::r10).erros = 1;
    qv::Finaliza_SEF(never);
    EXPECT_FALSE(exists(f.log));
    EXPECT_FALSE(never.SessaoIniciada);

    qv::Sessao s;
    qv::Inicia_SEF(s, f.sef, f.erro, f.log);
    s.entrada(qv::Indice::r10).gravados = 1;
    qv::Finaliza_SEF(s);
    const std::string once = readFile(f.log);
    ASSERT_FALSE(once.empty());
    qv::Finaliza_SEF(s);
    EXPECT_EQ(readFile(f.log), once);
}

TEST(VerificaInicio, AnOpenSessionPassesAndWritesNothing) {
    Files f;
    qv::Sessao s;
    qv::Inicia_SEF(s, f.sef, f.erro, f.log);
    EXPECT_TRUE(qv::VerificaInicio(s));
    EXPECT_EQ(s.entrada(qv::Indice::r10).erros, 0);
    EXPECT_FALSE(exists(f.erro));
}

TEST(VerificaInicio, WithoutASessionWritesTheGuardBlockAndCountsOnEntry0) {
    Files f;
    qv::Sessao s;
    s.ArquivoErro = f.erro;
    // The lists of the calling record are not touched.
    s.ListaCampos.add("REGISTRO 50");

    EXPECT_FALSE(qv::VerificaInicio(s));
    EXPECT_FALSE(qv::VerificaInicio(s));

    EXPECT_EQ(readFile(f.erro), guardBlock + guardBlock);
    EXPECT_EQ(s.entrada(qv::Indice::r10).erros, 2);
    for (std::size_t i = 1; i < kEntries; ++i)
        EXPECT_EQ(s.Estatisticas[i].erros, 0) << i;
    ASSERT_EQ(s.ListaCampos.size(), 1u);
    EXPECT_EQ(s.ListaCampos[0], "REGISTRO 50");
}

TEST(VerificaInicio, AfterACloseWritesToTheClosedSessionsReport) {
    Files f;
    qv::Sessao s;
    qv::Inicia_SEF(s, f.sef, f.erro, f.log);
    qv::Finaliza_SEF(s);
    EXPECT_FALSE(qv::VerificaInicio(s));
    EXPECT_EQ(readFile(f.erro), guardBlock);
    EXPECT_EQ(s.entrada(qv::Indice::r10).erros, 1);
}

TEST(VerificaInicio, WithNoNameEverGivenRemovesTheDefaultReportOnce) {
    TempDir dir;
    WorkingDir cwd(dir.path());
    writeFile("c:\\Erro_SEF.txt", "old report\r\n");

    qv::Sessao s;
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(qv::VerificaInicio(s));

    EXPECT_EQ(s.ArquivoErro, "c:\\Erro_SEF.txt");
    EXPECT_EQ(readFile("c:\\Erro_SEF.txt"), guardBlock + guardBlock + guardBlock);
    EXPECT_EQ(s.entrada(qv::Indice::r10).erros, 3);
}

// QuebraSequencia(k) is true when an entry after k has a written line; errors and observations
// do not count.
TEST(QuebraSequencia, LooksOnlyAtWrittenCountsAfterK) {
    struct Case {
        std::size_t k;
        std::size_t entry; // the entry given a count
        int gravados, erros, observacoes;
        bool expected;
    };
    const Case cases[] = {
        {2, 5, 1, 0, 0, true},    // a 50 after a written 54
        {5, 6, 0, 1, 0, false},   // a 54 after a rejected 55
        {5, 6, 0, 0, 1, false},   // observations alone
        {5, 5, 3, 0, 0, false},   // the record's own type
        {5, 2, 3, 0, 0, false},   // an earlier type
        {2, 17, 1, 0, 0, true},   // the last entry is looked at
        {16, 17, 1, 0, 0, true},  // a record 88 after the trailer
        {0, 1, 1, 0, 0, true},    // the entry right after k
        {17, 17, 1, 0, 0, false}, // nothing comes after the trailer
        {17, 0, 1, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "k=" << c.k << " entry=" << c.entry);
        qv::Sessao s;
        s.Estatisticas[c.entry] = qv::Estatistica{0, c.gravados, c.erros, c.observacoes};
        EXPECT_EQ(qv::QuebraSequencia(s, c.k), c.expected);
    }
    // A written count below zero is still not 0.
    qv::Sessao s;
    s.Estatisticas[9].gravados = -1;
    EXPECT_TRUE(qv::QuebraSequencia(s, 8));
}

} // namespace
