// Record 88, the incentive boxes (subtype 35).
#include "records/record_fixture.hpp"

using namespace qvtest;

namespace {

// A line composed field by field.
std::string line(std::initializer_list<std::string> fields) {
    std::string out;
    for (const std::string& f : fields)
        out += f;
    return out;
}

const std::vector<std::string> valid35_00 = {"01",     "2,00",  "1.000,00", "2.000,00", "500,00", "340,00",
                                             "200,00", "50,00", "30,00",    "150,00",   "200,00", "140,00"};
const std::vector<std::string> valid35_10 = {"02",     "1.500,00", "3.000,00", "255,00",
                                             "510,00", "240,00",   "525,00"};
const std::vector<std::string> valid35_11 = {"03",       "4.000,00", "680,00", "900,00", "47,50",
                                             "2.500,00", "300,00",   "142,50", "837,50", "695,00"};
const std::vector<std::string> valid35_12 = {"04", "2", "800,00", "96,00", "48,00"};
const std::vector<std::string> valid35_20 = {"05",     "3,00",     "700,00", "1.200,00", "1,50",
                                             "650,00", "1.100,00", "310,00", "36,00",    "16,50",
                                             "52,50",  "257,50",   "0,85",   "120,00",   "80,00"};

} // namespace

TEST_F(RecordTest, IncentiveBoxLinesFollowTheLayout) {
    openWithHeader();
    // Every field is numeric: digits only, zero-padded; amounts 13, percentages and the index 5.
    ASSERT_EQ(call(qv::Registro88_S35_D00, valid35_00), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(),
              line({"88", "000000001", "35", "00", "01", "00200", "0000000100000", "0000000200000",
                    "0000000050000", "0000000034000", "0000000020000", "0000000005000", "0000000003000",
                    "0000000015000", "0000000020000", "0000000014000"}));
    EXPECT_EQ(lastSefLine().size(), 152u);

    ASSERT_EQ(call(qv::Registro88_S35_D10, valid35_10), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), line({"88", "000000002", "35", "10", "02", "0000000150000", "0000000300000",
                                   "0000000025500", "0000000051000", "0000000024000", "0000000052500"}));
    EXPECT_EQ(lastSefLine().size(), 95u);

    ASSERT_EQ(call(qv::Registro88_S35_D11, valid35_11), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), line({"88", "000000003", "35", "11", "03", "0000000400000", "0000000068000",
                                   "0000000090000", "04750", "0000000250000", "0000000030000",
                                   "0000000014250", "0000000083750", "0000000069500"}));
    EXPECT_EQ(lastSefLine().size(), 126u);

    ASSERT_EQ(call(qv::Registro88_S35_D12, valid35_12), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), line({"88", "000000004", "35", "12", "04", "02", "0000000080000",
                                   "0000000009600", "0000000004800"}));
    EXPECT_EQ(lastSefLine().size(), 58u);

    ASSERT_EQ(call(qv::Registro88_S35_D20, valid35_20), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(),
              line({"88", "000000005", "35", "20", "05", "00300", "0000000070000", "0000000120000", "00150",
                    "0000000065000", "0000000110000", "0000000031000", "0000000003600", "0000000001650",
                    "0000000005250", "0000000025750", "00085", "0000000012000", "0000000008000"}));
    EXPECT_EQ(lastSefLine().size(), 175u);

    ASSERT_EQ(call(qv::Registro88_S35_D30, {"1,00", "2,00"}), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), line({"88", "000000006", "35", "30", "0000000000100", "0000000000200"}));

    EXPECT_TRUE(errorReport().empty());
    EXPECT_EQ(s.entrada(qv::Indice::r88).gravados, 6);
}

TEST_F(RecordTest, IncentiveBoxesAcceptEmptyAndUncheckedAmounts) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro88_S35_D30, {"1,00", "2,00"}), 0);
    EXPECT_EQ(lastSefLine(), line({"880000000013530", "0000000000100", "0000000000200"}));
    EXPECT_EQ(lastSefLine().size(), 41u);
    // Every field empty, the assessment code included.
    ASSERT_EQ(call(qv::Registro88_S35_D20, std::vector<std::string>(15)), 0);
    EXPECT_EQ(lastSefLine(), line({"88", "000000002", "3520", rep(160, '0')}));
    // Totals that do not add up are written as given.
    ASSERT_EQ(
        call(qv::Registro88_S35_D00, {"99", "100,00", "1,00", "", "", "", "", "", "", "", "", "9.999,99"}),
        0);
    EXPECT_EQ(lastSefLine().substr(15, 7), line({"99", "10000"}));
    EXPECT_EQ(lastSefLine().substr(139), "0000000999999");
    EXPECT_TRUE(errorReport().empty());
}

