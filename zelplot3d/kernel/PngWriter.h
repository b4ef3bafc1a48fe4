// PNG encoding of a picture through the reference library: to a stdio file
// or into memory. Every library error ends the encoding with a failure.
#pragma once

#include <cstddef>
#include <cstdio>

#include "kernel/PictureRows.h"

// `interlace` 0 writes rows in order, 1 in the seven Adam7 passes.
bool zel3d_png_to_file(const PictureRows& picture, int interlace, FILE* file);
// Writes the stream into `buffer` (`size` bytes; what does not fit is
// dropped) or, with a null buffer, only counts it. The stream length; 0 on
// failure.
size_t zel3d_png_to_memory(const PictureRows& picture, int interlace, unsigned char* buffer,
                           size_t size);
