#include "Unit1.h"

#include "Binding.h"
#include "MessageBoxes.h"
#include "Pictures.h"
#include "Texts.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QUrl>

#include <exception>
#include <vector>

namespace demo {

namespace {

// The window and its grids, in pixels.
constexpr int formWidth = 808;
constexpr int formHeight = 608;
constexpr int buttonWidth = 113;
constexpr int buttonHeight = 25;
constexpr int rowStep = 32;
constexpr int recordColumnStep = 136;
constexpr int functionColumnStep = 128;
constexpr int columns = 4;

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The boxes the library's notice goes to: those of the window that installed the handler.
MessageBoxes* noticeBoxes = nullptr;

// The library's box for an output file it could not write; its text is Windows-1252.
void QV_CALL showNotice(const char* texto) {
    if (noticeBoxes == nullptr || texto == nullptr) return;
    try {
        noticeBoxes->show(BoxKind::Notice, QString::fromLatin1(libraryTitle), fromCp1252(texto));
    } catch (...) {
        // Nothing may escape into the library; the library goes on as after any box.
    }
}

// A caption whose text would not fit its button is drawn in a smaller size of the same font.
void fitCaption(QPushButton* button) {
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    QFont font = button->font();
    const int room = button->width() - 8;
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > 5.5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    if (font != button->font()) button->setFont(font);
}

QPushButton* gridButton(QWidget* page, int index, QPoint origin, int columnStep, std::string_view caption,
                        std::string_view hint) {
    auto* button = new QPushButton(utf8(caption), page);
    button->setGeometry(origin.x() + (index % columns) * columnStep, origin.y() + (index / columns) * rowStep,
                        buttonWidth, buttonHeight);
    button->setToolTip(utf8(hint));
    fitCaption(button);
    return button;
}

// A label that opens an address with the user's default browser or mail client when clicked.
class LinkLabel : public QLabel {
  public:
    LinkLabel(const QString& text, const char* address, QWidget* parent)
        : QLabel(text, parent)
        , address_(QString::fromLatin1(address)) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, QColor(0x1F, 0x4E, 0x9A));
        setPalette(palette);
        QFont font = this->font();
        font.setUnderline(true);
        setFont(font);
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            QDesktopServices::openUrl(QUrl(address_));
        QLabel::mouseReleaseEvent(event);
    }

  private:
    QString address_;
};

} // namespace

TForm1::TForm1(const Quelvar& quelvar, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent)
    , quelvar_(quelvar)
    , boxes_(boxes) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Utilizando a Quelvar.dll :: por ") + utf8(vendor));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    setFixedSize(formWidth, formHeight);
    if (const QScreen* desk = screen())
        move(desk->availableGeometry().center() - QPoint(formWidth / 2, formHeight / 2));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, formWidth, formHeight);
    buildSefTab();
    buildFunctionsTab();
    buildContactTab();
    PageControl1->setCurrentWidget(TabSheet1);
    buildPanel();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Sequncia011 = PopupMenu1->addAction(QStringLiteral("Sequência 01(10, 11, 88, 90)"));
    Sequncia011->setObjectName(QStringLiteral("Sequncia011"));
    QObject::connect(Sequncia011, &QAction::triggered, this,
                     [this] { click([this] { sequencia01Click(); }); });

    noticeBoxes = &boxes_;
    quelvar_.defineAviso(&showNotice);
}

TForm1::~TForm1() {
    quelvar_.defineAviso(nullptr);
    if (noticeBoxes == &boxes_) noticeBoxes = nullptr;
}

