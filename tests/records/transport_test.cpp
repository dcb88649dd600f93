// Records 70, 71, 76 and 77.
#include "records/record_fixture.hpp"

#include <algorithm>
#include <map>

using namespace qvtest;

namespace {

const std::vector<std::string> valid70 = {
    "10456237000135", "0123456-78", "05/01/2005", "PE",     "08",   "1",    "2", "1234",
    "1352",           "1.500,00",   "1.500,00",   "255,00", "0,00", "0,00", "1", "N",
    "05/01/2005",     "LANC70",     "17,00",      "0"};

const std::vector<std::string> valid71 = {
    "10456237000135", "0123456-78", "06/01/2005", "PE", "08", "1",   "2",       "1234", "BA",
    "07654321000159", "ISENTO",     "04/01/2005", "01", "1",  "456", "1.500,00"};

const std::vector<std::string> valid76 = {
    "33300000000166", "ISENTO",     "22",     "U",      "",       "98765",
    "1303",           "10/01/2005", "PE",     "250,00", "250,00", "62,50",
    "0,00",           "0,00",       "25",     "N",      "LANC76", "01",
    "01/12/2004",     "31/12/2004", "122004", "1",      "250,00", "250,00",
    "62,50",          "0,00",       "0,00",   "0"};

const std::vector<std::string> valid77 = {
    "33300000000166", "22",         "U",      "",     "98765",  "1303", "1",
    "SRV001",         "1,000",      "250,00", "0,00", "250,00", "25",   "56123456000101",
    "ISENTO",         "10/01/2005", "PE",     "1",    ""};

} // namespace

TEST_F(RecordTest, TransportLinesFollowTheLayout) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro70, valid70), 0) << ::testing::PrintToString(lastErrors());
    // Each part of the expected lines is one field, marked with its number in the layout.
    EXPECT_EQ(lastSefLine(), "70"
                             "10456237000135" // 1
                             "012345678     " // 2
                             "20050105"       // 3
                             "PE"             // 4
                             "08"             // 5
                             "1"              // 6
                             "2 "             // 7
                             "001234"         // 8
                             "1352"           // 9
                             "0000000150000"  // 10
                             "00000000150000" // 11
                             "00000000025500" // 12
                             "00000000000000" // 13
                             "00000000000000" // 14
                             "1"              // 15
                             "N"              // 16
                             "20050105"       // 17
                             "LANC70      "   // 18
                             "1700"           // 19
                             "00000");        // 20
    EXPECT_EQ(lastSefLine().size(), 155u);

    ASSERT_EQ(call(qv::Registro71, valid71), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "71"
                             "10456237000135"   // 1
                             "012345678     "   // 2
                             "20050106"         // 3
                             "PE"               // 4
                             "08"               // 5
                             "1"                // 6
                             "2 "               // 7
                             "001234"           // 8
                             "BA"               // 9
                             "07654321000159"   // 10
                             "ISENTO        "   // 11
                             "20050104"         // 12
                             "01"               // 13
                             "1  "              // 14
                             "000456"           // 15
                             "00000000150000" + // 16
                                 rep(12, ' ')); // filler
    EXPECT_EQ(lastSefLine().size(), 126u);

    ASSERT_EQ(call(qv::Registro76, valid76), 0) << ::testing::PrintToString(lastErrors());
    // The zero filler stands between the CFOP and the emission date, in position 51.
    EXPECT_EQ(lastSefLine(), "76"
                             "33300000000166" // 1
                             "ISENTO        " // 2
                             "22"             // 3
                             "U "             // 4
                             "  "             // 5
                             "0000098765"     // 6
                             "1303"           // 7
                             "0"              // filler
                             "20050110"       // 8
                             "PE"             // 9
                             "0000000025000"  // 10
                             "0000000025000"  // 11
                             "000000006250"   // 12
                             "000000000000"   // 13
                             "000000000000"   // 14
                             "25"             // 15
                             "N"              // 16
                             "LANC76      "   // 17
                             "01"             // 18
                             "20041201"       // 19
                             "20041231"       // 20
                             "122004"         // 21
                             "000000001"      // 22
                             "0000000025000"  // 23
                             "0000000025000"  // 24
                             "000000006250"   // 25
                             "000000000000"   // 26
                             "000000000000"   // 27
                             "00000");        // 28
    EXPECT_EQ(lastSefLine().size(), 238u);

    ASSERT_EQ(call(qv::Registro77, valid77), 0) << ::testing::PrintToString(lastErrors());
    // The constants "0" (position 37) and "0000000000" (117-126) stand after the CFOP and the operator.
    EXPECT_EQ(lastSefLine(), "77"
                             "33300000000166"   // 1
                             "22"               // 2
                             "U "               // 3
                             "  "               // 4
                             "0000098765"       // 5
                             "1303"             // 6
                             "0"                // constant
                             "001"              // 7
                             "SRV001     "      // 8
                             "0000000001000"    // 9
                             "000000025000"     // 10
                             "000000000000"     // 11
                             "000000025000"     // 12
                             "25"               // 13
                             "56123456000101"   // 14
                             "0000000000"       // constant
                             "ISENTO        "   // 15
                             "20050110"         // 16
                             "PE"               // 17
                             "01" +             // 18
                                 rep(14, ' ')); // 19
    EXPECT_EQ(lastSefLine().size(), 166u);
    EXPECT_TRUE(errorReport().empty());
}

