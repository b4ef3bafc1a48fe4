// The shared controls in real windows: the numeric edit's key filter, the
// colour button's looks and focus notices, and a property sheet embedded in
// a dialog, tabbed across with the dialog's own controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlsTestResources.h"
#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "common/ui/ColorButton.h"
#include "common/ui/ColorSchemes.h"
#include "common/ui/EditFloatPt.h"
#include "common/ui/EmbeddedPropSheet.h"

// The import slot through which the program calls MessageBeep.
extern "C" BOOL(WINAPI* __imp_MessageBeep)(UINT);

namespace {

using testing_harness::Pixels;
using testing_harness::PumpPending;
using testing_harness::PumpUntil;
using testing_harness::Rgb;

// Counts MessageBeep calls while it lives (silently).
class BeepCounter {
public:
    BeepCounter() {
        count_ = 0;
        Patch(&CountBeep);
    }
    ~BeepCounter() { Patch(original_); }
    int Count() const { return count_; }

private:
    static BOOL WINAPI CountBeep(UINT) {
        ++count_;
        return TRUE;
    }
    void Patch(BOOL(WINAPI* proc)(UINT)) {
        DWORD old = 0;
        ::VirtualProtect(&__imp_MessageBeep, sizeof proc, PAGE_READWRITE, &old);
        __imp_MessageBeep = proc;
        ::VirtualProtect(&__imp_MessageBeep, sizeof proc, old, &old);
    }
    BOOL(WINAPI* original_)(UINT) = __imp_MessageBeep;
    static int count_;
};
int BeepCounter::count_ = 0;

// A plain top-level window that holds test controls and counts the focus
// notices of colour buttons.
class CHostWnd : public CWnd {
public:
    int focusNotices = 0;

    bool CreateTopLevel(int width = 320, int height = 200) {
        return CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                        "Controls Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, width, height, nullptr,
                        nullptr) != FALSE;
    }

protected:
    afx_msg LRESULT OnColorButtonFocus(WPARAM, LPARAM) {
        ++focusNotices;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
    ON_MESSAGE(kMsgColorButtonFocus, OnColorButtonFocus)
END_MESSAGE_MAP()

class ControlsTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (host_.m_hWnd) host_.DestroyWindow();
        CWinThread::DeleteTempMaps();
    }
    CHostWnd host_;
};

// ---------------------------------------------------------------------------
// The numeric edit

struct KeyCase {
    const char* text;  // before
    int selStart, selEnd;
    const char* typed;
    const char* expected;  // after
    int beeps;
};

TEST_F(ControlsTest, NumericEditLetsOnlyANumberThrough) {
    ASSERT_TRUE(host_.CreateTopLevel());
    const KeyCase cases[] = {
        {"", 0, 0, "1,5", "1.5", 0},         // a decimal comma is entered as a point
        {"", 0, 0, "-2.25", "-2.25", 0},
        {"1.5", 3, 3, ".", "1.5", 1},        // a second point
        {"1.5", 3, 3, ",", "1.5", 1},        // or comma
        {"1.5", 0, 3, ".", ".", 0},          // typed over the whole text
        {"1.5", 0, 3, ",", ".", 0},
        {"1.5", 0, 1, ".", "1.5", 1},        // a part of the text is not enough
        {"12", 0, 0, "-", "-12", 0},
        {"12", 2, 2, "-", "12-", 0},         // anywhere, once
        {"-12", 3, 3, "-", "-12", 1},
        {"-12", 0, 3, "-", "-", 0},
        {"", 0, 0, "a 7x", "7", 3},          // letters and spaces
        {"7+", 2, 2, "\b\b", "", 0},         // backspace
    };
    for (const KeyCase& c : cases) {
        CEditFloatPt edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 150, 32), &host_, 100));
        edit.SetWindowText(c.text);
        edit.SetSel(c.selStart, c.selEnd);
        BeepCounter beeps;
        testing_harness::TypeText(edit.m_hWnd, c.typed);
        CString after;
        edit.GetWindowText(after);
        EXPECT_STREQ(c.expected, after) << "'" << c.text << "' + '" << c.typed << "'";
        EXPECT_EQ(c.beeps, beeps.Count()) << "'" << c.text << "' + '" << c.typed << "'";
        edit.DestroyWindow();
    }
}

