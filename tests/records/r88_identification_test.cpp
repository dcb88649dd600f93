// Record 88: its running sequence, its place in the file order, and the identification and
// general boxes (subtypes 10, 15, 20, 25 and 30).
#include "records/record_fixture.hpp"

#include <map>

using namespace qvtest;

namespace {

// The lines of a block, written in UTF-8, as Windows-1252.
std::vector<std::string> cpLines(std::initializer_list<std::string> utf8) {
    std::vector<std::string> out;
    for (const std::string& l : utf8)
        out.push_back(cp(l));
    return out;
}

// A line composed field by field.
std::string line(std::initializer_list<std::string> fields) {
    std::string out;
    for (const std::string& f : fields)
        out += f;
    return out;
}

const std::vector<std::string> valid10_00 = {"2005/01", "N", "N", "N"};
const std::vector<std::string> valid10_10 = {
    "Comércio Exemplo Ltda", "0321418-40", "11.222.333/0001-81", "(81) 3333-4444",
    "(81) 3333-4445",        "1234",       "50.050-000",         "contato@exemplo.com.br"};
const std::vector<std::string> valid10_20 = {"Maria da Silva", "123.456.789-09", "(81) 3333-4444",
                                             "maria@exemplo.com.br"};
const std::vector<std::string> valid10_30 = {
    "José Contador",  "98765432100",    "PE-012345/O", "(81) 3333-5555",
    "(81) 3333-6666", "(81) 3333-7777", "99",          "jose@contab.com.br"};
const std::vector<std::string> valid10_40 = {"10.456.237/0001-35", "0123456-78", "PE", "Fornecedor Alfa S/A",
                                             "01/01/2005",         "31/12/2005", "1"};
const std::vector<std::string> valid15 = {"31/12/2005", "1.250", "1.234,56"};
const std::vector<std::string> valid20 = {"0", "0001", "1", "1.000,00", "2.000,00"};
const std::vector<std::string> valid25 = {"1", "100,00", "50,00", "25,00", "1.000,00"};
const std::vector<std::string> valid30_00 = {"1", "2", "S", "PROC-2005/001", "10.000,00"};
const std::vector<std::string> valid30_10 = {"D", "0051", "123,45"};

} // namespace

TEST_F(RecordTest, IdentificationAndGeneralBoxLinesFollowTheLayout) {
    openWithHeader();
    // "88", the sequence (9), subtype, detail, then the fields. The alphanumeric filter keeps
    // letters, digits and blanks only, so "@", "." and "/" leave the e-mails, names and codes.
    ASSERT_EQ(call(qv::Registro88_S10_D00, valid10_00), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), line({"88", "000000001", "10", "00", "200501", "N", "N", "N"}));

    ASSERT_EQ(call(qv::Registro88_S10_D10, valid10_10), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(),
              line({"88", "000000002", "10", "10", cp("Comércio Exemplo Ltda") + rep(14, ' '),
                    "032141840" + rep(5, ' '), "11222333000181", "008133334444", "008133334445", "001234",
                    "50050000", "contatoexemplocombr" + rep(31, ' ')}));
    EXPECT_EQ(lastSefLine().size(), 166u);

    ASSERT_EQ(call(qv::Registro88_S10_D20, valid10_20), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), line({"88", "000000003", "10", "20", "Maria da Silva" + rep(26, ' '),
                                   "12345678909", "008133334444", "mariaexemplocombr" + rep(33, ' ')}));
    EXPECT_EQ(lastSefLine().size(), 128u);

    ASSERT_EQ(call(qv::Registro88_S10_D30, valid10_30), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), line({"88", "000000004", "10", "30", cp("José Contador") + rep(37, ' '),
                                   "98765432100", "PE012345O ", "008133335555", "008133336666",
                                   "008133337777", "000099", "josecontabcombr" + rep(35, ' ')}));
    EXPECT_EQ(lastSefLine().size(), 178u);

    ASSERT_EQ(call(qv::Registro88_S10_D40, valid10_40), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), line({"88", "000000005", "10", "40", "10456237000135", "012345678" + rep(5, ' '),
                                   "PE", "Fornecedor Alfa SA" + rep(17, ' '), "20050101", "20051231", "1"}));
    EXPECT_EQ(lastSefLine().size(), 97u);

    ASSERT_EQ(call(qv::Registro88_S15_D00, valid15), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), line({"88", "000000006", "15", "00", "20051231", "001250", "0000000123456"}));

    ASSERT_EQ(call(qv::Registro88_S20_D00, valid20), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(),
              line({"88", "000000007", "20", "00", "0", "0001", "1", "0000000100000", "0000000200000"}));

    ASSERT_EQ(call(qv::Registro88_S25_D00, valid25), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), line({"88", "000000008", "25", "00", "1", "0000000010000", "0000000005000",
                                   "0000000002500", "0000000100000"}));

    ASSERT_EQ(call(qv::Registro88_S30_D00, valid30_00), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), line({"88", "000000009", "30", "00", "01", "002", "S",
                                   "PROC2005001" + rep(19, ' '), "0000001000000"}));
    EXPECT_EQ(lastSefLine().size(), 64u);

    ASSERT_EQ(call(qv::Registro88_S30_D10, valid30_10), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), line({"88", "000000010", "30", "10", "D", "0051", "0000000012345"}));

    EXPECT_TRUE(errorReport().empty());
    EXPECT_EQ(s.entrada(qv::Indice::r88).gravados, 10);
}

