// Drawing an area's picture (bitmap or metafile) into a box with the area's
// image layout.
#include <algorithm>

#include "chart/Chart.h"
#include "device/AreaImage.h"
#include "device/DeviceOps.h"
#include "device/RasterTarget.h"
#include "kernel/MetafileCheck.h"

namespace {

enum LayoutMode { kCentered = 1, kTiled = 2, kStretched = 4, kToWidth = 5, kToHeight = 6 };

struct Box {
    int x, y, width, height;
};

// Copies `src` over `dst` except where it shows the key colour, the source
// pixel at the bottom-left corner of the copied area.
void TransparentCopy(HDC dst, int dx, int dy, int width, int height, HDC src, int sx, int sy) {
    COLORREF key = GetPixel(src, sx, sy + height - 1);
    HDC mask_dc = CreateCompatibleDC(dst);
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    HDC work_dc = CreateCompatibleDC(dst);
    HBITMAP work = CreateCompatibleBitmap(dst, width, height);
    if (mask_dc && mask && work_dc && work) {
        HGDIOBJ old_mask = SelectObject(mask_dc, mask);
        HGDIOBJ old_work = SelectObject(work_dc, work);
        COLORREF old_src_bk = SetBkColor(src, key);
        BitBlt(mask_dc, 0, 0, width, height, src, sx, sy, SRCCOPY);  // 1 where the key colour is
        SetBkColor(src, old_src_bk);
        BitBlt(work_dc, 0, 0, width, height, dst, dx, dy, SRCCOPY);
        SetTextColor(work_dc, RGB(0, 0, 0));
        SetBkColor(work_dc, RGB(255, 255, 255));
        BitBlt(work_dc, 0, 0, width, height, mask_dc, 0, 0, SRCAND);  // destination kept under the key
        HDC source_dc = CreateCompatibleDC(dst);
        HBITMAP source = CreateCompatibleBitmap(dst, width, height);
        if (source_dc && source) {
            HGDIOBJ old_source = SelectObject(source_dc, source);
            BitBlt(source_dc, 0, 0, width, height, src, sx, sy, SRCCOPY);
            SetTextColor(source_dc, RGB(0, 0, 0));
            SetBkColor(source_dc, RGB(255, 255, 255));
            BitBlt(source_dc, 0, 0, width, height, mask_dc, 0, 0, 0x00220326);  // source AND NOT mask
            BitBlt(work_dc, 0, 0, width, height, source_dc, 0, 0, SRCPAINT);
            SelectObject(source_dc, old_source);
        }
        if (source) DeleteObject(source);
        if (source_dc) DeleteDC(source_dc);
        BitBlt(dst, dx, dy, width, height, work_dc, 0, 0, SRCCOPY);
        SelectObject(mask_dc, old_mask);
        SelectObject(work_dc, old_work);
    }
    if (work) DeleteObject(work);
    if (work_dc) DeleteDC(work_dc);
    if (mask) DeleteObject(mask);
    if (mask_dc) DeleteDC(mask_dc);
}

// One scaled copy of (part of) a bitmap.
void StretchDib(HDC dc, const Box& to, int sx, int sy, int sw, int sh, const AreaImage& image, bool transparent) {
    if (!transparent) {
        StretchDIBits(dc, to.x, to.y, to.width, to.height, sx, sy, sw, sh, image.data, image.header, DIB_RGB_COLORS,
                      SRCCOPY);
        return;
    }
    HDC work_dc = CreateCompatibleDC(dc);
    HBITMAP work = CreateCompatibleBitmap(dc, to.width, to.height);
    if (work_dc && work) {
        HGDIOBJ old = SelectObject(work_dc, work);
        SetStretchBltMode(work_dc, COLORONCOLOR);
        StretchDIBits(work_dc, 0, 0, to.width, to.height, sx, sy, sw, sh, image.data, image.header, DIB_RGB_COLORS,
                      SRCCOPY);
        TransparentCopy(dc, to.x, to.y, to.width, to.height, work_dc, 0, 0);
        SelectObject(work_dc, old);
    }
    if (work) DeleteObject(work);
    if (work_dc) DeleteDC(work_dc);
}

void DrawBitmap(HDC dc, const AreaImage& image, int layout, bool transparent, const Box& box) {
    if (!image.header || !image.data || image.width <= 0 || image.height <= 0) return;
    double aspect = 1.0;
    int mode = zel3d_image_layout_mode(layout, image.width, image.height, box.width, box.height, &aspect);
    int iw = image.width, ih = image.height;
    SetStretchBltMode(dc, COLORONCOLOR);
    switch (mode) {
    case kTiled:
        for (int y = box.y; y < box.y + box.height; y += ih) {
            for (int x = box.x; x < box.x + box.width; x += iw) {
                int w = std::min(iw, box.x + box.width - x);
                int h = std::min(ih, box.y + box.height - y);
                // Rows of a bottom-up bitmap count from its bottom.
                StretchDib(dc, {x, y, w, h}, 0, ih - h, w, h, image, transparent);
            }
        }
        break;
    case kToWidth: {
        int h = int(box.width / aspect);
        StretchDib(dc, {box.x, box.y + (box.height - h) / 2, box.width, h}, 0, 0, iw, ih, image, transparent);
        break;
    }
    case kToHeight: {
        int w = int(aspect * box.height);
        StretchDib(dc, {box.x + (box.width - w) / 2, box.y, w, box.height}, 0, 0, iw, ih, image, transparent);
        break;
    }
    case kStretched:
        StretchDib(dc, box, 0, 0, iw, ih, image, transparent);
        break;
    default:
        StretchDib(dc, {box.x + (box.width - iw) / 2, box.y + (box.height - ih) / 2, iw, ih}, 0, 0, iw, ih, image,
                   transparent);
        break;
    }
}

// A bitmap the size of a picture's rendering, compatible with the window,
// filled with the chart's current brush.
class RenderTarget {
public:
    RenderTarget(Zel3dChart* chart, int width, int height) : chart_(chart), width_(width), height_(height) {
        dc_ = CreateCompatibleDC(chart->device.front_dc);
        bitmap_ = dc_ ? CreateCompatibleBitmap(chart->device.front_dc, width, height) : nullptr;
        if (!bitmap_) return;
        old_bitmap_ = SelectObject(dc_, bitmap_);
        SetBkMode(dc_, TRANSPARENT);
        SetBkColor(dc_, GetBkColor(chart->device.draw_dc));
        if (chart->palette) {
            SelectPalette(dc_, chart->palette, TRUE);
            RealizePalette(dc_);
        }
        HDC drawing = chart->device.draw_dc;
        chart->device.draw_dc = dc_;
        if (chart->device.current_brush) SelectObject(dc_, chart->device.current_brush);
        zel3d_ops(chart).fill_rectangle(&chart->device, 0, 0, width, height);
        chart->device.draw_dc = drawing;
    }
    ~RenderTarget() {
        if (dc_) {
            zel3d_select_stock_objects(dc_);
            SelectPalette(dc_, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), TRUE);
            if (old_bitmap_) SelectObject(dc_, old_bitmap_);
            DeleteDC(dc_);
        }
        if (bitmap_) DeleteObject(bitmap_);
    }
    RenderTarget(const RenderTarget&) = delete;
    RenderTarget& operator=(const RenderTarget&) = delete;

