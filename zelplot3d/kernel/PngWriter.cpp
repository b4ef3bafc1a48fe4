#include "kernel/PngWriter.h"

#include <cstdlib>
#include <cstring>

#include <png.h>

namespace {

struct MemoryOutput {
    unsigned char* buffer;
    size_t capacity;
    size_t written;
};

void WriteToMemory(png_structp png, png_bytep data, size_t n) {
    auto* out = static_cast<MemoryOutput*>(png_get_io_ptr(png));
    if (out->buffer && out->written <= out->capacity && n <= out->capacity - out->written)
        memcpy(out->buffer + out->written, data, n);
    out->written += n;
}

void NoFlush(png_structp) {}

// Library errors jump back to the encoder instead of ending the process.
void JumpBack(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void Silent(png_structp, png_const_charp) {}

// One encoding into `file` or `memory`. Nothing here has a destructor: a
// library error jumps back over these frames.
bool Encode(const PictureRows& picture, int interlace, FILE* file, MemoryOutput* memory) {
    int bits = picture.bits;
    if (picture.width <= 0 || picture.height <= 0 ||
        (bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return false;
    if (bits == 8 && (picture.palette_count < 1 || picture.palette_count > 256)) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpBack, Silent);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    unsigned char* volatile row = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        free(row);
        return false;
    }
    if (file)
        png_init_io(png, file);
    else
        png_set_write_fn(png, memory, WriteToMemory, NoFlush);
    int color_type = bits == 8 ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB;
    png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), 8, color_type,
                 interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (bits == 8) {
        png_color palette[256];
        for (int i = 0; i < picture.palette_count; ++i) {
            const unsigned char* entry = picture.palette + 4 * i;
            palette[i] = {entry[2], entry[1], entry[0]};
        }
        png_set_PLTE(png, info, palette, picture.palette_count);
    }
    png_write_info(png, info);
    if (bits == 24 || bits == 32) png_set_bgr(png);
    if (bits == 32) png_set_filler(png, 0, PNG_FILLER_AFTER);
    if (bits == 16) {
        row = static_cast<unsigned char*>(malloc(size_t(picture.width) * 3));
        if (!row) png_error(png, "out of memory");
    }
    int passes = png_set_interlace_handling(png);
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < picture.height; ++y) {
            const unsigned char* source = zel3d_picture_row(picture, y);
            if (bits == 16) {
                zel3d_picture_rgb_row(picture, y, row);
                source = row;
            }
            png_write_row(png, source);
        }
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    free(row);
    return true;
}

}  // namespace

bool zel3d_png_to_file(const PictureRows& picture, int interlace, FILE* file) {
    return file && Encode(picture, interlace, file, nullptr);
}

size_t zel3d_png_to_memory(const PictureRows& picture, int interlace, unsigned char* buffer,
                           size_t size) {
    MemoryOutput memory = {buffer, buffer ? size : 0, 0};
    return Encode(picture, interlace, nullptr, &memory) ? memory.written : 0;
}
