// The window with the real library, bound by name as the program binds it: what the user sees in
// the message boxes, and what the library writes for the sample data.
#include "Binding.h"
#include "Unit1.h"
#include "expected.h"
#include "support/support.hpp"
#include "window_support.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace demotest;
using namespace qv::literals;
using demo::BoxKind;
namespace fs = std::filesystem;

QString qs(const char* utf8) {
    return QString::fromUtf8(utf8);
}

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}
std::string zeros(std::size_t n) {
    return std::string(n, '0');
}
// An alphanumeric field: the text, blank-padded on the right to the width.
std::string alfa(std::string_view text, std::size_t width) {
    return std::string(text) + blanks(width - text.size());
}
// The start of a record 88 line: "88", the sequence number in nine digits, subtype and detail.
std::string r88(int sequence, const char* subtypeDetail) {
    const std::string n = std::to_string(sequence);
    return "88" + zeros(9 - n.size()) + n + subtypeDetail;
}

class Window : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!quelvar) quelvar = demo::Quelvar::bind();
    }

    void SetUp() override { window = std::make_unique<demo::TForm1>(*quelvar, boxes); }

    // Every test closes the session it opened, so that the next one in this process starts
    // without one.
    void TearDown() override {
        quelvar->finalizaSEF();
        window.reset();
    }

    QString path(const char* name) const { return QString::fromStdString((dir.path() / name).string()); }

    // The three edits point into the test's folder; the names have characters beyond ASCII, which
    // reach the library as Windows-1252 and the file system as UTF-8 again.
    void useTestFiles() {
        window->Edit1->setText(path("Arquivo SEF.txt"));
        window->Edit2->setText(path("Relatório de erros.txt"));
        window->Edit3->setText(path("Estatísticas.txt"));
    }

    std::vector<std::string> sefLines() const {
        return qvtest::crlfLines(qvtest::readFile(dir.path() / "Arquivo SEF.txt"));
    }
    std::string errorReport() const { return qvtest::readFile(dir.path() / "Relatório de erros.txt"); }

    static std::unique_ptr<demo::Quelvar> quelvar;
    qvtest::TempDir dir;
    RecordingBoxes boxes;
    std::unique_ptr<demo::TForm1> window;
};

std::unique_ptr<demo::Quelvar> Window::quelvar;

// Before any "Registro 10" the library has no session: every record is refused by its start
// guard, whose block goes to the default error report in the working directory, and the message
// names the error file of the edit.
TEST_F(Window, RecordButtonsBeforeASessionShowTheErrorMessage) {
    qvtest::WorkingDir cwd(dir.path());
    const char* const captions[] = {"Registro 11", "Registro 50", "Registro 88 S10 D00",
                                    "Registro 88 S89 D00", "Registro 90"};
    for (const char* caption : captions)
        press(*window, caption);

    std::vector<Box> expected(5, registroErro(*window));
    expected.push_back(logPointer(*window)); // "Registro 90" closes the session all the same
    EXPECT_EQ(boxes.boxes, expected);
    EXPECT_EQ(window->Edit2->text(), qs("c:\\Erro_SEF.txt"));

    const std::string guard =
        "\r\n\tErro(s) do Registro:\r\n\t  " + std::string("-0   Função Inicia_SEF não chamada"_cp) + "\r\n";
    std::string report = qvtest::readFile(dir.path() / "c:\\Erro_SEF.txt");
    std::string fiveGuards;
    for (int i = 0; i < 5; ++i)
        fiveGuards += guard;
    EXPECT_EQ(report, fiveGuards);
    EXPECT_FALSE(qvtest::exists(dir.path() / "c:\\SEF.txt"));
}

