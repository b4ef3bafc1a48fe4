// The cam manager's specification page: the cam card's durations (one pair
// per timing method), intake centre line, lobe-centre angle and lifts; the
// events, exhaust centre line and overlap are derived from them.
#pragma once

#include "torvane/ui/CamCopiesPage.h"

namespace torvane {

// Posted to the page when an entry left a copy without both intake (wParam
// 106) or both exhaust events (107): the values are valid, but the events
// they give lie outside the program's limits.
constexpr UINT kMsgEventsIncomplete = WM_USER + 114;

class CCamSpecsPropPage : public CCamCopiesPage {
    DECLARE_DYNCREATE(CCamSpecsPropPage)
public:
    CCamSpecsPropPage();

    void EnableControls(BOOL enable) override;

protected:
    void BindFields() override;
    void GetNumberIds(const int*& ids, int& count) const override;
    void ShowFields() override;
    void GetRowIds(int method, const int*& ids, int& count) const override;
    void AfterEntry(int id, bool changed) override;

    afx_msg LRESULT OnEventsIncomplete(WPARAM code, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    // The events of `copy` from its centre lines and durations, when they
    // are valid; notes which event pair an incomplete result lost.
    static void DeriveEvents(Cam& copy, bool& lostIntake, bool& lostExhaust);
};

}  // namespace torvane