// ---------------------------------------------------------------------------
// The colour button

constexpr int kButtonWidth = 60, kButtonHeight = 24;

// Draws the button into a memory bitmap as its owner's WM_DRAWITEM would.
Pixels DrawButton(CColorButton& button, UINT state) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, kButtonWidth, kButtonHeight);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    RECT all = {0, 0, kButtonWidth, kButtonHeight};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = button.m_hWnd;
    item.hDC = dc;
    item.rcItem = all;
    button.DrawItem(&item);
    Pixels pixels = Pixels::FromDC(dc, kButtonWidth, kButtonHeight);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return pixels;
}

struct LookCase {
    const char* name;
    UINT state;
    COLORREF outer, second, face;  // pixels (0,0), (1,1) and (3,3)
    bool dots;
};

TEST_F(ControlsTest, ColorButtonPaintsFiveLooks) {
    ASSERT_TRUE(host_.CreateTopLevel());
    CColorButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 70, 34), &host_, 101));
    button.highlightColor = RGB(240, 240, 0);
    button.shadowColor = RGB(0, 0, 160);
    button.faceColor = RGB(200, 220, 180);
    button.textColor = RGB(200, 0, 0);
    const COLORREF white = RGB(255, 255, 255), black = 0;
    const LookCase looks[] = {
        {"normal", 0, white, button.highlightColor, button.faceColor, false},
        {"focus", ODS_FOCUS, black, white, button.faceColor, true},
        {"pressed", ODS_SELECTED | ODS_FOCUS, black, button.shadowColor, button.faceColor, true},
        {"disabled", ODS_DISABLED, white, button.highlightColor, button.faceColor, false},
    };
    for (const LookCase& look : looks) {
        SCOPED_TRACE(look.name);
        Pixels p = DrawButton(button, look.state);
        EXPECT_EQ(Rgb(look.outer), p.At(0, 0));
        EXPECT_EQ(Rgb(look.second), p.At(1, 1));
        EXPECT_EQ(Rgb(look.face), p.At(3, 3));
        // The bottom-right corner of the outer frame is black in every look.
        EXPECT_EQ(0u, p.At(kButtonWidth - 1, kButtonHeight - 1));
        // Focus dots: every second pixel inside the rectangle shrunk by 4.
        const unsigned dot = Rgb(button.textColor);
        EXPECT_EQ(look.dots, p.At(5, 4) == dot && p.At(7, 4) == dot && p.At(6, 4) != dot);
        if (look.dots) {
            // Around every corner the dots keep alternating.
            const int r = kButtonWidth - 5, b = kButtonHeight - 5;
            for (int x = 5; x < r; ++x) EXPECT_FALSE(p.At(x, 4) == dot && p.At(x + 1, 4) == dot) << x;
            for (int y = 4; y < b; ++y) EXPECT_FALSE(p.At(r, y) == dot && p.At(r, y + 1) == dot) << y;
            for (int x = 4; x < r; ++x) EXPECT_FALSE(p.At(x, b) == dot && p.At(x + 1, b) == dot) << x;
            for (int y = 5; y < b; ++y) EXPECT_FALSE(p.At(4, y) == dot && p.At(4, y + 1) == dot) << y;
            EXPECT_GE(p.Count(dot), (r - 4) + (b - 4) - 2);
        }
    }

    // A button that has the focus but is drawn without the focus state shows
    // the default look without dots.
    host_.focusNotices = 0;
    button.notifyWindow = &host_;
    host_.SetForegroundWindow();
    button.SetFocus();
    ASSERT_TRUE(button.HasFocus());
    Pixels p = DrawButton(button, 0);
    EXPECT_EQ(0u, p.At(0, 0));
    EXPECT_EQ(Rgb(white), p.At(1, 1));
    EXPECT_NE(Rgb(button.textColor), p.At(5, 4));
}

