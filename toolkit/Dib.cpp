#include "Dib.h"

#include <algorithm>
#include <cstring>

#include "Archive.h"

namespace {

constexpr WORD kBmpType = 0x4D42;  // "BM"
constexpr DWORD kFileHeaderBytes = 14;
constexpr DWORD kInfoHeaderBytes = 40;
// Room kept after the colour table in the header block.
constexpr DWORD kHeaderSlack = 1010;
// Largest block of rows accepted from a file: guards the size arithmetic.
constexpr ULONGLONG kMaxRowBytes = 0x40000000;

DWORD ReadU32(const BYTE* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<DWORD>(p[3]) << 24); }
WORD ReadU16(const BYTE* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }
void PutU32(std::vector<BYTE>& out, DWORD v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<BYTE>(v >> (8 * i)));
}
void PutU16(std::vector<BYTE>& out, WORD v) {
    out.push_back(static_cast<BYTE>(v));
    out.push_back(static_cast<BYTE>(v >> 8));
}

// A locked block of movable, zeroed global memory.
BYTE* AllocLocked(size_t bytes, HGLOBAL& memory) {
    memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (memory == nullptr) return nullptr;
    BYTE* p = static_cast<BYTE*>(::GlobalLock(memory));
    if (p == nullptr) {
        ::GlobalFree(memory);
        memory = nullptr;
    }
    return p;
}
void FreeLocked(BYTE*& p, HGLOBAL& memory) {
    if (memory != nullptr) {
        ::GlobalUnlock(memory);
        ::GlobalFree(memory);
    }
    memory = nullptr;
    p = nullptr;
}

bool KnownBitDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

BOOL SECImageBase::LoadImage(LPCSTR path) {
    auto file = std::make_unique<CFile>();
    if (!file->Open(path, CFile::modeRead | CFile::shareDenyWrite)) return FALSE;
    CFile* opened = file.get();
    m_files.push_back(std::move(file));
    const BOOL loaded = LoadImage(opened);
    opened->Close();
    return loaded;
}

BOOL SECImageBase::SaveImage(LPCSTR path) {
    auto file = std::make_unique<CFile>();
    if (!file->Open(path, CFile::modeCreate | CFile::modeWrite)) return FALSE;
    CFile* opened = file.get();
    m_files.push_back(std::move(file));
    const BOOL saved = SaveImage(opened);
    opened->Close();
    return saved;
}

BOOL SECImageBase::SaveImage(CFile* file) {
    m_currentFile = file;
    return PreSave() && WriteImage(file) && PostSave();
}

IMPLEMENT_SERIAL(SECDib, CObject, 1)

SECDib::SECDib() {
    HDC screen = ::GetDC(nullptr);
    if (screen != nullptr) {
        m_screenPlanes = ::GetDeviceCaps(screen, PLANES);
        const int bits = ::GetDeviceCaps(screen, BITSPIXEL);
        m_screenBitsPerPixel = (bits == 1 || bits == 2 || bits == 4 || bits == 8) ? bits : 0;
        ::ReleaseDC(nullptr, screen);
    }
}

SECDib::~SECDib() {
    FreeBits();
    FreeHeader();
}

size_t SECDib::PackedRowBytes(int bitsPerPixel, int width) {
    const ULONGLONG bits = static_cast<ULONGLONG>(bitsPerPixel) * static_cast<ULONGLONG>(width);
    return bits == 0 ? 0 : static_cast<size_t>((bits - 1) / 8 + 1);
}

size_t SECDib::PaddedRowBytes(int bitsPerPixel, int width) {
    const ULONGLONG bits = static_cast<ULONGLONG>(bitsPerPixel) * static_cast<ULONGLONG>(width);
    return static_cast<size_t>((bits + 31) / 32 * 4);
}

int SECDib::ColorCountFor(int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1: return 2;
        case 4: return 16;
        case 8: return 256;
        default: return 0;
    }
}

void SECDib::FreeBits() { FreeLocked(m_bits, m_bitsMemory); }
void SECDib::FreeHeader() { FreeLocked(m_header, m_headerMemory); }

