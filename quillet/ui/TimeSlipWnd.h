// The time slip: a small yellow captioned window over the main frame that
// shows the active vehicle's last run as a drag strip's printed slip does,
// elapsed time and trap speed, the split times and the weather. It reads
// everything when it paints and owns itself once made; there is at most
// one.
#pragma once

#include "framework/Framework.h"

namespace quillet {

class CTimeSlipWnd : public CWnd {
public:
    // Made over `parent` (the main frame) at (100, 100), 130 x 180.
    explicit CTimeSlipWnd(CWnd* parent);
    ~CTimeSlipWnd() override;

    // The slip of the active document (labels only without one), and the
    // caption of its race length.
    void DrawSlip(CDC* dc);

protected:
    void PostNcDestroy() override;
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CFont font_;
    CBrush background_;
};

// The window there is, or null.
CTimeSlipWnd* TimeSlipWndGetInstance();
// Repaints the window, background included, when there is one.
void TimeSlipWndInvalidate();

}  // namespace quillet
