// Pictures held as device-independent bitmaps: made from a device bitmap,
// drawn stretched into a DC, read from and written to BMP files and archives.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "DC.h"
#include "Files.h"
#include "GdiObjects.h"
#include "ObjectModel.h"

class CArchive;

// What every picture kind offers; the kind supplies the image-data format.
class SECImageBase : public CObject {
public:
    virtual BOOL CreatePalette() = 0;
    virtual BOOL LoadImage(LPCSTR path);
    virtual BOOL LoadImage(CFile* file) = 0;
    virtual BOOL SaveImage(LPCSTR path);
    virtual BOOL SaveImage(CFile* file);
    virtual BOOL Clear() = 0;
    virtual BOOL Prepare() = 0;
    virtual BOOL PreSave() { return TRUE; }
    virtual BOOL PostSave() { return TRUE; }
    virtual BOOL WriteImage(CFile* file) = 0;
    virtual BOOL ReadImage(CFile* file) = 0;
    virtual void CloseFiles() { m_files.clear(); }

protected:
    CFile* m_currentFile = nullptr;
    std::vector<std::unique_ptr<CFile>> m_files;
};

class SECDib : public SECImageBase {
    DECLARE_SERIAL(SECDib)

public:
    SECDib();
    ~SECDib() override;
    SECDib(const SECDib&) = delete;
    SECDib& operator=(const SECDib&) = delete;

    BOOL CreatePalette() override;
    using SECImageBase::LoadImage;
    // A failed load keeps the picture held before.
    BOOL LoadImage(CFile* file) override;
    BOOL Clear() override;
    BOOL Prepare() override;
    BOOL WriteImage(CFile* file) override;
    BOOL ReadImage(CFile* file) override;
    void Serialize(CArchive& archive) override;

    BOOL CreateFromBitmap(CDC* dc, CBitmap* bitmap);
    int Draw(CDC* dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
             int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
    // Draws the whole picture at (x, y) at its own size.
    int Draw(CDC* dc, int x, int y, DWORD rop = SRCCOPY);
    // Moves the picture of `other` here; `other` is left empty.
    void TakeOver(SECDib& other);
    BOOL AlignRows();

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetBitsPerPixel() const { return m_bitsPerPixel; }
    int GetColorCount() const { return m_colorCount; }
    BYTE* GetBits() const { return m_bits; }
    BITMAPINFO* GetBitmapInfo() const { return reinterpret_cast<BITMAPINFO*>(m_header); }
    CPalette* GetPalette() const { return m_palette.get(); }
    BOOL IsHalftone() const { return m_halftone; }

    // Row sizes in bytes for `bitsPerPixel` and `width`.
    static size_t PackedRowBytes(int bitsPerPixel, int width);
    static size_t PaddedRowBytes(int bitsPerPixel, int width);
    // The colour-table length that goes with a bit depth (0 above 8 bits).
    static int ColorCountFor(int bitsPerPixel);

private:
    // Reads a BMP from `read`; rowBytesFromHeader reads exactly the rows the
    // header describes (archives), else the rest of the file.
    template <typename ReadFn>
    BOOL ReadBmp(ReadFn read, ULONGLONG totalLength, bool rowBytesFromHeader);
    std::vector<BYTE> BmpBytes(bool resetImageSize);
    void FreeBits();
    void FreeHeader();

    BYTE* m_bits = nullptr;
    HGLOBAL m_bitsMemory = nullptr;
    BYTE* m_header = nullptr;
    HGLOBAL m_headerMemory = nullptr;
    std::unique_ptr<CPalette> m_palette;
    int m_width = 0;
    int m_height = 0;
    int m_bitsPerPixel = 0;
    int m_alignedWidth = 0;
    int m_colorCount = 0;
    int m_screenPlanes = 0;
    int m_screenBitsPerPixel = 0;
    BOOL m_rowsAligned = FALSE;
    BOOL m_halftone = FALSE;
};
