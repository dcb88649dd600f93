// Record 88, incentive boxes: box E, the PRODEPE incentives (subtype 35): industry (detail 00),
// imports (10, 11 and 12, the rate bands), distribution centre (20) and freight on exit (30). All
// fields are numeric and written as the host passes them: no amount is computed or compared here,
// and the only code checked is the incentive band of detail 12.
#include "records/registros.hpp"

namespace qv {

namespace {

constexpr Campo campos88_35_00[] = {
    num("Código da Apuração:"_cp, 2),
    num("Percentual de Crédito:"_cp, 5),
    num("Saídas Não-Incentivadas:"_cp, 13),
    num("Saídas Incentivadas:"_cp, 13),
    num("Saídas Incentivadas para Fora do NE:"_cp, 13),
    num("Saldo Devedor do ICMS Antes do PRODEPE:"_cp, 13),
    num("Saldo Devedor do ICMS Relativo à Faixa Incentivada:"_cp, 13),
    num("Crédito Presumido para Saidas Fora do NE:"_cp, 13),
    num("Saldo Devedor Relativa as Saídas Fora do NE:"_cp, 13),
    num("Crédito Presumido PRODEPE:"_cp, 13),
    num("Total Incentivos PRODEPE:"_cp, 13),
    num("Saldo Devedor do ICMS Após PRODEPE:"_cp, 13),
};

constexpr Campo campos88_35_10[] = {
    num("Código de Apuração:"_cp, 2),
    num("Importação Não-Incentivada:"_cp, 13),
    num("Importação Incentivada:"_cp, 13),
    num("ICMS - Importação Não-Incentivada:"_cp, 13),
    num("ICMS - Importação Incentivada:"_cp, 13),
    num("Crédito Presumido:"_cp, 13),
    num("ICMS Recolher Relativo às Importações:"_cp, 13),
};

constexpr Campo campos88_35_11[] = {
    num("Código de Apuração:"_cp, 2),
    num("Operaçoes - Importação com ICMS Deferido:"_cp, 13),
    num("Imposto - Importação com ICMS Deferido:"_cp, 13),
    num("Saídas Não-Incentivadas:"_cp, 13),
    num("Percentual de Incentivo nas Saídas Fora do Estado:"_cp, 5),
    num("Saídas Incentivadas para Fora do Estado:"_cp, 13),
    num("ICMS Debitadonas Saídas Fora do Estado:"_cp, 13),
    num("Crédito Presumido PRODEPE:"_cp, 13),
    num("Saldo Devedor do ICMS:"_cp, 13),
    num("Saldo a Recolher Após do PRODEPE:"_cp, 13),
};

// clang-format off
constexpr Campo campos88_35_12[] = {
    num("Código de Apuração:"_cp, 2),
    num("Faixa de Incentivo:"_cp, 2),
    num("Saídas Incentivadas:"_cp, 13),
    num("Importações - Crédito Presumido PRODEPE:"_cp, 13),
    num("Crédito Presumido PRODEPE:"_cp, 13),
};
// clang-format on

void verifica88_35_12(Registro& c) {
    c.falhaSe(!Verifica_Faixa_Incentivo(c[2]), -1, "Código da Faixa de Incentivo Inválido :: "_cp, 2);
    c.presenca10(-2);
    c.presenca11(-3);
}

constexpr Campo campos88_35_20[] = {
    num("Código de Apuração:"_cp, 2),
    num("Entradas - Percentual de Incentivo:"_cp, 5),
    num("Entradas Não-Incentivadas:"_cp, 13),
    num("Entradas Incentivadas:"_cp, 13),
    num("Saídas - Percentual de Incentivo:"_cp, 5),
    num("Saídas Não-Incentivadas:"_cp, 13),
    num("Saídas Incentivadas:"_cp, 13),
    num("Saldo Devedor do ICMS Antes do PRODEPE:"_cp, 13),
    num("Crédito Presumido nas Entradas:"_cp, 13),
    num("Crédito Presumido nas Saídas:"_cp, 13),
    num("Total de Incentivos PRODEPE:"_cp, 13),
    num("Saldo Devedor do ICMS Após do PRODEPE:"_cp, 13),
    num("Índice:"_cp, 5),
    num("Valor do Frete CIF:"_cp, 13),
    num("Valor do Frete FOB:"_cp, 13),
};

constexpr Campo campos88_35_30[] = {
    num("Valor do Frete CIF - Fora do NE:"_cp, 13),
    num("Valor do Frete FOB - Fora do NE:"_cp, 13),
};

} // namespace

constexpr Layout Registro88_S35_D00 = registro88("35", "00", 52, campos88_35_00, apenasPresenca);
constexpr Layout Registro88_S35_D10 = registro88("35", "10", 39, campos88_35_10, apenasPresenca);
constexpr Layout Registro88_S35_D11 = registro88("35", "11", 51, campos88_35_11, apenasPresenca);
constexpr Layout Registro88_S35_D12 = registro88("35", "12", 41, campos88_35_12, verifica88_35_12);
constexpr Layout Registro88_S35_D20 = registro88("35", "20", 40, campos88_35_20, apenasPresenca);
constexpr Layout Registro88_S35_D30 = registro88("35", "30", 33, campos88_35_30, apenasPresenca);

} // namespace qv
