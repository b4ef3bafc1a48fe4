#include "device/AreaImage.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "chart/Chart.h"
#include "device/DevicePalette.h"
#include "kernel/Helpers.h"
#include "kernel/ExportGuard.h"
#include "kernel/MetafileCheck.h"

namespace {

constexpr DWORD kHeadBytes = 80;
constexpr DWORD kReadBuffer = 1280;
constexpr DWORD kPlaceableKey = 0x9AC6CDD7;
constexpr DWORD kPlaceableHeader = 22;
// Pictures larger than this are refused rather than allocated.
constexpr unsigned long long kMaxImageBytes = 256ull << 20;

unsigned U16(const BYTE* p) { return p[0] | (p[1] << 8); }
DWORD U32(const BYTE* p) { return DWORD(p[0]) | (DWORD(p[1]) << 8) | (DWORD(p[2]) << 16) | (DWORD(p[3]) << 24); }
int S16(const BYTE* p) { return int(int16_t(U16(p))); }
int S32(const BYTE* p) { return int(U32(p)); }

// A file read through a small buffer; reading past its end gives -1.
class FileReader {
public:
    explicit FileReader(const char* path)
        : handle_(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr)) {}
    ~FileReader() {
        if (ok()) CloseHandle(handle_);
    }
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
    DWORD Size() const { return ok() ? GetFileSize(handle_, nullptr) : 0; }

    bool Seek(DWORD offset) {
        filled_ = at_ = 0;
        ended_ = false;
        return SetFilePointer(handle_, LONG(offset), nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
    }

    int Byte() {
        if (at_ == filled_) {
            // Once at the end, no more reads: a damaged size must not cost
            // one failed read a byte.
            if (ended_) return -1;
            at_ = 0;
            if (!ReadFile(handle_, buffer_, kReadBuffer, &filled_, nullptr) || filled_ == 0) {
                filled_ = 0;
                ended_ = true;
                return -1;
            }
        }
        return buffer_[at_++];
    }

    // Up to n bytes; returns how many there were.
    DWORD Read(BYTE* destination, DWORD n) {
        DWORD got = 0;
        for (int b; got < n && (b = Byte()) >= 0;) destination[got++] = BYTE(b);
        return got;
    }

private:
    HANDLE handle_;
    BYTE buffer_[kReadBuffer];
    DWORD filled_ = 0, at_ = 0;
    bool ended_ = false;
};

// A moveable, zero-initialised, shareable global block, locked.
template <class T>
bool AllocateBlock(unsigned long long bytes, HGLOBAL* handle, T** pointer) {
    if (bytes == 0 || bytes > kMaxImageBytes) return false;
    *handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_SHARE, SIZE_T(bytes));
    if (!*handle) return false;
    *pointer = static_cast<T*>(GlobalLock(*handle));
    if (*pointer) return true;
    GlobalFree(*handle);
    *handle = nullptr;
    return false;
}

void FreeBlock(HGLOBAL handle) {
    if (!handle) return;
    GlobalUnlock(handle);
    GlobalFree(handle);
}

// One run-length (8-bit) row into `row`; false when it needs more than the
// stride. `end` is set at the end of the picture.
bool DecodeRleRow(FileReader& file, BYTE* row, int stride, bool* end) {
    int x = 0;
    for (;;) {
        int count = file.Byte(), value = file.Byte();
        if (count < 0 || value < 0) {
            *end = true;
            return true;
        }
        if (count > 0) {
            if (x + count > stride) return false;
            memset(row + x, value, size_t(count));
            x += count;
            continue;
        }
        switch (value) {
        case 0: return true;  // end of line
        case 1: *end = true; return true;
        case 2:  // a delta: its two bytes are skipped
            file.Byte();
            file.Byte();
            break;
        default:
            if (x + value > stride) return false;
            for (int k = 0; k < value; ++k) row[x++] = BYTE(std::max(file.Byte(), 0));
            if (value % 2) file.Byte();
            break;
        }
    }
}