TEST_F(RecordTest, TransportTracesCarryEveryLabelPaddedToItsWidth) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        std::size_t width;
        std::map<std::size_t, std::size_t> ownWidth; // trace line (from 0) -> its own label width
        std::vector<std::string> labels;             // the header, then the unpadded labels
    };
    const std::vector<Case> cases = {
        {&qv::Registro70,
         valid70,
         49,
         {},
         {"REGISTRO 70",
          "CNPJ do Emitente:",
          "Inscrição Estadual:",
          "Data de Emissão/Utilização:",
          "UF:",
          "Modelo:",
          "Série:",
          "Subsérie:",
          "Número:",
          "CFOP:",
          "Valor Total do Documento Fiscal:",
          "Base de Cálculo do ICMS:",
          "Valor do ICMS:",
          "Isenta:",
          "Valor que Não Confira Débito ou Crédito do ICMS:",
          "CIF/FOB:",
          "Situação da Nota Fiscal:",
          "Data da Operação:",
          "Código de Lançamento Associado à Operação:",
          "Alíquota do ICMS:",
          "Observação:"}},
        {&qv::Registro71,
         valid71,
         46,
         {},
         {"REGISTRO 71",
          "CNPJ do Tomador:", "Inscrição Estadual do Tomador:", "Data de Emissão do Conhecimento:",
          "UF do Tomador:", "Modelo do Conhecimento:", "Série:", "Subsérie:", "Número do Conhecimento:",
          "UF do Remetente/Destinatário:", "CNPJ do Remetente/Destinatário:",
          "Inscrição Estadual do Remetente/Destinatário:", "Data de Emissão da Nota Fiscal:", "Modelo:",
          "Série da Nota Fiscal:", "Número:", "Valor Total da Nota Fiscal:", "Brancos:"}},
        {&qv::Registro76,
         valid76,
         76,
         {{0, 74}},
         {"REGISTRO 76",
          "CNPJ do Tomador:",
          "Inscrição Estadual:",
          "Modelo:",
          "Série:",
          "Subsérie:",
          "Número:",
          "CFOP:",
          "Zero:",
          "Data de Emissão/Recebimento:",
          "UF do Remetente:",
          "Valor Total da Nota Fiscal:",
          "Base de Cálculo do ICMS:",
          "Valor do ICMS:",
          "Isenta:",
          "Valor que Não Confira Débito ou Crédito do ICMS da Variação CFOP/Alíquota:",
          "Alíquota do ICMS:",
          "Situação da Nota Fiscal:",
          "Número de Lançamento:",
          "Código de Consumo de Serviços de Telecomunicações:",
          "Data Inicial da Prestação de Serviços:",
          "Data Final da Prestação de Serviços:",
          "Período de Prestação de Serviços:",
          "Número de Consumidores:",
          "Valor Total:",
          "Base de Cálculos do ICMS - Total:",
          "Valor do ICMS - Total:",
          "Prestações Isentas - Total:",
          "Valor Total que Não Confira Débito ou Crédito do ICMS:",
          "Observação:"}},
        // The two constants of record 77 leave no trace line.
        {&qv::Registro77,
         valid77,
         36,
         {},
         {"REGISTRO 77",
          "CNPJ do Tomador:",
          "Modelo:",
          "Série:",
          "Subsérie:",
          "Número:",
          "CFOP:",
          "Número do Item:",
          "Código do Serviço:",
          "Quantidade:",
          "Valor do Serviço:",
          "Valor do Desconto/Despesa:",
          "Base de Cálculos do ICMS:",
          "Alíquota do ICMS:",
          "CNPJ da Operadora de Destino:",
          "Inscrição Estadual:",
          "Data de Emissão/Recebimento:",
          "UF:",
          "Tipo de Receita:",
          "Inscrição Estadual do Participante:"}},
    };
    for (const Case& c : cases) {
        qv::Sessao fresh;
        std::swap(s, fresh);
        open(); // without records 10 and 11 the record is rejected and its trace reported
        ASSERT_EQ(call(*c.layout, c.fields), -1) << c.layout->tipo();
        std::vector<std::string> expected = {c.labels.front()};
        for (std::size_t i = 1; i < c.labels.size(); ++i) {
            const auto own = c.ownWidth.find(i - 1);
            std::string label = cp(c.labels[i]);
            label.resize(std::max(label.size(), own == c.ownWidth.end() ? c.width : own->second), ' ');
            expected.push_back(label);
        }
        EXPECT_EQ(lastTraceLabels(), expected) << c.layout->tipo();
    }
}