BOOL SECDib::Clear() {
    FreeBits();
    FreeHeader();
    m_palette.reset();
    m_width = m_height = m_bitsPerPixel = m_alignedWidth = m_colorCount = 0;
    m_rowsAligned = FALSE;
    m_halftone = FALSE;
    return TRUE;
}

void SECDib::TakeOver(SECDib& other) {
    if (&other == this) return;
    FreeBits();
    FreeHeader();
    m_bits = other.m_bits;
    m_bitsMemory = other.m_bitsMemory;
    m_header = other.m_header;
    m_headerMemory = other.m_headerMemory;
    m_palette = std::move(other.m_palette);
    m_width = other.m_width;
    m_height = other.m_height;
    m_bitsPerPixel = other.m_bitsPerPixel;
    m_alignedWidth = other.m_alignedWidth;
    m_colorCount = other.m_colorCount;
    m_rowsAligned = other.m_rowsAligned;
    m_halftone = other.m_halftone;
    other.m_bits = nullptr;
    other.m_bitsMemory = nullptr;
    other.m_header = nullptr;
    other.m_headerMemory = nullptr;
    other.Clear();
}

BOOL SECDib::CreatePalette() {
    if (m_header == nullptr) return FALSE;
    const BITMAPINFOHEADER& info = *reinterpret_cast<BITMAPINFOHEADER*>(m_header);
    if (info.biBitCount > 8) return TRUE;  // true-colour pictures need no palette
    const int used = static_cast<int>(info.biClrUsed);
    const int n = used != 0 ? used : m_colorCount;
    const int entries = std::max(m_colorCount, used);
    if (entries <= 0) return FALSE;
    std::vector<BYTE> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * entries);
    auto* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(entries);
    const RGBQUAD* table = reinterpret_cast<const RGBQUAD*>(m_header + info.biSize);
    for (int i = 0; i < n; ++i) {
        palette->palPalEntry[i].peRed = table[i].rgbRed;
        palette->palPalEntry[i].peGreen = table[i].rgbGreen;
        palette->palPalEntry[i].peBlue = table[i].rgbBlue;
        palette->palPalEntry[i].peFlags = 0;
    }
    m_palette = std::make_unique<CPalette>();
    return m_palette->CreatePalette(palette);
}

BOOL SECDib::CreateFromBitmap(CDC* dc, CBitmap* bitmap) {
    BITMAP description = {};
    if (dc == nullptr || bitmap == nullptr || !::GetObjectA(*bitmap, sizeof description, &description))
        return FALSE;
    const int width = description.bmWidth;
    const int height = description.bmHeight;
    const int depth = description.bmBitsPixel;
    FreeBits();
    const size_t row = PaddedRowBytes(depth > 8 ? 24 : 8, width);
    m_bits = AllocLocked(row * height, m_bitsMemory);
    if (m_bits == nullptr) return FALSE;
    m_colorCount = depth == 1 ? (1 << description.bmPlanes) : ColorCountFor(depth);
    FreeHeader();
    m_header = AllocLocked(kInfoHeaderBytes + 4 * m_colorCount, m_headerMemory);
    if (m_header == nullptr) {
        FreeBits();
        return FALSE;
    }
    auto& info = *reinterpret_cast<BITMAPINFOHEADER*>(m_header);
    info.biSize = kInfoHeaderBytes;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(depth <= 8 ? description.bmPlanes * depth : 24);
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(PaddedRowBytes(info.biBitCount, width) * height);
    m_width = width;
    m_height = height;
    m_bitsPerPixel = info.biBitCount;
    ::GetDIBits(dc->GetSafeHdc(), *bitmap, 0, height, m_bits, GetBitmapInfo(), DIB_RGB_COLORS);
    CreatePalette();
    m_rowsAligned = TRUE;
    m_alignedWidth = (width + 3) & ~3;
    return TRUE;
}

int SECDib::Draw(CDC* dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                 int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    if (dc == nullptr) return 0;
    HDC hdc = dc->GetSafeHdc();
    if (!m_halftone)
        return ::StretchDIBits(hdc, x, y, width, height, srcX, srcY, srcWidth, srcHeight, bits, info,
                               usage, rop);
    HPALETTE halftone = ::CreateHalftonePalette(hdc);
    if (halftone == nullptr) return 0;
    HPALETTE oldPalette = ::SelectPalette(hdc, halftone, FALSE);
    ::RealizePalette(hdc);
    const int oldMode = ::SetStretchBltMode(hdc, HALFTONE);
    const int lines = ::StretchDIBits(hdc, x, y, width, height, srcX, srcY, srcWidth, srcHeight, bits,
                                      info, usage, rop);
    ::SetStretchBltMode(hdc, oldMode);
    ::SelectPalette(hdc, oldPalette, FALSE);
    ::DeleteObject(halftone);
    return lines;
}

