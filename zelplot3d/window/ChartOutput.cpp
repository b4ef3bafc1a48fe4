#include "window/ChartOutput.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "chart/Chart.h"
#include "data/ReplacingFile.h"
#include "device/DeviceOps.h"
#include "drawing/Redraw.h"
#include "drawing/Repaint.h"
#include "kernel/ExportGuard.h"
#include "kernel/PictureRows.h"
#include "zelplot3d.h"

namespace {

// The largest picture made: its packed DIB must stay below 2 GB.
constexpr uint64_t kMaxDibBytes = 0x7FFFFFFF;

uint64_t RowBytes(uint64_t width, int bits) {
    return (width * uint64_t(bits) + 31) / 32 * 4;
}

void PutWord(unsigned char* p, unsigned v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}
void PutLong(unsigned char* p, uint32_t v) {
    PutWord(p, v & 0xFFFF);
    PutWord(p + 2, v >> 16);
}

// The size of the chart's picture: the window's client area, or WIDTH and
// HEIGHT without a window.
RECT SourceRect(const Zel3dChart* chart) {
    RECT source = {0, 0, chart->width, chart->height};
    if (chart->window) GetClientRect(chart->window, &source);
    return source;
}

// Selects the chart's palette (or the default one) and realises it.
class PaletteSelection {
public:
    PaletteSelection(const Zel3dChart* chart, HDC dc, BOOL background) : dc_(dc) {
        HPALETTE palette = chart->palette ? chart->palette
                                          : static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
        previous_ = SelectPalette(dc, palette, background);
        RealizePalette(dc);
    }
    ~PaletteSelection() {
        if (previous_) SelectPalette(dc_, previous_, TRUE);
    }
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;

private:
    HDC dc_;
    HPALETTE previous_;
};

// The rendered picture stretched into the source rectangle of the DC's
// mapping.
int BlitDib(Zel3dChart* chart, HDC dc, const RECT& source) {
    PackedDib dib;
    if (!dib.Render(chart)) return 0;
    const unsigned char* block = dib.Lock();
    if (!block) return 0;
    auto* info = reinterpret_cast<const BITMAPINFO*>(block);
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const unsigned char* bits = block + header.biSize + zel3d_dib_table_bytes(header);
    PaletteSelection palette(chart, dc, FALSE);
    int lines = StretchDIBits(dc, source.left, source.top, source.right - source.left,
                              source.bottom - source.top, 0, 0, header.biWidth, header.biHeight,
                              bits, info, DIB_RGB_COLORS, SRCCOPY);
    return lines != int(GDI_ERROR) && lines > 0;
}

// The chart drawn as vectors into `dc`, which stands in for the window.
int DrawVectors(Zel3dChart* chart, HDC dc) {
    HDC previous_front = chart->device.front_dc, previous_draw = chart->device.draw_dc;
    chart->device.front_dc = dc;
    Zel3dInitDC(chart, dc);
    zel3d_draw_parts(chart, kDamageAll);
    SelectPalette(dc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), TRUE);
    chart->device.front_dc = previous_front;
    chart->device.draw_dc = previous_draw;
    if (previous_front) Zel3dInitDC(chart, previous_front);
    chart->device.draw_dc = previous_draw;
    // The window's picture is drawn again in full on its next repaint.
    chart->damage_mask = kDamageAll;
    zel3d_refresh_fonts(chart);
    return 1;
}

}  // namespace

int zel3d_dib_color_count(const BITMAPINFOHEADER& header) {
    if (header.biSize == sizeof(BITMAPCOREHEADER) || header.biClrUsed == 0) {
        switch (header.biBitCount) {
            case 1:
                return 2;
            case 4:
                return 16;
            case 8:
                return 256;
            default:
                return 0;
        }
    }
    return int(header.biClrUsed);
}

size_t zel3d_dib_table_bytes(const BITMAPINFOHEADER& header) {
    size_t entry = header.biSize == sizeof(BITMAPCOREHEADER) ? 3 : 4;
    return size_t(zel3d_dib_color_count(header)) * entry;
}

