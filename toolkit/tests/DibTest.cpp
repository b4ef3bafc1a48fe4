// Device-independent bitmaps: BMP files written and read back, damaged files
// refused with the old picture kept, and drawing into a DC.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Archive.h"
#include "Dib.h"
#include "WindowHelpers.h"

namespace {

std::string TempPath(const char* name) {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

std::vector<BYTE> ReadAll(const std::string& path) {
    std::vector<BYTE> bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        int c;
        while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<BYTE>(c));
        std::fclose(f);
    }
    return bytes;
}

void WriteAll(const std::string& path, const std::vector<BYTE>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

DWORD U32(const std::vector<BYTE>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<DWORD>(b[at + 3]) << 24);
}

// A 24-bit picture of the given size: left half red, right half blue.
void MakePicture(SECDib& dib, int width, int height) {
    HDC screen = ::GetDC(nullptr);
    CDC dc;
    dc.Attach(::CreateCompatibleDC(screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(CDC::FromHandle(screen), width, height));
    HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), bitmap);
    RECT left = {0, 0, width / 2, height}, right = {width / 2, 0, width, height};
    HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0)), blue = ::CreateSolidBrush(RGB(0, 0, 255));
    ::FillRect(dc.GetSafeHdc(), &left, red);
    ::FillRect(dc.GetSafeHdc(), &right, blue);
    ::SelectObject(dc.GetSafeHdc(), old);
    ASSERT_TRUE(dib.CreateFromBitmap(&dc, &bitmap));
    ::DeleteObject(red);
    ::DeleteObject(blue);
    ::DeleteDC(dc.Detach());
    ::ReleaseDC(nullptr, screen);
}

TEST(DibRows, PackedAndPaddedRowSizes) {
    struct Case { int bits, width; size_t packed, padded; };
    const Case cases[] = {
        {1, 3, 1, 4}, {1, 32, 4, 4}, {1, 33, 5, 8}, {4, 3, 2, 4}, {8, 5, 5, 8},
        {24, 1, 3, 4}, {24, 4, 12, 12}, {24, 5, 15, 16}, {32, 3, 12, 12},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SECDib::PackedRowBytes(c.bits, c.width), c.packed) << c.bits << "x" << c.width;
        EXPECT_EQ(SECDib::PaddedRowBytes(c.bits, c.width), c.padded) << c.bits << "x" << c.width;
    }
    EXPECT_EQ(SECDib::ColorCountFor(1), 2);
    EXPECT_EQ(SECDib::ColorCountFor(4), 16);
    EXPECT_EQ(SECDib::ColorCountFor(8), 256);
    EXPECT_EQ(SECDib::ColorCountFor(24), 0);
}

TEST(DibFile, PictureRoundTripsThroughABmpFile) {
    SECDib dib;
    MakePicture(dib, 13, 7);
    ASSERT_EQ(dib.GetBitsPerPixel(), 24);
    EXPECT_EQ(dib.GetPalette(), nullptr);  // true colour: no palette
    const std::string path = TempPath("dib-roundtrip.bmp");
    ASSERT_TRUE(dib.SaveImage(path.c_str()));

    const std::vector<BYTE> bytes = ReadAll(path);
    const DWORD rows = 40 * 7;  // 13 pixels x 3 bytes = 39, padded to 40
    ASSERT_EQ(bytes.size(), 14 + 40 + rows);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(U32(bytes, 2), 14 + 40 + rows);
    EXPECT_EQ(U32(bytes, 10), 54u);
    EXPECT_EQ(U32(bytes, 18), 13u);
    EXPECT_EQ(U32(bytes, 22), 7u);
    EXPECT_EQ(U32(bytes, 34), 0u);  // image size reset on save
    // Bottom row: first pixel red, last pixel blue (stored blue, green, red).
    EXPECT_EQ(bytes[54 + 2], 255);
    EXPECT_EQ(bytes[54 + 12 * 3], 255);

    SECDib loaded;
    ASSERT_TRUE(loaded.LoadImage(path.c_str()));
    EXPECT_EQ(loaded.GetWidth(), 13);
    EXPECT_EQ(loaded.GetHeight(), 7);
    EXPECT_EQ(loaded.GetBitsPerPixel(), 24);
    EXPECT_EQ(0, std::memcmp(loaded.GetBits(), dib.GetBits(), rows));

    // Drawn into a memory DC at its own size, the colours come back.
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP target = ::CreateCompatibleBitmap(screen, 13, 7);
    HGDIOBJ old = ::SelectObject(memory, target);
    EXPECT_EQ(loaded.Draw(CDC::FromHandle(memory), 0, 0), 7);
    const auto pixels = testing_harness::Pixels::FromDC(memory, 13, 7);
    EXPECT_EQ(pixels.At(0, 0), 0xFF0000u);
    EXPECT_EQ(pixels.At(12, 6), 0x0000FFu);
    ::SelectObject(memory, old);
    ::DeleteObject(target);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    std::remove(path.c_str());
}

