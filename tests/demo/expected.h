// The window's buttons as the tests expect them: captions in the order of the window, the call each
// record button makes, and the box each validation button shows. Written out from the layout of
// the demonstration program, not taken from the program's own tables.
#pragma once

namespace demotest {

struct RecordCall {
    const char* caption;
    // The call the button makes: the export's name, then "|" and each argument.
    const char* call;
    // Whether the library writes the record in a session opened by "Registro 10" in which every
    // record button is pressed in this order: record 71 is rejected because its payer and its
    // sender/addressee (both left empty) have the same CNPJ (-5) and the same state registration
    // (-8); record 88 S30 D00 because its "Reconhecido" code is empty (-3).
    bool accepted;
};

// The record buttons in the order of the SEF layout, which is the order of the window's grid.
inline constexpr RecordCall recordCalls[] = {
    {"Registro 10",
     "Registro10|||Nome do Contribuinte|Município|PE|(81) 3333-4444|01/01/2005|31/01/2005|2|3|1|1", true},
    {"Registro 11", "Registro11|Logradouro|100|Complemento|Bairro|50.050-000|Nome do Contato|(81) 3333-4444",
     true},
    {"Registro 50",
     "Registro50|||01/01/2005|PE|01|2|6|5111|P|518,19|518,19|36,27||0,00|7,00|N||1||||01/01/2005|01/01/"
     "2005||||518,19|518,19|36,27|||",
     true},
    {"Registro 51", "Registro51|||01/01/2005|PE|2|6|5111|518,19|51,81|||N|518,19", true},
    {"Registro 53", "Registro53|||01/01/2005|PE|01|2|6|5111|T|518,19|36,27|0,00|N", true},
    {"Registro 54",
     "Registro54||01|2|6|5111|000|001|1|1|518,19|0,00|518,19|0,00|51,81|7,00||01/01/2005|PE|01|02", true},
    {"Registro 55", "Registro55|||01/01/2005|PE|PE|1|1|1|1,00|01/01/2005|01/2005|1", true},
    {"Registro 56", "Registro56||01|2|6|5111|000|1|1|2||7,00|12345678912345678", true},
    {"Registro 60M", "Registro60M|01/01/2005|1|1|02|1|2|1|1|3|2|1|1,86|0,14|", true},
    {"Registro 60A", "Registro60A|01/01/2005|1|0,14|1", true},
    {"Registro 60D", "Registro60D|01/01/2005|1|1|1,000|1,00|17,00|0|0,17", true},
    {"Registro 61", "Registro61|01/01/2005|14|D||1|2|1,00|1,00|0,07|0,00|0,00|7,00|12|5111|", true},
    {"Registro 70", "Registro70|||01/01/2005|PE|08|B|1|6|5353|1,00|1,00|0,07|0,00|0,00|1|N|||7,00|", true},
    {"Registro 71", "Registro71|||01/01/2005|PE|08|B|1|6|PE|||01/01/2005|01|B|6|1,00", false},
    {"Registro 74", "Registro74|01/01/2005|1|1,000|1,00|1||||2|1,00|", true},
    {"Registro 75", "Registro75|01/01/2005|31/01/2005|1|1|Descrição de Produto|CX|000|0|0|0|0|123|01/2005",
     true},
    {"Registro 76",
     "Registro76|||22|1||1|5111|01/01/2005|PE|518,19|518,19|36,27|0|0,00|7,0|N|123|70|01/01/2005|01/01/"
     "2005|01/2005|1|518,19|518,19|36,27|1,50|1,00|",
     true},
    {"Registro 77", "Registro77||22|B||6|5111|1|123|1|518,19|0|518,19|7,0|||01/01/2005|PE|01|00000000000000",
     true},
    {"Registro 88 S10 D00", "Registro88_S10_D00|2005/01|N|N|N", true},
    {"Registro 88 S10 D10",
     "Registro88_S10_D10|Nome do Contribuinte|||(81) 3333-4444|(81) "
     "3333-4444|123|50.050-000|contato@exemplo.com.br",
     true},
    {"Registro 88 S10 D20", "Registro88_S10_D20|Nome do Responsável||(81) 3333-4444|contato@exemplo.com.br",
     true},
    {"Registro 88 S10 D30",
     "Registro88_S10_D30|Nome do Contador||PE001234A0|(81) 3333-4444||(81) 3333-4444||contato@exemplo.com.br",
     true},
    {"Registro 88 S10 D40", "Registro88_S10_D40|||PE|Nome Empresarial|01/01/2005|31/01/2005|1", true},
    {"Registro 88 S15 D00", "Registro88_S15_D00|01/12/2004|123|9999999999999", true},
    {"Registro 88 S20 D00", "Registro88_S20_D00|0|0001|1|000|456", true},
    {"Registro 88 S25 D00", "Registro88_S25_D00|0|1,00|2,00|3,00|4,00", true},
    {"Registro 88 S30 D00", "Registro88_S30_D00|01|001|||1,00", false},
    {"Registro 88 S30 D10", "Registro88_S30_D10|D|1040|1,00", true},
    {"Registro 88 S35 D00", "Registro88_S35_D00|02|2,00|10,00|9,00|8,00|7,00|6,00|0,10|5,90|0,10|0,20|5,80",
     true},
    {"Registro 88 S35 D10", "Registro88_S35_D10|00|1,00|2,00|0,50|1,00|0,15|0,85", true},
    {"Registro 88 S35 D11", "Registro88_S35_D11|01|2,00|1,00|3,00|4,00|5,00|3,00|3,00|8,00|9,00", true},
    {"Registro 88 S35 D12", "Registro88_S35_D12|00|02|1,00|2,00|0,12", true},
    {"Registro 88 S35 D20",
     "Registro88_S35_D20|02|10,00|2,00|3,00|10,00|5,00|6,00|7,00|0,30|0,60|0,90|6,10|12,00|13,00|14,00",
     true},
    {"Registro 88 S35 D30", "Registro88_S35_D30|1,00|2,00", true},
    {"Registro 88 S60 D00", "Registro88_S60_D00|1||1|2|3|1,86|0,14|6,00||", true},
    {"Registro 88 S60 D10", "Registro88_S60_D10|1||123|1,00|2,00", true},
    {"Registro 88 S61 D00", "Registro88_S61_D00|01/01/2005|2B|001|01|0123|0124|123|1,000|4,00|5,00|6,00|7,00",
     true},
    {"Registro 88 S74 D00", "Registro88_S74_D00|0||6|9|2", true},
    {"Registro 88 S77 D00", "Registro88_S77_D00|02|02A|1,00|2005/01|12345|1|01|", true},
    {"Registro 88 S78 D00", "Registro88_S78_D00|17|1,00|1|2005/01|01/01/2005|", true},
    {"Registro 88 S80 D00", "Registro88_S80_D00|01||||||||||||", true},
    {"Registro 88 S80 D01", "Registro88_S80_D01|01||||||||||||", true},
    {"Registro 88 S80 D02", "Registro88_S80_D02|01||||||||||||", true},
    {"Registro 88 S80 D10", "Registro88_S80_D10|||||||||||", true},
    {"Registro 88 S82 D00", "Registro88_S82_D00|01||||||||||||", true},
    {"Registro 88 S82 D01", "Registro88_S82_D01|01||||||||||||", true},
    {"Registro 88 S82 D02", "Registro88_S82_D02|01||||||||||||", true},
    {"Registro 88 S82 D10", "Registro88_S82_D10|||||||||||", true},
    {"Registro 88 S85 D00", "Registro88_S85_D00||||", true},
    {"Registro 88 S85 D10", "Registro88_S85_D10|||||5,00|5,00", true},
    {"Registro 88 S85 D20", "Registro88_S85_D20|5,00|||", true},
    {"Registro 88 S85 D30", "Registro88_S85_D30||||||", true},
    {"Registro 88 S89 D00", "Registro88_S89_D00|2005/01|123|10|1|2|01|01/01/2005|5|6|7|8|9", true},
    {"Registro 90", "Registro90", true},
};

struct Validation {
    const char* caption;
    const char* title;
    const char* stem; // followed by "Válido" or "Inválido"
    // The call, or nullptr where the sample value is the program's own choice of a kind (a postal
    // code of BA, a CPF, a CNPJ); for those the library's verdict shows that the value is of it.
    const char* call;
};

// The validation buttons in the order of the tab (left to right, top to bottom).
inline constexpr Validation validations[] = {
    {"Convênio", "Verifica_Convenio", "Código do Convenio ", "Verifica_Convenio|2"},
    {"Operação", "Verifica_Operação", "Código da Operação ", "Verifica_Operacao|3"},
    {"Finalidade", "Verifica_Finalidade", "Código de Finalidade ", "Verifica_Finalidade|A"},
    {"Layout", "Verifica_Layout", "Código do Layout do Arquivo Digital ", "Verifica_Layout|1"},
    {"Modelo", "Verifica_Modelo", "Código de Modelo de Modelo de Documentos Fiscal ", "Verifica_Modelo|01"},
    {"Situação", "Verifica_Situacao", "Situação de cancelamento do Documento Fiscal ", "Verifica_Situacao|S"},
    {"Emitente", "Verifica_Emitente", "Emitente ", "Verifica_Emitente|P"},
    {"CST", "Verifica_CST", "Código de Situação Tributária ", "Verifica_CST|010"},
    {"CIF_FOB", "Verifica_CIF_FOB", "CIF/FOB ", "Verifica_CIF_FOB|1"},
    {"Número do Item", "Verifica_NumeroItem", "Posição Sequencial do Item ", "Verifica_NumeroItem|990"},
    {"Posse", "Verifica_Posse", "Código de Posse das Mercadorias Inventariadas ", "Verifica_Posse|1"},
    {"Tipo de Receita", "Verifica_Tipo_Receita", "Código do Tipo de Receita ", "Verifica_Tipo_Receita|01"},
    {"Tipo Informação", "Verifica_Tipo_Informacao", "Código do Tipo da Informação ",
     "Verifica_Tipo_Informacao|A"},
    {"CEP com UF", "Verifica_CEP_UF", "Integridade de CEP com UF ", nullptr},
    {"CEP", "Verifica_CEP", "Integridade de CEP ", nullptr},
    {"Energia Elétrica", "Verifica_Classe_Energia", "Código de Classe de Consumo de Energia Elétrica ",
     "Verifica_Classe_Energia|01"},
    {"UF", "Verifica_UF", "Integridade de UF ", "Verifica_UF|BA"},
    {"CPF", "Verifica_CPF", "Integridade de CPF ", nullptr},
    {"CNPJ", "Verifica_CNPJ", "Integridade de CNPJ ", nullptr},
    {"Insc. Est.", "Verifica_InscEst", "Integridade de Insc.Est. ", "Verifica_InscEst|<nulo>|<nulo>"},
    {"Tipo Operação", "Verifica_Tipo_Operacao", "Código Tipo Operação ", "Verifica_Tipo_Operacao|1"},
    {"Indicador", "Verifica_Indicador", " Código do Indicador Especial ", "Verifica_Indicador|01"},
    {"Identificação dos Itens", "Verifica_Id_Tipo", " Código de Identificação dos Itens do Inventário ",
     "Verifica_Id_Tipo|1"},
    {"Serviços de Telecom.", "Verifica_Classe_Telecom",
     " Código de Classe Consumo e de Serviço de Telecomunicação ", "Verifica_Classe_Telecom|1"},
    {"Documento Substituto", "Verifica_Doc_Substituto", " Valor Para Documento Substituto ",
     "Verifica_Doc_Substituto|S"},
    {"Movimento", "Verifica_Movimento", " Valor Para o Movimento ", "Verifica_Movimento|S"},
    {"Alteração do Cadastro", "Verifica_Alteracao_Cadastro", " Valor para a Alteração do Cadastro ",
     "Verifica_Alteracao_Cadastro|S"},
    {"Situação  Participante", "Verifica_Participante", " Código da Situação do Participante ",
     "Verifica_Participante|1"},
    {"Código do Município", "Verifica_Codigo_Municipio", " Código do Município ",
     "Verifica_Codigo_Municipio|0001"},
    {"Detalhamento", "Verifica_Detalhamento", " Código do Detalhamento ", "Verifica_Detalhamento|1"},
    {"Origem", "Verifica_Origem", " Código da Origem ", "Verifica_Origem|1"},
    {"Controle do Crédito", "Verifica_Controle_Credito", " Código do Controle do Crédito Acumulado ",
     "Verifica_Controle_Credito|01"},
    {"Utilização do Crédito", "Verifica_Utiliza_Credito", " Código da Utilização do Crédito Acumulado ",
     "Verifica_Utiliza_Credito|001"},
    {"Reconhecido", "Verifica_Reconhecido", " Código do Reconhecido ", "Verifica_Reconhecido|S"},
    {"Responsabilidade", "Verifica_Responsabilidade", " Código da Responsabilidade ",
     "Verifica_Responsabilidade|D"},
    {"Faixa de Incentivo", "Verifica_Faixa_Incentivo", " Código da Faixa de Incentivo ",
     "Verifica_Faixa_Incentivo|01"},
    {"Observação MR", "Verifica_Observacao_MR", " Código da Observação MR ", "Verifica_Observacao_MR|S"},
    {"Origem do Processo", "Verifica_Origem_Processo", " Código da Origem do Processo ",
     "Verifica_Origem_Processo|1"},
    {"Descrição", "Verifica_Descricao", " Código da Descrição ", "Verifica_Descricao|17"},
    {"CFOP", "Verifica_CFOP", " Código Fiscal de Operações e Prestações(CFOP) ", "Verifica_CFOP|5111"},
    {"Livro", "Verifica_Livro", " Código do Livro ", "Verifica_Livro|10"},
    {"Qualificação S20", "Verifica_Qualificacao_S20", " Código da Qualificação das Informações ",
     "Verifica_Qualificacao_S20|1"},
    {"Qualificação S60", "Verifica_Qualificacao_S60", " Código da Qualificação ",
     "Verifica_Qualificacao_S60|0"},
    {"QualificaçãoS74", "Verifica_Qualificacao_S74", " Código da Qualificação ",
     "Verifica_Qualificacao_S74|1"},
    {"Qualificação S77", "Verifica_Qualificacao_S77", " Código da Qualificação ",
     "Verifica_Qualificacao_S77|02"},
    {"Qualificação S80", "Verifica_Qualificacao_S80", " Código da Qualificação ",
     "Verifica_Qualificacao_S80|01"},
    {"Qualificação S80 D01", "Verifica_Qualificacao_S80_D01", " Código da Qualificação ",
     "Verifica_Qualificacao_S80_D01|01"},
    {"Qualificação S80 D02", "Verifica_Qualificacao_S80_D02", " Código da Qualificação ",
     "Verifica_Qualificacao_S80_D02|01"},
    {"Qualificação S82", "Verifica_Qualificacao_S82", " Código da Qualificação ",
     "Verifica_Qualificacao_S82|01"},
    {"Qualificação S82 D01", "Verifica_Qualificacao_S82_D01", " Código da Qualificação ",
     "Verifica_Qualificacao_S82_D01|01"},
    {"Qualificação S82 D02", "Verifica_Qualificacao_S82_D02", " Código da Qualificação ",
     "Verifica_Qualificacao_S82_D02|01"},
};

} // namespace demotest
