// What the window's tests share: a recorder of the message boxes and a way to press buttons.
#pragma once

#include "MessageBoxes.h"
#include "Unit1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace demotest {

struct Box {
    demo::BoxKind kind;
    QString title;
    QString text;
    bool operator==(const Box&) const = default;
};

inline void PrintTo(const Box& b, std::ostream* os) {
    const char* kinds[] = {"Plain", "Titled", "Notice", "Error"};
    *os << kinds[static_cast<int>(b.kind)] << " [" << b.title.toStdString() << "] \"" << b.text.toStdString()
        << "\"";
}

// Records every box the user would see, in order; failNext makes the next box fail as if it
// could not be shown.
class RecordingBoxes : public demo::MessageBoxes {
  public:
    void show(demo::BoxKind kind, const QString& title, const QString& text) override {
        if (failNext) {
            failNext = false;
            throw std::runtime_error("a caixa não pôde ser mostrada");
        }
        boxes.push_back({kind, title, text});
    }
    std::vector<Box> boxes;
    bool failNext = false;
};

inline Box plain(const QString& text) {
    return {demo::BoxKind::Plain, QStringLiteral("Demo_Quelvar"), text};
}

// The boxes of Trata_SEF_Int for the window's current edits.
inline Box registroOk(const demo::TForm1& w) {
    return plain(QStringLiteral("Registro OK, verifique o registro em ") + w.Edit1->text());
}
inline Box registroErro(const demo::TForm1& w) {
    return plain(QStringLiteral("Erro na chamada do Registro, verifique o erro em ") + w.Edit2->text());
}
inline Box logPointer(const demo::TForm1& w) {
    return plain(QStringLiteral("Verifique o Arquivo de Log em ") + w.Edit3->text());
}

// The button with this caption, as the user sees it.
inline QPushButton* button(const demo::TForm1& w, const QString& caption) {
    for (QPushButton* b : w.findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

// Presses the button with this caption; a missing button fails the test.
inline void press(const demo::TForm1& w, const char* caption) {
    QPushButton* b = button(w, QString::fromUtf8(caption));
    if (b == nullptr) {
        ADD_FAILURE() << "no button \"" << caption << "\"";
        return;
    }
    b->click();
}

} // namespace demotest
