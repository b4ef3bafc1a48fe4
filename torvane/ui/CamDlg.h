// The cam manager: the camshaft described, loaded, saved, tested and applied
// to the engine. It edits two working copies of the engine's cam, one in
// seat-to-seat and one in 0.050-inch timing; one of them is the active
// timing method. The texts, the lifter and the lifter ramp rate (set on a
// track bar or computed from both timings) are edited here, the events and
// centre lines on the embedded sheet's pages, and a chart shows the active
// copy's valve lifts.
#pragma once

#include "common/SimSpec.h"
#include "framework/Framework.h"
#include "torvane/components/Cam.h"
#include "torvane/results/CamTimingChart2D.h"
#include "torvane/ui/CamPropSheet.h"
#include "torvane/ui/CamSheetOwner.h"

namespace torvane {

class CTorvaneDoc;

// The descriptive texts of a cam as the cam manager names them.
enum CamText {
    kCamTextEngine = 0,
    kCamTextEngineType = 1,
    kCamTextUsage = 2,
    kCamTextApplication = 3,
    kCamTextManufacturer = 4,
    kCamTextWeb = 5,
};

// Posted to itself when the automatic ramp rate cannot be computed.
constexpr UINT kMsgRampRateUndefined = WM_USER + 113;

class CCamDlg : public CDialog, public CCamSheetOwner {
public:
    CCamDlg(CTorvaneDoc* doc, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;

    Cam* GetSeatToSeatCam() override { return &seatToSeat_; }
    Cam* Get050InchCam() override { return &fiftyThou_; }
    Cam* GetActiveCam() override { return active_; }
    int GetTimingMethod() const override { return method_; }
    // 1 seat-to-seat, 2 0.050-inch; the texts and the cam's name go along.
    void SetTimingMethod(int method) override;
    // The ramp rate follows the two timings (both copies agree on it).
    bool IsAutoRampRate() const override;
    // Refreshes the dialog from the active copy, then every page but `exceptPage`.
    void UpdateControls(CWnd* exceptPage) override;
    void EnableControls(BOOL enable) override;
    // Loads a cam file into both copies; both null asks for the file.
    // A failed load leaves the copies as they were. No refresh.
    bool LoadCamFile(const char* name, const char* folder) override;

    CCamPropSheet& GetSheet() { return sheet_; }

    // The track bar (10 top .. 60 bottom) and the ramp rate (6 .. 1).
    static float RampRateAt(int position);
    static int PositionOf(float rampRate);

protected:
    afx_msg void OnNameKillFocus();
    afx_msg void OnNameSetFocus();
    afx_msg void OnManufacturerSetFocus();
    afx_msg void OnWebSetFocus();
    afx_msg void OnTextKillFocus(UINT id);
    afx_msg void OnEngineKillFocus();
    afx_msg void OnUsageKillFocus();
    afx_msg void OnLifterKillFocus();
    afx_msg void OnRampAuto();
    afx_msg void OnRampManual();
    afx_msg LRESULT OnRampRateUndefined(WPARAM, LPARAM);
    afx_msg void OnVScroll(UINT code, UINT position, CScrollBar* bar);
    afx_msg void OnClear();
    afx_msg void OnOpen();
    afx_msg void OnSave();
    afx_msg void OnApply();
    afx_msg LRESULT OnChartPainted(WPARAM, LPARAM dcPointer);
    DECLARE_MESSAGE_MAP()

private:
    // Both copies from `source` in their methods, the active method and the
    // ramp-rate backup.
    void BuildCopies(const Cam& source);
    Cam& OtherCam() { return active_ == &seatToSeat_ ? fiftyThou_ : seatToSeat_; }
    void MarkBothModified();
    bool EitherModified() const;
    // The rate from both timings and the lifts; false (and no rate) when
    // they are incomplete or give none.
    bool ComputeAutoRampRate();
    void SetRampMode(bool automatic);
    void ShowRampRate();
    void ShowChart();
    void ShowRampControls();
    // The active copy with the other copy's events as its second set: what
    // the engine receives and what a saved file holds.
    void MakeCombinedCam(Cam& combined) const;
    // Moves the focus to the button, which stores an entry still being
    // typed; false when an entry was refused.
    bool CommitEntries(int buttonId);
    // OK and Apply: commit the entries, validate, ask the document.
    bool BeginApply(int buttonId);
    // A text control's trimmed text into the active copy, marked when changed.
    void StoreText(int id);
    void ApplyToDocument();
    void FullPath(CString& path) const;

    CTorvaneDoc* doc_;
    int method_ = kSeatToSeat;
    Cam* active_;
    Cam seatToSeat_;
    Cam fiftyThou_;
    CFloatPtSpec rampBackup_;
    CString fileName_;
    CString folder_;
    CString lowLabel_;
    CCamPropSheet sheet_;
    CCamTimingChart2D chart_;
};

// The Cam Manager command: true when the engine's cam was changed by OK.
bool ManageCam(CTorvaneDoc& doc);

}  // namespace torvane
