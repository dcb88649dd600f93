// Records 60M, 60A, 60D and 61.
#include "records/record_fixture.hpp"

#include <algorithm>
#include <map>

using namespace qvtest;

namespace {

const std::vector<std::string> valid60M = {
    "05/01/2005", "BE050975610000012345", "1",          "2D",        "1200",     "1350", "45", "0",
    "12.345,67",  "987.654,32",           "975.308,65", "12.345,67", "1.234,57", "0"};

const std::vector<std::string> valid60A = {"05/01/2005", "BE050975610000012345", "1700", "1.000,00"};

const std::vector<std::string> valid60D = {
    "05/01/2005", "BE050975610000012345", "PROD001", "2,000", "20,00", "20,00", "1700", "3,40"};

const std::vector<std::string> valid61 = {"06/01/2005", "02",       "D",        "",       "101",
                                          "150",        "2.500,00", "2.500,00", "425,00", "0,00",
                                          "0,00",       "17,00",    "LANC61",   "5102",   "0"};

const std::string periodo = " Período: de 01/01/2005 até 31/01/2005";

// The period message of records 60 and 61, with its number.
std::string foraDoPeriodo(const char* numero, const std::string& data) {
    return std::string(numero) +
           "Data de Emissão Inválida (AAAAMMDD) :: A Data está fora do período indicado no "
           "Registro10 :: Data: " +
           data;
}

} // namespace

TEST_F(RecordTest, CashRegisterLinesFollowTheLayout) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro60M, valid60M), 0) << ::testing::PrintToString(lastErrors());
    // Date, serial number (20), equipment (3), model, three counters (6), restarts (3), revenue and
    // grand total (16), 37 blanks, initial grand total, net sales, ICMS (13), observation (5).
    EXPECT_EQ(lastSefLine(), "60M"
                             "20050105"
                             "BE050975610000012345"
                             "001"
                             "2D"
                             "001200"
                             "001350"
                             "000045"
                             "000"
                             "0000000001234567"
                             "0000000098765432" +
                                 rep(37, ' ') +
                                 "0000097530865"
                                 "0000001234567"
                                 "0000000123457"
                                 "00000");
    EXPECT_EQ(lastSefLine().size(), 170u);
    EXPECT_EQ(lastSefLine().substr(89, 37), rep(37, ' '));

    ASSERT_EQ(call(qv::Registro60A, valid60A), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "60A"
                             "20050105"
                             "BE050975610000012345"
                             "1700"
                             "000000100000" +
                                 rep(79, ' '));
    EXPECT_EQ(lastSefLine().size(), 126u);

    ASSERT_EQ(call(qv::Registro60D, valid60D), 0) << ::testing::PrintToString(lastErrors());
    // Date, serial number, product (14), quantity (13), value and base (16), rate (4), ICMS (13).
    EXPECT_EQ(lastSefLine(), "60D"
                             "20050105"
                             "BE050975610000012345"
                             "PROD001       "
                             "0000000002000"
                             "0000000000002000"
                             "0000000000002000"
                             "1700"
                             "0000000000340" +
                                 rep(19, ' '));
    EXPECT_EQ(lastSefLine().size(), 126u);

    ASSERT_EQ(call(qv::Registro61, valid61), 0) << ::testing::PrintToString(lastErrors());
    // 28 blanks, date, model, series (3), subseries (2), first and last numbers (6), four amounts
    // (13, 13, 12, 13), the rest (13), rate (4), one blank, entry code (12), CFOP, observation (5).
    EXPECT_EQ(lastSefLine(), "61" + rep(28, ' ') +
                                 "20050106"
                                 "02"
                                 "D  "
                                 "  "
                                 "000101"
                                 "000150"
                                 "0000000250000"
                                 "0000000250000"
                                 "000000042500"
                                 "0000000000000"
                                 "0000000000000"
                                 "1700"
                                 " "
                                 "LANC61      "
                                 "5102"
                                 "00000");
    EXPECT_EQ(lastSefLine().size(), 147u);
    EXPECT_EQ(lastSefLine().substr(0, 30), "61" + rep(28, ' '));
    EXPECT_EQ(lastSefLine()[125], ' ');
    EXPECT_TRUE(errorReport().empty());
    EXPECT_EQ(s.entrada(qv::Indice::r60).gravados, 3);
    EXPECT_EQ(s.entrada(qv::Indice::r61).gravados, 1);
}

