// Record 88, subtypes 80, 82, 85 and 89: the tax ledger and the observations.
#include "records/record_fixture.hpp"

#include <map>

using namespace qvtest;

namespace {

std::string padded(const std::string& label, std::size_t width) {
    return label + rep(width - cp(label).size(), ' ');
}

// The eleven amounts "1,00" to "11,00", as the host passes them and as the line carries them.
const std::vector<std::string> elevenAmounts = {"1,00", "2,00", "3,00", "4,00",  "5,00", "6,00",
                                                "7,00", "8,00", "9,00", "10,00", "11,00"};
const std::string elevenWritten = "0000000000100"
                                  "0000000000200"
                                  "0000000000300"
                                  "0000000000400"
                                  "0000000000500"
                                  "0000000000600"
                                  "0000000000700"
                                  "0000000000800"
                                  "0000000000900"
                                  "0000000001000"
                                  "0000000001100";

// The labels of the eleven amounts, with the three in which entries, exits and details differ.
std::vector<std::string> amountLabels(const std::string& icms, const std::string& second,
                                      const std::string& third) {
    return {"Valor Contábil:",
            "Base de Cálculo:",
            icms,
            second,
            third,
            "Operações Isentas:",
            "Total de Outras Operações/Prestações:",
            "Total do IPI - Base de Cálculo:",
            "Total do IPI - Creditado:",
            "Total do IPI - Operações Isentas:",
            "Total do IPI - Outras Operações:"};
}

class R88LedgerTest : public RecordTest {
  protected:
    void restart(bool header) {
        qv::Sessao fresh;
        std::swap(s, fresh);
        if (header)
            openWithHeader();
        else
            open();
    }
    // The trace of the last (rejected) call shows the header and every label at the record's width.
    void expectTrace(const std::string& header, std::size_t width, const std::vector<std::string>& labels) {
        const auto trace = lastTrace();
        ASSERT_EQ(trace.size(), labels.size() + 1) << header;
        EXPECT_EQ(trace[0], header);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const std::string lead = "\t" + padded(labels[i], width) + "\t";
            EXPECT_EQ(trace[i + 1].substr(0, lead.size()), lead) << header << " field " << i + 1;
        }
    }
};

} // namespace

TEST_F(R88LedgerTest, LedgerLines) {
    struct Case {
        const qv::Layout* layout;
        std::string subtipoDetalhe;
        std::size_t width;
        std::vector<std::string> labels;
        bool acceptsQualification2;
        std::string message1;
        std::string message2;
    };
    const auto exits = amountLabels("ICMS Debitado:", "Total do ICMS Substituído para o Estado:",
                                    "Total do ICMS Substituído para Outros Estados:");
    const std::vector<Case> cases = {
        {&qv::Registro88_S80_D00, "8000", 38,
         amountLabels("ICMS Normal Creditado:", "ICMS Fonte:", "ICMS pela Entrada:"), false,
         "-1   Código da Qualificacao Inválido :: ",
         "-2   Para Qualificação igual \"01 - Total das Entradas Internas\", o CFOP não deve ser preenchido "
         ":: "},
        {&qv::Registro88_S80_D01, "8001", 38,
         amountLabels("ICMS Normal Creditado:", "ICMS Fonte:", "ICMS Entrada:"), true,
         "-1   Código da Qualificacao Inválido :: ",
         "-2   Para Qualificação igual \"01 - Total das entradas Interestaduais\", o CFOP não deve ser "
         "preenchido :: "},
        {&qv::Registro88_S80_D02, "8002", 38, amountLabels("ICMS Creditado:", "ICMS Fonte:", "ICMS Entrada:"),
         false, "-1   Código da Qualificacao Inválido :: ",
         "-2   Para Qualificação igual \"01 - Total das Entradas Exterior\", o CFOP não deve ser preenchido "
         ":: "},
        {&qv::Registro88_S82_D00, "8200", 48, exits, false, "-1   Código da Qualificação Inválido :: ",
         "-2   Para Qualificação igual \"01 - Total das saídas internas\", o CFOP não deve ser preenchido "
         ":: "},
        {&qv::Registro88_S82_D01, "8201", 48, exits, false, "-1   Código da Qualificação Inválido :: ",
         "-2   Para Qualificação igual \"01 - Total das saídas Interestaduais\", o CFOP não deve ser "
         "preenchido :: "},
        {&qv::Registro88_S82_D02, "8202", 47, exits, false, "-1   Código da Qualificação Inválido :: ",
         "-2   Para Qualificação igual \"01 - Total das saídas para o exterior\", o CFOP naõ deve ser "
         "preenchido :: "},
    };
    std::vector<std::string> valid = {"01", "1102"};
    valid.insert(valid.end(), elevenAmounts.begin(), elevenAmounts.end());

    for (const Case& c : cases) {
        const std::string& name = c.subtipoDetalhe;
        restart(true);
        ASSERT_EQ(call(*c.layout, valid), 0) << name << ::testing::PrintToString(lastErrors());
        EXPECT_EQ(lastSefLine(), "88"
                                 "000000001" +
                                     c.subtipoDetalhe +
                                     "01"
                                     "1102" +
                                     elevenWritten)
            << name;
        EXPECT_EQ(lastSefLine().size(), 164u) << name;

        // An empty CFOP is written as zeros and not checked.
        ASSERT_EQ(call(*c.layout, with(valid, {{2, ""}})), 0) << name;
        EXPECT_EQ(lastSefLine().substr(17, 4), "0000") << name;
        // A CFOP of the table passes, one outside it fails, whatever the qualification.
        EXPECT_EQ(call(*c.layout, with(valid, {{1, "00"}, {2, "1102"}})), 0) << name;
        for (const char* qualificacao : {"00", "01"}) {
            EXPECT_EQ(call(*c.layout, with(valid, {{1, qualificacao}, {2, "9999"}})), -1) << name;
            EXPECT_EQ(lastErrors(), std::vector<std::string>{c.message2 + "9999"})
                << name << " " << qualificacao;
        }
        // Each line has its own qualification list: only the interstate entries accept "02".
        EXPECT_EQ(call(*c.layout, with(valid, {{1, "2"}})), c.acceptsQualification2 ? 0 : -1) << name;
        if (!c.acceptsQualification2) {
            EXPECT_EQ(lastErrors(), std::vector<std::string>{c.message1 + "02"}) << name;
        }

        // Every check fails, the presence rule last; the trace shows the labels at the line's width.
        restart(false);
        EXPECT_EQ(call(*c.layout, with(valid, {{1, "3"}, {2, "5100"}})), -1) << name;
        EXPECT_EQ(lastErrors(), (std::vector<std::string>{c.message1 + "03", c.message2 + "5100",
                                                          "-3   Função Registro10 não foi chamada",
                                                          "-4   Função Registro11 não foi chamada"}))
            << name;
        std::vector<std::string> labels = {"Qualificação:", "CFOP:"};
        labels.insert(labels.end(), c.labels.begin(), c.labels.end());
        expectTrace("REGISTRO 88 SUBTIPO: " + name.substr(0, 2) + " DETALHE: " + name.substr(2), c.width,
                    labels);
    }
}

