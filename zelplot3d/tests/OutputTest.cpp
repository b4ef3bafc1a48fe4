// A shaded surface leaving its window: a bitmap file and its bytes, the
// three metafiles, drawing into another DC, the clipboard, and JPEG and PNG
// images read back by the libraries' own decoders.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ChartPictures.h"
#include "ImageDecoders.h"
#include "TestFiles.h"
#include "kernel/JpegWriter.h"
#include "kernel/PngWriter.h"

namespace zel3d_test {
namespace {

constexpr int kWidth = 400, kHeight = 300;

unsigned char Byte(unsigned v) {
    return static_cast<unsigned char>(v);
}

uint32_t Long(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(bytes[at + k]);
    return v;
}
unsigned Word(const std::string& bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// The picture of a BMP file image (bottom-up rows, 24 or 32 bits).
Pixels BmpPixels(const std::string& bmp) {
    int width = int(Long(bmp, 18)), height = int(Long(bmp, 22)), bits = int(Word(bmp, 28));
    size_t stride = (size_t(width) * bits + 31) / 32 * 4, offset = Long(bmp, 10);
    Pixels pixels(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = reinterpret_cast<const unsigned char*>(bmp.data()) + offset +
                                     (height - 1 - y) * stride + x * bits / 8;
            pixels.At(x, y) = (unsigned(p[2]) << 16) | (unsigned(p[1]) << 8) | p[0];
        }
    return pixels;
}

// The programs' shaded surface, detached, at WIDTH x HEIGHT.
class ChartOutput : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Zel3dRegisterClass(GetModuleHandleA(nullptr)); }

    void SetUp() override {
        chart_ = MakeDetachedChart(kWidth, kHeight);
        ApplyProgramsSetup(chart_, kWidth, kHeight, grid_.data);
        zel3d::SetValues(chart_, zel3d::ZROTATION(30.0));
    }
    void TearDown() override { Zel3dDestroy(chart_); }

    // The chart as the DIB export renders it.
    Pixels Rendered() {
        int n = Zel3dSaveImageAsDibBytes(chart_, nullptr, 0);
        std::string bmp(size_t(n > 0 ? n : 0), '\0');
        if (n <= 0 ||
            Zel3dSaveImageAsDibBytes(chart_, reinterpret_cast<unsigned char*>(&bmp[0]), n) != n)
            return Pixels();
        return BmpPixels(bmp);
    }

    SweepGrid grid_;
    Zel3dChart* chart_ = nullptr;
    TempFolder folder_;
};

TEST_F(ChartOutput, BitmapBytesAndFileAreOneImageOfThePicture) {
    int n = Zel3dSaveImageAsDibBytes(chart_, nullptr, 0);
    ASSERT_GT(n, 54);
    std::string bytes(size_t(n), '\0');
    auto* buffer = reinterpret_cast<unsigned char*>(&bytes[0]);
    EXPECT_EQ(0, Zel3dSaveImageAsDibBytes(chart_, buffer, n - 1));
    ASSERT_EQ(n, Zel3dSaveImageAsDibBytes(chart_, buffer, n));

    EXPECT_EQ("BM", bytes.substr(0, 2));
    EXPECT_EQ(uint32_t(n), Long(bytes, 2));
    EXPECT_EQ(40u, Long(bytes, 14));
    EXPECT_EQ(uint32_t(kWidth), Long(bytes, 18));
    EXPECT_EQ(uint32_t(kHeight), Long(bytes, 22));  // bottom row first
    EXPECT_EQ(1u, Word(bytes, 26));
    unsigned bits = Word(bytes, 28);
    ASSERT_TRUE(bits == 24 || bits == 32) << bits;  // a true-colour display: no colour table
    EXPECT_EQ(0u, Long(bytes, 30));
    EXPECT_EQ(54u, Long(bytes, 10));
    uint32_t image = (kWidth * bits + 31) / 32 * 4 * kHeight;
    EXPECT_EQ(image, Long(bytes, 34));
    EXPECT_EQ(uint32_t(n), 54 + image);

    std::string path = folder_.File("chart.bmp");
    ASSERT_EQ(1, Zel3dDrawToFile(chart_, path.c_str(), 1));
    EXPECT_EQ(bytes, ReadBytes(path));

    // The image is the chart as it draws into memory.
    Pixels direct = RenderToMemory(chart_);
    Pixels exported = BmpPixels(bytes);
    SavePicture(exported, "output_bitmap");
    int different = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) different += direct.At(x, y) != exported.At(x, y);
    EXPECT_EQ(0, different);
    EXPECT_GT(exported.Count(Rgb(0x000080)), 5000);
}

