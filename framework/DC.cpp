#include "DC.h"

#include "NullObject.h"
#include "ThreadState.h"
#include "Wnd.h"

#include <cstdlib>

namespace {

CHandleMap<CDC, HDC>& DcMap() { return AfxGetThreadState()->dcMap; }

template <class Wrapper>
Wrapper* Wrap(HGDIOBJ object) {
    return static_cast<Wrapper*>(CGdiObject::FromHandle(object));
}

}  // namespace

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::~CDC() {
    if (m_hDC) DeleteDC();
}

HDC CDC::GetSafeHdc() const { return IsNullObject(this) ? nullptr : m_hDC; }

CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

CDC* CDC::NewTemporary(HDC dc) {
    // A wrapper answers queries from the DC it wraps.
    CDC* wrapper = new CDC;
    wrapper->m_hAttribDC = dc;
    return wrapper;
}

CDC* CDC::FromHandle(HDC dc) { return DcMap().FromHandle(dc); }

void CDC::DeleteTempMap() { DcMap().DeleteTemp(); }

BOOL CDC::Attach(HDC dc) {
    if (!DcMap().Attach(this, dc)) return FALSE;
    m_hAttribDC = dc;
    return TRUE;
}

HDC CDC::Detach() {
    m_hAttribDC = nullptr;
    return DcMap().Detach(this);
}

void CDC::SetAttribDC(HDC dc) { m_hAttribDC = dc; }

void CDC::SetOutputDC(HDC dc) {
    ReleaseOutputDC();
    DcMap().Attach(this, dc);
}

void CDC::ReleaseAttribDC() { m_hAttribDC = nullptr; }

void CDC::ReleaseOutputDC() { DcMap().Detach(this); }

BOOL CDC::CreateDC(LPCSTR driver, LPCSTR device, LPCSTR output, const void* initData) {
    return Attach(::CreateDCA(driver, device, output, static_cast<const DEVMODEA*>(initData)));
}

BOOL CDC::CreateIC(LPCSTR driver, LPCSTR device, LPCSTR output, const void* initData) {
    return Attach(::CreateICA(driver, device, output, static_cast<const DEVMODEA*>(initData)));
}

BOOL CDC::CreateCompatibleDC(CDC* dc) { return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr)); }

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    return ::DeleteDC(Detach());
}

template <class Result, class Set>
Result CDC::SetOnBoth(Set set) {
    Result previous{};
    if (m_hDC && m_hDC != m_hAttribDC) previous = set(m_hDC);
    if (m_hAttribDC) previous = set(m_hAttribDC);
    return previous;
}

// With two DCs the attribute DC's save level is the one returned; the output
// DC is saved alongside and restored to its latest save.
int CDC::SaveDC() {
    if (m_hDC && m_hDC != m_hAttribDC) ::SaveDC(m_hDC);
    return m_hAttribDC ? ::SaveDC(m_hAttribDC) : 0;
}

BOOL CDC::RestoreDC(int savedDC) {
    BOOL done = TRUE;
    if (m_hDC && m_hDC != m_hAttribDC) done = ::RestoreDC(m_hDC, -1);
    if (m_hAttribDC) done = ::RestoreDC(m_hAttribDC, savedDC) && done;
    return done;
}

// Objects

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    return SetOnBoth<HGDIOBJ>([object](HDC dc) { return ::SelectObject(dc, object); });
}

CPen* CDC::SelectObject(CPen* pen) { return Wrap<CPen>(SelectObject(pen->GetSafeHandle())); }

CBrush* CDC::SelectObject(CBrush* brush) { return Wrap<CBrush>(SelectObject(brush->GetSafeHandle())); }

CFont* CDC::SelectObject(CFont* font) { return Wrap<CFont>(SelectObject(font->GetSafeHandle())); }

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    return Wrap<CBitmap>(SelectObject(bitmap->GetSafeHandle()));
}

int CDC::SelectObject(CRgn* region) {
    // For a region SelectObject returns the region's kind, not an old object.
    return static_cast<int>(reinterpret_cast<INT_PTR>(SelectObject(region->GetSafeHandle())));
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    return CGdiObject::FromHandle(SelectObject(object->GetSafeHandle()));
}

CGdiObject* CDC::SelectStockObject(int index) {
    return CGdiObject::FromHandle(SelectObject(::GetStockObject(index)));
}

