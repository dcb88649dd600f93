// Records 50, 51, 53 and 54.
#include "records/record_fixture.hpp"

#include <map>

using namespace qvtest;

namespace {

const std::vector<std::string> valid50 = {
    "10456237000135", "0123456-78", "03/01/2005", "PE",     "01",    "1",      "123",
    "1102",           "T",          "518,19",     "518,19", "36,27", "0,00",   "0,00",
    "7,00",           "N",          "02/01/2005", "LANC01", "1",     "COD1",   "01",
    "01/12/2004",     "31/12/2004", "100",        "200",    "3",     "518,19", "518,19",
    "36,27",          "0,00",       "0,00",       "12345"};

const std::vector<std::string> valid51 = {"10456237000135", "0123456-78", "03/01/2005", "PE",   "1",    "123",
                                          "1102",           "1.000,00",   "100,00",     "0,00", "0,00", "N",
                                          "1.000,00"};

const std::vector<std::string> valid53 = {
    "07654321000159", "ISENTO", "10/01/2005", "BA",    "01",   "1", "456",
    "6102",           "P",      "500,00",     "85,00", "0,00", "N"};

const std::vector<std::string> valid54 = {
    "10456237000135", "01",         "1",          "123",  "1102",   "000",  "1",
    "PROD001",        "6,000",      "600,00",     "0,00", "600,00", "0,00", "60,00",
    "17,00",          "0123456-78", "03/01/2005", "PE",   "01",     "0"};

} // namespace

TEST_F(RecordTest, InvoiceLinesFollowTheLayout) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro50, valid50), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "50"
                             "10456237000135"
                             "012345678     "
                             "20050103"
                             "PE"
                             "01"
                             "1  "
                             "000123"
                             "1102"
                             "T"
                             "0000000051819"
                             "0000000051819"
                             "0000000003627"
                             "0000000000000"
                             "0000000000000"
                             "0700"
                             "N"
                             "20050102"
                             "LANC01      "
                             "001"
                             "COD1     "
                             "01"
                             "20041201"
                             "20041231"
                             "0000100"
                             "0000200"
                             "000000003"
                             "0000000051819"
                             "0000000051819"
                             "0000000003627"
                             "0000000000000"
                             "0000000000000"
                             "12345");
    EXPECT_EQ(lastSefLine().size(), 269u);

    ASSERT_EQ(call(qv::Registro51, valid51), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "51"
                             "10456237000135"
                             "012345678     "
                             "20050103"
                             "PE"
                             "1  "
                             "000123"
                             "1102"
                             "0000000100000"
                             "0000000010000"
                             "0000000000000"
                             "0000000000000" +
                                 rep(20, ' ') +
                                 "N"
                                 "0000000100000");
    EXPECT_EQ(lastSefLine().size(), 139u);

    ASSERT_EQ(call(qv::Registro53, valid53), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "53"
                             "07654321000159"
                             "ISENTO        "
                             "20050110"
                             "BA"
                             "01"
                             "1  "
                             "000456"
                             "6102"
                             "P"
                             "0000000050000"
                             "0000000008500"
                             "0000000000000"
                             "N" +
                                 rep(30, ' '));
    EXPECT_EQ(lastSefLine().size(), 126u);

    ASSERT_EQ(call(qv::Registro54, valid54), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "54"
                             "10456237000135"
                             "01"
                             "1  "
                             "000123"
                             "1102"
                             "000"
                             "001"
                             "PROD001       "
                             "00000006000"
                             "000000060000"
                             "000000000000"
                             "000000060000"
                             "000000000000"
                             "000000006000"
                             "1700"
                             "012345678     "
                             "20050103"
                             "PE"
                             "01"
                             "00");
    EXPECT_EQ(lastSefLine().size(), 154u);
    EXPECT_TRUE(errorReport().empty());
}

TEST_F(RecordTest, SituationGatesTheChecksOfRecords50To53) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        int situacao;
        const char* value;
        std::vector<std::string> errors;
    };
    // Every other field is wrong and no record 10 or 11 exists: only the situation decides.
    const auto wrong50 =
        with(valid50, {{1, "123"}, {3, "99/99/2005"}, {4, "XX"}, {5, "03"}, {8, "5100"}, {9, "Q"}});
    const auto wrong51 = with(valid51, {{1, "123"}, {3, "99/99/2005"}, {4, "XX"}, {7, "5100"}});
    const auto wrong53 = with(valid53, {{1, "123"}, {3, "99/99/2005"}, {4, "XX"}, {5, "03"}, {8, "5100"}});
    const std::vector<Case> cases = {
        {&qv::Registro50, wrong50, 16, "S", {}},
        {&qv::Registro50, wrong50, 16, "X", {}},
        {&qv::Registro50, wrong50, 16, "D", {}},
        {&qv::Registro50,
         wrong50,
         16,
         "n",
         {"-6   Situação da Nota Fiscal quanto ao Cancelamento Inválida :: n"}},
        {&qv::Registro51, wrong51, 12, "S", {}},
        {&qv::Registro51,
         wrong51,
         12,
         "Z",
         {"-5   Situação do Documento Fiscal quanto ao Cancelamento Inválida :: Z"}},
        {&qv::Registro53, wrong53, 13, "X", {}},
        {&qv::Registro53,
         wrong53,
         13,
         "",
         {"-6   Situação do Documento Fiscal quanto ao Cancelamento Inválida ::  "}},
    };
    for (const Case& c : cases) {
        qv::Sessao fresh;
        std::swap(s, fresh);
        open();
        const int result = call(*c.layout, with(c.fields, {{c.situacao, c.value}}));
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << c.layout->tipo() << " " << c.value;
        if (!c.errors.empty()) {
            EXPECT_EQ(lastErrors(), c.errors) << c.layout->tipo() << " " << c.value;
        }
    }
}