TEST_F(RecordTest, CashRegisterTracesPadTheirLabels) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        std::map<std::size_t, std::string> lines; // lines of the block by number, in UTF-8
    };
    const std::vector<Case> cases = {
        // The date's label is padded to 17, the others to 43, the filler included.
        {&qv::Registro60M,
         valid60M,
         {{1, "REGISTRO 60 SUBTIPO: M"},
          {2, "\tData de Emissão: \t05/01/2005 -> 05012005"},
          {3, "\tNúmero de Série de Fabricação:" + rep(13, ' ') +
                  "\tBE050975610000012345 -> BE050975610000012345"},
          {12, "\tBrancos:" + rep(35, ' ') + "\t -> " + rep(37, ' ')},
          {13, "\tGrande Total Inicial:" + rep(22, ' ') + "\t975.308,65 -> 0000097530865"}}},
        {&qv::Registro60A,
         valid60A,
         {{1, "REGISTRO 60 SUBTIPO: A"},
          {2, "\tData de Emissão: \t05/01/2005 -> 05012005"},
          {3, "\tNúmero de Série de Fabricação: \tBE050975610000012345 -> BE050975610000012345"},
          {6, "\tBrancos:" + rep(23, ' ') + "\t -> " + rep(79, ' ')}}},
        {&qv::Registro60D,
         valid60D,
         {{1, "REGISTRO 60 SUBTIPO: D"},
          {2, "\tData de Emissão:" + rep(15, ' ') + "\t05/01/2005 -> 05012005"}}},
        // The second filler is the first one formatted again: 14 blanks before formatting.
        {&qv::Registro61,
         valid61,
         {{1, "REGISTRO 61"},
          {2, "\tBrancos:" + rep(47, ' ') + "\t -> " + rep(14, ' ')},
          {3, "\tBrancos:" + rep(47, ' ') + "\t" + rep(14, ' ') + " -> " + rep(14, ' ')},
          {4, "\tData de Emissão:" + rep(39, ' ') + "\t06/01/2005 -> 06012005"},
          {16, "\tBranco:" + rep(48, ' ') + "\t ->  "},
          {17, "\tCódigo de Lançamento Associado à Operação:" + rep(13, ' ') + "\tLANC61 -> LANC61      "}}},
    };
    open(); // no record 10: every record is rejected and its trace reported
    for (const Case& c : cases) {
        ASSERT_EQ(call(*c.layout, c.fields), -1);
        const auto lines = crlfLines(lastBlock());
        for (const auto& [n, expected] : c.lines) {
            ASSERT_LT(n, lines.size()) << c.layout->tipo();
            EXPECT_EQ(lines[n], cp(expected)) << c.layout->tipo() << " line " << n;
        }
    }
}

TEST_F(RecordTest, Record60SubtypesShareOneStatisticsLine) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro60M, valid60M), 0);
    ASSERT_EQ(call(qv::Registro60A, valid60A), 0);
    ASSERT_EQ(call(qv::Registro60A, with(valid60A, {{3, "F"}})), 0);
    EXPECT_EQ(call(qv::Registro60A, with(valid60A, {{1, "32/01/2005"}})), -1);
    ASSERT_EQ(call(qv::Registro60D, valid60D), 0);
    ASSERT_EQ(call(qv::Registro60M, with(valid60M, {{1, "06/01/2005"}})), 0);
    qv::Finaliza_SEF(s);

    const auto log = crlfLines(readFile(dir.path() / "Log.txt"));
    std::vector<std::string> rows;
    std::copy_if(log.begin(), log.end(), std::back_inserter(rows),
                 [](const std::string& l) { return l.rfind("Registro 6", 0) == 0; });
    EXPECT_EQ(rows, std::vector<std::string>{"Registro 60\t5\t0\t1\t16,67%\t6"});
}

TEST_F(RecordTest, Record60IsOutOfOrderOnlyAfterRecord61) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro60M, valid60M), 0);
    ASSERT_EQ(call(qv::Registro60D, valid60D), 0);
    // Subtypes share one order index: a 60M after a 60D is in order.
    ASSERT_EQ(call(qv::Registro60M, valid60M), 0);
    EXPECT_TRUE(lastBlock().empty());
    ASSERT_EQ(call(qv::Registro61, valid61), 0);
    EXPECT_TRUE(lastBlock().empty());
    ASSERT_EQ(call(qv::Registro60A, valid60A), 0);
    EXPECT_EQ(lastObservations(), std::vector<std::string>{
                                      "\tQuebra de sequência conforme Lógica de Ordenação Inter-Registros."});
    EXPECT_EQ(s.entrada(qv::Indice::r60).observacoes, 1);
    EXPECT_EQ(s.entrada(qv::Indice::r60).gravados, 4);
    EXPECT_EQ(s.entrada(qv::Indice::r61).observacoes, 0);
}

