// Records 55 and 56.
#include "records/record_fixture.hpp"

#include <map>

using namespace qvtest;

namespace {

// A guide paid by the informant of openWithHeader() to Bahia.
const std::vector<std::string> valid55 = {
    "11222333000181", "0321418-40",     "15/01/2005", "PE",         "BA",      "001",
    "1234",           "GNRE2005000123", "1.234,56",   "20/01/2005", "01/2005", "CONV 123/2004"};

// A vehicle sold to a person identified by a CPF, through a dealership.
const std::vector<std::string> valid56 = {
    "123.456.789-09",   "01", "1", "123", "5102", "000", "1", "VEIC001", "1", "10456237000135", "5,00",
    "9BWZZZ377VT004251"};

} // namespace

TEST_F(RecordTest, GuideAndVehicleLinesFollowTheLayout) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro55, valid55), 0) << ::testing::PrintToString(lastErrors());
    // CNPJ, inscription (14), guide date, the two states, bank (3), branch (4), guide number (20),
    // amount (13), due date, month and year (6), agreement (30, the slash filtered out).
    EXPECT_EQ(lastSefLine(), "55"
                             "11222333000181"
                             "032141840     "
                             "20050115"
                             "PE"
                             "BA"
                             "001"
                             "1234"
                             "GNRE2005000123      "
                             "0000000123456"
                             "20050120"
                             "012005"
                             "CONV 1232004" +
                                 rep(18, ' '));
    EXPECT_EQ(lastSefLine().size(), 126u);

    ASSERT_EQ(call(qv::Registro56, valid56), 0) << ::testing::PrintToString(lastErrors());
    // The acquirer's CPF zero-padded to 14, model, series (3), number (6), CFOP, CST, item (3),
    // product (14), operation, dealership, IPI rate (4), chassis (17), 39 blanks.
    EXPECT_EQ(lastSefLine(), "56"
                             "00012345678909"
                             "01"
                             "1  "
                             "000123"
                             "5102"
                             "000"
                             "001"
                             "VEIC001       "
                             "1"
                             "10456237000135"
                             "0500"
                             "9BWZZZ377VT004251" +
                                 rep(39, ' '));
    EXPECT_EQ(lastSefLine().size(), 126u);
    EXPECT_TRUE(errorReport().empty());
    EXPECT_EQ(s.entrada(qv::Indice::r55).gravados, 1);
    EXPECT_EQ(s.entrada(qv::Indice::r56).gravados, 1);
}

TEST_F(RecordTest, Registro55CnpjMustBeTheInformants) {
    const std::string informante =
        "-7   CNPJ Substituto Tributário Inválido :: CNPJ deve ser igual ao do informante "
        "do Registro10";
    struct Case {
        const char* cnpj;
        std::vector<std::string> errors;
    };
    const std::vector<Case> cases = {
        {"11222333000181", {}},
        // Both sides are compared once formatted to 14 digits.
        {"11.222.333/0001-81", {}},
        {"10456237000135", {informante}},
        {"123.456.789-09", {informante}},
        {"11222333000182", {"-3   CNPJ Substituto Tributário ou CPF Inválido :: 11222333000182", informante}},
    };
    for (const Case& c : cases) {
        qv::Sessao fresh;
        std::swap(s, fresh);
        openWithHeader();
        const int result = call(qv::Registro55, with(valid55, {{1, c.cnpj}}));
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << c.cnpj;
        EXPECT_EQ(c.errors.empty() ? std::vector<std::string>{} : lastErrors(), c.errors) << c.cnpj;
    }
}

TEST_F(RecordTest, Registro55BeforeRecord10HasNoInformantToMatch) {
    open();
    EXPECT_EQ(call(qv::Registro55, valid55), -1);
    EXPECT_EQ(lastErrors(),
              (std::vector<std::string>{
                  "-7   CNPJ Substituto Tributário Inválido :: CNPJ deve ser igual ao do informante do "
                  "Registro10",
                  "-8   Função Registro10 não foi chamada",
                  "-9   Função Registro11 não foi chamada",
              }));
}

TEST_F(RecordTest, Registro55DatesAreMandatoryButNotHeldAgainstThePeriod) {
    const std::string vencimento = "-1   Data de Vencimento Inválida (AAAAMMDD) :: ";
    const std::string guia =
        "-2   Data do GNRE - Guia Nacional de Recolhimento de Tributos Estaduais Inválida (AAAAMMDD) :: ";
    struct Case {
        const char* dataGuia;
        const char* vencimento;
        std::vector<std::string> errors;
    };
    const std::vector<Case> cases = {
        {"15/01/2005", "", {vencimento + "00000000"}},
        {"", "20/01/2005", {guia + "00000000"}},
        {"", "", {vencimento + "00000000", guia + "00000000"}},
        {"30/02/2005", "20/01/2005", {guia + "20050230"}},
        // Dates outside January 2005 are written.
        {"28/12/2004", "15/03/2005", {}},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const int result = call(qv::Registro55, with(valid55, {{3, c.dataGuia}, {10, c.vencimento}}));
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << c.dataGuia << " " << c.vencimento;
        EXPECT_EQ(c.errors.empty() ? std::vector<std::string>{} : lastErrors(), c.errors)
            << c.dataGuia << " " << c.vencimento;
    }
}

