// Records 10, 11 and 90.
#include "records/record_fixture.hpp"

using namespace qvtest;

namespace {

std::vector<std::string> r10(std::string dataInicial = "01/01/2005", std::string dataFinal = "31/01/2005",
                             std::string cnpj = "11222333000181") {
    return {cnpj,        "0321418-40", "Comércio Exemplo Ltda",
            "Recife",    "PE",         "(81) 3333-4444",
            dataInicial, dataFinal,    "2",
            "3",         "1",          "1"};
}

std::vector<std::string> r11() {
    return {"Rua das Flores", "100", "Sala 2", "Boa Vista", "50.050-000", "Maria da Silva", "(81) 3333-4444"};
}

} // namespace

TEST_F(RecordTest, Registro10WritesTheLayoutLineAndStoresTheInformant) {
    open();
    ASSERT_EQ(call(qv::Registro10, r10()), 0);
    // 10, CNPJ (14), inscription (14), name (35), municipality (30), state, fax (10), dates, four codes.
    const std::string expected = "10"
                                 "11222333000181"
                                 "032141840     " +
                                 cp("Comércio Exemplo Ltda") + rep(14, ' ') + "Recife" + rep(24, ' ') +
                                 "PE"
                                 "8133334444"
                                 "20050101"
                                 "20050131"
                                 "2311";
    EXPECT_EQ(lastSefLine(), expected);
    EXPECT_EQ(expected.size(), 127u);
    EXPECT_EQ(s.CNPJInformante, "11222333000181");
    EXPECT_EQ(s.IEInformante, "032141840     ");
    EXPECT_EQ(s.UFInformante, "PE");
    EXPECT_EQ(s.DataInicial, 38353);
    EXPECT_EQ(s.DataFinal, 38383);
    EXPECT_EQ(s.TextoPeriodo, cp("de 01/01/2005 até 31/01/2005"));
    EXPECT_EQ(s.entrada(qv::Indice::r10).gravados, 1);
}

TEST_F(RecordTest, Registro10DateChecks) {
    struct Case {
        const char* inicial;
        const char* final_;
        std::vector<std::string> errors;
    };
    const std::vector<Case> cases = {
        {"01/01/2005", "30/01/2005", {"-5   Data Final deve ser igual ao último dia do mês indicado"}},
        {"02/01/2005", "31/01/2005", {"-4   Data Inicial deve ser igual ao 1º dia do mês indicado"}},
        {"01/01/2005", "31/12/2004", {"-3   Data Final deve ser maior que Data Inicial"}},
        {"",
         "31/01/2005",
         {"-1   Data Inicial Inválida (AAAAMMDD) :: 00000000",
          "-4   Data Inicial deve ser igual ao 1º dia do mês indicado"}},
        {"01/01/2005",
         "",
         {"-2   Data Final Inválida (AAAAMMDD) :: 00000000",
          "-3   Data Final deve ser maior que Data Inicial",
          "-5   Data Final deve ser igual ao último dia do mês indicado"}},
        {"01/02/2004", "29/02/2004", {}},
    };
    for (const Case& c : cases) {
        qv::Sessao fresh;
        std::swap(s, fresh);
        open();
        const int result = call(qv::Registro10, r10(c.inicial, c.final_));
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << c.inicial << " " << c.final_;
        EXPECT_EQ(c.errors.empty() ? std::vector<std::string>{} : lastErrors(), c.errors)
            << c.inicial << " " << c.final_;
    }
}