// A session opened by "Registro 10", every other record button in the order of the grid, then
// "Registro 90": each message follows from the library's judgement of the sample data.
TEST_F(Window, EveryRecordButtonInOneSession) {
    useTestFiles();
    std::vector<Box> expected;
    for (const RecordCall& r : recordCalls) {
        press(*window, r.caption);
        expected.push_back(r.accepted ? registroOk(*window) : registroErro(*window));
    }
    expected.push_back(logPointer(*window));
    EXPECT_EQ(boxes.boxes, expected);

    // The lines in the order of the calls, one per accepted record, with the lengths of their
    // layouts; the record 88 lines numbered without a gap where S30 D00 was rejected.
    struct Shape {
        std::string start;
        std::size_t length;
    };
    const std::vector<Shape> shapes = {
        {"10", 127},
        {"11", 126},
        {"50", 269},
        {"51", 139},
        {"53", 126},
        {"54", 154},
        {"55", 126},
        {"56", 126},
        {"60M", 170},
        {"60A", 126},
        {"60D", 126},
        {"61", 147},
        {"70", 155},
        {"74", 146},
        {"75", 146},
        {"76", 238},
        {"77", 166},
        {r88(1, "1000"), 24},
        {r88(2, "1010"), 166},
        {r88(3, "1020"), 128},
        {r88(4, "1030"), 178},
        {r88(5, "1040"), 97},
        {r88(6, "1500"), 42},
        {r88(7, "2000"), 47},
        {r88(8, "2500"), 68},
        {r88(9, "3010"), 33},
        {r88(10, "3500"), 152},
        {r88(11, "3510"), 95},
        {r88(12, "3511"), 126},
        {r88(13, "3512"), 58},
        {r88(14, "3520"), 175},
        {r88(15, "3530"), 41},
        {r88(16, "6000"), 86},
        {r88(17, "6010"), 54},
        {r88(18, "6100"), 107},
        {r88(19, "7400"), 39},
        {r88(20, "7700"), 77},
        {r88(21, "7800"), 53},
        {r88(22, "8000"), 164},
        {r88(23, "8001"), 164},
        {r88(24, "8002"), 164},
        {r88(25, "8010"), 158},
        {r88(26, "8200"), 164},
        {r88(27, "8201"), 164},
        {r88(28, "8202"), 164},
        {r88(29, "8210"), 158},
        {r88(30, "8500"), 67},
        {r88(31, "8510"), 93},
        {r88(32, "8520"), 67},
        {r88(33, "8530"), 93},
        {r88(34, "8900"), 193},
    };
    const auto lines = sefLines();
    ASSERT_EQ(lines.size(), shapes.size() + 2);
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        EXPECT_EQ(lines[i].substr(0, shapes[i].start.size()), shapes[i].start) << "line " << i + 1;
        EXPECT_EQ(lines[i].size(), shapes[i].length) << "line " << i + 1 << ": " << lines[i];
    }
    // Fifteen totals over two record 90 lines: the 14 detail types written and the grand total
    // 3 + 12 + 3 (three record 60 lines) + 34 record 88 lines = 52.
    const std::string informant = "90" + zeros(14) + blanks(14);
    EXPECT_EQ(lines[lines.size() - 2], informant + "5000000001" + "5100000001" + "5300000001" + "5400000001" +
                                           "5500000001" + "5600000001" + "6000000003" + "6100000001" +
                                           "7000000001" + blanks(5) + "2");
    EXPECT_EQ(lines.back(), informant + "7400000001" + "7500000001" + "7600000001" + "7700000001" +
                                "8800000034" + "9900000052" + blanks(35) + "2");

    // The two rejections, for the reasons the layout gives.
    const std::string report = errorReport();
    EXPECT_NE(report.find("\t  -5   CNPJ deve ser diferente do CNPJ do Destinatário/Remetente\r\n"_cp),
              std::string::npos);
    EXPECT_NE(
        report.find("\t  -8   Inscrição Estadual do Tomador deve ser diferente da Inscrição Estadual do "
                    "Destinatário/Remetente\r\n"_cp),
        std::string::npos);
    EXPECT_NE(report.find("\t  -3   Código Reconhecido Inválido ::  \r\n"_cp), std::string::npos);
    EXPECT_TRUE(qvtest::exists(dir.path() / "Estatísticas.txt"));
}

