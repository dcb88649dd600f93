// The session state, the session guard, the order check and the statistics log.
#include "session/session.hpp"

#include "format/text.hpp"
#include "platform/platform.hpp"

namespace qv {

Sessao& sessaoGlobal() {
    static Sessao sessao;
    return sessao;
}

void Inicia_SEF(Sessao& s, std::string_view sef, std::string_view erro, std::string_view log) {
    if (s.SessaoIniciada) return;
    s.SessaoIniciada = true;
    s.CNPJInformante.clear();
    s.IEInformante.clear();
    s.UFInformante.clear();
    s.CNPJInformanteRecebido.clear();
    s.TextoPeriodo.clear();
    s.DataInicial = 0;
    s.DataFinal = 0;
    s.ArquivoErro.assign(erro);
    s.ArquivoSEF.assign(sef);
    s.ArquivoLog.assign(log);
    for (const std::string* name : {&s.ArquivoSEF, &s.ArquivoErro, &s.ArquivoLog})
        if (!name->empty()) removeArquivoAntigo(*name);
    s.ListaErros.clear();
    s.ListaCampos.clear();
    s.ListaObservacoes.clear();
    for (std::size_t i = 0; i < numEstatisticas; ++i)
        s.Estatisticas[i] = Estatistica{tiposRegistro[i], 0, 0, 0};
}

void Finaliza_SEF(Sessao& s) {
    if (!s.SessaoIniciada) return;
    s.SessaoIniciada = false;
    GravaEstatisticas(s);
    s.ListaErros.destroy();
    s.ListaCampos.destroy();
    s.ListaObservacoes.destroy();
}

bool VerificaInicio(Sessao& s) {
    if (s.SessaoIniciada) return true;
    GravaErro(s, "-0   Função Inicia_SEF não chamada"_cp);
    s.entrada(Indice::r10).erros += 1;
    return false;
}

bool QuebraSequencia(const Sessao& s, std::size_t k) {
    for (std::size_t i = k + 1; i < numEstatisticas; ++i)
        if (s.Estatisticas[i].gravados != 0) return true;
    return false;
}

std::string percentual(std::int64_t e, std::int64_t t, std::string_view separador, bool viaQuatroCasas) {
    std::int64_t centesimos = 0; // hundredths of a percent, rounded half away from zero
    if (t > 0) {
        if (viaQuatroCasas) {
            const std::int64_t decimosMilesimos = (2 * e * 1000000 + t) / (2 * t);
            centesimos = (2 * decimosMilesimos + 100) / 200;
        } else {
            centesimos = (2 * e * 10000 + t) / (2 * t);
        }
    }
    std::string out = std::to_string(centesimos / 100);
    out.append(separador);
    const auto frac = centesimos % 100;
    out.push_back(static_cast<char>('0' + frac / 10));
    out.push_back(static_cast<char>('0' + frac % 10));
    return out;
}

void GravaEstatisticas(Sessao& s) {
    defaultName(s.ArquivoLog, padraoLog());
    const std::string separador = platform::regional().decimalSeparator;
    const std::string hifens(53, '-');
    std::string log;
    auto line = [&log](std::string_view text) {
        log.append(text);
        log.append("\r\n");
    };
    line("Estastísticas dos Registros:"_cp);
    line("");
    line("REGISTROS\tOK\tOBS\tERROS\t%ERRO\tTOTAL");
    line(hifens);
    std::int64_t gravados = 0, observacoes = 0, erros = 0;
    for (const Estatistica& e : s.Estatisticas) {
        if (e.gravados <= 0 && e.erros <= 0 && e.observacoes <= 0) continue;
        gravados += e.gravados;
        observacoes += e.observacoes;
        erros += e.erros;
        std::string row = "Registro " + std::to_string(e.tipo);
        for (const std::int64_t n :
             {std::int64_t{e.gravados}, std::int64_t{e.observacoes}, std::int64_t{e.erros}})
            row += "\t" + std::to_string(n);
        row += "\t" + percentual(e.erros, std::int64_t{e.gravados} + e.erros, separador, false) + "%";
        row += "\t" + std::to_string(std::int64_t{e.gravados} + e.erros);
        line(row);
    }
    line(hifens);
    line("Total\t\t" + std::to_string(gravados) + "\t" + std::to_string(observacoes) + "\t" +
         std::to_string(erros) + "\t" + percentual(erros, gravados + erros, separador, true) + "%\t" +
         std::to_string(gravados + erros));
    if (!platform::appendToFile(s.ArquivoLog, log))
        platform::aviso(std::string("Erro ao tentar escrever no arquivo ") + s.ArquivoLog);
    s.ListaErros.clear();
    s.ListaCampos.clear();
    s.ListaObservacoes.clear();
}

} // namespace qv