TEST_F(RecordTest, Record88SequenceCountsOnlyWrittenLinesAndRestartsWithTheSession) {
    openWithHeader();
    ASSERT_EQ(call(qv::Registro88_S10_D00, valid10_00), 0);
    EXPECT_EQ(lastSefLine(), "880000000011000200501NNN");
    ASSERT_EQ(call(qv::Registro88_S30_D10, valid30_10), 0);
    EXPECT_EQ(lastSefLine().substr(0, 15), "880000000023010");
    // A rejected record between them takes no number.
    EXPECT_EQ(call(qv::Registro88_S20_D00, with(valid20, {{1, "5"}})), -1);
    ASSERT_EQ(call(qv::Registro88_S15_D00, valid15), 0);
    EXPECT_EQ(lastSefLine().substr(0, 15), "880000000031500");
    ASSERT_EQ(call(qv::Registro88_S10_D10, valid10_10), 0);
    EXPECT_EQ(lastSefLine().substr(0, 15), "880000000041010");
    EXPECT_EQ(sefLines().size(), 2u + 4u);
    EXPECT_EQ(s.entrada(qv::Indice::r88).gravados, 4);
    EXPECT_EQ(s.entrada(qv::Indice::r88).erros, 1);

    // A new session on the same state numbers from 1 again.
    qv::Finaliza_SEF(s);
    openWithHeader();
    ASSERT_EQ(call(qv::Registro88_S10_D00, valid10_00), 0);
    const auto lines = sefLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "880000000011000200501NNN");
    EXPECT_EQ(s.entrada(qv::Indice::r88).gravados, 1);
    EXPECT_EQ(s.entrada(qv::Indice::r88).erros, 0);
}

TEST_F(RecordTest, Record88IsOutOfOrderOnlyAfterRecord90) {
    openWithHeader();
    // Subtypes come in any order among themselves.
    ASSERT_EQ(call(qv::Registro88_S30_D00, valid30_00), 0);
    ASSERT_EQ(call(qv::Registro88_S10_D00, valid10_00), 0);
    EXPECT_TRUE(errorReport().empty());
    ASSERT_EQ(call(qv::Registro90, {}), 0);
    // After the totals the line is still written, with the order observation in its block.
    ASSERT_EQ(call(qv::Registro88_S10_D00, valid10_00), 0);
    EXPECT_EQ(lastSefLine(), "880000000031000200501NNN");
    EXPECT_EQ(crlfLines(lastBlock()),
              cpLines({
                  "",
                  "REGISTRO 88 SUBTIPO: 10 DETALHE: 00",
                  "\tPeríodo Fiscal:        \t2005/01 -> 200501",
                  "\tDocumento Substituto:  \tN -> N",
                  "\tCom Movimento:         \tN -> N",
                  "\tAlteração de Cadastro: \tN -> N",
                  "",
                  "\tObservação do Registro:",
                  "\t  \tQuebra de sequência conforme Lógica de Ordenação Inter-Registros.",
              }));
    EXPECT_EQ(s.entrada(qv::Indice::r88).observacoes, 1);
    EXPECT_EQ(s.entrada(qv::Indice::r88).erros, 0);
}

