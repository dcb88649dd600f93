// Every export of the library, by name, for the command-line host: the list of exports expanded
// into a table of names, kinds, argument counts and the addresses the host links against.
#pragma once

#include "quelvar.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace sefgen {

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

using AnyFunction = void (*)();

struct Export {
    std::string_view name;
    ExportKind kind;
    int arguments;
    AnyFunction function;
};

inline const Export exportTable[] = {
#define QV_EXPORT(name, kind, n) {#name, ExportKind::kind, n, reinterpret_cast<AnyFunction>(&name)},
#include "exports/exports.def"
#undef QV_EXPORT
};

inline const Export* findExport(std::string_view name) {
    for (const Export& e : exportTable)
        if (e.name == name) return &e;
    return nullptr;
}

} // namespace sefgen
