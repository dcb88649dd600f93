// Demo_Quelvar: the window program that exercises every record export and validator of the
// library with fixed sample data and shows each result in a message box.
#include "Binding.h"
#include "MessageBoxes.h"
#include "Unit1.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(demo::programTitle));
    demo::ScreenBoxes boxes;

    // Every function the window uses is bound before the window exists: without the library, or
    // with a library that lacks one of them, the program does not start.
    std::unique_ptr<demo::Quelvar> quelvar;
    try {
        quelvar = demo::Quelvar::bind();
    } catch (const demo::BindError& e) {
        std::fprintf(stderr, "Demo_Quelvar: %s\n", e.what());
        std::fflush(stderr);
        boxes.show(demo::BoxKind::Error, QString::fromLatin1(demo::programTitle),
                   QString::fromUtf8(e.what()));
        return 1;
    }

    demo::TForm1 form(*quelvar, boxes);
    boxes.setParent(&form);
    form.show();
    return application.exec();
}
