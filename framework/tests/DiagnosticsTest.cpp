#include <gtest/gtest.h>

#include <vector>

#include "Framework.h"

TEST(DiagnosticsTest, ReleaseChecksKeepSideEffectsOfVerifyOnly) {
#ifdef NDEBUG
    int asserted = 0;
    int verified = 0;
    ASSERT(++asserted == 100);  // not evaluated, and a false check does nothing
    VERIFY(++verified == 100);  // evaluated, its result ignored
    EXPECT_EQ(0, asserted);
    EXPECT_EQ(1, verified);
#else
    GTEST_SKIP() << "release behaviour only";
#endif
}

TEST(DiagnosticsTest, FailedCheckEndsTheProcess) {
    EXPECT_DEATH(FrameworkAssertFailed("Example.cpp", 12), "Example.cpp\\(12\\)");
}

TEST(DiagnosticsTest, ValidAddressNeedsAccessibleMemory) {
    int local = 5;
    static const char kReadOnly[] = "constant text";
    std::vector<char> heap(100000);

    EXPECT_TRUE(AfxIsValidAddress(&local, sizeof local));
    EXPECT_TRUE(AfxIsValidAddress(heap.data(), heap.size()));
    EXPECT_FALSE(AfxIsValidAddress(nullptr, 1));
    EXPECT_FALSE(AfxIsValidAddress(reinterpret_cast<void*>(0x10), 4, FALSE));
    // Read-only data is valid for reading but not for writing.
    EXPECT_TRUE(AfxIsValidAddress(kReadOnly, sizeof kReadOnly, FALSE));
    EXPECT_FALSE(AfxIsValidAddress(kReadOnly, sizeof kReadOnly, TRUE));
}

TEST(DiagnosticsTest, ValidAddressChecksTheWholeRange) {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const SIZE_T page = system.dwPageSize;
    char* pages = static_cast<char*>(VirtualAlloc(nullptr, 2 * page, MEM_RESERVE, PAGE_NOACCESS));
    ASSERT_NE(nullptr, pages);
    ASSERT_NE(nullptr, VirtualAlloc(pages, page, MEM_COMMIT, PAGE_READWRITE));

    EXPECT_TRUE(AfxIsValidAddress(pages, page));
    EXPECT_TRUE(AfxIsValidAddress(pages + page - 8, 8));
    EXPECT_FALSE(AfxIsValidAddress(pages + page - 8, 9));  // runs into the reserved page

    memcpy(pages + page - 3, "ab", 3);
    EXPECT_TRUE(AfxIsValidString(pages + page - 3));
    pages[page - 1] = 'c';  // no terminator before the end of the committed page
    EXPECT_FALSE(AfxIsValidString(pages + page - 3));
    EXPECT_TRUE(AfxIsValidString(pages + page - 3, 3));
    EXPECT_FALSE(AfxIsValidString(nullptr));
    VirtualFree(pages, 0, MEM_RELEASE);
}