int SECDib::Draw(CDC* dc, int x, int y, DWORD rop) {
    if (m_bits == nullptr || m_header == nullptr) return 0;
    return Draw(dc, x, y, m_width, m_height, 0, 0, m_width, m_height, m_bits, GetBitmapInfo(),
                DIB_RGB_COLORS, rop);
}

BOOL SECDib::AlignRows() {
    m_alignedWidth = (m_width + 3) & ~3;
    const size_t packed = PackedRowBytes(m_bitsPerPixel, m_width);
    const size_t padded = PaddedRowBytes(m_bitsPerPixel, m_width);
    if (m_rowsAligned || packed == padded || m_bits == nullptr) {
        m_rowsAligned = TRUE;
        return TRUE;
    }
    std::vector<BYTE> row(packed);
    for (int r = m_height - 1; r >= 1; --r) {
        std::memcpy(row.data(), m_bits + packed * r, packed);
        std::memcpy(m_bits + padded * r, row.data(), packed);
    }
    m_rowsAligned = TRUE;
    return TRUE;
}

BOOL SECDib::Prepare() {
    CreatePalette();
    if (!AlignRows()) return FALSE;
    m_halftone = m_screenBitsPerPixel != 0 && m_screenBitsPerPixel != m_bitsPerPixel;
    if (m_header == nullptr) {
        m_header = AllocLocked(kInfoHeaderBytes + 4 * m_colorCount, m_headerMemory);
        if (m_header == nullptr) return FALSE;
        auto& info = *reinterpret_cast<BITMAPINFOHEADER*>(m_header);
        info.biSize = kInfoHeaderBytes;
        info.biWidth = m_width;
        info.biHeight = m_height;
        info.biPlanes = static_cast<WORD>(m_screenPlanes);
        info.biBitCount = static_cast<WORD>(m_bitsPerPixel);
        info.biCompression = BI_RGB;
        info.biSizeImage = static_cast<DWORD>(PaddedRowBytes(m_bitsPerPixel, m_width) * m_height);
    }
    return TRUE;
}

BOOL SECDib::LoadImage(CFile* file) {
    m_currentFile = file;
    SECDib previous;
    const bool hadPicture = m_bits != nullptr && m_width != 0 && m_height != 0 && m_header != nullptr;
    if (hadPicture) previous.TakeOver(*this);
    Clear();
    if (file != nullptr && ReadImage(file) && Prepare()) return TRUE;
    Clear();
    if (hadPicture) TakeOver(previous);
    return FALSE;
}

