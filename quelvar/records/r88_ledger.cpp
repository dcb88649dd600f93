// Record 88, subtypes 80 to 89: the ICMS assessment ledger of the period (entries, exits, their
// totals and the assessment of debits, credits, balances and obligations) and the observations.
//
// The ledger comes in families of one structure: the six ledger lines (entries and exits, internal,
// interstate and abroad), the two totals, and the assessments of four and of six amounts. Each
// family is built once from the labels in which its members differ.
#include "records/registros.hpp"

#include <array>

namespace qv {

namespace {

// Amounts of 13 digits under the given labels, in line order.
template <std::size_t N>
constexpr std::array<Campo, N> montantes(const std::array<std::string_view, N>& rotulos) {
    std::array<Campo, N> campos{};
    for (std::size_t i = 0; i < N; ++i)
        campos[i] = num(rotulos[i], 13);
    return campos;
}

// The eleven amounts of the ledger, shared by its lines and its totals; entries and exits name
// the ICMS amount and the two that follow it differently.
constexpr std::array<Campo, 11> valoresLivro(std::string_view icms, std::string_view segundo,
                                             std::string_view terceiro) {
    return montantes<11>({
        "Valor Contábil:"_cp,
        "Base de Cálculo:"_cp,
        icms,
        segundo,
        terceiro,
        "Operações Isentas:"_cp,
        "Total de Outras Operações/Prestações:"_cp,
        "Total do IPI - Base de Cálculo:"_cp,
        "Total do IPI - Creditado:"_cp,
        "Total do IPI - Operações Isentas:"_cp,
        "Total do IPI - Outras Operações:"_cp,
    });
}

// One ledger line: the qualification and the CFOP, then the eleven amounts.
struct LinhaLivro {
    std::array<Campo, 13> campos;
    const ListaCodigos& qualificacao;
    std::string_view erroQualificacao; // message -1
    std::string_view erroCFOP;         // message -2
};

constexpr LinhaLivro linhaLivro(std::array<Campo, 11> valores, const ListaCodigos& qualificacao,
                                std::string_view erroQualificacao, std::string_view erroCFOP) {
    LinhaLivro l{{}, qualificacao, erroQualificacao, erroCFOP};
    l.campos[0] = num("Qualificação:"_cp, 2);
    l.campos[1] = num("CFOP:"_cp, 4);
    for (std::size_t i = 0; i < valores.size(); ++i)
        l.campos[i + 2] = valores[i];
    return l;
}

// A CFOP left empty ("0000") is not checked; a filled one must be in the table, whatever the
// qualification.
template <const LinhaLivro& linha> void verificaLinha(Registro& c) {
    c.falhaSe(!linha.qualificacao(c[1]), -1, linha.erroQualificacao, 1);
    c.falhaSe(c[2] != "0000" && !Verifica_CFOP(c[2]), -2, linha.erroCFOP, 2);
    c.presenca10(-3);
    c.presenca11(-4);
}

constexpr auto valoresEntradas = valoresLivro("ICMS Creditado:"_cp, "ICMS Fonte:"_cp, "ICMS Entrada:"_cp);
constexpr auto valoresSaidas =
    valoresLivro("ICMS Debitado:"_cp, "Total do ICMS Substituído para o Estado:"_cp,
                 "Total do ICMS Substituído para Outros Estados:"_cp);

constexpr LinhaLivro entradas00 = linhaLivro(
    valoresLivro("ICMS Normal Creditado:"_cp, "ICMS Fonte:"_cp, "ICMS pela Entrada:"_cp),
    Verifica_Qualificacao_S80, "Código da Qualificacao Inválido :: "_cp,
    "Para Qualificação igual \"01 - Total das Entradas Internas\", o CFOP não deve ser preenchido :: "_cp);
constexpr LinhaLivro entradas01 = linhaLivro(
    valoresLivro("ICMS Normal Creditado:"_cp, "ICMS Fonte:"_cp, "ICMS Entrada:"_cp),
    Verifica_Qualificacao_S80_D01, "Código da Qualificacao Inválido :: "_cp,
    "Para Qualificação igual \"01 - Total das entradas Interestaduais\", o CFOP não deve ser preenchido :: "_cp);
constexpr LinhaLivro entradas02 = linhaLivro(
    valoresEntradas, Verifica_Qualificacao_S80_D02, "Código da Qualificacao Inválido :: "_cp,
    "Para Qualificação igual \"01 - Total das Entradas Exterior\", o CFOP não deve ser preenchido :: "_cp);
constexpr LinhaLivro saidas00 = linhaLivro(
    valoresSaidas, Verifica_Qualificacao_S82, mensagem::qualificacaoInvalida,
    "Para Qualificação igual \"01 - Total das saídas internas\", o CFOP não deve ser preenchido :: "_cp);
constexpr LinhaLivro saidas01 = linhaLivro(
    valoresSaidas, Verifica_Qualificacao_S82_D01, mensagem::qualificacaoInvalida,
    "Para Qualificação igual \"01 - Total das saídas Interestaduais\", o CFOP não deve ser preenchido :: "_cp);
constexpr LinhaLivro saidas02 = linhaLivro(
    valoresSaidas, Verifica_Qualificacao_S82_D02, mensagem::qualificacaoInvalida,
    "Para Qualificação igual \"01 - Total das saídas para o exterior\", o CFOP naõ deve ser preenchido :: "_cp);

// The totals and the assessments check only that records 10 and 11 were written (apenasPresenca);
// their amounts are written as passed, never recomputed nor compared.

constexpr auto debito = montantes<4>({
    "Saídas e Prestações com Débito do Imposto:"_cp,
    "Outros Débitos:"_cp,
    "Estorno de Crédito:"_cp,
    "Total de Débitos:"_cp,
});
constexpr auto credito = montantes<6>({
    "Entradas e Aquisições com Crédito do Imposto:"_cp,
    "Outros Créditos:"_cp,
    "Estorno do Débito:"_cp,
    "Subtotal dos Créditos:"_cp,
    "Saldo Credor do Período Fiscal Anterior:"_cp,
    "Total dos Créditos:"_cp,
});
constexpr auto saldos = montantes<4>({
    "Saldo Credor a Transportar Período Seguinte:"_cp,
    "Saldo Devedor:"_cp,
    "Deduções:"_cp,
    "ICMS a Recolher:"_cp,
});
constexpr auto obrigacoes = montantes<6>({
    "ICMS Substituto pelas Entrada:"_cp,
    "ICMS Substituto pelas Saídas para o Estado:"_cp,
    "ICMS Diferença de Alíquotas:"_cp,
    "ICMS Importação:"_cp,
    "Outras Obrigações:"_cp,
    "Total das Obrigações a Recolher:"_cp,
});

constexpr Campo campos88_89_00[] = {
    num("Período Fiscal:"_cp, 6),
    num("Número da Observação:"_cp, 5),
    num("Livro:"_cp, 2),
    alfa("Inscrição Estadual Referenciada:"_cp, 14),
    num("Número do Documento Fiscal:"_cp, 12),
    alfa("Modelo do Documento Fiscal:"_cp, 2),
    data("Data do Documento Fiscal:"_cp),
    alfa("Ato Normativo:"_cp, 20),
    num("Número do Ato Normativo:"_cp, 5),
    num("Ano do Ato Normativo:"_cp, 4),
    alfa("Capitulação da Norma:"_cp, 30),
    alfa("Texto Livre:"_cp, 70),
};

// The document date may be left empty; the referenced registration and the model are not checked.
void verifica88_89_00(Registro& c) {
    c.falhaSe(!Verifica_Livro(c[3]), -1, "Código do Livro Inválido :: "_cp, 3);
    c.falhaSe(!c.zerado(7) && !IsSEFDate(c[7]), -2, "Data do Documento Fiscal Inválida (AAAAMMDD) :: "_cp, 7);
    c.presenca10(-3);
    c.presenca11(-4);
}

} // namespace

constexpr Layout Registro88_S80_D00 =
    registro88("80", "00", 38, entradas00.campos, verificaLinha<entradas00>);
constexpr Layout Registro88_S80_D01 =
    registro88("80", "01", 38, entradas01.campos, verificaLinha<entradas01>);
constexpr Layout Registro88_S80_D02 =
    registro88("80", "02", 38, entradas02.campos, verificaLinha<entradas02>);
constexpr Layout Registro88_S80_D10 = registro88("80", "10", 38, valoresEntradas, apenasPresenca);
constexpr Layout Registro88_S82_D00 = registro88("82", "00", 48, saidas00.campos, verificaLinha<saidas00>);
constexpr Layout Registro88_S82_D01 = registro88("82", "01", 48, saidas01.campos, verificaLinha<saidas01>);
constexpr Layout Registro88_S82_D02 = registro88("82", "02", 47, saidas02.campos, verificaLinha<saidas02>);
constexpr Layout Registro88_S82_D10 = registro88("82", "10", 47, valoresSaidas, apenasPresenca);
constexpr Layout Registro88_S85_D00 = registro88("85", "00", 43, debito, apenasPresenca);
constexpr Layout Registro88_S85_D10 = registro88("85", "10", 46, credito, apenasPresenca);
constexpr Layout Registro88_S85_D20 = registro88("85", "20", 45, saldos, apenasPresenca);
constexpr Layout Registro88_S85_D30 = registro88("85", "30", 44, obrigacoes, apenasPresenca);
constexpr Layout Registro88_S89_D00 = registro88("89", "00", 33, campos88_89_00, verifica88_89_00);

} // namespace qv