TEST_F(RecordTest, EveryRecord88ExportNeedsRecords10And11) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        const char* header;     // after "REGISTRO 88 SUBTIPO: "
        const char* firstLabel; // the first trace label, padded to the record's label width
        std::size_t labelWidth;
        int sem10; // the numbers of the two presence messages
        int sem11;
    };
    const std::vector<Case> cases = {
        {&qv::Registro88_S10_D00, valid10_00, "10 DETALHE: 00", "Período Fiscal:", 23, -4, -5},
        {&qv::Registro88_S10_D10, valid10_10, "10 DETALHE: 10", "Nome do Contribuinte:", 36, -3, -4},
        {&qv::Registro88_S10_D20, valid10_20, "10 DETALHE: 20", "Nome do Responsável:", 21, -1, -2},
        {&qv::Registro88_S10_D30, valid10_30, "10 DETALHE: 30", "Nome do Contador/Contabilista:", 31, -1, -2},
        {&qv::Registro88_S10_D40, valid10_40, "10 DETALHE: 40", "CNPJ do Participante:", 26, -7, -8},
        {&qv::Registro88_S15_D00, valid15, "15 DETALHE: 00", "Data do Encerramento do Exercício Social:", 42,
         -2, -3},
        {&qv::Registro88_S20_D00, valid20, "20 DETALHE: 00", "Qualificação:", 21, -6, -7},
        {&qv::Registro88_S25_D00, valid25, "25 DETALHE: 00", "Origem:", 18, -2, -3},
        {&qv::Registro88_S30_D00, valid30_00, "30 DETALHE: 00", "Controle do Crédito Acumulado:", 33, -4, -5},
        {&qv::Registro88_S30_D10, valid30_10, "30 DETALHE: 10", "Responsabilidade:", 19, -2, -3},
        // Box E: every field may be empty, save the incentive band of detail 12.
        {&qv::Registro88_S35_D00, std::vector<std::string>(12), "35 DETALHE: 00", "Código da Apuração:", 52,
         -1, -2},
        {&qv::Registro88_S35_D10, std::vector<std::string>(7), "35 DETALHE: 10", "Código de Apuração:", 39,
         -1, -2},
        {&qv::Registro88_S35_D11, std::vector<std::string>(10), "35 DETALHE: 11", "Código de Apuração:", 51,
         -1, -2},
        {&qv::Registro88_S35_D12, {"", "1", "", "", ""}, "35 DETALHE: 12", "Código de Apuração:", 41, -2, -3},
        {&qv::Registro88_S35_D20, std::vector<std::string>(15), "35 DETALHE: 20", "Código de Apuração:", 40,
         -1, -2},
        {&qv::Registro88_S35_D30, std::vector<std::string>(2), "35 DETALHE: 30",
         "Valor do Frete CIF - Fora do NE:", 33, -1, -2},
    };
    open();
    for (const Case& c : cases) {
        EXPECT_EQ(call(*c.layout, c.fields), -1) << c.header;
        // Numbers of one digit: "-4" and three blanks.
        EXPECT_EQ(lastErrors(), (std::vector<std::string>{
                                    std::to_string(c.sem10) + "   Função Registro10 não foi chamada",
                                    std::to_string(c.sem11) + "   Função Registro11 não foi chamada"}))
            << c.header;
        const auto lines = crlfLines(lastBlock());
        ASSERT_GE(lines.size(), 3u) << c.header;
        EXPECT_EQ(lines[1], cp(std::string("REGISTRO 88 SUBTIPO: ") + c.header));
        const std::string label = cp(c.firstLabel);
        EXPECT_EQ(lines[2].substr(0, c.labelWidth + 2),
                  "\t" + label + rep(c.labelWidth - label.size(), ' ') + "\t")
            << c.header;
    }
    EXPECT_TRUE(sefLines().empty());
    EXPECT_EQ(s.entrada(qv::Indice::r88).erros, 16);
    EXPECT_EQ(s.entrada(qv::Indice::r88).gravados, 0);
}