    bool Ok() const { return bitmap_ != nullptr; }
    HDC dc() const { return dc_; }

    // Copies the rendering into the box: centred when smaller, cut
    // centrally when larger.
    void CopyCentred(const Box& box, bool transparent) {
        int w = std::min(width_, box.width), h = std::min(height_, box.height);
        Copy({box.x + (box.width - w) / 2, box.y + (box.height - h) / 2, w, h}, (width_ - w) / 2, (height_ - h) / 2,
             transparent);
    }

    void Copy(const Box& to, int sx, int sy, bool transparent) {
        if (transparent) {
            TransparentCopy(chart_->device.draw_dc, to.x, to.y, to.width, to.height, dc_, sx, sy);
        } else {
            BitBlt(chart_->device.draw_dc, to.x, to.y, to.width, to.height, dc_, sx, sy, SRCCOPY);
        }
    }

private:
    Zel3dChart* chart_;
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_bitmap_ = nullptr;
};

// The rendering is never larger than the box, whatever size the picture
// claims: a picture larger than the box is played shifted so that its
// centre lands in the box (the same pixels as cutting it centrally), and
// tiles are copies of one played tile, doubling what is filled each time.
void PlayEnhanced(Zel3dChart* chart, HENHMETAFILE metafile, const AreaImage& image, int layout, bool transparent,
                  const Box& box) {
    if (zel3d_is_metafile_dc(chart->device.draw_dc) || !chart->device.front_dc || box.width <= 0 || box.height <= 0) return;
    int iw = image.width, ih = image.height;
    double aspect = 1.0;
    int mode = iw > 0 && ih > 0 ? zel3d_image_layout_mode(layout, iw, ih, box.width, box.height, &aspect) : kStretched;
    if (mode == kTiled) {
        RenderTarget target(chart, box.width, box.height);
        if (!target.Ok()) return;
        RECT cell = {0, 0, iw, ih};
        PlayEnhMetaFile(target.dc(), metafile, &cell);
        int tile_height = std::min(ih, box.height);
        for (int filled = iw; filled < box.width; filled *= 2)
            BitBlt(target.dc(), filled, 0, std::min(filled, box.width - filled), tile_height, target.dc(), 0, 0, SRCCOPY);
        for (int filled = ih; filled < box.height; filled *= 2)
            BitBlt(target.dc(), 0, filled, box.width, std::min(filled, box.height - filled), target.dc(), 0, 0, SRCCOPY);
        target.Copy(box, 0, 0, transparent);
        return;
    }
    double width = iw, height = ih;
    if (mode == kStretched) {
        width = box.width;
        height = box.height;
    } else if (mode == kToWidth) {
        width = box.width;
        height = box.width / aspect;
    } else if (mode == kToHeight) {
        width = aspect * box.height;
        height = box.height;
    }
    if (!(width >= 1.0 && height >= 1.0) || width > 1e7 || height > 1e7) return;
    int w = int(std::min(width, double(box.width))), h = int(std::min(height, double(box.height)));
    RenderTarget target(chart, w, h);
    if (!target.Ok()) return;
    int left = -int((width - w) / 2), top = -int((height - h) / 2);
    RECT all = {left, top, left + int(width), top + int(height)};
    PlayEnhMetaFile(target.dc(), metafile, &all);
    target.CopyCentred(box, transparent);
}

