// Little-endian values read from a binary record, assembled byte by byte.
#pragma once

#include <cstdint>
#include <cstring>

namespace torvane {

inline int Int16At(const unsigned char* bytes, size_t offset) {
    return static_cast<int16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline float FloatAt(const unsigned char* bytes, size_t offset) {
    const uint32_t bits = bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
                          (static_cast<uint32_t>(bytes[offset + 3]) << 24);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace torvane