bool LoadBitmap(const char* path, AreaImage* image) {
    FileReader file(path);
    BYTE head[kHeadBytes] = {};
    if (!file.ok()) return false;
    DWORD got = file.Read(head, kHeadBytes);
    if (got < 26 || head[0] != 'B' || head[1] != 'M') return false;
    DWORD bits_offset = U32(head + 10), header_size = U32(head + 14);
    long long width, height;
    int bits, compression = 0;
    if (header_size == 12) {
        width = U16(head + 18);
        height = U16(head + 20);
        bits = int(U16(head + 24));
    } else if (header_size < 40 || got < 54) {
        return false;
    } else {
        width = S32(head + 18);
        height = S32(head + 22);
        bits = int(U16(head + 28));
        compression = int(U32(head + 30));
    }
    int colors;
    switch (bits) {
    case 1: colors = 2; break;
    case 4: colors = 16; break;
    case 8: colors = 256; break;
    case 16:
    case 24: colors = 0; break;
    default: return false;
    }
    // Top-down rows are stored bottom-up like the others.
    bool top_down = height < 0;
    if (top_down) height = -height;
    if (width <= 0 || height <= 0 || (top_down && compression != 0)) return false;
    long long row_bytes = (bits * width + 15) / 16 * 2, stride = (row_bytes + 3) / 4 * 4;
    unsigned long long data_bytes = (unsigned long long)(height) * (unsigned long long)(stride);
    if (data_bytes > kMaxImageBytes) return false;
    // The pixels must be in the file: all of them, or for run-length rows at
    // most 255 pixels for each two bytes.
    const unsigned long long file_bytes = file.Size();
    if (bits_offset > file_bytes) return false;
    const unsigned long long pixel_bytes = file_bytes - bits_offset;
    if (compression == BI_RLE8 ? data_bytes > pixel_bytes * 128 : data_bytes > pixel_bytes) return false;

    image->kind = kImageBitmap;
    image->colors = colors;
    image->width = int(width);
    image->height = int(height);
    image->row_bytes = int(row_bytes);
    image->row_stride = int(stride);
    image->header_bytes = 40 + 4 * colors;
    image->data_bytes = int(data_bytes);
    if (!AllocateBlock(image->header_bytes, &image->header_handle, &image->header)) return false;
    BITMAPINFOHEADER& info = image->header->bmiHeader;
    if (header_size == 12) {
        info.biPlanes = 1;
        info.biBitCount = WORD(bits);
    } else {
        memcpy(&info, head + 14, 40);
    }
    info.biSize = 40;
    info.biWidth = LONG(width);
    info.biHeight = LONG(height);
    info.biSizeImage = DWORD(data_bytes);
    info.biCompression = BI_RGB;

    // Colour table: blue, green, red (and a fourth byte in info headers).
    file.Seek(14 + header_size);
    for (int k = 0; k < colors; ++k) {
        RGBQUAD& q = image->header->bmiColors[k];
        q.rgbBlue = BYTE(std::max(file.Byte(), 0));
        q.rgbGreen = BYTE(std::max(file.Byte(), 0));
        q.rgbRed = BYTE(std::max(file.Byte(), 0));
        if (header_size != 12) file.Byte();
    }

    if (!AllocateBlock(data_bytes, &image->data_handle, &image->data)) return false;
    file.Seek(bits_offset);
    bool end = false;
    for (long long r = 0; r < height && !end; ++r) {
        BYTE* row = image->data + (top_down ? height - 1 - r : r) * stride;
        if (compression == 0) {
            file.Read(row, DWORD(stride));
        } else if (compression == BI_RLE8) {
            if (!DecodeRleRow(file, row, int(stride), &end)) return false;
        }  // other compressions leave the rows empty
    }
    return true;
}

// The whole file, when it is no larger than a picture may be.
bool ReadWholeFile(const char* path, std::string* bytes) {
    FileReader file(path);
    if (!file.ok() || file.Size() > kMaxImageBytes) return false;
    bytes->resize(file.Size());
    return file.Read(reinterpret_cast<BYTE*>(&(*bytes)[0]), DWORD(bytes->size())) == bytes->size();
}

const uint8_t* Bytes(const std::string& bytes) { return reinterpret_cast<const uint8_t*>(bytes.data()); }

// The metafiles are checked byte by byte before GDI ever sees them, and kept
// as the checked bytes.
bool LoadPlainMetafile(const char* path, AreaImage* image) {
    std::string bytes;
    if (!ReadWholeFile(path, &bytes)) return false;
    size_t size = zel3d_check_windows_metafile(Bytes(bytes), bytes.size());
    image->kind = kImageMetafile;
    if (size == 0 || !AllocateBlock(size, &image->data_handle, &image->data)) return false;
    memcpy(image->data, bytes.data(), size);
    image->data_bytes = int(size);
    return true;
}

