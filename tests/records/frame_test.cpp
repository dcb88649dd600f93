// The record emission frame, through the declarations it runs.
#include "records/record_fixture.hpp"

#include <map>

using namespace qvtest;

namespace {

struct Declared {
    std::string_view name;
    const qv::Layout* layout;
    int arguments;
};

// Every record export of the list of exports, with its declaration.
const std::vector<Declared>& declaredRecords() {
    static const std::vector<Declared> all = {
#define QV_RECORD_ENTRY_RECORD(name, n) {#name, &qv::name, n},
#define QV_RECORD_ENTRY_SESSION(name, n)
#define QV_RECORD_ENTRY_VERSION(name, n)
#define QV_RECORD_ENTRY_NOTICE(name, n)
#define QV_RECORD_ENTRY_FILTER(name, n)
#define QV_RECORD_ENTRY_PAD(name, n)
#define QV_RECORD_ENTRY_FORMAT(name, n)
#define QV_RECORD_ENTRY_DATE_TEST(name, n)
#define QV_RECORD_ENTRY_DATE_VALUE(name, n)
#define QV_RECORD_ENTRY_DATE_CONVERT(name, n)
#define QV_RECORD_ENTRY_VALIDATOR(name, n)
#define QV_RECORD_ENTRY_VALIDATOR_PAIR(name, n)
#define QV_RECORD_ENTRY_VALIDATOR_COUNTED(name, n)
#define QV_EXPORT(name, kind, n) QV_RECORD_ENTRY_##kind(name, n)
#include "exports/exports.def"
#undef QV_EXPORT
    };
    return all;
}

// The line length of every record type, as the layout states it. Record 90 composes its own
// lines (126 characters each; tested with the record).
const std::map<std::string_view, std::size_t> layoutLength = {
    {"Registro10", 127},         {"Registro11", 126},         {"Registro50", 269},
    {"Registro51", 139},         {"Registro53", 126},         {"Registro54", 154},
    {"Registro55", 126},         {"Registro56", 126},         {"Registro60M", 170},
    {"Registro60A", 126},        {"Registro60D", 126},        {"Registro61", 147},
    {"Registro70", 155},         {"Registro71", 126},         {"Registro74", 146},
    {"Registro75", 146},         {"Registro76", 238},         {"Registro77", 166},
    {"Registro88_S10_D00", 24},  {"Registro88_S10_D10", 166}, {"Registro88_S10_D20", 128},
    {"Registro88_S10_D30", 178}, {"Registro88_S10_D40", 97},  {"Registro88_S15_D00", 42},
    {"Registro88_S20_D00", 47},  {"Registro88_S25_D00", 68},  {"Registro88_S30_D00", 64},
    {"Registro88_S30_D10", 33},  {"Registro88_S35_D00", 152}, {"Registro88_S35_D10", 95},
    {"Registro88_S35_D11", 126}, {"Registro88_S35_D12", 58},  {"Registro88_S35_D20", 175},
    {"Registro88_S35_D30", 41},  {"Registro88_S60_D00", 86},  {"Registro88_S60_D10", 54},
    {"Registro88_S61_D00", 107}, {"Registro88_S74_D00", 39},  {"Registro88_S77_D00", 77},
    {"Registro88_S78_D00", 53},  {"Registro88_S80_D00", 164}, {"Registro88_S80_D01", 164},
    {"Registro88_S80_D02", 164}, {"Registro88_S80_D10", 158}, {"Registro88_S82_D00", 164},
    {"Registro88_S82_D01", 164}, {"Registro88_S82_D02", 164}, {"Registro88_S82_D10", 158},
    {"Registro88_S85_D00", 67},  {"Registro88_S85_D10", 93},  {"Registro88_S85_D20", 67},
    {"Registro88_S85_D30", 93},  {"Registro88_S89_D00", 193},
};

} // namespace

TEST(RecordDeclarations, EveryLineHasTheLengthOfItsLayoutAndEveryExportItsFields) {
    ASSERT_FALSE(declaredRecords().empty());
    for (const Declared& d : declaredRecords()) {
        EXPECT_EQ(d.layout->parametros(), static_cast<std::size_t>(d.arguments)) << d.name;
        if (d.layout->compoe != nullptr) continue;
        const auto expected = layoutLength.find(d.name);
        ASSERT_NE(expected, layoutLength.end()) << d.name << " has no layout length to check against";
        EXPECT_EQ(d.layout->comprimentoLinha(), expected->second) << d.name;
    }
}

TEST_F(RecordTest, WithoutSessionOnlyTheGuardBlockIsWritten) {
    // Names of an earlier session, so the guard writes into the folder.
    open();
    qv::Finaliza_SEF(s);
    const std::string logBefore = readFile(dir.path() / "Log.txt");
    EXPECT_EQ(call(qv::Registro54, std::vector<std::string>(20, "")), -1);
    EXPECT_EQ(lastBlock(), cp("\r\n\tErro(s) do Registro:\r\n\t  -0   Função Inicia_SEF não chamada\r\n"));
    EXPECT_EQ(s.entrada(qv::Indice::r10).erros, 1);
    EXPECT_EQ(s.entrada(qv::Indice::r54).erros, 0);
    EXPECT_TRUE(s.ListaCampos.empty());
    EXPECT_TRUE(sefLines().empty());
}

