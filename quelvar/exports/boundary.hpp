// The C boundary: turns the caller's texts into views and copies, stores results in the caller's
// areas, and catches everything, so that no exception ever reaches a host.
#pragma once

#include "quelvar.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace qv::exports {

// A short text parameter: a length byte and the characters. Null reads as the empty text.
inline std::string_view shortText(const unsigned char* p) {
    if (p == nullptr) return {};
    return {reinterpret_cast<const char*>(p + 1), p[0]};
}

// The caller's in-place text, read no further than its capacity.
inline std::string inPlaceText(const unsigned char* p, std::size_t capacity) {
    const std::size_t n = std::min<std::size_t>(p[0], capacity);
    return {reinterpret_cast<const char*>(p + 1), n};
}

// A capacity argument, held to what a short text can be.
inline std::size_t capacityOf(std::int32_t c) {
    return static_cast<std::size_t>(std::clamp(c, 0, 255));
}

// A width argument: only its low byte counts.
inline std::size_t widthOf(std::int32_t w) {
    return static_cast<std::size_t>(static_cast<std::uint32_t>(w) & 0xFFu);
}

// Stores a short text in the caller's area, cut to the capacity.
inline void storeShort(unsigned char* area, std::string_view text, std::size_t capacity = 255) {
    const std::size_t n = std::min(text.size(), capacity);
    area[0] = static_cast<unsigned char>(n);
    if (n > 0) std::memcpy(area + 1, text.data(), n);
}

// A counted text parameter, held by a reference for the duration of the call. The length comes
// from the header; a negative length reads as the empty text.
class CountedText {
  public:
    explicit CountedText(const unsigned char* p)
        : p_(const_cast<unsigned char*>(p)) {
        if (p_ == nullptr) return;
        QM_AdicionaReferencia(p_);
        std::int32_t length;
        std::memcpy(&length, p_ - 4, sizeof length);
        if (length > 0) view_ = {reinterpret_cast<const char*>(p_), static_cast<std::size_t>(length)};
    }
    ~CountedText() {
        if (p_ != nullptr) QM_LiberaReferencia(p_);
    }
    CountedText(const CountedText&) = delete;
    CountedText& operator=(const CountedText&) = delete;
    std::string_view view() const { return view_; }

  private:
    unsigned char* p_;
    std::string_view view_{};
};

// Runs the core; any exception gives the export's failure value.
template <class R, class F> R guarded(R onFailure, F&& f) noexcept {
    try {
        return f();
    } catch (...) {
        return onFailure;
    }
}

template <class F> void guardedVoid(F&& f) noexcept {
    try {
        f();
    } catch (...) {
    }
}

} // namespace qv::exports
