#include "kernel/JpegWriter.h"

#include <csetjmp>
#include <cstdlib>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// Library errors jump back to the encoder instead of ending the process.
struct ErrorTrap {
    jpeg_error_mgr manager;
    jmp_buf jump;
};

void JumpBack(j_common_ptr cinfo) {
    longjmp(reinterpret_cast<ErrorTrap*>(cinfo->err)->jump, 1);
}
void Silent(j_common_ptr) {}

constexpr size_t kScratchBytes = 4096;

// Output into a caller's buffer, or counted through a small scratch buffer.
// A full caller's buffer spills into the scratch buffer: the library asks
// for room as soon as the last byte fits, and only bytes that really arrive
// there mean the stream does not fit.
struct MemoryDestination {
    jpeg_destination_mgr manager;
    unsigned char* buffer;
    size_t size;
    JOCTET* scratch;
    size_t count;
    bool spilled;
};

void StartMemory(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<MemoryDestination*>(cinfo->dest);
    d->count = 0;
    d->spilled = false;
    d->scratch = static_cast<JOCTET*>((*cinfo->mem->alloc_small)(
        reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, kScratchBytes));
    if (d->buffer) {
        d->manager.next_output_byte = d->buffer;
        d->manager.free_in_buffer = d->size;
    } else {
        d->manager.next_output_byte = d->scratch;
        d->manager.free_in_buffer = kScratchBytes;
    }
}

boolean EmptyMemory(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<MemoryDestination*>(cinfo->dest);
    if (d->buffer) {
        if (d->spilled) ERREXIT(cinfo, JERR_BUFFER_SIZE);
        d->spilled = true;
        d->manager.next_output_byte = d->scratch;
        d->manager.free_in_buffer = kScratchBytes;
        return TRUE;
    }
    d->count += kScratchBytes;
    d->manager.next_output_byte = d->scratch;
    d->manager.free_in_buffer = kScratchBytes;
    return TRUE;
}

void EndMemory(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<MemoryDestination*>(cinfo->dest);
    if (!d->buffer) {
        d->count += kScratchBytes - d->manager.free_in_buffer;
    } else if (!d->spilled) {
        d->count = d->size - d->manager.free_in_buffer;
    } else if (d->manager.free_in_buffer == kScratchBytes) {
        d->count = d->size;  // the stream ended exactly at the buffer's end
    } else {
        ERREXIT(cinfo, JERR_BUFFER_SIZE);  // the stream is longer than the buffer
    }
}

// One compression into `file` or `memory`. Nothing here has a destructor:
// a library error jumps back over these frames.
bool Compress(const PictureRows& picture, const JpegOptions& options, FILE* file,
              MemoryDestination* memory) {
    if (picture.width <= 0 || picture.height <= 0 || size_t(picture.width) > JPEG_MAX_DIMENSION ||
        size_t(picture.height) > JPEG_MAX_DIMENSION)
        return false;
    jpeg_compress_struct cinfo = {};
    ErrorTrap trap;
    unsigned char* volatile row = nullptr;
    cinfo.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = JumpBack;
    trap.manager.output_message = Silent;
    if (setjmp(trap.jump)) {
        jpeg_destroy_compress(&cinfo);
        free(row);
        return false;
    }
    jpeg_create_compress(&cinfo);
    cinfo.image_width = JDIMENSION(picture.width);
    cinfo.image_height = JDIMENSION(picture.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    if (options.density_x > 0 && options.density_y > 0) {
        cinfo.density_unit = 2;
        cinfo.X_density = UINT16(options.density_x);
        cinfo.Y_density = UINT16(options.density_y);
    }
    if (options.grayscale) jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    cinfo.optimize_coding = options.optimize ? TRUE : FALSE;
    jpeg_set_quality(&cinfo, options.quality, FALSE);
    if (options.progressive) jpeg_simple_progression(&cinfo);
    if (file) {
        jpeg_stdio_dest(&cinfo, file);
    } else {
        memory->manager.init_destination = StartMemory;
        memory->manager.empty_output_buffer = EmptyMemory;
        memory->manager.term_destination = EndMemory;
        cinfo.dest = &memory->manager;
    }
    row = static_cast<unsigned char*>(malloc(size_t(picture.width) * 3));
    if (!row) ERREXIT(&cinfo, JERR_OUT_OF_MEMORY);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        zel3d_picture_rgb_row(picture, int(cinfo.next_scanline), row);
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    free(row);
    return true;
}

}  // namespace

bool zel3d_jpeg_to_file(const PictureRows& picture, const JpegOptions& options, FILE* file) {
    return file && Compress(picture, options, file, nullptr);
}

size_t zel3d_jpeg_to_memory(const PictureRows& picture, const JpegOptions& options,
                            unsigned char* buffer, size_t size) {
    MemoryDestination memory = {};
    memory.buffer = buffer;
    memory.size = size;
    if (buffer && size == 0) return 0;
    return Compress(picture, options, nullptr, &memory) ? memory.count : 0;
}