TEST_F(RecordTest, ACutFieldIsWrittenWithAnObservationOnly) {
    openWithHeader();
    const std::string longStreet(40, 'R');
    qv::Sessao fresh;
    std::swap(s, fresh);
    open();
    ASSERT_EQ(call(qv::Registro10, {"11222333000181", "ISENTO", "Nome", "Recife", "PE", "1", "01/01/2005",
                                    "31/01/2005", "2", "3", "1", "1"}),
              0);
    EXPECT_EQ(call(qv::Registro11, {longStreet, "1", "", "B", "50050000", "C", "1"}), 0);
    EXPECT_EQ(lastSefLine().substr(2, 34), std::string(34, 'R'));
    const std::string label = cp("Logradouro:") + rep(18, ' ');
    const std::string expectedBlock = cp("\r\nREGISTRO 11\r\n") + "\t" + label + "\t" + longStreet + " -> " +
                                      std::string(34, 'R') + "\r\n" + "\t" + cp("Número:") + rep(22, ' ') +
                                      "\t1 -> 00001\r\n";
    EXPECT_EQ(lastBlock().substr(0, expectedBlock.size()), expectedBlock);
    EXPECT_EQ(lastObservations(),
              std::vector<std::string>{
                  qv::cp1252ToUtf8(label) +
                  "\tQuantidade de caracteres maior que o permitido - Permitido: 34; Passados: 40"});
    EXPECT_EQ(lastErrors(), std::vector<std::string>{});
    EXPECT_EQ(lastBlock().find(cp("\tErro(s) do Registro:")), std::string::npos);
    EXPECT_EQ(s.entrada(qv::Indice::r11).observacoes, 1);
    EXPECT_EQ(s.entrada(qv::Indice::r11).erros, 0);
    EXPECT_EQ(s.entrada(qv::Indice::r11).gravados, 1);
}

TEST_F(RecordTest, ARejectedRecordListsTraceErrorsThenObservations) {
    open();
    // Record 11 before record 10, with an invalid postal code and a cut complement.
    EXPECT_EQ(call(qv::Registro11, {"Rua A", "1", std::string(30, 'C'), "B", "123", "Ana", "1"}), -1);
    const auto lines = crlfLines(lastBlock());
    ASSERT_EQ(lines.size(), 1u + 8u + 4u + 3u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "REGISTRO 11");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], "\tErro(s) do Registro:");
    EXPECT_EQ(lines[11], cp("\t  -1   CEP Inválido :: 00000123"));
    EXPECT_EQ(lines[12], cp("\t  -3   Função Registro10 não foi chamada"));
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], cp("\tObservação do Registro:"));
    EXPECT_EQ(lines[15].substr(0, 3 + 29), "\t  " + cp("Complemento:") + rep(17, ' '));
    EXPECT_TRUE(sefLines().empty());
    EXPECT_EQ(s.entrada(qv::Indice::r11).erros, 1);
    EXPECT_EQ(s.entrada(qv::Indice::r11).observacoes, 1);
    EXPECT_TRUE(s.ListaCampos.empty() && s.ListaErros.empty() && s.ListaObservacoes.empty());
}

TEST_F(RecordTest, PeriodRuleBeforeAnyRecord10) {
    open();
    // Every valid date lies after the empty period; an invalid date takes the value 0 and passes.
    const std::vector<std::string> fields = {"10456237000135",
                                             "ISENTO",
                                             "03/01/2005",
                                             "PE",
                                             "01",
                                             "1",
                                             "1",
                                             "1102",
                                             "T",
                                             "",
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
    EXPECT_EQ(call(qv::Registro50, fields), -1);
    EXPECT_EQ(lastErrors().at(0),
              "-7   Data de Emissão/Recebimento Inválida (AAAAMMDD) :: A Data está fora do "
              "período indicado no Registro10 :: Data: 20050103 Período: ");
    auto invalid = fields;
    invalid[2] = "";
    EXPECT_EQ(call(qv::Registro50, invalid), -1);
    EXPECT_EQ(lastErrors().at(0), "-1   Data de Emissão/Recebimento Inválida (AAAAMMDD) :: 00000000");
    EXPECT_EQ(lastErrors().at(1), "-13  Função Registro10 não foi chamada");
}

TEST_F(RecordTest, ALineThatCannotBeWrittenIsNotReportedAsWritten) {
    AvisoRecorder box;
    // A full device accepts the open and refuses the write.
    qv::Inicia_SEF(s, "/dev/full", dir.file("Erro.txt"), dir.file("Log.txt"));
    EXPECT_EQ(call(qv::Registro10, {"11222333000181", "ISENTO", "Nome", "Recife", "PE", "1", "01/01/2005",
                                    "31/01/2005", "2", "3", "1", "1"}),
              -1);
    EXPECT_EQ(box.messages(), std::vector<std::string>{"Erro ao tentar escrever no arquivo /dev/full"});
    EXPECT_EQ(s.entrada(qv::Indice::r10).gravados, 0);
    EXPECT_EQ(s.entrada(qv::Indice::r10).erros, 1);
    // The file holds no record 10, so the records that need one are rejected.
    EXPECT_EQ(call(qv::Registro11, {"Rua A", "1", "", "B", "50050000", "C", "1"}), -1);
    EXPECT_EQ(lastErrors(), std::vector<std::string>{"-3   Função Registro10 não foi chamada"});
}
