// The shared memory manager of counted texts, a library of its own that the host and Quelvar
// share, so that a counted text allocated on one side can be released on the other.
//
// Layout of a counted text: [int32 count][int32 length][characters][0]; the pointer handed out
// points at the first character. A count of -1 marks a constant: never changed, never freed.
#include "quelvar.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t header = 8;

std::int32_t* countOf(unsigned char* text) {
    return reinterpret_cast<std::int32_t*>(text - header);
}

// Only counts from 1 up belong to this manager; constants (-1) and anything else are left alone.
bool managed(unsigned char* text) {
    if (text == nullptr) return false;
    std::int32_t count;
    std::memcpy(&count, text - header, sizeof count);
    return count >= 1;
}

} // namespace

extern "C" {

QM_API unsigned char* QV_CALL QM_NovoTexto(const unsigned char* characters, int32_t length) {
    if (length < 0 || characters == nullptr) length = 0;
    auto* block = static_cast<unsigned char*>(std::malloc(header + static_cast<std::size_t>(length) + 1));
    if (block == nullptr) return nullptr;
    const std::int32_t one = 1;
    std::memcpy(block, &one, sizeof one);
    std::memcpy(block + 4, &length, sizeof length);
    if (length > 0) std::memcpy(block + header, characters, static_cast<std::size_t>(length));
    block[header + static_cast<std::size_t>(length)] = 0;
    return block + header;
}

QM_API void QV_CALL QM_AdicionaReferencia(unsigned char* text) {
    if (!managed(text)) return;
    std::atomic_ref<std::int32_t>(*countOf(text)).fetch_add(1, std::memory_order_relaxed);
}

QM_API void QV_CALL QM_LiberaReferencia(unsigned char* text) {
    if (!managed(text)) return;
    if (std::atomic_ref<std::int32_t>(*countOf(text)).fetch_sub(1, std::memory_order_acq_rel) == 1)
        std::free(text - header);
}

} // extern "C"
