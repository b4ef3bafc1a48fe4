// Area pictures: bitmap and metafile files read into image records, and
// files that must be refused without harm.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ChartPictures.h"
#include "TestFiles.h"
#include "device/AreaImage.h"

namespace zel3d_test {
namespace {

void Put16(std::vector<uint8_t>& b, size_t at, unsigned v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + k] = uint8_t(v >> (8 * k));
}

// A bitmap file with an info header; `pixels` follow the colour table.
std::vector<uint8_t> Bitmap(int32_t width, int32_t height, int bits, int compression, int header_size,
                            const std::vector<uint8_t>& pixels, int colors = 0) {
    std::vector<uint8_t> b(14 + size_t(header_size) + 4 * size_t(colors));
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, uint32_t(b.size()));
    Put32(b, 14, uint32_t(header_size));
    if (header_size >= 40) {
        Put32(b, 18, uint32_t(width));
        Put32(b, 22, uint32_t(height));
        Put16(b, 26, 1);
        Put16(b, 28, unsigned(bits));
        Put32(b, 30, uint32_t(compression));
    }
    for (int k = 0; k < colors; ++k) b[14 + header_size + 4 * k + 2] = uint8_t(k);  // red = index
    Put32(b, 2, uint32_t(b.size() + pixels.size()));
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

class AreaImages : public ::testing::Test {
protected:
    void SetUp() override { chart_ = MakeDetachedChart(200, 150); }
    void TearDown() override { Zel3dDestroy(chart_); }

    // Loads a file into the graph's slot; the record or null.
    const Zel3dImageData* Load(const std::vector<uint8_t>& bytes) {
        std::string path = folder_.File("picture.bmp");
        WriteBytes(path, std::string(bytes.begin(), bytes.end()));
        Zel3d_SetImageFileName(chart_, nullptr, ZEL3D_GRAPH_IMAGE, path.c_str());
        if (!zel3d_load_image_file(chart_, &chart_->graph.image)) return nullptr;
        return Zel3d_GetImageData(chart_, nullptr, ZEL3D_GRAPH_IMAGE);
    }

    TempFolder folder_;
    Zel3dChart* chart_ = nullptr;
};

TEST_F(AreaImages, ABitmapIsReadWithItsRowLayout) {
    std::vector<uint8_t> rows(24, 0);
    rows[0] = 0x11;   // first file row: the bottom of the picture
    rows[12] = 0x22;  // second row
    const Zel3dImageData* image = Load(Bitmap(3, 2, 24, 0, 40, rows));
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(kImageBitmap, image->kind);
    EXPECT_EQ(10, image->row_bytes);
    EXPECT_EQ(12, image->row_stride);
    EXPECT_EQ(24, image->data_bytes);
    EXPECT_EQ(0x11, image->data[0]);
    EXPECT_EQ(0x22, image->data[12]);
    // Rows stored top-down come out bottom-up like the others.
    image = Load(Bitmap(3, -2, 24, 0, 40, rows));
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(2, image->height);
    EXPECT_EQ(0x22, image->data[0]);
    EXPECT_EQ(0x11, image->data[12]);
}

TEST_F(AreaImages, RunLengthRowsSkipDeltas) {
    // Row 1: 3 x 7, a delta, then 3 literal bytes 5 6 8 (and a padding
    // byte); end of line. Row 2: end of picture.
    std::vector<uint8_t> rle = {3, 7, 0, 2, 9, 9, 0, 3, 5, 6, 8, 0, 0, 0, 0, 1};
    const Zel3dImageData* image = Load(Bitmap(6, 2, 8, BI_RLE8, 40, rle, 256));
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(256, image->colors);
    const uint8_t expected[8] = {7, 7, 7, 5, 6, 8, 0, 0};
    for (int k = 0; k < 8; ++k) EXPECT_EQ(expected[k], image->data[k]) << k;
    EXPECT_EQ(0, image->header->bmiHeader.biCompression);
    // A run longer than the row is refused.
    EXPECT_EQ(nullptr, Load(Bitmap(6, 2, 8, BI_RLE8, 40, {20, 7, 0, 1}, 256)));
}

TEST_F(AreaImages, UnsupportedOrDamagedBitmapsAreRefused) {
    EXPECT_EQ(nullptr, Load(Bitmap(2, 2, 32, 0, 40, std::vector<uint8_t>(16))));
    EXPECT_EQ(nullptr, Load(Bitmap(2, 2, 24, 0, 20, std::vector<uint8_t>(16))));
    EXPECT_EQ(nullptr, Load(Bitmap(0x7FFFFFFF, 0x7FFFFFFF, 24, 0, 40, {})));
    EXPECT_EQ(nullptr, Load(Bitmap(-4, 2, 24, 0, 40, std::vector<uint8_t>(24))));
    EXPECT_EQ(nullptr, Load({'B', 'M', 1, 2}));
    EXPECT_EQ(nullptr, Load({'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'}));
    EXPECT_EQ(nullptr, chart_->graph.image.image);
    // Pixels the file does not hold: refused, however few are missing.
    EXPECT_EQ(nullptr, Load(Bitmap(3, 4, 24, 0, 40, std::vector<uint8_t>(12, 0x33))));
    EXPECT_EQ(nullptr, Load(Bitmap(3, 4, 24, 0, 40, std::vector<uint8_t>(47, 0x33))));
    const Zel3dImageData* image = Load(Bitmap(3, 4, 24, 0, 40, std::vector<uint8_t>(48, 0x33)));
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(0x33, image->data[47]);
}

// How far the process's working set grew at its highest while `load` ran.
template <class Load>
size_t PeakGrowth(Load load) {
    PROCESS_MEMORY_COUNTERS before = {}, after = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);
    load();
    GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
    return after.PeakWorkingSetSize > before.PeakWorkingSetSize ? after.PeakWorkingSetSize - before.WorkingSetSize
                                                                : 0;
}