// The second Inicia_SEF finds the session open and leaves it, its files included; the second
// record 10 is then refused in that session.
TEST_F(Window, RegistroTenTwice) {
    useTestFiles();
    press(*window, "Registro 10");
    press(*window, "Registro 10");
    EXPECT_EQ(boxes.boxes, (std::vector<Box>{registroOk(*window), registroErro(*window)}));
    const auto lines = sefLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(0, 2), "10");
    EXPECT_NE(
        errorReport().find("\t  -16  Só deve haver 1(um) Registro10 no arquivo do SEF :: Função Registro10 "
                           "chamada mais de 1(uma) vez\r\n"_cp),
        std::string::npos);
}

// The messages quote the edits as they are now; the open session keeps the names it was given.
TEST_F(Window, ChangedEditsShowInTheMessagesButKeepTheSessionsFiles) {
    useTestFiles();
    press(*window, "Registro 10");
    window->Edit1->setText(path("Outro SEF.txt"));
    press(*window, "Registro 11");
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1], plain(qs("Registro OK, verifique o registro em ") + path("Outro SEF.txt")));
    EXPECT_EQ(sefLines().size(), 2u);
    EXPECT_FALSE(qvtest::exists(dir.path() / "Outro SEF.txt"));
}

// The menu item runs 21 record buttons, which give 21 "Registro OK" boxes and the pointer to the
// log, and leaves a complete file: records 10 and 11, 18 record 88 lines, and the totals.
TEST_F(Window, SequenceMenuItem) {
    useTestFiles();
    window->Sequncia011->trigger();

    std::vector<Box> expected(21, registroOk(*window));
    expected.push_back(logPointer(*window));
    EXPECT_EQ(boxes.boxes, expected);

    const std::string tel = "008133334444";
    const std::string mail = alfa("contatoexemplocombr", 50); // "@" and "." are not alphanumeric
    const std::string amount0 = zeros(13);
    const std::string five = "0000000000500";
    const std::vector<std::string> expectedLines = {
        "10" + zeros(14) + blanks(14) + alfa("Nome do Contribuinte", 35) + alfa("Município"_cp, 30) + "PE" +
            "8133334444" + "20050101" + "20050131" + "2" + "3" + "1" + "1",
        "11" + alfa("Logradouro", 34) + "00100" + alfa("Complemento", 22) + alfa("Bairro", 15) + "50050000" +
            alfa("Nome do Contato", 28) + tel,
        r88(1, "1000") + "200501" + "NNN",
        r88(2, "1010") + alfa("Nome do Contribuinte", 35) + blanks(14) + zeros(14) + tel + tel + "000123" +
            "50050000" + mail,
        r88(3, "1020") + alfa("Nome do Responsável"_cp, 40) + zeros(11) + tel + mail,
        r88(4, "1030") + alfa("Nome do Contador", 50) + zeros(11) + "PE001234A0" + tel + zeros(12) + tel +
            zeros(6) + mail,
        r88(5, "1500") + "20041201" + "000123" + "9999999999999",
        r88(6, "2000") + "0" + "0001" + "1" + amount0 + "0000000000456",
        r88(7, "8000") + "01" + "0000" + zeros(11 * 13),
        r88(8, "8001") + "01" + "0000" + zeros(11 * 13),
        r88(9, "8002") + "01" + "0000" + zeros(11 * 13),
        r88(10, "8010") + zeros(11 * 13),
        r88(11, "8200") + "01" + "0000" + zeros(11 * 13),
        r88(12, "8201") + "01" + "0000" + zeros(11 * 13),
        r88(13, "8202") + "01" + "0000" + zeros(11 * 13),
        r88(14, "8210") + zeros(11 * 13),
        r88(15, "8500") + zeros(4 * 13),
        r88(16, "8510") + zeros(4 * 13) + five + five,
        r88(17, "8520") + five + zeros(3 * 13),
        r88(18, "8530") + zeros(6 * 13),
        "90" + zeros(14) + blanks(14) + "8800000018" + "9900000021" + blanks(75) + "1",
    };
    EXPECT_EQ(sefLines(), expectedLines);
    EXPECT_EQ(errorReport(), ""); // nothing rejected, nothing cut
    EXPECT_TRUE(qvtest::exists(dir.path() / "Estatísticas.txt"));
}

