// Records 10, 11 and 90: the informant and its period, the informant's address, and the totals
// that close the file.
#include "records/registros.hpp"

#include <vector>

namespace qv {

namespace {

constexpr Campo campos10[] = {
    num("CNPJ do Estabelecimento Informante:"_cp, 14).recebido(),
    alfa("Inscrição Estadual:"_cp, 14),
    alfa("Nome Contribuinte:"_cp, 35),
    alfa("Município:"_cp, 30),
    alfa("UF:"_cp, 2),
    num("Fax:"_cp, 10),
    data("Data Inicial:"_cp),
    data("Data Final:"_cp),
    alfa("Convênio:"_cp, 1),
    alfa("Código da Identificação das Operações:"_cp, 1),
    alfa("Código da Finalidade do Arquivo Digital:"_cp, 1),
    alfa("Código da Identificação do Layout:"_cp, 1).rotuloAte(40),
};

void verifica10(Registro& c) {
    c.falhaSe(!IsSEFDate(c[7]), -1, "Data Inicial Inválida (AAAAMMDD) :: "_cp, 7);
    c.falhaSe(!IsSEFDate(c[8]), -2, "Data Final Inválida (AAAAMMDD) :: "_cp, 8);
    c.falhaSe(c.valorData(8) < c.valorData(7), -3, "Data Final deve ser maior que Data Inicial"_cp);
    c.falhaSe(!isFirstDayOfMonth(c.valorData(7)), -4,
              "Data Inicial deve ser igual ao 1º dia do mês indicado"_cp);
    c.falhaSe(!isLastDayOfMonth(c.valorData(8)), -5,
              "Data Final deve ser igual ao último dia do mês indicado"_cp);
    c.cnpjOuCpf(1, -6, "CGC/MF ou CPF Inválido :: "_cp);
    c.falhaSe(!Verifica_UF(c[5]), -7, mensagem::ufInvalida, 5);
    c.inscricaoEstadual(2, 5, -8, mensagem::inscricaoInvalida);
    c.falhaSe(isBlank(c[3]), -9, "Nome do Contribuinte Inválido :: Preenchimento Obrigatório"_cp);
    c.falhaSe(isBlank(c[4]), -10, "Município Inválido :: Preenchimento Obrigatório"_cp);
    // -11 (fax): a fax of zeros is the layout's "no fax", so the fax is never reported.
    c.falhaSe(!Verifica_Convenio(c[9]), -12, "Código de Convênio Inválido :: "_cp, 9);
    c.falhaSe(!Verifica_Operacao(c[10]), -13, "Código de Natureza da Operação Inválido :: "_cp, 10);
    c.falhaSe(!Verifica_Finalidade(c[11]), -14, "Código da Finalidade do Arquivo Magnético Inválido :: "_cp,
              11);
    c.falhaSe(!Verifica_Layout(c[12]), -15, "Código do Layout do Arquivo Digital Inválido :: "_cp, 12);
    c.falhaSe(
        c.sessao().entrada(Indice::r10).gravados > 0, -16,
        "Só deve haver 1(um) Registro10 no arquivo do SEF :: Função Registro10 chamada mais de 1(uma) vez"_cp);
}

// The accepted record 10 stores the informant and the period for the records that follow.
void guardaInformante(Registro& c) {
    Sessao& s = c.sessao();
    s.CNPJInformante.assign(c[1]);
    s.CNPJInformanteRecebido.assign(c.recebido(1));
    s.IEInformante.assign(c[2]);
    s.UFInformante.assign(c[5]);
    s.DataInicial = c.valorData(7);
    s.DataFinal = c.valorData(8);
    s.TextoPeriodo = "de " + textoData(s.DataInicial) + std::string(" até "_cp) + textoData(s.DataFinal);
}

constexpr Campo campos11[] = {
    alfa("Logradouro:"_cp, 34), num("Número:"_cp, 5), alfa("Complemento:"_cp, 22),
    alfa("Bairro:"_cp, 15),     num("CEP:"_cp, 8),    alfa("Nome da Pessoa Para Contato:"_cp, 28),
    num("Telefone:"_cp, 12),
};

void verifica11(Registro& c) {
    c.falhaSe(!Verifica_CEP(c[5]), -1, "CEP Inválido :: "_cp, 5);
    c.falhaSe(isBlank(c[3]) && c.inteiro(2) == 0, -2,
              "Complemento ou Número Inválido  :: Pelo menos 1 dos campos deve ser preenchido"_cp);
    c.presenca10(-3);
    c.falhaSe(
        c.sessao().entrada(Indice::r11).gravados > 0, -4,
        "Só deve haver 1(um) Registro11 no arquivo do SEF :: Função Registro11 chamada mais de 1(uma) vez"_cp);
}

// Record 90 formats the stored informant in place. Its CPF alternative sees the identifier as the
// host gave it to record 10, so an informant that record 10 accepted by its CPF is accepted here.
constexpr Campo campos90[] = {
    daSessao(num("CNPJ Informante:"_cp, 14).rotuloAte(17), &Sessao::CNPJInformante,
             &Sessao::CNPJInformanteRecebido),
    daSessao(alfa("Inscrição Estadual Informante:"_cp, 14).rotuloAte(31), &Sessao::IEInformante),
};

void verifica90(Registro& c) {
    c.cnpjOuCpf(1, -1, "CGC/MF ou CPF Inválido :: "_cp);
    c.falhaSe(c.inscricaoInvalida(c[2], c.sessao().UFInformante), -2, mensagem::inscricaoInvalida, 2);
    c.presenca10(-3);
    c.presenca11(-4);
    c.falhaSe(
        c.sessao().entrada(Indice::r90).gravados > 0, -5,
        "Só deve haver uma chamada para o Registro90 no arquivo do SEF :: Função Registro90 chamada mais de "
        "1(uma) vez"_cp);
}

void appendCount(std::string& out, std::int64_t n, std::size_t digits) {
    const std::string s = std::to_string(n);
    if (s.size() < digits) out.append(digits - s.size(), '0');
    out.append(s);
}

// The totals of the written lines per record type, nine to a line, the grand total last.
void compoe90(Registro& c) {
    const Sessao& s = c.sessao();
    std::vector<std::string> totais;
    std::int64_t total = 3; // records 10, 11 and 90 always count once
    for (std::size_t i = static_cast<std::size_t>(Indice::r50); i <= static_cast<std::size_t>(Indice::r88);
         ++i) {
        const Estatistica& e = s.Estatisticas[i];
        if (e.gravados <= 0) continue;
        total += e.gravados;
        std::string t = std::to_string(e.tipo);
        appendCount(t, e.gravados, 8);
        totais.push_back(std::move(t));
    }
    std::string grand = "99";
    appendCount(grand, total, 8);
    totais.push_back(std::move(grand));

    const std::string inicio =
        std::string(c.layout().tipo()) + std::string(c.campo(0)) + std::string(c.campo(1));
    std::vector<std::string> linhas{inicio};
    for (const std::string& t : totais) {
        if (linhas.back().size() + t.size() > 125) linhas.push_back(inicio);
        linhas.back().append(t);
    }
    for (std::string& l : linhas) {
        l.resize(125, ' ');
        l.append(std::to_string(linhas.size()));
    }
    for (const std::string& l : linhas)
        c.gravaLinha(l);
}

} // namespace

constexpr Layout Registro10{
    .entrada = Indice::r10,
    .larguraRotulo = 41,
    .campos = campos10,
    .verificacoes = verifica10,
    .aoAceitar = guardaInformante,
};

constexpr Layout Registro11{
    .entrada = Indice::r11,
    .larguraRotulo = 29,
    .campos = campos11,
    .verificacoes = verifica11,
};

constexpr Layout Registro90{
    .entrada = Indice::r90,
    .larguraRotulo = 17,
    .campos = campos90,
    .verificacoes = verifica90,
    .compoe = compoe90,
};

} // namespace qv
