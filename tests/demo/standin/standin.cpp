// A stand-in for the library, for the tests of the window: it exports the functions the window
// binds, under the same names and with the same C signatures, and does what the test needs of it.
//
// Built in two forms:
//  - with STANDIN_RECORDING: every call is recorded with its arguments as the bytes received
//    (Substituta_Chamadas answers them), the validators answer invalid, the record exports an
//    unknown result and Info_Versao 0, and Substituta_Avisa shows a text in the notice box that
//    the window installed;
//  - without it, as a library that lacks a function: the build defines the omitted export's name
//    to another one, so that the name is missing from the library's exports.
#include <cstdint>
#include <initializer_list>
#include <string>

#define STANDIN_API extern "C" __attribute__((visibility("default")))

using Text = const unsigned char*;
using Aviso = void (*)(const char*);

namespace {

std::string calls;
Aviso aviso = nullptr;

// One line per call: the export's name, then "|" and the bytes of each short text received (or
// "<nulo>" for a null pointer).
void note(const char* name, std::initializer_list<Text> texts) {
    calls += name;
    for (Text t : texts) {
        calls += '|';
        if (t == nullptr)
            calls += "<nulo>";
        else
            calls.append(reinterpret_cast<const char*>(t + 1), t[0]);
    }
    calls += '\n';
}

} // namespace

#ifdef STANDIN_RECORDING
constexpr uint8_t validatorAnswer = 0;
constexpr int32_t recordAnswer = 7;
constexpr int32_t versionAnswer = 0;

STANDIN_API const char* Substituta_Chamadas() {
    return calls.c_str();
}
STANDIN_API void Substituta_Avisa(const char* texto) {
    if (aviso != nullptr) aviso(texto);
}
#else
constexpr uint8_t validatorAnswer = 1;
constexpr int32_t recordAnswer = 0;
constexpr int32_t versionAnswer = 103;
#endif

// The parameter lists of 0 to 32 short texts, and their names.
#define QV_PARAMS_0
#define QV_PARAMS_1 Text a1
#define QV_PARAMS_2 QV_PARAMS_1, Text a2
#define QV_PARAMS_3 QV_PARAMS_2, Text a3
#define QV_PARAMS_4 QV_PARAMS_3, Text a4
#define QV_PARAMS_5 QV_PARAMS_4, Text a5
#define QV_PARAMS_6 QV_PARAMS_5, Text a6
#define QV_PARAMS_7 QV_PARAMS_6, Text a7
#define QV_PARAMS_8 QV_PARAMS_7, Text a8
#define QV_PARAMS_9 QV_PARAMS_8, Text a9
#define QV_PARAMS_10 QV_PARAMS_9, Text a10
#define QV_PARAMS_11 QV_PARAMS_10, Text a11
#define QV_PARAMS_12 QV_PARAMS_11, Text a12
#define QV_PARAMS_13 QV_PARAMS_12, Text a13
#define QV_PARAMS_14 QV_PARAMS_13, Text a14
#define QV_PARAMS_15 QV_PARAMS_14, Text a15
#define QV_PARAMS_16 QV_PARAMS_15, Text a16
#define QV_PARAMS_17 QV_PARAMS_16, Text a17
#define QV_PARAMS_18 QV_PARAMS_17, Text a18
#define QV_PARAMS_19 QV_PARAMS_18, Text a19
#define QV_PARAMS_20 QV_PARAMS_19, Text a20
#define QV_PARAMS_21 QV_PARAMS_20, Text a21
#define QV_PARAMS_22 QV_PARAMS_21, Text a22
#define QV_PARAMS_23 QV_PARAMS_22, Text a23
#define QV_PARAMS_24 QV_PARAMS_23, Text a24
#define QV_PARAMS_25 QV_PARAMS_24, Text a25
#define QV_PARAMS_26 QV_PARAMS_25, Text a26
#define QV_PARAMS_27 QV_PARAMS_26, Text a27
#define QV_PARAMS_28 QV_PARAMS_27, Text a28
#define QV_PARAMS_29 QV_PARAMS_28, Text a29
#define QV_PARAMS_30 QV_PARAMS_29, Text a30
#define QV_PARAMS_31 QV_PARAMS_30, Text a31
#define QV_PARAMS_32 QV_PARAMS_31, Text a32

