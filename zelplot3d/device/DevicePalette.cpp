#include "device/DevicePalette.h"

#include <algorithm>
#include <vector>

#include "chart/Chart.h"
#include "device/AreaImage.h"
#include "device/DeviceOps.h"
#include "properties/ContourStyles.h"

namespace {

constexpr int kPaletteSize = 256;
constexpr int kNotifyPalette = 0x13A2;

bool SystemLike(int color) {
    for (int shift : {0, 8, 16}) {
        int c = (color >> shift) & 0xFF;
        if (c != 0 && c != 128 && c != 255) return false;
    }
    return true;
}

class ColorCollector {
public:
    void Add(int color) {
        if (color != -1) colors_.push_back(color & 0xFFFFFF);
    }
    // A background colour with its two shades.
    void AddShaded(ColorRecord* record) {
        if (record->color == -1) return;
        zel3d_border_shades(record);
        Add(record->color);
        Add(record->shade_dark);
        Add(record->shade_light);
    }
    // Colours of a picture, each only once, up to a full palette.
    void AddImage(const AreaImage* image) {
        if (!image) return;
        Normalize();
        auto add_new = [this](int color) {
            if (colors_.size() >= kPaletteSize) return;
            if (std::find(colors_.begin(), colors_.end(), color) == colors_.end()) colors_.push_back(color);
        };
        if (image->kind == kImageBitmap && image->header)
            for (int k = 0; k < image->colors; ++k) {
                const RGBQUAD& q = image->header->bmiColors[k];
                add_new(q.rgbRed | (q.rgbGreen << 8) | (q.rgbBlue << 16));
            }
        if (image->kind == kImageEnhancedMetafile && image->palette)
            for (int k = 0; k < image->palette_entries; ++k) {
                const PALETTEENTRY& e = image->palette[k];
                add_new(e.peRed | (e.peGreen << 8) | (e.peBlue << 16));
            }
    }
    // Colours that are not system-like first, each group ascending, without
    // repeats.
    void Normalize() {
        std::sort(colors_.begin(), colors_.end(), [](int a, int b) {
            bool sa = SystemLike(a), sb = SystemLike(b);
            return sa != sb ? sb : a < b;
        });
        colors_.erase(std::unique(colors_.begin(), colors_.end()), colors_.end());
    }
    const std::vector<int>& colors() const { return colors_; }

private:
    std::vector<int> colors_;
};

void CollectColors(Zel3dChart* chart, ColorCollector* c) {
    if (chart->scene.work_color_set) c->Add(chart->scene.work_color);
    c->Add(0xFFFFFF);
    c->Add(0);
    c->AddShaded(&chart->background);
    for (int color : {chart->foreground.color, chart->graph.foreground.color, chart->legend.foreground.color,
                      chart->header.foreground.color, chart->footer.foreground.color,
                      chart->data_area_background.color})
        c->Add(color);
    for (ColorRecord* record : {&chart->graph.background, &chart->header.background, &chart->footer.background,
                                &chart->legend.background})
        c->AddShaded(record);
    for (int color : {chart->mesh_top_color, chart->mesh_bottom_color, chart->surface_top_color,
                      chart->surface_bottom_color})
        c->Add(color);
    bool contours_shown = chart->draw_contours || chart->draw_zones || chart->project_zmin || chart->project_zmax;
    int styles = chart->contour_styles.count;
    if (contours_shown && styles > 0 && chart->contour_styles.items) {
        for (int band = 0; band <= chart->levels.count; ++band) {
            int index = std::clamp(zel3d_style_of_level(band, chart->levels.count, styles), 0, styles - 1);
            c->Add(chart->contour_styles.items[index]->zone_color);
            c->Add(chart->contour_styles.items[index]->line_color);
        }
    }
    int style_count = std::max(chart->data_styles.count, 1);
    for (int k = 0; k < style_count; ++k) {
        const Zel3dDataStyle& style = zel3d_data_style(chart, k);
        c->Add(style.line.color);
        c->Add(style.symbol.color);
    }
    for (int k = 0; k < chart->xy_colors.count; ++k) c->Add(chart->xy_colors.items[k]->color);
    if (chart->text_objects)
        for (Zel3dText** text = chart->text_objects; *text; ++text) {
            c->AddShaded(&(*text)->background);
            c->Add((*text)->foreground.color);
        }
    for (const AxisSettings* axis : {&chart->x_axis, &chart->y_axis, &chart->z_axis}) c->Add(axis->grid_style.current.color);
    for (ImageSlot* slot : {&chart->image, &chart->graph.image, &chart->header.image, &chart->footer.image,
                            &chart->legend.image})
        c->AddImage(slot->image);
    if (chart->text_objects)
        for (Zel3dText** text = chart->text_objects; *text; ++text) c->AddImage((*text)->image.image);
    c->Normalize();
}

HPALETTE MakePalette(const std::vector<int>& colors) {
    size_t count = std::min<size_t>(colors.size(), kPaletteSize);
    std::vector<BYTE> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * std::max<size_t>(count, 1));
    LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = WORD(count);
    for (size_t k = 0; k < count; ++k)
        palette->palPalEntry[k] = {BYTE(colors[k] & 0xFF), BYTE((colors[k] >> 8) & 0xFF),
                                   BYTE((colors[k] >> 16) & 0xFF), 0};
    return CreatePalette(palette);
}

void SelectAndRealize(HDC dc, HPALETTE palette) {
    if (!dc || !palette) return;
    SelectPalette(dc, palette, TRUE);
    RealizePalette(dc);
}

}  // namespace

bool zel3d_palette_equal(HPALETTE a, HPALETTE b) {
    if (!a || !b) return a == b;
    UINT count_a = GetPaletteEntries(a, 0, 0, nullptr), count_b = GetPaletteEntries(b, 0, 0, nullptr);
    if (count_a != count_b) return false;
    std::vector<PALETTEENTRY> ea(count_a), eb(count_b);
    GetPaletteEntries(a, 0, count_a, ea.data());
    GetPaletteEntries(b, 0, count_b, eb.data());
    for (UINT k = 0; k < count_a; ++k)
        if (ea[k].peRed != eb[k].peRed || ea[k].peGreen != eb[k].peGreen || ea[k].peBlue != eb[k].peBlue ||
            ea[k].peFlags != eb[k].peFlags)
            return false;
    return true;
}

void zel3d_build_palette(Zel3dChart* chart) {
    HDC dc = chart->device.front_dc ? chart->device.front_dc : chart->device.draw_dc;
    bool palette_device = dc && (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) && chart->device_depth > 1;
    if (!palette_device && !zel3d_is_metafile_dc(dc)) return;
    ColorCollector collector;
    CollectColors(chart, &collector);
    HPALETTE made = MakePalette(collector.colors());
    if (!made) return;  // the previous palette stays
    HPALETTE replaced = nullptr;
    if (zel3d_palette_equal(made, chart->palette)) {
        DeleteObject(made);
    } else {
        replaced = chart->palette;
        chart->palette = made;
        for (HDC target : {chart->device.front_dc, chart->device.memory_dc}) zel3d_select_stock_objects(target);
        zel3d_free_device_caches(&chart->device);
        if (!chart->scene.work_color_set) chart->damage_mask = kDamageAll;
        if (chart->window && chart->notify_window)
            SendMessageA(chart->notify_window, kNotifyPalette, WPARAM(chart->window), 0);
    }
    SelectAndRealize(chart->device.draw_dc, chart->palette);
    SelectAndRealize(chart->device.memory_dc, chart->palette);
    if (replaced) DeleteObject(replaced);
}