CPalette* CDC::SelectPalette(CPalette* palette, BOOL forceBackground) {
    return Wrap<CPalette>(::SelectPalette(m_hDC, static_cast<HPALETTE>(palette->GetSafeHandle()),
                                          forceBackground));
}

CPen* CDC::GetCurrentPen() const { return Wrap<CPen>(::GetCurrentObject(m_hDC, OBJ_PEN)); }
CBrush* CDC::GetCurrentBrush() const { return Wrap<CBrush>(::GetCurrentObject(m_hDC, OBJ_BRUSH)); }
CFont* CDC::GetCurrentFont() const { return Wrap<CFont>(::GetCurrentObject(m_hDC, OBJ_FONT)); }
CBitmap* CDC::GetCurrentBitmap() const { return Wrap<CBitmap>(::GetCurrentObject(m_hDC, OBJ_BITMAP)); }
CPalette* CDC::GetCurrentPalette() const { return Wrap<CPalette>(::GetCurrentObject(m_hDC, OBJ_PAL)); }

// Attributes

COLORREF CDC::SetBkColor(COLORREF color) {
    return SetOnBoth<COLORREF>([color](HDC dc) { return ::SetBkColor(dc, color); });
}

int CDC::SetBkMode(int mode) {
    return SetOnBoth<int>([mode](HDC dc) { return ::SetBkMode(dc, mode); });
}

COLORREF CDC::SetTextColor(COLORREF color) {
    return SetOnBoth<COLORREF>([color](HDC dc) { return ::SetTextColor(dc, color); });
}

UINT CDC::SetTextAlign(UINT flags) {
    return SetOnBoth<UINT>([flags](HDC dc) { return ::SetTextAlign(dc, flags); });
}

int CDC::SetTextCharacterExtra(int extra) {
    return SetOnBoth<int>([extra](HDC dc) { return ::SetTextCharacterExtra(dc, extra); });
}

int CDC::SetROP2(int mode) {
    return SetOnBoth<int>([mode](HDC dc) { return ::SetROP2(dc, mode); });
}

int CDC::SetPolyFillMode(int mode) {
    return SetOnBoth<int>([mode](HDC dc) { return ::SetPolyFillMode(dc, mode); });
}

int CDC::SetStretchBltMode(int mode) {
    return SetOnBoth<int>([mode](HDC dc) { return ::SetStretchBltMode(dc, mode); });
}

CPoint CDC::GetBrushOrg() const {
    POINT point = {};
    ::GetBrushOrgEx(m_hDC, &point);
    return point;
}

CPoint CDC::SetBrushOrg(int x, int y) {
    POINT previous = {};
    ::SetBrushOrgEx(m_hDC, x, y, &previous);
    return previous;
}

// Mapping

int CDC::SetMapMode(int mode) {
    return SetOnBoth<int>([mode](HDC dc) { return ::SetMapMode(dc, mode); });
}