TEST_F(ChartOutput, MetafilesCarryTheirHeaders) {
    std::string placeable = folder_.File("chart.wmf"), plain = folder_.File("plain.wmf"),
                enhanced = folder_.File("chart.emf");
    ASSERT_EQ(1, Zel3dDrawToFile(chart_, placeable.c_str(), 2));
    ASSERT_EQ(1, Zel3dDrawToFile(chart_, plain.c_str(), 4));
    ASSERT_EQ(1, Zel3dDrawToFile(chart_, enhanced.c_str(), 3));

    std::string wmf = ReadBytes(placeable);
    ASSERT_GT(wmf.size(), 40u);
    EXPECT_EQ(0x9AC6CDD7u, Long(wmf, 0));
    EXPECT_EQ(401u * 1000 / 96, Word(wmf, 10));  // thousandths of an inch at 96 dpi
    EXPECT_EQ(301u * 1000 / 96, Word(wmf, 12));
    EXPECT_EQ(1000u, Word(wmf, 14));
    unsigned checksum = 0;
    for (int word = 0; word < 10; ++word) checksum ^= Word(wmf, 2 * word);
    EXPECT_EQ(checksum, Word(wmf, 20));
    EXPECT_EQ(std::string("\x01\x00\x09\x00\x00\x03", 6), wmf.substr(22, 6));
    EXPECT_EQ(wmf.size() - 22, 2 * size_t(Long(wmf, 22 + 6)));

    // A chart too wide for thousandths of an inch in the header's 16 bits
    // gets coarser units that keep its size.
    zel3d::SetValues(chart_, zel3d::WIDTH(4000));
    ASSERT_EQ(1, Zel3dDrawToFile(chart_, placeable.c_str(), 2));
    std::string wide = ReadBytes(placeable);
    unsigned units = Word(wide, 14), right = Word(wide, 10);
    EXPECT_LT(units, 1000u);
    EXPECT_LE(right, 0x7FFFu);
    EXPECT_NEAR(4001.0 / 96.0, double(right) / units, 0.01);
    zel3d::SetValues(chart_, zel3d::WIDTH(kWidth));

    std::string bare = ReadBytes(plain);
    EXPECT_EQ(std::string("\x01\x00\x09\x00\x00\x03", 6), bare.substr(0, 6));
    EXPECT_EQ(std::string("\x03\x00\x00\x00\x00\x00", 6),
              bare.substr(bare.size() - 6));  // the end record

    std::string emf = ReadBytes(enhanced);
    ASSERT_GT(emf.size(), 100u);
    EXPECT_EQ(1u, Long(emf, 0));
    EXPECT_EQ(" EMF", emf.substr(40, 4));
    EXPECT_EQ(uint32_t(emf.size()), Long(emf, 48));
    EXPECT_EQ(14u, Long(emf, emf.size() - 20));  // EMR_EOF

    // The enhanced metafile played back shows the surface where the bitmap has it.
    HENHMETAFILE played = GetEnhMetaFileA(enhanced.c_str());
    ASSERT_NE(nullptr, played);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    ENHMETAHEADER header;
    GetEnhMetaFileHeader(played, sizeof header, &header);
    RECT box = {header.rclBounds.left, header.rclBounds.top, header.rclBounds.right + 1,
                header.rclBounds.bottom + 1};
    PlayEnhMetaFile(memory, played, &box);  // at its own size
    Pixels replay = Pixels::FromDC(memory, kWidth, kHeight);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DeleteEnhMetaFile(played);
    SavePicture(replay, "output_emf");
    Pixels direct = Rendered();
    unsigned top = Rgb(0x000080);
    int both = 0, direct_top = direct.Count(top);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) both += direct.At(x, y) == top && replay.At(x, y) == top;
    // Replayed lines may end a pixel apart from the bitmap's.
    EXPECT_GT(direct_top, 5000);
    EXPECT_NEAR(direct_top, replay.Count(top), direct_top / 20);
    EXPECT_GT(both, direct_top * 85 / 100);
}

