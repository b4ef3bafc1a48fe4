// The chart saved as a JPEG or PNG image, to a file or into memory: the
// rendered packed DIB handed to the encoders.
#include <windows.h>

#include <climits>

#include "chart/Chart.h"
#include "data/ReplacingFile.h"
#include "kernel/ExportGuard.h"
#include "kernel/JpegWriter.h"
#include "kernel/PngWriter.h"
#include "window/ChartOutput.h"
#include "zelplot3d.h"

namespace {

JpegOptions Options(const BITMAPINFOHEADER* header, int quality, int grayscale, int optimize,
                    int progressive) {
    JpegOptions options = {quality, grayscale != 0, optimize != 0, progressive != 0, 0, 0};
    if (header && header->biXPelsPerMeter > 0 && header->biYPelsPerMeter > 0) {
        options.density_x = int(header->biXPelsPerMeter / 100);
        options.density_y = int(header->biYPelsPerMeter / 100);
    }
    return options;
}

// The chart's picture, rendered; false when it cannot be had or encoded.
bool RenderPicture(Zel3dChart* chart, PackedDib* dib, PictureRows* picture) {
    return dib->Render(chart) && dib->Picture(picture);
}

const BITMAPINFOHEADER* HeaderOf(PackedDib* dib) {
    return reinterpret_cast<const BITMAPINFOHEADER*>(dib->Lock());
}

// Encodes into a file beside `path` that replaces it once complete.
template <class Encode>
int SaveFile(const char* path, Encode encode) {
    ReplacingFile file(path);
    FILE* out = file.Open("wb");
    if (!out || !encode(out)) return 0;
    return file.Commit() ? 1 : 0;
}

int Count(size_t n) {
    return n <= size_t(INT_MAX) ? int(n) : 0;
}

}  // namespace

extern "C" {

ZEL3D_API int Zel3dSaveImageAsJpeg(Zel3dChart* chart, const char* path, int quality, int grayscale,
                                   int optimize, int progressive) try {
    if (!chart || !path || !path[0]) return 0;
    PackedDib dib;
    PictureRows picture;
    if (!RenderPicture(chart, &dib, &picture)) return 0;
    JpegOptions options = Options(HeaderOf(&dib), quality, grayscale, optimize, progressive);
    return SaveFile(path, [&](FILE* out) { return zel3d_jpeg_to_file(picture, options, out); });
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dSaveImageAsJpegBytes(Zel3dChart* chart, unsigned char* buffer, int size,
                                        int quality, int grayscale, int optimize,
                                        int progressive) try {
    if (!chart) return 0;
    PackedDib dib;
    PictureRows picture;
    if (!RenderPicture(chart, &dib, &picture)) return 0;
    JpegOptions options = Options(HeaderOf(&dib), quality, grayscale, optimize, progressive);
    if (!buffer) return Count(zel3d_jpeg_to_memory(picture, options, nullptr, 0));
    if (size <= 0) return 0;
    return zel3d_jpeg_to_memory(picture, options, buffer, size_t(size)) ? size : 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dSaveImageAsPng(Zel3dChart* chart, const char* path, int interlace) try {
    if (!chart || !path || !path[0]) return 0;
    PackedDib dib;
    PictureRows picture;
    if (!RenderPicture(chart, &dib, &picture)) return 0;
    return SaveFile(path, [&](FILE* out) { return zel3d_png_to_file(picture, interlace, out); });
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dSaveImageAsPngBytes(Zel3dChart* chart, unsigned char* buffer, int size,
                                       int interlace) try {
    if (!chart) return 0;
    PackedDib dib;
    PictureRows picture;
    if (!RenderPicture(chart, &dib, &picture)) return 0;
    size_t capacity = buffer && size > 0 ? size_t(size) : 0;
    size_t length = zel3d_png_to_memory(picture, interlace, buffer, capacity);
    if (buffer && length > capacity) return 0;
    return Count(length);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

}  // extern "C"
