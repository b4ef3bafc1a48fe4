// SECToolBarDrawContext: what button-drawing code needs for one pass,
// made once: three memory DCs (mask, image, colour), a 50 % dither brush of
// the button face and highlight colours for checked and pressed
// backgrounds, and work bitmaps for one row of buttons.
#pragma once

#include <windows.h>

class CDC;

class SECToolBarDrawContext {
public:
    // Throws the framework's resource exception when a DC or the brush
    // cannot be made.
    SECToolBarDrawContext();
    ~SECToolBarDrawContext();
    SECToolBarDrawContext(const SECToolBarDrawContext&) = delete;
    SECToolBarDrawContext& operator=(const SECToolBarDrawContext&) = delete;

    // An 8x8 checkerboard brush: face where the pattern bit is 0, highlight
    // where it is 1. Null on failure; the caller owns it.
    static HBRUSH CreateDitherBrush();
    void EnsureDitherBrush();
    HBRUSH GetDitherBrush() const { return m_hbrDither; }

    // Selects `object` into the image DC unless it is there already.
    HGDIOBJ SelectImage(HGDIOBJ object);
    // Work bitmaps `width` wide and `height` high in the colour and mask DCs.
    BOOL PrepareBitmaps(CDC* dc, int width, int height);
    // Puts back what the DCs held before and drops the selections.
    void Release();

    HDC GetMaskDC() const { return m_hdcMask; }
    HDC GetImageDC() const { return m_hdcImage; }
    HDC GetColorDC() const { return m_hdcColor; }

    // Deletes a GDI handle that is not null and clears it.
    static void DeleteGdiHandle(HGDIOBJ& object);

private:
    void DeleteWorkBitmaps();
    void Destroy();

    HDC m_hdcMask = nullptr;
    HDC m_hdcImage = nullptr;
    HDC m_hdcColor = nullptr;
    HBRUSH m_hbrDither = nullptr;
    HBITMAP m_hbmColor = nullptr;
    HGDIOBJ m_hbmColorOld = nullptr;
    HBITMAP m_hbmMono = nullptr;
    HGDIOBJ m_hbmMonoOld = nullptr;
    HGDIOBJ m_hImageSelected = nullptr;
    HGDIOBJ m_hImageOld = nullptr;
};
