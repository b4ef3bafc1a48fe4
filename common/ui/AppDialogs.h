// The programs' two small dialogs: the about box and the notice shown on a
// display of 256 colours or fewer. Each program gives its own template and
// control ids; the texts are the same in both.
#pragma once

#include "framework/Framework.h"

struct AboutBoxIds {
    UINT dialog;
    UINT version;
    UINT date;
    UINT contributors;
    UINT copyright;
    UINT disclaimer;
    UINT copyWarning;
};

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(const AboutBoxIds& ids);
    BOOL OnInitDialog() override;

private:
    AboutBoxIds ids_;
};

struct LowColorNoticeIds {
    UINT dialog;
    UINT dontShowAgain;  // the check box
    UINT icon;           // the icon static
};

class CLowColorDlg : public CDialog {
public:
    explicit CLowColorDlg(const LowColorNoticeIds& ids);
    BOOL OnInitDialog() override;
    // The check box was checked when it was last clicked.
    bool GetDontShowAgain() const { return dontShowAgain_; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    LowColorNoticeIds ids_;
    bool dontShowAgain_ = false;
};