TEST_F(ControlsTest, ColorButtonCaptionShowsInEachLook) {
    ASSERT_TRUE(host_.CreateTopLevel());
    CColorButton button;
    ASSERT_TRUE(button.Create("Go", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 70, 34), &host_, 101));
    button.textColor = RGB(200, 0, 0);
    button.disabledTextColor = RGB(0, 120, 0);
    button.disabledTextHighlight = RGB(0, 0, 250);
    // Inside the focus dots.
    const RECT face = {5, 5, kButtonWidth - 5, kButtonHeight - 5};
    Pixels normal = DrawButton(button, 0);
    EXPECT_GT(normal.Count(Rgb(button.textColor), &face), 10);
    // Pressed: the caption moves 2 pixels right and down.
    Pixels pressed = DrawButton(button, ODS_SELECTED);
    auto leftmost = [&](const Pixels& p, unsigned colour) {
        for (int x = face.left; x < face.right; ++x)
            for (int y = face.top; y < face.bottom; ++y)
                if (p.At(x, y) == colour) return x;
        return -1;
    };
    EXPECT_EQ(leftmost(normal, Rgb(button.textColor)) + 1, leftmost(pressed, Rgb(button.textColor)));
    // Disabled: an engraved caption in the two disabled colours, none in the
    // text colour.
    Pixels disabled = DrawButton(button, ODS_DISABLED);
    EXPECT_EQ(0, disabled.Count(Rgb(button.textColor), &face));
    EXPECT_GT(disabled.Count(Rgb(button.disabledTextColor), &face), 10);
    EXPECT_GT(disabled.Count(Rgb(button.disabledTextHighlight), &face), 5);
}

TEST_F(ControlsTest, ColorButtonFaceStylesBlendTheGradientColours) {
    ASSERT_TRUE(host_.CreateTopLevel());
    ASSERT_TRUE(AppColorsHasGradientFill());
    CColorButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 70, 34), &host_, 101));
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 255, 0);
    button.outerGradient[0] = red;
    button.outerGradient[1] = blue;
    button.outerGradient[2] = green;
    button.innerGradient[0] = blue;
    button.innerGradient[1] = red;
    button.innerGradient[2] = green;
    auto redOf = [](unsigned rgb) { return int(rgb >> 16); };
    auto blueOf = [](unsigned rgb) { return int(rgb & 0xFF); };
    auto greenOf = [](unsigned rgb) { return int((rgb >> 8) & 0xFF); };
    const int midX = kButtonWidth / 2, bottom = kButtonHeight - 3, right = kButtonWidth - 3;

    button.faceStyle = CColorButton::kVerticalFace;
    Pixels vertical = DrawButton(button, 0);
    EXPECT_GT(redOf(vertical.At(midX, 2)), 200);
    EXPECT_GT(blueOf(vertical.At(midX, bottom)), 200);

    // The inner gradient runs the other way, 2 pixels inside.
    button.faceStyle = CColorButton::kVerticalInnerFace;
    Pixels inner = DrawButton(button, 0);
    EXPECT_GT(redOf(inner.At(midX, 2)), 200);
    EXPECT_GT(blueOf(inner.At(midX, 4)), 200);
    EXPECT_GT(redOf(inner.At(midX, bottom - 2)), 200);

    // Diagonal: first colour top-left, second bottom-right, third at the
    // other corners.
    button.faceStyle = CColorButton::kDiagonalFace;
    Pixels diagonal = DrawButton(button, 0);
    EXPECT_GT(redOf(diagonal.At(2, 2)), 200);
    EXPECT_GT(blueOf(diagonal.At(right, bottom)), 200);
    EXPECT_GT(greenOf(diagonal.At(right, 2)), 200);
    EXPECT_GT(greenOf(diagonal.At(2, bottom)), 200);

    button.faceStyle = CColorButton::kDiagonalInnerFace;
    Pixels diagonalInner = DrawButton(button, 0);
    EXPECT_GT(redOf(diagonalInner.At(2, 2)), 200);
    EXPECT_GT(blueOf(diagonalInner.At(4, 4)), 200);
    EXPECT_GT(redOf(diagonalInner.At(right - 2, bottom - 2)), 200);

    Pixels strip(kButtonWidth, 4 * kButtonHeight);
    const Pixels* all[] = {&vertical, &inner, &diagonal, &diagonalInner};
    for (int i = 0; i < 4; ++i)
        for (int y = 0; y < kButtonHeight; ++y)
            for (int x = 0; x < kButtonWidth; ++x) strip.At(x, i * kButtonHeight + y) = all[i]->At(x, y);
    strip.SavePng(testing_harness::TestOutputPath("color-button-faces.png"));
}

