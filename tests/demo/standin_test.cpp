// The window with a recording stand-in for the library: the exact texts each button passes, and
// the messages for the answers that the real library does not give for the samples (invalid,
// an unknown record result).
#include "Binding.h"
#include "Unit1.h"
#include "expected.h"
#include "format/encoding.hpp"
#include "window_support.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace demotest;
using demo::BoxKind;

QString qs(const char* utf8) {
    return QString::fromUtf8(utf8);
}

std::string cp1252(const char* utf8) {
    const auto cp = qv::utf8ToCp1252(utf8);
    EXPECT_TRUE(cp.has_value()) << utf8;
    return cp.value_or("");
}

class StandIn : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (quelvar) return;
        quelvar = demo::Quelvar::bind(RECORDING_LIBRARY);
        void* self = ::dlopen(RECORDING_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(self, nullptr);
        chamadas = reinterpret_cast<const char* (*)()>(::dlsym(self, "Substituta_Chamadas"));
        avisa = reinterpret_cast<void (*)(const char*)>(::dlsym(self, "Substituta_Avisa"));
        ::dlclose(self);
        ASSERT_NE(chamadas, nullptr);
        ASSERT_NE(avisa, nullptr);
    }

    void SetUp() override {
        window = std::make_unique<demo::TForm1>(*quelvar, boxes);
        before = std::string(chamadas()).size();
    }

    // The calls made since the window was created (its Define_Aviso included), one per line.
    std::vector<std::string> calls() const {
        std::vector<std::string> lines;
        std::istringstream in(std::string(chamadas()).substr(before));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    static std::unique_ptr<demo::Quelvar> quelvar;
    static const char* (*chamadas)();
    static void (*avisa)(const char*);
    RecordingBoxes boxes;
    std::unique_ptr<demo::TForm1> window;
    std::size_t before = 0;
};

std::unique_ptr<demo::Quelvar> StandIn::quelvar;
const char* (*StandIn::chamadas)() = nullptr;
void (*StandIn::avisa)(const char*) = nullptr;

TEST_F(StandIn, TheWindowInstallsItsNoticeBoxAndRemovesItWhenItCloses) {
    const std::size_t start = std::string(chamadas()).size();
    {
        RecordingBoxes other;
        demo::TForm1 w(*quelvar, other);
    }
    EXPECT_EQ(std::string(chamadas()).substr(start), "Define_Aviso\nDefine_Aviso\n");
}

// Every record button calls its export with the sample data of its row, as Windows-1252 short
// texts; the stand-in's unknown result gives "Retorno desconhecido".
TEST_F(StandIn, EveryRecordButtonPassesItsSampleData) {
    for (const RecordCall& r : recordCalls) {
        const std::size_t start = std::string(chamadas()).size();
        boxes.boxes.clear();
        press(*window, r.caption);
        std::string expected = cp1252(r.call) + "\n";
        if (std::string_view(r.caption) == "Registro 10")
            expected = "Inicia_SEF|c:\\SEF.txt|c:\\Erro_SEF.txt|c:\\Log_SEF.txt\n" + expected;
        if (std::string_view(r.caption) == "Registro 90") expected += "Finaliza_SEF\n";
        EXPECT_EQ(std::string(chamadas()).substr(start), expected) << r.caption;
        std::vector<Box> shown{plain(qs("Retorno desconhecido"))};
        if (std::string_view(r.caption) == "Registro 90") shown.push_back(logPointer(*window));
        EXPECT_EQ(boxes.boxes, shown) << r.caption;
    }
}

// The edits reach Inicia_SEF as Windows-1252: a character it lacks becomes "?", and a text is cut
// to 255 characters.
TEST_F(StandIn, EditsReachTheLibraryAsShortTexts) {
    window->Edit1->setText(QString(250, QLatin1Char('a')) + qs("ç€łxyz"));
    window->Edit2->setText(qs("Relatório de erros.txt"));
    window->Edit3->setText(QString());
    press(*window, "Registro 10");
    const std::vector<std::string> c = calls();
    ASSERT_GE(c.size(), 2u);
    EXPECT_EQ(c[0], "Inicia_SEF|" + std::string(250, 'a') + "\xE7\x80?xy|Relat\xF3rio de erros.txt|");
}

// The state registration check gets two empty counted texts: two null pointers.
TEST_F(StandIn, EveryValidationButtonPassesItsSampleAndReportsInvalid) {
    for (const Validation& v : validations) {
        const std::size_t start = std::string(chamadas()).size();
        boxes.boxes.clear();
        press(*window, v.caption);
        if (v.call != nullptr) {
            EXPECT_EQ(std::string(chamadas()).substr(start), cp1252(v.call) + "\n") << v.caption;
        }
        EXPECT_EQ(boxes.boxes,
                  (std::vector<Box>{{BoxKind::Titled, qs(v.title), qs(v.stem) + qs("Inválido")}}))
            << v.caption;
    }
}

// The version is the library's answer, whatever it is.
TEST_F(StandIn, VersionShowsTheLibrarysAnswer) {
    press(*window, "Versão da DLL");
    EXPECT_EQ(calls(), std::vector<std::string>{"Info_Versao"});
    EXPECT_EQ(boxes.boxes, std::vector<Box>{plain(qs("0"))});
}

// The library's notice text is Windows-1252; the box shows it converted.
TEST_F(StandIn, NoticeTextIsConvertedForDisplay) {
    avisa("Erro ao tentar escrever no arquivo C:\\Relat\xF3rio \x80 \x93x\x94.txt");
    EXPECT_EQ(boxes.boxes,
              (std::vector<Box>{{BoxKind::Notice, qs("Quelvar"),
                                 qs("Erro ao tentar escrever no arquivo C:\\Relatório € “x”.txt")}}));
}

} // namespace