TEST_F(RecordTest, Record88ChecksReportInTheirOrder) {
    struct Case {
        const qv::Layout* layout;
        std::vector<std::string> fields;
        std::vector<std::string> errors;
    };
    const std::vector<Case> cases = {
        {&qv::Registro88_S10_D00,
         with(valid10_00, {{2, "X"}, {3, ""}, {4, "s"}}),
         {"-1   Valor para o Documento Substituto Inválido :: X", "-2   Valor para o Movimento Inválido ::  ",
          "-3   Valor para a Alteração do Cadastro Inválido :: s", "-4   Função Registro10 não foi chamada",
          "-5   Função Registro11 não foi chamada"}},
        {&qv::Registro88_S10_D10,
         with(valid10_10, {{3, "11222333000182"}, {7, "123"}}),
         {"-1   CGC/MF ou CPF Inválido :: 11222333000182", "-2   CEP Inválido :: 00000123",
          "-3   Função Registro10 não foi chamada", "-4   Função Registro11 não foi chamada"}},
        {&qv::Registro88_S10_D40,
         {"10456237000136", "", "XX", "Nome", "", "32/13/2005", "9"},
         {"-1   CNPJ do Participante Inválido :: 10456237000136", "-3   Unidade da Federação Inválida :: XX",
          "-4   Data Inicial Inválida (AAAAMMDD) :: 00000000",
          "-5   Data Final Inválida (AAAAMMDD) :: 20051332",
          "-6   Código da Situação do Participante Inválido :: 9", "-7   Função Registro10 não foi chamada",
          "-8   Função Registro11 não foi chamada"}},
        {&qv::Registro88_S15_D00,
         with(valid15, {{1, "31/02/2005"}}),
         {"-1   Data do Encerramento do Exercício Social Inválida (AAAAMMDD) :: 20050231",
          "-2   Função Registro10 não foi chamada", "-3   Função Registro11 não foi chamada"}},
        {&qv::Registro88_S20_D00,
         with(valid20, {{1, "3"}, {2, "9999"}, {3, "9"}}),
         {"-1   Código da Qualificação das Informações Inválido :: 3",
          "-6   Função Registro10 não foi chamada", "-7   Função Registro11 não foi chamada"}},
        {&qv::Registro88_S25_D00,
         with(valid25, {{1, "4"}}),
         {"-1   Código da Origem Inválido :: 4", "-2   Função Registro10 não foi chamada",
          "-3   Função Registro11 não foi chamada"}},
        {&qv::Registro88_S30_D00,
         with(valid30_00, {{1, "8"}, {2, "6"}, {3, "X"}}),
         {"-1   Código do Controle do Crédito Acumulado Inválido :: 08",
          "-2   Código da Utilização do Crédito Acumulado Inválido :: 006",
          "-3   Código Reconhecido Inválido :: X", "-4   Função Registro10 não foi chamada",
          "-5   Função Registro11 não foi chamada"}},
        {&qv::Registro88_S30_D10,
         with(valid30_10, {{1, "C"}}),
         {"-1   Código da Responsabilidade Inválido :: C", "-2   Função Registro10 não foi chamada",
          "-3   Função Registro11 não foi chamada"}},
    };
    open();
    for (const Case& c : cases) {
        EXPECT_EQ(call(*c.layout, c.fields), -1) << c.errors.front();
        EXPECT_EQ(lastErrors(), c.errors);
    }
}