TEST_F(ChartOutput, FailuresLeaveTheTargetAsItWas) {
    std::string kept = folder_.File("kept.bmp");
    WriteBytes(kept, "old");
    for (int kind : {0, 5}) EXPECT_EQ(0, Zel3dDrawToFile(chart_, kept.c_str(), kind));
    EXPECT_EQ(0, Zel3dDrawToFile(chart_, "", 1));
    EXPECT_EQ(0, Zel3dDrawToFile(chart_, nullptr, 1));
    std::string missing = folder_.File("no such folder\\chart.bmp");
    for (int kind = 1; kind <= 4; ++kind)
        EXPECT_EQ(0, Zel3dDrawToFile(chart_, missing.c_str(), kind));
    EXPECT_FALSE(FileExists(missing));

    // A chart too large for any bitmap is refused before anything is
    // allocated, and the file it was to replace stays.
    zel3d::SetValues(chart_, zel3d::WIDTH(30000), zel3d::HEIGHT(30000));
    EXPECT_EQ(0, Zel3dDrawToFile(chart_, kept.c_str(), 1));
    EXPECT_EQ(0, Zel3dSaveImageAsPng(chart_, kept.c_str(), 0));
    EXPECT_EQ(0, Zel3dSaveImageAsJpeg(chart_, kept.c_str(), 90, 0, 0, 0));
    EXPECT_EQ(0, Zel3dSaveImageAsDibBytes(chart_, nullptr, 0));
    EXPECT_EQ(0, Zel3dSaveImageAsPngBytes(chart_, nullptr, 0, 0));
    EXPECT_EQ("old", ReadBytes(kept));
    // Nothing is left beside it.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(folder_.File("*").c_str(), &found);
    int files = 0;
    do {
        files += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(1, files);
}

// A DC filled with a marker colour, for drawings that must stay in a box.
class MarkedDC {
public:
    MarkedDC(int width, int height) : width_(width), height_(height) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        HBRUSH marker = CreateSolidBrush(RGB(255, 0, 255));
        RECT all = {0, 0, width, height};
        FillRect(dc_, &all, marker);
        DeleteObject(marker);
    }
    ~MarkedDC() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    Pixels Read() const { return Pixels::FromDC(dc_, width_, height_); }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

TEST_F(ChartOutput, DrawToDCPlacesTheChartInItsBox) {
    const unsigned marker = 0xFF00FF, background = Rgb(0xC0C0C0);
    zel3d::SetValues(chart_, zel3d::WIDTH(400), zel3d::HEIGHT(200),
                     zel3d::GRAPH_HEIGHT(200));  // 2:1
    for (int method : {0, 1}) {
        SCOPED_TRACE(method ? "bitmap" : "vectors");
        MarkedDC target(500, 400);
        ASSERT_EQ(1, Zel3dDrawToDC(chart_, target.dc(), method, 2, 50, 20, 400, 300));
        Pixels pixels = target.Read();
        SavePicture(pixels, method ? "output_dc_bitmap" : "output_dc_vectors");
        // Full width, the height from the aspect: 400 x 200 at (50, 20).
        EXPECT_EQ(background, pixels.At(50, 20));
        EXPECT_EQ(background, pixels.At(449, 219));
        EXPECT_EQ(marker, pixels.At(49, 20));
        EXPECT_EQ(marker, pixels.At(450, 219));
        EXPECT_EQ(marker, pixels.At(449, 221));
        EXPECT_GT(pixels.Count(Rgb(0x000080)), 2000);
        // The DC's own mapping is as it was.
        EXPECT_EQ(MM_TEXT, GetMapMode(target.dc()));
    }
    MarkedDC natural(500, 400);
    ASSERT_EQ(
        1, Zel3dDrawToDC(chart_, natural.dc(), 0, 0, 10, 10, 0, 0));  // empty box: the chart's size
    Pixels pixels = natural.Read();
    EXPECT_EQ(background, pixels.At(409, 209));
    EXPECT_EQ(marker, pixels.At(410, 209));
    EXPECT_EQ(marker, pixels.At(409, 210));
}

TEST_F(ChartOutput, PngDecodesToTheChartsPixelsInFileAndMemory) {
    Pixels direct = Rendered();
    ASSERT_EQ(kWidth, direct.width());
    for (int interlace : {0, 1}) {
        SCOPED_TRACE(interlace ? "Adam7" : "rows");
        std::string path = folder_.File("chart.png");
        ASSERT_EQ(1, Zel3dSaveImageAsPng(chart_, path.c_str(), interlace));
        std::string file = ReadBytes(path);
        DecodedImage png = DecodePng(file);
        ASSERT_TRUE(png.ok);
        EXPECT_EQ(kWidth, png.width);
        EXPECT_EQ(kHeight, png.height);
        EXPECT_EQ(2, png.color_type);  // RGB from a true-colour display
        EXPECT_EQ(interlace, png.interlace);
        int different = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) different += png.At(x, y) != direct.At(x, y);
        EXPECT_EQ(0, different);

        int n = Zel3dSaveImageAsPngBytes(chart_, nullptr, 0, interlace);
        ASSERT_EQ(int(file.size()), n);
        std::string memory(size_t(n) + 8, '\x5A');
        auto* buffer = reinterpret_cast<unsigned char*>(&memory[0]);
        EXPECT_EQ(0, Zel3dSaveImageAsPngBytes(chart_, buffer, n - 1, interlace));
        EXPECT_EQ('\x5A', memory[size_t(n) - 1]);  // nothing beyond the size given
        ASSERT_EQ(n, Zel3dSaveImageAsPngBytes(chart_, buffer, n, interlace));
        EXPECT_EQ(file, memory.substr(0, size_t(n)));
        EXPECT_EQ(std::string(8, '\x5A'), memory.substr(size_t(n)));
    }
}

