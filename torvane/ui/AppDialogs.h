// The application's two small dialogs: the about box and the notice shown
// on a display of 256 colours or fewer.
#pragma once

#include "framework/Framework.h"

namespace torvane {

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    BOOL OnInitDialog() override;
};

class CLowColorDlg : public CDialog {
public:
    CLowColorDlg();
    BOOL OnInitDialog() override;
    // The check box was checked when it was last clicked.
    bool GetDontShowAgain() const { return dontShowAgain_; }

protected:
    afx_msg void OnDontShowAgain();
    DECLARE_MESSAGE_MAP()

private:
    bool dontShowAgain_ = false;
};

}  // namespace torvane
