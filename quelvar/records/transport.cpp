// Records 70, 71, 76 and 77: transport documents, the invoices a transport document carries,
// communication and telecommunication invoices, and their service items.
#include "records/registros.hpp"

namespace qv {

namespace {

constexpr Campo campos70[] = {
    num("CNPJ do Emitente:"_cp, 14).recebido(),
    alfa("Inscrição Estadual:"_cp, 14),
    data("Data de Emissão/Utilização:"_cp),
    alfa("UF:"_cp, 2),
    num("Modelo:"_cp, 2),
    alfa("Série:"_cp, 1),
    alfa("Subsérie:"_cp, 2),
    num("Número:"_cp, 6),
    num("CFOP:"_cp, 4),
    num("Valor Total do Documento Fiscal:"_cp, 13),
    num("Base de Cálculo do ICMS:"_cp, 14),
    num("Valor do ICMS:"_cp, 14),
    num("Isenta:"_cp, 14),
    num("Valor que Não Confira Débito ou Crédito do ICMS:"_cp, 14),
    num("CIF/FOB:"_cp, 1),
    alfa("Situação da Nota Fiscal:"_cp, 1),
    data("Data da Operação:"_cp),
    alfa("Código de Lançamento Associado à Operação:"_cp, 12),
    num("Alíquota do ICMS:"_cp, 4),
    num("Observação:"_cp, 5),
};

void verifica70(Registro& c) {
    if (!c.situacao(16, -7, "Situação do Documento Fiscal quanto ao Cancelamento Inválida :: "_cp)) return;
    c.falhaSe(!IsSEFDate(c[3]), -1, "Data de Emissão/Utilização Inválida (AAAAMMDD) :: "_cp, 3);
    c.cnpjOuCpf(1, -2, mensagem::cnpjOuCpfInvalido);
    c.inscricaoEstadual(2, 4, -3, mensagem::inscricaoInvalida);
    c.falhaSe(!Verifica_UF(c[4]), -4, mensagem::ufInvalida, 4);
    c.falhaSe(!Verifica_Modelo(c[5]), -5, mensagem::modeloInvalido, 5);
    c.falhaSe(!Verifica_CIF_FOB(c[15]), -6, "Modalidade do Frete (CIF/FOB) Inválida :: "_cp, 15);
    c.periodo(3, -8,
              "Data de Emissão/Utilização Inválida (AAAAMMDD) :: A Data está fora do período indicado no "
              "Registro10 :: Data: "_cp);
    c.falhaSe(!c.zerado(17) && !IsSEFDate(c[17]), -9,
              "Data de Emissão do Documento Inválida (AAAAMMDD) :: "_cp, 17);
    c.falhaSe(!Verifica_CFOP(c[9]), -10, mensagem::cfopInvalido, 9);
    c.presenca10(-11);
    c.presenca11(-12);
}

constexpr Campo campos71[] = {
    num("CNPJ do Tomador:"_cp, 14).recebido(),
    alfa("Inscrição Estadual do Tomador:"_cp, 14),
    data("Data de Emissão do Conhecimento:"_cp),
    alfa("UF do Tomador:"_cp, 2),
    alfa("Modelo do Conhecimento:"_cp, 2),
    alfa("Série:"_cp, 1),
    alfa("Subsérie:"_cp, 2),
    num("Número do Conhecimento:"_cp, 6),
    alfa("UF do Remetente/Destinatário:"_cp, 2),
    num("CNPJ do Remetente/Destinatário:"_cp, 14).recebido(),
    alfa("Inscrição Estadual do Remetente/Destinatário:"_cp, 14),
    data("Data de Emissão da Nota Fiscal:"_cp),
    alfa("Modelo:"_cp, 2),
    alfa("Série da Nota Fiscal:"_cp, 3),
    num("Número:"_cp, 6),
    num("Valor Total da Nota Fiscal:"_cp, 14),
    brancos(12),
};

void verifica71(Registro& c) {
    c.falhaSe(!IsSEFDate(c[3]), -1, "Data de Emissão/Conhecimento Inválida (AAAAMMDD) :: "_cp, 3);
    c.falhaSe(!IsSEFDate(c[12]), -2, "Data de Emissão da Nota Fiscal Inválida (AAAAMMDD) :: "_cp, 12);
    c.cnpjOuCpf(1, -3, mensagem::cnpjOuCpfInvalido);
    c.cnpjOuCpf(10, -4, "CNPJ ou CPF do Remetente/Destinatário Inválido :: "_cp);
    c.falhaSe(c[1] == c[10], -5, "CNPJ deve ser diferente do CNPJ do Destinatário/Remetente"_cp);
    c.inscricaoEstadual(2, 4, -6, "Inscrição Estadual do Tomador Inválida :: "_cp);
    c.inscricaoEstadual(11, 9, -7, "Inscrição Estadual do Remetente/Destinatário Inválida :: "_cp);
    // Both exempt, or both empty, is an equal pair as well.
    c.falhaSe(
        c[2] == c[11], -8,
        "Inscrição Estadual do Tomador deve ser diferente da Inscrição Estadual do Destinatário/Remetente"_cp);
    c.falhaSe(!Verifica_UF(c[4]), -9, "Unidade da Federação do Tomador Inválida :: "_cp, 4);
    c.falhaSe(!Verifica_UF(c[9]), -10, "Unidade da Federação do Remetente/ Destinatário Inválida :: "_cp, 9);
    c.falhaSe(!Verifica_Modelo(c[13]), -11, mensagem::modeloInvalido, 13);
    c.falhaSe(!Verifica_Modelo(c[5]), -12, "Código de Modelo do Conhecimento :: "_cp, 5);
    c.periodo(3, -13,
              "Data de Emissão/Conhecimento Inválida (AAAAMMDD) :: A Data está fora do período indicado no "
              "Registro10 :: Data: "_cp);
    c.periodo(12, -14,
              "Data de Emissão da Nota Fiscal Inválida (AAAAMMDD) :: A Data está fora do período indicado no "
              "Registro10 :: Data: "_cp);
    c.presenca10(-15);
    c.presenca11(-16);
}

constexpr Campo campos76[] = {
    num("CNPJ do Tomador:"_cp, 14).recebido().rotuloAte(74),
    alfa("Inscrição Estadual:"_cp, 14),
    num("Modelo:"_cp, 2),
    alfa("Série:"_cp, 2),
    alfa("Subsérie:"_cp, 2),
    num("Número:"_cp, 10),
    num("CFOP:"_cp, 4),
    zeros(1),
    data("Data de Emissão/Recebimento:"_cp),
    alfa("UF do Remetente:"_cp, 2),
    num("Valor Total da Nota Fiscal:"_cp, 13),
    num("Base de Cálculo do ICMS:"_cp, 13),
    num("Valor do ICMS:"_cp, 12),
    num("Isenta:"_cp, 12),
    num("Valor que Não Confira Débito ou Crédito do ICMS da Variação CFOP/Alíquota:"_cp, 12),
    num("Alíquota do ICMS:"_cp, 2),
    alfa("Situação da Nota Fiscal:"_cp, 1),
    alfa("Número de Lançamento:"_cp, 12),
    num("Código de Consumo de Serviços de Telecomunicações:"_cp, 2),
    data("Data Inicial da Prestação de Serviços:"_cp),
    data("Data Final da Prestação de Serviços:"_cp),
    num("Período de Prestação de Serviços:"_cp, 6),
    num("Número de Consumidores:"_cp, 9),
    num("Valor Total:"_cp, 13),
    num("Base de Cálculos do ICMS - Total:"_cp, 13),
    num("Valor do ICMS - Total:"_cp, 12),
    num("Prestações Isentas - Total:"_cp, 12),
    num("Valor Total que Não Confira Débito ou Crédito do ICMS:"_cp, 12),
    num("Observação:"_cp, 5),
};

// The payer's registration and state are checked against the record's only state field, 9.
void verifica76(Registro& c) {
    if (!c.situacao(16, -7, "Situação da Nota Fiscal quanto ao Cancelamento Inválida :: "_cp)) return;
    c.falhaSe(!IsSEFDate(c[8]), -1, "Data de Emissão/Recebimento Inválida (AAAAMMDD) :: "_cp, 8);
    c.cnpjOuCpf(1, -2, mensagem::cnpjOuCpfInvalido);
    c.inscricaoEstadual(2, 9, -3, "Inscrição Estadual do Tomador Inválida :: "_cp);
    c.falhaSe(!Verifica_UF(c[9]), -4, "Unidade da Federação do Tomador Inválida :: "_cp, 9);
    c.falhaSe(!Verifica_Modelo(c[3]), -5, mensagem::modeloInvalido, 3);
    c.falhaSe(c.zerado(6), -6, "Número da Nota Fiscal Inválido :: "_cp, 6);
    c.periodo(8, -8,
              "Data de Emissão/Recebimento Inválida (AAAAMMDD) :: A Data está fora do período indicado no "
              "Registro10 :: Data: "_cp);
    c.falhaSe(!Verifica_CFOP(c[7]), -9, mensagem::cfopInvalido, 7);
    c.falhaSe(!c.zerado(19) && !IsSEFDate(c[19]), -10,
              "Data Inicial da Prestação do Serviço Inválida (AAAAMMDD) :: "_cp, 19);
    c.falhaSe(!c.zerado(20) && !IsSEFDate(c[20]), -11,
              "Data Final da Prestação do Serviço Inválida (AAAAMMDD) :: "_cp, 20);
    c.presenca10(-12);
    c.presenca11(-13);
}

constexpr Campo campos77[] = {
    num("CNPJ do Tomador:"_cp, 14).recebido(),
    num("Modelo:"_cp, 2),
    alfa("Série:"_cp, 2),
    alfa("Subsérie:"_cp, 2),
    num("Número:"_cp, 10),
    num("CFOP:"_cp, 4),
    constante("0"),
    num("Número do Item:"_cp, 3),
    alfa("Código do Serviço:"_cp, 11),
    num("Quantidade:"_cp, 13),
    num("Valor do Serviço:"_cp, 12),
    num("Valor do Desconto/Despesa:"_cp, 12),
    num("Base de Cálculos do ICMS:"_cp, 12),
    num("Alíquota do ICMS:"_cp, 2),
    num("CNPJ da Operadora de Destino:"_cp, 14).recebido(),
    constante("0000000000"),
    alfa("Inscrição Estadual:"_cp, 14),
    data("Data de Emissão/Recebimento:"_cp),
    alfa("UF:"_cp, 2),
    num("Tipo de Receita:"_cp, 2),
    alfa("Inscrição Estadual do Participante:"_cp, 14),
};

// Record 77 has no period check: an item may be dated outside the period of record 10.
void verifica77(Registro& c) {
    c.cnpjOuCpf(1, -1, mensagem::cnpjOuCpfInvalido);
    c.cnpjOuCpf(14, -2, mensagem::cnpjOuCpfInvalido);
    c.falhaSe(!Verifica_Modelo(c[2]), -3, mensagem::modeloInvalido, 2);
    c.falhaSe(!Verifica_NumeroItem(c[7]), -4, mensagem::numeroItemInvalido, 7);
    c.falhaSe(!c.zerado(16) && !IsSEFDate(c[16]), -5,
              "Data de Emissão/Recebimento Inválida (AAAAMMDD) :: "_cp, 16);
    c.inscricaoEstadual(15, 17, -6, "Inscrição Estadual do Tomador Inválida :: "_cp);
    c.falhaSe(!Verifica_UF(c[17]), -7, "Unidade da Federação do Tomador Inválida :: "_cp, 17);
    c.falhaSe(!Verifica_Tipo_Receita(c[18]), -8, "Código da Identificação do Tipo de Receita Inválida :: "_cp,
              18);
    c.falhaSe(!Verifica_CFOP(c[6]), -9, mensagem::cfopInvalido, 6);
    c.presenca10(-10);
    c.presenca11(-11);
}

} // namespace

constexpr Layout Registro70{
    .entrada = Indice::r70, .larguraRotulo = 49, .campos = campos70, .verificacoes = verifica70};
constexpr Layout Registro71{
    .entrada = Indice::r71, .larguraRotulo = 46, .campos = campos71, .verificacoes = verifica71};
constexpr Layout Registro76{
    .entrada = Indice::r76, .larguraRotulo = 76, .campos = campos76, .verificacoes = verifica76};
constexpr Layout Registro77{
    .entrada = Indice::r77, .larguraRotulo = 36, .campos = campos77, .verificacoes = verifica77};

} // namespace qv