TEST_F(RecordTest, SituationGatesTheChecksOfRecords70And76) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        const char* situacao;
        std::vector<std::string> errors; // none: the line is written
    };
    // Every other check would fail, and no record 10 or 11 exists: only the situation decides.
    const auto wrong70 = with(
        valid70,
        {{1, "123"}, {3, "32/01/2005"}, {4, "XX"}, {5, "03"}, {9, "5100"}, {15, "3"}, {17, "31/02/2005"}});
    const auto wrong76 = with(valid76, {{1, "123"},
                                        {3, "03"},
                                        {6, ""},
                                        {7, "5100"},
                                        {8, "32/01/2005"},
                                        {9, "XX"},
                                        {19, "31/02/2005"},
                                        {20, "32/12/2004"}});
    // The invalid dates take the value 0, which lies within the empty period: no period message.
    const std::vector<std::string> all70 = {
        "-1   Data de Emissão/Utilização Inválida (AAAAMMDD) :: 20050132",
        "-2   CNPJ ou CPF Inválido :: 00000000000123",
        "-4   Unidade da Federação Inválida :: XX",
        "-5   Código de Modelo de Documento Fiscal Inválido :: 03",
        "-6   Modalidade do Frete (CIF/FOB) Inválida :: 3",
        "-9   Data de Emissão do Documento Inválida (AAAAMMDD) :: 20050231",
        "-10  Código Fiscal de Operações e Prestações(CFOP) Inválido :: 5100",
        "-11  Função Registro10 não foi chamada",
        "-12  Função Registro11 não foi chamada",
    };
    const std::vector<std::string> all76 = {
        "-1   Data de Emissão/Recebimento Inválida (AAAAMMDD) :: 20050132",
        "-2   CNPJ ou CPF Inválido :: 00000000000123",
        "-4   Unidade da Federação do Tomador Inválida :: XX",
        "-5   Código de Modelo de Documento Fiscal Inválido :: 03",
        "-6   Número da Nota Fiscal Inválido :: 0000000000",
        "-9   Código Fiscal de Operações e Prestações(CFOP) Inválido :: 5100",
        "-10  Data Inicial da Prestação do Serviço Inválida (AAAAMMDD) :: 20050231",
        "-11  Data Final da Prestação do Serviço Inválida (AAAAMMDD) :: 20041232",
        "-12  Função Registro10 não foi chamada",
        "-13  Função Registro11 não foi chamada",
    };
    const std::vector<Case> cases = {
        {&qv::Registro70, wrong70, "N", all70},
        {&qv::Registro70, wrong70, "E", all70},
        {&qv::Registro70, wrong70, "S", {}},
        {&qv::Registro70, wrong70, "X", {}},
        {&qv::Registro70, wrong70, "D", {}},
        {&qv::Registro70,
         wrong70,
         "Z",
         {"-7   Situação do Documento Fiscal quanto ao Cancelamento Inválida :: Z"}},
        {&qv::Registro70,
         wrong70,
         "n",
         {"-7   Situação do Documento Fiscal quanto ao Cancelamento Inválida :: n"}},
        {&qv::Registro70,
         wrong70,
         "",
         {"-7   Situação do Documento Fiscal quanto ao Cancelamento Inválida ::  "}},
        {&qv::Registro76, wrong76, "N", all76},
        {&qv::Registro76, wrong76, "E", all76},
        {&qv::Registro76, wrong76, "S", {}},
        {&qv::Registro76, wrong76, "D", {}},
        {&qv::Registro76,
         wrong76,
         "Q",
         {"-7   Situação da Nota Fiscal quanto ao Cancelamento Inválida :: Q"}},
    };
    for (const Case& c : cases) {
        qv::Sessao fresh;
        std::swap(s, fresh);
        open();
        const int result = call(*c.layout, with(c.fields, {{16, c.situacao}}));
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << c.layout->tipo() << " " << c.situacao;
        if (c.errors.empty()) {
            EXPECT_EQ(lastSefLine().substr(125, 1), c.situacao) << c.layout->tipo();
        } else {
            EXPECT_EQ(lastErrors(), c.errors) << c.layout->tipo() << " " << c.situacao;
        }
    }
}

