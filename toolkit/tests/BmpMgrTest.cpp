// The toolbar bitmap manager: command lookups, small and stretched large
// strips, the reload rules, bitmaps handed in by the caller (never
// deleted), and the reference count.
#include <gtest/gtest.h>

#include "BmpMgr.h"
#include "ButtonTestResources.h"
#include "WindowHelpers.h"

namespace {

using testing_harness::Pixels;

const UINT kIds[11] = {100, 101, 102, 0, 104, 105, 106, 107, 108, 109, 110};

// Counts reloads and tells when it is deleted.
class CountingBmpMgr : public SECBmpMgr {
public:
    explicit CountingBmpMgr(bool* deleted = nullptr) : deleted_(deleted) {}
    ~CountingBmpMgr() override {
        if (deleted_ != nullptr) *deleted_ = true;
    }
    int reloads = 0;

protected:
    BOOL ReloadStrip(Record& record, BOOL force) override {
        ++reloads;
        return SECBmpMgr::ReloadStrip(record, force);
    }

private:
    bool* deleted_;
};

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!::GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

Pixels PixelsOf(HBITMAP bitmap) {
    const SIZE size = BitmapSize(bitmap);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    Pixels pixels = Pixels::FromDC(dc, size.cx, size.cy);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return pixels;
}

HBITMAP MakeBitmap(int width, int height) {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

TEST(BmpMgr, FindsTheImageOfACommand) {
    SECBmpMgr images;
    ASSERT_TRUE(images.AddStrip(MAKEINTRESOURCEA(IDB_BUTTON_STRIP), kIds, 11));
    ASSERT_EQ(images.GetStripCount(), 1);
    EXPECT_EQ(images.GetRecord(0).imageCount, 11);
    HBITMAP strip = nullptr;
    int image = -1;
    ASSERT_TRUE(images.GetBitmap(104, strip, image));
    EXPECT_EQ(image, 4);
    EXPECT_EQ(strip, images.GetRecord(0).small);
    EXPECT_EQ(BitmapSize(strip).cx, 176);

    // Unknown ids leave the outputs untouched.
    HBITMAP untouched = reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(0x1234));
    int untouchedImage = 77;
    EXPECT_FALSE(images.GetBitmap(103, untouched, untouchedImage));
    EXPECT_FALSE(images.GetBitmap(0, untouched, untouchedImage));
    EXPECT_EQ(untouched, reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(0x1234)));
    EXPECT_EQ(untouchedImage, 77);
    EXPECT_FALSE(images.AddStrip(MAKEINTRESOURCEA(9999), kIds, 11));
    EXPECT_EQ(images.GetStripCount(), 1);
}

TEST(BmpMgr, LargeImagesAreStretchedFromTheSmallStrip) {
    SECBmpMgr images;
    ASSERT_TRUE(images.AddStrip(MAKEINTRESOURCEA(IDB_BUTTON_STRIP), kIds, 11, nullptr, FALSE));
    const Pixels small = PixelsOf(images.GetRecord(0).small);
    images.SetUseSmallImages(FALSE);
    HBITMAP large = nullptr;
    int image = 0;
    ASSERT_TRUE(images.GetBitmap(105, large, image));
    ASSERT_EQ(BitmapSize(large).cx, 22 * 11);
    ASSERT_EQ(BitmapSize(large).cy, 24);
    EXPECT_EQ(images.GetRecord(0).small, nullptr);  // not kept without keep-both
    const Pixels stretched = PixelsOf(large);
    // Every large cell shows its small image scaled: compare cell centres
    // and corners.
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(stretched.At(i * 22 + 11, 12), small.At(i * 16 + 8, 7));
        EXPECT_EQ(stretched.At(i * 22, 0), small.At(i * 16, 0));
        EXPECT_EQ(stretched.At(i * 22 + 21, 23), small.At(i * 16 + 15, 14));
    }
    images.SetKeepBoth(TRUE);
    images.SetUseSmallImages(TRUE);
    HBITMAP smallStrip = nullptr;
    ASSERT_TRUE(images.GetBitmap(105, smallStrip, image));
    EXPECT_EQ(BitmapSize(smallStrip).cx, 176);
}

TEST(BmpMgr, KeepBothReloadsOnlyWhenItChanges) {
    CountingBmpMgr images;
    ASSERT_TRUE(images.AddStrip(MAKEINTRESOURCEA(IDB_BUTTON_STRIP), kIds, 11));
    images.reloads = 0;
    images.SetKeepBoth(TRUE);
    images.SetKeepBoth(TRUE);
    EXPECT_EQ(images.reloads, 1);
    images.SetKeepBoth(FALSE);
    images.SetKeepBoth(FALSE);
    EXPECT_EQ(images.reloads, 2);
    EXPECT_TRUE(images.ReloadAll(TRUE));
    EXPECT_EQ(images.reloads, 3);
    EXPECT_NE(images.GetRecord(0).small, nullptr);
}

// Bitmaps handed in stay the caller's: never reloaded, replaced or deleted.
TEST(BmpMgr, HandedInBitmapsAreNeverDeleted) {
    HBITMAP small = MakeBitmap(16 * 3, 15), large = MakeBitmap(22 * 3, 24), ownLarge = MakeBitmap(22 * 11, 24);
    const UINT ids[3] = {200, 201, 202};
    {
        SECBmpMgr images;
        ASSERT_TRUE(images.AddBitmaps(small, large, ids, 3));
        ASSERT_TRUE(images.AddStrip(MAKEINTRESOURCEA(IDB_BUTTON_STRIP), kIds, 11));
        // A large strip handed in for a strip whose small one is loaded
        // here: using small images must not free it.
        ASSERT_TRUE(images.SetLargeBitmap(1, ownLarge));
        images.ReloadAll(TRUE);
        images.SetUseSmallImages(FALSE);
        images.ReloadAll(TRUE);
        images.SetUseSmallImages(TRUE);
        images.ReloadAll(TRUE);
        EXPECT_EQ(images.GetRecord(0).small, small);
        EXPECT_EQ(images.GetRecord(0).large, large);
        EXPECT_EQ(images.GetRecord(1).large, ownLarge);
        EXPECT_EQ(::GetObjectType(ownLarge), static_cast<DWORD>(OBJ_BITMAP));
    }
    for (HBITMAP bitmap : {small, large, ownLarge}) {
        EXPECT_EQ(::GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
        ::DeleteObject(bitmap);
    }
}

TEST(BmpMgr, TheLastReleaseDeletesTheManager) {
    bool deleted = false;
    auto* images = new CountingBmpMgr(&deleted);
    EXPECT_EQ(images->GetRefCount(), 1);
    images->AddRef();
    images->Release();
    EXPECT_FALSE(deleted);
    images->Release();
    EXPECT_TRUE(deleted);
}

TEST(BmpMgr, StripsGoWithTheManager) {
    const DWORD before = testing_harness::GdiObjectCount();
    for (int i = 0; i < 50; ++i) {
        SECBmpMgr images;
        images.SetKeepBoth(TRUE);
        ASSERT_TRUE(images.AddStrip(MAKEINTRESOURCEA(IDB_BUTTON_STRIP), kIds, 11));
        images.SetUseSmallImages(FALSE);
        images.ReloadAll(TRUE);
    }
    EXPECT_LE(testing_harness::GdiObjectCount(), before + 5);
}

}  // namespace