// Damaged pictures whose headers claim far more than the file holds, or
// whose records would send GDI past its buffer or round in circles.
TEST_F(AreaImages, DamagedPictureFilesAreRefusedBeforeGdiSeesThem) {
    // The last four would have GDI rasterise shapes thousands of times the
    // picture's size when drawn: a huge ellipse, a frame of 0.02 mm, bounds
    // 65,535 pixels tall, a frame upside down.
    for (const char* name : {"zimage-tall-bitmap.bmp", "emf-palette-overrun.emf", "emf-zero-record.emf",
                             "emf-zero-record-palette.emf", "wmf-huge-size.wmf", "emf-huge-ellipse.emf",
                             "emf-tiny-frame.emf", "emf-tall-bounds.emf", "emf-frame-upside-down.emf"}) {
        const std::string bytes = ReadBytes(DataPath(name));
        ASSERT_FALSE(bytes.empty()) << name;
        size_t growth = PeakGrowth([&] { EXPECT_EQ(nullptr, Load(std::vector<uint8_t>(bytes.begin(), bytes.end()))) << name; });
        EXPECT_LT(growth, size_t(16) << 20) << name;
    }
}

// An enhanced metafile as GDI writes it, with two palette entries in its
// end record.
std::vector<uint8_t> EnhancedMetafileBits() {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(200, 10, 20));
    HGDIOBJ old = SelectObject(dc, brush);
    Rectangle(dc, 0, 0, 60, 40);
    POINT points[] = {{0, 0}, {30, 40}, {60, 0}};
    Polyline(dc, points, 3);
    TextOutA(dc, 5, 5, "area", 4);
    SelectObject(dc, old);
    DeleteObject(brush);
    HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
    std::vector<uint8_t> bits(size);
    GetEnhMetaFileBits(metafile, size, bits.data());
    DeleteEnhMetaFile(metafile);
    // The end record again, with the entries: type, size, count, offset,
    // entries, size.
    bits.resize(bits.size() - 20);
    const uint8_t end[] = {14, 0, 0, 0, 28, 0, 0, 0, 2, 0, 0, 0, 16, 0, 0, 0,
                           200, 10, 20, 0, 30, 40, 250, 0, 28, 0, 0, 0};
    bits.insert(bits.end(), end, end + sizeof end);
    Put32(bits, 48, uint32_t(bits.size()));
    Put32(bits, 68, 2);
    return bits;
}

TEST_F(AreaImages, EnhancedMetafilesKeepTheirBoundsAndPalette) {
    std::vector<uint8_t> bits = EnhancedMetafileBits();
    const Zel3dImageData* image = Load(bits);
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(kImageEnhancedMetafile, image->kind);
    EXPECT_EQ(int(bits.size()), image->data_bytes);
    EXPECT_GT(image->width, 50);
    ASSERT_EQ(2, image->palette_entries);
    EXPECT_EQ(200, image->palette[0].peRed);
    EXPECT_EQ(250, image->palette[1].peBlue);
    // A record of size 0 in the chain, a chain that runs past the end.
    std::vector<uint8_t> zero = bits;
    const uint32_t header = zero[4] | (zero[5] << 8);
    Put32(zero, header + 4, 0);
    EXPECT_EQ(nullptr, Load(zero));
    std::vector<uint8_t> cut(bits.begin(), bits.end() - 20);
    EXPECT_EQ(nullptr, Load(cut));
}