TEST_F(ControlsTest, ColorButtonWithoutGradientFillHasAPlainFaceInEveryStyle) {
    ASSERT_TRUE(host_.CreateTopLevel());
    const GradientFillProc bound = AppColorsGetGradientFillProc();
    AppColorsSetGradientFillProc(nullptr);
    {
        CColorButton button;
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 70, 34), &host_, 101));
        button.faceColor = RGB(10, 200, 30);
        button.outerGradient[0] = button.innerGradient[1] = RGB(255, 0, 0);
        const RECT face = {2, 2, kButtonWidth - 2, kButtonHeight - 2};
        for (int style = 0; style <= 4; ++style) {
            button.faceStyle = style;
            Pixels p = DrawButton(button, 0);
            EXPECT_EQ((kButtonWidth - 4) * (kButtonHeight - 4), p.Count(Rgb(button.faceColor), &face)) << style;
        }
    }
    AppColorsSetGradientFillProc(bound);
    // The next button takes the gradient fill again.
    CColorButton again;
    ASSERT_TRUE(again.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 70, 34), &host_, 101));
    again.faceStyle = CColorButton::kVerticalFace;
    again.outerGradient[0] = RGB(255, 0, 0);
    again.outerGradient[1] = RGB(0, 0, 255);
    EXPECT_NE(DrawButton(again, 0).At(kButtonWidth / 2, 2), DrawButton(again, 0).At(kButtonWidth / 2, kButtonHeight - 3));
}

TEST(ControlsDeathTest, AFaceStyleBeyondTheFiveIsAnAssertion) {
    EXPECT_EXIT(
        {
            CHostWnd host;
            host.CreateTopLevel();
            CColorButton button;
            button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 70, 34), &host, 101);
            button.faceStyle = 5;
            testing_harness::ModalDriver::Instance().Answer("ASSERTION FAILURE", IDOK);
            DrawButton(button, 0);
        },
        ::testing::ExitedWithCode(9999), "");
}