bool zel3d_render_offscreen(Zel3dChart* chart) {
    if (!zel3d_picture_fits(chart->width, chart->height)) return false;
    bool took = false;
    if (!chart->device.draw_dc) {
        if (!Zel3dGetAndInitDC(chart)) return false;
        took = true;
    }
    int double_buffer = chart->double_buffer;
    chart->double_buffer = 1;
    bool ready = zel3d_offscreen_ready(chart);
    if (ready) {
        chart->device.draw_dc = chart->device.memory_dc;
        zel3d_draw_parts(chart, kDamageAll);
        chart->device.draw_dc = chart->device.front_dc;
        chart->offscreen_valid = 1;
        chart->damage_mask = 0;
        zel3d_select_stock_objects(chart->device.memory_dc);
    }
    chart->double_buffer = double_buffer;
    if (took) Zel3dReleaseDC(chart);
    zel3d_refresh_fonts(chart);
    return ready;
}

PackedDib::~PackedDib() {
    if (!handle_) return;
    if (locked_) GlobalUnlock(handle_);
    GlobalFree(handle_);
}

HGLOBAL PackedDib::Release() {
    if (locked_) GlobalUnlock(handle_);
    locked_ = nullptr;
    HGLOBAL handle = handle_;
    handle_ = nullptr;
    return handle;
}

const unsigned char* PackedDib::Lock() {
    if (!locked_ && handle_) locked_ = static_cast<const unsigned char*>(GlobalLock(handle_));
    return locked_;
}

bool PackedDib::Render(Zel3dChart* chart) {
    if (handle_ || !zel3d_render_offscreen(chart)) return false;
    HDC dc = chart->device.memory_dc;
    HBITMAP bitmap = chart->offscreen_bitmap;
    BITMAP record;
    if (!dc || !bitmap || GetObjectA(bitmap, sizeof record, &record) != int(sizeof record))
        return false;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } described = {};
    BITMAPINFOHEADER& header = described.header;
    header.biSize = sizeof header;
    header.biWidth = record.bmWidth;
    header.biHeight = record.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = WORD(record.bmPlanes * record.bmBitsPixel);
    header.biCompression = BI_RGB;
    UINT rows = UINT(record.bmHeight);
    // The bitmap leaves the DC while its bits are read.
    HGDIOBJ selected = SelectObject(dc, chart->memory_dc_original_bitmap);
    HGLOBAL handle = nullptr;
    {
        PaletteSelection palette(chart, dc, FALSE);
        if (GetDIBits(dc, bitmap, 0, rows, nullptr, reinterpret_cast<BITMAPINFO*>(&described),
                      DIB_RGB_COLORS) &&
            header.biCompression == BI_RGB) {
            uint64_t image = header.biSizeImage
                                 ? header.biSizeImage
                                 : RowBytes(uint64_t(header.biWidth), header.biBitCount) * rows;
            size_t table = zel3d_dib_table_bytes(header);
            uint64_t total = sizeof header + table + image;
            if (table <= sizeof described.colors && total <= kMaxDibBytes)
                handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_SHARE, SIZE_T(total));
            auto* block = handle ? static_cast<unsigned char*>(GlobalLock(handle)) : nullptr;
            bool done = false;
            if (block) {
                header.biSizeImage = DWORD(image);
                memcpy(block, &described, sizeof header + table);
                done = GetDIBits(dc, bitmap, 0, rows, block + sizeof header + table,
                                 reinterpret_cast<BITMAPINFO*>(block), DIB_RGB_COLORS) == int(rows);
                GlobalUnlock(handle);
            }
            if (done) {
                size_ = size_t(total);
            } else if (handle) {
                GlobalFree(handle);
                handle = nullptr;
            }
        }
    }
    SelectObject(dc, selected);
    handle_ = handle;
    return handle != nullptr;
}