TEST_F(R88LedgerTest, TotalsAndAssessments) {
    struct Case {
        const qv::Layout* layout;
        std::string subtipoDetalhe;
        std::size_t width;
        std::vector<std::string> labels;
        std::vector<std::string> fields;
        std::string written; // the fields as the line carries them
    };
    const std::vector<std::string> six = {"1,00", "1,00", "1,00", "1,00", "1,00", "1,00"};
    const std::string sixWritten = "0000000000100"
                                   "0000000000100"
                                   "0000000000100"
                                   "0000000000100"
                                   "0000000000100"
                                   "0000000000100";
    const std::vector<Case> cases = {
        {&qv::Registro88_S80_D10, "8010", 38, amountLabels("ICMS Creditado:", "ICMS Fonte:", "ICMS Entrada:"),
         elevenAmounts, elevenWritten},
        {&qv::Registro88_S82_D10, "8210", 47,
         amountLabels("ICMS Debitado:", "Total do ICMS Substituído para o Estado:",
                      "Total do ICMS Substituído para Outros Estados:"),
         elevenAmounts, elevenWritten},
        {&qv::Registro88_S85_D00,
         "8500",
         43,
         {"Saídas e Prestações com Débito do Imposto:", "Outros Débitos:", "Estorno de Crédito:",
          "Total de Débitos:"},
         {"1.000,00", "", "0,50", "999,50"},
         "0000000100000"
         "0000000000000"
         "0000000000050"
         "0000000099950"},
        {&qv::Registro88_S85_D10,
         "8510",
         46,
         {"Entradas e Aquisições com Crédito do Imposto:", "Outros Créditos:", "Estorno do Débito:",
          "Subtotal dos Créditos:", "Saldo Credor do Período Fiscal Anterior:", "Total dos Créditos:"},
         six,
         sixWritten},
        {&qv::Registro88_S85_D20,
         "8520",
         45,
         {"Saldo Credor a Transportar Período Seguinte:", "Saldo Devedor:", "Deduções:", "ICMS a Recolher:"},
         {"", "829,50", "12,00", "817,50"},
         "0000000000000"
         "0000000082950"
         "0000000001200"
         "0000000081750"},
        {&qv::Registro88_S85_D30,
         "8530",
         44,
         {"ICMS Substituto pelas Entrada:", "ICMS Substituto pelas Saídas para o Estado:",
          "ICMS Diferença de Alíquotas:", "ICMS Importação:", "Outras Obrigações:",
          "Total das Obrigações a Recolher:"},
         {"1,00", "2,00", "3,00", "4,00", "5,00", "15,00"},
         "0000000000100"
         "0000000000200"
         "0000000000300"
         "0000000000400"
         "0000000000500"
         "0000000001500"},
    };
    for (const Case& c : cases) {
        const std::string& name = c.subtipoDetalhe;
        restart(true);
        ASSERT_EQ(call(*c.layout, c.fields), 0) << name << ::testing::PrintToString(lastErrors());
        EXPECT_EQ(lastSefLine(), "88"
                                 "000000001" +
                                     name + c.written)
            << name;
        EXPECT_EQ(lastSefLine().size(), 15 + 13 * c.fields.size()) << name;

        restart(false);
        EXPECT_EQ(call(*c.layout, c.fields), -1) << name;
        EXPECT_EQ(lastErrors(), (std::vector<std::string>{"-1   Função Registro10 não foi chamada",
                                                          "-2   Função Registro11 não foi chamada"}))
            << name;
        expectTrace("REGISTRO 88 SUBTIPO: " + name.substr(0, 2) + " DETALHE: " + name.substr(2), c.width,
                    c.labels);
    }

    // With record 10 written and record 11 missing, only the second presence message.
    restart(false);
    ASSERT_EQ(call(qv::Registro10, {"11222333000181", "0321418-40", "Comércio Exemplo Ltda", "Recife", "PE",
                                    "8133334444", "01/01/2005", "31/01/2005", "2", "3", "1", "1"}),
              0);
    EXPECT_EQ(call(qv::Registro88_S80_D10, elevenAmounts), -1);
    EXPECT_EQ(lastErrors(), std::vector<std::string>{"-2   Função Registro11 não foi chamada"});
}

