#include "GdiObjects.h"
#include "SysColorBitmap.h"

#include "DC.h"
#include "NullObject.h"
#include "ThreadState.h"

#include <cstdlib>
#include <vector>

namespace {

CHandleMap<CGdiObject, HGDIOBJ>& GdiMap() { return AfxGetThreadState()->gdiMap; }

template <class Wrapper>
Wrapper* WrapperOf(HGDIOBJ object) {
    return static_cast<Wrapper*>(CGdiObject::FromHandle(object));
}

}  // namespace

// CGdiObject

// The temporary wrapper of a handle is of the class that matches its type,
// so FromHandle of each class may hand it out as that class.
CGdiObject* CGdiObject::NewTemporary(HGDIOBJ object) {
    switch (::GetObjectType(object)) {
    case OBJ_PEN:
    case OBJ_EXTPEN: return new CPen;
    case OBJ_BRUSH: return new CBrush;
    case OBJ_FONT: return new CFont;
    case OBJ_BITMAP: return new CBitmap;
    case OBJ_PAL: return new CPalette;
    case OBJ_REGION: return new CRgn;
    default: return new CGdiObject;
    }
}

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

CGdiObject::~CGdiObject() { DeleteObject(); }

HGDIOBJ CGdiObject::GetSafeHandle() const { return IsNullObject(this) ? nullptr : m_hObject; }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object) { return GdiMap().FromHandle(object); }

void CGdiObject::DeleteTempMap() { GdiMap().DeleteTemp(); }

BOOL CGdiObject::Attach(HGDIOBJ object) { return GdiMap().Attach(this, object); }

HGDIOBJ CGdiObject::Detach() { return GdiMap().Detach(this); }

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int count, LPVOID buffer) const {
    return ::GetObjectA(m_hObject, count, buffer);
}

UINT CGdiObject::GetObjectType() const { return ::GetObjectType(m_hObject); }

BOOL CGdiObject::CreateStockObject(int index) { return Attach(::GetStockObject(index)); }

BOOL CGdiObject::UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

void CGdiObject::AttachOrThrow(HGDIOBJ object) {
    if (!Attach(object)) AfxThrowResourceException();
}

// CPen

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen::CPen(int style, int width, COLORREF color) { AttachOrThrow(::CreatePen(style, width, color)); }

CPen::CPen(int style, int width, const LOGBRUSH* brush, int styleCount, const DWORD* styles) {
    AttachOrThrow(::ExtCreatePen(style, width, brush, styleCount, styles));
}

CPen* CPen::FromHandle(HPEN pen) { return WrapperOf<CPen>(pen); }

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    return Attach(::CreatePen(style, width, color));
}

BOOL CPen::CreatePen(int style, int width, const LOGBRUSH* brush, int styleCount, const DWORD* styles) {
    return Attach(::ExtCreatePen(style, width, brush, styleCount, styles));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN pen) { return Attach(::CreatePenIndirect(pen)); }

// CBrush

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush(COLORREF color) { AttachOrThrow(::CreateSolidBrush(color)); }

CBrush::CBrush(int hatchIndex, COLORREF color) { AttachOrThrow(::CreateHatchBrush(hatchIndex, color)); }

CBrush::CBrush(CBitmap* bitmap) { AttachOrThrow(::CreatePatternBrush(*bitmap)); }

CBrush* CBrush::FromHandle(HBRUSH brush) { return WrapperOf<CBrush>(brush); }

BOOL CBrush::CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }

BOOL CBrush::CreateHatchBrush(int index, COLORREF color) {
    return Attach(::CreateHatchBrush(index, color));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* brush) { return Attach(::CreateBrushIndirect(brush)); }

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
    return Attach(::CreatePatternBrush(static_cast<HBITMAP>(bitmap->GetSafeHandle())));
}

BOOL CBrush::CreateDIBPatternBrush(const void* packedDib, UINT usage) {
    return Attach(::CreateDIBPatternBrushPt(packedDib, usage));
}

// An owned brush of the colour, so deleting it never touches the system's brush.
BOOL CBrush::CreateSysColorBrush(int index) { return CreateSolidBrush(::GetSysColor(index)); }

// CFont

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CFont* CFont::FromHandle(HFONT font) { return WrapperOf<CFont>(font); }

