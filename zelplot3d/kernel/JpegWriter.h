// JPEG encoding of a picture through the IJG library: to a stdio file or
// into memory. Every library error ends the encoding with a failure.
#pragma once

#include <cstddef>
#include <cstdio>

#include "kernel/PictureRows.h"

struct JpegOptions {
    int quality;       // 0-100 on the library's scale
    bool grayscale;    // one component
    bool optimize;     // optimised Huffman tables
    bool progressive;  // the library's simple progression
    int density_x;     // dots per centimetre; 0 leaves the density unset
    int density_y;
};

bool zel3d_jpeg_to_file(const PictureRows& picture, const JpegOptions& options, FILE* file);
// Writes the stream into `buffer` (`size` bytes) or, with a null buffer,
// only counts it. The stream length; 0 on failure or when it does not fit.
size_t zel3d_jpeg_to_memory(const PictureRows& picture, const JpegOptions& options,
                            unsigned char* buffer, size_t size);
