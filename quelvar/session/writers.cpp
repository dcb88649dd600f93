// The writers of the SEF file and the error report. Every writer opens the file, appends its
// lines and closes it again before returning, so every line is on disk when a record export
// returns.
#include "format/text.hpp"
#include "platform/platform.hpp"
#include "session/session.hpp"

namespace qv {

std::string_view padraoSEF() {
    return "c:\\SEF.txt";
}
std::string_view padraoErro() {
    return "c:\\Erro_SEF.txt";
}
std::string_view padraoLog() {
    return "c:\\Log_SEF.txt";
}

void removeArquivoAntigo(std::string_view name) {
    if (platform::fileExists(name) && !platform::deleteFile(name))
        platform::aviso(std::string("Erro ao tentar apagar o arquivo ") + std::string(name));
}

void defaultName(std::string& name, std::string_view padrao) {
    if (!isBlank(name)) return;
    name.assign(padrao);
    removeArquivoAntigo(name);
}

namespace {

constexpr std::string_view fimLinha = "\r\n";

bool append(const std::string& file, std::string_view bytes) {
    if (platform::appendToFile(file, bytes)) return true;
    platform::aviso(std::string("Erro ao tentar escrever no arquivo ") + file);
    return false;
}

void appendSection(std::string& block, std::string_view title, const ListaLinhas& lines) {
    block.append(fimLinha);
    block.append(title);
    block.append(fimLinha);
    for (const std::string& l : lines) {
        block.append("\t  ");
        block.append(l);
        block.append(fimLinha);
    }
}

// The empty line and the trace that open the block of a record in the error report.
void appendTrace(std::string& block, const Sessao& s) {
    block.append(fimLinha);
    for (const std::string& l : s.ListaCampos) {
        block.append(l);
        block.append(fimLinha);
    }
}

const std::string_view tituloErros = "\tErro(s) do Registro:";

std::string_view tituloObservacoes() {
    return "\tObservação do Registro:"_cp;
}

void emptyLists(Sessao& s) {
    s.ListaErros.clear();
    s.ListaCampos.clear();
    s.ListaObservacoes.clear();
}

std::string& scratch() {
    static std::string buffer;
    buffer.clear();
    return buffer;
}

} // namespace

bool GravaRegistro(Sessao& s, std::string_view linha) {
    defaultName(s.ArquivoSEF, padraoSEF());
    defaultName(s.ArquivoErro, padraoErro());
    std::string& buffer = scratch();
    buffer.append(linha);
    buffer.append(fimLinha);
    const bool gravada = append(s.ArquivoSEF, buffer);
    if (!s.ListaObservacoes.empty()) {
        buffer.clear();
        appendTrace(buffer, s);
        appendSection(buffer, tituloObservacoes(), s.ListaObservacoes);
        append(s.ArquivoErro, buffer);
    }
    emptyLists(s);
    return gravada;
}

void GravaErros(Sessao& s) {
    defaultName(s.ArquivoErro, padraoErro());
    if (!s.ListaErros.empty() || !s.ListaObservacoes.empty()) {
        std::string& buffer = scratch();
        appendTrace(buffer, s);
        if (!s.ListaErros.empty()) appendSection(buffer, tituloErros, s.ListaErros);
        if (!s.ListaObservacoes.empty()) appendSection(buffer, tituloObservacoes(), s.ListaObservacoes);
        append(s.ArquivoErro, buffer);
    }
    emptyLists(s);
}

void GravaErro(Sessao& s, std::string_view texto) {
    defaultName(s.ArquivoErro, padraoErro());
    if (isBlank(texto)) return;
    std::string& buffer = scratch();
    buffer.append(fimLinha);
    buffer.append(tituloErros);
    buffer.append(fimLinha);
    buffer.append("\t  ");
    buffer.append(texto);
    buffer.append(fimLinha);
    append(s.ArquivoErro, buffer);
}

} // namespace qv
