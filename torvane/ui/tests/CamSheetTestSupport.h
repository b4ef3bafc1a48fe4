// The cam manager's sheet embedded in a stand-in camshaft dialog that keeps
// the two working copies and records what the pages ask of it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/ui/CamPropSheet.h"
#include "torvane/ui/tests/CamSheetTestHost.h"

namespace torvane {

class TestCamOwner : public CDialog, public CCamSheetOwner {
public:
    // The copies of `cam` in both timing methods; `method` active.
    explicit TestCamOwner(const Cam& cam, int method = kSeatToSeat) : CDialog(IDD_CAM_SHEET_HOST) {
        cam.CopyWithTimingMethod(&seatToSeat, kSeatToSeat);
        cam.CopyWithTimingMethod(&fiftyThou, kFiftyThou);
        this->method = method;
        sheet.SetOwnerDialog(this);
    }

    Cam* GetSeatToSeatCam() override { return &seatToSeat; }
    Cam* Get050InchCam() override { return &fiftyThou; }
    Cam* GetActiveCam() override { return method == kSeatToSeat ? &seatToSeat : &fiftyThou; }
    int GetTimingMethod() const override { return method; }
    void SetTimingMethod(int newMethod) override { method = newMethod; }
    bool IsAutoRampRate() const override { return seatToSeat.GetMoreAccurateRampRate(); }
    void UpdateControls(CWnd* exceptPage) override {
        ++refreshes;
        sheet.UpdatePages(exceptPage);
    }
    void EnableControls(BOOL enable) override {
        sheet.EnablePages(enable);
        if (onEnable) onEnable(enable);
    }
    bool LoadCamFile(const char* name, const char* folder) override {
        loaded.push_back(std::string(folder) + "\\" + name);
        Cam read;
        if (!read.LoadFromFile(loaded.back().c_str())) return false;
        read.ComputeFromEvents();
        read.CopyWithTimingMethod(&seatToSeat, kSeatToSeat);
        read.CopyWithTimingMethod(&fiftyThou, kFiftyThou);
        return true;
    }

    // The sheet over the placeholder, as the camshaft dialog makes it.
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        CWnd* place = GetDlgItem(IDC_CAM_SHEET_PLACE);
        CRect rect;
        place->GetWindowRect(&rect);
        ScreenToClient(&rect);
        place->DestroyWindow();
        return sheet.CreateEmbedded(this, rect) ? TRUE : FALSE;
    }

    // Shows the dialog and runs `drive` on it; Cancel closes it.
    void Show(const std::function<void(HWND dialog)>& drive) {
        bool ran = false;
        testing_harness::ModalDriver::Instance().Handle("Cam Pages", [&](HWND window) {
            ran = true;
            // On screen, as the modal loop shows it once idle.
            ::ShowWindow(window, SW_SHOW);
            testing_harness::PumpPending();
            drive(window);
            testing_harness::ModalDriver::PressButton(window, IDCANCEL);
        });
        DoModal();
        ASSERT_TRUE(ran);
    }
    HWND Page(CWnd& page) const { return page.GetSafeHwnd(); }

    CCamPropSheet sheet;
    Cam seatToSeat, fiftyThou;
    int method = kSeatToSeat;
    int refreshes = 0;
    std::vector<std::string> loaded;
    std::function<void(BOOL enable)> onEnable;
};

}  // namespace torvane
