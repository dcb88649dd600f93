// The functions of the library that the window calls, bound by name when the program starts.
//
// The library is loaded at run time, as a host loads a DLL, and every function that the window
// uses is looked up by its name in the one list of the library's exports. A library that cannot
// be loaded, or lacks one of them, keeps the program from starting.
#pragma once

#include "quelvar.h"

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace demo {

class ShortText;

enum class ExportKind {
    SESSION,
    VERSION,
    NOTICE,
    FILTER,
    PAD,
    FORMAT,
    DATE_TEST,
    DATE_VALUE,
    DATE_CONVERT,
    VALIDATOR,
    VALIDATOR_PAIR,
    VALIDATOR_COUNTED,
    RECORD
};

struct Export {
    std::string_view name;
    ExportKind kind;
    int arguments;
};

// Every export of the library, in the order of its list.
inline constexpr Export exportList[] = {
#define QV_EXPORT(name, kind, n) {#name, ExportKind::kind, n},
#include "exports/exports.def"
#undef QV_EXPORT
};

// The kinds the window calls: the session, the version, the notice box, every record and every
// validator. The formatters and the date conversions are not part of the window.
constexpr bool usedByWindow(ExportKind kind) {
    switch (kind) {
    case ExportKind::SESSION:
    case ExportKind::VERSION:
    case ExportKind::NOTICE:
    case ExportKind::RECORD:
    case ExportKind::VALIDATOR:
    case ExportKind::VALIDATOR_PAIR:
    case ExportKind::VALIDATOR_COUNTED:
        return true;
    default:
        return false;
    }
}

// The library's file name, searched for as the dynamic loader searches for a library the program
// needs (LD_LIBRARY_PATH, then the program's RUNPATH, then the system's folders).
inline constexpr const char* libraryFile = "libquelvar.so";

// The library could not be loaded, or lacks functions that the window uses; what() says which.
class BindError : public std::runtime_error {
  public:
    BindError(const std::string& message, std::vector<std::string> missing = {})
        : std::runtime_error(message)
        , missing_(std::move(missing)) {}
    const std::vector<std::string>& missing() const { return missing_; }

  private:
    std::vector<std::string> missing_;
};

class Quelvar {
  public:
    // Loads the library and binds every function the window uses. Throws BindError.
    static std::unique_ptr<Quelvar> bind(const char* file = libraryFile);
    ~Quelvar();
    Quelvar(const Quelvar&) = delete;
    Quelvar& operator=(const Quelvar&) = delete;

    void iniciaSEF(const ShortText& sef, const ShortText& erro, const ShortText& log) const;
    void finalizaSEF() const;
    int32_t infoVersao() const;
    void defineAviso(QvAviso handler) const;
    // Calls a record export with its fields, as many as it takes.
    int32_t registro(std::string_view name, std::span<const ShortText> fields) const;
    // Calls a validator with its arguments; true when it answers valid. The counted texts of
    // Verifica_InscEst are passed as the empty counted text, the only one this program passes.
    bool valida(std::string_view name, std::span<const ShortText> arguments) const;

  private:
    struct Bound {
        const Export* info;
        void* address;
    };
    Quelvar(void* handle, std::vector<Bound> bound)
        : handle_(handle)
        , bound_(std::move(bound)) {}
    const Bound& find(std::string_view name) const;

    void* handle_;
    std::vector<Bound> bound_;
};

} // namespace demo
