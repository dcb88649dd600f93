// Records 74 and 75.
#include "records/record_fixture.hpp"

#include <algorithm>
#include <map>

using namespace qvtest;

namespace {

// An item held by the informant (code of possession 1): no possessor.
const std::vector<std::string> valid74 = {"31/01/2005", "PROD001", "6,000", "600,00", "1", "",
                                          "",           "",        "1",     "100,00", "0"};

const std::vector<std::string> valid75 = {
    "01/01/2005", "31/01/2005", "PROD001", "84713012", "Microcomputador portátil",
    "UN",         "000",        "15,00",   "17,00",    "0,00",
    "600,00",     "",           ""};

} // namespace

TEST_F(RecordTest, InventoryLinesFollowTheLayout) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro74, valid74), 0) << ::testing::PrintToString(lastErrors());
    // Each part of the expected lines is one field, marked with its number in the layout.
    EXPECT_EQ(lastSefLine(), "74"
                             "20050131"           // 1
                             "PROD001       "     // 2
                             "0000000006000"      // 3
                             "0000000060000"      // 4
                             "1"                  // 5
                             "00000000000000"     // 6
                             "              "     // 7
                             "  " +               // 8
                                 rep(45, ' ') +   // filler
                                 "1"              // 9
                                 "00000000010000" // 10
                                 "00000");        // 11
    EXPECT_EQ(lastSefLine().size(), 146u);

    ASSERT_EQ(call(qv::Registro75, valid75), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "75"
                             "20050101"       // 1
                             "20050131"       // 2
                             "PROD001       " // 3
                             "84713012" +     // 4
                                 cp("Microcomputador portátil") +
                                 rep(53 - 24, ' ') + // 5
                                 "UN    "            // 6
                                 "000"               // 7
                                 "1500"              // 8
                                 "1700"              // 9
                                 "0000"              // 10
                                 "000000060000" +    // 11
                                 rep(14, ' ') +      // 12
                                 "000000");          // 13
    EXPECT_EQ(lastSefLine().size(), 146u);
    EXPECT_TRUE(errorReport().empty());
}

TEST_F(RecordTest, InventoryTracesCarryEveryLabelPaddedToItsWidth) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        std::size_t width;
        std::vector<std::string> labels; // the header, then the unpadded labels
    };
    const std::vector<Case> cases = {
        // The label of the possessor's CNPJ has no colon.
        {&qv::Registro74,
         valid74,
         35,
         {"REGISTRO 74", "Data do Inventário:", "Código do Produto:", "Quantidade:", "Valor do Produto:",
          "Código de Posse dos Itens:", "CNPJ do Possuidor",
          "Inscrição Estadual do Possuidor:", "UF do Possuidor:", "Brancos:",
          "Código de Identificação dos Itens:", "Valor Unitário:", "Observação:"}},
        {&qv::Registro75,
         valid75,
         36,
         {"REGISTRO 75", "Data Inicial:", "Data Final:", "Código do Produto/Serviço:", "Codificação NCM:",
          "Descrição:", "Unidade de Medida:", "CST:", "Alíquota do IPI:", "Alíquota do ICMS:",
          "Redução da Base de Cálculo do ICMS:", "Base de Cálculo do ICMS:", "Código Anterior:",
          "Termo Final de Utilização:"}},
    };
    for (const Case& c : cases) {
        qv::Sessao fresh;
        std::swap(s, fresh);
        open(); // without records 10 and 11 the record is rejected and its trace reported
        ASSERT_EQ(call(*c.layout, c.fields), -1) << c.layout->tipo();
        std::vector<std::string> expected = {c.labels.front()};
        for (std::size_t i = 1; i < c.labels.size(); ++i) {
            std::string label = cp(c.labels[i]);
            label.resize(std::max(label.size(), c.width), ' ');
            expected.push_back(label);
        }
        EXPECT_EQ(lastTraceLabels(), expected) << c.layout->tipo();
    }
}

