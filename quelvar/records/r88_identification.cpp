// Record 88, identification and general boxes: the document (subtype 10, details 00 to 40: the
// period and its flags, the informant, the person responsible, the accountant, a participant),
// box A general information (15), box B by municipality (20), box C acquisitions (25) and box D
// accumulated credit (30, details 00 and 10). Every line carries the running record 88 sequence.
#include "records/registros.hpp"

namespace qv {

namespace {

constexpr Campo campos88_10_00[] = {
    num("Período Fiscal:"_cp, 6),
    alfa("Documento Substituto:"_cp, 1),
    alfa("Com Movimento:"_cp, 1),
    alfa("Alteração de Cadastro:"_cp, 1),
};

void verifica88_10_00(Registro& c) {
    c.falhaSe(!Verifica_Doc_Substituto(c[2]), -1, "Valor para o Documento Substituto Inválido :: "_cp, 2);
    c.falhaSe(!Verifica_Movimento(c[3]), -2, "Valor para o Movimento Inválido :: "_cp, 3);
    c.falhaSe(!Verifica_Alteracao_Cadastro(c[4]), -3, "Valor para a Alteração do Cadastro Inválido :: "_cp,
              4);
    c.presenca10(-4);
    c.presenca11(-5);
}

constexpr Campo campos88_10_10[] = {
    alfa("Nome do Contribuinte:"_cp, 35),
    alfa("Inscrição Estadual:"_cp, 14),
    num("CNPJ do Estabelecimento Informante:"_cp, 14).recebido(),
    num("Telefone:"_cp, 12),
    num("Fax:"_cp, 12),
    num("Caixa Postal:"_cp, 6),
    num("CEP:"_cp, 8),
    alfa("E-mail:"_cp, 50),
};

// The informant's state registration is written unchecked.
void verifica88_10_10(Registro& c) {
    c.cnpjOuCpf(3, -1, "CGC/MF ou CPF Inválido :: "_cp);
    c.falhaSe(!Verifica_CEP(c[7]), -2, "CEP Inválido :: "_cp, 7);
    c.presenca10(-3);
    c.presenca11(-4);
}

constexpr Campo campos88_10_20[] = {
    alfa("Nome do Responsável:"_cp, 40),
    num("CPF:"_cp, 11),
    num("Telefone:"_cp, 12),
    alfa("E-mail:"_cp, 50),
};

// The responsible person's CPF is written unchecked: only the presence rule (apenasPresenca).

constexpr Campo campos88_10_30[] = {
    alfa("Nome do Contador/Contabilista:"_cp, 50),
    num("CPF:"_cp, 11),
    alfa("CRC:"_cp, 10),
    num("Telefone:"_cp, 12),
    num("Telefone 2:"_cp, 12),
    num("Fax:"_cp, 12),
    num("Caixa Postal:"_cp, 6),
    alfa("E-mail:"_cp, 50),
};

constexpr Campo campos88_10_40[] = {
    num("CNPJ do Participante:"_cp, 14).recebido(),
    alfa("Inscrição Estadual:"_cp, 14),
    alfa("UF:"_cp, 2),
    alfa("Nome Empresarial:"_cp, 35),
    data("Data Inicial:"_cp),
    data("Data Final:"_cp),
    num("Situação do Participante:"_cp, 1),
};

// A participant identified by a valid CPF (as the host gave it) is accepted like a valid CNPJ; a
// participant without a state registration is accepted too. Both dates are required, and neither
// is compared with the other nor with the period.
void verifica88_10_40(Registro& c) {
    c.cnpjOuCpf(1, -1, "CNPJ do Participante Inválido :: "_cp);
    c.inscricaoEstadual(2, 3, -2, "Inscrição Estadual do Participante Inválida :: "_cp, {"ISENTO", ""});
    c.falhaSe(!Verifica_UF(c[3]), -3, mensagem::ufInvalida, 3);
    c.falhaSe(!IsSEFDate(c[5]), -4, "Data Inicial Inválida (AAAAMMDD) :: "_cp, 5);
    c.falhaSe(!IsSEFDate(c[6]), -5, "Data Final Inválida (AAAAMMDD) :: "_cp, 6);
    c.falhaSe(!Verifica_Participante(c[7]), -6, "Código da Situação do Participante Inválido :: "_cp, 7);
    c.presenca10(-7);
    c.presenca11(-8);
}

constexpr Campo campos88_15_00[] = {
    data("Data do Encerramento do Exercício Social:"_cp),
    num("Consumo de Energia(kwh):"_cp, 6),
    num("Valor Calculado:"_cp, 13),
};

// The closing date of the financial year is optional: left empty it is written as zeros.
void verifica88_15_00(Registro& c) {
    c.falhaSe(c.inteiro(1) != 0 && !IsSEFDate(c[1]), -1,
              "Data do Encerramento do Exercício Social Inválida (AAAAMMDD) :: "_cp, 1);
    c.presenca10(-2);
    c.presenca11(-3);
}

// clang-format off
constexpr Campo campos88_20_00[] = {
    num("Qualificação:"_cp, 1),
    num("Código do Município:"_cp, 4),
    num("Detalhamento:"_cp, 1),
    num("Entradas:"_cp, 13),
    num("Saídas:"_cp, 13),
};
// clang-format on

// A line of one municipality ("0") names a valid municipality and detail; the box total ("1")
// leaves both empty; any other qualification is reported by -1 alone.
void verifica88_20_00(Registro& c) {
    const bool municipio = c[1] == "0";
    const bool total = c[1] == "1";
    c.falhaSe(!Verifica_Qualificacao_S20(c[1]), -1, "Código da Qualificação das Informações Inválido :: "_cp,
              1);
    c.falhaSe(municipio && !Verifica_Codigo_Municipio(c[2]), -2, "Código do Município Inválido :: "_cp, 2);
    c.falhaSe(
        total && c[2] != "0000", -3,
        "Se Qualificação for igual a \"1 - Total do Quadro\", o Código do Município tem que ser vazio :: "_cp,
        2);
    c.falhaSe(municipio && !Verifica_Detalhamento(c[3]), -4, "Código do Detalhamento Inválido :: "_cp, 3);
    c.falhaSe(
        total && c[3] != "0", -5,
        "Se Qualificação for igual a \"1 - Total do Quadro\", o Código do Detalhamento tem que ser vazio :: "_cp,
        3);
    c.presenca10(-6);
    c.presenca11(-7);
}

// clang-format off
constexpr Campo campos88_25_00[] = {
    num("Origem:"_cp, 1),
    num("Energia Elétrica:"_cp, 13),
    num("Comunicações:"_cp, 13),
    num("Outros:"_cp, 13),
    num("Ativo:"_cp, 13),
};
// clang-format on

void verifica88_25_00(Registro& c) {
    c.falhaSe(!Verifica_Origem(c[1]), -1, "Código da Origem Inválido :: "_cp, 1);
    c.presenca10(-2);
    c.presenca11(-3);
}

constexpr Campo campos88_30_00[] = {
    num("Controle do Crédito Acumulado:"_cp, 2),
    num("Utilização do Crédito Acumulado:"_cp, 3),
    alfa("Reconhecido:"_cp, 1),
    alfa("Número do Processo:"_cp, 30),
    num("Valor do Crédito:"_cp, 13),
};

void verifica88_30_00(Registro& c) {
    c.falhaSe(!Verifica_Controle_Credito(c[1]), -1, "Código do Controle do Crédito Acumulado Inválido :: "_cp,
              1);
    c.falhaSe(!Verifica_Utiliza_Credito(c[2]), -2,
              "Código da Utilização do Crédito Acumulado Inválido :: "_cp, 2);
    c.falhaSe(!Verifica_Reconhecido(c[3]), -3, "Código Reconhecido Inválido :: "_cp, 3);
    c.presenca10(-4);
    c.presenca11(-5);
}

constexpr Campo campos88_30_10[] = {
    alfa("Responsabilidade:"_cp, 1),
    num("Código da Receita:"_cp, 4),
    num("Valor do ICMS:"_cp, 13),
};

void verifica88_30_10(Registro& c) {
    c.falhaSe(!Verifica_Responsabilidade(c[1]), -1, "Código da Responsabilidade Inválido :: "_cp, 1);
    c.presenca10(-2);
    c.presenca11(-3);
}

} // namespace

constexpr Layout Registro88_S10_D00 = registro88("10", "00", 23, campos88_10_00, verifica88_10_00);
constexpr Layout Registro88_S10_D10 = registro88("10", "10", 36, campos88_10_10, verifica88_10_10);
constexpr Layout Registro88_S10_D20 = registro88("10", "20", 21, campos88_10_20, apenasPresenca);
constexpr Layout Registro88_S10_D30 = registro88("10", "30", 31, campos88_10_30, apenasPresenca);
constexpr Layout Registro88_S10_D40 = registro88("10", "40", 26, campos88_10_40, verifica88_10_40);
constexpr Layout Registro88_S15_D00 = registro88("15", "00", 42, campos88_15_00, verifica88_15_00);
constexpr Layout Registro88_S20_D00 = registro88("20", "00", 21, campos88_20_00, verifica88_20_00);
constexpr Layout Registro88_S25_D00 = registro88("25", "00", 18, campos88_25_00, verifica88_25_00);
constexpr Layout Registro88_S30_D00 = registro88("30", "00", 33, campos88_30_00, verifica88_30_00);
constexpr Layout Registro88_S30_D10 = registro88("30", "10", 19, campos88_30_10, verifica88_30_10);

} // namespace qv
