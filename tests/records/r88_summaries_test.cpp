// Record 88, subtypes 60, 61, 74, 77 and 78.
#include "records/record_fixture.hpp"

#include <map>

using namespace qvtest;

namespace {

const std::vector<std::string> valid60_00 = {"0",        "05/01/2005", "1",       "3",    "1.234,56",
                                             "1.200,00", "204,00",     "LANC 01", "5102", "S"};
const std::vector<std::string> valid60_10 = {"0", "05/01/2005", "1700", "1.000,00", "170,00"};
const std::vector<std::string> valid61_00 = {"05/01/2005", "02",       "D",       "",
                                             "101",        "150",      "PROD001", "10,000",
                                             "1.000,00",   "1.000,00", "17,00",   "170,00"};
const std::vector<std::string> valid74_00 = {"1", "12345678", "1", "1", "5.000,00"};
const std::vector<std::string> valid77_00 = {"02", "A01", "150,00", "2004/12", "PROC 123/2004",
                                             "1",  "01",  "12345"};
const std::vector<std::string> valid78_00 = {"17", "170,00", "51", "2005/01", "09/02/2005", "123"};

class R88SummaryTest : public RecordTest {
  protected:
    // A new session in the same folder, with or without records 10 and 11.
    void restart(bool header) {
        qv::Sessao fresh;
        std::swap(s, fresh);
        if (header)
            openWithHeader();
        else
            open();
    }
};

// A label padded to the record's label width, as its trace line shows it.
std::string padded(const std::string& label, std::size_t width) {
    return label + rep(width - cp(label).size(), ' ');
}

} // namespace

TEST_F(R88SummaryTest, SummaryLinesFollowTheLayout) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro88_S60_D00, valid60_00), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "88"
                             "000000001"
                             "60"
                             "00"
                             "0"
                             "20050105"
                             "001"
                             "003"
                             "0000000123456"
                             "0000000120000"
                             "0000000020400"
                             "LANC 01     "
                             "5102"
                             "S");
    EXPECT_EQ(lastSefLine().size(), 86u);

    // A rejected line in between takes no sequence number.
    ASSERT_EQ(call(qv::Registro88_S60_D10, with(valid60_10, {{1, "2"}})), -1);

    ASSERT_EQ(call(qv::Registro88_S60_D10, valid60_10), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "88"
                             "000000002"
                             "60"
                             "10"
                             "0"
                             "20050105"
                             "1700"
                             "0000000100000"
                             "0000000017000");
    EXPECT_EQ(lastSefLine().size(), 54u);

    ASSERT_EQ(call(qv::Registro88_S61_D00, valid61_00), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "88"
                             "000000003"
                             "61"
                             "00"
                             "20050105"
                             "02"
                             "D  "
                             "  "
                             "000101"
                             "000150"
                             "PROD001       "
                             "00000010000"
                             "000000100000"
                             "000000100000"
                             "1700"
                             "000000017000");
    EXPECT_EQ(lastSefLine().size(), 107u);

    ASSERT_EQ(call(qv::Registro88_S74_D00, valid74_00), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "88"
                             "000000004"
                             "74"
                             "00"
                             "1"
                             "12345678"
                             "1"
                             "1"
                             "0000000500000");
    EXPECT_EQ(lastSefLine().size(), 39u);

    ASSERT_EQ(call(qv::Registro88_S77_D00, valid77_00), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "88"
                             "000000005"
                             "77"
                             "00"
                             "02"
                             "A01"
                             "0000000015000"
                             "200412"
                             "PROC 1232004" +
                                 rep(18, ' ') +
                                 "1"
                                 "01"
                                 "12345");
    EXPECT_EQ(lastSefLine().size(), 77u);

    ASSERT_EQ(call(qv::Registro88_S78_D00, valid78_00), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "88"
                             "000000006"
                             "78"
                             "00"
                             "17"
                             "0000000017000"
                             "0051"
                             "200501"
                             "20050209"
                             "00123");
    EXPECT_EQ(lastSefLine().size(), 53u);
    EXPECT_EQ(s.entrada(qv::Indice::r88).gravados, 6);
    EXPECT_EQ(s.entrada(qv::Indice::r88).erros, 1);
}

