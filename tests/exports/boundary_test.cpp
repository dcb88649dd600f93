// The C boundary, through the real exports of the shared library: null pointers, counted texts
// and their references, in-place capacities, widths and the message box.
#include "quelvar.h"
#include "support/support.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace qvtest;
namespace fs = std::filesystem;

// A short text: the length byte, then the characters.
std::vector<unsigned char> shortText(std::string_view text) {
    std::vector<unsigned char> t(text.size() + 1);
    t[0] = static_cast<unsigned char>(text.size());
    std::memcpy(t.data() + 1, text.data(), text.size());
    return t;
}

// The short text stored in a result buffer or an in-place area.
std::string resultOf(const unsigned char* area) {
    return std::string(reinterpret_cast<const char*>(area + 1), area[0]);
}

// A text result buffer filled with a mark, so that a result that is not stored shows.
std::array<unsigned char, 256> markedBuffer() {
    std::array<unsigned char, 256> b;
    b.fill(0xEE);
    b[0] = 3;
    return b;
}

// A counted text from the shared memory manager, released at the end of the test.
class Counted {
  public:
    explicit Counted(std::string_view text)
        : p_(QM_NovoTexto(reinterpret_cast<const unsigned char*>(text.data()),
                          static_cast<int32_t>(text.size()))) {}
    ~Counted() { QM_LiberaReferencia(p_); }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;
    unsigned char* get() const { return p_; }
    int32_t count() const {
        int32_t c;
        std::memcpy(&c, p_ - 8, sizeof c);
        return c;
    }
    void setLength(int32_t length) { std::memcpy(p_ - 4, &length, sizeof length); }

  private:
    unsigned char* p_;
};

// A constant counted text (count -1) as a compiler lays one out: in read-only memory, so that a
// library that wrote to its count would crash the test.
template <std::size_t N> struct ConstantText {
    int32_t count;
    int32_t length;
    char characters[N];
};
static const ConstantText<4> constantABC = {-1, 3, "ABC"};
static const ConstantText<6> constantNegative = {-1, -5, "ABCDE"};
static const ConstantText<6> constantZeroInside = {-1, 5, {'a', 0, 'b', 'c', 'x', 0}};
const unsigned char* chars(const ConstantText<4>& t) {
    return reinterpret_cast<const unsigned char*>(t.characters);
}
const unsigned char* chars(const ConstantText<6>& t) {
    return reinterpret_cast<const unsigned char*>(t.characters);
}

// ---- null pointers ----

using Validator = uint8_t(QV_CALL*)(const unsigned char*);

struct Named {
    const char* name;
    Validator f;
};

// One entry per export of the kinds that take one short text and answer a byte.
#define QV_ONE_SESSION(name)
#define QV_ONE_VERSION(name)
#define QV_ONE_NOTICE(name)
#define QV_ONE_FILTER(name)
#define QV_ONE_PAD(name)
#define QV_ONE_FORMAT(name)
#define QV_ONE_DATE_TEST(name) {#name, &name},
#define QV_ONE_DATE_VALUE(name)
#define QV_ONE_DATE_CONVERT(name)
#define QV_ONE_VALIDATOR(name) {#name, &name},
#define QV_ONE_VALIDATOR_PAIR(name)
#define QV_ONE_VALIDATOR_COUNTED(name)
#define QV_ONE_RECORD(name)
const Named oneTextValidators[] = {
#define QV_EXPORT(name, kind, n) QV_ONE_##kind(name)
#include "exports/exports.def"
#undef QV_EXPORT
};

// A null short text reads as the empty text, which no validator accepts.
TEST(BoundaryNull, ShortTextValidatorsReadNullAsEmpty) {
    const auto empty = shortText("");
    for (const Named& v : oneTextValidators) {
        SCOPED_TRACE(v.name);
        EXPECT_EQ(v.f(nullptr), 0);
        EXPECT_EQ(v.f(empty.data()), 0);
    }
}