TEST_F(ControlsTest, ColorButtonTellsItsNotifyWindowWhenTheFocusLeavesTheColourButtons) {
    ASSERT_TRUE(host_.CreateTopLevel());
    CColorButton first, second;
    CEdit edit;
    ASSERT_TRUE(first.Create("One", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 70, 34), &host_, 101));
    ASSERT_TRUE(second.Create("Two", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(80, 10, 140, 34), &host_, 102));
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 50, 140, 70), &host_, 103));
    first.notifyWindow = second.notifyWindow = &host_;
    EXPECT_EQ(1, first.SendMessage(kMsgIsColorButton));
    EXPECT_EQ(0, edit.SendMessage(kMsgIsColorButton));

    struct Step {
        CWnd* to;
        int notices;  // posted by that move
        bool firstHas, secondHas;
    };
    const Step steps[] = {
        {&first, 1, true, false},   // gained
        {&second, 1, false, true},  // moved between colour buttons: only the gain
        {&edit, 1, false, false},   // left to another control
    };
    for (const Step& step : steps) {
        host_.SetForegroundWindow();
        PumpPending();
        host_.focusNotices = 0;
        step.to->SetFocus();
        ASSERT_EQ(step.to->m_hWnd, ::GetFocus());
        PumpPending();
        EXPECT_EQ(step.notices, host_.focusNotices) << step.to->GetDlgCtrlID();
        EXPECT_EQ(step.firstHas, first.HasFocus());
        EXPECT_EQ(step.secondHas, second.HasFocus());
    }
    testing_harness::Pixels::FromWindow(host_.m_hWnd).SavePng(testing_harness::TestOutputPath("color-buttons.png"));
}

// ---------------------------------------------------------------------------
// The embedded property sheet

class CTestPage : public CPropertyPage {
public:
    explicit CTestPage(UINT templateId) : CPropertyPage(templateId) {}
};

class CTestSheet : public CEmbeddedPropSheet {
public:
    explicit CTestSheet(CWnd* parent) : CEmbeddedPropSheet(parent) {
        AddPage(&one);
        AddPage(&two);
        AddPage(&three);
    }
    CTestPage one{IDD_PAGE_ONE}, two{IDD_PAGE_TWO}, three{IDD_PAGE_THREE};
};

// A modeless dialog that embeds the sheet over its placeholder.
class CHostDialog : public CDialog {
public:
    CHostDialog() : sheet(this) {}
    CTestSheet sheet;
    bool embedded = false;
    CRect placeholder;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        GetDlgItem(IDC_HOST_PLACEHOLDER)->GetWindowRect(&placeholder);
        ScreenToClient(&placeholder);
        embedded = sheet.CreateEmbedded(this, placeholder);
        return TRUE;
    }
};

class EmbeddedSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The modeless host dialog is no box to answer.
        testing_harness::ModalDriver::Instance().Handle("Sheet Host", [](HWND) {});
        ASSERT_TRUE(dialog_.Create(IDD_HOST));
        ASSERT_TRUE(dialog_.embedded);
    }
    void TearDown() override {
        dialog_.DestroyWindow();
        CWinThread::DeleteTempMaps();
    }
    // Presses Tab (or Shift+Tab) on the focused window as the message loop
    // would hand it over.
    HWND Tab(bool back = false) {
        if (back) {
            BYTE keys[256] = {};
            ::GetKeyboardState(keys);
            keys[VK_SHIFT] = 0x80;
            ::SetKeyboardState(keys);
        }
        MSG tab = {::GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
        if (!CWnd::WalkPreTranslateTree(dialog_.m_hWnd, &tab)) {
            ::TranslateMessage(&tab);
            ::DispatchMessage(&tab);
        }
        if (back) {
            BYTE keys[256] = {};
            ::GetKeyboardState(keys);
            keys[VK_SHIFT] = 0;
            ::SetKeyboardState(keys);
        }
        return ::GetFocus();
    }
    CHostDialog dialog_;
};

