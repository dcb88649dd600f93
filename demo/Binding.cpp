#include "Binding.h"

#include "Texts.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <utility>

namespace demo {

namespace {

constexpr auto boundByWindow =
    std::ranges::count_if(exportList, [](const Export& e) { return usedByWindow(e.kind); });
static_assert(boundByWindow == 108 + 1, "the window binds 108 functions of the library and its notice box");

// The address that dlsym gave, as the function it is.
template <class F> F as(void* address) {
    static_assert(sizeof(F) == sizeof(void*));
    F f;
    std::memcpy(&f, &address, sizeof f);
    return f;
}

constexpr std::size_t maxFields = 32;
using Fields = std::array<const unsigned char*, maxFields>;
using Caller = int32_t (*)(void*, const Fields&);

template <std::size_t... I> int32_t callWith(void* address, const Fields& f, std::index_sequence<I...>) {
    using Function = int32_t(QV_CALL*)(decltype((void)I, static_cast<const unsigned char*>(nullptr))...);
    return as<Function>(address)(f[I]...);
}

template <std::size_t N> int32_t callN(void* address, const Fields& f) {
    return callWith(address, f, std::make_index_sequence<N>{});
}

template <std::size_t... N> constexpr std::array<Caller, sizeof...(N)> callers(std::index_sequence<N...>) {
    return {&callN<N>...};
}

// A record export with any number of fields, up to the most a record has.
constexpr auto recordCallers = callers(std::make_index_sequence<maxFields + 1>{});

static_assert(std::ranges::all_of(exportList, [](const Export& e) {
    return e.kind != ExportKind::RECORD || e.arguments <= static_cast<int>(maxFields);
}));

std::string loadedFrom(void* handle, const char* file) {
    link_map* map = nullptr;
    if (::dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr && map->l_name != nullptr &&
        *map->l_name != '\0')
        return map->l_name;
    return file;
}

// The folders in which the dynamic loader looks for the libraries of this program, in its order:
// LD_LIBRARY_PATH, the program's RUNPATH (with $ORIGIN resolved), the system's folders. They are
// asked for explicitly because dlopen searches with the RUNPATH of whatever called it, and in a
// program built with the sanitizers that is the sanitizer's runtime, not this program.
std::vector<std::string> loaderSearchPath() {
    std::vector<std::string> folders;
    void* self = ::dlopen(nullptr, RTLD_NOW);
    if (self == nullptr) return folders;
    Dl_serinfo size{};
    if (::dlinfo(self, RTLD_DI_SERINFOSIZE, &size) == 0 && size.dls_size >= sizeof(Dl_serinfo)) {
        std::vector<std::max_align_t> area(size.dls_size / sizeof(std::max_align_t) + 1);
        auto* info = reinterpret_cast<Dl_serinfo*>(area.data());
        *info = size;
        if (::dlinfo(self, RTLD_DI_SERINFOSIZE, info) == 0 && ::dlinfo(self, RTLD_DI_SERINFO, info) == 0)
            for (unsigned i = 0; i < info->dls_cnt; ++i)
                folders.emplace_back(info->dls_serpath[i].dls_name);
    }
    ::dlclose(self);
    return folders;
}

// Opens the library: a name with a folder as it is; a bare name in the loader's folders, and
// last as dlopen itself finds it (the loader's cache of the system's libraries).
void* open(const char* file) {
    if (std::strchr(file, '/') == nullptr) {
        for (const std::string& folder : loaderSearchPath()) {
            const std::string path = (folder.empty() || folder.back() == '/' ? folder : folder + '/') + file;
            if (::access(path.c_str(), F_OK) != 0) continue;
            if (void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
        }
    }
    return ::dlopen(file, RTLD_NOW | RTLD_LOCAL);
}

} // namespace

std::unique_ptr<Quelvar> Quelvar::bind(const char* file) {
    void* handle = open(file);
    if (handle == nullptr) {
        const char* why = ::dlerror();
        throw BindError(std::string("não foi possível carregar a biblioteca ") + file + ": " +
                        (why != nullptr ? why : "motivo desconhecido"));
    }
    std::vector<Bound> bound;
    std::vector<std::string> missing;
    for (const Export& e : exportList) {
        if (!usedByWindow(e.kind)) continue;
        void* address = ::dlsym(handle, std::string(e.name).c_str());
        if (address == nullptr)
            missing.emplace_back(e.name);
        else
            bound.push_back({&e, address});
    }
    if (!missing.empty()) {
        std::string message = "a biblioteca " + loadedFrom(handle, file) +
                              (missing.size() == 1 ? " não tem a função " : " não tem as funções ");
        for (std::size_t i = 0; i < missing.size(); ++i)
            message += (i == 0 ? "" : ", ") + missing[i];
        ::dlclose(handle);
        throw BindError(message, std::move(missing));
    }
    return std::unique_ptr<Quelvar>(new Quelvar(handle, std::move(bound)));
}

Quelvar::~Quelvar() {
    ::dlclose(handle_);
}

const Quelvar::Bound& Quelvar::find(std::string_view name) const {
    for (const Bound& b : bound_)
        if (b.info->name == name) return b;
    throw std::logic_error("a função " + std::string(name) + " não foi ligada");
}

void Quelvar::iniciaSEF(const ShortText& sef, const ShortText& erro, const ShortText& log) const {
    as<decltype(&Inicia_SEF)>(find("Inicia_SEF").address)(sef.data(), erro.data(), log.data());
}

void Quelvar::finalizaSEF() const {
    as<decltype(&Finaliza_SEF)>(find("Finaliza_SEF").address)();
}

int32_t Quelvar::infoVersao() const {
    return as<decltype(&Info_Versao)>(find("Info_Versao").address)();
}

void Quelvar::defineAviso(QvAviso handler) const {
    as<decltype(&Define_Aviso)>(find("Define_Aviso").address)(handler);
}

int32_t Quelvar::registro(std::string_view name, std::span<const ShortText> fields) const {
    const Bound& b = find(name);
    if (b.info->kind != ExportKind::RECORD || fields.size() != static_cast<std::size_t>(b.info->arguments))
        throw std::logic_error(std::string(name) + " recebe " + std::to_string(b.info->arguments) +
                               " campos; foram passados " + std::to_string(fields.size()));
    Fields f{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        f[i] = fields[i].data();
    return recordCallers[fields.size()](b.address, f);
}

bool Quelvar::valida(std::string_view name, std::span<const ShortText> arguments) const {
    const Bound& b = find(name);
    const auto wrong = [&] {
        return std::logic_error(std::string(name) + " não pode ser chamada com " +
                                std::to_string(arguments.size()) + " argumento(s) deste programa");
    };
    switch (b.info->kind) {
    case ExportKind::VALIDATOR:
        if (arguments.size() != 1) throw wrong();
        return as<decltype(&Verifica_CNPJ)>(b.address)(arguments[0].data()) != 0;
    case ExportKind::VALIDATOR_PAIR:
        if (arguments.size() != 2) throw wrong();
        return as<decltype(&Verifica_CEP_UF)>(b.address)(arguments[0].data(), arguments[1].data()) != 0;
    case ExportKind::VALIDATOR_COUNTED:
        if (arguments.size() != 2 || !arguments[0].cp1252().empty() || !arguments[1].cp1252().empty())
            throw wrong();
        return as<decltype(&Verifica_InscEst)>(b.address)(nullptr, nullptr) != 0;
    default:
        throw wrong();
    }
}

} // namespace demo