TEST(BoundaryNull, TwoTextValidatorsReadEitherNullAsEmpty) {
    // Verifica_InscEst accepts everything; Verifica_CEP_UF needs both texts.
    const auto cep = shortText("69300000");
    const auto rr = shortText("RR");
    ASSERT_EQ(Verifica_CEP_UF(cep.data(), rr.data()), 1);
    EXPECT_EQ(Verifica_CEP_UF(nullptr, rr.data()), 0);
    EXPECT_EQ(Verifica_CEP_UF(cep.data(), nullptr), 0);
    EXPECT_EQ(Verifica_CEP_UF(nullptr, nullptr), 0);
    EXPECT_EQ(Verifica_InscEst(nullptr, nullptr), 1);
    const Counted ie("123");
    EXPECT_EQ(Verifica_InscEst(ie.get(), nullptr), 1);
    EXPECT_EQ(Verifica_InscEst(nullptr, ie.get()), 1);
    EXPECT_EQ(ie.count(), 1);
}

TEST(BoundaryNull, FormattersAndDatesReadNullAsEmpty) {
    auto b = markedBuffer();
    AlfaStuff(b.data(), nullptr, 3);
    EXPECT_EQ(resultOf(b.data()), "   ");
    NumStuff(b.data(), nullptr, 3);
    EXPECT_EQ(resultOf(b.data()), "000");
    const Counted allowed("ABC");
    const Counted text("ABCD");
    b = markedBuffer();
    RemoveInvalid(b.data(), nullptr, text.get());
    EXPECT_EQ(resultOf(b.data()), "");
    b = markedBuffer();
    RemoveInvalid(b.data(), allowed.get(), nullptr);
    EXPECT_EQ(resultOf(b.data()), "");
    EXPECT_EQ(SEFDateToDateTime(nullptr), 0.0);
    EXPECT_EQ(IsSEFDate(nullptr), 0);
}

TEST(BoundaryNull, NullResultBuffersAndInPlaceTextsAreIgnored) {
    const auto t = shortText("31012005");
    const Counted text("ABC");
    AlfaStuff(nullptr, t.data(), 10);
    NumStuff(nullptr, t.data(), 10);
    RemoveInvalid(nullptr, text.get(), text.get());
    FormatoAlfa2(nullptr, 255, 10);
    FormatoNum2(nullptr, 255, 10);
    ddmmaaaaToSEFDate(nullptr, 255);
    EXPECT_EQ(text.count(), 1);
}

// ---- short texts ----

TEST(BoundaryShortText, OnlyTheCharactersTheLengthByteCountsAreRead) {
    const unsigned char sp[] = {2, 'S', 'P', 'X', 0};
    const unsigned char spx[] = {3, 'S', 'P', 'X', 0};
    EXPECT_EQ(Verifica_UF(sp), 1);
    EXPECT_EQ(Verifica_UF(spx), 0);
    auto b = markedBuffer();
    AlfaStuff(b.data(), sp, 4);
    EXPECT_EQ(resultOf(b.data()), "SP  ");
}

TEST(BoundaryShortText, TheCallersTextIsNeverChanged) {
    const auto t = shortText("abc");
    const auto before = t;
    auto b = markedBuffer();
    AlfaStuff(b.data(), t.data(), 6);
    NumStuff(b.data(), t.data(), 6);
    Verifica_CNPJ(t.data());
    EXPECT_EQ(t, before);
}

// ---- counted texts ----

TEST(BoundaryCounted, TheLengthComesFromTheHeader) {
    auto b = markedBuffer();
    // A zero byte inside the text does not end it; characters past the length are not read.
    RemoveInvalid(b.data(), chars(constantABC), chars(constantZeroInside));
    EXPECT_EQ(resultOf(b.data()), "abc");
    const Counted abzc("abcc");
    abzc.get()[2] = 0; // "ab", a zero byte, "c"
    b = markedBuffer();
    RemoveInvalid(b.data(), chars(constantABC), abzc.get());
    EXPECT_EQ(resultOf(b.data()), "abc");
}

TEST(BoundaryCounted, ANegativeLengthReadsAsEmpty) {
    auto b = markedBuffer();
    RemoveInvalid(b.data(), chars(constantNegative), chars(constantABC));
    EXPECT_EQ(resultOf(b.data()), "");
    b = markedBuffer();
    RemoveInvalid(b.data(), chars(constantABC), chars(constantNegative));
    EXPECT_EQ(resultOf(b.data()), "");

    Counted managed("ABC");
    managed.setLength(-1);
    b = markedBuffer();
    RemoveInvalid(b.data(), chars(constantABC), managed.get());
    EXPECT_EQ(resultOf(b.data()), "");
    EXPECT_EQ(Verifica_InscEst(managed.get(), managed.get()), 1);
    EXPECT_EQ(managed.count(), 1);
    managed.setLength(3);
}