TEST(DibFile, OneBitPictureSavedWithFourByteRows) {
    // 1-bit rows of 3 pixels stored packed (one byte per row), as a reader
    // of packed data leaves them; saving pads each row to 4 bytes.
    const std::string path = TempPath("dib-onebit.bmp");
    std::vector<BYTE> file = {'B', 'M'};
    auto put32 = [&file](DWORD v) { for (int i = 0; i < 4; ++i) file.push_back(static_cast<BYTE>(v >> (8 * i))); };
    auto put16 = [&file](WORD v) { file.push_back(static_cast<BYTE>(v)); file.push_back(static_cast<BYTE>(v >> 8)); };
    put32(14 + 40 + 8 + 8); put16(0); put16(0); put32(14 + 40 + 8);
    put32(40); put32(3); put32(2); put16(1); put16(1); put32(0); put32(0); put32(0); put32(0); put32(0); put32(0);
    put32(0x000000); put32(0xFFFFFF);
    put32(0x000000A0); put32(0x00000040);
    WriteAll(path, file);
    SECDib dib;
    ASSERT_TRUE(dib.LoadImage(path.c_str()));
    ASSERT_NE(dib.GetPalette(), nullptr);
    EXPECT_EQ(dib.GetPalette()->GetEntryCount(), 2);
    ASSERT_TRUE(dib.SaveImage(path.c_str()));
    const std::vector<BYTE> saved = ReadAll(path);
    ASSERT_EQ(saved.size(), 14u + 40 + 8 + 2 * 4);
    EXPECT_EQ(U32(saved, 2), 14u + 40 + 8 + 2 * 4);
    EXPECT_EQ(saved[62], 0xA0);
    EXPECT_EQ(saved[66], 0x40);
    std::remove(path.c_str());
}

TEST(DibFile, DamagedFilesAreRefusedAndTheOldPictureStays) {
    SECDib original;
    MakePicture(original, 8, 4);
    const std::string good = TempPath("dib-good.bmp");
    ASSERT_TRUE(original.SaveImage(good.c_str()));
    const std::vector<BYTE> bytes = ReadAll(good);

    struct Damage { const char* what; size_t at; std::vector<BYTE> value; size_t truncateTo; };
    const Damage damages[] = {
        {"not BM", 0, {'X', 'M'}, 0},
        {"offset past the end", 10, {0xFF, 0xFF, 0, 0}, 0},
        {"offset inside the file header", 10, {10, 0, 0, 0}, 0},
        {"info header too long", 14, {0xFF, 0, 0, 0}, 0},
        {"zero width", 18, {0, 0, 0, 0}, 0},
        {"negative height", 22, {0xFF, 0xFF, 0xFF, 0xFF}, 0},
        {"huge width", 18, {0xFF, 0xFF, 0xFF, 0x7F}, 0},
        {"odd depth", 28, {7, 0}, 0},
        {"compressed", 30, {1, 0, 0, 0}, 0},
        {"rows cut short", 0, {}, 54 + 10},
        {"header cut short", 0, {}, 30},
        {"empty", 0, {}, 1},
    };
    for (const Damage& d : damages) {
        std::vector<BYTE> damaged = bytes;
        for (size_t i = 0; i < d.value.size(); ++i) damaged[d.at + i] = d.value[i];
        if (d.truncateTo != 0) damaged.resize(d.truncateTo);
        const std::string path = TempPath("dib-damaged.bmp");
        WriteAll(path, damaged);
        SECDib dib;
        ASSERT_TRUE(dib.LoadImage(good.c_str()));
        EXPECT_FALSE(dib.LoadImage(path.c_str())) << d.what;
        EXPECT_EQ(dib.GetWidth(), 8) << d.what;
        EXPECT_EQ(dib.GetHeight(), 4) << d.what;
        ASSERT_NE(dib.GetBits(), nullptr) << d.what;
        EXPECT_EQ(0, std::memcmp(dib.GetBits(), original.GetBits(), 4 * 24)) << d.what;
        std::remove(path.c_str());
    }
    SECDib fresh;
    EXPECT_FALSE(fresh.LoadImage(TempPath("dib-no-such-file.bmp").c_str()));
    std::remove(good.c_str());
}

TEST(DibArchive, PictureRoundTripsThroughAnArchive) {
    SECDib dib;
    MakePicture(dib, 5, 3);
    const std::string path = TempPath("dib-archive.bin");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive archive(&file, CArchive::store);
        dib.Serialize(archive);
    }
    CFile file(path.c_str(), CFile::modeRead);
    CArchive archive(&file, CArchive::load);
    SECDib loaded;
    loaded.Serialize(archive);
    EXPECT_EQ(loaded.GetWidth(), 5);
    EXPECT_EQ(loaded.GetHeight(), 3);
    ASSERT_NE(loaded.GetBits(), nullptr);
    EXPECT_EQ(0, std::memcmp(loaded.GetBits(), dib.GetBits(), 16 * 3));
    file.Close();
    std::remove(path.c_str());
}

}  // namespace