#define QV_ARGS_0
#define QV_ARGS_1 a1
#define QV_ARGS_2 QV_ARGS_1, a2
#define QV_ARGS_3 QV_ARGS_2, a3
#define QV_ARGS_4 QV_ARGS_3, a4
#define QV_ARGS_5 QV_ARGS_4, a5
#define QV_ARGS_6 QV_ARGS_5, a6
#define QV_ARGS_7 QV_ARGS_6, a7
#define QV_ARGS_8 QV_ARGS_7, a8
#define QV_ARGS_9 QV_ARGS_8, a9
#define QV_ARGS_10 QV_ARGS_9, a10
#define QV_ARGS_11 QV_ARGS_10, a11
#define QV_ARGS_12 QV_ARGS_11, a12
#define QV_ARGS_13 QV_ARGS_12, a13
#define QV_ARGS_14 QV_ARGS_13, a14
#define QV_ARGS_15 QV_ARGS_14, a15
#define QV_ARGS_16 QV_ARGS_15, a16
#define QV_ARGS_17 QV_ARGS_16, a17
#define QV_ARGS_18 QV_ARGS_17, a18
#define QV_ARGS_19 QV_ARGS_18, a19
#define QV_ARGS_20 QV_ARGS_19, a20
#define QV_ARGS_21 QV_ARGS_20, a21
#define QV_ARGS_22 QV_ARGS_21, a22
#define QV_ARGS_23 QV_ARGS_22, a23
#define QV_ARGS_24 QV_ARGS_23, a24
#define QV_ARGS_25 QV_ARGS_24, a25
#define QV_ARGS_26 QV_ARGS_25, a26
#define QV_ARGS_27 QV_ARGS_26, a27
#define QV_ARGS_28 QV_ARGS_27, a28
#define QV_ARGS_29 QV_ARGS_28, a29
#define QV_ARGS_30 QV_ARGS_29, a30
#define QV_ARGS_31 QV_ARGS_30, a31
#define QV_ARGS_32 QV_ARGS_31, a32

#define STANDIN_SESSION(name, n)                                                                             \
    STANDIN_API void name(QV_PARAMS_##n) {                                                                   \
        note(#name, {QV_ARGS_##n});                                                                          \
    }
#define STANDIN_VERSION(name, n)                                                                             \
    STANDIN_API int32_t name() {                                                                             \
        note(#name, {});                                                                                     \
        return versionAnswer;                                                                                \
    }
#define STANDIN_NOTICE(name, n)                                                                              \
    STANDIN_API void name(Aviso handler) {                                                                   \
        note(#name, {});                                                                                     \
        aviso = handler;                                                                                     \
    }
#define STANDIN_VALIDATOR(name, n)                                                                           \
    STANDIN_API uint8_t name(QV_PARAMS_##n) {                                                                \
        note(#name, {QV_ARGS_##n});                                                                          \
        return validatorAnswer;                                                                              \
    }
#define STANDIN_VALIDATOR_PAIR(name, n) STANDIN_VALIDATOR(name, n)
#define STANDIN_VALIDATOR_COUNTED(name, n) STANDIN_VALIDATOR(name, n)
#define STANDIN_RECORD(name, n)                                                                              \
    STANDIN_API int32_t name(QV_PARAMS_##n) {                                                                \
        note(#name, {QV_ARGS_##n});                                                                          \
        return recordAnswer;                                                                                 \
    }
// The formatters and the date conversions are not bound by the window.
#define STANDIN_FILTER(name, n)
#define STANDIN_PAD(name, n)
#define STANDIN_FORMAT(name, n)
#define STANDIN_DATE_TEST(name, n)
#define STANDIN_DATE_VALUE(name, n)
#define STANDIN_DATE_CONVERT(name, n)

#define QV_EXPORT(name, kind, n) STANDIN_##kind(name, n)
#include "exports/exports.def"
#undef QV_EXPORT