TEST_F(RecordTest, DocumentDatesAgainstThePeriod) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        std::vector<std::string> errors;
    };
    const std::string outside = " :: A Data está fora do período indicado no Registro10 :: Data: ";
    const std::string period = " Período: de 01/01/2005 até 31/01/2005";
    const std::vector<Case> cases = {
        {&qv::Registro70, with(valid70, {{3, "01/01/2005"}}), {}},
        {&qv::Registro70, with(valid70, {{3, "31/01/2005"}}), {}},
        {&qv::Registro70,
         with(valid70, {{3, "01/02/2005"}}),
         {"-8   Data de Emissão/Utilização Inválida (AAAAMMDD)" + outside + "20050201" + period}},
        // An invalid date takes the value 0, before the period.
        {&qv::Registro70,
         with(valid70, {{3, "32/01/2005"}}),
         {"-1   Data de Emissão/Utilização Inválida (AAAAMMDD) :: 20050132",
          "-8   Data de Emissão/Utilização Inválida (AAAAMMDD)" + outside + "20050132" + period}},
        {&qv::Registro71,
         with(valid71, {{3, "31/12/2004"}, {12, "01/02/2005"}}),
         {"-13  Data de Emissão/Conhecimento Inválida (AAAAMMDD)" + outside + "20041231" + period,
          "-14  Data de Emissão da Nota Fiscal Inválida (AAAAMMDD)" + outside + "20050201" + period}},
        {&qv::Registro76,
         with(valid76, {{8, "31/12/2004"}}),
         {"-8   Data de Emissão/Recebimento Inválida (AAAAMMDD)" + outside + "20041231" + period}},
        // Record 77 has no period check.
        {&qv::Registro77, with(valid77, {{16, "15/03/2005"}}), {}},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const int result = call(*c.layout, c.fields);
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << c.layout->tipo() << " " << c.fields[2];
        EXPECT_EQ(lastErrors(), c.errors) << c.layout->tipo() << " " << c.fields[2];
    }
}

