#include "MessageBoxes.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace demo {

namespace {

bool seenByAPerson() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

const char* kindName(BoxKind kind) {
    switch (kind) {
    case BoxKind::Plain:
        return "mensagem";
    case BoxKind::Titled:
        return "caixa";
    case BoxKind::Notice:
        return "aviso";
    case BoxKind::Error:
        return "erro";
    }
    return "mensagem";
}

} // namespace

void ScreenBoxes::show(BoxKind kind, const QString& title, const QString& text) {
    if (!seenByAPerson()) {
        std::fprintf(stderr, "Demo_Quelvar: caixa de %s \"%s\": %s\n", kindName(kind),
                     title.toUtf8().constData(), text.toUtf8().constData());
        std::fflush(stderr);
        return;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (kind == BoxKind::Notice) icon = QMessageBox::Warning;
    if (kind == BoxKind::Error) icon = QMessageBox::Critical;
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

} // namespace demo
