// The cam manager's sheet shown on its own, as a modal sheet, for a stand-in
// camshaft dialog that keeps the two working copies and records what the
// pages ask of it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/ui/CamPropSheet.h"

namespace torvane {

class TestCamOwner : public CCamSheetOwner {
public:
    // The copies of `cam` in both timing methods; `method` active.
    explicit TestCamOwner(const Cam& cam, int method = kSeatToSeat) {
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

    // Shows the sheet with every page made and the first one active, as the
    // dialog's sheet starts, and runs `drive` on it; Cancel closes it.
    void Show(const std::function<void(HWND sheetWindow)>& drive) {
        bool ran = false;
        sheet.SetTitle("Cam Pages");
        testing_harness::ModalDriver::Instance().Handle("Cam Pages", [&](HWND window) {
            ran = true;
            for (int page = 2; page >= 0; --page) sheet.SetActivePage(page);
            testing_harness::PumpPending();
            drive(window);
            testing_harness::ModalDriver::PressButton(window, IDCANCEL);
        });
        sheet.DoModal();
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