TEST_F(R88SummaryTest, TraceHeadersAndLabels) {
    struct Case {
        const qv::Layout* layout;
        std::size_t arguments;
        const char* header;
        std::size_t width;
        std::vector<std::string> labels;
    };
    const std::vector<Case> cases = {
        {&qv::Registro88_S60_D00,
         10,
         "REGISTRO 88 SUBTIPO: 60 DETALHE: 00",
         43,
         {"Qualificação:", "Data de Emissão:", "Número do Primeiro Equipamento:",
          "Número do Último Equipamento:", "Venda Bruta:", "Venda Líquida:", "ICMS Debitado:",
          "Código de Lançamento Associado à Operação:", "CFOP:", "Observação MR:"}},
        {&qv::Registro88_S60_D10,
         5,
         "REGISTRO 88 SUBTIPO: 60 DETALHE: 10",
         30,
         {"Qualificação:", "Data de Emissão:", "Situação Tributária/Alíquota:", "Valor Acumulado:",
          "Débito no ICMS:"}},
        {&qv::Registro88_S61_D00,
         12,
         "REGISTRO 88 SUBTIPO: 61 DETALHE: 00",
         27,
         {"Data de Emissão:", "Modelo:", "Série:", "Subsérie:", "Número Inicial:", "Número Final:",
          "Código do Produto/Serviço:", "Quantidade:", "Valor da Mercadoria:", "Base de Cálculo do ICMS:",
          "Alíquota da Mercadoria:", "Valor do ICMS:"}},
        {&qv::Registro88_S74_D00,
         5,
         "REGISTRO 88 SUBTIPO: 74 DETALHE: 00",
         35,
         {"Código de Posse:", "Código NBM:", "Código de Identificação dos Itens:", "Qualificação:",
          "Valor da Situação:"}},
        {&qv::Registro88_S77_D00,
         8,
         "REGISTRO 88 SUBTIPO: 77 DETALHE: 00",
         27,
         {"Qualificação:", "Descrição:", "Valor:", "Período Fiscal Referência:", "Número do Processo:",
          "Origem do Processo:", "Código da Apuração:", "Observação:"}},
        {&qv::Registro88_S78_D00,
         6,
         "REGISTRO 88 SUBTIPO: 78 DETALHE: 00",
         33,
         {"Descrição:", "Valor do DAE:", "Código Receita do DAE:", "Período Fiscal de Referência:",
          "Data de Vencimento da Obrigação:", "Observação:"}},
    };
    open(); // no record 10: every call is rejected, and its block shows the trace
    for (const Case& c : cases) {
        ASSERT_EQ(call(*c.layout, std::vector<std::string>(c.arguments, "")), -1) << c.header;
        const auto trace = lastTrace();
        ASSERT_EQ(trace.size(), c.labels.size() + 1) << c.header;
        EXPECT_EQ(trace[0], c.header);
        for (std::size_t i = 0; i < c.labels.size(); ++i)
            EXPECT_EQ(trace[i + 1].substr(0, 2 + padded(c.labels[i], c.width).size()),
                      "\t" + padded(c.labels[i], c.width) + "\t")
                << c.header << " field " << i + 1;
    }
}

