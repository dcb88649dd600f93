// The main window of the demonstration program: the file-name edits, one button per record
// export and per validator of the library, the side panel, the contact tab and the context menu
// that runs sequence 01.
#pragma once

#include "Samples.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class QAction;
class QContextMenuEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;

namespace demo {

class MessageBoxes;
class Quelvar;

class TForm1 : public QWidget {
  public:
    // The window calls the bound library and shows every result through the boxes; it installs
    // its notice box in the library for as long as it exists.
    TForm1(const Quelvar& quelvar, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Reports a record function's result in a plain message box.
    void Trata_SEF_Int(int32_t resultado);

    QTabWidget* PageControl1;
    QWidget* TabSheet1; // "SEF"
    QWidget* TabSheet2; // "Funções Adicionais"
    QWidget* TabSheet3; // the vendor's contact details
    QLineEdit* Edit1;   // the SEF file
    QLineEdit* Edit2;   // the error report
    QLineEdit* Edit3;   // the statistics log
    QPushButton* BitBtnSair;
    QPushButton* ButtonVersao;
    QFrame* Panel1;
    QLabel* Label1;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image3;
    QLabel* LabelSite;
    QLabel* LabelEmail;
    QMenu* PopupMenu1;
    QAction* Sequncia011;

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void buildSefTab();
    void buildFunctionsTab();
    void buildContactTab();
    void buildPanel();

    // Runs a click as the window framework does: an error that escapes it is shown in an error
    // box and the window goes on.
    void click(const std::function<void()>& action);
    void recordClick(const RecordButton& button);
    int32_t callRecord(const RecordButton& button);
    void validationClick(const ValidationButton& button);
    void versaoClick();
    void sequencia01Click();
    void plain(const QString& text);

    const Quelvar& quelvar_;
    MessageBoxes& boxes_;
};

// The addresses of the contact tab.
inline constexpr const char* siteAddress = "https://quelvar.example/";
inline constexpr const char* mailAddress = "mailto:suporte@quelvar.example";

} // namespace demo
