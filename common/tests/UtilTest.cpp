#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "common/ErrCodeException.h"
#include "common/SimSpec.h"
#include "common/Util.h"
#include "common/tests/ScratchFile.h"
#include "common/tests/TestProfile.h"
#include "framework/Framework.h"
#include "testing/ModalDriver.h"
#include "testing/WindowHelpers.h"

namespace {

class UtilTest : public ::testing::Test {
protected:
    void SetUp() override { InstallTestProfile(); }
};

struct RoundCase {
    float value;
    int decimals;
    float expected;
};

TEST_F(UtilTest, RoundsHalfAwayFromZero) {
    const RoundCase cases[] = {
        {2.346f, 2, 2.35f}, {-2.346f, 2, -2.35f}, {7.5f, 0, 8.0f},     {7.4f, 0, 7.0f},
        {-7.5f, 0, -8.0f},  {0.0f, 3, 0.0f},      {101.6f, 2, 101.6f}, {349.8499f, 1, 349.8f},
    };
    for (const RoundCase& c : cases) {
        EXPECT_FLOAT_EQ(UtilRoundToDecimals(c.value, c.decimals), c.expected)
            << c.value << " to " << c.decimals;
    }
}

TEST_F(UtilTest, RoundingAValueTooLargeForItsDecimalsKeepsIt) {
    // Typed values like "1e9" in a two-decimal field once ended the program.
    EXPECT_EQ(UtilRoundToDecimals(1e9f, 2), 1e9f);
    EXPECT_EQ(UtilRoundToDecimals(-3e12f, 0), -3e12f);
    EXPECT_EQ(UtilRoundToDecimals(5.25f, 255), 5.25f);
}

TEST_F(UtilTest, CurveAreaAddsTrapezoidsAndOnlySlopesOverNonPositiveValues) {
    const float x[] = {2000, 2500, 3000, 3500};
    const float rising[] = {100, 200, 300, 400};
    const float fromZero[] = {0, 200, 300, 400};
    EXPECT_FLOAT_EQ(UtilCurveArea(x, rising, 4, 2000, 3000), 200000.0f);
    EXPECT_FLOAT_EQ(UtilCurveArea(x, fromZero, 4, 2000, 3000), 175000.0f);
    EXPECT_FLOAT_EQ(UtilCurveArea(x, rising, 4, 2500, 3500), 300000.0f);
}

TEST_F(UtilTest, ShortFileNames) {
    CString out;
    EXPECT_TRUE(UtilMakeShortFileName("MyLongEngineName.tvn", out, ".gme"));
    EXPECT_STREQ(out, "MyLongEn.gme");
    EXPECT_TRUE(UtilMakeShortFileName("abc", out, ".gme"));
    EXPECT_STREQ(out, "abc.gme");
    EXPECT_TRUE(UtilMakeShortFileName("a.b.c", out, ".tvn"));
    EXPECT_STREQ(out, "a.tvn");
    // A name typed as only an extension is refused, not fatal.
    EXPECT_FALSE(UtilMakeShortFileName(".gme", out, ".gme"));
    EXPECT_TRUE(out.IsEmpty());
    EXPECT_FALSE(UtilMakeShortFileName("", out, ".gme"));
}

TEST_F(UtilTest, JoinPathAddsOneBackslash) {
    CString out;
    UtilJoinPath("D:\\Engines", "a.tvn", out);
    EXPECT_STREQ(out, "D:\\Engines\\a.tvn");
    UtilJoinPath("D:\\Engines\\", "a.tvn", out);
    EXPECT_STREQ(out, "D:\\Engines\\a.tvn");
}

TEST_F(UtilTest, SanitizedNamesHaveNoPathCharacters) {
    CString name = "Heads: A/B \\ C*?<>|.";
    UtilSanitizeFileName(name);
    EXPECT_STREQ(name, "Heads_ A_B _ C_____.");
}

TEST_F(UtilTest, BestResultTitlesKeepTheSourceTitleUpToItsFirstDot) {
    const struct {
        int slot;
        const char* source;
        const char* title;
    } cases[] = {
        {0, "Chevy350.tvn", "Best1-Chevy350"},
        {9, "Street car", "Best10-Street car"},
        {1, "a.b.c", "Best2-a"},
        {2, ".hidden", "Best3-"},
    };
    for (const auto& c : cases) EXPECT_STREQ(UtilBestResultTitle(c.slot, c.source), c.title) << c.source;
}

TEST_F(UtilTest, WindowsFolderIsKnown) {
    CString folder;
    UtilGetWindowsDir(folder);
    EXPECT_FALSE(folder.IsEmpty());
}

// Writes each text with UtilWriteLine, then a marker line, and reads them back.
TEST_F(UtilTest, EveryTextComesBackOnItsOwnLine) {
    const std::string longText(300, 'x');
    const char* texts[] = {
        "plain",       "", "two\r\nlines", "ends with break\n", "  lead blank", longText.c_str(),
        "lone\rreturn"};
    ScratchFile scratch("util_lines.txt");
    FILE* file = fopen(scratch.Path(), "wt");
    ASSERT_NE(file, nullptr);
    for (const char* text : texts) UtilWriteLine(file, text);
    UtilWriteInt(file, 42);
    fclose(file);
    EXPECT_EQ(scratch.Lines().size(), 8u);  // one line a text: nothing shifts

    file = fopen(scratch.Path(), "rt");
    for (const char* text : texts) EXPECT_STREQ(UtilReadLine(file), text);
    EXPECT_EQ(UtilReadInt(file), 42);
    try {
        UtilReadLine(file);
        ADD_FAILURE() << "read past the end";
    } catch (const ErrCodeException& error) {
        EXPECT_EQ(error.Code(), kTestReadError);
    }
    fclose(file);
}

TEST_F(UtilTest, ReadLineTrimsTheRightOnly) {
    ScratchFile scratch("util_trim.txt");
    scratch.WriteLines({"  value \t ", "abc"});
    FILE* file = fopen(scratch.Path(), "rt");
    EXPECT_STREQ(UtilReadLine(file), "  value");
    try {
        UtilReadInt(file);
        ADD_FAILURE() << "a word read as a number";
    } catch (const ErrCodeException& error) {
        EXPECT_EQ(error.Code(), kTestReadError);
    }
    fclose(file);
}

// A line longer than any field's line is refused as soon as it passes the
// longest line; the longest is still read.
TEST_F(UtilTest, OverlongLinesAreRefused) {
    ScratchFile scratch("util_long.txt");
    const std::string longest(kMaxTextLineLength, '7');
    scratch.WriteLines({longest, std::string(400000, '7'), "after"});
    FILE* file = fopen(scratch.Path(), "rt");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::string(UtilReadLine(file)), longest);
    try {
        UtilReadLine(file);
        ADD_FAILURE() << "an overlong line was read";
    } catch (const ErrCodeException& error) {
        EXPECT_EQ(error.Code(), kTestReadError);
    }
    // Refused without reading the rest of it.
    EXPECT_LE(ftell(file), static_cast<long>(2 * kMaxTextLineLength + 8));
    fclose(file);
}

}  // namespace

