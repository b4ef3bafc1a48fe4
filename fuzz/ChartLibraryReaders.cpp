// The chart library's readers under fuzzing: data sets, contour styles,
// distribution tables (contour levels), and the pictures behind chart areas,
// read alone and read then drawn. Each reader returns a new object or
// nothing; the library's own writers, and GDI's metafile writers for the
// pictures, make the seed files.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/FuzzReader.h"
#include "zelplot3d/chart/Chart.h"
#include "zelplot3d/device/AreaImage.h"
#include "zelplot3d/device/DeviceOps.h"
#include "zelplot3d/drawing/Redraw.h"
#include "zelplot3d/zelplot3d.h"

namespace {

class DataSetReader : public FuzzReader {
public:
    const char* Extension() const override { return ".dat"; }

    std::vector<std::string> MakeSeeds(const std::string& folder) override {
        std::vector<std::string> seeds;
        const std::string path = folder + "\\seed.dat";
        auto save = [&](Zel3dData* data) {
            DeleteFileA(path.c_str());
            Zel3dSaveDataToFile(data, path.c_str(), nullptr);
            seeds.push_back(ReadFileBytes(path));
            Zel3dDestroyData(data, 1);
        };
        Zel3dData* grid = Zel3dMakeGridData(10, 19, 1e308, 1.0, 0.5, 1.0, 2.0, 1);
        for (int i = 0; i < 10; ++i)
            for (int j = 0; j < 19; ++j)
                grid->grid.values[i][j] = 300.0 + 12.0 * i - 4.0 * (j - 7) * (j - 7);
        save(grid);
        Zel3dData* irregular = Zel3dMakeIrGridData(3, 4, -999.0, 1);
        for (int i = 0; i < 3; ++i) irregular->irgrid.x[i] = 0.5 * i * i;
        for (int j = 0; j < 4; ++j) irregular->irgrid.y[j] = 10.0 * j;
        irregular->irgrid.values[2][3] = 1e-20;
        save(irregular);
        Zel3dData* points = Zel3dMakePointData(2, 3, 1e308, 1);
        points->point.series[1].points[2] = {-4.0, 0.0, 2.5};
        save(points);
        seeds.push_back("! a comment\n# another\nGRID 1 2\n1e308 1 1\n! between\n0 0 5 6\n");
        return seeds;
    }

    ReadOutcome Read(const std::string& path, const std::string&) override {
        char message[ZEL3D_MESSAGE_SIZE];
        Zel3dData* data = Zel3dMakeDataFromFile(path.c_str(), message);
        ReadOutcome outcome;
        outcome.accepted = data != nullptr;
        if (data) Zel3dDestroyData(data, 1);
        return outcome;
    }
};

class ContourStylesReader : public FuzzReader {
public:
    const char* Extension() const override { return ".txt"; }

    std::vector<std::string> MakeSeeds(const std::string& folder) override {
        std::vector<std::string> seeds;
        const std::string path = folder + "\\seed.txt";
        Zel3dContourStyle a = {0x0000FF, 0, 2, 7}, b = {0x123456, -1, 0, 1},
                          c = {-1, 0x00FF00, 5, 3};
        const Zel3dContourStyle* lists[][4] = {
            {&a, nullptr}, {&a, &b, &c, nullptr}, {&c, &b, nullptr}};
        for (const auto& list : lists) {
            DeleteFileA(path.c_str());
            Zel3dContourStylesToFile(list, path.c_str(), nullptr);
            seeds.push_back(ReadFileBytes(path));
        }
        return seeds;
    }

    ReadOutcome Read(const std::string& path, const std::string&) override {
        char message[ZEL3D_MESSAGE_SIZE];
        Zel3dContourStyle** styles = Zel3dContourStylesFromFile(path.c_str(), message);
        ReadOutcome outcome;
        outcome.accepted = styles != nullptr;
        Zel3dFreeContourStyles(styles);
        return outcome;
    }
};

class DistributionTableReader : public FuzzReader {
public:
    const char* Extension() const override { return ".txt"; }

    std::vector<std::string> MakeSeeds(const std::string& folder) override {
        std::vector<std::string> seeds;
        const std::string path = folder + "\\seed.txt";
        std::vector<std::vector<double>> tables = {{0.5, 2, 1e-7, 123456789}, {}, {}};
        for (int k = 0; k < 20; ++k) tables[2].push_back(-3.5 + 0.25 * k);
        for (std::vector<double>& levels : tables) {
            Zel3dDistnTable table = {int(levels.size()), levels.data()};
            DeleteFileA(path.c_str());
            Zel3dDistnTableToFile(&table, path.c_str(), nullptr);
            seeds.push_back(ReadFileBytes(path));
        }
        return seeds;
    }

    ReadOutcome Read(const std::string& path, const std::string&) override {
        char message[ZEL3D_MESSAGE_SIZE];
        Zel3dDistnTable* table = Zel3dDistnTableFromFile(path.c_str(), message);
        ReadOutcome outcome;
        outcome.accepted = table != nullptr;
        Zel3dFreeDistnTable(table);
        return outcome;
    }
};

// ---- Pictures.

void Put16(std::string& b, size_t at, unsigned v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}

void Put32(std::string& b, size_t at, uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + k] = char((v >> (8 * k)) & 0xFF);
}