TEST_F(RecordTest, TransportOptionalDates) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        int field;
        const char* value;
        std::size_t position; // of the date in the line, from 1
        std::string error;    // empty: the line is written
    };
    const std::vector<Case> cases = {
        {&qv::Registro70, valid70, 17, "", 127, ""},
        {&qv::Registro70, valid70, 17, "0", 127, ""},
        {&qv::Registro70, valid70, 17, "31/02/2005", 127,
         "-9   Data de Emissão do Documento Inválida (AAAAMMDD) :: 20050231"},
        {&qv::Registro76, valid76, 19, "", 141, ""},
        {&qv::Registro76, valid76, 20, "", 149, ""},
        {&qv::Registro76, valid76, 19, "30/02/2005", 141,
         "-10  Data Inicial da Prestação do Serviço Inválida (AAAAMMDD) :: 20050230"},
        {&qv::Registro76, valid76, 20, "00/01/2005", 149,
         "-11  Data Final da Prestação do Serviço Inválida (AAAAMMDD) :: 20050100"},
        {&qv::Registro77, valid77, 16, "", 141, ""},
        {&qv::Registro77, valid77, 16, "32/01/2005", 141,
         "-5   Data de Emissão/Recebimento Inválida (AAAAMMDD) :: 20050132"},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const int result = call(*c.layout, with(c.fields, {{c.field, c.value}}));
        EXPECT_EQ(result, c.error.empty() ? 0 : -1) << c.layout->tipo() << " " << c.field << " " << c.value;
        if (c.error.empty()) {
            EXPECT_EQ(lastSefLine().substr(c.position - 1, 8), "00000000")
                << c.layout->tipo() << " " << c.field;
        } else {
            EXPECT_EQ(lastErrors(), std::vector<std::string>{c.error}) << c.layout->tipo() << " " << c.field;
        }
    }
}

TEST_F(RecordTest, Registro71PayerAndSenderMustDiffer) {
    struct Case {
        std::map<int, std::string> changes;
        std::vector<std::string> errors;
    };
    const std::string cnpjs = "-5   CNPJ deve ser diferente do CNPJ do Destinatário/Remetente";
    const std::string inscricoes =
        "-8   Inscrição Estadual do Tomador deve ser diferente da Inscrição Estadual do "
        "Destinatário/Remetente";
    const std::vector<Case> cases = {
        {{{10, "10456237000135"}}, {cnpjs}},
        // The formatted identifiers are compared.
        {{{1, "10.456.237/0001-35"}, {10, "10456237000135"}}, {cnpjs}},
        {{{1, ""}, {10, ""}}, {cnpjs}},
        {{{2, "ISENTO"}, {11, "ISENTO"}}, {inscricoes}},
        {{{2, ""}, {11, ""}}, {inscricoes}},
        {{{2, "0123456-78"}, {11, "012345678"}}, {inscricoes}},
        {{{1, "07654321000159"}, {2, "ISENTO"}, {10, "10456237000135"}, {11, "0123456-78"}}, {}},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const int result = call(qv::Registro71, with(valid71, c.changes));
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << ::testing::PrintToString(c.changes);
        EXPECT_EQ(lastErrors(), c.errors) << ::testing::PrintToString(c.changes);
    }
}

TEST_F(RecordTest, Registro71ReportsEveryCheckInOrder) {
    open();
    const auto fields = with(valid71, {{1, "123"},
                                       {3, "32/01/2005"},
                                       {4, "XX"},
                                       {5, "99"},
                                       {9, "YY"},
                                       {10, "07654321000158"},
                                       {12, "31/04/2005"},
                                       {13, "3"}});
    EXPECT_EQ(call(qv::Registro71, fields), -1);
    EXPECT_EQ(lastErrors(), (std::vector<std::string>{
                                "-1   Data de Emissão/Conhecimento Inválida (AAAAMMDD) :: 20050132",
                                "-2   Data de Emissão da Nota Fiscal Inválida (AAAAMMDD) :: 20050431",
                                "-3   CNPJ ou CPF Inválido :: 00000000000123",
                                "-4   CNPJ ou CPF do Remetente/Destinatário Inválido :: 07654321000158",
                                "-9   Unidade da Federação do Tomador Inválida :: XX",
                                "-10  Unidade da Federação do Remetente/ Destinatário Inválida :: YY",
                                "-11  Código de Modelo de Documento Fiscal Inválido :: 3 ",
                                "-12  Código de Modelo do Conhecimento :: 99",
                                "-15  Função Registro10 não foi chamada",
                                "-16  Função Registro11 não foi chamada",
                            }));
}

