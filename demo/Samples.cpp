#include "Samples.h"

#include "Binding.h"

#include <algorithm>

namespace demo {

namespace {

// The arguments of the record exports and the validators, the hints and the message stems are
// the window's fixed texts: they are passed and shown exactly as written here, misspellings,
// double blanks and leading or trailing blanks included.

constexpr RecordButton recordTable[] = {
    {"Registro 10", "Registro10",
     fields("", "", "Nome do Contribuinte", "Município", "PE", telefone, "01/01/2005", "31/01/2005", "2", "3",
            "1", "1"),
     "Registro Mestre do Estabelecimento\nIndentifição do Estabelecimento informante", Step::opensSession},
    {"Registro 11", "Registro11",
     fields("Logradouro", numeroCasa, "Complemento", "Bairro", cep, "Nome do Contato", telefone),
     "Dados complementares do informante", Step::guarded},
    {"Registro 50", "Registro50",
     fields("", "", "01/01/2005", "PE", "01", "2", "6", "5111", "P", "518,19", "518,19", "36,27", "", "0,00",
            "7,00", "N", "", "1", "", "", "", "01/01/2005", "01/01/2005", "", "", "", "518,19", "518,19",
            "36,27", "", "", ""),
     "Registro de Total de Nota Fiscal"},
    {"Registro 51", "Registro51",
     fields("", "", "01/01/2005", "PE", "2", "6", "5111", "518,19", "51,81", "", "", "N", "518,19"),
     "Registros de Total de Nota Fiscal Quanto ao IPI"},
    {"Registro 53", "Registro53",
     fields("", "", "01/01/2005", "PE", "01", "2", "6", "5111", "T", "518,19", "36,27", "0,00", "N"),
     "Registro de Total de Documento Fical  quanto a substituição tributária\nInformado por Quem Realizou "
     "Substituição e Pelo Substituto Tributário/ Realizou Antecipação"},
    {"Registro 54", "Registro54",
     fields("", "01", "2", "6", "5111", "000", "001", "1", "1", "518,19", "0,00", "518,19", "0,00", "51,81",
            "7,00", "", "01/01/2005", "PE", "01", "02"),
     "Registro de Produto (Classificação Fiscal)"},
    {"Registro 55", "Registro55",
     fields("", "", "01/01/2005", "PE", "PE", "1", "1", "1", "1,00", "01/01/2005", "01/2005", "1"),
     "Registro de Guia Nacional de Recolhimento de Tributos Estaduais"},
    {"Registro 56", "Registro56",
     fields("", "01", "2", "6", "5111", "000", "1", "1", "2", "", "7,00", "12345678912345678"),
     "Este registro deverá ser composto pelas montadoras, concessionárias e importadoras,\nnas OPERAÇÕES COM "
     "VEÍCULOS AUTOMOTORES NOVOS"},
    {"Registro 60M", "Registro60M",
     fields("01/01/2005", "1", "1", "02", "1", "2", "1", "1", "3", "2", "1", "1,86", "0,14", ""),
     "Registro de informação de operações/prestações realizadas com ECF\nIndentificador do Equipamento"},
    {"Registro 60A", "Registro60A", fields("01/01/2005", "1", "0,14", "1"),
     "Registro de informação de operações/prestações realizadas com ECF\nIndentificador de cada situação "
     "tributária no final do dia de cada equipamento emissor de cupom fiscal"},
    {"Registro 60D", "Registro60D", fields("01/01/2005", "1", "1", "1,000", "1,00", "17,00", "0", "0,17"),
     "Resumo Diario\nRegistro de produto ou serviço registrado em documento fiscal emitido por Terminal "
     "Ponto de Venda (PDV) ou equipamento Emissor de Cupom Fiscal (ECF)\nRegistro opcional, ficando sua "
     "adoção a critério das unidades da Federação"},
    {"Registro 61", "Registro61",
     fields("01/01/2005", "14", "D", "", "1", "2", "1,00", "1,00", "0,07", "0,00", "0,00", "7,00", "12",
            "5111", ""),
     "Para Documentos quando não emitidos por ECF"},
    {"Registro 70", "Registro70",
     fields("", "", "01/01/2005", "PE", "08", "B", "1", "6", "5353", "1,00", "1,00", "0,07", "0,00", "0,00",
            "1", "N", "", "", "7,00", ""),
     "Registro de Total quanto ao ICMS"},
    {"Registro 71", "Registro71",
     fields("", "", "01/01/2005", "PE", "08", "B", "1", "6", "PE", "", "", "01/01/2005", "01", "B", "6",
            "1,00"),
     "Registro de Informações de Carga Transportada"},
    {"Registro 74", "Registro74",
     fields("01/01/2005", "1", "1,000", "1,00", "1", "", "", "", "2", "1,00", ""), "Registro de Inventário"},
    {"Registro 75", "Registro75",
     fields("01/01/2005", "31/01/2005", "1", "1", "Descrição de Produto", "CX", "000", "0", "0", "0", "0",
            "123", "01/2005"),
     "Registro de Código de Produto e Serviço"},
    {"Registro 76", "Registro76",
     fields("", "", "22", "1", "", "1", "5111", "01/01/2005", "PE", "518,19", "518,19", "36,27", "0", "0,00",
            "7,0", "N", "123", "70", "01/01/2005", "01/01/2005", "01/2005", "1", "518,19", "518,19", "36,27",
            "1,50", "1,00", ""),
     "Este registro deverá ser composto por contribuintes do ICMS, \nprestadores de serviço de comunicação e "
     "telecomunicação"},
    {"Registro 77", "Registro77",
     fields("", "22", "B", "", "6", "5111", "1", "123", "1", "518,19", "0", "518,19", "7,0", "", "",
            "01/01/2005", "PE", "01", "00000000000000"),
     "Este registro deverá ser composto por contribuintes do ICMS, \nprestadores de serviço de comunicação e "
     "telecomunicação"},
    {"Registro 88 S10 D00", "Registro88_S10_D00", fields("2005/01", "N", "N", "N"),
     "Este registro deverá conter \na identificação dos dados do documento"},
    {"Registro 88 S10 D10", "Registro88_S10_D10",
     fields("Nome do Contribuinte", "", "", telefone, telefone, "123", cep, email),
     "Este registro deverá conter\na identificação do contribuinte"},
    {"Registro 88 S10 D20", "Registro88_S10_D20", fields("Nome do Responsável", "", telefone, email),
     "Este registro deverá conter \na identificação do responsável"},
    {"Registro 88 S10 D30", "Registro88_S10_D30",
     fields("Nome do Contador", "", "PE001234A0", telefone, "", telefone, "", email),
     "Este registro deverá conter \na identificação do Contador/Contabilista"},
    {"Registro 88 S10 D40", "Registro88_S10_D40",
     fields("", "", "PE", "Nome Empresarial", "01/01/2005", "31/01/2005", "1"),
     "Este registro deverá conter \na identificação do cliente e do fornecedor"},
    {"Registro 88 S15 D00", "Registro88_S15_D00", fields("01/12/2004", "123", "9999999999999"),
     "Este registro deverá preencher o Quadro A - Informações Gerais"},
    {"Registro 88 S20 D00", "Registro88_S20_D00", fields("0", "0001", "1", "000", "456"),
     "Este registro deverá preencher o \nQuadro B - Detalhamento por Município das Operações e Prestações"},
    {"Registro 88 S25 D00", "Registro88_S25_D00", fields("0", "1,00", "2,00", "3,00", "4,00"),
     "Este registro deverá preencher o \nQuadro C - Aquisição de bens para uso/consumo ou ativo fixo"},
    {"Registro 88 S30 D00", "Registro88_S30_D00", fields("01", "001", "", "", "1,00"),
     "Este registro deverá preencher o \nQuadro D  (Crédito Acumulado) - Detalhamento da Utilização do "
     "Crédito"},
    {"Registro 88 S30 D10", "Registro88_S30_D10", fields("D", "1040", "1,00"),
     "Este registro deverá preencher o\n Quadro D (Crédito Acumulado) - Compensação de Débito"},
    {"Registro 88 S35 D00", "Registro88_S35_D00",
     fields("02", "2,00", "10,00", "9,00", "8,00", "7,00", "6,00", "0,10", "5,90", "0,10", "0,20", "5,80"),
     "Este registro deverá preencher o Quadro E (Incentivos Fiscais e Financeiros) - \nE1 - PRODEPE "
     "Indústria - Crédito Presumido"},
    {"Registro 88 S35 D10", "Registro88_S35_D10",
     fields("00", "1,00", "2,00", "0,50", "1,00", "0,15", "0,85"),
     "Este registro deverá preencher o Quadro E (Incentivos Fiscais e Financeiros) - \nE2 - PRODEPE "
     "Importação - Crédito Presumido"},
    {"Registro 88 S35 D11", "Registro88_S35_D11",
     fields("01", "2,00", "1,00", "3,00", "4,00", "5,00", "3,00", "3,00", "8,00", "9,00"),
     "Este registro deverá preencher o Quadro E (Incentivos Fiscais e Financeiros) - \nE2 - PRODEPE "
     "Importação - Diferimento na entrada e crédito presumido na saída subsequente"},
    {"Registro 88 S35 D12", "Registro88_S35_D12", fields("00", "02", "1,00", "2,00", "0,12"),
     "Este registro deverá preencher o Quadro E (Incentivos Fiscais e Financeiros) -\n E2 - PRODEPE "
     "Importação -Saídas Internas por Faixa de Alíquota"},
    {"Registro 88 S35 D20", "Registro88_S35_D20",
     fields("02", "10,00", "2,00", "3,00", "10,00", "5,00", "6,00", "7,00", "0,30", "0,60", "0,90", "6,10",
            "12,00", "13,00", "14,00"),
     "Este registro deverá preencher o Quadro E (Incentivos Fiscais e Financeiros) - \nE3 - PRODEPE Central "
     "de Distribuição - Entradas/Saídas"},
    {"Registro 88 S35 D30", "Registro88_S35_D30", fields("1,00", "2,00"),
     "Este registro deverá preencher o Quadro E (Incentivos Fiscais e Financeiros) -\nE4 - PRODEPE- Frete na "
     "Saída (Indústria)"},
    {"Registro 88 S60 D00", "Registro88_S60_D00",
     fields("1", "", "1", "2", "3", "1,86", "0,14", "6,00", "", ""),
     "Este registro deverá conter o Mapa-Resumo ECF - \nTotais por data de emissão"},
    {"Registro 88 S60 D10", "Registro88_S60_D10", fields("1", "", "123", "1,00", "2,00"),
     "Este registro deverá conter o Mapa-Resumo ECF - \nTotais por situação tributária/alíquota para a data "
     "de emissão"},
    {"Registro 88 S61 D00", "Registro88_S61_D00",
     fields("01/01/2005", "2B", "001", "01", "0123", "0124", "123", "1,000", "4,00", "5,00", "6,00", "7,00"),
     "Este registro deverá ser preenchido com o Resumo Diário"},
    {"Registro 88 S74 D00", "Registro88_S74_D00", fields("0", "", "6", "9", "2"),
     "Este registro deverá conter a identificação dos Totais do Inventário"},
    {"Registro 88 S77 D00", "Registro88_S77_D00",
     fields("02", "02A", "1,00", "2005/01", "12345", "1", "01", ""),
     "Este Registro deverá conter o Detalhamento de Ajustes da Apuração"},
    {"Registro 88 S78 D00", "Registro88_S78_D00", fields("17", "1,00", "1", "2005/01", "01/01/2005", ""),
     "Este registro deverá conter o detalhamento de obrigações a recolher"},
    {"Registro 88 S80 D00", "Registro88_S80_D00",
     fields("01", "", "", "", "", "", "", "", "", "", "", "", ""), "RAICMS - Entradas"},
    {"Registro 88 S80 D01", "Registro88_S80_D01",
     fields("01", "", "", "", "", "", "", "", "", "", "", "", ""), "RAICMS - Entradas Interestadual"},
    {"Registro 88 S80 D02", "Registro88_S80_D02",
     fields("01", "", "", "", "", "", "", "", "", "", "", "", ""), "RAICMS - Entradas Exterior"},
    {"Registro 88 S80 D10", "Registro88_S80_D10", fields("", "", "", "", "", "", "", "", "", "", ""),
     "RAICMS - Totais Entradas"},
    {"Registro 88 S82 D00", "Registro88_S82_D00",
     fields("01", "", "", "", "", "", "", "", "", "", "", "", ""), "RAICMS - Saídas Internas"},
    {"Registro 88 S82 D01", "Registro88_S82_D01",
     fields("01", "", "", "", "", "", "", "", "", "", "", "", ""), "RAICMS - Saída Interestadual"},
    {"Registro 88 S82 D02", "Registro88_S82_D02",
     fields("01", "", "", "", "", "", "", "", "", "", "", "", ""), "RAICMS - Saída Exterior"},
    {"Registro 88 S82 D10", "Registro88_S82_D10", fields("", "", "", "", "", "", "", "", "", "", ""),
     "RAICMS - Saídas Totais"},
    {"Registro 88 S85 D00", "Registro88_S85_D00", fields("", "", "", ""),
     "RAICMS - Apuração do Débito do Imposto"},
    {"Registro 88 S85 D10", "Registro88_S85_D10", fields("", "", "", "", "5,00", "5,00"),
     "RAICMS - Apuração do Crédito do Imposto"},
    {"Registro 88 S85 D20", "Registro88_S85_D20", fields("5,00", "", "", ""), "RAICMS - Apuração dos Saldos"},
    {"Registro 88 S85 D30", "Registro88_S85_D30", fields("", "", "", "", "", ""),
     "RAICMS - Obrigações a Recolher"},
    {"Registro 88 S89 D00", "Registro88_S89_D00",
     fields("2005/01", "123", "10", "1", "2", "01", "01/01/2005", "5", "6", "7", "8", "9"), "Observação"},
    {"Registro 90", "Registro90", fields(), "Registro de Totalização do Arquivo", Step::closesSession},
};

constexpr ValidationButton validationTable[] = {
    {"Convênio", "Verifica_Convenio", fields("2"), "Código do Convenio ",
     "Verifica Integridade do Código de Identificação do Convênio"},
    {"Operação", "Verifica_Operacao", fields("3"), "Código da Operação ",
     "Verifica Integridade do Código de Identificação da Natureza das Operações Informadas",
     "Verifica_Operação"},
    {"Finalidade", "Verifica_Finalidade", fields("A"), "Código de Finalidade ",
     "Verifica Integridade do Código de Finalidades da Apresentação do Arquivo Magnético"},
    {"Layout", "Verifica_Layout", fields("1"), "Código do Layout do Arquivo Digital ",
     "Verifica a Integridade do Código do Layout do Arquivo Digital"},
    {"Modelo", "Verifica_Modelo", fields("01"), "Código de Modelo de Modelo de Documentos Fiscal ",
     "Verifica Integridade do Código de Modelo de Documentos Fiscais"},
    {"Situação", "Verifica_Situacao", fields("S"), "Situação de cancelamento do Documento Fiscal ",
     "Verifica Situação do Documento Fiscal quanto ao Cancelamento"},
    {"Emitente", "Verifica_Emitente", fields("P"), "Emitente ", "Verifica Emitente da Nota Fiscal"},
    {"CST", "Verifica_CST", fields("010"), "Código de Situação Tributária ",
     "Verifica CST (Código da Situação Tributária)"},
    {"CIF_FOB", "Verifica_CIF_FOB", fields("1"), "CIF/FOB ", "Verifica CIF/FOB - Modalidade do Frete"},
    {"Número do Item", "Verifica_NumeroItem", fields("990"), "Posição Sequencial do Item ",
     "Verifica Posição Sequencial do Item na Nota"},
    {"Posse", "Verifica_Posse", fields("1"), "Código de Posse das Mercadorias Inventariadas ",
     "Verifica Código de Posse das Mercadorias Inventariadas"},
    {"Tipo de Receita", "Verifica_Tipo_Receita", fields("01"), "Código do Tipo de Receita ",
     "Verifica Código da identificação do tipo de receita"},
    {"Tipo Informação", "Verifica_Tipo_Informacao", fields("A"), "Código do Tipo da Informação ",
     "Verifica Tipo da informação do \nPROGRAMA DE DESENVOLVIMENTO DA INDÚSTRIA NÁUTICA"},
    {"CEP com UF", "Verifica_CEP_UF", fields(cepBA, "BA"), "Integridade de CEP com UF ",
     "Verifica Integridade de CEP com UF"},
    {"CEP", "Verifica_CEP", fields(cepBA), "Integridade de CEP ", "Verifica Integridade de CEP"},
    {"Energia Elétrica", "Verifica_Classe_Energia", fields("01"),
     "Código de Classe de Consumo de Energia Elétrica ",
     "Verifica a Integridade do Código da Classe de Energia Elétrica"},
    {"UF", "Verifica_UF", fields("BA"), "Integridade de UF ", "Verifica Integridade de UF"},
    {"CPF", "Verifica_CPF", fields(cpf), "Integridade de CPF ", "Verifica Integridade de CPF"},
    {"CNPJ", "Verifica_CNPJ", fields(cnpj), "Integridade de CNPJ ", "Verifica Integridade de CNPJ"},
    {"Insc. Est.", "Verifica_InscEst", fields("", ""), "Integridade de Insc.Est. ",
     "Verifica Integridade de Inscrição Estadual"},
    {"Tipo Operação", "Verifica_Tipo_Operacao", fields("1"), "Código Tipo Operação ",
     "Verifica Antecipacao do Documento Fiscal quanto ao Cancelamento"},
    {"Indicador", "Verifica_Indicador", fields("01"), " Código do Indicador Especial ",
     "Verifica a Integridade do Código do Indicador Especial"},
    {"Identificação dos Itens", "Verifica_Id_Tipo", fields("1"),
     " Código de Identificação dos Itens do Inventário ",
     "Verifica  a Integridade do Código de Identificação dos Tipos de Itens do Inventário"},
    {"Serviços de Telecom.", "Verifica_Classe_Telecom", fields("1"),
     " Código de Classe Consumo e de Serviço de Telecomunicação ",
     "Verifica a Integridade do Código de Classe Consumo e de Serviço de Telecomunicação"},
    {"Documento Substituto", "Verifica_Doc_Substituto", fields("S"), " Valor Para Documento Substituto ",
     "Verifica a Integridade do Valor Para Documento Substituto"},
    {"Movimento", "Verifica_Movimento", fields("S"), " Valor Para o Movimento ",
     "Verifica a Integridade do Valor Para o Movimento"},
    {"Alteração do Cadastro", "Verifica_Alteracao_Cadastro", fields("S"),
     " Valor para a Alteração do Cadastro ", " Verifica a Integridade do Valor para a Alteração do Cadastro"},
    {"Situação  Participante", "Verifica_Participante", fields("1"), " Código da Situação do Participante ",
     "Verifica a Integridade do Código da Situação do Participante"},
    {"Código do Município", "Verifica_Codigo_Municipio", fields("0001"), " Código do Município ",
     "Verifica a Integridade do Código do Município"},
    {"Detalhamento", "Verifica_Detalhamento", fields("1"), " Código do Detalhamento ",
     "Verifica a Integridade do Código do Detalhamento"},
    {"Origem", "Verifica_Origem", fields("1"), " Código da Origem ",
     "Verifica a Integridade do Código da Origem"},
    {"Controle do Crédito", "Verifica_Controle_Credito", fields("01"),
     " Código do Controle do Crédito Acumulado ",
     "Verifica a Integridade do Código do Controle do Crédito Acumulado"},
    {"Utilização do Crédito", "Verifica_Utiliza_Credito", fields("001"),
     " Código da Utilização do Crédito Acumulado ",
     "Verifica a Integridade do Código da Utilização do Crédito Acumulado"},
    {"Reconhecido", "Verifica_Reconhecido", fields("S"), " Código do Reconhecido ",
     "Verifica a Integridade do Código Reconhecido"},
    {"Responsabilidade", "Verifica_Responsabilidade", fields("D"), " Código da Responsabilidade ",
     "Verifica a Integridade do Código da Responsabilidade"},
    {"Faixa de Incentivo", "Verifica_Faixa_Incentivo", fields("01"), " Código da Faixa de Incentivo ",
     " Verifica a Integridade do Código da Faixa de Incentivo"},
    {"Observação MR", "Verifica_Observacao_MR", fields("S"), " Código da Observação MR ",
     "Verifica a Integridade do Código da Observação MR"},
    {"Origem do Processo", "Verifica_Origem_Processo", fields("1"), " Código da Origem do Processo ",
     "Verifica a Integridade do Código da Origem do Processo"},
    {"Descrição", "Verifica_Descricao", fields("17"), " Código da Descrição ",
     "Verifica a Integridade do Código da Descrição"},
    {"CFOP", "Verifica_CFOP", fields("5111"), " Código Fiscal de Operações e Prestações(CFOP) ",
     "Verifica a Integridade do Código Fiscal de Operações e Prestações(CFOP)"},
    {"Livro", "Verifica_Livro", fields("10"), " Código do Livro ",
     "Verifica a Integridade do Código do Livro"},
    {"Qualificação S20", "Verifica_Qualificacao_S20", fields("1"), " Código da Qualificação das Informações ",
     "Verifica a Integridade do Código da Qualificação das Informações"},
    {"Qualificação S60", "Verifica_Qualificacao_S60", fields("0"), " Código da Qualificação ",
     "Verifica a Integridade do Código da Qualificação das Informações"},
    {"QualificaçãoS74", "Verifica_Qualificacao_S74", fields("1"), " Código da Qualificação ",
     "Verifica a Integridade do Código da Qualificação das Informações"},
    {"Qualificação S77", "Verifica_Qualificacao_S77", fields("02"), " Código da Qualificação ",
     "Verifica a Integridade do Código da Qualificação das Informações"},
    {"Qualificação S80", "Verifica_Qualificacao_S80", fields("01"), " Código da Qualificação ",
     "Verifica a Integridade do Código da Qualificação das Informações"},
    {"Qualificação S80 D01", "Verifica_Qualificacao_S80_D01", fields("01"), " Código da Qualificação ",
     "Verifica a Integridade do Código da Qualificação das Informações"},
    {"Qualificação S80 D02", "Verifica_Qualificacao_S80_D02", fields("01"), " Código da Qualificação ",
     "Verifica a Integridade do Código da Qualificação das Informações"},
    {"Qualificação S82", "Verifica_Qualificacao_S82", fields("01"), " Código da Qualificação ",
     "Verifica a Integridade do Código da Qualificação das Informações"},
    {"Qualificação S82 D01", "Verifica_Qualificacao_S82_D01", fields("01"), " Código da Qualificação ",
     "Verifica a Integridade do Código da Qualificação das Informações"},
    {"Qualificação S82 D02", "Verifica_Qualificacao_S82_D02", fields("01"), " Código da Qualificação ",
     "Verifica a Integridade do Código da Qualificação das Informações"},
};

constexpr std::string_view sequencia01Table[] = {
    "Registro10",         "Registro11",         "Registro88_S10_D00", "Registro88_S10_D10",
    "Registro88_S10_D20", "Registro88_S10_D30", "Registro88_S15_D00", "Registro88_S20_D00",
    "Registro88_S80_D00", "Registro88_S80_D01", "Registro88_S80_D02", "Registro88_S80_D10",
    "Registro88_S82_D00", "Registro88_S82_D01", "Registro88_S82_D02", "Registro88_S82_D10",
    "Registro88_S85_D00", "Registro88_S85_D10", "Registro88_S85_D20", "Registro88_S85_D30",
    "Registro90",
};

// Every button calls an export of the library's list, of a kind it can call, with as many
// arguments as it takes. (The list is searched by value: pointer comparisons are not constant
// expressions in every build.)
constexpr bool inList(std::string_view name, std::size_t arguments, bool record) {
    for (const Export& e : exportList) {
        if (e.name != name) continue;
        const bool validator = e.kind == ExportKind::VALIDATOR || e.kind == ExportKind::VALIDATOR_PAIR ||
                               e.kind == ExportKind::VALIDATOR_COUNTED;
        return (record ? e.kind == ExportKind::RECORD : validator) &&
               static_cast<std::size_t>(e.arguments) == arguments;
    }
    return false;
}
static_assert(std::ranges::all_of(recordTable, [](const RecordButton& b) {
    return inList(b.exportName, b.fields.count, true);
}));
static_assert(std::ranges::all_of(validationTable, [](const ValidationButton& b) {
    return inList(b.exportName, b.arguments.count, false);
}));
static_assert(std::ranges::all_of(sequencia01Table, [](std::string_view name) {
    return std::ranges::any_of(recordTable, [&](const RecordButton& b) { return b.exportName == name; });
}));

} // namespace

std::span<const RecordButton> recordButtons() {
    return recordTable;
}
std::span<const ValidationButton> validationButtons() {
    return validationTable;
}
std::span<const std::string_view> sequencia01() {
    return sequencia01Table;
}

const RecordButton* findRecordButton(std::string_view exportName) {
    for (const RecordButton& b : recordTable)
        if (b.exportName == exportName) return &b;
    return nullptr;
}

} // namespace demo