void PlayPlain(Zel3dChart* chart, HMETAFILE metafile, bool transparent, const Box& box) {
    if (zel3d_is_metafile_dc(chart->device.draw_dc) || !chart->device.front_dc || box.width <= 0 || box.height <= 0) return;
    RenderTarget target(chart, box.width, box.height);
    if (!target.Ok()) return;
    SetMapMode(target.dc(), MM_ANISOTROPIC);
    SetWindowExtEx(target.dc(), box.width, box.height, nullptr);
    SetViewportExtEx(target.dc(), box.width, box.height, nullptr);
    PlayMetaFile(target.dc(), metafile);
    SetMapMode(target.dc(), MM_TEXT);
    target.CopyCentred(box, transparent);
}

}  // namespace

int zel3d_win_draw_image(Zel3dChart* chart, ImageSlot* slot, int x, int y, int width, int height, int clip_x,
                         int clip_y, int clip_width, int clip_height) {
    if (!slot || !chart->device.draw_dc) return 0;
    zel3d_raster_note_gdi(&chart->device);
    if (!slot->image) {
        if (!slot->file_name || !slot->file_name[0] || !zel3d_load_image_file(chart, slot) || !slot->image) return 0;
    }
    const AreaImage& image = *slot->image;
    HDC dc = chart->device.draw_dc;
    bool metafile = zel3d_is_metafile_dc(dc);
    int saved = 0;
    if (!metafile) {
        saved = SaveDC(dc);
        IntersectClipRect(dc, clip_x, clip_y, clip_x + clip_width, clip_y + clip_height);
    }
    Box box = {x, y, width, height};
    bool transparent = slot->transparent != 0;
    switch (image.kind) {
    case kImageBitmap:
        DrawBitmap(dc, image, slot->layout, transparent, box);
        break;
    // Metafile bytes may come from a caller as well as from a file: GDI plays
    // them only once their records have been checked.
    case kImageEnhancedMetafile:
        if (!image.data || image.data_bytes <= 0 ||
            !zel3d_check_enhanced_metafile(image.data, size_t(image.data_bytes), nullptr))
            break;
        if (HENHMETAFILE emf = SetEnhMetaFileBits(UINT(image.data_bytes), image.data)) {
            PlayEnhanced(chart, emf, image, slot->layout, transparent, box);
            DeleteEnhMetaFile(emf);
        }
        break;
    case kImagePlaceableMetafile:
    case kImageMetafile:
        if (!image.data || image.data_bytes <= 0 || !zel3d_check_windows_metafile(image.data, size_t(image.data_bytes)))
            break;
        if (HENHMETAFILE emf = SetWinMetaFileBits(UINT(image.data_bytes), image.data, nullptr, nullptr)) {
            PlayEnhanced(chart, emf, image, slot->layout, transparent, box);
            DeleteEnhMetaFile(emf);
        } else if (HMETAFILE wmf = SetMetaFileBitsEx(UINT(image.data_bytes), image.data)) {
            PlayPlain(chart, wmf, transparent, box);
            DeleteMetaFile(wmf);
        }
        break;
    default:
        break;
    }
    if (saved) RestoreDC(dc, saved);
    return 1;
}