void TForm1::buildSefTab() {
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, QStringLiteral("SEF"));

    struct FileEdit {
        QLineEdit*& edit;
        const char* name;
        const char* label;
        const char* text;
    };
    const FileEdit edits[] = {
        {Edit1, "Edit1", "Arquivo de SEF:", "c:\\SEF.txt"},
        {Edit2, "Edit2", "Arquivo de Erro:", "c:\\Erro_SEF.txt"},
        {Edit3, "Edit3", "Arquivo de Log:", "c:\\Log_SEF.txt"},
    };
    for (int i = 0; i < 3; ++i) {
        const FileEdit& e = edits[i];
        auto* label = new QLabel(QString::fromUtf8(e.label), TabSheet1);
        label->setGeometry(8 + i * 184, 8, 176, 16);
        e.edit = new QLineEdit(QString::fromUtf8(e.text), TabSheet1);
        e.edit->setObjectName(QString::fromLatin1(e.name));
        e.edit->setGeometry(8 + i * 184, 24, 176, 21);
        label->setBuddy(e.edit);
    }

    const QPoint origin(8, 56);
    int index = 0;
    for (const RecordButton& b : recordButtons()) {
        QPushButton* button = gridButton(TabSheet1, index++, origin, recordColumnStep, b.caption, b.hint);
        button->setObjectName(utf8(b.exportName));
        QObject::connect(button, &QPushButton::clicked, this,
                         [this, &b] { click([this, &b] { recordClick(b); }); });
    }
    BitBtnSair = gridButton(TabSheet1, index, origin, recordColumnStep, "Sai&r", "");
    BitBtnSair->setObjectName(QStringLiteral("BitBtnSair"));
    QFont bold = BitBtnSair->font();
    bold.setBold(true);
    BitBtnSair->setFont(bold);
    QObject::connect(BitBtnSair, &QPushButton::clicked, this, [this] { close(); });
}

void TForm1::buildFunctionsTab() {
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Funções Adicionais"));

    const QPoint origin(8, 16);
    int index = 0;
    for (const ValidationButton& b : validationButtons()) {
        QPushButton* button = gridButton(TabSheet2, index++, origin, functionColumnStep, b.caption, b.hint);
        button->setObjectName(utf8(b.exportName));
        QObject::connect(button, &QPushButton::clicked, this,
                         [this, &b] { click([this, &b] { validationClick(b); }); });
    }
    ButtonVersao =
        gridButton(TabSheet2, index, origin, functionColumnStep, "Versão da DLL", "Verifica a Versão da DLL");
    ButtonVersao->setObjectName(QStringLiteral("ButtonVersao"));
    QObject::connect(ButtonVersao, &QPushButton::clicked, this, [this] { click([this] { versaoClick(); }); });
}

void TForm1::buildContactTab() {
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Contato"));

    auto* name = new QLabel(utf8(vendor), TabSheet3);
    QFont big = name->font();
    big.setPointSize(16);
    big.setBold(true);
    name->setFont(big);
    name->setGeometry(24, 24, 500, 32);

    const char* const lines[] = {
        "Quelvar: a geração do arquivo SEF para os contribuintes do ICMS.",
        "Rua das Flores, 100, Sala 2, Boa Vista",
        "50.050-000  Recife - PE",
        "Telefone: (81) 3333-4444",
    };
    int y = 72;
    for (const char* line : lines) {
        auto* label = new QLabel(QString::fromUtf8(line), TabSheet3);
        label->setGeometry(24, y, 500, 18);
        y += 22;
    }
    y += 12;
    auto* site = new QLabel(QStringLiteral("Página:"), TabSheet3);
    site->setGeometry(24, y, 60, 18);
    LabelSite = new LinkLabel(QStringLiteral("quelvar.example"), siteAddress, TabSheet3);
    LabelSite->setObjectName(QStringLiteral("LabelSite"));
    LabelSite->setGeometry(88, y, 300, 18);
    y += 22;
    auto* mail = new QLabel(QStringLiteral("E-mail:"), TabSheet3);
    mail->setGeometry(24, y, 60, 18);
    LabelEmail = new LinkLabel(QStringLiteral("suporte@quelvar.example"), mailAddress, TabSheet3);
    LabelEmail->setObjectName(QStringLiteral("LabelEmail"));
    LabelEmail->setGeometry(88, y, 300, 18);
}