TEST_F(RecordTest, Registro50ReportsEveryCheckInOrder) {
    open(); // no record 10 and 11: the period is empty and both presence rules fail
    const auto fields = with(valid50, {{1, "10456237000136"},
                                       {3, "32/01/2005"},
                                       {4, "XX"},
                                       {5, "03"},
                                       {8, "5100"},
                                       {9, "Q"},
                                       {17, "32/13/2005"}});
    EXPECT_EQ(call(qv::Registro50, fields), -1);
    EXPECT_EQ(lastErrors(), (std::vector<std::string>{
                                "-1   Data de Emissão/Recebimento Inválida (AAAAMMDD) :: 20050132",
                                "-2   CNPJ ou CPF Inválido :: 10456237000136",
                                "-4   Unidade da Federação Inválida :: XX",
                                "-5   Código de Modelo de Documento Fiscal Inválido :: 03",
                                "-8   Emitente Inválido :: Q",
                                "-9   Data de Emissão do Documento Inválida (AAAAMMDD) :: 20051332",
                                "-12  Código Fiscal de Operações e Prestações(CFOP) Inválido :: 5100",
                                "-13  Função Registro10 não foi chamada",
                                "-14  Função Registro11 não foi chamada",
                            }));
}

TEST_F(RecordTest, Registro54ReportsEveryCheckInOrder) {
    open();
    const auto fields = with(
        valid54,
        {{1, "1"}, {2, "05"}, {5, "4101"}, {6, "310"}, {7, "0"}, {17, "30/02/2005"}, {18, "XX"}, {20, "3"}});
    EXPECT_EQ(call(qv::Registro54, fields), -1);
    EXPECT_EQ(lastErrors(),
              (std::vector<std::string>{
                  "-1   CNPJ ou CPF Inválido :: 00000000000001",
                  "-2   Código de Modelo de Documento Fiscal Inválido :: 05",
                  "-3   Número de Ordem do Item na Nota Fiscal Inválido :: 000",
                  "-4   CST Inválido (Código da Situação Tributária) :: 310",
                  "-6   Unidade da Federação Inválida :: XX",
                  "-7   Data de Emissão/Recebimento do Documento Inválida (AAAAMMDD) :: 20050230",
                  "-8   Código do Indicador Especial Inválido :: 03",
                  "-9   Código Fiscal de Operações e Prestações(CFOP) Inválido :: 4101",
                  "-10  Função Registro10 não foi chamada",
                  "-11  Função Registro11 não foi chamada",
              }));
}

TEST_F(RecordTest, InvoiceFieldRules) {
    openWithHeader();
    // A model given as "2B" keeps only its digit and is checked as "02".
    EXPECT_EQ(call(qv::Registro50, with(valid50, {{5, "2B"}})), 0);
    EXPECT_EQ(lastSefLine().substr(40, 2), "02");
    // The document dates of 50 and 54 may be empty.
    EXPECT_EQ(call(qv::Registro50, with(valid50, {{17, ""}})), 0);
    EXPECT_EQ(call(qv::Registro54, with(valid54, {{17, ""}})), 0);
    EXPECT_EQ(lastSefLine().substr(140, 8), "00000000");
    // Record 54 is written when dated outside the period; record 50 is not.
    EXPECT_EQ(call(qv::Registro54, with(valid54, {{17, "01/02/2005"}})), 0);
    EXPECT_EQ(call(qv::Registro50, with(valid50, {{3, "01/02/2005"}})), -1);
    EXPECT_EQ(lastErrors(),
              std::vector<std::string>{"-7   Data de Emissão/Recebimento Inválida (AAAAMMDD) :: A Data "
                                       "está fora do período indicado no Registro10 :: Data: 20050201 "
                                       "Período: de 01/01/2005 até 31/01/2005"});
    // A CPF written with points and hyphen passes the CNPJ-or-CPF rule and is zero-padded.
    EXPECT_EQ(call(qv::Registro53, with(valid53, {{1, "123.456.789-09"}})), 0);
    EXPECT_EQ(lastSefLine().substr(2, 14), "00012345678909");
}

TEST_F(RecordTest, OrderObservationFollowsTheWrittenTypes) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro53, valid53), 0);
    // A 54 after a 53 is in order.
    ASSERT_EQ(call(qv::Registro54, valid54), 0);
    EXPECT_TRUE(lastBlock().empty());
    // A 50 after a written 51 (and 53, 54) is written, with the order observation.
    ASSERT_EQ(call(qv::Registro50, valid50), 0);
    EXPECT_EQ(lastObservations(), std::vector<std::string>{
                                      "\tQuebra de sequência conforme Lógica de Ordenação Inter-Registros."});
    EXPECT_EQ(s.entrada(qv::Indice::r50).observacoes, 1);
    EXPECT_EQ(s.entrada(qv::Indice::r50).gravados, 1);
}