TEST_F(RecordTest, Registro74ChecksThePossessorByTheCodeOfPossession) {
    struct Case {
        std::map<int, std::string> changes;
        std::vector<std::string> errors;
    };
    const std::string invalido = "Código de Posse das Mercadorias Inventariadas Inválido :: ";
    const std::string semCnpj = "-5   " + invalido +
                                "CNPJ do Possuidor não deve ser preenchido, se Código de Posse "
                                "igual a ";
    const std::string semInscricao = "-8   " + invalido +
                                     "Inscrição Estadual do Possuidor não deve ser preenchida, "
                                     "se Código de Posse igual a ";
    const std::string semUf = "-13  " + invalido + "UF não deve ser preenchida se Código de Posse igual a ";
    const std::string com2 =
        "-6   " + invalido + "CNPJ do Possuidor deve ser preenchido, se Código de Posse igual a 2";
    const std::string com3 = "-7   " + invalido +
                             "CNPJ do Possuidor deve ser preenchido com o CNPJ da proprietária "
                             "da mercadoria em poder do informante, se Código de Posse igual a 3";
    const std::string cnpjInvalido = "-2   CGC/MF ou CPF do Possuidor Inválido :: 10456237000136";
    const std::string cnpj = "10456237000135";
    const std::string ie = "0123456-78";
    const std::vector<Case> cases = {
        {{}, {}},
        {{{6, cnpj}}, {semCnpj + "1"}},
        {{{7, ie}}, {semInscricao + "1"}},
        {{{8, "PE"}}, {semUf + "1"}},
        {{{5, "4"}, {6, cnpj}, {7, ie}, {8, "PE"}}, {semCnpj + "4", semInscricao + "4", semUf + "4"}},
        // A CNPJ of zeros is no CNPJ.
        {{{5, "5"}, {6, "0"}}, {}},
        {{{5, "5"}, {7, "ISENTO"}}, {semInscricao + "5"}},
        {{{5, "2"}, {6, cnpj}, {7, ie}, {8, "PE"}}, {}},
        {{{5, "2"}, {6, cnpj}}, {}},
        // Under 2 and 3 an empty CNPJ leaves the possessor unidentified.
        {{{5, "2"}}, {com2}},
        {{{5, "3"}, {7, ie}, {8, "PE"}}, {com3}},
        {{{5, "2"}, {6, "10456237000136"}, {7, ie}, {8, "PE"}}, {cnpjInvalido, com2}},
        {{{5, "3"}, {6, "10456237000136"}, {7, ie}, {8, "PE"}}, {cnpjInvalido, com3}},
        // The CPF test sees the identifier as given.
        {{{5, "3"}, {6, "123.456.789-09"}, {7, "ISENTO"}, {8, "SP"}}, {}},
        {{{5, "2"}, {6, cnpj}, {7, ie}, {8, "XX"}},
         {"-12  Unidade da Federação do Possuidor Inválida :: XX"}},
        {{{8, "XX"}}, {"-12  Unidade da Federação do Possuidor Inválida :: XX", semUf + "1"}},
        // A code outside 1 to 5 draws none of the checks of the possessor, only those of every code.
        {{{5, "6"}, {6, cnpj}, {7, ie}, {8, "PE"}}, {"-4   " + invalido + "6"}},
        {{{5, "0"}, {6, cnpj}, {7, ie}, {8, "PE"}}, {"-4   " + invalido + "0"}},
        {{{5, "A"}, {6, cnpj}, {7, ie}, {8, "PE"}}, {"-4   " + invalido + "A"}},
        {{{5, ""}}, {"-4   " + invalido + " "}},
        {{{5, "6"}, {6, "10456237000136"}}, {cnpjInvalido, "-4   " + invalido + "6"}},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const int result = call(qv::Registro74, with(valid74, c.changes));
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << ::testing::PrintToString(c.changes);
        EXPECT_EQ(lastErrors(), c.errors) << ::testing::PrintToString(c.changes);
    }
}

TEST_F(RecordTest, Registro74QuantityAndValueMustNotBeZero) {
    struct Case {
        const char* quantidade;
        const char* valor;
        std::vector<std::string> errors;
        std::string written; // positions 25-50 of the line, when it is written
    };
    const std::string valor =
        "-14  Valor do Produto Inválido :: O Valor informado deve ser maior que 0 (zero)";
    const std::string quantidade =
        "-15  Valor da Quantidade Inválida :: O Valor informado deve ser maior que 0 (zero)";
    const std::string zeros = rep(13, '0');
    const std::vector<Case> cases = {
        {"6,000", "", {valor + zeros}, ""},
        {"6,000", "0,00", {valor + zeros}, ""},
        {"", "600,00", {quantidade + zeros}, ""},
        {"0,000", "600,00", {quantidade + zeros}, ""},
        {"", "", {valor + zeros, quantidade + zeros}, ""},
        {"1,000",
         "0,01",
         {},
         "0000000001000"
         "0000000000001"},
        // Thirteen significant digits, beyond a 32-bit integer.
        {"9.999.999.999,999",
         "99.999.999.999,99",
         {},
         "9999999999999"
         "9999999999999"},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const int result = call(qv::Registro74, with(valid74, {{3, c.quantidade}, {4, c.valor}}));
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << c.quantidade << " " << c.valor;
        EXPECT_EQ(lastErrors(), c.errors) << c.quantidade << " " << c.valor;
        if (c.errors.empty()) {
            EXPECT_EQ(lastSefLine().substr(24, 26), c.written);
        }
    }
}