TEST_F(RecordTest, Registro10ReportsEveryFailedFieldInOrder) {
    open();
    EXPECT_EQ(call(qv::Registro10,
                   {"11222333000182", "", "", "", "XX", "", "01/01/2005", "31/01/2005", "1", "1", "B", "2"}),
              -1);
    EXPECT_EQ(lastErrors(), (std::vector<std::string>{
                                "-6   CGC/MF ou CPF Inválido :: 11222333000182",
                                "-7   Unidade da Federação Inválida :: XX",
                                "-9   Nome do Contribuinte Inválido :: Preenchimento Obrigatório",
                                "-10  Município Inválido :: Preenchimento Obrigatório",
                                "-12  Código de Convênio Inválido :: 1",
                                "-13  Código de Natureza da Operação Inválido :: 1",
                                "-14  Código da Finalidade do Arquivo Magnético Inválido :: B",
                                "-15  Código do Layout do Arquivo Digital Inválido :: 2",
                            }));
    // A rejected record 10 stores nothing.
    EXPECT_TRUE(s.CNPJInformante.empty());
    EXPECT_EQ(s.DataFinal, 0);
}

TEST_F(RecordTest, HeaderRecordsAreAcceptedOncePerSession) {
    open();
    ASSERT_EQ(call(qv::Registro10, r10()), 0);
    EXPECT_EQ(call(qv::Registro10, r10()), -1);
    EXPECT_EQ(lastErrors(),
              std::vector<std::string>{"-16  Só deve haver 1(um) Registro10 no arquivo do SEF :: "
                                       "Função Registro10 chamada mais de 1(uma) vez"});
    ASSERT_EQ(call(qv::Registro11, r11()), 0);
    EXPECT_EQ(call(qv::Registro11, r11()), -1);
    EXPECT_EQ(lastErrors(),
              std::vector<std::string>{"-4   Só deve haver 1(um) Registro11 no arquivo do SEF :: "
                                       "Função Registro11 chamada mais de 1(uma) vez"});
    ASSERT_EQ(call(qv::Registro90, {}), 0);
    const auto linesAfterFirst90 = sefLines().size();
    EXPECT_EQ(call(qv::Registro90, {}), -1);
    EXPECT_EQ(lastErrors(),
              std::vector<std::string>{"-5   Só deve haver uma chamada para o Registro90 no arquivo do "
                                       "SEF :: Função Registro90 chamada mais de 1(uma) vez"});
    EXPECT_EQ(sefLines().size(), linesAfterFirst90);
}

TEST_F(RecordTest, Registro11WritesTheLayoutLine) {
    open();
    ASSERT_EQ(call(qv::Registro10, r10()), 0);
    ASSERT_EQ(call(qv::Registro11, r11()), 0);
    const std::string expected = "11"
                                 "Rua das Flores" +
                                 rep(20, ' ') +
                                 "00100"
                                 "Sala 2" +
                                 rep(16, ' ') + "Boa Vista" + rep(6, ' ') +
                                 "50050000"
                                 "Maria da Silva" +
                                 rep(14, ' ') + "008133334444";
    EXPECT_EQ(lastSefLine(), expected);
    EXPECT_EQ(expected.size(), 126u);
}

TEST_F(RecordTest, Registro11Checks) {
    struct Case {
        bool header;
        const char* numero;
        const char* complemento;
        const char* cep;
        std::vector<std::string> errors;
    };
    const std::vector<Case> cases = {
        {true,
         "0",
         "",
         "50050000",
         {"-2   Complemento ou Número Inválido  :: Pelo menos 1 dos campos deve ser preenchido"}},
        {true,
         "",
         "",
         "50050000",
         {"-2   Complemento ou Número Inválido  :: Pelo menos 1 dos campos deve ser preenchido"}},
        {true, "12", "", "50050000", {}},
        {true, "0", "Fundos", "50050000", {}},
        {true, "12", "", "00999999", {"-1   CEP Inválido :: 00999999"}},
        {false, "12", "", "50050000", {"-3   Função Registro10 não foi chamada"}},
    };
    for (const Case& c : cases) {
        qv::Sessao fresh;
        std::swap(s, fresh);
        open();
        if (c.header) {
            ASSERT_EQ(call(qv::Registro10, r10()), 0);
        }
        const int result =
            call(qv::Registro11, {"Rua A", c.numero, c.complemento, "Centro", c.cep, "Ana", "1"});
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << c.numero << "/" << c.complemento << "/" << c.cep;
        if (!c.errors.empty()) {
            EXPECT_EQ(lastErrors(), c.errors);
        }
    }
}