BOOL CFont::CreateFontIndirect(const LOGFONT* font) { return Attach(::CreateFontIndirectA(font)); }

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                       BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, LPCSTR faceName) {
    return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic,
                                   underline, strikeOut, charSet, outPrecision, clipPrecision,
                                   quality, pitchAndFamily, faceName));
}

BOOL CFont::CreatePointFont(int pointSize, LPCSTR faceName, CDC* dc) {
    LOGFONT font = {};
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfHeight = pointSize;
    lstrcpynA(font.lfFaceName, faceName, LF_FACESIZE);
    return CreatePointFontIndirect(&font, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* font, CDC* dc) {
    // lfHeight holds tenths of a point: device pixels from the DC's vertical
    // resolution, then logical units through its current mapping.
    HDC screen = nullptr;
    HDC target = dc ? dc->m_hAttribDC : nullptr;
    if (!target) target = screen = ::GetDC(nullptr);
    LOGFONT scaled = *font;
    POINT size = {0, ::MulDiv(::GetDeviceCaps(target, LOGPIXELSY), font->lfHeight, 720)};
    POINT origin = {0, 0};
    ::DPtoLP(target, &size, 1);
    ::DPtoLP(target, &origin, 1);
    scaled.lfHeight = -std::abs(size.y - origin.y);
    if (screen) ::ReleaseDC(nullptr, screen);
    return CreateFontIndirect(&scaled);
}

// CBitmap

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

CBitmap* CBitmap::FromHandle(HBITMAP bitmap) { return WrapperOf<CBitmap>(bitmap); }

BOOL CBitmap::LoadBitmap(LPCSTR resourceName) {
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), resourceName));
}

BOOL CBitmap::LoadOEMBitmap(UINT bitmapId) {
    return Attach(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(bitmapId)));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP bitmap) { return Attach(::CreateBitmapIndirect(bitmap)); }

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    return Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* dc, int width, int height) {
    return Attach(::CreateDiscardableBitmap(dc->m_hDC, width, height));
}

DWORD CBitmap::SetBitmapBits(DWORD count, const void* bits) {
    return ::SetBitmapBits(*this, count, bits);
}

DWORD CBitmap::GetBitmapBits(DWORD count, LPVOID bits) const {
    return ::GetBitmapBits(*this, count, bits);
}

// CPalette

IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

CPalette* CPalette::FromHandle(HPALETTE palette) { return WrapperOf<CPalette>(palette); }

BOOL CPalette::CreatePalette(LPLOGPALETTE palette) { return Attach(::CreatePalette(palette)); }

BOOL CPalette::CreateHalftonePalette(CDC* dc) {
    return Attach(::CreateHalftonePalette(dc ? dc->m_hDC : nullptr));
}

int CPalette::GetEntryCount() const {
    WORD count = 0;
    GetObject(sizeof count, &count);
    return count;
}

UINT CPalette::GetPaletteEntries(UINT start, UINT count, LPPALETTEENTRY entries) const {
    return ::GetPaletteEntries(*this, start, count, entries);
}

UINT CPalette::SetPaletteEntries(UINT start, UINT count, LPPALETTEENTRY entries) {
    return ::SetPaletteEntries(*this, start, count, entries);
}

void CPalette::AnimatePalette(UINT start, UINT count, LPPALETTEENTRY entries) {
    ::AnimatePalette(*this, start, count, entries);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF color) const {
    return ::GetNearestPaletteIndex(*this, color);
}

BOOL CPalette::ResizePalette(UINT entries) { return ::ResizePalette(*this, entries); }

// CRgn

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CRgn* CRgn::FromHandle(HRGN region) { return WrapperOf<CRgn>(region); }

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateRectRgn(x1, y1, x2, y2)); }

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect) { return Attach(::CreateRectRgnIndirect(rect)); }

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT rect) { return Attach(::CreateEllipticRgnIndirect(rect)); }

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    return Attach(::CreatePolygonRgn(points, count, fillMode));
}

BOOL CRgn::CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int fillMode) {
    return Attach(::CreatePolyPolygonRgn(points, counts, polygons, fillMode));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int width, int height) {
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, width, height));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) { ::SetRectRgn(*this, x1, y1, x2, y2); }