TEST_F(RecordTest, Registro55ReportsEveryCheckInOrder) {
    open();
    const auto fields =
        with(valid55, {{1, "11222333000182"}, {3, "32/01/2005"}, {4, "XX"}, {5, "P"}, {10, ""}});
    EXPECT_EQ(call(qv::Registro55, fields), -1);
    EXPECT_EQ(
        lastErrors(),
        (std::vector<std::string>{
            "-1   Data de Vencimento Inválida (AAAAMMDD) :: 00000000",
            "-2   Data do GNRE - Guia Nacional de Recolhimento de Tributos Estaduais Inválida (AAAAMMDD) :: "
            "20050132",
            "-3   CNPJ Substituto Tributário ou CPF Inválido :: 11222333000182",
            "-5   Unidade da Federação do Substituto Tributário Inválida :: XX",
            "-6   Unidade da Federação do Favorecido Inválida :: P ",
            "-7   CNPJ Substituto Tributário Inválido :: CNPJ deve ser igual ao do informante do Registro10",
            "-8   Função Registro10 não foi chamada",
            "-9   Função Registro11 não foi chamada",
        }));
}

TEST_F(RecordTest, Registro56ReportsEveryCheckInOrder) {
    open();
    const auto fields = with(
        valid56, {{1, "1"}, {2, "03"}, {5, "5100"}, {6, "310"}, {7, "0"}, {9, "4"}, {10, "10456237000136"}});
    EXPECT_EQ(call(qv::Registro56, fields), -1);
    EXPECT_EQ(lastErrors(), (std::vector<std::string>{
                                "-1   CNPJ ou CPF do Adquirente Inválido :: 00000000000001",
                                "-2   CNPJ ou CPF da Concessionária Inválido :: 10456237000136",
                                "-3   Código de Modelo de Documento Fiscal Inválido :: 03",
                                "-4   Número de Ordem do Item na Nota Fiscal Inválido :: 000",
                                "-5   CST Inválido (Código da Situação Tributária) :: 310",
                                "-6   Código do Tipo de Operação Inválido :: 4",
                                "-7   Código Fiscal de Operações e Prestações(CFOP) Inválido :: 5100",
                                "-8   Função Registro10 não foi chamada",
                                "-9   Função Registro11 não foi chamada",
                            }));
}

TEST_F(RecordTest, Registro56IdentifiersAndTrailingBlanks) {
    openWithHeader();
    // A CNPJ for the acquirer and a CPF for the dealership pass as well.
    ASSERT_EQ(call(qv::Registro56, with(valid56, {{1, "07654321000159"}, {10, "987.654.321-00"}})), 0)
        << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine().substr(2, 14), "07654321000159");
    EXPECT_EQ(lastSefLine().substr(52, 14), "00098765432100");
    // An overlong chassis is cut to 17 and never reaches positions 88-126.
    ASSERT_EQ(call(qv::Registro56, with(valid56, {{12, "9BWZZZ377VT004251XYZ9"}})), 0);
    EXPECT_EQ(lastSefLine().substr(70, 17), "9BWZZZ377VT004251");
    EXPECT_EQ(lastSefLine().substr(87), rep(39, ' '));
    EXPECT_EQ(lastObservations(),
              std::vector<std::string>{"Chassi:" + rep(17, ' ') +
                                       "\tQuantidade de caracteres maior que o permitido - "
                                       "Permitido: 17; Passados: 21"});
}

TEST_F(RecordTest, Registro55AfterAWritten56IsOutOfOrder) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro55, valid55), 0);
    ASSERT_EQ(call(qv::Registro56, valid56), 0);
    EXPECT_TRUE(lastBlock().empty());
    ASSERT_EQ(call(qv::Registro55, valid55), 0);
    EXPECT_EQ(lastObservations(), std::vector<std::string>{
                                      "\tQuebra de sequência conforme Lógica de Ordenação Inter-Registros."});
    EXPECT_EQ(s.entrada(qv::Indice::r55).observacoes, 1);
    EXPECT_EQ(s.entrada(qv::Indice::r55).gravados, 2);
}