TEST_F(RecordTest, Registro88_S35_D12IncentiveBand) {
    struct Case {
        const char* faixa;
        const char* written; // positions 18-19; nullptr when rejected
        const char* error;
    };
    const std::vector<Case> cases = {
        {"00", nullptr, "-1   Código da Faixa de Incentivo Inválido :: 00"},
        {"", nullptr, "-1   Código da Faixa de Incentivo Inválido :: 00"},
        {"5", nullptr, "-1   Código da Faixa de Incentivo Inválido :: 05"},
        {"1", "01", nullptr},
        {"02", "02", nullptr},
        {"4", "04", nullptr},
    };
    openWithHeader();
    for (const Case& c : cases) {
        auto fields = valid35_12;
        fields[1] = c.faixa;
        const int result = call(qv::Registro88_S35_D12, fields);
        if (c.written != nullptr) {
            EXPECT_EQ(result, 0) << c.faixa << ::testing::PrintToString(lastErrors());
            EXPECT_EQ(lastSefLine().substr(17, 2), c.written);
        } else {
            EXPECT_EQ(result, -1) << c.faixa;
            EXPECT_EQ(lastErrors(), std::vector<std::string>{c.error}) << c.faixa;
        }
    }
    // Without records 10 and 11 the band is reported first.
    qv::Sessao fresh;
    std::swap(s, fresh);
    open();
    EXPECT_EQ(call(qv::Registro88_S35_D12, {"", "9", "", "", ""}), -1);
    EXPECT_EQ(lastErrors(), (std::vector<std::string>{"-1   Código da Faixa de Incentivo Inválido :: 09",
                                                      "-2   Função Registro10 não foi chamada",
                                                      "-3   Função Registro11 não foi chamada"}));
}

TEST_F(RecordTest, IncentiveFieldTooLongIsCutWithAnObservation) {
    const std::string excesso = "\tQuantidade de caracteres maior que o permitido - Permitido: ";
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        std::size_t position; // of the cut field in the line
        const char* written;
        const char* label; // padded to the record's label width
        const char* counts;
    };
    const std::vector<Case> cases = {
        {&qv::Registro88_S35_D30,
         {"12345678901234", "2,00"},
         15,
         "1234567890123",
         "Valor do Frete CIF - Fora do NE: ",
         "13; Passados: 14"},
        {&qv::Registro88_S35_D00,
         {"", "", "", "", "", "", "", "", "", "", "", "1.234.567.890,1234"},
         139,
         "1234567890123",
         "Saldo Devedor do ICMS Após PRODEPE:                 ",
         "13; Passados: 14"},
        {&qv::Registro88_S35_D20,
         {"", "", "", "", "", "", "", "", "", "", "", "", "123456", "", ""},
         144,
         "12345",
         "Índice:                                 ",
         "5; Passados: 6"},
    };
    openWithHeader();
    int observed = 0;
    for (const Case& c : cases) {
        EXPECT_EQ(call(*c.layout, c.fields), 0) << c.label << ::testing::PrintToString(lastErrors());
        EXPECT_EQ(lastSefLine().substr(c.position, std::string(c.written).size()), c.written);
        EXPECT_EQ(lastObservations(), std::vector<std::string>{c.label + excesso + c.counts});
        EXPECT_EQ(lastErrors(), std::vector<std::string>{});
        EXPECT_EQ(s.entrada(qv::Indice::r88).observacoes, ++observed);
    }
    EXPECT_EQ(s.entrada(qv::Indice::r88).erros, 0);
    EXPECT_EQ(s.entrada(qv::Indice::r88).gravados, 3);
}

TEST_F(RecordTest, Registro88_S35_D30BlockOfACutField) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro88_S35_D30, {"12345678901234", "2,00"}), 0);
    // Labels padded to 33 characters; the trace shows the text as given and the cut field.
    EXPECT_EQ(crlfLines(lastBlock()),
              (std::vector<std::string>{
                  "",
                  "REGISTRO 88 SUBTIPO: 35 DETALHE: 30",
                  "\tValor do Frete CIF - Fora do NE: \t12345678901234 -> 1234567890123",
                  "\tValor do Frete FOB - Fora do NE: \t2,00 -> 0000000000200",
                  "",
                  cp("\tObservação do Registro:"),
                  "\t  Valor do Frete CIF - Fora do NE: \tQuantidade de caracteres maior que o permitido - "
                  "Permitido: 13; Passados: 14",
              }));
}