TEST_F(RecordTest, Registro76NumberMustNotBeZero) {
    struct Case {
        const char* numero;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"", "-6   Número da Nota Fiscal Inválido :: 0000000000"},
        {"0", "-6   Número da Nota Fiscal Inválido :: 0000000000"},
        {"0000000000", "-6   Número da Nota Fiscal Inválido :: 0000000000"},
        {"1", ""},
        {"9999999999", ""},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const int result = call(qv::Registro76, with(valid76, {{6, c.numero}}));
        EXPECT_EQ(result, c.error.empty() ? 0 : -1) << c.numero;
        if (c.error.empty()) {
            EXPECT_EQ(lastSefLine().substr(36, 15), rep(10 - std::string(c.numero).size(), '0') + c.numero +
                                                        "1303"
                                                        "0")
                << c.numero;
        } else {
            EXPECT_EQ(lastErrors(), std::vector<std::string>{c.error}) << c.numero;
        }
    }
}

TEST_F(RecordTest, Registro77ReportsEveryCheckInOrder) {
    open();
    const auto fields = with(valid77, {{1, "123"},
                                       {2, "03"},
                                       {6, "5100"},
                                       {7, "0"},
                                       {14, "56123456000102"},
                                       {16, "32/01/2005"},
                                       {17, "XX"},
                                       {18, "7"}});
    EXPECT_EQ(call(qv::Registro77, fields), -1);
    EXPECT_EQ(lastErrors(), (std::vector<std::string>{
                                "-1   CNPJ ou CPF Inválido :: 00000000000123",
                                "-2   CNPJ ou CPF Inválido :: 56123456000102",
                                "-3   Código de Modelo de Documento Fiscal Inválido :: 03",
                                "-4   Número de Ordem do Item na Nota Fiscal Inválido :: 000",
                                "-5   Data de Emissão/Recebimento Inválida (AAAAMMDD) :: 20050132",
                                "-7   Unidade da Federação do Tomador Inválida :: XX",
                                "-8   Código da Identificação do Tipo de Receita Inválida :: 07",
                                "-9   Código Fiscal de Operações e Prestações(CFOP) Inválido :: 5100",
                                "-10  Função Registro10 não foi chamada",
                                "-11  Função Registro11 não foi chamada",
                            }));
}

TEST_F(RecordTest, TransportOrderObservationFollowsTheWrittenTypes) {
    const std::string quebra = "\tQuebra de sequência conforme Lógica de Ordenação Inter-Registros.";
    openWithHeader();
    ASSERT_EQ(call(qv::Registro70, valid70), 0);
    // An inventory item written before the transport invoices puts record 71 out of order.
    ASSERT_EQ(
        call(qv::Registro74, {"31/01/2005", "PROD001", "1,000", "1,00", "1", "", "", "", "1", "1,00", ""}),
        0);
    ASSERT_EQ(call(qv::Registro71, valid71), 0);
    EXPECT_EQ(lastObservations(), std::vector<std::string>{quebra});
    EXPECT_EQ(s.entrada(qv::Indice::r71).observacoes, 1);
    EXPECT_EQ(s.entrada(qv::Indice::r71).gravados, 1);
    // Records 76 and 77 come after 74 and 75.
    ASSERT_EQ(call(qv::Registro75, {"01/01/2005", "31/01/2005", "PROD001", "", "Produto", "UN", "000", "", "",
                                    "", "", "", ""}),
              0);
    ASSERT_EQ(call(qv::Registro76, valid76), 0);
    ASSERT_EQ(call(qv::Registro77, valid77), 0);
    EXPECT_TRUE(lastBlock().empty());
    EXPECT_EQ(s.entrada(qv::Indice::r76).observacoes, 0);
    EXPECT_EQ(s.entrada(qv::Indice::r77).observacoes, 0);
}