TEST_F(RecordTest, Registro90WithFewTypesWritesOneLine) {
    openWithHeader();
    const std::vector<std::string> r50 = {"10456237000135",
                                          "ISENTO",
                                          "03/01/2005",
                                          "PE",
                                          "01",
                                          "1",
                                          "1",
                                          "1102",
                                          "T",
                                          "1,00",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "N",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          ""};
    ASSERT_EQ(call(qv::Registro50, r50), 0);
    ASSERT_EQ(call(qv::Registro50, r50), 0);
    ASSERT_EQ(call(qv::Registro54, {"10456237000135",
                                    "01",
                                    "1",
                                    "1",
                                    "1102",
                                    "000",
                                    "1",
                                    "P",
                                    "1",
                                    "1,00",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "PE",
                                    "",
                                    "0"}),
              0);
    ASSERT_EQ(call(qv::Registro90, {}), 0);
    const std::string expected = "90"
                                 "11222333000181"
                                 "032141840     "
                                 "5000000002"
                                 "5400000001"
                                 "9900000006" +
                                 rep(125 - 60, ' ') + "1";
    EXPECT_EQ(lastSefLine(), expected);
    EXPECT_EQ(expected.size(), 126u);
    EXPECT_EQ(s.entrada(qv::Indice::r90).gravados, 1);
}

TEST_F(RecordTest, Registro90SpreadsTenTotalsOverTwoLines) {
    openWithHeader();
    // Nine detail types with written lines give nine totals and the grand total: two lines.
    for (const qv::Indice i :
         {qv::Indice::r50, qv::Indice::r51, qv::Indice::r53, qv::Indice::r54, qv::Indice::r55,
          qv::Indice::r56, qv::Indice::r60, qv::Indice::r61, qv::Indice::r70})
        s.entrada(i).gravados = 2;
    ASSERT_EQ(call(qv::Registro90, {}), 0);
    const auto lines = sefLines();
    ASSERT_EQ(lines.size(), 4u);
    const std::string start = "90"
                              "11222333000181"
                              "032141840     ";
    EXPECT_EQ(lines[2], start +
                            "5000000002"
                            "5100000002"
                            "5300000002"
                            "5400000002"
                            "5500000002"
                            "5600000002"
                            "6000000002"
                            "6100000002"
                            "7000000002" +
                            rep(5, ' ') + "2");
    EXPECT_EQ(lines[3], start + "9900000021" + rep(125 - 40, ' ') + "2");
    EXPECT_EQ(s.entrada(qv::Indice::r90).gravados, 2);
}

TEST_F(RecordTest, Registro90WithoutHeaderRecords) {
    open();
    EXPECT_EQ(call(qv::Registro90, {}), -1);
    EXPECT_EQ(lastErrors(), (std::vector<std::string>{"-3   Função Registro10 não foi chamada",
                                                      "-4   Função Registro11 não foi chamada"}));
    // The stored informant was formatted in place: fourteen zeros and fourteen blanks.
    EXPECT_EQ(s.CNPJInformante, rep(14, '0'));
    EXPECT_EQ(s.IEInformante, rep(14, ' '));
}

TEST_F(RecordTest, Registro90AcceptsAnInformantThatRecord10AcceptedByItsCpf) {
    open();
    ASSERT_EQ(call(qv::Registro10, r10("01/01/2005", "31/01/2005", "123.456.789-09")), 0);
    EXPECT_EQ(s.CNPJInformante, "00012345678909");
    ASSERT_EQ(call(qv::Registro11, r11()), 0);
    EXPECT_EQ(call(qv::Registro90, {}), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine().substr(0, 16), "9000012345678909");
}