// ---- Dialog controls, in a window with two edit controls.

namespace {

const int kValueEdit = 1201;
const int kPromptEdit = 1202;

class UtilControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallTestProfile();
        window_ = testing_harness::CreateTestWindow(300, 100);
        for (int id : {kValueEdit, kPromptEdit}) {
            CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0,
                          (id - kValueEdit) * 30, 280, 24, window_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleA(nullptr), nullptr);
        }
        wnd_ = CWnd::FromHandle(window_);
    }
    void TearDown() override { DestroyWindow(window_); }

    std::string Text(int id) { return testing_harness::ControlText(GetDlgItem(window_, id)); }

    HWND window_ = nullptr;
    CWnd* wnd_ = nullptr;
};

TEST_F(UtilControlsTest, FieldsShowTheirValueOnlyWhenValid) {
    CFloatPtSpec length("Length", kTestInch, 1.0f, 10.0f, kTestMm, 25.4f);
    UtilSetItemSpecTextWithUnits(wnd_, kValueEdit, length);
    EXPECT_EQ(Text(kValueEdit), "");
    length.SetValue(4.0f);
    UtilSetItemSpecTextWithUnits(wnd_, kValueEdit, length);
    EXPECT_EQ(Text(kValueEdit), "4.000 in");
    UtilSetItemSpecText(wnd_, kValueEdit, length);
    EXPECT_EQ(Text(kValueEdit), "4.000");
    UtilSetItemUnitText(wnd_, kValueEdit, length);
    EXPECT_EQ(Text(kValueEdit), "in");
    UtilSetItemPrompt(wnd_, kPromptEdit, length);
    EXPECT_EQ(Text(kPromptEdit), "Enter Length Value Within Range: 1.000 to 10.000 in");

    CIntegerSpec count("Count", 1, 3);
    UtilSetItemSpecText(wnd_, kValueEdit, count);
    EXPECT_EQ(Text(kValueEdit), "");
    count.SetValue(3);
    UtilSetItemSpecText(wnd_, kValueEdit, count);
    EXPECT_EQ(Text(kValueEdit), "3");
}

TEST_F(UtilControlsTest, TrimmedTextSelectionAndFocus) {
    UtilSetItemText(wnd_, kValueEdit, "  4.030 ");
    CString text;
    EXPECT_TRUE(UtilGetItemTextTrimmed(wnd_, kValueEdit, text));
    EXPECT_STREQ(text, "4.030");
    UtilSetItemTextString(wnd_, kPromptEdit, CString("   "));
    EXPECT_FALSE(UtilGetItemTextTrimmed(wnd_, kPromptEdit, text));

    UtilSelectAllText(wnd_, kValueEdit);
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(window_, kValueEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 8u);

    UtilBeepAndFocus(wnd_, kPromptEdit);
    EXPECT_EQ(GetFocus(), GetDlgItem(window_, kPromptEdit));
}

TEST(UtilIds, ConsecutiveIdsGiveTheLast) {
    const int ids[] = {1601, 1602, 1603};
    EXPECT_EQ(UtilAssertConsecutiveIds(ids, 3), 1603);
}

TEST(UtilIdsDeathTest, AGapInTheIdsIsAnAssertion) {
    const int ids[] = {1601, 1603};
    EXPECT_EXIT(
        {
            testing_harness::ModalDriver::Instance().Answer("ASSERTION FAILURE", IDOK);
            UtilAssertConsecutiveIds(ids, 2);
        },
        ::testing::ExitedWithCode(9999), "");
}

}  // namespace
