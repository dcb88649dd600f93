// The exported C functions. The list of exports decides which exist; each kind of export has one
// shape of shim here, and the few exports of a kind of their own are written out below.
#include "exports/arity.hpp"
#include "exports/boundary.hpp"
#include "format/dates.hpp"
#include "format/fields.hpp"
#include "platform/platform.hpp"
#include "records/registros.hpp"
#include "session/session.hpp"
#include "validate/validate.hpp"

using namespace qv::exports;

namespace {

// Runs a record export; a failure inside the frame rejects the record and leaves the session's
// lists empty for the next one.
int32_t record(const qv::Layout& layout, std::span<const std::string_view> fields) noexcept {
    qv::Sessao& s = qv::sessaoGlobal();
    try {
        return qv::executaRegistro(s, layout, fields);
    } catch (...) {
        guardedVoid([&] { qv::descartaRegistro(s); });
        return -1;
    }
}

} // namespace

extern "C" {

#define QV_SHIM_SESSION(name, n)
#define QV_SHIM_VERSION(name, n)
#define QV_SHIM_NOTICE(name, n)
#define QV_SHIM_FILTER(name, n)
#define QV_SHIM_PAD(name, n)
#define QV_SHIM_FORMAT(name, n)
#define QV_SHIM_DATE_VALUE(name, n)
#define QV_SHIM_DATE_CONVERT(name, n)
#define QV_SHIM_VALIDATOR_COUNTED(name, n)
#define QV_SHIM_VALIDATOR(name, n)                                                                           \
    QV_API uint8_t QV_CALL name(const unsigned char* v) {                                                    \
        return guarded<uint8_t>(0, [&] { return static_cast<uint8_t>(qv::name(shortText(v)) ? 1 : 0); });    \
    }
#define QV_SHIM_DATE_TEST(name, n) QV_SHIM_VALIDATOR(name, n)
#define QV_SHIM_VALIDATOR_PAIR(name, n)                                                                      \
    QV_API uint8_t QV_CALL name(const unsigned char* a, const unsigned char* b) {                            \
        return guarded<uint8_t>(                                                                             \
            0, [&] { return static_cast<uint8_t>(qv::name(shortText(a), shortText(b)) ? 1 : 0); });          \
    }
#define QV_SHIM_RECORD(name, n)                                                                              \
    QV_API int32_t QV_CALL name(QV_PARAMS_##n) {                                                             \
        const std::array<std::string_view, n> fields{QV_SHORTS_##n};                                         \
        return record(qv::name, fields);                                                                     \
    }

#define QV_EXPORT(name, kind, n) QV_SHIM_##kind(name, n)
#include "exports/exports.def"
#undef QV_EXPORT

QV_API void QV_CALL Inicia_SEF(const unsigned char* arquivoSEF, const unsigned char* arquivoErro,
                               const unsigned char* arquivoLog) {
    guardedVoid([&] {
        qv::Inicia_SEF(qv::sessaoGlobal(), shortText(arquivoSEF), shortText(arquivoErro),
                       shortText(arquivoLog));
    });
}

QV_API void QV_CALL Finaliza_SEF(void) {
    guardedVoid([] { qv::Finaliza_SEF(qv::sessaoGlobal()); });
}

QV_API int32_t QV_CALL Info_Versao(void) {
    return qv::versao;
}

QV_API void QV_CALL Define_Aviso(QvAviso handler) {
    guardedVoid([&] {
        if (handler == nullptr) {
            qv::platform::defineAviso({});
            return;
        }
        qv::platform::defineAviso([handler](std::string_view text) {
            const std::string zeroTerminated(text);
            handler(zeroTerminated.c_str());
        });
    });
}

QV_API void QV_CALL RemoveInvalid(unsigned char* resultado, const unsigned char* permitidos,
                                  const unsigned char* texto) {
    if (resultado == nullptr) return;
    guardedVoid([&] {
        resultado[0] = 0;
        const CountedText allowed(permitidos);
        const CountedText text(texto);
        storeShort(resultado, qv::RemoveInvalid(allowed.view(), text.view()));
    });
}

QV_API void QV_CALL AlfaStuff(unsigned char* resultado, const unsigned char* texto, int32_t largura) {
    if (resultado == nullptr) return;
    guardedVoid([&] {
        resultado[0] = 0;
        storeShort(resultado, qv::AlfaStuff(shortText(texto), widthOf(largura)));
    });
}

QV_API void QV_CALL NumStuff(unsigned char* resultado, const unsigned char* texto, int32_t largura) {
    if (resultado == nullptr) return;
    guardedVoid([&] {
        resultado[0] = 0;
        storeShort(resultado, qv::NumStuff(shortText(texto), widthOf(largura)));
    });
}

QV_API void QV_CALL FormatoAlfa2(unsigned char* texto, int32_t capacidade, int32_t largura) {
    if (texto == nullptr) return;
    guardedVoid([&] {
        const std::size_t capacity = capacityOf(capacidade);
        std::string t = inPlaceText(texto, capacity);
        texto[0] = 0;
        qv::FormatoAlfa2(t, widthOf(largura), capacity);
        storeShort(texto, t, capacity);
    });
}

QV_API void QV_CALL FormatoNum2(unsigned char* texto, int32_t capacidade, int32_t largura) {
    if (texto == nullptr) return;
    guardedVoid([&] {
        const std::size_t capacity = capacityOf(capacidade);
        std::string t = inPlaceText(texto, capacity);
        texto[0] = 0;
        qv::FormatoNum2(t, widthOf(largura), capacity);
        storeShort(texto, t, capacity);
    });
}

QV_API double QV_CALL SEFDateToDateTime(const unsigned char* data) {
    return guarded<double>(0.0, [&] { return qv::SEFDateToDateTime(shortText(data)); });
}

QV_API void QV_CALL ddmmaaaaToSEFDate(unsigned char* data, int32_t capacidade) {
    if (data == nullptr) return;
    guardedVoid([&] {
        const std::size_t capacity = capacityOf(capacidade);
        std::string t = inPlaceText(data, capacity);
        qv::ddmmaaaaToSEFDate(t, capacity);
        storeShort(data, t, capacity);
    });
}

QV_API uint8_t QV_CALL Verifica_InscEst(const unsigned char* inscricao, const unsigned char* uf) {
    return guarded<uint8_t>(0, [&] {
        const CountedText ie(inscricao);
        const CountedText estado(uf);
        return static_cast<uint8_t>(qv::Verifica_InscEst(ie.view(), estado.view()) ? 1 : 0);
    });
}

} // extern "C"