bool PackedDib::Picture(PictureRows* picture) {
    const unsigned char* block = Lock();
    if (!block || size_ < sizeof(BITMAPINFOHEADER)) return false;
    BITMAPINFOHEADER header;
    memcpy(&header, block, sizeof header);
    int bits = header.biBitCount;
    if (header.biSize != sizeof header || header.biPlanes != 1 || header.biCompression != BI_RGB ||
        header.biWidth <= 0 || header.biHeight <= 0 ||
        (bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return false;
    int colors = zel3d_dib_color_count(header);
    if (bits == 8 && (colors < 1 || colors > 256)) return false;
    size_t table = zel3d_dib_table_bytes(header);
    uint64_t stride = RowBytes(uint64_t(header.biWidth), bits);
    if (sizeof header + table + stride * uint64_t(header.biHeight) > size_) return false;
    *picture = {int(header.biWidth),           int(header.biHeight), bits,
                block + sizeof header + table, size_t(stride),       block + sizeof header,
                bits == 8 ? colors : 0};
    return true;
}

void PackedDib::FileHeader(unsigned char header[14]) {
    const unsigned char* block = Lock();
    BITMAPINFOHEADER info = {};
    if (block) memcpy(&info, block, sizeof info);
    PutWord(header, 0x4D42);  // "BM"
    PutLong(header + 2, uint32_t(size_ + 14));
    PutLong(header + 6, 0);
    PutLong(header + 10, uint32_t(14 + info.biSize + zel3d_dib_table_bytes(info)));
}

int zel3d_place_output(Zel3dChart* chart, int purpose, HDC dc, int method, int mode, int x, int y,
                       int w, int h) {
    RECT source = SourceRect(chart);
    int source_width = source.right - source.left, source_height = source.bottom - source.top;
    if (source_width <= 0 || source_height <= 0 || !dc) return 0;
    double aspect = double(source_width) / source_height;
    int horizontal = GetDeviceCaps(dc, HORZRES), vertical = GetDeviceCaps(dc, VERTRES);
    bool no_resolution = horizontal == 0 || vertical == 0;
    if (w == 0 || h == 0) {
        w = purpose == kOutputToPrinter ? horizontal : source_width;
        h = purpose == kOutputToPrinter ? vertical : source_height;
    }
    int right = x + w, bottom = y + h;
    switch (mode) {
        case 1:
            right = x + source_width;
            bottom = y + source_height;
            break;
        case 2:
            bottom = y + int(w / aspect);
            break;
        case 3:
            right = x + int(h * aspect);
            break;
        case 5:
            break;
        default:
            if (h != 0 && double(w) / h >= aspect)
                right = x + int(h * aspect);
            else
                bottom = y + int(w / aspect);
            break;
    }
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, source.left, source.top, nullptr);
    SetWindowExtEx(dc, source_width, source_height, nullptr);
    if (!(no_resolution && (purpose == kOutputToClipboard || purpose == kOutputToFile))) {
        SetViewportExtEx(dc, right - x, bottom - y, nullptr);
        SetViewportOrgEx(dc, x, y, nullptr);
    }
    if (method == 1 && purpose != kOutputToPrinter) return BlitDib(chart, dc, source);
    return DrawVectors(chart, dc);
}

namespace {

// A metafile of the chart: kinds 2 and 4 plain, kind 3 enhanced; drawn
// into `path`, or into memory without one. Null when the drawing failed.
HANDLE MakeMetafile(Zel3dChart* chart, int purpose, const char* path, int kind) {
    HDC dc =
        kind == 3 ? CreateEnhMetaFileA(nullptr, path, nullptr, nullptr) : CreateMetaFileA(path);
    if (!dc) return nullptr;
    int placed = zel3d_place_output(chart, purpose, dc, kind, 1, 0, 0, 0, 0);
    HANDLE metafile = kind == 3 ? static_cast<HANDLE>(CloseEnhMetaFile(dc))
                                : static_cast<HANDLE>(CloseMetaFile(dc));
    if (metafile && !placed) {
        if (kind == 3)
            DeleteEnhMetaFile(static_cast<HENHMETAFILE>(metafile));
        else
            DeleteMetaFile(static_cast<HMETAFILE>(metafile));
        return nullptr;
    }
    return metafile;
}

// The 22-byte header of a placeable metafile for the chart's size in
// thousandths of an inch (or coarser units when a very large chart would
// not fit the header's 16-bit fields).
void PlaceableHeader(const Zel3dChart* chart, unsigned char header[22]) {
    HDC dc = GetDC(chart->window);
    int dpi_x = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 96,
        dpi_y = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(chart->window, dc);
    if (dpi_x <= 0) dpi_x = 96;
    if (dpi_y <= 0) dpi_y = 96;
    RECT client = SourceRect(chart);
    int64_t units = 1000, right, bottom;
    for (;;) {
        right = int64_t(client.right - client.left + 1) * units / dpi_x;
        bottom = int64_t(client.bottom - client.top + 1) * units / dpi_y;
        if ((right <= 0x7FFF && bottom <= 0x7FFF) || units == 1) break;
        units /= 2;
    }
    memset(header, 0, 22);
    PutLong(header, 0x9AC6CDD7);
    PutWord(header + 10, unsigned(right));
    PutWord(header + 12, unsigned(bottom));
    PutWord(header + 14, unsigned(units));
    unsigned checksum = 0;
    for (int word = 0; word < 10; ++word)
        checksum ^= header[2 * word] | (header[2 * word + 1] << 8);
    PutWord(header + 20, checksum);
}

int WriteBmp(Zel3dChart* chart, const char* path) {
    PackedDib dib;
    if (!dib.Render(chart)) return 0;
    const unsigned char* block = dib.Lock();
    ReplacingFile file(path);
    FILE* out = block ? file.Open("wb") : nullptr;
    if (!out) return 0;
    unsigned char header[14];
    dib.FileHeader(header);
    if (!zel3d_write_all(out, header, 2) || !zel3d_write_all(out, header + 2, 12) ||
        !zel3d_write_all(out, block, dib.size()))
        return 0;
    return file.Commit() ? 1 : 0;
}

int WritePlaceableMetafile(Zel3dChart* chart, const char* path) {
    auto metafile = static_cast<HMETAFILE>(MakeMetafile(chart, kOutputToFile, nullptr, 2));
    if (!metafile) return 0;
    UINT size = GetMetaFileBitsEx(metafile, 0, nullptr);
    std::string bits(size, '\0');
    bool read = size > 0 && GetMetaFileBitsEx(metafile, size, &bits[0]) == size;
    DeleteMetaFile(metafile);
    if (!read) return 0;
    ReplacingFile file(path);
    FILE* out = file.Open("wb");
    if (!out) return 0;
    unsigned char header[22];
    PlaceableHeader(chart, header);
    if (!zel3d_write_all(out, header, sizeof header) ||
        !zel3d_write_all(out, bits.data(), bits.size()))
        return 0;
    return file.Commit() ? 1 : 0;
}

int WriteMetafile(Zel3dChart* chart, const char* path, int kind) {
    ReplacingFile file(path);
    if (file.temporary_path().empty()) return 0;
    HANDLE metafile = MakeMetafile(chart, kOutputToFile, file.temporary_path().c_str(), kind);
    if (!metafile) return 0;
    if (kind == 3)
        DeleteEnhMetaFile(static_cast<HENHMETAFILE>(metafile));
    else
        DeleteMetaFile(static_cast<HMETAFILE>(metafile));
    return file.Commit() ? 1 : 0;
}

// Clipboard data of a kind, with its format; the handle is the caller's
// until the clipboard takes it.
HANDLE ClipboardData(Zel3dChart* chart, int kind, UINT* format) {
    switch (kind) {
        case 1: {
            PackedDib dib;
            *format = CF_DIB;
            return dib.Render(chart) ? dib.Release() : nullptr;
        }
        case 3:
            *format = CF_ENHMETAFILE;
            return MakeMetafile(chart, kOutputToClipboard, nullptr, 3);
        default: {
            *format = CF_METAFILEPICT;
            auto metafile =
                static_cast<HMETAFILE>(MakeMetafile(chart, kOutputToClipboard, nullptr, kind));
            if (!metafile) return nullptr;
            HGLOBAL picture =
                GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_SHARE, sizeof(METAFILEPICT));
            auto* record = picture ? static_cast<METAFILEPICT*>(GlobalLock(picture)) : nullptr;
            if (!record) {
                if (picture) GlobalFree(picture);
                DeleteMetaFile(metafile);
                return nullptr;
            }
            *record = {MM_ANISOTROPIC, 0, 0, metafile};
            GlobalUnlock(picture);
            return picture;
        }
    }
}

void FreeClipboardData(UINT format, HANDLE data) {
    if (format == CF_ENHMETAFILE) {
        DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data));
    } else if (format == CF_METAFILEPICT) {
        if (auto* record = static_cast<METAFILEPICT*>(GlobalLock(data))) {
            DeleteMetaFile(record->hMF);
            GlobalUnlock(data);
        }
        GlobalFree(data);
    } else {
        GlobalFree(data);
    }
}