// The constants live in read-only memory: any write to their counts would crash here.
TEST(BoundaryCounted, ConstantsAreReadAndNeverChanged) {
    auto b = markedBuffer();
    RemoveInvalid(b.data(), chars(constantABC), chars(constantABC));
    EXPECT_EQ(resultOf(b.data()), "ABC");
    EXPECT_EQ(Verifica_InscEst(chars(constantABC), chars(constantNegative)), 1);
    EXPECT_EQ(constantABC.count, -1);
    EXPECT_EQ(constantNegative.count, -1);
}

TEST(BoundaryCounted, ReferencesAreBalancedAfterEveryCall) {
    const Counted allowed("0123456789");
    const Counted text("12.345-6");
    auto b = markedBuffer();
    RemoveInvalid(b.data(), allowed.get(), text.get());
    EXPECT_EQ(resultOf(b.data()), "123456");
    EXPECT_EQ(Verifica_InscEst(text.get(), allowed.get()), 1);
    // The same text in both places takes and gives back two references.
    RemoveInvalid(b.data(), text.get(), text.get());
    EXPECT_EQ(Verifica_InscEst(text.get(), text.get()), 1);
    EXPECT_EQ(allowed.count(), 1);
    EXPECT_EQ(text.count(), 1);

    // A text the host holds twice keeps its two references.
    QM_AdicionaReferencia(text.get());
    RemoveInvalid(b.data(), allowed.get(), text.get());
    EXPECT_EQ(text.count(), 2);
    QM_LiberaReferencia(text.get());
    EXPECT_EQ(text.count(), 1);
}

TEST(BoundaryCounted, TheResultHoldsAtMost255Characters) {
    const std::string many(300, '7');
    const Counted text(many);
    const Counted digits("7");
    auto b = markedBuffer();
    RemoveInvalid(b.data(), digits.get(), text.get());
    EXPECT_EQ(resultOf(b.data()), std::string(255, '7'));
}

// ---- in-place texts ----

// The area holds exactly capacity + 1 bytes, followed by guard bytes that must stay as they were.
TEST(BoundaryInPlace, ResultsAreCutToTheCapacityAndNothingPastItIsWritten) {
    enum class Op { alfa, num, date };
    struct Case {
        Op op;
        const char* text;
        int32_t capacity;
        int32_t width;
        const char* expected;
    };
    const Case cases[] = {
        {Op::alfa, "AB", 3, 10, "AB "},
        {Op::alfa, "AB", 2, 10, "AB"},
        {Op::alfa, "ab-c", 255, 6, "abc   "},
        {Op::num, "12", 2, 5, "00"},
        {Op::num, "1.234", 255, 6, "001234"},
        {Op::num, "12", 0, 5, ""},
        {Op::num, "12", -7, 5, ""}, // below 0 is 0
        {Op::date, "31012005", 8, 0, "20050131"},
        {Op::date, "31012005", 4, 0, "0131"}, // only the four characters the area holds are read
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " capacity " << c.capacity << " width " << c.width);
        const std::size_t area = static_cast<std::size_t>(std::max(c.capacity, 0)) + 1;
        std::vector<unsigned char> bytes(area + 16, 0xEE);
        const std::size_t n = std::strlen(c.text);
        bytes[0] = static_cast<unsigned char>(n);
        std::memcpy(bytes.data() + 1, c.text, std::min(n, bytes.size() - 1));
        const std::vector<unsigned char> guard(bytes.begin() + static_cast<std::ptrdiff_t>(area),
                                               bytes.end());
        switch (c.op) {
        case Op::alfa:
            FormatoAlfa2(bytes.data(), c.capacity, c.width);
            break;
        case Op::num:
            FormatoNum2(bytes.data(), c.capacity, c.width);
            break;
        case Op::date:
            ddmmaaaaToSEFDate(bytes.data(), c.capacity);
            break;
        }
        EXPECT_EQ(resultOf(bytes.data()), c.expected);
        EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + static_cast<std::ptrdiff_t>(area), bytes.end()),
                  guard);
    }
}

