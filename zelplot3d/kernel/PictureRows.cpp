#include "kernel/PictureRows.h"

#include <cstdint>

bool zel3d_picture_fits(int width, int height) {
    if (width <= 0 || height <= 0) return false;
    uint64_t row = (uint64_t(width) * 32 + 31) / 32 * 4;
    return 40 + 1024 + row * uint64_t(height) <= 0x7FFFFFFF;
}

void zel3d_picture_rgb_row(const PictureRows& picture, int row, unsigned char* rgb) {
    const unsigned char* source = zel3d_picture_row(picture, row);
    for (int x = 0; x < picture.width; ++x, rgb += 3) {
        switch (picture.bits) {
            case 8: {
                int index = source[x] < picture.palette_count ? source[x] : 0;
                const unsigned char* entry = picture.palette + 4 * index;
                rgb[0] = entry[2];
                rgb[1] = entry[1];
                rgb[2] = entry[0];
                break;
            }
            case 16: {
                unsigned word = source[2 * x] | (source[2 * x + 1] << 8);
                rgb[0] = zel3d_expand5((word >> 10) & 31);
                rgb[1] = zel3d_expand5((word >> 5) & 31);
                rgb[2] = zel3d_expand5(word & 31);
                break;
            }
            default: {
                const unsigned char* pixel = source + x * (picture.bits / 8);
                rgb[0] = pixel[2];
                rgb[1] = pixel[1];
                rgb[2] = pixel[0];
                break;
            }
        }
    }
}
