// The sweep dialog's range and criteria pages in a stand-in dialog that
// keeps the two working sweeps of a real engine document, as the sweep
// dialog does, and counts what the pages ask of it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "common/ui/EmbeddedPropSheet.h"
#include "torvane/document/Iterator.h"
#include "torvane/results/sweep/ItrProBoreStrokePropPage.h"
#include "torvane/results/sweep/ItrProCamPropPage.h"
#include "torvane/results/sweep/ItrProCriteriaPropPage.h"
#include "torvane/results/sweep/ItrProInducPropPage.h"
#include "torvane/results/sweep/tests/SweepPagesTestHost.h"

namespace torvane {

// Reading and driving a page as a user does.
inline bool IsChecked(HWND page, int id) { return ::IsDlgButtonChecked(page, id) == BST_CHECKED; }
inline bool IsEnabled(HWND page, int id) { return ::IsWindowEnabled(testing_harness::FindControl(page, id)) != FALSE; }
// A click on a button with the button's own handling (BM_CLICK).
inline void ClickOn(HWND page, int id) {
    testing_harness::Click(testing_harness::FindControl(page, id));
    testing_harness::PumpPending();
}
inline void ChooseItem(HWND page, int id, const char* text) {
    testing_harness::ChooseComboText(page, id, text);
    testing_harness::PumpPending();
}
// The selected item's text, "(none)" without a selection.
inline std::string SelectedItem(HWND page, int id) {
    HWND combo = testing_harness::FindControl(page, id);
    const LRESULT index = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return "(none)";
    char text[64] = {};
    ::SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}
inline void SavePageScreenshot(HWND dialog, const char* name) {
    ::UpdateWindow(dialog);
    testing_harness::PumpPending();
    EXPECT_TRUE(testing_harness::Pixels::FromWindow(dialog).SavePng(testing_harness::TestOutputPath(name)));
}

class TestSweepOwner : public CDialog, public CItrProPageOwner {
public:
    // Both sweeps on `engine` with the sweep dialog's first-opening
    // settings: every component excluded, 2500 to 7000 rpm.
    explicit TestSweepOwner(CTorvaneDoc& engine) : CDialog(IDD_SWEEP_PAGES_HOST), engine_(engine) {
        for (CIterator* sweep : {&coarse, &fine}) {
            sweep->AttachDocument(&engine);
            sweep->ClearHoldDisplacement();
            sweep->SetRpmRange(2500.0f, 7000.0f);
        }
        coarse.PresetValveEvents(16.0f, 8.0f);
        coarse.PresetPartTypeList(10);
        coarse.PresetBoreStroke(0.5f, 0.125f);
        fine.PresetValveEvents(4.0f, 1.0f);
        fine.PresetBoreStroke(0.08f, 0.02f);
        for (CIterator* sweep : {&coarse, &fine}) {
            sweep->EnableValveEvents(false);
            sweep->EnablePartTypeList(false);
            sweep->EnableBoreStroke(false);
            sweep->Reset();
        }
        for (CItrProPage* page : Pages()) {
            page->SetOwner(this);
            sheet.AddPage(page);
        }
    }

    std::vector<CItrProPage*> Pages() { return {&cam, &induction, &boreStroke, &criteria}; }

    CIterator* GetCoarseIterator() override { return &coarse; }
    CIterator* GetFineIterator() override { return &fine; }
    CTorvaneDoc* GetDocument() override { return &engine_; }
    void ResetRunResults() override { ++resets; }
    void UpdateAllPages(CPropertyPage* asker) override {
        ++refreshes;
        lastAsker = asker;
        for (CItrProPage* page : Pages())
            if (page != asker) page->UpdatePage();
    }
    bool IsFinePhaseEnabled() override {
        return fine.GetVariable(kSlotIntakeOpening).IsEnabled() || fine.GetVariable(kSlotBore).IsEnabled();
    }
    void EnableControls(bool enable) override {
        for (CItrProPage* page : Pages()) page->EnableControls(enable);
    }
    void UpdateStatus(bool) override {}
    void UpdateValues(bool) override {}
    void UpdateOkButtonText() override {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        CWnd* place = GetDlgItem(IDC_SWEEP_PAGES_PLACE);
        CRect rect;
        place->GetWindowRect(&rect);
        ScreenToClient(&rect);
        place->DestroyWindow();
        return sheet.CreateEmbedded(this, rect) ? TRUE : FALSE;
    }

    // Shows the dialog, makes page `index` current and runs `drive` on that
    // page's window; Cancel closes the dialog.
    void Show(int index, const std::function<void(HWND dialog, HWND page)>& drive) {
        bool ran = false;
        testing_harness::ModalDriver::Instance().Handle("Sweep Pages", [&](HWND window) {
            ran = true;
            ::ShowWindow(window, SW_SHOW);
            testing_harness::PumpPending();
            HWND page = testing_harness::ShowSheetPage(sheet.GetSafeHwnd(), index);
            drive(window, page);
            testing_harness::ModalDriver::PressButton(window, IDCANCEL);
        });
        DoModal();
        ASSERT_TRUE(ran);
    }

    CIterator coarse, fine;
    CEmbeddedPropSheet sheet;
    CItrProCamPropPage cam;
    CItrProInducPropPage induction;
    CItrProBoreStrokePropPage boreStroke;
    CItrProCriteriaPropPage criteria;
    int resets = 0;
    int refreshes = 0;
    CPropertyPage* lastAsker = nullptr;

private:
    CTorvaneDoc& engine_;
};

}  // namespace torvane
