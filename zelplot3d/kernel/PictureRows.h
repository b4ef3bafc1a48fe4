// A picture in memory as the image encoders read it: rows of 8-bit
// palette indices, 5-5-5 words, or blue-green-red(-unused) pixels, stored
// bottom row first as a device-independent bitmap keeps them.
#pragma once

#include <cstddef>

struct PictureRows {
    int width;
    int height;
    int bits;                      // 8, 16, 24 or 32 per pixel
    const unsigned char* rows;     // the bottom row first
    size_t stride;                 // bytes from one row to the next
    const unsigned char* palette;  // 8 bits: 4-byte blue, green, red, unused entries
    int palette_count;             // entries of the palette (1-256)
};

// A picture of this size has a bitmap of any depth up to 32 bits below
// 2 GB, the largest the library makes.
bool zel3d_picture_fits(int width, int height);

// Picture row `row` (0 = top) as red, green, blue triples.
void zel3d_picture_rgb_row(const PictureRows& picture, int row, unsigned char* rgb);
// The bytes of picture row `row` (0 = top) as stored.
inline const unsigned char* zel3d_picture_row(const PictureRows& picture, int row) {
    return picture.rows + size_t(picture.height - 1 - row) * picture.stride;
}
// 5-bit component to 8 bits, truncating.
inline unsigned char zel3d_expand5(unsigned v) {
    return static_cast<unsigned char>(v * 255 / 31);
}