TEST_F(Window, VersionButtonShowsTheLibrarysVersion) {
    press(*window, "Versão da DLL");
    EXPECT_EQ(boxes.boxes, std::vector<Box>{plain(qs("103"))});
}

// Every validation button with its sample: the library finds every sample valid, the state
// registration included, since that check accepts everything.
TEST_F(Window, EveryValidationButtonShowsTheLibrarysVerdict) {
    for (const Validation& v : validations) {
        boxes.boxes.clear();
        press(*window, v.caption);
        EXPECT_EQ(boxes.boxes, (std::vector<Box>{{BoxKind::Titled, qs(v.title), qs(v.stem) + qs("Válido")}}))
            << v.caption;
    }
}

// "Registro 11" reports anything that goes wrong in its call or its report as "erro" and goes
// on; here its report box fails.
TEST_F(Window, RegistroElevenGuardShowsErro) {
    useTestFiles();
    press(*window, "Registro 10");
    boxes.failNext = true;
    press(*window, "Registro 11");
    EXPECT_EQ(boxes.boxes, (std::vector<Box>{registroOk(*window), plain(qs("erro"))}));
}

// Other buttons have no guard: the error reaches the window's own error display.
TEST_F(Window, AnErrorOfAnotherButtonReachesTheErrorDisplay) {
    useTestFiles();
    press(*window, "Registro 10");
    press(*window, "Registro 11");
    boxes.failNext = true;
    press(*window, "Registro 50");
    press(*window, "Registro 51"); // the window goes on
    EXPECT_EQ(boxes.boxes,
              (std::vector<Box>{registroOk(*window),
                                registroOk(*window),
                                {BoxKind::Error, qs("Demo_Quelvar"), qs("a caixa não pôde ser mostrada")},
                                registroOk(*window)}));
}

// The library's box for a file it cannot write appears in the window, its Windows-1252 text shown
// as the edit had it.
TEST_F(Window, LibraryNoticeAppearsInTheWindow) {
    useTestFiles();
    window->Edit2->setText(path("pasta que não existe/Relatório de erros.txt"));
    press(*window, "Registro 10"); // written: nothing goes to the error report
    press(*window, "Registro 71"); // rejected: its block cannot be written
    EXPECT_EQ(boxes.boxes,
              (std::vector<Box>{registroOk(*window),
                                {BoxKind::Notice, qs("Quelvar"),
                                 qs("Erro ao tentar escrever no arquivo ") + window->Edit2->text()},
                                registroErro(*window)}));
}

TEST_F(Window, WindowTabsAndEdits) {
    EXPECT_EQ(window->windowTitle(), qs("Utilizando a Quelvar.dll :: por Quelvar Sistemas"));
    EXPECT_EQ(window->size(), QSize(808, 608));
    ASSERT_EQ(window->PageControl1->count(), 3);
    EXPECT_EQ(window->PageControl1->tabText(0), qs("SEF"));
    EXPECT_EQ(window->PageControl1->tabText(1), qs("Funções Adicionais"));
    EXPECT_EQ(window->PageControl1->currentIndex(), 0);
    EXPECT_EQ(window->PageControl1->geometry(), QRect(0, 0, 808, 608));
    EXPECT_EQ(window->Edit1->text(), qs("c:\\SEF.txt"));
    EXPECT_EQ(window->Edit2->text(), qs("c:\\Erro_SEF.txt"));
    EXPECT_EQ(window->Edit3->text(), qs("c:\\Log_SEF.txt"));
    for (QLineEdit* edit : {window->Edit1, window->Edit2, window->Edit3})
        EXPECT_EQ(edit->parentWidget(), window->TabSheet1);
}

