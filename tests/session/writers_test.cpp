// The writers of the SEF file and the error report: the blocks byte for byte, the default names
// and what happens when a file cannot be written.
#include "session/session.hpp"
#include "support/support.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace qvtest;
namespace fs = std::filesystem;

using Lines = std::vector<std::string>;

const std::string tituloErros = "\tErro(s) do Registro:";
const std::string tituloObservacoes = "\tObserva\xE7\xE3o do Registro:";
const std::string quebra = "\tQuebra de sequ\xEAncia conforme L\xF3gica de Ordena\xE7\xE3o Inter-Registros.";
const std::string aviso = "Erro ao tentar escrever no arquivo ";

// A record 11 whose street was too long for its field.
const Lines campos11 = {
    "REGISTRO 11",
    "\tLogradouro:                  \tRua A -> Rua A                            ",
    "\tN\xFAmero:                      \t12 -> 00012",
};
const std::string obsCorte =
    "Logradouro:                  \tQuantidade de caracteres maior que o permitido - "
    "Permitido: 34; Passados: 40";
const std::string erro10 = "-3   Fun\xE7\xE3o Registro10 n\xE3o foi chamada";
const std::string erroCep = "-5   CEP Inv\xE1lido :: 00000000";

// The trace part of a block: the empty line and the lines of ListaCampos.
std::string traceOf(const Lines& campos) {
    std::string out = "\r\n";
    for (const auto& l : campos)
        out += l + "\r\n";
    return out;
}

std::string sectionOf(const std::string& title, const Lines& lines) {
    std::string out = "\r\n" + title + "\r\n";
    for (const auto& l : lines)
        out += "\t  " + l + "\r\n";
    return out;
}

void fill(qv::Sessao& s, const Lines& campos, const Lines& erros, const Lines& observacoes) {
    for (const auto& l : campos)
        s.ListaCampos.add(l);
    for (const auto& l : erros)
        s.ListaErros.add(l);
    for (const auto& l : observacoes)
        s.ListaObservacoes.add(l);
}

