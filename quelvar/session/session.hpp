// The generation session: the one process-wide state of the library, its statistics table, the
// session guard, the order check and the statistics log.
#pragma once

#include "session/lists.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// One entry of the statistics table.
struct Estatistica {
    std::int32_t tipo = 0;        // the layout's two-digit record type
    std::int32_t gravados = 0;    // lines of this type appended to the SEF file ("OK" in the log)
    std::int32_t erros = 0;       // calls of this type that were rejected
    std::int32_t observacoes = 0; // calls of this type that raised at least one observation
};

// Index of each record type in the statistics table; the index order is the order the layout
// requires in the SEF file.
enum class Indice : std::uint8_t {
    r10,
    r11,
    r50,
    r51,
    r53,
    r54,
    r55,
    r56,
    r60,
    r61,
    r70,
    r71,
    r74,
    r75,
    r76,
    r77,
    r88,
    r90
};
inline constexpr std::size_t numEstatisticas = 18;
inline constexpr std::array<std::int32_t, numEstatisticas> tiposRegistro = {
    10, 11, 50, 51, 53, 54, 55, 56, 60, 61, 70, 71, 74, 75, 76, 77, 88, 90};

// The two digits of each record type, in index order, for the lines and headers of the records.
inline constexpr auto digitosTipos = [] {
    std::array<char, 2 * numEstatisticas> d{};
    for (std::size_t i = 0; i < numEstatisticas; ++i) {
        d[2 * i] = static_cast<char>('0' + tiposRegistro[i] / 10);
        d[2 * i + 1] = static_cast<char>('0' + tiposRegistro[i] % 10);
    }
    return d;
}();

// The record type of an entry as its line starts it: "50", "88".
constexpr std::string_view tipoDe(Indice i) {
    return {digitosTipos.data() + 2 * static_cast<std::size_t>(i), 2};
}

struct Sessao {
    bool SessaoIniciada = false;
    std::string ArquivoSEF;
    std::string ArquivoErro;
    std::string ArquivoLog;
    ListaLinhas ListaCampos;
    ListaLinhas ListaObservacoes;
    ListaLinhas ListaErros;
    std::string CNPJInformante;
    std::string IEInformante;
    std::string UFInformante;
    // The informant's identifier as the host gave it to the accepted record 10, before formatting,
    // so that the trailer can accept an informant that record 10 accepted by its CPF.
    std::string CNPJInformanteRecebido;
    double DataInicial = 0;
    double DataFinal = 0;
    std::string TextoPeriodo;
    std::array<Estatistica, numEstatisticas> Estatisticas{};

    Estatistica& entrada(Indice i) { return Estatisticas[static_cast<std::size_t>(i)]; }
    const Estatistica& entrada(Indice i) const { return Estatisticas[static_cast<std::size_t>(i)]; }
};

// The session that the exports use.
Sessao& sessaoGlobal();

// Opens the session: stores the three names, removes old output files, resets the statistics.
// Ignored while a session is open.
void Inicia_SEF(Sessao& s, std::string_view sef, std::string_view erro, std::string_view log);

// Closes the session and writes the statistics log. A session that is not open is left alone:
// no log is written, so a second call cannot append the statistics twice.
void Finaliza_SEF(Sessao& s);

inline constexpr std::int32_t versao = 103;

// The session guard: true when a session is open; otherwise writes the guard block, counts an
// error on entry 0 and answers false.
bool VerificaInicio(Sessao& s);

// The order check: true when a record of a type later than index k has been written.
bool QuebraSequencia(const Sessao& s, std::size_t k);

// Writes the statistics log (Finaliza_SEF only).
void GravaEstatisticas(Sessao& s);

// The percentage column of the log: the share of e in t, rounded half away from zero to two
// decimals, with the given decimal separator. With the total held to four decimals first when
// viaQuatroCasas is set (the total line).
std::string percentual(std::int64_t e, std::int64_t t, std::string_view separador, bool viaQuatroCasas);

// The three writers of the SEF file and the error report. GravaRegistro answers whether the line
// reached the SEF file.
bool GravaRegistro(Sessao& s, std::string_view linha);
void GravaErros(Sessao& s);
void GravaErro(Sessao& s, std::string_view texto);

// Replaces a blank name by its default and removes the file at the default path (at most once
// per name, since the default is not blank).
void defaultName(std::string& name, std::string_view padrao);

// Removes an old output file of that name. An old file that can be neither removed nor emptied is
// shown in the message box ("Erro ao tentar apagar o arquivo " and the name), since the session
// would otherwise append to what an earlier run left in it.
void removeArquivoAntigo(std::string_view name);

std::string_view padraoSEF();
std::string_view padraoErro();
std::string_view padraoLog();

} // namespace qv