TEST_F(R88SummaryTest, OptionalFieldsAndCodeChecks) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        std::vector<std::string> errors; // none: the line is written
        std::size_t position = 0;        // of the accepted line, from 1, as the layout counts
        std::string written = {};
    };
    const std::vector<Case> cases = {
        // Cash-register summary: the CFOP is checked only when filled, whatever the qualification.
        {&qv::Registro88_S60_D00, with(valid60_00, {{9, ""}}), {}, 82, "0000"},
        {&qv::Registro88_S60_D00,
         with(valid60_00, {{1, "0"}, {9, "9999"}}),
         {"-4   Para Qualificação igual \"1 - Totais do período\", o CFOP não deve ser preenchido :: 9999"}},
        {&qv::Registro88_S60_D00,
         with(valid60_00, {{1, "1"}, {9, "9999"}}),
         {"-4   Para Qualificação igual \"1 - Totais do período\", o CFOP não deve ser preenchido :: 9999"}},
        {&qv::Registro88_S60_D00, with(valid60_00, {{1, "1"}, {9, "5102"}}), {}, 82, "5102"},
        // The cash-register observation may be left blank.
        {&qv::Registro88_S60_D00, with(valid60_00, {{10, ""}}), {}, 86, " "},
        {&qv::Registro88_S60_D00, with(valid60_00, {{10, "N"}}), {}, 86, "N"},
        {&qv::Registro88_S60_D00,
         with(valid60_00, {{10, "X"}}),
         {"-3   Código da Observação MR Inválido :: X"}},
        {&qv::Registro88_S60_D00,
         with(valid60_00, {{1, "2"}}),
         {"-1   Código da Qualificação Inválido :: 2"}},
        // Optional dates: empty is written as zeros, an impossible date is rejected.
        {&qv::Registro88_S60_D00, with(valid60_00, {{2, ""}}), {}, 17, "00000000"},
        {&qv::Registro88_S60_D00,
         with(valid60_00, {{2, "30/02/2005"}}),
         {"-2   Data de Emissão Inválida (AAAAMMDD) :: 20050230"}},
        {&qv::Registro88_S60_D10, with(valid60_10, {{2, ""}}), {}, 17, "00000000"},
        {&qv::Registro88_S60_D10,
         with(valid60_10, {{2, "30/02/2005"}}),
         {"-2   Data de Emissão Inválida (AAAAMMDD) :: 20050230"}},
        {&qv::Registro88_S61_D00, with(valid61_00, {{1, ""}}), {}, 16, "00000000"},
        {&qv::Registro88_S61_D00,
         with(valid61_00, {{1, "30/02/2005"}}),
         {"-1   Data de Emissão Inválida (AAAAMMDD) :: 20050230"}},
        {&qv::Registro88_S78_D00, with(valid78_00, {{5, ""}}), {}, 41, "00000000"},
        {&qv::Registro88_S78_D00,
         with(valid78_00, {{5, "30/02/2005"}}),
         {"-2   Data de Vencimento da Obrigação Inválida (AAAAMMDD) :: 20050230"}},
        // The model is numeric: only its digits are written and checked.
        {&qv::Registro88_S61_D00, with(valid61_00, {{2, "2B"}}), {}, 24, "02"},
        {&qv::Registro88_S61_D00, with(valid61_00, {{2, "1"}}), {}, 24, "01"},
        {&qv::Registro88_S61_D00,
         with(valid61_00, {{2, "03"}}),
         {"-2   Código do Modelo do Documento Fiscal Inválido :: 03"}},
        // Inventory totals: only the possession code may be zero.
        {&qv::Registro88_S74_D00, with(valid74_00, {{1, "0"}}), {}, 16, "0"},
        {&qv::Registro88_S74_D00, with(valid74_00, {{1, ""}}), {}, 16, "0"},
        {&qv::Registro88_S74_D00, with(valid74_00, {{1, "6"}}), {"-1   Código de Posse Inválido :: 6"}},
        {&qv::Registro88_S74_D00,
         with(valid74_00, {{1, "0"}, {3, ""}}),
         {"-2   Código de Identificação do Item Inválido :: 0"}},
        {&qv::Registro88_S74_D00, with(valid74_00, {{4, ""}}), {"-3   Código da Qualificação Inválido :: 0"}},
        {&qv::Registro88_S74_D00, with(valid74_00, {{4, "9"}}), {}, 26, "9"},
        // Adjustments: the process origin is required even without a process.
        {&qv::Registro88_S77_D00,
         with(valid77_00, {{5, ""}, {6, ""}}),
         {"-2   Código da Origem do Processo Inválido :: 0"}},
        {&qv::Registro88_S77_D00, with(valid77_00, {{5, ""}, {6, "9"}}), {}, 70, "9"},
        {&qv::Registro88_S77_D00,
         with(valid77_00, {{1, "12"}}),
         {"-1   Código da Qualificacao Inválido :: 12"}},
        {&qv::Registro88_S78_D00, with(valid78_00, {{1, "16"}}), {"-1   Código da Descrição Inválido :: 16"}},
    };
    for (const Case& c : cases) {
        restart(true);
        const std::string name = ::testing::PrintToString(c.fields);
        const int result = call(*c.layout, c.fields);
        if (c.errors.empty()) {
            ASSERT_EQ(result, 0) << name << " " << ::testing::PrintToString(lastErrors());
            EXPECT_EQ(lastSefLine().substr(c.position - 1, c.written.size()), c.written) << name;
        } else {
            EXPECT_EQ(result, -1) << name;
            EXPECT_EQ(lastErrors(), c.errors) << name;
        }
    }
}