TEST_F(R88LedgerTest, ObservationLine) {
    const std::vector<std::string> valid = {"2005/01", "1",    "10",          "0321418-40",
                                            "123456",  "1A",   "05/01/2005",  "Decreto",
                                            "14876",   "1991", "Art. 36, II", "Observação de teste"};
    openWithHeader();
    ASSERT_EQ(call(qv::Registro88_S89_D00, valid), 0) << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine(), "88"
                             "000000001"
                             "89"
                             "00"
                             "200501"
                             "00001"
                             "10"
                             "032141840     "
                             "000000123456"
                             "1A"
                             "20050105"
                             "Decreto" +
                                 rep(13, ' ') +
                                 "14876"
                                 "1991"
                                 "Art 36 II" +
                                 rep(21, ' ') + cp("Observação de teste") + rep(51, ' '));
    EXPECT_EQ(lastSefLine().size(), 193u);
    EXPECT_TRUE(lastBlock().empty());

    // A free text of 80 letters: its first 70 are written, with the formatter's observation.
    const std::string text = rep(40, 'A') + rep(40, 'B');
    ASSERT_EQ(call(qv::Registro88_S89_D00, with(valid, {{12, text}})), 0)
        << ::testing::PrintToString(lastErrors());
    EXPECT_EQ(lastSefLine().substr(123), rep(40, 'A') + rep(30, 'B'));
    EXPECT_EQ(lastSefLine().substr(2, 9), "000000002");
    EXPECT_EQ(lastObservations(),
              std::vector<std::string>{
                  padded("Texto Livre:", 33) +
                  "\tQuantidade de caracteres maior que o permitido - Permitido: 70; Passados: 80"});
    EXPECT_EQ(s.entrada(qv::Indice::r88).observacoes, 1);

    // The document date may be empty; an impossible one is rejected.
    ASSERT_EQ(call(qv::Registro88_S89_D00, with(valid, {{7, ""}})), 0);
    EXPECT_EQ(lastSefLine().substr(56, 8), "00000000");
    EXPECT_EQ(call(qv::Registro88_S89_D00, with(valid, {{7, "30/02/2005"}})), -1);
    EXPECT_EQ(lastErrors(),
              std::vector<std::string>{"-2   Data do Documento Fiscal Inválida (AAAAMMDD) :: 20050230"});
    // The book code is required.
    EXPECT_EQ(call(qv::Registro88_S89_D00, with(valid, {{3, ""}})), -1);
    EXPECT_EQ(lastErrors(), std::vector<std::string>{"-1   Código do Livro Inválido :: 00"});
    EXPECT_EQ(call(qv::Registro88_S89_D00, with(valid, {{3, "57"}})), 0);

    // Every check fails, the presence rule last.
    restart(false);
    EXPECT_EQ(call(qv::Registro88_S89_D00, with(valid, {{3, "56"}, {7, "31/04/2005"}})), -1);
    EXPECT_EQ(lastErrors(), (std::vector<std::string>{
                                "-1   Código do Livro Inválido :: 56",
                                "-2   Data do Documento Fiscal Inválida (AAAAMMDD) :: 20050431",
                                "-3   Função Registro10 não foi chamada",
                                "-4   Função Registro11 não foi chamada",
                            }));
    expectTrace("REGISTRO 88 SUBTIPO: 89 DETALHE: 00", 33,
                {"Período Fiscal:", "Número da Observação:", "Livro:", "Inscrição Estadual Referenciada:",
                 "Número do Documento Fiscal:", "Modelo do Documento Fiscal:", "Data do Documento Fiscal:",
                 "Ato Normativo:", "Número do Ato Normativo:", "Ano do Ato Normativo:",
                 "Capitulação da Norma:", "Texto Livre:"});
}
