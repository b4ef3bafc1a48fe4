#include "SECToolBarDrawContext.h"

#include "DC.h"
#include "Exceptions.h"
#include "SECDockBar.h"

SECToolBarDrawContext::SECToolBarDrawContext() {
    m_hdcMask = ::CreateCompatibleDC(nullptr);
    m_hdcImage = ::CreateCompatibleDC(nullptr);
    m_hdcColor = ::CreateCompatibleDC(nullptr);
    m_hbrDither = CreateDitherBrush();
    if (m_hdcMask == nullptr || m_hdcImage == nullptr || m_hdcColor == nullptr || m_hbrDither == nullptr) {
        Destroy();
        AfxThrowResourceException();
    }
}

SECToolBarDrawContext::~SECToolBarDrawContext() { Destroy(); }

void SECToolBarDrawContext::Destroy() {
    Release();
    DeleteWorkBitmaps();
    HGDIOBJ brush = m_hbrDither;
    DeleteGdiHandle(brush);
    m_hbrDither = nullptr;
    if (m_hdcMask != nullptr) ::DeleteDC(m_hdcMask);
    if (m_hdcImage != nullptr) ::DeleteDC(m_hdcImage);
    if (m_hdcColor != nullptr) ::DeleteDC(m_hdcColor);
    m_hdcMask = m_hdcImage = m_hdcColor = nullptr;
}

HBRUSH SECToolBarDrawContext::CreateDitherBrush() {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info = {};
    info.header.biSize = sizeof(info.header);
    info.header.biWidth = 8;
    info.header.biHeight = 8;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    const COLORREF face = SECSysColorCache::Get().btnFace;
    const COLORREF highlight = SECSysColorCache::Get().btnHighlight;
    info.colors[0] = {GetBValue(face), GetGValue(face), GetRValue(face), 0};
    info.colors[1] = {GetBValue(highlight), GetGValue(highlight), GetRValue(highlight), 0};
    // Rows alternate 0xAA and 0x55, each padded to four bytes.
    BYTE bits[8 * 4] = {};
    for (int row = 0; row < 8; ++row) bits[row * 4] = (row % 2 == 0) ? 0xAA : 0x55;

    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateDIBitmap(screen, &info.header, CBM_INIT, bits, reinterpret_cast<BITMAPINFO*>(&info),
                                      DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (bitmap == nullptr) return nullptr;
    HBRUSH brush = ::CreatePatternBrush(bitmap);
    ::DeleteObject(bitmap);
    return brush;
}

void SECToolBarDrawContext::EnsureDitherBrush() {
    if (m_hbrDither == nullptr) m_hbrDither = CreateDitherBrush();
}

HGDIOBJ SECToolBarDrawContext::SelectImage(HGDIOBJ object) {
    if (object == nullptr) return nullptr;
    if (object == m_hImageSelected) return object;
    HGDIOBJ replaced = ::SelectObject(m_hdcImage, object);
    if (m_hImageOld == nullptr) m_hImageOld = replaced;
    m_hImageSelected = object;
    return replaced;
}

BOOL SECToolBarDrawContext::PrepareBitmaps(CDC* dc, int width, int height) {
    DeleteWorkBitmaps();
    m_hbmColor = ::CreateCompatibleBitmap(dc->m_hDC, width, height);
    if (m_hbmColor == nullptr) return FALSE;
    m_hbmColorOld = ::SelectObject(m_hdcColor, m_hbmColor);
    m_hbmMono = ::CreateBitmap(width, height, 1, 1, nullptr);
    if (m_hbmMono == nullptr) {
        DeleteWorkBitmaps();
        return FALSE;
    }
    m_hbmMonoOld = ::SelectObject(m_hdcMask, m_hbmMono);
    return TRUE;
}

void SECToolBarDrawContext::DeleteWorkBitmaps() {
    if (m_hbmColorOld != nullptr) ::SelectObject(m_hdcColor, m_hbmColorOld);
    if (m_hbmMonoOld != nullptr) ::SelectObject(m_hdcMask, m_hbmMonoOld);
    m_hbmColorOld = m_hbmMonoOld = nullptr;
    HGDIOBJ color = m_hbmColor;
    HGDIOBJ mono = m_hbmMono;
    DeleteGdiHandle(color);
    DeleteGdiHandle(mono);
    m_hbmColor = nullptr;
    m_hbmMono = nullptr;
}

void SECToolBarDrawContext::Release() {
    if (m_hImageOld != nullptr) ::SelectObject(m_hdcImage, m_hImageOld);
    if (m_hbmColorOld != nullptr) ::SelectObject(m_hdcColor, m_hbmColorOld);
    if (m_hbmMonoOld != nullptr) ::SelectObject(m_hdcMask, m_hbmMonoOld);
    m_hImageOld = m_hImageSelected = nullptr;
    m_hbmColorOld = m_hbmMonoOld = nullptr;
}

void SECToolBarDrawContext::DeleteGdiHandle(HGDIOBJ& object) {
    if (object != nullptr) ::DeleteObject(object);
    object = nullptr;
}
