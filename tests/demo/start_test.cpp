// The built program, started as a user starts it: it binds the library by name and does not
// start without it or without one of its functions.
#include "support/support.hpp"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    bool finished = false;
    int exitCode = -1;
    QString err;
};

Outcome start(const QString& program, const QProcessEnvironment& environment, int waitMs = 60000) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProgram(program);
    process.start();
    Outcome r;
    if (!process.waitForStarted()) {
        ADD_FAILURE() << "cannot start " << program.toStdString();
        return r;
    }
    r.finished = process.waitForFinished(waitMs);
    if (!r.finished) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        r.exitCode = process.exitCode();
    }
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

QProcessEnvironment offscreen() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
    return environment;
}

// A library found first through LD_LIBRARY_PATH that lacks one function: the program names it,
// on standard error and in its box, and exits with a failure.
TEST(Start, WithoutOneOfItsFunctionsTheProgramDoesNotStart) {
    QProcessEnvironment environment = offscreen();
    environment.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(LACKING_LIBRARY_DIR));
    const Outcome r = start(QStringLiteral(DEMO_PROGRAM), environment);
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 1);
    const QString message = QStringLiteral("a biblioteca ") + QStringLiteral(LACKING_LIBRARY_DIR) +
                            QStringLiteral("/libquelvar.so não tem a função ") +
                            QStringLiteral(OMITTED_FUNCTION);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Demo_Quelvar: ") + message + QLatin1Char('\n')))
        << r.err.toStdString();
    // The box, which on the offscreen platform is written to standard error.
    EXPECT_TRUE(r.err.contains(QStringLiteral("caixa de erro \"Demo_Quelvar\": ") + message))
        << r.err.toStdString();
}

// A copy of the program away from the build tree finds no library through its RUNPATH.
TEST(Start, WithoutTheLibraryTheProgramDoesNotStart) {
    qvtest::TempDir dir;
    fs::create_directories(dir.path() / "bin");
    const fs::path copy = dir.path() / "bin" / "Demo_Quelvar";
    fs::copy_file(DEMO_PROGRAM, copy);
    const Outcome r = start(QString::fromStdString(copy.string()), offscreen());
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(
        QStringLiteral("Demo_Quelvar: não foi possível carregar a biblioteca libquelvar.so: ")))
        << r.err.toStdString();
}

// With the library of the build tree the program starts and runs its window until it is closed.
TEST(Start, WithTheLibraryTheProgramRunsItsWindow) {
    const Outcome r = start(QStringLiteral(DEMO_PROGRAM), offscreen(), 5000);
    EXPECT_FALSE(r.finished) << "exit code " << r.exitCode << ": " << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("Demo_Quelvar:"))) << r.err.toStdString();
}

} // namespace
