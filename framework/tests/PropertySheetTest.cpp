// Property sheets in real windows: a modal sheet whose pages validate on
// leaving and on OK/Apply, Apply enabled by a modified page, Cancel, pages
// added and removed, and a modeless sheet living as a child window with
// every page window made.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ModalDriver.h"
#include "PropertySheet.h"
#include "WinApp.h"
#include "WinThread.h"
#include "WindowHelpers.h"
#include "WindowTestResources.h"

using testing_harness::ModalDriver;

namespace {

// What the pages saw, in order.
std::vector<std::string> events;

// Takes a number from 1 to 6; refuses to be left with anything else.
class CNumberPage : public CPropertyPage {
public:
    CNumberPage() : CPropertyPage(IDD_PAGE_NUMBER) {}
    int committed = 0;

    BOOL OnSetActive() override {
        events.push_back("number active");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        int value = static_cast<int>(GetDlgItemInt(IDC_PAGE_NUMBER));
        if (value < 1 || value > 6) {
            events.push_back("number refused");
            AfxMessageBox("Enter a number from 1 to 6.", MB_ICONEXCLAMATION);
            return FALSE;
        }
        return TRUE;
    }
    void OnOK() override {
        committed = static_cast<int>(GetDlgItemInt(IDC_PAGE_NUMBER));
        events.push_back("number ok");
    }
    void OnCancel() override { events.push_back("number cancel"); }

protected:
    BOOL OnInitDialog() override {
        SetDlgItemInt(IDC_PAGE_NUMBER, 4);
        return TRUE;
    }
};

// Needs a name; refuses OK or Apply without one.
class CNamePage : public CPropertyPage {
public:
    CNamePage() : CPropertyPage(IDD_PAGE_NAME) {}
    CString committed;