bool LoadEnhancedMetafile(const char* path, AreaImage* image) {
    std::string bytes;
    EnhancedMetafileFacts facts;
    if (!ReadWholeFile(path, &bytes) || !zel3d_check_enhanced_metafile(Bytes(bytes), bytes.size(), &facts))
        return false;
    image->kind = kImageEnhancedMetafile;
    if (!AllocateBlock(facts.bytes, &image->data_handle, &image->data)) return false;
    memcpy(image->data, bytes.data(), facts.bytes);
    image->data_bytes = int(facts.bytes);
    image->width = facts.right - facts.left + 1;
    image->height = facts.bottom - facts.top + 1;
    // The palette entries of the end record, as GDI would give them.
    if (facts.palette_entries > 0 &&
        AllocateBlock(facts.palette_entries * sizeof(PALETTEENTRY), &image->palette_handle, &image->palette)) {
        memcpy(image->palette, bytes.data() + facts.palette_offset, facts.palette_entries * sizeof(PALETTEENTRY));
        image->palette_entries = int(facts.palette_entries);
    }
    return true;
}

bool LoadPlaceableMetafile(const char* path, AreaImage* image) {
    std::string bytes;
    if (!ReadWholeFile(path, &bytes) || bytes.size() < kPlaceableHeader + 18) return false;
    const BYTE* head = reinterpret_cast<const BYTE*>(bytes.data());
    if (U32(head) != kPlaceableKey) return false;
    unsigned units = U16(head + 14);
    if (units == 0) return false;
    // The picture in thousandths of an inch, then in screen pixels.
    POINT size = {LONG((S16(head + 10) - S16(head + 6)) * 1000L / long(units)),
                  LONG((S16(head + 12) - S16(head + 8)) * 1000L / long(units))};
    if (HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr)) {
        SetMapMode(screen, MM_HIENGLISH);
        LPtoDP(screen, &size, 1);
        DeleteDC(screen);
    }
    image->kind = kImagePlaceableMetafile;
    image->width = std::abs(int(size.x));
    image->height = std::abs(int(size.y));
    // A plain metafile follows the placeable header.
    size_t metafile = zel3d_check_windows_metafile(Bytes(bytes) + kPlaceableHeader, bytes.size() - kPlaceableHeader);
    if (metafile == 0 || !AllocateBlock(metafile, &image->data_handle, &image->data)) return false;
    memcpy(image->data, bytes.data() + kPlaceableHeader, metafile);
    image->data_bytes = int(metafile);
    return true;
}

// The kind of a picture file from its first bytes, or 0.
int KindOf(const BYTE* head, DWORD got) {
    if (got >= 2 && head[0] == 'B' && head[1] == 'M') return kImageBitmap;
    if (got >= 6 && U16(head) == 1 && U16(head + 2) == 9 && U16(head + 4) == 0x300) return kImageMetafile;
    if (got >= 4 && U32(head) == kPlaceableKey) return kImagePlaceableMetafile;
    if (got >= 44 && memcmp(head + 41, "EMF", 3) == 0) return kImageEnhancedMetafile;
    return 0;
}

bool CopyBlock(const void* source, unsigned long long bytes, HGLOBAL* handle, BYTE** pointer) {
    if (!AllocateBlock(bytes, handle, pointer)) return false;
    memcpy(*pointer, source, size_t(bytes));
    return true;
}

}  // namespace

void zel3d_image_free(AreaImage* image) {
    if (!image) return;
    FreeBlock(image->header_handle);
    FreeBlock(image->palette_handle);
    FreeBlock(image->data_handle);
    free(image);
}

void zel3d_image_slot_free(ImageSlot* slot, bool with_name) {
    zel3d_image_free(slot->image);
    slot->image = nullptr;
    if (with_name) {
        free(slot->file_name);
        slot->file_name = nullptr;
    }
}