void writeFile(const fs::path& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

void expectListsEmpty(const qv::Sessao& s) {
    EXPECT_TRUE(s.ListaCampos.empty());
    EXPECT_TRUE(s.ListaErros.empty());
    EXPECT_TRUE(s.ListaObservacoes.empty());
}

// An open session writing into a folder of its own.
struct Session {
    TempDir dir;
    qv::Sessao s;
    Session() { qv::Inicia_SEF(s, dir.file("sef.txt"), dir.file("erro.txt"), dir.file("log.txt")); }
    std::string sef() const { return readFile(dir.path() / "sef.txt"); }
    std::string erro() const { return readFile(dir.path() / "erro.txt"); }
};

TEST(Writers, BlocksOfAcceptedAndRejectedRecords) {
    struct Case {
        const char* what;
        bool accepted; // GravaRegistro of the line, else GravaErros
        Lines erros, observacoes;
        std::string sef, erro;
    };
    const std::string line = "11RUA A";
    const Case cases[] = {
        {"accepted, no observations", true, {}, {}, line + "\r\n", ""},
        {"accepted with observations; the order observation keeps its own tab",
         true,
         {},
         {obsCorte, quebra},
         line + "\r\n",
         traceOf(campos11) + sectionOf(tituloObservacoes, {obsCorte, quebra})},
        {"rejected with errors and observations: errors first",
         false,
         {erro10, erroCep},
         {obsCorte},
         "",
         traceOf(campos11) + sectionOf(tituloErros, {erro10, erroCep}) +
             sectionOf(tituloObservacoes, {obsCorte})},
        {"rejected with errors only",
         false,
         {erro10},
         {},
         "",
         traceOf(campos11) + sectionOf(tituloErros, {erro10})},
        {"observations only",
         false,
         {},
         {quebra},
         "",
         traceOf(campos11) + sectionOf(tituloObservacoes, {quebra})},
        {"neither errors nor observations: nothing is written", false, {}, {}, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session f;
        fill(f.s, campos11, c.erros, c.observacoes);
        if (c.accepted)
            qv::GravaRegistro(f.s, line);
        else
            qv::GravaErros(f.s);
        EXPECT_EQ(f.sef(), c.sef);
        EXPECT_EQ(f.erro(), c.erro);
        EXPECT_EQ(fs::exists(f.dir.path() / "erro.txt"), !c.erro.empty());
        EXPECT_EQ(fs::exists(f.dir.path() / "sef.txt"), !c.sef.empty());
        expectListsEmpty(f.s);
    }
}

TEST(Writers, TheExampleBlockOfARejectedRecord11ReadsLineByLine) {
    Session f;
    fill(f.s, campos11, {erro10}, {});
    qv::GravaErros(f.s);
    EXPECT_EQ(crlfLines(f.erro()),
              (Lines{"", "REGISTRO 11", campos11[1], campos11[2], "",
                     "\tErro(s) do Registro:", "\t  -3   Fun\xE7\xE3o Registro10 n\xE3o foi chamada"}));
}

TEST(Writers, GuardBlockIsOneErrorLine) {
    Session f;
    qv::GravaErro(f.s, "-0   Fun\xE7\xE3o Inicia_SEF n\xE3o chamada");
    EXPECT_EQ(f.erro(), "\r\n\tErro(s) do Registro:\r\n\t  -0   Fun\xE7\xE3o Inicia_SEF n\xE3o chamada\r\n");
    EXPECT_EQ(f.sef(), "");
}

TEST(Writers, GuardWithABlankTextWritesNothingAndLeavesTheLists) {
    Session f;
    fill(f.s, campos11, {erro10}, {quebra});
    qv::GravaErro(f.s, " \t\r\n");
    qv::GravaErro(f.s, "");
    EXPECT_FALSE(fs::exists(f.dir.path() / "erro.txt"));
    EXPECT_EQ(f.s.ListaCampos.size(), campos11.size());
    EXPECT_EQ(f.s.ListaErros.size(), 1u);
    EXPECT_EQ(f.s.ListaObservacoes.size(), 1u);
}

TEST(Writers, LinesAndBlocksAppendInCallOrder) {
    Session f;
    fill(f.s, campos11, {}, {obsCorte});
    qv::GravaRegistro(f.s, "10FIRST");
    fill(f.s, {"REGISTRO 50"}, {erroCep}, {});
    qv::GravaErros(f.s);
    qv::GravaRegistro(f.s, "50SECOND");
    qv::GravaErro(f.s, "-0   guard");
    EXPECT_EQ(f.sef(), "10FIRST\r\n50SECOND\r\n");
    EXPECT_EQ(f.erro(), traceOf(campos11) + sectionOf(tituloObservacoes, {obsCorte}) +
                            traceOf({"REGISTRO 50"}) + sectionOf(tituloErros, {erroCep}) + "\r\n" +
                            tituloErros + "\r\n\t  -0   guard\r\n");
}

TEST(Writers, OneFileForLinesAndBlocksInterleavesThemInCallOrder) {
    TempDir dir;
    qv::Sessao s;
    const std::string both = dir.file("both.txt");
    qv::Inicia_SEF(s, both, both, dir.file("log.txt"));
    fill(s, campos11, {}, {quebra});
    qv::GravaRegistro(s, "50FIRST");
    fill(s, {"REGISTRO 50"}, {erroCep}, {});
    qv::GravaErros(s);
    qv::GravaRegistro(s, "50SECOND");
    EXPECT_EQ(readFile(dir.path() / "both.txt"),
              "50FIRST\r\n" + traceOf(campos11) + sectionOf(tituloObservacoes, {quebra}) +
                  traceOf({"REGISTRO 50"}) + sectionOf(tituloErros, {erroCep}) + "50SECOND\r\n");
}

// Blank names fall back to "c:\SEF.txt" and "c:\Erro_SEF.txt" (files of those names in the
// working directory), and the file at the default path is removed the first time only.
TEST(WriterDefaults, BlankNamesFallBackAndRemoveTheDefaultFileOnce) {
    TempDir dir;
    WorkingDir cwd(dir.path());
    writeFile("c:\\SEF.txt", "old sef\r\n");
    writeFile("c:\\Erro_SEF.txt", "old report\r\n");
    qv::Sessao s;
    qv::Inicia_SEF(s, "", "\x01\x1F \t", dir.file("log.txt"));

    fill(s, campos11, {}, {quebra});
    qv::GravaRegistro(s, "50FIRST");
    fill(s, campos11, {}, {quebra});
    qv::GravaRegistro(s, "50SECOND");

    EXPECT_EQ(s.ArquivoSEF, "c:\\SEF.txt");
    EXPECT_EQ(s.ArquivoErro, "c:\\Erro_SEF.txt");
    EXPECT_EQ(readFile("c:\\SEF.txt"), "50FIRST\r\n50SECOND\r\n");
    const std::string block = traceOf(campos11) + sectionOf(tituloObservacoes, {quebra});
    EXPECT_EQ(readFile("c:\\Erro_SEF.txt"), block + block);
}

TEST(WriterDefaults, EachWriterDefaultsOnlyItsOwnNames) {
    struct Case {
        const char* what;
        void (*write)(qv::Sessao&);
        const char* sefAfter;
        const char* erroAfter;
        const char* sefFile;  // c:\SEF.txt afterwards
        const char* erroFile; // c:\Erro_SEF.txt afterwards
    };
    const Case cases[] = {
        {"GravaRegistro without observations: the report is defaulted and its old file removed, though "
         "nothing is written to it",
         [](qv::Sessao& s) { qv::GravaRegistro(s, "10LINE"); }, "c:\\SEF.txt", "c:\\Erro_SEF.txt",
         "10LINE\r\n", nullptr},
        {"GravaErros: only the report", [](qv::Sessao& s) { qv::GravaErros(s); }, "", "c:\\Erro_SEF.txt",
         "old\r\n", nullptr},
        {"GravaErro with a blank text: the report is defaulted all the same",
         [](qv::Sessao& s) { qv::GravaErro(s, " "); }, "", "c:\\Erro_SEF.txt", "old\r\n", nullptr},
        {"GravaErro", [](qv::Sessao& s) { qv::GravaErro(s, "-0   x"); }, "", "c:\\Erro_SEF.txt", "old\r\n",
         "\r\n\tErro(s) do Registro:\r\n\t  -0   x\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WorkingDir cwd(dir.path());
        writeFile("c:\\SEF.txt", "old\r\n");
        writeFile("c:\\Erro_SEF.txt", "old\r\n");
        qv::Sessao s;
        qv::Inicia_SEF(s, "", "", dir.file("log.txt"));
        c.write(s);
        EXPECT_EQ(s.ArquivoSEF, c.sefAfter);
        EXPECT_EQ(s.ArquivoErro, c.erroAfter);
        EXPECT_EQ(exists("c:\\SEF.txt"), c.sefFile != nullptr);
        if (c.sefFile) {
            EXPECT_EQ(readFile("c:\\SEF.txt"), c.sefFile);
        }
        EXPECT_EQ(exists("c:\\Erro_SEF.txt"), c.erroFile != nullptr);
        if (c.erroFile) {
            EXPECT_EQ(readFile("c:\\Erro_SEF.txt"), c.erroFile);
        }
    }
}

TEST(WriterDefaults, ANamedReportIsNotTouchedByADefaultedSefFile) {
    TempDir dir;
    WorkingDir cwd(dir.path());
    writeFile("c:\\Erro_SEF.txt", "old\r\n");
    qv::Sessao s;
    qv::Inicia_SEF(s, "", dir.file("erro.txt"), dir.file("log.txt"));
    qv::GravaRegistro(s, "10LINE");
    EXPECT_EQ(readFile("c:\\SEF.txt"), "10LINE\r\n");
    EXPECT_EQ(readFile("c:\\Erro_SEF.txt"), "old\r\n");
    EXPECT_EQ(s.ArquivoErro, dir.file("erro.txt"));
    EXPECT_FALSE(fs::exists(dir.path() / "erro.txt"));
}

// A file that cannot be written shows the message with its name; the writer goes on with its next
// step, and the lists are emptied in every case.
TEST(WriterFailures, AreShownAndTheRestIsStillWritten) {
    TempDir dir;
    writeFile(dir.path() / "plain", "x");
    const std::string unwritable[] = {
        dir.file("missing/out.txt"), dir.file("plain/out.txt"), "/dev/full",
        dir.file("sem diret\xC3\xB3rio/sa\xC3\xAD"
                 "da.txt"), // shown in Windows-1252
    };
    for (const std::string& bad : unwritable) {
        SCOPED_TRACE(bad);
        {
            SCOPED_TRACE("SEF line fails: the observation block is still written");
            Session f;
            AvisoRecorder avisos;
            f.s.ArquivoSEF = bad;
            fill(f.s, campos11, {}, {quebra});
            qv::GravaRegistro(f.s, "50LINE");
            EXPECT_EQ(avisos.messages(), Lines{aviso + bad});
            EXPECT_EQ(f.erro(), traceOf(campos11) + sectionOf(tituloObservacoes, {quebra}));
            expectListsEmpty(f.s);
        }
        {
            SCOPED_TRACE("observation block fails: the SEF line is written");
            Session f;
            AvisoRecorder avisos;
            f.s.ArquivoErro = bad;
            fill(f.s, campos11, {}, {quebra});
            qv::GravaRegistro(f.s, "50LINE");
            EXPECT_EQ(avisos.messages(), Lines{aviso + bad});
            EXPECT_EQ(f.sef(), "50LINE\r\n");
            expectListsEmpty(f.s);
        }
        {
            SCOPED_TRACE("both fail: one message each, SEF file first");
            Session f;
            AvisoRecorder avisos;
            f.s.ArquivoSEF = bad;
            f.s.ArquivoErro = dir.file("missing/erro.txt");
            fill(f.s, campos11, {}, {quebra});
            qv::GravaRegistro(f.s, "50LINE");
            EXPECT_EQ(avisos.messages(), (Lines{aviso + bad, aviso + dir.file("missing/erro.txt")}));
            expectListsEmpty(f.s);
        }
        {
            SCOPED_TRACE("rejected block and guard block fail; the next record is written");
            Session f;
            AvisoRecorder avisos;
            const std::string good = f.s.ArquivoErro;
            f.s.ArquivoErro = bad;
            fill(f.s, campos11, {erro10}, {quebra});
            qv::GravaErros(f.s);
            expectListsEmpty(f.s);
            qv::GravaErro(f.s, "-0   x");
            EXPECT_EQ(avisos.messages(), (Lines{aviso + bad, aviso + bad}));
            f.s.ArquivoErro = good;
            fill(f.s, campos11, {erro10}, {});
            qv::GravaErros(f.s);
            EXPECT_EQ(f.erro(), traceOf(campos11) + sectionOf(tituloErros, {erro10}));
        }
    }
    EXPECT_EQ(readFile(dir.path() / "plain"), "x");
}

// The default path cannot be removed (it is a folder): that is not reported, and the write that
// follows fails with the default name.
TEST(WriterFailures, AnUnremovableDefaultFileIsIgnoredUntilTheWrite) {
    TempDir dir;
    WorkingDir cwd(dir.path());
    fs::create_directory("c:\\SEF.txt");
    AvisoRecorder avisos;
    qv::Sessao s;
    qv::Inicia_SEF(s, "", dir.file("erro.txt"), dir.file("log.txt"));
    fill(s, campos11, {}, {quebra});
    qv::GravaRegistro(s, "50LINE");
    EXPECT_EQ(avisos.messages(), Lines{aviso + "c:\\SEF.txt"});
    EXPECT_TRUE(fs::is_directory("c:\\SEF.txt"));
    EXPECT_EQ(readFile(dir.path() / "erro.txt"), traceOf(campos11) + sectionOf(tituloObservacoes, {quebra}));
}

} // namespace