template <typename ReadFn>
BOOL SECDib::ReadBmp(ReadFn read, ULONGLONG totalLength, bool rowBytesFromHeader) {
    BYTE fileHeader[kFileHeaderBytes];
    if (!read(fileHeader, kFileHeaderBytes) || ReadU16(fileHeader) != kBmpType) return FALSE;
    const DWORD offsetToBits = ReadU32(fileHeader + 10);
    // The info header must fit between the file header and the rows, and the
    // rows must start inside the file.
    if (offsetToBits < kFileHeaderBytes + kInfoHeaderBytes || offsetToBits > totalLength) return FALSE;
    const DWORD headerBytes = offsetToBits - kFileHeaderBytes;
    FreeHeader();
    m_header = AllocLocked(static_cast<size_t>(offsetToBits) + kHeaderSlack, m_headerMemory);
    if (m_header == nullptr) return FALSE;
    auto fail = [this] {
        FreeHeader();
        FreeBits();
        return FALSE;
    };
    if (!read(m_header, headerBytes)) return fail();
    const DWORD infoSize = ReadU32(m_header);
    const LONG width = static_cast<LONG>(ReadU32(m_header + 4));
    const LONG height = static_cast<LONG>(ReadU32(m_header + 8));
    const int bitCount = ReadU16(m_header + 14);
    const DWORD compression = ReadU32(m_header + 16);
    const DWORD usedColours = ReadU32(m_header + 32);
    const int colours = ColorCountFor(bitCount);
    // Only plain bottom-up rows in a known depth, with the colour table the
    // header promises inside the bytes read.
    if (infoSize < kInfoHeaderBytes || infoSize > headerBytes || width <= 0 || height <= 0 ||
        !KnownBitDepth(bitCount) || compression != BI_RGB ||
        (colours != 0 && usedColours > static_cast<DWORD>(colours)) ||
        infoSize + 4ULL * std::max<DWORD>(usedColours, colours) > headerBytes)
        return fail();
    const ULONGLONG rowBytes = static_cast<ULONGLONG>(PaddedRowBytes(bitCount, width)) * height;
    const ULONGLONG available = totalLength - offsetToBits;
    if (rowBytes == 0 || rowBytes > kMaxRowBytes || rowBytes > available) return fail();
    const ULONGLONG toRead = rowBytesFromHeader ? rowBytes : available;
    if (toRead > kMaxRowBytes) return fail();
    m_width = width;
    m_height = height;
    m_bitsPerPixel = bitCount;
    m_colorCount = colours;
    m_rowsAligned = TRUE;
    FreeBits();
    m_bits = AllocLocked(static_cast<size_t>(toRead), m_bitsMemory);
    if (m_bits == nullptr || !read(m_bits, static_cast<UINT>(toRead))) return fail();
    return TRUE;
}

BOOL SECDib::ReadImage(CFile* file) {
    const ULONGLONG length = file->GetLength();
    return ReadBmp([file](void* to, UINT count) { return file->Read(to, count) == count; }, length, false);
}

std::vector<BYTE> SECDib::BmpBytes(bool resetImageSize) {
    AlignRows();
    auto& info = *reinterpret_cast<BITMAPINFOHEADER*>(m_header);
    if (resetImageSize) info.biSizeImage = 0;
    const DWORD colours = static_cast<DWORD>(ColorCountFor(m_bitsPerPixel));
    const DWORD rows = static_cast<DWORD>(PaddedRowBytes(m_bitsPerPixel, m_width) * m_height);
    const DWORD offset = kFileHeaderBytes + info.biSize + 4 * colours;
    std::vector<BYTE> out;
    out.reserve(offset + rows);
    PutU16(out, kBmpType);
    PutU32(out, offset + rows);
    PutU16(out, 0);
    PutU16(out, 0);
    PutU32(out, offset);
    PutU32(out, info.biSize);
    PutU32(out, static_cast<DWORD>(info.biWidth));
    PutU32(out, static_cast<DWORD>(info.biHeight));
    PutU16(out, info.biPlanes);
    PutU16(out, info.biBitCount);
    PutU32(out, info.biCompression);
    PutU32(out, info.biSizeImage);
    PutU32(out, static_cast<DWORD>(info.biXPelsPerMeter));
    PutU32(out, static_cast<DWORD>(info.biYPelsPerMeter));
    PutU32(out, info.biClrUsed);
    PutU32(out, info.biClrImportant);
    // Anything of a longer info header beyond its first 40 bytes, then the colours.
    out.insert(out.end(), m_header + kInfoHeaderBytes, m_header + info.biSize + 4 * colours);
    out.insert(out.end(), m_bits, m_bits + rows);
    return out;
}

BOOL SECDib::WriteImage(CFile* file) {
    if (m_bits == nullptr || m_header == nullptr) return FALSE;
    const std::vector<BYTE> bytes = BmpBytes(true);
    file->Write(bytes.data(), static_cast<UINT>(bytes.size()));
    return TRUE;
}

void SECDib::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        if (m_bits == nullptr || m_header == nullptr) return;
        const std::vector<BYTE> bytes = BmpBytes(false);
        archive.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        return;
    }
    Clear();
    CFile* file = archive.GetFile();
    const ULONGLONG length = file != nullptr ? file->GetLength() : 0;
    if (ReadBmp([&archive](void* to, UINT count) { return archive.Read(to, count) == count; }, length, true))
        Prepare();
    else
        Clear();
}