TEST_F(RecordTest, Registro88_S10_D40RejectedBlock) {
    open();
    EXPECT_EQ(call(qv::Registro88_S10_D40, {"10456237000136", "", "XX", "Nome", "", "32/13/2005", "9"}), -1);
    // The labels are padded to 26 characters; the trace shows the dates' digits in the host's order.
    EXPECT_EQ(crlfLines(lastBlock()), cpLines({
                                          "",
                                          "REGISTRO 88 SUBTIPO: 10 DETALHE: 40",
                                          "\tCNPJ do Participante:     \t10456237000136 -> 10456237000136",
                                          "\tInscrição Estadual:       \t -> " + rep(14, ' '),
                                          "\tUF:                       \tXX -> XX",
                                          "\tNome Empresarial:         \tNome -> Nome" + rep(31, ' '),
                                          "\tData Inicial:             \t -> 00000000",
                                          "\tData Final:               \t32/13/2005 -> 32132005",
                                          "\tSituação do Participante: \t9 -> 9",
                                          "",
                                          "\tErro(s) do Registro:",
                                          "\t  -1   CNPJ do Participante Inválido :: 10456237000136",
                                          "\t  -3   Unidade da Federação Inválida :: XX",
                                          "\t  -4   Data Inicial Inválida (AAAAMMDD) :: 00000000",
                                          "\t  -5   Data Final Inválida (AAAAMMDD) :: 20051332",
                                          "\t  -6   Código da Situação do Participante Inválido :: 9",
                                          "\t  -7   Função Registro10 não foi chamada",
                                          "\t  -8   Função Registro11 não foi chamada",
                                      }));
}

TEST_F(RecordTest, InformantAndParticipantIdentifiers) {
    struct Case {
        const qv::Layout* layout;
        int parameter;
        const char* value;
        std::size_t position; // where the identifier starts in the line
        const char* written;  // the identifier in the line; nullptr when rejected
        const char* error;
    };
    const std::vector<Case> cases = {
        // A CPF as the host gave it, with points and hyphen, is accepted and zero-padded.
        {&qv::Registro88_S10_D10, 3, "123.456.789-09", 64, "00012345678909", nullptr},
        {&qv::Registro88_S10_D10, 3, "11222333000182", 0, nullptr,
         "-1   CGC/MF ou CPF Inválido :: 11222333000182"},
        {&qv::Registro88_S10_D40, 1, "123.456.789-09", 15, "00012345678909", nullptr},
        {&qv::Registro88_S10_D40, 1, "98765432100", 15, "00098765432100", nullptr},
        {&qv::Registro88_S10_D40, 1, "10456237000136", 0, nullptr,
         "-1   CNPJ do Participante Inválido :: 10456237000136"},
        {&qv::Registro88_S10_D40, 1, "123.456.789-00", 0, nullptr,
         "-1   CNPJ do Participante Inválido :: 00012345678900"},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const auto& valid = c.layout == &qv::Registro88_S10_D10 ? valid10_10 : valid10_40;
        const int result = call(*c.layout, with(valid, {{c.parameter, c.value}}));
        if (c.written != nullptr) {
            EXPECT_EQ(result, 0) << c.value << ::testing::PrintToString(lastErrors());
            EXPECT_EQ(lastSefLine().substr(c.position, 14), c.written);
        } else {
            EXPECT_EQ(result, -1) << c.value;
            EXPECT_EQ(lastErrors(), std::vector<std::string>{c.error});
        }
    }
}

TEST_F(RecordTest, Registro88_S10_D40Fields) {
    struct Case {
        std::map<int, std::string> changes;
        std::vector<std::string> errors; // empty: written
    };
    const std::vector<Case> cases = {
        {{{5, ""}}, {"-4   Data Inicial Inválida (AAAAMMDD) :: 00000000"}},
        {{{6, ""}}, {"-5   Data Final Inválida (AAAAMMDD) :: 00000000"}},
        {{{6, "31/04/2005"}}, {"-5   Data Final Inválida (AAAAMMDD) :: 20050431"}},
        // No state registration is not an invalid one.
        {{{2, ""}}, {}},
        {{{3, "XX"}}, {"-3   Unidade da Federação Inválida :: XX"}},
        {{{3, ""}}, {"-3   Unidade da Federação Inválida ::   "}},
        {{{7, "0"}}, {"-6   Código da Situação do Participante Inválido :: 0"}},
        {{{7, "4"}}, {"-6   Código da Situação do Participante Inválido :: 4"}},
        {{{7, "3"}}, {}},
        // The dates are compared neither with each other nor with the period of record 10.
        {{{5, "01/03/2006"}, {6, "31/12/2004"}}, {}},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const int result = call(qv::Registro88_S10_D40, with(valid10_40, c.changes));
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1) << ::testing::PrintToString(c.changes);
        EXPECT_EQ(result == 0 ? std::vector<std::string>{} : lastErrors(), c.errors)
            << ::testing::PrintToString(c.changes);
    }
    // The accepted lines carry the empty registration as blanks and the dates as given.
    const auto lines = sefLines();
    ASSERT_EQ(lines.size(), 2u + 3u);
    EXPECT_EQ(lines[2].substr(29, 14), rep(14, ' '));
    EXPECT_EQ(lines[4].substr(80, 16), line({"20060301", "20041231"}));
}

