// Records 50, 51, 53 and 54: invoices, their IPI, their tax substitution and their items.
#include "records/registros.hpp"

namespace qv {

namespace {

constexpr Campo campos50[] = {
    num("CNPJ do Remetente:"_cp, 14).recebido(),
    alfa("Inscrição Estadual:"_cp, 14).rotuloAte(46),
    data("Data de Emissão/Recebimento:"_cp).rotuloAte(44),
    alfa("UF:"_cp, 2),
    num("Modelo:"_cp, 2),
    alfa("Série:"_cp, 3),
    num("Número:"_cp, 6),
    num("CFOP:"_cp, 4),
    alfa("Emitente:"_cp, 1),
    num("Valor Total da Variação CFOP/Alíquota:"_cp, 13),
    num("Base de Cálculo do ICMS:"_cp, 13),
    num("Valor do Cálculo do ICMS:"_cp, 13),
    num("Valor Amparado por Isenção:"_cp, 13),
    num("Valor que Não Confira Débito ou Crédito:"_cp, 13),
    num("Alíquota:"_cp, 4),
    alfa("Situação da Nota Fiscal:"_cp, 1),
    data("Data de Emissão do Documento:"_cp),
    alfa("Código de Lançamento Associado à Operação:"_cp, 12),
    num("Complemento do Número da Nota Fiscal:"_cp, 3),
    alfa("CODUNC:"_cp, 9),
    num("Código de Consumo de Energia Elétrica:"_cp, 2),
    data("Data Inicial do Consumo:"_cp),
    data("Data Final do Consumo:"_cp),
    num("Demanda Contratada Ponta:"_cp, 7),
    num("Demanda Contratada Fora-Ponta:"_cp, 7).rotuloAte(44),
    num("Número de Consumidores:"_cp, 9),
    num("Valor Total:"_cp, 13),
    num("Base de Cálculo do ICMS - Total:"_cp, 13),
    num("Valor Total do ICMS:"_cp, 13),
    num("Operações Isentas Total:"_cp, 13),
    num("Valor Total que Não Confira Débito ou Crédito:"_cp, 13),
    num("Observação:"_cp, 5),
};

void verifica50(Registro& c) {
    if (!c.situacao(16, -6, "Situação da Nota Fiscal quanto ao Cancelamento Inválida :: "_cp)) return;
    c.falhaSe(!IsSEFDate(c[3]), -1, "Data de Emissão/Recebimento Inválida (AAAAMMDD) :: "_cp, 3);
    c.cnpjOuCpf(1, -2, mensagem::cnpjOuCpfInvalido);
    c.inscricaoEstadual(2, 4, -3, mensagem::inscricaoInvalida);
    c.falhaSe(!Verifica_UF(c[4]), -4, mensagem::ufInvalida, 4);
    c.falhaSe(!Verifica_Modelo(c[5]), -5, mensagem::modeloInvalido, 5);
    c.periodo(3, -7,
              "Data de Emissão/Recebimento Inválida (AAAAMMDD) :: A Data está fora do período indicado no "
              "Registro10 :: Data: "_cp);
    c.falhaSe(!Verifica_Emitente(c[9]), -8, "Emitente Inválido :: "_cp, 9);
    c.falhaSe(!c.zerado(17) && !IsSEFDate(c[17]), -9,
              "Data de Emissão do Documento Inválida (AAAAMMDD) :: "_cp, 17);
    c.falhaSe(!Verifica_CFOP(c[8]), -12, mensagem::cfopInvalido, 8);
    c.presenca10(-13);
    c.presenca11(-14);
}

constexpr Campo campos51[] = {
    num("CNPJ do Remetente:"_cp, 14).recebido(),
    alfa("Inscrição Estadual:"_cp, 14),
    data("Data de Emissão/Recebimento:"_cp).rotuloAte(37),
    alfa("UF:"_cp, 2),
    alfa("Série:"_cp, 3),
    num("Número:"_cp, 6),
    num("CFOP:"_cp, 4),
    num("Valor Total:"_cp, 13),
    num("Valor do IPI:"_cp, 13),
    num("Operações Isentas ou Não-Tributadas - IPI:"_cp, 13),
    num("Valor que Não Confira Débito ou Crétito do IPI:"_cp, 13),
    brancos(20),
    alfa("Situação da Nota Fiscal:"_cp, 1),
    num("Base de Cálculos do IPI:"_cp, 13),
};

void verifica51(Registro& c) {
    if (!c.situacao(12, -5, "Situação do Documento Fiscal quanto ao Cancelamento Inválida :: "_cp)) return;
    c.falhaSe(!IsSEFDate(c[3]), -1, "Data de Emissão/Recebimento Inválida (AAAAMMDD) :: "_cp, 3);
    c.cnpjOuCpf(1, -2, mensagem::cnpjOuCpfInvalido);
    c.inscricaoEstadual(2, 4, -3, mensagem::inscricaoInvalida);
    c.falhaSe(!Verifica_UF(c[4]), -4, mensagem::ufInvalida, 4);
    c.periodo(3, -6,
              "Data de Emissão/Recebimento Inválida (AAAAMMDD) :: A Data está fora do período indicado no "
              "Registro10 :: Data: "_cp);
    c.falhaSe(!Verifica_CFOP(c[7]), -7, mensagem::cfopInvalido, 7);
    c.presenca10(-8);
    c.presenca11(-9);
}

constexpr Campo campos53[] = {
    num("CNPJ do Contribuinte:"_cp, 14).recebido(),
    alfa("Inscrição Estadual:"_cp, 14),
    data("Data de Emissão/Recebimento:"_cp).rotuloAte(29),
    alfa("UF:"_cp, 2),
    num("Modelo:"_cp, 2),
    alfa("Série:"_cp, 3),
    num("Número:"_cp, 6),
    num("CFOP:"_cp, 4),
    alfa("Emitente:"_cp, 1),
    num("Base de Cálculo do ICMS:"_cp, 13),
    num("ICMS Retido:"_cp, 13),
    num("Despesas Acessórias:"_cp, 13),
    alfa("Situação da Nota Fiscal:"_cp, 1),
    brancos(30),
};

void verifica53(Registro& c) {
    if (!c.situacao(13, -6, "Situação do Documento Fiscal quanto ao Cancelamento Inválida :: "_cp)) return;
    c.falhaSe(!IsSEFDate(c[3]), -1, "Data Emissão/Recebimento Inválida (AAAAMMDD) :: "_cp, 3);
    c.cnpjOuCpf(1, -2, mensagem::cnpjOuCpfInvalido);
    c.inscricaoEstadual(2, 4, -3, mensagem::inscricaoInvalida);
    c.falhaSe(!Verifica_UF(c[4]), -4, mensagem::ufInvalida, 4);
    c.falhaSe(!Verifica_Modelo(c[5]), -5, mensagem::modeloInvalido, 5);
    c.periodo(3, -7,
              "Data de Emissão/Recebimento Inválida (AAAAMMDD) :: A Data está fora do período indicado no "
              "Registro10 :: Data: "_cp);
    c.falhaSe(!Verifica_Emitente(c[9]), -8, "Emitente Inválido :: "_cp, 9);
    c.falhaSe(!Verifica_CFOP(c[8]), -9, mensagem::cfopInvalido, 8);
    c.presenca10(-10);
    c.presenca11(-11);
}

constexpr Campo campos54[] = {
    num("CNPJ do Remetente:"_cp, 14).recebido(),
    num("Modelo:"_cp, 2),
    alfa("Série:"_cp, 3),
    num("Número:"_cp, 6),
    num("CFOP:"_cp, 4),
    num("CST:"_cp, 3),
    num("Número do Item:"_cp, 3),
    alfa("Código do Produto/Serviço:"_cp, 14),
    num("Quantidade:"_cp, 11),
    num("Valor do Produto:"_cp, 12),
    num("Valor do Desconto:"_cp, 12),
    num("Base de Cálculo do ICMS:"_cp, 12),
    num("Base de Cálculo do ICMS - Situação Tributária:"_cp, 12),
    num("Valor do IPI:"_cp, 12),
    num("Alíquota do ICMS:"_cp, 4),
    alfa("Inscrição Estadual:"_cp, 14),
    data("Data de Emissão/Recebimento:"_cp).rotuloAte(43),
    alfa("UF:"_cp, 2),
    num("Código da Apuração:"_cp, 2),
    num("Indicador Especial:"_cp, 2),
};

void verifica54(Registro& c) {
    c.cnpjOuCpf(1, -1, mensagem::cnpjOuCpfInvalido);
    c.falhaSe(!Verifica_Modelo(c[2]), -2, mensagem::modeloInvalido, 2);
    c.falhaSe(!Verifica_NumeroItem(c[7]), -3, mensagem::numeroItemInvalido, 7);
    c.falhaSe(!Verifica_CST(c[6]), -4, mensagem::cstInvalido, 6);
    c.inscricaoEstadual(16, 18, -5, mensagem::inscricaoInvalida);
    c.falhaSe(!Verifica_UF(c[18]), -6, mensagem::ufInvalida, 18);
    c.falhaSe(!c.zerado(17) && !IsSEFDate(c[17]), -7,
              "Data de Emissão/Recebimento do Documento Inválida (AAAAMMDD) :: "_cp, 17);
    c.falhaSe(!Verifica_Indicador(c[20]), -8, "Código do Indicador Especial Inválido :: "_cp, 20);
    c.falhaSe(!Verifica_CFOP(c[5]), -9, mensagem::cfopInvalido, 5);
    c.presenca10(-10);
    c.presenca11(-11);
}

} // namespace

constexpr Layout Registro50{
    .entrada = Indice::r50, .larguraRotulo = 47, .campos = campos50, .verificacoes = verifica50};
constexpr Layout Registro51{
    .entrada = Indice::r51, .larguraRotulo = 48, .campos = campos51, .verificacoes = verifica51};
constexpr Layout Registro53{
    .entrada = Indice::r53, .larguraRotulo = 33, .campos = campos53, .verificacoes = verifica53};
constexpr Layout Registro54{
    .entrada = Indice::r54, .larguraRotulo = 47, .campos = campos54, .verificacoes = verifica54};

} // namespace qv