void CRgn::SetRectRgn(LPCRECT rect) { SetRectRgn(rect->left, rect->top, rect->right, rect->bottom); }

int CRgn::CombineRgn(const CRgn* first, const CRgn* second, int mode) {
    return ::CombineRgn(*this, *first, second ? static_cast<HRGN>(*second) : nullptr, mode);
}

int CRgn::CopyRgn(const CRgn* source) { return ::CombineRgn(*this, *source, nullptr, RGN_COPY); }

BOOL CRgn::EqualRgn(const CRgn* other) const { return ::EqualRgn(*this, *other); }

int CRgn::OffsetRgn(int x, int y) { return ::OffsetRgn(*this, x, y); }

int CRgn::GetRgnBox(LPRECT rect) const { return ::GetRgnBox(*this, rect); }

BOOL CRgn::PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y); }

BOOL CRgn::RectInRegion(LPCRECT rect) const { return ::RectInRegion(*this, rect); }

// System-colour bitmaps

HBITMAP AfxLoadSysColorBitmap(HINSTANCE instance, HRSRC resource) {
    HGLOBAL loaded = resource != nullptr ? ::LoadResource(instance, resource) : nullptr;
    const BYTE* data = loaded != nullptr ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
    const DWORD size = resource != nullptr ? ::SizeofResource(instance, resource) : 0;
    if (data == nullptr || size < sizeof(BITMAPINFOHEADER)) return nullptr;
    const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(data);
    // Only uncompressed palette pictures whose header, colour table and bits
    // lie inside the resource: anything else would be read past its end.
    // The table holds biClrUsed entries when that is set, else one for every
    // pixel value; the bits follow it.
    if (info->biSize < sizeof(BITMAPINFOHEADER) || info->biSize > size || info->biBitCount == 0 ||
        info->biBitCount > 8 || info->biCompression != BI_RGB || info->biWidth <= 0 || info->biHeight == 0 ||
        info->biClrUsed > (1u << info->biBitCount))
        return nullptr;
    const DWORD colours = info->biClrUsed != 0 ? info->biClrUsed : 1u << info->biBitCount;
    const DWORD headerBytes = info->biSize + 4 * colours;
    if (headerBytes > size) return nullptr;
    const LONGLONG signedHeight = info->biHeight;
    const ULONGLONG rows = signedHeight < 0 ? -signedHeight : signedHeight;
    const ULONGLONG rowBytes = ((static_cast<ULONGLONG>(info->biWidth) * info->biBitCount + 31) / 32) * 4;
    if (rowBytes * rows > size - headerBytes) return nullptr;
    const int height = static_cast<int>(rows);

    std::vector<BYTE> header(data, data + headerBytes);
    auto* table = reinterpret_cast<RGBQUAD*>(header.data() + info->biSize);
    const struct {
        COLORREF from;
        int to;
    } mapping[] = {{RGB(0, 0, 0), COLOR_BTNTEXT},
                   {RGB(128, 128, 128), COLOR_BTNSHADOW},
                   {RGB(192, 192, 192), COLOR_BTNFACE},
                   {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT}};
    for (DWORD i = 0; i < colours; ++i) {
        const COLORREF entry = RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue);
        for (const auto& m : mapping) {
            if (entry == m.from) {
                const COLORREF system = ::GetSysColor(m.to);
                table[i] = {GetBValue(system), GetGValue(system), GetRValue(system), 0};
                break;
            }
        }
    }
    HDC screen = ::GetDC(nullptr);
    HBITMAP made = ::CreateCompatibleBitmap(screen, info->biWidth, height);
    HDC memory = ::CreateCompatibleDC(screen);
    if (made != nullptr && memory != nullptr) {
        HGDIOBJ old = ::SelectObject(memory, made);
        ::StretchDIBits(memory, 0, 0, info->biWidth, height, 0, 0, info->biWidth, height, data + headerBytes,
                        reinterpret_cast<BITMAPINFO*>(header.data()), DIB_RGB_COLORS, SRCCOPY);
        ::SelectObject(memory, old);
    } else if (made != nullptr) {
        ::DeleteObject(made);
        made = nullptr;
    }
    if (memory != nullptr) ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return made;
}