// The largest difference of one colour component between two pictures, in
// the flat areas (pixels whose 5 x 5 neighbourhood is one colour).
int FlatAreaError(const Pixels& expected, const DecodedImage& decoded, double* mean) {
    int worst = 0;
    long long sum = 0, count = 0;
    for (int y = 2; y < expected.height() - 2; ++y)
        for (int x = 2; x < expected.width() - 2; ++x) {
            bool flat = true;
            for (int dy = -2; dy <= 2 && flat; ++dy)
                for (int dx = -2; dx <= 2 && flat; ++dx)
                    flat = expected.At(x + dx, y + dy) == expected.At(x, y);
            if (!flat) continue;
            for (int shift : {16, 8, 0}) {
                int e = abs(int((expected.At(x, y) >> shift) & 255) -
                            int((decoded.At(x, y) >> shift) & 255));
                worst = std::max(worst, e);
                sum += e;
                ++count;
            }
        }
    *mean = count ? double(sum) / count : 0.0;
    return worst;
}

TEST_F(ChartOutput, JpegDecodesCloseToTheChartsPixelsInFileAndMemory) {
    Pixels direct = Rendered();
    std::string path = folder_.File("chart.jpg");
    ASSERT_EQ(1, Zel3dSaveImageAsJpeg(chart_, path.c_str(), 95, 0, 0, 0));
    std::string file = ReadBytes(path);
    ASSERT_GT(file.size(), 4u);
    EXPECT_EQ("\xFF\xD8", file.substr(0, 2));
    EXPECT_EQ("\xFF\xD9", file.substr(file.size() - 2));
    DecodedImage jpeg = DecodeJpeg(file);
    ASSERT_TRUE(jpeg.ok);
    EXPECT_EQ(kWidth, jpeg.width);
    EXPECT_EQ(kHeight, jpeg.height);
    EXPECT_EQ(3, jpeg.components);
    EXPECT_FALSE(jpeg.progressive);
    // At quality 95 flat areas (5 x 5 pixels of one colour) stay within 16 of
    // each component, and within 1 on average.
    double mean = 0;
    int worst = FlatAreaError(direct, jpeg, &mean);
    EXPECT_LE(worst, 16);
    EXPECT_LT(mean, 1.0);
    RecordProperty("jpeg_flat_worst", worst);
    RecordProperty("jpeg_flat_mean_x1000", int(mean * 1000));

    // The memory form is the file form; a buffer one byte short is refused
    // without a byte written past it.
    int n = Zel3dSaveImageAsJpegBytes(chart_, nullptr, 0, 95, 0, 0, 0);
    ASSERT_EQ(int(file.size()), n);
    std::string memory(size_t(n) + 8, '\x5A');
    auto* buffer = reinterpret_cast<unsigned char*>(&memory[0]);
    EXPECT_EQ(0, Zel3dSaveImageAsJpegBytes(chart_, buffer, n - 1, 95, 0, 0, 0));
    EXPECT_EQ(std::string(9, '\x5A'), memory.substr(size_t(n) - 1));
    ASSERT_EQ(n, Zel3dSaveImageAsJpegBytes(chart_, buffer, n, 95, 0, 0, 0));
    EXPECT_EQ(file, memory.substr(0, size_t(n)));

    // Grey, optimised and progressive streams.
    ASSERT_EQ(1, Zel3dSaveImageAsJpeg(chart_, path.c_str(), 75, 1, 0, 0));
    EXPECT_EQ(1, DecodeJpeg(ReadBytes(path)).components);
    ASSERT_EQ(1, Zel3dSaveImageAsJpeg(chart_, path.c_str(), 75, 0, 0, 1));
    DecodedImage progressive = DecodeJpeg(ReadBytes(path));
    EXPECT_TRUE(progressive.ok);
    EXPECT_TRUE(progressive.progressive);
    int plain = Zel3dSaveImageAsJpegBytes(chart_, nullptr, 0, 75, 0, 0, 0);
    int optimized = Zel3dSaveImageAsJpegBytes(chart_, nullptr, 0, 75, 0, 1, 0);
    EXPECT_LT(optimized, plain);
    EXPECT_EQ(0, Zel3dSaveImageAsJpeg(chart_, "", 75, 0, 0, 0));
}