// A new logical palette with the entries of `palette`; null for none.
HPALETTE CopyPalette(HPALETTE palette) {
    if (!palette) return nullptr;
    UINT count = GetPaletteEntries(palette, 0, 0, nullptr);
    if (count == 0) return nullptr;
    std::string storage(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY), '\0');
    auto* logical = reinterpret_cast<LOGPALETTE*>(&storage[0]);
    logical->palVersion = 0x300;
    logical->palNumEntries = WORD(count);
    GetPaletteEntries(palette, 0, count, logical->palPalEntry);
    return CreatePalette(logical);
}

}  // namespace

extern "C" {

ZEL3D_API int Zel3dDrawToDC(Zel3dChart* chart, HDC dc, int method, int mode, int x, int y, int w,
                            int h) try {
    if (!chart || !dc) return 0;
    int saved = SaveDC(dc);
    int result = zel3d_place_output(chart, kOutputToDC, dc, method, mode, x, y, w, h);
    if (saved) RestoreDC(dc, saved);
    return result;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dDrawToFile(Zel3dChart* chart, const char* path, int kind) try {
    if (!chart || !path || !path[0]) return 0;
    switch (kind) {
        case 1:
            return WriteBmp(chart, path);
        case 2:
            return WritePlaceableMetafile(chart, path);
        case 3:
        case 4:
            return WriteMetafile(chart, path, kind);
        default:
            return 0;
    }
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dDrawToClipboard(Zel3dChart* chart, int kind) try {
    if (!chart || !chart->window || kind < 1 || kind > 4) return 0;
    UINT format = 0;
    HANDLE data = ClipboardData(chart, kind, &format);
    if (!data) return 0;
    if (!OpenClipboard(chart->window)) {
        FreeClipboardData(format, data);
        return 0;
    }
    EmptyClipboard();
    bool taken = SetClipboardData(format, data) != nullptr;
    if (!taken) FreeClipboardData(format, data);
    if (taken && chart->palette) {
        HPALETTE palette = CopyPalette(chart->palette);
        if (palette && !SetClipboardData(CF_PALETTE, palette)) DeleteObject(palette);
    }
    CloseClipboard();
    return taken ? 1 : 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dSaveImageAsDibBytes(Zel3dChart* chart, unsigned char* buffer, int size) try {
    if (!chart) return 0;
    PackedDib dib;
    const unsigned char* block = dib.Render(chart) ? dib.Lock() : nullptr;
    if (!block) return 0;
    size_t count = dib.size() + 14;
    if (buffer && size != 0) {
        if (size < 0 || size_t(size) < count) return 0;
        dib.FileHeader(buffer);
        memcpy(buffer + 14, block, dib.size());
    }
    return int(count);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

}  // extern "C"