TEST_F(EmbeddedSheetTest, ThreePagesAllMadeAndTheFirstShownOverThePlaceholder) {
    CTestSheet& sheet = dialog_.sheet;
    EXPECT_EQ(dialog_.m_hWnd, ::GetParent(sheet.m_hWnd));
    EXPECT_TRUE(sheet.GetStyle() & WS_CHILD);
    EXPECT_TRUE(sheet.GetStyle() & WS_TABSTOP);
    EXPECT_TRUE(sheet.GetExStyle() & WS_EX_CONTROLPARENT);
    EXPECT_TRUE(dialog_.GetExStyle() & WS_EX_CONTROLPARENT);
    for (CTestPage* page : {&sheet.one, &sheet.two, &sheet.three}) {
        ASSERT_NE(nullptr, page->m_hWnd);
        EXPECT_EQ(sheet.m_hWnd, ::GetParent(page->m_hWnd));
    }
    EXPECT_EQ(0, sheet.GetActiveIndex());
    EXPECT_TRUE(sheet.one.IsWindowVisible());
    EXPECT_FALSE(sheet.two.IsWindowVisible());
    EXPECT_FALSE(sheet.three.IsWindowVisible());

    // The sheet covers the placeholder; its tab control fills it with equal
    // margins on both sides.
    CRect sheetRect;
    sheet.GetWindowRect(&sheetRect);
    dialog_.ScreenToClient(&sheetRect);
    EXPECT_EQ(dialog_.placeholder, sheetRect);
    CRect tabRect;
    sheet.GetTabControl()->GetWindowRect(&tabRect);
    sheet.ScreenToClient(&tabRect);
    EXPECT_GE(tabRect.left, 0);
    EXPECT_GE(tabRect.top, 0);
    EXPECT_EQ(tabRect.left, sheetRect.Width() - tabRect.right);
    EXPECT_EQ(tabRect.top, sheetRect.Height() - tabRect.bottom);
    EXPECT_EQ(AppColorsGetSharedSlot(27), [&] {
        LOGBRUSH brush = {};
        ::GetObject(sheet.Brush(), sizeof brush, &brush);
        return brush.lbColor;
    }());
    PumpPending();
    dialog_.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pixels::FromWindow(dialog_.m_hWnd).SavePng(testing_harness::TestOutputPath("embedded-sheet.png"));
}

TEST_F(EmbeddedSheetTest, TabMovesAcrossTheDialogAndTheActivePage) {
    HWND name = ::GetDlgItem(dialog_.m_hWnd, IDC_HOST_NAME);
    HWND last = ::GetDlgItem(dialog_.m_hWnd, IDC_HOST_LAST);
    HWND pageFirst = ::GetDlgItem(dialog_.sheet.one.m_hWnd, IDC_PAGE_ONE_FIRST);
    HWND pageLast = ::GetDlgItem(dialog_.sheet.one.m_hWnd, IDC_PAGE_ONE_LAST);
    struct Seen {
        HWND afterLast, next, afterPage, afterTabs, back;
    } seen = {};
    // The dialog must be the active window for the focus to move; another
    // test program in the same display may take that away, so a round that
    // lost it is run again.
    for (int attempt = 0; attempt < 5; ++attempt) {
        dialog_.SetForegroundWindow();
        if (!PumpUntil([&] { return ::GetActiveWindow() == dialog_.m_hWnd; }, 2000)) continue;
        ::SetFocus(last);
        seen.afterLast = Tab();
        seen.next = Tab();
        ::SetFocus(pageLast);
        seen.afterPage = Tab();
        seen.afterTabs = Tab();
        ::SetFocus(pageFirst);
        seen.back = Tab(true);
        if (::GetActiveWindow() == dialog_.m_hWnd) break;
    }
    // Tab from the dialog's last control enters the page's first field.
    EXPECT_EQ(pageFirst, seen.afterLast);
    EXPECT_EQ(pageLast, seen.next);
    // Out of the page's last field to the sheet's tabs, then out of the
    // sheet to the dialog's first control.
    EXPECT_EQ(dialog_.sheet.GetTabControl()->m_hWnd, seen.afterPage);
    char cls[64] = {};
    ::GetClassNameA(seen.afterTabs, cls, sizeof cls);
    EXPECT_EQ(name, seen.afterTabs) << cls << " " << ::GetDlgCtrlID(seen.afterTabs);
    // Shift+Tab from the page's first field goes back to the dialog.
    EXPECT_EQ(last, seen.back);
}

}  // namespace