TEST_F(ChartOutput, ClipboardTakesEachKindFromAWindow) {
    EXPECT_EQ(0, Zel3dDrawToClipboard(chart_, 1));  // no window
    OwnerWindow owner(kWidth + 40, kHeight + 60);
    Zel3dChart* chart =
        Zel3dCreateWindow("", 0, 0, kWidth, kHeight, owner.window(), GetModuleHandleA(nullptr));
    ASSERT_NE(nullptr, chart);
    ApplyProgramsSetup(chart, kWidth, kHeight, grid_.data);
    EXPECT_EQ(0, Zel3dDrawToClipboard(chart, 0));
    EXPECT_EQ(0, Zel3dDrawToClipboard(chart, 5));
    struct KindCase {
        int kind;
        UINT format;
    };
    for (KindCase c : {KindCase{1, CF_DIB}, KindCase{2, CF_METAFILEPICT},
                       KindCase{3, CF_ENHMETAFILE}, KindCase{4, CF_METAFILEPICT}}) {
        SCOPED_TRACE(c.kind);
        ASSERT_EQ(1, Zel3dDrawToClipboard(chart, c.kind));
        ASSERT_TRUE(OpenClipboard(owner.window()));
        HANDLE data = GetClipboardData(c.format);
        EXPECT_NE(nullptr, data);
        if (data && c.format == CF_DIB) {
            auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(data));
            EXPECT_EQ(kWidth, header->biWidth);
            EXPECT_EQ(kHeight, header->biHeight);
            GlobalUnlock(data);
        }
        if (data && c.format == CF_METAFILEPICT) {
            auto* picture = static_cast<METAFILEPICT*>(GlobalLock(data));
            EXPECT_EQ(MM_ANISOTROPIC, picture->mm);
            EXPECT_EQ(0, picture->xExt);
            EXPECT_NE(nullptr, picture->hMF);
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    Zel3dDestroy(chart);
}

// On 256-colour displays a chart keeps a logical palette of its colours;
// the clipboard gets a copy of it beside the picture of every kind. (This
// display has true colour, so the chart starts with a palette made by hand.)
TEST_F(ChartOutput, ClipboardCarriesACopyOfTheChartsPalette) {
    OwnerWindow owner(kWidth + 40, kHeight + 60);
    Zel3dChart* chart =
        Zel3dCreateWindow("", 0, 0, kWidth, kHeight, owner.window(), GetModuleHandleA(nullptr));
    ASSERT_NE(nullptr, chart);
    ApplyProgramsSetup(chart, kWidth, kHeight, grid_.data);
    const COLORREF colors[] = {0x000080, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000};
    struct {
        WORD version, count;
        PALETTEENTRY entries[5];
    } logical = {0x300, 5, {}};
    for (int k = 0; k < 5; ++k)
        logical.entries[k] = {GetRValue(colors[k]), GetGValue(colors[k]), GetBValue(colors[k]), 0};
    chart->palette = CreatePalette(reinterpret_cast<LOGPALETTE*>(&logical));
    ASSERT_NE(nullptr, chart->palette);
    for (int kind : {1, 2, 3}) {
        SCOPED_TRACE(kind);
        ASSERT_EQ(1, Zel3dDrawToClipboard(chart, kind));
        ASSERT_TRUE(OpenClipboard(owner.window()));
        EXPECT_NE(nullptr, GetClipboardData(kind == 1 ? CF_DIB : kind == 3 ? CF_ENHMETAFILE : CF_METAFILEPICT));
        auto palette = static_cast<HPALETTE>(GetClipboardData(CF_PALETTE));
        ASSERT_NE(nullptr, palette);
        ASSERT_NE(nullptr, chart->palette);  // drawing may have made the chart's own
        EXPECT_NE(chart->palette, palette);  // a copy: the chart keeps its own
        UINT count = GetPaletteEntries(chart->palette, 0, 0, nullptr);
        ASSERT_GE(count, 5u);
        std::vector<PALETTEENTRY> copied(count + 1), own(count);
        EXPECT_EQ(count, GetPaletteEntries(palette, 0, count + 1, copied.data()));
        GetPaletteEntries(chart->palette, 0, count, own.data());
        for (UINT k = 0; k < count; ++k)
            EXPECT_EQ(RGB(own[k].peRed, own[k].peGreen, own[k].peBlue),
                      RGB(copied[k].peRed, copied[k].peGreen, copied[k].peBlue))
                << k;
        CloseClipboard();
    }
    // Without a palette there is none on the clipboard.
    DeleteObject(chart->palette);
    chart->palette = nullptr;
    ASSERT_EQ(1, Zel3dDrawToClipboard(chart, 1));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_PALETTE));
    Zel3dDestroy(chart);
}

}  // namespace
}  // namespace zel3d_test