CPoint CDC::GetViewportOrg() const {
    POINT point = {};
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetViewportOrg(int x, int y) {
    return SetOnBoth<CPoint>([x, y](HDC dc) {
        POINT previous = {};
        ::SetViewportOrgEx(dc, x, y, &previous);
        return CPoint(previous);
    });
}

CPoint CDC::OffsetViewportOrg(int width, int height) {
    return SetOnBoth<CPoint>([width, height](HDC dc) {
        POINT previous = {};
        ::OffsetViewportOrgEx(dc, width, height, &previous);
        return CPoint(previous);
    });
}

CSize CDC::GetViewportExt() const {
    SIZE size = {};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetViewportExt(int cx, int cy) {
    return SetOnBoth<CSize>([cx, cy](HDC dc) {
        SIZE previous = {};
        ::SetViewportExtEx(dc, cx, cy, &previous);
        return CSize(previous);
    });
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) {
    return SetOnBoth<CSize>([=](HDC dc) {
        SIZE previous = {};
        ::ScaleViewportExtEx(dc, xNum, xDenom, yNum, yDenom, &previous);
        return CSize(previous);
    });
}

CPoint CDC::GetWindowOrg() const {
    POINT point = {};
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    return SetOnBoth<CPoint>([x, y](HDC dc) {
        POINT previous = {};
        ::SetWindowOrgEx(dc, x, y, &previous);
        return CPoint(previous);
    });
}

CPoint CDC::OffsetWindowOrg(int width, int height) {
    return SetOnBoth<CPoint>([width, height](HDC dc) {
        POINT previous = {};
        ::OffsetWindowOrgEx(dc, width, height, &previous);
        return CPoint(previous);
    });
}

CSize CDC::GetWindowExt() const {
    SIZE size = {};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy) {
    return SetOnBoth<CSize>([cx, cy](HDC dc) {
        SIZE previous = {};
        ::SetWindowExtEx(dc, cx, cy, &previous);
        return CSize(previous);
    });
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) {
    return SetOnBoth<CSize>([=](HDC dc) {
        SIZE previous = {};
        ::ScaleWindowExtEx(dc, xNum, xDenom, yNum, yDenom, &previous);
        return CSize(previous);
    });
}

// A size converts as the distance between two points, so it stays positive
// in mapping modes whose y axis points up.
void CDC::DPtoLP(LPSIZE size) const {
    POINT points[2] = {{0, 0}, {size->cx, size->cy}};
    DPtoLP(points, 2);
    size->cx = std::abs(points[1].x - points[0].x);
    size->cy = std::abs(points[1].y - points[0].y);
}

void CDC::LPtoDP(LPSIZE size) const {
    POINT points[2] = {{0, 0}, {size->cx, size->cy}};
    LPtoDP(points, 2);
    size->cx = std::abs(points[1].x - points[0].x);
    size->cy = std::abs(points[1].y - points[0].y);
}

// Clipping

int CDC::SelectClipRgn(CRgn* region) {
    HRGN handle = static_cast<HRGN>(region->GetSafeHandle());
    return SetOnBoth<int>([handle](HDC dc) { return ::SelectClipRgn(dc, handle); });
}

int CDC::SelectClipRgn(CRgn* region, int mode) {
    HRGN handle = static_cast<HRGN>(region->GetSafeHandle());
    return SetOnBoth<int>([handle, mode](HDC dc) { return ::ExtSelectClipRgn(dc, handle, mode); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
    return SetOnBoth<int>([=](HDC dc) { return ::ExcludeClipRect(dc, x1, y1, x2, y2); });
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
    return SetOnBoth<int>([=](HDC dc) { return ::IntersectClipRect(dc, x1, y1, x2, y2); });
}

int CDC::OffsetClipRgn(int x, int y) {
    return SetOnBoth<int>([x, y](HDC dc) { return ::OffsetClipRgn(dc, x, y); });
}

// Lines

CPoint CDC::GetCurrentPosition() const {
    POINT point = {};
    ::GetCurrentPositionEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::MoveTo(int x, int y) {
    return SetOnBoth<CPoint>([x, y](HDC dc) {
        POINT previous = {};
        ::MoveToEx(dc, x, y, &previous);
        return CPoint(previous);
    });
}

BOOL CDC::LineTo(int x, int y) {
    // The attribute DC follows the current position the line leaves behind.
    if (m_hAttribDC && m_hAttribDC != m_hDC) ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

// Areas

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
    COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, color);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
    Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft,
               bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

void CDC::DrawDragRect(LPCRECT rect, SIZE size, LPCRECT lastRect, SIZE lastSize, CBrush* brush,
                       CBrush* lastBrush) {
    // The outline is the rectangle minus its inside shrunk by `size`. It is
    // drawn with PATINVERT, so drawing the last outline again erases it.
    auto outline = [](LPCRECT outer, SIZE thickness, CRgn& region) {
        RECT inner = *outer;
        ::InflateRect(&inner, -thickness.cx, -thickness.cy);
        ::IntersectRect(&inner, &inner, outer);
        CRgn inside;
        region.CreateRectRgnIndirect(outer);
        inside.CreateRectRgnIndirect(&inner);
        region.CombineRgn(&region, &inside, RGN_XOR);
    };
    auto invert = [this](CRgn& region, CBrush* with) {
        SelectClipRgn(&region);
        RECT box;
        GetClipBox(&box);
        CBrush* old = SelectObject(with);
        PatBlt(box.left, box.top, box.right - box.left, box.bottom - box.top, PATINVERT);
        SelectObject(old);
        SelectClipRgn(nullptr);
    };
    if (!brush) brush = GetHalftoneBrush();
    if (!lastBrush) lastBrush = brush;

    CRgn newOutline;
    outline(rect, size, newOutline);
    if (!lastRect) {
        invert(newOutline, brush);
        return;
    }
    CRgn lastOutline;
    outline(lastRect, lastSize, lastOutline);
    if (lastBrush != brush) {
        invert(lastOutline, lastBrush);
        invert(newOutline, brush);
        return;
    }
    // Same brush: inverting the difference erases the old and draws the new.
    CRgn change;
    change.CreateRectRgn(0, 0, 0, 0);
    change.CombineRgn(&lastOutline, &newOutline, RGN_XOR);
    invert(change, brush);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, xSrc, ySrc, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                     int srcWidth, int srcHeight, DWORD rop) {
    return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, xSrc, ySrc,
                        srcWidth, srcHeight, rop);
}

// Text

BOOL CDC::TextOut(int x, int y, LPCSTR text, int count) { return ::TextOutA(m_hDC, x, y, text, count); }

BOOL CDC::TextOut(int x, int y, const CString& text) {
    return TextOut(x, y, static_cast<LPCSTR>(text), text.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCSTR text, UINT count, LPINT widths) {
    return ::ExtTextOutA(m_hDC, x, y, options, rect, text, count, widths);
}

int CDC::DrawText(LPCSTR text, int count, LPRECT rect, UINT format) {
    return ::DrawTextA(m_hDC, text, count, rect, format);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format) {
    return DrawText(static_cast<LPCSTR>(text), text.GetLength(), rect, format);
}

CSize CDC::GetTextExtent(LPCSTR text, int count) const {
    SIZE size = {};
    ::GetTextExtentPoint32A(m_hAttribDC, text, count, &size);
    return size;
}

CSize CDC::GetTextExtent(const CString& text) const {
    return GetTextExtent(static_cast<LPCSTR>(text), text.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCSTR text, int count) const {
    SIZE size = {};
    ::GetTextExtentPoint32A(m_hDC, text, count, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(const CString& text) const {
    return GetOutputTextExtent(static_cast<LPCSTR>(text), text.GetLength());
}

int CDC::GetTextFace(CString& faceName) const {
    char buffer[LF_FACESIZE] = {};
    int length = GetTextFace(LF_FACESIZE, buffer);
    faceName = buffer;
    return length;
}

int CDC::StartDoc(LPCSTR documentName) {
    DOCINFOA info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = documentName;
    return StartDoc(&info);
}

CBrush* CDC::GetHalftoneBrush() {
    static CBrush halftone;
    if (!halftone.m_hObject) {
        WORD pattern[8];
        for (int row = 0; row < 8; ++row) pattern[row] = static_cast<WORD>(0x5555 << (row & 1));
        CBitmap bits;
        if (bits.CreateBitmap(8, 8, 1, 1, pattern)) halftone.CreatePatternBrush(&bits);
    }
    return &halftone;
}

// CPaintDC, CClientDC, CWindowDC

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd) {
    if (!Attach(::BeginPaint(m_hWnd, &m_ps))) AfxThrowResourceException();
}

CPaintDC::~CPaintDC() {
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd->GetSafeHwnd()) {
    if (!Attach(::GetDC(m_hWnd))) AfxThrowResourceException();
}

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }

IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd->GetSafeHwnd()) {
    if (!Attach(::GetWindowDC(m_hWnd))) AfxThrowResourceException();
}

CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }

// CMetaFileDC

IMPLEMENT_DYNAMIC(CMetaFileDC, CDC)

CMetaFileDC::~CMetaFileDC() {
    // A recording that was never closed is thrown away.
    if (!m_hDC) return;
    if (enhanced_) ::DeleteEnhMetaFile(CloseEnhanced());
    else ::DeleteMetaFile(Close());
}

BOOL CMetaFileDC::Create(LPCSTR fileName) {
    enhanced_ = false;
    return Attach(::CreateMetaFileA(fileName));
}

BOOL CMetaFileDC::CreateEnhanced(CDC* reference, LPCSTR fileName, LPCRECT bounds, LPCSTR description) {
    enhanced_ = true;
    if (!Attach(::CreateEnhMetaFileA(reference ? reference->m_hDC : nullptr, fileName, bounds,
                                     description)))
        return FALSE;
    // Queries about the device go to the reference DC, like the metafile's units.
    if (reference) m_hAttribDC = reference->m_hAttribDC;
    return TRUE;
}

HMETAFILE CMetaFileDC::Close() {
    ASSERT(!enhanced_);
    return ::CloseMetaFile(Detach());
}

HENHMETAFILE CMetaFileDC::CloseEnhanced() {
    ASSERT(enhanced_);
    return ::CloseEnhMetaFile(Detach());
}