void TForm1::buildPanel() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(formWidth - 233 - 8, 40, 233, 521);
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);

    Label1 = new QLabel(QStringLiteral("v1.0"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setGeometry(8, 8, 60, 16);

    struct Picture {
        QLabel*& label;
        const char* name;
        QPixmap (*draw)(QSize);
        QRect where;
    };
    const Picture pictures[] = {
        {Image1, "Image1", &markPicture, QRect(16, 40, 200, 140)},
        {Image2, "Image2", &sefFilePicture, QRect(16, 190, 200, 160)},
        {Image3, "Image3", &statisticsPicture, QRect(16, 360, 200, 150)},
    };
    for (const Picture& p : pictures) {
        p.label = new QLabel(Panel1);
        p.label->setObjectName(QString::fromLatin1(p.name));
        p.label->setGeometry(p.where);
        p.label->setPixmap(p.draw(p.where.size()));
    }
    Panel1->raise();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu1->popup(event->globalPos());
    event->accept();
}

void TForm1::click(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        try {
            boxes_.show(BoxKind::Error, QString::fromLatin1(programTitle), QString::fromUtf8(e.what()));
        } catch (...) {
        }
    } catch (...) {
        try {
            boxes_.show(BoxKind::Error, QString::fromLatin1(programTitle),
                        QStringLiteral("Erro desconhecido"));
        } catch (...) {
        }
    }
}

void TForm1::plain(const QString& text) {
    boxes_.show(BoxKind::Plain, QString::fromLatin1(programTitle), text);
}

void TForm1::Trata_SEF_Int(int32_t resultado) {
    if (resultado == -1)
        plain(QStringLiteral("Erro na chamada do Registro, verifique o erro em ") + Edit2->text());
    else if (resultado == 0)
        plain(QStringLiteral("Registro OK, verifique o registro em ") + Edit1->text());
    else
        plain(QStringLiteral("Retorno desconhecido"));
}

int32_t TForm1::callRecord(const RecordButton& button) {
    std::vector<ShortText> texts;
    texts.reserve(button.fields.count);
    for (const std::string_view value : button.fields.view())
        texts.push_back(ShortText::fromUtf8(value));
    return quelvar_.registro(button.exportName, texts);
}

void TForm1::recordClick(const RecordButton& button) {
    switch (button.step) {
    case Step::opensSession:
        // The session takes the edits' texts as they are now; later changes show in the messages only.
        quelvar_.iniciaSEF(ShortText(Edit1->text()), ShortText(Edit2->text()), ShortText(Edit3->text()));
        Trata_SEF_Int(callRecord(button));
        break;
    case Step::closesSession:
        Trata_SEF_Int(callRecord(button));
        quelvar_.finalizaSEF();
        plain(QStringLiteral("Verifique o Arquivo de Log em ") + Edit3->text());
        break;
    case Step::guarded:
        try {
            Trata_SEF_Int(callRecord(button));
        } catch (...) {
            plain(QStringLiteral("erro"));
        }
        break;
    case Step::call:
        Trata_SEF_Int(callRecord(button));
        break;
    }
}

void TForm1::validationClick(const ValidationButton& button) {
    std::vector<ShortText> texts;
    for (const std::string_view value : button.arguments.view())
        texts.push_back(ShortText::fromUtf8(value));
    const bool valido = quelvar_.valida(button.exportName, texts);
    boxes_.show(BoxKind::Titled, utf8(button.boxTitle()),
                utf8(button.stem) + (valido ? QStringLiteral("Válido") : QStringLiteral("Inválido")));
}

void TForm1::versaoClick() {
    plain(QString::number(quelvar_.infoVersao()));
}

void TForm1::sequencia01Click() {
    // One step after the other, whatever each result: every step shows its own box first.
    for (const std::string_view name : sequencia01())
        if (const RecordButton* button = findRecordButton(name)) recordClick(*button);
}

} // namespace demo
