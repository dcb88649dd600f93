// Records 60 (subtypes M, A and D) and 61: the cash-register days, their partial totalisers and
// the products they sold, and the day's documents issued other than through a cash register.
#include "records/registros.hpp"

namespace qv {

namespace {

constexpr Campo campos60M[] = {
    data("Data de Emissão:"_cp).rotuloAte(17),
    alfa("Número de Série de Fabricação:"_cp, 20),
    num("Número de Ordem Sequencial do Equipamento:"_cp, 3),
    alfa("Modelo do Documento Fiscal:"_cp, 2),
    num("Número do Contador no Início do Dia:"_cp, 6),
    num("Número do Contador no Final do Dia:"_cp, 6),
    num("Número do Contador de Redução Z:"_cp, 6),
    num("Contador de Reinício:"_cp, 3),
    num("Valor da Renda Bruta:"_cp, 16),
    num("Valor do Totalizador Geral:"_cp, 16),
    brancos(37),
    num("Grande Total Inicial:"_cp, 13),
    num("Venda Líquida:"_cp, 13),
    num("ICMS Debitado:"_cp, 13),
    num("Observação:"_cp, 5),
};

// A start counter equal to the end counter passes: a day without operations.
void verifica60M(Registro& c) {
    c.falhaSe(!IsSEFDate(c[1]), -1, mensagem::dataEmissaoInvalida, 1);
    c.falhaSe(!Verifica_Modelo(c[4]), -2, mensagem::modeloInvalido, 4);
    c.falhaSe(
        c.inteiro(5) > c.inteiro(6), -3,
        "Contador de Ordem de Operação no Inicio do Dia deve ser Menor que o Contador de Fim de Dia"_cp);
    c.periodo(1, -4,
              "Data de Emissão Inválida (AAAAMMDD) :: A Data está fora do período indicado no Registro10 :: "
              "Data: "_cp);
    c.presenca10(-5);
    c.presenca11(-6);
}

constexpr Campo campos60A[] = {
    data("Data de Emissão:"_cp).rotuloAte(17),
    alfa("Número de Série de Fabricação:"_cp, 20),
    alfa("Situação Tributária/Alíquota:"_cp, 4),
    num("Valor no Totalizador Parcial:"_cp, 12),
    brancos(79),
};

constexpr Campo campos60D[] = {
    data("Data de Emissão:"_cp),
    alfa("Número de Série de Fabricação:"_cp, 20),
    alfa("Código do Produto:"_cp, 14),
    num("Quantidade:"_cp, 13),
    num("Valor do Produto:"_cp, 16),
    num("Base de Cálculo do ICMS:"_cp, 16),
    alfa("Situação Tributária/Alíquota:"_cp, 4),
    num("Valor do ICMS:"_cp, 13),
    brancos(19),
};

// Subtypes A and D check only their emission date; the tax situation or rate is not validated.
void verifica60AD(Registro& c) {
    c.falhaSe(!IsSEFDate(c[1]), -1, mensagem::dataEmissaoInvalida, 1);
    c.periodo(1, -2,
              "Data de Emissão Inválida (AAAAMMDD) :: A Data está fora do período indicado no Registro10 :: "
              "Data: "_cp);
    c.presenca10(-3);
    c.presenca11(-4);
}

// The line starts with 28 blanks: one blank filler of 14 formatted twice.
constexpr Campo brancos61 = brancos(14);

constexpr Campo campos61[] = {
    brancos61,
    repetido(brancos61),
    data("Data de Emissão:"_cp),
    num("Modelo:"_cp, 2),
    alfa("Série:"_cp, 3),
    alfa("SubSérie:"_cp, 2),
    num("Número Inicial de Ordem:"_cp, 6),
    num("Número Final de Ordem:"_cp, 6),
    num("Valor Total do Documento:"_cp, 13),
    num("Base de Cálculo do ICMS:"_cp, 13),
    num("Valor do ICMS:"_cp, 12),
    num("Isenta:"_cp, 13),
    num("Valor que Não Confira Débito ou Crédito do ICMS/Total:"_cp, 13),
    num("Alíquota:"_cp, 4),
    brancos(1, "Branco:"),
    alfa("Código de Lançamento Associado à Operação:"_cp, 12),
    num("CFOP:"_cp, 4),
    num("Observação:"_cp, 5),
};

// A first number above the last one fails; below it or equal to it passes. The message says
// "Maior" all the same.
void verifica61(Registro& c) {
    c.falhaSe(!IsSEFDate(c[1]), -1, mensagem::dataEmissaoInvalida, 1);
    c.falhaSe(!Verifica_Modelo(c[2]), -2, mensagem::modeloInvalido, 2);
    c.falhaSe(
        c.inteiro(5) > c.inteiro(6), -3,
        "Número de Ordem de Documento Fiscal de mesmo Modelo, Série e Subsérie no Inicio do Dia deve ser "
        "Maior que o Número de Fim de Dia"_cp);
    c.periodo(1, -4,
              "Data de Emissão Inválida (AAAAMMDD) :: A Data está fora do período indicado no Registro10 :: "
              "Data: "_cp);
    c.falhaSe(!Verifica_CFOP(c[14]), -5, mensagem::cfopInvalido, 14);
    c.presenca10(-6);
    c.presenca11(-7);
}

} // namespace

// The three subtypes of record 60 count into the one entry of record type 60.
constexpr Layout Registro60M{
    .prefixo = "60M",
    .cabecalho = "REGISTRO 60 SUBTIPO: M",
    .entrada = Indice::r60,
    .larguraRotulo = 43,
    .campos = campos60M,
    .verificacoes = verifica60M,
};
constexpr Layout Registro60A{
    .prefixo = "60A",
    .cabecalho = "REGISTRO 60 SUBTIPO: A",
    .entrada = Indice::r60,
    .larguraRotulo = 31,
    .campos = campos60A,
    .verificacoes = verifica60AD,
};
constexpr Layout Registro60D{
    .prefixo = "60D",
    .cabecalho = "REGISTRO 60 SUBTIPO: D",
    .entrada = Indice::r60,
    .larguraRotulo = 31,
    .campos = campos60D,
    .verificacoes = verifica60AD,
};
constexpr Layout Registro61{
    .entrada = Indice::r61, .larguraRotulo = 55, .campos = campos61, .verificacoes = verifica61};

} // namespace qv