// Metafile bytes handed in by a caller are checked too before they are
// played: a record of size 0 must not hold the drawing forever.
TEST_F(AreaImages, ACallersDamagedMetafileIsNotPlayed) {
    const std::string bytes = ReadBytes(DataPath("emf-zero-record.emf"));
    Zel3dImageData record = {};
    record.kind = kImageEnhancedMetafile;
    record.width = record.height = 10;
    record.data_bytes = int(bytes.size());
    record.data = reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()));
    ASSERT_NE(nullptr, Zel3d_SetImageData(chart_, nullptr, ZEL3D_GRAPH_IMAGE, &record));
    RenderToMemory(chart_);
    // A good one is played.
    std::vector<uint8_t> good = EnhancedMetafileBits();
    record.data_bytes = int(good.size());
    record.data = good.data();
    ASSERT_NE(nullptr, Zel3d_SetImageData(chart_, nullptr, ZEL3D_GRAPH_IMAGE, &record));
    RenderToMemory(chart_);
}

std::vector<uint8_t> MetafileBits() {
    HDC dc = CreateMetaFileA(nullptr);
    Rectangle(dc, 0, 0, 100, 100);
    HMETAFILE metafile = CloseMetaFile(dc);
    UINT size = GetMetaFileBitsEx(metafile, 0, nullptr);
    std::vector<uint8_t> bits(size);
    GetMetaFileBitsEx(metafile, size, bits.data());
    DeleteMetaFile(metafile);
    return bits;
}

std::vector<uint8_t> Placeable(unsigned units_per_inch, int right) {
    std::vector<uint8_t> b(22, 0);
    Put32(b, 0, 0x9AC6CDD7);
    Put16(b, 10, unsigned(right));
    Put16(b, 12, unsigned(right));
    Put16(b, 14, units_per_inch);
    std::vector<uint8_t> bits = MetafileBits();
    b.insert(b.end(), bits.begin(), bits.end());
    return b;
}

TEST_F(AreaImages, MetafilesGetTheirSizeOnTheScreen) {
    const Zel3dImageData* plain = Load(MetafileBits());
    ASSERT_NE(nullptr, plain);
    EXPECT_EQ(kImageMetafile, plain->kind);
    EXPECT_EQ(0, plain->width);
    const Zel3dImageData* placeable = Load(Placeable(1000, 1000));
    ASSERT_NE(nullptr, placeable);
    EXPECT_EQ(kImagePlaceableMetafile, placeable->kind);
    EXPECT_EQ(96, placeable->width);  // one inch at 96 pixels per inch
    // No units per inch: the size cannot be worked out and the file is refused.
    EXPECT_EQ(nullptr, Load(Placeable(0, 1000)));
}

TEST_F(AreaImages, SlotsByCode) {
    EXPECT_EQ(nullptr, Zel3d_GetImageData(chart_, nullptr, ZEL3D_IMAGE));
    EXPECT_EQ(nullptr, Zel3d_GetImageData(chart_, nullptr, ZEL3D_TEXT_IMAGE));
    EXPECT_EQ(0, Zel3d_SetImageFileName(chart_, nullptr, ZEL3D_TEXT_IMAGE, "x.bmp"));
    const Zel3dImageData* image = Load(Bitmap(3, 2, 24, 0, 40, std::vector<uint8_t>(24, 0x44)));
    ASSERT_NE(nullptr, image);
    BYTE* copied = Zel3d_SetImageData(chart_, nullptr, ZEL3D_LEGEND_IMAGE, image);
    ASSERT_NE(nullptr, copied);
    const Zel3dImageData* copy = Zel3d_GetImageData(chart_, nullptr, ZEL3D_LEGEND_IMAGE);
    EXPECT_NE(image->data, copy->data);
    EXPECT_EQ(0x44, copy->data[23]);
    EXPECT_EQ(image->header->bmiHeader.biWidth, copy->header->bmiHeader.biWidth);
}

}  // namespace
}  // namespace zel3d_test