// A bitmap file: info header, colour table, rows.
std::string BitmapFile(int width, int height, int bits, int compression,
                       const std::string& pixels) {
    const int colors = bits <= 8 ? 1 << bits : 0;
    std::string b(14 + 40 + 4 * colors, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, uint32_t(b.size()));
    Put32(b, 14, 40);
    Put32(b, 18, uint32_t(width));
    Put32(b, 22, uint32_t(height));
    Put16(b, 26, 1);
    Put16(b, 28, unsigned(bits));
    Put32(b, 30, uint32_t(compression));
    for (int k = 0; k < colors; ++k) b[54 + 4 * k + 2] = char(k * 255 / std::max(colors - 1, 1));
    Put32(b, 2, uint32_t(b.size() + pixels.size()));
    return b + pixels;
}

// Shapes, text, a palette and a small bitmap, drawn into a metafile DC.
void DrawSample(HDC dc) {
    LOGPALETTE* colours =
        static_cast<LOGPALETTE*>(calloc(1, sizeof(LOGPALETTE) + 3 * sizeof(PALETTEENTRY)));
    colours->palVersion = 0x300;
    colours->palNumEntries = 3;
    colours->palPalEntry[0] = {200, 10, 20, 0};
    colours->palPalEntry[1] = {30, 40, 250, 0};
    colours->palPalEntry[2] = {0, 160, 0, 0};
    HPALETTE palette = CreatePalette(colours);
    free(colours);
    SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
    HBRUSH brush = CreateSolidBrush(RGB(200, 10, 20));
    HPEN pen = CreatePen(PS_DASH, 1, RGB(30, 40, 250));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Rectangle(dc, 0, 0, 60, 40);
    Ellipse(dc, 10, 10, 50, 30);
    POINT points[] = {{0, 0}, {30, 40}, {60, 0}, {45, 20}};
    Polyline(dc, points, 4);
    Polygon(dc, points, 3);
    TextOutA(dc, 5, 5, "area picture", 12);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biSizeImage = 16;
    const BYTE pixels[16] = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 0, 255, 255, 255, 0};
    StretchDIBits(dc, 20, 20, 10, 10, 0, 0, 2, 2, pixels, &info, DIB_RGB_COLORS, SRCCOPY);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
    DeleteObject(palette);
}

std::string EnhancedMetafileFile() {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    DrawSample(dc);
    HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    std::string bits(GetEnhMetaFileBits(metafile, 0, nullptr), '\0');
    GetEnhMetaFileBits(metafile, UINT(bits.size()), reinterpret_cast<BYTE*>(&bits[0]));
    DeleteEnhMetaFile(metafile);
    return bits;
}

std::string MetafileFile() {
    HDC dc = CreateMetaFileA(nullptr);
    DrawSample(dc);
    HMETAFILE metafile = CloseMetaFile(dc);
    std::string bits(GetMetaFileBitsEx(metafile, 0, nullptr), '\0');
    GetMetaFileBitsEx(metafile, UINT(bits.size()), &bits[0]);
    DeleteMetaFile(metafile);
    return bits;
}

std::string PlaceableMetafileFile() {
    std::string head(22, '\0');
    Put32(head, 0, 0x9AC6CDD7);
    Put16(head, 10, 1000);
    Put16(head, 12, 600);
    Put16(head, 14, 1000);
    return head + MetafileFile();
}

// A chart with a graph area whose picture comes from the input file.
class AreaPictureReader : public FuzzReader {
public:
    explicit AreaPictureReader(bool drawn) : drawn_(drawn) {}
    ~AreaPictureReader() override {
        if (chart_) Zel3dDestroy(chart_);
    }

    const char* Extension() const override { return ".img"; }

    std::vector<std::string> MakeSeeds(const std::string&) override {
        chart_ = Zel3dCreate();
        Zel3dSetValues(chart_, ZEL3D_WIDTH, 160, ZEL3D_HEIGHT, 120, 0);
        std::string rle = {2, 7, 0, 3, 5, 6, 8, 0, 0, 0, 4, 1, 0, 0, 0, 1};
        return {BitmapFile(3, 2, 24, 0, std::string(24, '\x44')),
                BitmapFile(6, 2, 8, 1 /* run-length */, rle),
                BitmapFile(16, 4, 1, 0, std::string(16, '\x5A')),
                BitmapFile(4, -3, 4, 0, std::string(12, '\x12')),
                EnhancedMetafileFile(),
                MetafileFile(),
                PlaceableMetafileFile()};
    }

    ReadOutcome Read(const std::string& path, const std::string&) override {
        ImageSlot& slot = chart_->graph.image;
        Zel3d_SetImageFileName(chart_, nullptr, ZEL3D_GRAPH_IMAGE, path.c_str());
        ReadOutcome outcome;
        outcome.accepted = zel3d_load_image_file(chart_, &slot) != 0;
        if (drawn_) Draw();
        return outcome;
    }

private:
    // Draws the whole chart, the picture included, into a memory DC.
    void Draw() {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, chart_->width, chart_->height);
        ReleaseDC(nullptr, screen);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        chart_->device.front_dc = memory;
        Zel3dInitDC(chart_, memory);
        zel3d_draw_parts(chart_, kDamageAll);
        chart_->damage_mask = 0;
        zel3d_select_stock_objects(memory);
        chart_->device.draw_dc = chart_->device.front_dc = nullptr;
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }

    bool drawn_;
    Zel3dChart* chart_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<ReaderEntry> readers = {
        {"data-sets", [] { return std::make_unique<DataSetReader>(); }},
        {"contour-styles", [] { return std::make_unique<ContourStylesReader>(); }},
        {"distribution-tables", [] { return std::make_unique<DistributionTableReader>(); }},
        {"area-pictures", [] { return std::make_unique<AreaPictureReader>(false); }},
        {"area-pictures-drawn", [] { return std::make_unique<AreaPictureReader>(true); }},
    };
    return FuzzMain(argc, argv, readers);
}