TEST_F(RecordTest, Registro74ReportsEveryCheckInOrder) {
    open(); // the invalid date takes the value 0, within the empty period
    const auto fields = with(
        valid74, {{1, "32/01/2005"}, {3, ""}, {4, ""}, {5, "4"}, {6, "123"}, {7, "X"}, {8, "XX"}, {9, "7"}});
    EXPECT_EQ(call(qv::Registro74, fields), -1);
    const std::string invalido = "Código de Posse das Mercadorias Inventariadas Inválido :: ";
    EXPECT_EQ(
        lastErrors(),
        (std::vector<std::string>{
            "-1   Data do Inventário Inválida (AAAAMMDD) :: 20050132",
            "-2   CGC/MF ou CPF do Possuidor Inválido :: 00000000000123",
            "-5   " + invalido + "CNPJ do Possuidor não deve ser preenchido, se Código de Posse igual a 4",
            "-8   " + invalido +
                "Inscrição Estadual do Possuidor não deve ser preenchida, se Código de Posse igual a 4",
            "-12  Unidade da Federação do Possuidor Inválida :: XX",
            "-13  " + invalido + "UF não deve ser preenchida se Código de Posse igual a 4",
            "-14  Valor do Produto Inválido :: O Valor informado deve ser maior que 0 (zero)0000000000000",
            "-15  Valor da Quantidade Inválida :: O Valor informado deve ser maior que 0 (zero)0000000000000",
            "-16  Código de Identificação dos Itens do Inventário Inválido :: 7",
            "-17  Função Registro10 não foi chamada",
            "-18  Função Registro11 não foi chamada",
        }));
}

TEST_F(RecordTest, Registro74InventoryDateAgainstThePeriod) {
    openWithHeader();
    EXPECT_EQ(call(qv::Registro74, with(valid74, {{1, "31/12/2004"}})), -1);
    EXPECT_EQ(lastErrors(),
              std::vector<std::string>{"-11  Data de Inventário Inválida (AAAAMMDD) :: A Data está "
                                       "fora do período indicado no Registro10 :: Data: 20041231 "
                                       "Período: de 01/01/2005 até 31/01/2005"});
}

TEST_F(RecordTest, Registro75DatesInOrderAndWithinThePeriod) {
    struct Case {
        const char* inicial;
        const char* final_;
        std::vector<std::string> errors;
    };
    const std::string ordem = "-3   Data Final deve ser maior que Data Inicial";
    const std::string fora = " :: A Data está fora do período indicado no Registro10 :: Data: ";
    const std::string periodo = " Período: de 01/01/2005 até 31/01/2005";
    const std::vector<Case> cases = {
        {"10/01/2005", "10/01/2005", {}},
        {"01/01/2005", "31/01/2005", {}},
        {"10/01/2005", "09/01/2005", {ordem}},
        // An invalid date takes the value 0: before any valid date, and before the period.
        {"10/01/2005",
         "32/01/2005",
         {"-2   Data Final Inválida (AAAAMMDD) :: 20050132", ordem,
          "-5   Data Final Inválida (AAAAMMDD)" + fora + "20050132" + periodo}},
        {"32/01/2005",
         "10/01/2005",
         {"-1   Data Inicial Inválida (AAAAMMDD) :: 20050132",
          "-4   Data Inicial Inválida (AAAAMMDD)" + fora + "20050132" + periodo}},
        {"01/01/2005", "01/02/2005", {"-5   Data Final Inválida (AAAAMMDD)" + fora + "20050201" + periodo}},
        {"31/12/2004", "31/01/2005", {"-4   Data Inicial Inválida (AAAAMMDD)" + fora + "20041231" + periodo}},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const int result = call(qv::Registro75, with(valid75, {{1, c.inicial}, {2, c.final_}}));
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << c.inicial << " " << c.final_;
        EXPECT_EQ(lastErrors(), c.errors) << c.inicial << " " << c.final_;
    }
}

TEST_F(RecordTest, Registro75ReportsEveryCheckInOrder) {
    open(); // no record 10: every valid date lies after the empty period
    EXPECT_EQ(call(qv::Registro75, with(valid75, {{1, "15/01/2005"}, {2, "14/01/2005"}, {7, "300"}})), -1);
    EXPECT_EQ(lastErrors(),
              (std::vector<std::string>{
                  "-3   Data Final deve ser maior que Data Inicial",
                  "-4   Data Inicial Inválida (AAAAMMDD) :: A Data está fora do período indicado no "
                  "Registro10 :: Data: 20050115 Período: ",
                  "-5   Data Final Inválida (AAAAMMDD) :: A Data está fora do período indicado no "
                  "Registro10 :: Data: 20050114 Período: ",
                  "-6   CST Inválido (Código da Situação Tributária) :: 300",
                  "-7   Função Registro10 não foi chamada",
                  "-8   Função Registro11 não foi chamada",
              }));
}

TEST_F(RecordTest, InventoryOrderObservationFollowsTheWrittenTypes) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro74, valid74), 0);
    ASSERT_EQ(call(qv::Registro75, valid75), 0);
    EXPECT_TRUE(lastBlock().empty());
    // Another item after a product code is out of order, and still written.
    ASSERT_EQ(call(qv::Registro74, valid74), 0);
    EXPECT_EQ(lastObservations(), std::vector<std::string>{
                                      "\tQuebra de sequência conforme Lógica de Ordenação Inter-Registros."});
    EXPECT_EQ(s.entrada(qv::Indice::r74).observacoes, 1);
    EXPECT_EQ(s.entrada(qv::Indice::r74).gravados, 2);
    EXPECT_EQ(s.entrada(qv::Indice::r75).observacoes, 0);
}
