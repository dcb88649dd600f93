// Record 88, subtypes 60 to 78: the cash-register summary map, the daily summary by product, the
// inventory totals, the adjustments of the assessment and the obligations to be paid.
//
// Three gates recur: a date left empty ("00000000") is not checked, a possession code of zero is
// not checked, and a CFOP left empty ("0000") is not checked.
#include "records/registros.hpp"

namespace qv {

namespace {

constexpr Campo campos88_60_00[] = {
    num("Qualificação:"_cp, 1),
    data("Data de Emissão:"_cp),
    num("Número do Primeiro Equipamento:"_cp, 3),
    num("Número do Último Equipamento:"_cp, 3),
    num("Venda Bruta:"_cp, 13),
    num("Venda Líquida:"_cp, 13),
    num("ICMS Debitado:"_cp, 13),
    alfa("Código de Lançamento Associado à Operação:"_cp, 12),
    num("CFOP:"_cp, 4),
    alfa("Observação MR:"_cp, 1),
};

// The CFOP is checked against the table whatever the qualification says.
void verifica88_60_00(Registro& c) {
    c.falhaSe(!Verifica_Qualificacao_S60(c[1]), -1, mensagem::qualificacaoInvalida, 1);
    c.falhaSe(!c.zerado(2) && !IsSEFDate(c[2]), -2, mensagem::dataEmissaoInvalida, 2);
    c.falhaSe(!isBlank(c[10]) && !Verifica_Observacao_MR(c[10]), -3,
              "Código da Observação MR Inválido :: "_cp, 10);
    c.falhaSe(c[9] != "0000" && !Verifica_CFOP(c[9]), -4,
              "Para Qualificação igual \"1 - Totais do período\", o CFOP não deve ser preenchido :: "_cp, 9);
    c.presenca10(-5);
    c.presenca11(-6);
}

constexpr Campo campos88_60_10[] = {
    num("Qualificação:"_cp, 1),
    data("Data de Emissão:"_cp),
    alfa("Situação Tributária/Alíquota:"_cp, 4),
    num("Valor Acumulado:"_cp, 13),
    num("Débito no ICMS:"_cp, 13),
};

void verifica88_60_10(Registro& c) {
    c.falhaSe(!Verifica_Qualificacao_S60(c[1]), -1, mensagem::qualificacaoInvalida, 1);
    c.falhaSe(!c.zerado(2) && !IsSEFDate(c[2]), -2, mensagem::dataEmissaoInvalida, 2);
    c.presenca10(-3);
    c.presenca11(-4);
}

// The model is numeric here: a letter in it is dropped before the model is checked.
constexpr Campo campos88_61_00[] = {
    data("Data de Emissão:"_cp),
    num("Modelo:"_cp, 2),
    alfa("Série:"_cp, 3),
    alfa("Subsérie:"_cp, 2),
    num("Número Inicial:"_cp, 6),
    num("Número Final:"_cp, 6),
    alfa("Código do Produto/Serviço:"_cp, 14),
    num("Quantidade:"_cp, 11),
    num("Valor da Mercadoria:"_cp, 12),
    num("Base de Cálculo do ICMS:"_cp, 12),
    num("Alíquota da Mercadoria:"_cp, 4),
    num("Valor do ICMS:"_cp, 12),
};

void verifica88_61_00(Registro& c) {
    c.falhaSe(!c.zerado(1) && !IsSEFDate(c[1]), -1, mensagem::dataEmissaoInvalida, 1);
    c.falhaSe(!Verifica_Modelo(c[2]), -2, "Código do Modelo do Documento Fiscal Inválido :: "_cp, 2);
    c.presenca10(-3);
    c.presenca11(-4);
}

constexpr Campo campos88_74_00[] = {
    num("Código de Posse:"_cp, 1),
    alfa("Código NBM:"_cp, 8),
    num("Código de Identificação dos Itens:"_cp, 1),
    num("Qualificação:"_cp, 1),
    num("Valor da Situação:"_cp, 13),
};

// Only the possession code may be left empty; the item identification and the qualification are
// always checked.
void verifica88_74_00(Registro& c) {
    c.falhaSe(c.inteiro(1) != 0 && !Verifica_Posse(c[1]), -1, "Código de Posse Inválido :: "_cp, 1);
    c.falhaSe(!Verifica_Id_Tipo(c[3]), -2, "Código de Identificação do Item Inválido :: "_cp, 3);
    c.falhaSe(!Verifica_Qualificacao_S74(c[4]), -3, mensagem::qualificacaoInvalida, 4);
    c.presenca10(-4);
    c.presenca11(-5);
}

constexpr Campo campos88_77_00[] = {
    num("Qualificação:"_cp, 2),
    alfa("Descrição:"_cp, 3),
    num("Valor:"_cp, 13),
    num("Período Fiscal Referência:"_cp, 6),
    alfa("Número do Processo:"_cp, 30),
    num("Origem do Processo:"_cp, 1),
    num("Código da Apuração:"_cp, 2),
    num("Observação:"_cp, 5),
};

// The process origin is checked also for an adjustment without a process number.
void verifica88_77_00(Registro& c) {
    c.falhaSe(!Verifica_Qualificacao_S77(c[1]), -1, "Código da Qualificacao Inválido :: "_cp, 1);
    c.falhaSe(!Verifica_Origem_Processo(c[6]), -2, "Código da Origem do Processo Inválido :: "_cp, 6);
    c.presenca10(-3);
    c.presenca11(-4);
}

constexpr Campo campos88_78_00[] = {
    num("Descrição:"_cp, 2),
    num("Valor do DAE:"_cp, 13),
    num("Código Receita do DAE:"_cp, 4),
    num("Período Fiscal de Referência:"_cp, 6),
    data("Data de Vencimento da Obrigação:"_cp),
    num("Observação:"_cp, 5),
};

void verifica88_78_00(Registro& c) {
    c.falhaSe(!Verifica_Descricao(c[1]), -1, "Código da Descrição Inválido :: "_cp, 1);
    c.falhaSe(!c.zerado(5) && !IsSEFDate(c[5]), -2,
              "Data de Vencimento da Obrigação Inválida (AAAAMMDD) :: "_cp, 5);
    c.presenca10(-3);
    c.presenca11(-4);
}

} // namespace

constexpr Layout Registro88_S60_D00 = registro88("60", "00", 43, campos88_60_00, verifica88_60_00);
constexpr Layout Registro88_S60_D10 = registro88("60", "10", 30, campos88_60_10, verifica88_60_10);
constexpr Layout Registro88_S61_D00 = registro88("61", "00", 27, campos88_61_00, verifica88_61_00);
constexpr Layout Registro88_S74_D00 = registro88("74", "00", 35, campos88_74_00, verifica88_74_00);
constexpr Layout Registro88_S77_D00 = registro88("77", "00", 27, campos88_77_00, verifica88_77_00);
constexpr Layout Registro88_S78_D00 = registro88("78", "00", 33, campos88_78_00, verifica88_78_00);

} // namespace qv