// The buttons in their grids, in order: 113 by 25 pixels, four columns 136 (record buttons) or
// 128 (validation buttons) pixels apart, rows 32 pixels apart; no caption wider than its button.
TEST_F(Window, ButtonGrids) {
    std::vector<QString> records;
    for (const RecordCall& r : recordCalls)
        records.push_back(qs(r.caption));
    records.push_back(qs("Sai&r"));
    std::vector<QString> functions;
    for (const Validation& v : validations)
        functions.push_back(qs(v.caption));
    functions.push_back(qs("Versão da DLL"));

    const struct {
        const std::vector<QString>& captions;
        QWidget* page;
        int columnStep;
    } grids[] = {{records, window->TabSheet1, 136}, {functions, window->TabSheet2, 128}};
    for (const auto& grid : grids) {
        const QPushButton* first = button(*window, grid.captions[0]);
        ASSERT_NE(first, nullptr);
        for (std::size_t i = 0; i < grid.captions.size(); ++i) {
            const QPushButton* b = button(*window, grid.captions[i]);
            ASSERT_NE(b, nullptr) << grid.captions[i].toStdString();
            EXPECT_EQ(b->parentWidget(), grid.page);
            const QPoint place = first->pos() + QPoint(static_cast<int>(i % 4) * grid.columnStep,
                                                       static_cast<int>(i / 4) * 32);
            EXPECT_EQ(b->geometry(), QRect(place, QSize(113, 25))) << grid.captions[i].toStdString();
            QString shown = b->text();
            shown.remove(QLatin1Char('&'));
            EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(shown), b->width() - 8)
                << "clipped caption: " << shown.toStdString();
        }
    }
    // The record grid lies below the edits.
    EXPECT_GT(button(*window, qs("Registro 10"))->y(), window->Edit1->geometry().bottom());
    const QPushButton* sair = button(*window, qs("Sai&r"));
    EXPECT_TRUE(sair->font().bold());
}

TEST_F(Window, SairClosesTheWindow) {
    window->show();
    press(*window, "Sai&r");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(boxes.boxes.empty());
}

// Hints are tooltips, a hint of several lines on separate lines, with their blanks as written.
TEST_F(Window, HintsAreTooltips) {
    const struct {
        const char* caption;
        const char* hint;
    } hints[] = {
        {"Registro 10", "Registro Mestre do Estabelecimento\nIndentifição do Estabelecimento informante"},
        {"Registro 53",
         "Registro de Total de Documento Fical  quanto a substituição tributária\nInformado por "
         "Quem Realizou Substituição e Pelo Substituto Tributário/ Realizou Antecipação"},
        {"Registro 60D",
         "Resumo Diario\nRegistro de produto ou serviço registrado em documento fiscal emitido por "
         "Terminal Ponto de Venda (PDV) ou equipamento Emissor de Cupom Fiscal (ECF)\nRegistro "
         "opcional, ficando sua adoção a critério das unidades da Federação"},
        {"Registro 76",
         "Este registro deverá ser composto por contribuintes do ICMS, \nprestadores de serviço de "
         "comunicação e telecomunicação"},
        {"Registro 88 S10 D10", "Este registro deverá conter\na identificação do contribuinte"},
        {"Registro 88 S30 D00",
         "Este registro deverá preencher o \nQuadro D  (Crédito Acumulado) - Detalhamento da "
         "Utilização do Crédito"},
        {"Registro 88 S30 D10",
         "Este registro deverá preencher o\n Quadro D (Crédito Acumulado) - Compensação de "
         "Débito"},
        {"Registro 88 S35 D12",
         "Este registro deverá preencher o Quadro E (Incentivos Fiscais e Financeiros) -\n E2 "
         "- PRODEPE Importação -Saídas Internas por Faixa de Alíquota"},
        {"Registro 90", "Registro de Totalização do Arquivo"},
        {"Identificação dos Itens",
         "Verifica  a Integridade do Código de Identificação dos Tipos de Itens do "
         "Inventário"},
        {"Alteração do Cadastro", " Verifica a Integridade do Valor para a Alteração do Cadastro"},
        {"Tipo Informação",
         "Verifica Tipo da informação do \nPROGRAMA DE DESENVOLVIMENTO DA INDÚSTRIA NÁUTICA"},
        {"Versão da DLL", "Verifica a Versão da DLL"},
    };
    for (const auto& h : hints) {
        const QPushButton* b = button(*window, qs(h.caption));
        ASSERT_NE(b, nullptr) << h.caption;
        EXPECT_EQ(b->toolTip(), qs(h.hint)) << h.caption;
    }
}