TEST_F(RecordTest, CashRegisterCountersMayBeEqualButNotDescending) {
    const std::string contador60M =
        "-3   Contador de Ordem de Operação no Inicio do Dia deve ser Menor que o Contador de Fim de Dia";
    const std::string ordem61 =
        "-3   Número de Ordem de Documento Fiscal de mesmo Modelo, Série e Subsérie no Inicio "
        "do Dia deve ser Maior que o Número de Fim de Dia";
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        const char* inicio;
        const char* fim;
        std::vector<std::string> errors;
    };
    const std::vector<Case> cases = {
        {&qv::Registro60M, valid60M, "1200", "1200", {}},
        {&qv::Registro60M, valid60M, "1201", "1200", {contador60M}},
        {&qv::Registro60M, valid60M, "1199", "1200", {}},
        {&qv::Registro61, valid61, "000010", "000009", {ordem61}},
        {&qv::Registro61, valid61, "000009", "000010", {}},
        {&qv::Registro61, valid61, "10", "10", {}},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const int result = call(*c.layout, with(c.fields, {{5, c.inicio}, {6, c.fim}}));
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << c.layout->tipo() << " " << c.inicio << "/" << c.fim;
        EXPECT_EQ(c.errors.empty() ? std::vector<std::string>{} : lastErrors(), c.errors)
            << c.layout->tipo() << " " << c.inicio << "/" << c.fim;
    }
}

TEST_F(RecordTest, CashRegisterEmissionDateAndPeriod) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        const char* numeroPeriodo;
    };
    const std::vector<Case> layouts = {
        {&qv::Registro60M, valid60M, "-4   "},
        {&qv::Registro60A, valid60A, "-2   "},
        {&qv::Registro60D, valid60D, "-2   "},
        {&qv::Registro61, valid61, "-4   "},
    };
    const std::string invalida = "-1   Data de Emissão Inválida (AAAAMMDD) :: ";
    openWithHeader();
    for (const Case& c : layouts) {
        // An empty date is invalid, and its value 0 lies before the period.
        EXPECT_EQ(call(*c.layout, with(c.fields, {{1, ""}})), -1);
        EXPECT_EQ(lastErrors(),
                  (std::vector<std::string>{invalida + "00000000",
                                            foraDoPeriodo(c.numeroPeriodo, "00000000") + periodo}))
            << c.layout->tipo();
        EXPECT_EQ(call(*c.layout, with(c.fields, {{1, "31/12/2004"}})), -1);
        EXPECT_EQ(lastErrors(),
                  std::vector<std::string>{foraDoPeriodo(c.numeroPeriodo, "20041231") + periodo})
            << c.layout->tipo();
        EXPECT_EQ(call(*c.layout, with(c.fields, {{1, "01/02/2005"}})), -1);
        EXPECT_EQ(lastErrors(),
                  std::vector<std::string>{foraDoPeriodo(c.numeroPeriodo, "20050201") + periodo})
            << c.layout->tipo();
        // Both bounds belong to the period.
        EXPECT_EQ(call(*c.layout, with(c.fields, {{1, "01/01/2005"}})), 0) << c.layout->tipo();
        EXPECT_EQ(call(*c.layout, with(c.fields, {{1, "31/01/2005"}})), 0) << c.layout->tipo();
    }
}

TEST_F(RecordTest, CashRegisterRecordsReportEveryCheckInOrder) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        std::vector<std::string> errors;
    };
    // No record 10: the period is empty, so an invalid date (value 0) passes it and a valid one
    // does not.
    const std::vector<Case> cases = {
        {&qv::Registro60M,
         with(valid60M, {{1, "32/01/2005"}, {4, "2E"}, {5, "1300"}, {6, "1200"}}),
         {"-1   Data de Emissão Inválida (AAAAMMDD) :: 20050132",
          "-2   Código de Modelo de Documento Fiscal Inválido :: 2E",
          "-3   Contador de Ordem de Operação no Inicio do Dia deve ser Menor que o Contador de Fim de Dia",
          "-5   Função Registro10 não foi chamada", "-6   Função Registro11 não foi chamada"}},
        {&qv::Registro60A,
         valid60A,
         {foraDoPeriodo("-2   ", "20050105") + " Período: ", "-3   Função Registro10 não foi chamada",
          "-4   Função Registro11 não foi chamada"}},
        {&qv::Registro60D,
         with(valid60D, {{1, "00/01/2005"}}),
         {"-1   Data de Emissão Inválida (AAAAMMDD) :: 20050100", "-3   Função Registro10 não foi chamada",
          "-4   Função Registro11 não foi chamada"}},
        {&qv::Registro61,
         with(valid61, {{1, ""}, {2, "03"}, {5, "10"}, {6, "9"}, {14, "5100"}}),
         {"-1   Data de Emissão Inválida (AAAAMMDD) :: 00000000",
          "-2   Código de Modelo de Documento Fiscal Inválido :: 03",
          "-3   Número de Ordem de Documento Fiscal de mesmo Modelo, Série e Subsérie no Inicio do Dia deve "
          "ser "
          "Maior que o Número de Fim de Dia",
          "-5   Código Fiscal de Operações e Prestações(CFOP) Inválido :: 5100",
          "-6   Função Registro10 não foi chamada", "-7   Função Registro11 não foi chamada"}},
    };
    open();
    for (const Case& c : cases) {
        EXPECT_EQ(call(*c.layout, c.fields), -1) << c.layout->tipo();
        EXPECT_EQ(lastErrors(), c.errors) << c.layout->tipo();
    }
}
