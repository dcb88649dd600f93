// The shared memory manager of counted texts (library quelvarmm).
#include "quelvar.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

int32_t headerField(const unsigned char* text, int offset) {
    int32_t v;
    std::memcpy(&v, text + offset, sizeof v);
    return v;
}

TEST(CountedTexts, ANewTextHasCountOneItsLengthItsCharactersAndAZero) {
    const unsigned char chars[] = {'S', 0xE3, 'o', 0, 'X'}; // a zero byte inside is copied too
    unsigned char* t = QM_NovoTexto(chars, 5);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(headerField(t, -8), 1);
    EXPECT_EQ(headerField(t, -4), 5);
    EXPECT_EQ(std::memcmp(t, chars, 5), 0);
    EXPECT_EQ(t[5], 0);
    QM_LiberaReferencia(t);
}

TEST(CountedTexts, ANegativeLengthOrNoCharactersGiveAnEmptyText) {
    const unsigned char chars[] = {'a', 'b'};
    for (unsigned char* t : {QM_NovoTexto(chars, -1), QM_NovoTexto(nullptr, 2), QM_NovoTexto(chars, 0)}) {
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(headerField(t, -8), 1);
        EXPECT_EQ(headerField(t, -4), 0);
        EXPECT_EQ(t[0], 0);
        QM_LiberaReferencia(t);
    }
}

TEST(CountedTexts, ReferencesAreCountedUpAndDown) {
    unsigned char* t = QM_NovoTexto(reinterpret_cast<const unsigned char*>("abc"), 3);
    ASSERT_NE(t, nullptr);
    QM_AdicionaReferencia(t);
    QM_AdicionaReferencia(t);
    EXPECT_EQ(headerField(t, -8), 3);
    QM_LiberaReferencia(t);
    QM_LiberaReferencia(t);
    EXPECT_EQ(headerField(t, -8), 1);
    EXPECT_EQ(headerField(t, -4), 3);
    QM_LiberaReferencia(t); // freed: the sanitizer build reports a leak or a second free
}

struct Constant {
    int32_t count;
    int32_t length;
    char characters[4];
};
// In read-only memory: a manager that touched the count of a constant would crash here.
static const Constant constantText = {-1, 3, "abc"};

TEST(CountedTexts, NullAndConstantsAreLeftAlone) {
    auto* c = const_cast<unsigned char*>(reinterpret_cast<const unsigned char*>(constantText.characters));
    QM_AdicionaReferencia(c);
    QM_LiberaReferencia(c);
    QM_LiberaReferencia(c);
    EXPECT_EQ(constantText.count, -1);
    QM_AdicionaReferencia(nullptr);
    QM_LiberaReferencia(nullptr);
}

} // namespace
