// The built library, opened by its path, resolves every name of the export list.
#include "quelvar.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>
#include <type_traits>
#include <vector>

namespace {

const char* const exportNames[] = {
#define QV_EXPORT(name, kind, n) #name,
#include "exports/exports.def"
#undef QV_EXPORT
};

// The library handle, closed at the end of the test.
class Library {
  public:
    explicit Library(const char* path)
        : handle_(::dlopen(path, RTLD_NOW | RTLD_LOCAL)) {}
    ~Library() {
        if (handle_ != nullptr) ::dlclose(handle_);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    void* handle() const { return handle_; }

  private:
    void* handle_;
};

TEST(ExportList, EveryNameResolvesInTheBuiltLibrary) {
    Library quelvar(QUELVAR_LIBRARY);
    ASSERT_NE(quelvar.handle(), nullptr) << ::dlerror();
    std::vector<std::string> missing;
    for (const char* name : exportNames)
        if (::dlsym(quelvar.handle(), name) == nullptr) missing.emplace_back(name);
    EXPECT_TRUE(missing.empty()) << "not exported: " << testing::PrintToString(missing);
}

TEST(ExportList, TheMemoryManagerResolvesItsThreeExports) {
    Library quelvarmm(QUELVARMM_LIBRARY);
    ASSERT_NE(quelvarmm.handle(), nullptr) << ::dlerror();
    for (const char* name : {"QM_NovoTexto", "QM_AdicionaReferencia", "QM_LiberaReferencia"})
        EXPECT_NE(::dlsym(quelvarmm.handle(), name), nullptr) << name;
}

// What the list says of an export (its kind and number of arguments) against its declaration in
// the public header: the hosts that call exports by name through the list rely on both.
template <class F> struct Signature;
template <class R, class... A> struct Signature<R(QV_CALL*)(A...)> {
    static constexpr int arguments = sizeof...(A);
    // Kinds whose arguments are all short texts.
    static constexpr bool shortTexts = (std::is_same_v<A, const unsigned char*> && ...);
    using Result = R;
};

using Text = const unsigned char*;
using Area = unsigned char*;
template <class F>
constexpr bool kindSession = std::is_void_v<typename Signature<F>::Result>&& Signature<F>::shortTexts;
template <class F>
constexpr bool kindRecord = std::is_same_v<typename Signature<F>::Result, int32_t>&& Signature<F>::shortTexts;

#define QV_KIND_SESSION(name) kindSession<decltype(&name)>
#define QV_KIND_VERSION(name) std::is_same_v<decltype(&name), int32_t(QV_CALL*)(void)>
#define QV_KIND_NOTICE(name) std::is_same_v<decltype(&name), void(QV_CALL*)(QvAviso)>
#define QV_KIND_FILTER(name) std::is_same_v<decltype(&name), void(QV_CALL*)(Area, Text, Text)>
#define QV_KIND_PAD(name) std::is_same_v<decltype(&name), void(QV_CALL*)(Area, Text, int32_t)>
#define QV_KIND_FORMAT(name) std::is_same_v<decltype(&name), void(QV_CALL*)(Area, int32_t, int32_t)>
#define QV_KIND_DATE_TEST(name) std::is_same_v<decltype(&name), uint8_t(QV_CALL*)(Text)>
#define QV_KIND_DATE_VALUE(name) std::is_same_v<decltype(&name), double(QV_CALL*)(Text)>
#define QV_KIND_DATE_CONVERT(name) std::is_same_v<decltype(&name), void(QV_CALL*)(Area, int32_t)>
#define QV_KIND_VALIDATOR(name) std::is_same_v<decltype(&name), uint8_t(QV_CALL*)(Text)>
#define QV_KIND_VALIDATOR_PAIR(name) std::is_same_v<decltype(&name), uint8_t(QV_CALL*)(Text, Text)>
#define QV_KIND_VALIDATOR_COUNTED(name) std::is_same_v<decltype(&name), uint8_t(QV_CALL*)(Text, Text)>
#define QV_KIND_RECORD(name) kindRecord<decltype(&name)>

struct Declared {
    const char* name;
    bool kindAgrees;
    int listed;
    int declared;
};
const Declared declarations[] = {
#define QV_EXPORT(name, kind, n) {#name, QV_KIND_##kind(name), n, Signature<decltype(&name)>::arguments},
#include "exports/exports.def"
#undef QV_EXPORT
};

TEST(ExportList, KindsAndArgumentCountsAgreeWithTheHeader) {
    for (const Declared& d : declarations) {
        SCOPED_TRACE(d.name);
        EXPECT_TRUE(d.kindAgrees);
        EXPECT_EQ(d.listed, d.declared);
    }
}

} // namespace
