// Records 55 and 56: the tax collection guides paid as tax substitute, and the items of vehicle
// sales.
#include "records/registros.hpp"

namespace qv {

namespace {

constexpr Campo campos55[] = {
    num("CNPJ do Contribuinte:"_cp, 14).recebido(),
    alfa("Inscrição Estadual Substituto:"_cp, 14),
    data("Data da GNRE:"_cp),
    alfa("UF Substituto:"_cp, 2),
    alfa("UF Favorecida:"_cp, 2),
    num("Banco GNRE:"_cp, 3),
    num("Agência GNRE:"_cp, 4),
    alfa("Número GNRE:"_cp, 20),
    num("Valor GNRE:"_cp, 13),
    data("Data do Vencimento:"_cp),
    num("Mês e Ano da Referência:"_cp, 6),
    alfa("Número do Convênio:"_cp, 30),
};

// Both dates of the guide are mandatory and neither is held against the period. The inscription
// is checked for the favoured state; an inscription given as "INEXISTENTE" is exempt.
void verifica55(Registro& c) {
    c.falhaSe(!IsSEFDate(c[10]), -1, "Data de Vencimento Inválida (AAAAMMDD) :: "_cp, 10);
    c.falhaSe(!IsSEFDate(c[3]), -2,
              "Data do GNRE - Guia Nacional de Recolhimento de Tributos Estaduais Inválida (AAAAMMDD) :: "_cp,
              3);
    c.cnpjOuCpf(1, -3, "CNPJ Substituto Tributário ou CPF Inválido :: "_cp);
    c.inscricaoEstadual(2, 5, -4, "Inscrição Estadual Inválida para UF Favorecida :: "_cp, {"INEXISTENTE"});
    c.falhaSe(!Verifica_UF(c[4]), -5, "Unidade da Federação do Substituto Tributário Inválida :: "_cp, 4);
    c.falhaSe(!Verifica_UF(c[5]), -6, "Unidade da Federação do Favorecido Inválida :: "_cp, 5);
    c.falhaSe(c[1] != c.sessao().CNPJInformante, -7,
              "CNPJ Substituto Tributário Inválido :: CNPJ deve ser igual ao do informante do Registro10"_cp);
    c.presenca10(-8);
    c.presenca11(-9);
}

constexpr Campo campos56[] = {
    num("CNPJ/CNPJ Adquirente:"_cp, 14).recebido(),
    num("Modelo:"_cp, 2),
    alfa("Série:"_cp, 3),
    num("Número:"_cp, 6),
    num("CFOP:"_cp, 4),
    num("CST:"_cp, 3),
    num("Número do Item:"_cp, 3),
    alfa("Código do Produto:"_cp, 14),
    num("Tipo de Operação:"_cp, 1),
    num("CNPJ da Consercionária:"_cp, 14).recebido(),
    num("Alíquota do IPI:"_cp, 4),
    alfa("Chassi:"_cp, 17),
    brancos(39),
};

void verifica56(Registro& c) {
    c.cnpjOuCpf(1, -1, "CNPJ ou CPF do Adquirente Inválido :: "_cp);
    c.cnpjOuCpf(10, -2, "CNPJ ou CPF da Concessionária Inválido :: "_cp);
    c.falhaSe(!Verifica_Modelo(c[2]), -3, mensagem::modeloInvalido, 2);
    c.falhaSe(!Verifica_NumeroItem(c[7]), -4, mensagem::numeroItemInvalido, 7);
    c.falhaSe(!Verifica_CST(c[6]), -5, mensagem::cstInvalido, 6);
    c.falhaSe(!Verifica_Tipo_Operacao(c[9]), -6, "Código do Tipo de Operação Inválido :: "_cp, 9);
    c.falhaSe(!Verifica_CFOP(c[5]), -7, mensagem::cfopInvalido, 5);
    c.presenca10(-8);
    c.presenca11(-9);
}

} // namespace

constexpr Layout Registro55{
    .entrada = Indice::r55, .larguraRotulo = 31, .campos = campos55, .verificacoes = verifica55};
constexpr Layout Registro56{
    .entrada = Indice::r56, .larguraRotulo = 24, .campos = campos56, .verificacoes = verifica56};

} // namespace qv