namespace zel3d_test {
namespace {

// A 5 x 3 picture stored in each depth a DIB may have, with the colour
// every pixel must decode to.
struct DepthCase {
    int bits;
    std::vector<unsigned char> rows;  // bottom row first, rows padded to 4 bytes
    std::vector<unsigned char> palette;
    std::vector<unsigned> expected;  // top row first, 0xRRGGBB
};

DepthCase MakeDepthCase(int bits) {
    const int width = 5, height = 3;
    DepthCase c{bits, {}, {}, {}};
    size_t stride = (size_t(width) * bits + 31) / 32 * 4;
    c.rows.assign(stride * height, 0);
    if (bits == 8)
        for (int i = 0; i < 16; ++i)
            c.palette.insert(c.palette.end(), {Byte(i * 16), Byte(255 - i * 9), Byte(i * 5), 0});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int k = y * width + x;
            unsigned char* p = &c.rows[size_t(height - 1 - y) * stride];
            unsigned r = 0, g = 0, b = 0;
            switch (bits) {
                case 8:
                    p[x] = Byte(k);
                    b = c.palette[4 * k], g = c.palette[4 * k + 1], r = c.palette[4 * k + 2];
                    break;
                case 16: {
                    unsigned r5 = k * 2 % 32, g5 = 31 - k, b5 = k * 3 % 32;
                    unsigned word = (r5 << 10) | (g5 << 5) | b5;
                    p[2 * x] = Byte(word);
                    p[2 * x + 1] = Byte(word >> 8);
                    r = r5 * 255 / 31, g = g5 * 255 / 31, b = b5 * 255 / 31;
                    break;
                }
                default:
                    r = k * 17, g = 255 - k * 13, b = k * 7;
                    p[x * bits / 8] = Byte(b);
                    p[x * bits / 8 + 1] = Byte(g);
                    p[x * bits / 8 + 2] = Byte(r);
                    if (bits == 32) p[x * 4 + 3] = 0x77;  // the unused byte is dropped
                    break;
            }
            c.expected.push_back((r << 16) | (g << 8) | b);
        }
    return c;
}

TEST(ImageEncoders, EveryDibDepthDecodesToItsColours) {
    for (int bits : {8, 16, 24, 32}) {
        SCOPED_TRACE(bits);
        DepthCase c = MakeDepthCase(bits);
        PictureRows picture = {
            5, 3, bits, c.rows.data(), c.rows.size() / 3, c.palette.data(), bits == 8 ? 16 : 0};
        size_t n = zel3d_png_to_memory(picture, 0, nullptr, 0);
        ASSERT_GT(n, 0u);
        std::string png(n, '\0');
        ASSERT_EQ(n, zel3d_png_to_memory(picture, 0, reinterpret_cast<unsigned char*>(&png[0]), n));
        DecodedImage decoded = DecodePng(png);
        ASSERT_TRUE(decoded.ok);
        EXPECT_EQ(bits == 8 ? 3 : 2, decoded.color_type);  // a palette for 8 bits
        for (int k = 0; k < 15; ++k) EXPECT_EQ(c.expected[k], decoded.At(k % 5, k / 5)) << k;

        JpegOptions options = {100, false, false, false, 0, 0};
        size_t length = zel3d_jpeg_to_memory(picture, options, nullptr, 0);
        ASSERT_GT(length, 0u);
        std::string jpeg(length, '\0');
        ASSERT_EQ(length, zel3d_jpeg_to_memory(picture, options,
                                               reinterpret_cast<unsigned char*>(&jpeg[0]), length));
        DecodedImage back = DecodeJpeg(jpeg);
        ASSERT_TRUE(back.ok);
        EXPECT_EQ(5, back.width);
        EXPECT_EQ(3, back.height);
    }
    // Depths the encoders do not take.
    DepthCase c = MakeDepthCase(24);
    PictureRows four = {5, 3, 4, c.rows.data(), 4, nullptr, 0};
    EXPECT_EQ(0u, zel3d_png_to_memory(four, 0, nullptr, 0));
    PictureRows empty = {0, 3, 24, c.rows.data(), 16, nullptr, 0};
    EXPECT_EQ(0u, zel3d_png_to_memory(empty, 0, nullptr, 0));
    EXPECT_EQ(0u, zel3d_jpeg_to_memory(empty, {90, false, false, false, 0, 0}, nullptr, 0));
}

}  // namespace
}  // namespace zel3d_test
