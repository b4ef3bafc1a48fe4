// Independent read-back of encoded images for the tests: the PNG and JPEG
// libraries' own decoders turn a file's bytes into red-green-blue rows.
#pragma once

#include <string>
#include <vector>

namespace zel3d_test {

struct DecodedImage {
    bool ok = false;
    int width = 0;
    int height = 0;
    int components = 0;   // of the stored image (1 grey, 3 colour)
    int color_type = -1;  // PNG colour type
    int interlace = -1;   // PNG interlace type
    bool progressive = false;
    std::vector<unsigned char> rgb;  // top row first, 3 bytes a pixel

    unsigned At(int x, int y) const {
        const unsigned char* p = &rgb[(size_t(y) * width + x) * 3];
        return (unsigned(p[0]) << 16) | (unsigned(p[1]) << 8) | p[2];
    }
};

DecodedImage DecodePng(const std::string& bytes);
DecodedImage DecodeJpeg(const std::string& bytes);

}  // namespace zel3d_test