ImageSlot* zel3d_image_slot(Zel3dChart* chart, Zel3dText* text, int code) {
    if (!chart) return nullptr;
    switch (code) {
    case ZEL3D_IMAGE: return &chart->image;
    case ZEL3D_GRAPH_IMAGE: return &chart->graph.image;
    case ZEL3D_HEADER_IMAGE: return &chart->header.image;
    case ZEL3D_FOOTER_IMAGE: return &chart->footer.image;
    case ZEL3D_LEGEND_IMAGE: return &chart->legend.image;
    case ZEL3D_TEXT_IMAGE: return text ? &text->image : nullptr;
    default: return nullptr;
    }
}

int zel3d_load_image_file(Zel3dChart* chart, ImageSlot* slot) {
    zel3d_image_slot_free(slot, false);
    if (!slot->file_name || !slot->file_name[0]) return 0;
    std::string path = zel3d_expand_path(slot->file_name);
    BYTE head[kHeadBytes] = {};
    DWORD got = 0;
    {
        FileReader file(path.c_str());
        if (!file.ok()) return 0;
        got = file.Read(head, kHeadBytes);
    }
    int kind = KindOf(head, got);
    if (!kind) return 0;
    AreaImage* image = static_cast<AreaImage*>(calloc(1, sizeof(AreaImage)));
    if (!image) return 0;
    slot->image = image;
    bool loaded = false;
    switch (kind) {
    case kImageBitmap: loaded = LoadBitmap(path.c_str(), image); break;
    case kImageMetafile: loaded = LoadPlainMetafile(path.c_str(), image); break;
    case kImagePlaceableMetafile: loaded = LoadPlaceableMetafile(path.c_str(), image); break;
    default: loaded = LoadEnhancedMetafile(path.c_str(), image); break;
    }
    if (!loaded) {
        zel3d_image_slot_free(slot, false);
        return 0;
    }
    if (kind == kImageBitmap || kind == kImageEnhancedMetafile) zel3d_build_palette(chart);
    return 1;
}

extern "C" {

ZEL3D_API int Zel3d_SetImageFileName(Zel3dChart* chart, Zel3dText* text, int code, const char* file_name) try {
    ImageSlot* slot = zel3d_image_slot(chart, text, code);
    if (!slot || zel3d_strequal(slot->file_name, file_name)) return 0;
    char* copy = zel3d_strdup(file_name);
    if (file_name && !copy) return 0;
    free(slot->file_name);
    slot->file_name = copy;
    return 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API Zel3dImageData* Zel3d_GetImageData(Zel3dChart* chart, Zel3dText* text, int code) try {
    ImageSlot* slot = zel3d_image_slot(chart, text, code);
    return slot ? slot->image : nullptr;
} catch (...) {
    return zel3d_export_failure<Zel3dImageData*>(nullptr);
}

ZEL3D_API BYTE* Zel3d_SetImageData(Zel3dChart* chart, Zel3dText* text, int code, const Zel3dImageData* source) try {
    ImageSlot* slot = zel3d_image_slot(chart, text, code);
    if (!slot || !source || !source->data || source->data_bytes <= 0) return nullptr;
    AreaImage* image = static_cast<AreaImage*>(calloc(1, sizeof(AreaImage)));
    if (!image) return nullptr;
    image->kind = source->kind;
    image->colors = source->colors;
    image->width = source->width;
    image->row_bytes = source->row_bytes;
    image->height = source->height;
    image->row_stride = source->row_stride;
    image->header_bytes = source->header_bytes;
    bool ok = true;
    if (source->header) {
        unsigned long long bytes = 40ull + 4ull * (unsigned(std::max(source->colors, 0)));
        ok = CopyBlock(source->header, bytes, &image->header_handle, reinterpret_cast<BYTE**>(&image->header));
    }
    if (ok && source->palette && source->palette_entries > 0) {
        ok = CopyBlock(source->palette, unsigned(source->palette_entries) * sizeof(PALETTEENTRY),
                       &image->palette_handle, reinterpret_cast<BYTE**>(&image->palette));
        image->palette_entries = source->palette_entries;
    }
    if (ok) ok = CopyBlock(source->data, unsigned(source->data_bytes), &image->data_handle, &image->data);
    if (!ok) {
        zel3d_image_free(image);
        return nullptr;
    }
    image->data_bytes = source->data_bytes;
    zel3d_image_slot_free(slot, false);
    slot->image = image;
    return image->data;
} catch (...) {
    return zel3d_export_failure<BYTE*>(nullptr);
}

}  // extern "C"