    BOOL OnSetActive() override {
        events.push_back("name active");
        return TRUE;
    }
    BOOL OnApply() override {
        CString name;
        GetDlgItemText(IDC_PAGE_NAME, name);
        if (name.IsEmpty()) {
            events.push_back("name refused");
            return FALSE;
        }
        return CPropertyPage::OnApply();
    }
    void OnOK() override {
        GetDlgItemText(IDC_PAGE_NAME, committed);
        events.push_back("name ok");
    }

protected:
    BOOL OnInitDialog() override {
        SetDlgItemText(IDC_PAGE_NAME, "Engine");
        return TRUE;
    }
    afx_msg void OnNameChanged() { SetModified(TRUE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNamePage, CPropertyPage)
    ON_EN_CHANGE(IDC_PAGE_NAME, OnNameChanged)
END_MESSAGE_MAP()

class COptionsPage : public CPropertyPage {
public:
    COptionsPage() : CPropertyPage(IDD_PAGE_OPTIONS) {}
};

// The three pages most tests put in a sheet.
struct ThreePages {
    CNumberPage number;
    CNamePage name;
    COptionsPage options;

    void AddTo(CPropertySheet& sheet) {
        sheet.AddPage(&number);
        sheet.AddPage(&name);
        sheet.AddPage(&options);
    }
};

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

void ClickButton(HWND sheet, int id) { testing_harness::Click(::GetDlgItem(sheet, id)); }

std::string ScreenshotPath(const char* name) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

class PropertySheetTest : public ::testing::Test {
protected:
    void SetUp() override { events.clear(); }
    void TearDown() override { CWinThread::DeleteTempMaps(); }
};

TEST_F(PropertySheetTest, ModalSheetRefusesOkOnABadPageAndClosesOnAGoodOne) {
    CPropertySheet sheet("Engine Settings");
    CNumberPage number;
    CNamePage name;
    sheet.AddPage(&number);
    sheet.AddPage(&name);
    EXPECT_EQ(sheet.GetPageCount(), 2);

    bool stayedAfterBadNumber = false, stayedAfterEmptyName = false, nameWasActive = false;
    int activeAfterRefusal = -1;
    ModalDriver::Instance().Handle("Engine Settings", [&](HWND box) {
        EXPECT_EQ(&sheet, CWnd::FromHandlePermanent(box));
        EXPECT_EQ(sheet.GetActivePage(), &number);
        testing_harness::Pixels::FromWindow(box).SavePng(ScreenshotPath("modal-sheet.png"));
        // A number out of range: OK is refused with a message, the sheet stays.
        ::SetDlgItemTextA(number.m_hWnd, IDC_PAGE_NUMBER, "9");
        ClickButton(box, IDOK);
        stayedAfterBadNumber = ::IsWindow(box) && CurrentPage(box) == number.m_hWnd;
        // Nor may the page be left by its tab.
        EXPECT_FALSE(sheet.SetActivePage(1) && sheet.GetActiveIndex() == 1);
        ::SetDlgItemTextA(number.m_hWnd, IDC_PAGE_NUMBER, "5");
        // The name page, emptied, refuses OK when applied.
        EXPECT_TRUE(sheet.SetActivePage(1));
        nameWasActive = sheet.GetActivePage() == &name;
        ::SetDlgItemTextA(name.m_hWnd, IDC_PAGE_NAME, "");
        ClickButton(box, IDOK);
        stayedAfterEmptyName = ::IsWindow(box) && CurrentPage(box) != nullptr;
        activeAfterRefusal = sheet.GetActiveIndex();
        // Both pages good: OK closes the sheet.
        ::SetDlgItemTextA(name.m_hWnd, IDC_PAGE_NAME, "V8 Race");
        ClickButton(box, IDOK);
    });
    ModalDriver::Instance().Answer("", IDOK);  // the number page's refusal
    ModalDriver::Instance().Answer("", IDOK);  // refused again when its tab is left

    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(stayedAfterBadNumber);
    EXPECT_TRUE(nameWasActive);
    EXPECT_TRUE(stayedAfterEmptyName);
    EXPECT_EQ(activeAfterRefusal, 1);
    EXPECT_EQ(number.committed, 5);
    EXPECT_EQ(std::string(name.committed), "V8 Race");
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(number.m_hWnd, nullptr);
    const auto& boxes = ModalDriver::Instance().Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].text, "Enter a number from 1 to 6.");
    // Nothing commits while the current page refuses to be left; a page
    // ahead of one that refuses to apply has applied.
    std::vector<std::string> commits;
    for (const std::string& e : events)
        if (e.find(" ok") != std::string::npos || e.find("refused") != std::string::npos) commits.push_back(e);
    EXPECT_EQ(commits, (std::vector<std::string>{"number refused", "number refused", "number ok", "name refused",
                                                 "number ok", "name ok"}));
}

TEST_F(PropertySheetTest, ApplyIsEnabledByAModifiedPageAndAppliesWithoutClosing) {
    CPropertySheet sheet("Apply Sheet", nullptr, 1);
    CNumberPage number;
    CNamePage name;
    sheet.AddPage(&number);
    sheet.AddPage(&name);
    bool applyEnabledAtFirst = true, applyEnabledWhenModified = false, applyEnabledAfter = true;
    bool stillOpen = false;
    ModalDriver::Instance().Handle("Apply Sheet", [&](HWND box) {
        HWND apply = ::GetDlgItem(box, ID_APPLY_NOW);
        EXPECT_EQ(sheet.GetActivePage(), &name);  // the page asked for at construction
        applyEnabledAtFirst = ::IsWindowEnabled(apply);
        ::SetDlgItemTextA(name.m_hWnd, IDC_PAGE_NAME, "Drag car");  // EN_CHANGE: SetModified
        EXPECT_TRUE(name.IsModified());
        applyEnabledWhenModified = ::IsWindowEnabled(apply);
        ClickButton(box, ID_APPLY_NOW);
        stillOpen = ::IsWindow(box) && CurrentPage(box) != nullptr;
        applyEnabledAfter = ::IsWindowEnabled(apply);
        EXPECT_FALSE(name.IsModified());
        ClickButton(box, IDCANCEL);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_FALSE(applyEnabledAtFirst);
    EXPECT_TRUE(applyEnabledWhenModified);
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(applyEnabledAfter);
    EXPECT_EQ(std::string(name.committed), "Drag car");
    // The number page was never shown: it neither applied nor cancelled.
    EXPECT_EQ(number.committed, 0);
    for (const std::string& e : events) EXPECT_EQ(e.find("number"), std::string::npos) << e;
}

TEST_F(PropertySheetTest, ClickingATabActivatesItsPageOnceTheCurrentOneLetsGo) {
    CPropertySheet sheet("Tab Sheet");
    ThreePages pages;
    pages.AddTo(sheet);
    CNumberPage& number = pages.number;
    CPropertyPage& name = pages.name;
    CPropertyPage& options = pages.options;
    ModalDriver::Instance().Handle("Tab Sheet", [&](HWND box) {
        CTabCtrl* tab = sheet.GetTabControl();
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->GetItemCount(), 3);
        CRect item;
        tab->GetItemRect(2, &item);
        testing_harness::ClickAt(tab->m_hWnd, item.CenterPoint().x, item.CenterPoint().y);
        EXPECT_EQ(sheet.GetActiveIndex(), 2);
        EXPECT_NE(options.m_hWnd, nullptr);
        EXPECT_EQ(name.m_hWnd, nullptr);  // never shown, never made
        // Back to the number page, spoil it, and try to leave by the tab.
        tab->GetItemRect(0, &item);
        testing_harness::ClickAt(tab->m_hWnd, item.CenterPoint().x, item.CenterPoint().y);
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        ::SetDlgItemTextA(number.m_hWnd, IDC_PAGE_NUMBER, "0");
        tab->GetItemRect(1, &item);
        testing_harness::ClickAt(tab->m_hWnd, item.CenterPoint().x, item.CenterPoint().y);
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        ::SetDlgItemTextA(number.m_hWnd, IDC_PAGE_NUMBER, "2");
        ::SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
    });
    ModalDriver::Instance().Answer("", IDOK);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(events, (std::vector<std::string>{"number active", "number active", "number refused",
                                                "number cancel"}));
}

// The window an embedded sheet lives in.
class CSheetHost : public CWnd {
public:
    BOOL CreateTopLevel() {
        return CreateEx(WS_EX_CONTROLPARENT,
                        AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                        "Sheet Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 30, 30, 520, 400, nullptr, nullptr);
    }
};

TEST_F(PropertySheetTest, ChildSheetHasEveryPageWindowAndTakesPagesAddedAndRemoved) {
    CSheetHost host;
    ASSERT_TRUE(host.CreateTopLevel());
    CPropertySheet sheet("Embedded Prop Sheet", &host);
    ThreePages pages;
    pages.AddTo(sheet);
    CPropertyPage& number = pages.number;
    CPropertyPage& name = pages.name;
    CPropertyPage& options = pages.options;
    ASSERT_TRUE(sheet.Create(&host, WS_CHILD | WS_VISIBLE, 0));
    EXPECT_TRUE(sheet.GetStyle() & WS_CHILD);
    EXPECT_EQ(::GetParent(sheet.m_hWnd), host.m_hWnd);
    // No buttons on a modeless sheet.
    for (int id : {IDOK, IDCANCEL, static_cast<int>(ID_APPLY_NOW)}) {
        HWND button = ::GetDlgItem(sheet.m_hWnd, id);
        EXPECT_TRUE(!button || !::IsWindowVisible(button)) << id;
    }
    CTabCtrl* tab = sheet.GetTabControl();
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->GetItemCount(), 3);

    // Activating every page once makes every page window.
    int active = sheet.GetActiveIndex();
    EXPECT_EQ(active, 0);
    for (int i = 0; i < sheet.GetPageCount(); ++i) EXPECT_TRUE(sheet.SetActivePage(i));
    sheet.SetActivePage(active);
    for (CPropertyPage* page : {static_cast<CPropertyPage*>(&number), static_cast<CPropertyPage*>(&name),
                                static_cast<CPropertyPage*>(&options)}) {
        ASSERT_NE(page->m_hWnd, nullptr);
        EXPECT_EQ(::GetParent(page->m_hWnd), sheet.m_hWnd);
    }
    EXPECT_EQ(sheet.GetActivePage(), &number);
    EXPECT_TRUE(::IsWindowVisible(number.m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(name.m_hWnd));

    // The tab control can be moved to fill the host's rectangle.
    sheet.MoveWindow(10, 10, 480, 300);
    tab->MoveWindow(4, 4, 472, 292);
    testing_harness::PumpPending();
    testing_harness::Pixels::FromWindow(host.m_hWnd).SavePng(ScreenshotPath("child-sheet.png"));

    // Pages come and go while the sheet is up.
    COptionsPage late;
    sheet.AddPage(&late);
    EXPECT_EQ(sheet.GetPageCount(), 4);
    EXPECT_EQ(tab->GetItemCount(), 4);
    EXPECT_TRUE(sheet.SetActivePage(&late));
    EXPECT_NE(late.m_hWnd, nullptr);
    sheet.RemovePage(&name);
    EXPECT_EQ(sheet.GetPageCount(), 3);
    EXPECT_EQ(tab->GetItemCount(), 3);
    EXPECT_EQ(name.m_hWnd, nullptr);  // its window went with it
    EXPECT_EQ(sheet.GetPage(2), &late);
    EXPECT_EQ(sheet.GetPageIndex(&name), -1);

    host.DestroyWindow();
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(number.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, SheetWithoutPagesIsNotMade) {
    CPropertySheet sheet("Empty");
    EXPECT_EQ(sheet.DoModal(), -1);
    EXPECT_FALSE(sheet.Create());
}

}  // namespace