TEST_F(R88SummaryTest, EveryCheckFailsInOrderWithThePresenceRuleLast) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        std::vector<std::string> errors;
    };
    const std::string date = "30/02/2005";
    const std::vector<Case> cases = {
        {&qv::Registro88_S60_D00,
         with(valid60_00, {{1, "2"}, {2, date}, {9, "4101"}, {10, "n"}}),
         {"-1   Código da Qualificação Inválido :: 2", "-2   Data de Emissão Inválida (AAAAMMDD) :: 20050230",
          "-3   Código da Observação MR Inválido :: n",
          "-4   Para Qualificação igual \"1 - Totais do período\", o CFOP não deve ser preenchido :: 4101",
          "-5   Função Registro10 não foi chamada", "-6   Função Registro11 não foi chamada"}},
        {&qv::Registro88_S60_D10,
         with(valid60_10, {{1, "3"}, {2, date}}),
         {"-1   Código da Qualificação Inválido :: 3", "-2   Data de Emissão Inválida (AAAAMMDD) :: 20050230",
          "-3   Função Registro10 não foi chamada", "-4   Função Registro11 não foi chamada"}},
        {&qv::Registro88_S61_D00,
         with(valid61_00, {{1, date}, {2, ""}}),
         {"-1   Data de Emissão Inválida (AAAAMMDD) :: 20050230",
          "-2   Código do Modelo do Documento Fiscal Inválido :: 00",
          "-3   Função Registro10 não foi chamada", "-4   Função Registro11 não foi chamada"}},
        {&qv::Registro88_S74_D00,
         with(valid74_00, {{1, "9"}, {3, "7"}, {4, "4"}}),
         {"-1   Código de Posse Inválido :: 9", "-2   Código de Identificação do Item Inválido :: 7",
          "-3   Código da Qualificação Inválido :: 4", "-4   Função Registro10 não foi chamada",
          "-5   Função Registro11 não foi chamada"}},
        {&qv::Registro88_S77_D00,
         with(valid77_00, {{1, "1"}, {6, "4"}}),
         {"-1   Código da Qualificacao Inválido :: 01", "-2   Código da Origem do Processo Inválido :: 4",
          "-3   Função Registro10 não foi chamada", "-4   Função Registro11 não foi chamada"}},
        {&qv::Registro88_S78_D00,
         with(valid78_00, {{1, "20"}, {5, date}}),
         {"-1   Código da Descrição Inválido :: 20",
          "-2   Data de Vencimento da Obrigação Inválida (AAAAMMDD) :: 20050230",
          "-3   Função Registro10 não foi chamada", "-4   Função Registro11 não foi chamada"}},
    };
    for (const Case& c : cases) {
        restart(false);
        EXPECT_EQ(call(*c.layout, c.fields), -1);
        EXPECT_EQ(lastErrors(), c.errors);
    }
    EXPECT_TRUE(sefLines().empty());
}