TEST_F(Window, SidePanel) {
    EXPECT_EQ(window->Panel1->size(), QSize(233, 521));
    EXPECT_TRUE(window->Panel1->autoFillBackground());
    EXPECT_EQ(window->Panel1->palette().color(QPalette::Window), QColor(Qt::white));
    // Over the right-hand part of the tabs, clear of both grids.
    EXPECT_EQ(window->Panel1->parentWidget(), window.get());
    EXPECT_EQ(window->Panel1->geometry().right(), 808 - 1 - 8);
    for (QPushButton* b : window->findChildren<QPushButton*>())
        EXPECT_LT(b->mapTo(window.get(), QPoint(b->width(), 0)).x(), window->Panel1->x());
    const QPoint middle = window->Panel1->geometry().center();
    QWidget* top = window->childAt(middle);
    EXPECT_TRUE(top == window->Panel1 || window->Panel1->isAncestorOf(top));

    EXPECT_EQ(window->Label1->text(), qs("v1.0"));
    EXPECT_TRUE(window->Label1->font().bold());
    EXPECT_LE(window->Label1->x(), 8);
    EXPECT_LE(window->Label1->y(), 8);
    for (QLabel* image : {window->Image1, window->Image2, window->Image3}) {
        EXPECT_EQ(image->parentWidget(), window->Panel1);
        EXPECT_FALSE(image->pixmap().isNull());
        EXPECT_TRUE(window->Panel1->rect().contains(image->geometry()));
    }
}

// Records the addresses that the desktop services are asked to open.
class Opened : public QObject {
    Q_OBJECT
  public:
    std::vector<QUrl> urls;
  public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

TEST_F(Window, ContactLabelsOpenTheBrowserAndTheMailClient) {
    Opened opened;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &opened, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &opened, "open");
    window->PageControl1->setCurrentWidget(window->TabSheet3);
    window->show();
    QTest::mouseClick(window->LabelSite, Qt::LeftButton);
    QTest::mouseClick(window->LabelEmail, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    EXPECT_EQ(opened.urls, (std::vector<QUrl>{QUrl(qs("https://quelvar.example/")),
                                              QUrl(qs("mailto:suporte@quelvar.example"))}));
}

// The right mouse button anywhere in the window, here over a button, brings up the menu of the
// window with its one item.
TEST_F(Window, ContextMenuAnywhereInTheWindow) {
    ASSERT_EQ(window->PopupMenu1->actions().size(), 1);
    EXPECT_EQ(window->PopupMenu1->actions()[0]->text(), qs("Sequência 01(10, 11, 88, 90)"));
    window->show();
    QPushButton* b = button(*window, qs("Registro 54"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), b->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(b, &event);
    EXPECT_TRUE(window->PopupMenu1->isVisible());
    window->PopupMenu1->close();
    EXPECT_TRUE(boxes.boxes.empty()); // showing the menu runs nothing
}

// A picture of each tab, for a reviewer without a display: build/tests/demo/screenshots/.
TEST_F(Window, PicturesOfTheThreeTabs) {
    ASSERT_TRUE(QDir().mkpath(qs(SCREENSHOT_DIR)));
    window->show();
    const char* const names[] = {"sef.png", "funcoes.png", "contato.png"};
    for (int tab = 0; tab < 3; ++tab) {
        window->PageControl1->setCurrentIndex(tab);
        const QImage picture = window->grab().toImage();
        ASSERT_EQ(picture.size(), QSize(808, 608) * picture.devicePixelRatio());
        EXPECT_TRUE(picture.save(qs(SCREENSHOT_DIR) + QLatin1Char('/') + qs(names[tab]))) << names[tab];
    }
}

} // namespace

#include "window_test.moc"