TEST_F(RecordTest, Registro88_S15_D00ClosingDateIsOptional) {
    struct Case {
        const char* date;
        const char* written; // positions 16-23; nullptr when rejected
        const char* error;
    };
    const std::vector<Case> cases = {
        {"", "00000000", nullptr},
        {"00/00/0000", "00000000", nullptr},
        {"31/12/2005", "20051231", nullptr},
        {"31/02/2005", nullptr,
         "-1   Data do Encerramento do Exercício Social Inválida (AAAAMMDD) :: 20050231"},
        // Too few digits: padded on the left before the rearrangement.
        {"1/1/2005", nullptr,
         "-1   Data do Encerramento do Exercício Social Inválida (AAAAMMDD) :: 20051100"},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const int result = call(qv::Registro88_S15_D00, with(valid15, {{1, c.date}}));
        if (c.written != nullptr) {
            EXPECT_EQ(result, 0) << c.date << ::testing::PrintToString(lastErrors());
            EXPECT_EQ(lastSefLine().substr(15, 8), c.written) << c.date;
        } else {
            EXPECT_EQ(result, -1) << c.date;
            EXPECT_EQ(lastErrors(), std::vector<std::string>{c.error}) << c.date;
        }
    }
}

TEST_F(RecordTest, Registro88_S20_D00QualificationDecidesTheChecks) {
    const std::string semMunicipio = "-3   Se Qualificação for igual a \"1 - Total do Quadro\", o Código do "
                                     "Município tem que ser vazio :: ";
    const std::string semDetalhe = "-5   Se Qualificação for igual a \"1 - Total do Quadro\", o Código do "
                                   "Detalhamento tem que ser vazio :: ";
    const std::string municipio = "-2   Código do Município Inválido :: ";
    const std::string detalhe = "-4   Código do Detalhamento Inválido :: ";
    struct Case {
        const char* qualificacao;
        const char* municipio;
        const char* detalhamento;
        std::vector<std::string> errors; // empty: written
    };
    const std::vector<Case> cases = {
        // The box total leaves municipality and detail empty (zeros).
        {"1", "0001", "1", {semMunicipio + "0001", semDetalhe + "1"}},
        {"1", "", "3", {semDetalhe + "3"}},
        {"1", "", "", {}},
        {"1", "0000", "0", {}},
        // One municipality names a municipality of the list and a detail 1 to 3.
        {"0", "0001", "1", {}},
        {"0", "1", "3", {}},
        {"0", "", "", {municipio + "0000", detalhe + "0"}},
        {"0", "9999", "4", {municipio + "9999", detalhe + "4"}},
        // Any other qualification is reported alone.
        {"2", "9999", "9", {"-1   Código da Qualificação das Informações Inválido :: 2"}},
        {"7", "0001", "1", {"-1   Código da Qualificação das Informações Inválido :: 7"}},
    };
    openWithHeader();
    for (const Case& c : cases) {
        const int result = call(qv::Registro88_S20_D00,
                                with(valid20, {{1, c.qualificacao}, {2, c.municipio}, {3, c.detalhamento}}));
        EXPECT_EQ(result, c.errors.empty() ? 0 : -1)
            << c.qualificacao << "/" << c.municipio << "/" << c.detalhamento;
        EXPECT_EQ(result == 0 ? std::vector<std::string>{} : lastErrors(), c.errors)
            << c.qualificacao << "/" << c.municipio << "/" << c.detalhamento;
    }
    // The last line written ("0", "1", "3") carries the codes as formatted.
    EXPECT_EQ(lastSefLine().substr(15, 6), line({"0", "0001", "3"}));
}