TEST(BoundaryInPlace, ACapacityAbove255IsTakenAs255) {
    std::array<unsigned char, 256 + 16> bytes;
    bytes.fill(0xEE);
    bytes[0] = 1;
    bytes[1] = 'x';
    FormatoAlfa2(bytes.data(), 1000, 255);
    EXPECT_EQ(resultOf(bytes.data()), "x" + std::string(254, ' '));
    for (std::size_t i = 256; i < bytes.size(); ++i)
        EXPECT_EQ(bytes[i], 0xEE) << i;
}

// ---- widths ----

TEST(BoundaryWidth, OnlyTheLowByteCounts) {
    const auto ab = shortText("ab");
    const auto seven = shortText("7");
    struct Case {
        int32_t width;
        std::string alfa, num;
    };
    const Case cases[] = {
        {256 + 5, "ab   ", "00007"},
        {512 + 3, "ab ", "007"},
        {256, "", ""},                                                   // low byte 0: empty
        {-1, "ab" + std::string(253, ' '), std::string(254, '0') + "7"}, // low byte 255
        {0x7FFFFF04, "ab  ", "0007"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        auto b = markedBuffer();
        AlfaStuff(b.data(), ab.data(), c.width);
        EXPECT_EQ(resultOf(b.data()), c.alfa);
        NumStuff(b.data(), seven.data(), c.width);
        EXPECT_EQ(resultOf(b.data()), c.num);
    }
    std::array<unsigned char, 256> t{};
    t[0] = 2;
    t[1] = '1';
    t[2] = '2';
    FormatoNum2(t.data(), 255, 256 + 3);
    EXPECT_EQ(resultOf(t.data()), "012");
    FormatoAlfa2(t.data(), 255, 1024 + 5);
    EXPECT_EQ(resultOf(t.data()), "012  ");
}

// ---- the session and the message box ----

TEST(BoundarySession, NullNamesFallBackToTheDefaultFiles) {
    TempDir dir;
    WorkingDir cwd(dir.path());
    EXPECT_EQ(Info_Versao(), 103);
    Inicia_SEF(nullptr, nullptr, nullptr);
    EXPECT_EQ(Info_Versao(), 103);
    Finaliza_SEF();
    EXPECT_EQ(Info_Versao(), 103);
    const auto lines = crlfLines(readFile("c:\\Log_SEF.txt"));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "Estast\xEDsticas dos Registros:");
    EXPECT_FALSE(fs::exists("c:\\SEF.txt"));
    EXPECT_FALSE(fs::exists("c:\\Erro_SEF.txt"));
}

TEST(BoundarySession, NamesAreReadToTheirLengthByte) {
    TempDir dir;
    const std::string log = dir.file("log.txt");
    std::vector<unsigned char> name = shortText(log + "XYZ");
    name[0] = static_cast<unsigned char>(log.size());
    const auto sef = shortText(dir.file("sef.txt"));
    const auto erro = shortText(dir.file("erro.txt"));
    Inicia_SEF(sef.data(), erro.data(), name.data());
    Finaliza_SEF();
    EXPECT_TRUE(fs::exists(dir.path() / "log.txt"));
    EXPECT_FALSE(fs::exists(dir.path() / "log.txtXYZ"));
}

std::vector<std::string>& shownTexts() {
    static std::vector<std::string> texts;
    return texts;
}
void QV_CALL recordAviso(const char* text) {
    shownTexts().emplace_back(text);
}

TEST(BoundaryAviso, AHandlerGetsTheZeroTerminatedTextAndNullRestoresTheDefault) {
    TempDir dir;
    // A log in a folder that does not exist: closing the session cannot write it.
    const std::string log = dir.file("n\xC3\xA3o h\xC3\xA1/log.txt"); // Windows-1252 "não há"
    const auto sef = shortText(dir.file("sef.txt"));
    const auto erro = shortText(dir.file("erro.txt"));
    const auto logName = shortText(log);

    Define_Aviso(&recordAviso);
    Inicia_SEF(sef.data(), erro.data(), logName.data());
    Finaliza_SEF();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Erro ao tentar escrever no arquivo " + log});

    Define_Aviso(nullptr);
    StderrCapture err(dir.path() / "stderr");
    Inicia_SEF(sef.data(), erro.data(), logName.data());
    Finaliza_SEF();
    EXPECT_EQ(err.finish(), "Erro ao tentar escrever no arquivo " +
                                (dir.path() / "n\xC3\xA3o h\xC3\xA1/log.txt").string() + "\n");
    EXPECT_EQ(shownTexts().size(), 1u);
}

} // namespace
