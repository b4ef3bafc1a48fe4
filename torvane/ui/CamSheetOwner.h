// What the pages of the cam manager's property sheet need of the camshaft
// dialog that holds them: its two working copies of the cam (one in
// seat-to-seat timing, one in 0.050-inch timing), the choice between them,
// and the dialog-wide refresh, enabling and loading.
#pragma once

#include "framework/Framework.h"
#include "torvane/components/Cam.h"

namespace torvane {

class CCamSheetOwner {
public:
    // The working copy in seat-to-seat timing (method 1) and the one in
    // 0.050-inch timing (method 2).
    virtual Cam* GetSeatToSeatCam() = 0;
    virtual Cam* Get050InchCam() = 0;
    // One of the two: the copy of the active timing method.
    virtual Cam* GetActiveCam() = 0;
    // 1 or 2; setting it makes that method's copy active.
    virtual int GetTimingMethod() const = 0;
    virtual void SetTimingMethod(int method) = 0;
    // Both copies compute the ramp rate themselves.
    virtual bool IsAutoRampRate() const = 0;
    // Shows the active copy everywhere, on every page but `exceptPage`.
    virtual void UpdateControls(CWnd* exceptPage) = 0;
    // Every control of the dialog and of its pages.
    virtual void EnableControls(BOOL enable) = 0;
    // Loads `name` in `folder` into both copies (shows nothing); false when
    // the file could not be read.
    virtual bool LoadCamFile(const char* name, const char* folder) = 0;

protected:
    ~CCamSheetOwner() = default;
};

}  // namespace torvane
