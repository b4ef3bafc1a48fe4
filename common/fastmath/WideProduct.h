// The full 128-bit product of two 64-bit numbers, on 32- and 64-bit targets.
#pragma once

#include <cstdint>

namespace fastmath {

struct Wide {
    uint64_t hi;
    uint64_t lo;
};

inline Wide MultiplyWide(uint64_t a, uint64_t b) {
#ifdef __SIZEOF_INT128__
    const unsigned __int128 p = static_cast<unsigned __int128>(a) * b;
    return {static_cast<uint64_t>(p >> 64), static_cast<uint64_t>(p)};
#else
    const uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32;
    const uint64_t b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
    const uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & 0xFFFFFFFFu)};
#endif
}

}  // namespace fastmath
