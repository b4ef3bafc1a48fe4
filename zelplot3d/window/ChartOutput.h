// A chart leaving its window: rendered into its off-screen bitmap and
// copied out as a packed device-independent bitmap, or replayed as vectors
// into another device context (a caller's, a printer's or a metafile's)
// under a mapping that places it in a box.
#pragma once

#include <windows.h>

#include <cstddef>

struct Zel3dChart;
struct PictureRows;

// What a placement is for.
enum OutputPurpose {
    kOutputToDC = 1,
    kOutputToPrinter = 2,
    kOutputToClipboard = 3,
    kOutputToFile = 4
};

// A packed DIB (header, colour table, rows) in a moveable global block.
class PackedDib {
public:
    PackedDib() = default;
    ~PackedDib();
    PackedDib(const PackedDib&) = delete;
    PackedDib& operator=(const PackedDib&) = delete;

    // Renders the chart and copies its picture out; false on failure.
    bool Render(Zel3dChart* chart);
    // The block, which the caller now owns (the clipboard takes it).
    HGLOBAL Release();
    // Bytes of the block in use (the header, table and rows).
    size_t size() const { return size_; }
    // The block locked, or null.
    const unsigned char* Lock();
    // The picture's rows as the encoders read them; false for a DIB they
    // cannot take (compressed, planes, bit count, palette size).
    bool Picture(PictureRows* picture);
    // The 14-byte bitmap-file header that goes before the block.
    void FileHeader(unsigned char header[14]);

private:
    HGLOBAL handle_ = nullptr;
    const unsigned char* locked_ = nullptr;
    size_t size_ = 0;
};

// Entries and bytes of a DIB header's colour table.
int zel3d_dib_color_count(const BITMAPINFOHEADER& header);
size_t zel3d_dib_table_bytes(const BITMAPINFOHEADER& header);

// Renders the whole chart into its off-screen bitmap; false when the bitmap
// cannot be had.
bool zel3d_render_offscreen(Zel3dChart* chart);
// Places the chart into the box (x, y, w, h) of a DC by the placement mode:
// as a bitmap (method 1, not when printing) or as vectors.
int zel3d_place_output(Zel3dChart* chart, int purpose, HDC dc, int method, int mode, int x, int y,
                       int w, int h);
