#include "torvane/ui/AppDialogs.h"

#include "torvane/res/TorvaneResources.h"

namespace torvane {

namespace {

const char kVersion[] = "4.05";
const char kReleaseDate[] = "February 24, 2003";
const char kContributors[] =
    "Engine cycle model, dyno procedures and program design by the Halvern Software engineering team,\r\n"
    "with flow-bench data from our test partners.";
const char kCopyright[] = "Copyright (C) 1996-2003 Halvern Software.\r\nAll rights reserved.";
const char kDisclaimer[] =
    "Simulated results are estimates. Real engines differ with parts, tuning, fuel and conditions; "
    "confirm every build on a real dynamometer before relying on it.";
const char kCopyWarning[] =
    "This program is protected by copyright law. Copying or distributing it without permission is "
    "prohibited.";

}  // namespace

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_ABOUT_VERSION, kVersion);
    SetDlgItemText(IDC_ABOUT_DATE, kReleaseDate);
    SetDlgItemText(IDC_ABOUT_CONTRIBUTORS, kContributors);
    SetDlgItemText(IDC_ABOUT_COPYRIGHT, kCopyright);
    SetDlgItemText(IDC_ABOUT_DISCLAIMER, kDisclaimer);
    SetDlgItemText(IDC_ABOUT_COPY_WARNING, kCopyWarning);
    return TRUE;
}

BEGIN_MESSAGE_MAP(CLowColorDlg, CDialog)
    ON_BN_CLICKED(IDC_DONT_SHOW_AGAIN, OnDontShowAgain)
END_MESSAGE_MAP()

CLowColorDlg::CLowColorDlg() : CDialog(IDD_LOW_COLOR_NOTICE) {}

BOOL CLowColorDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    HICON information = ::LoadIconA(nullptr, IDI_INFORMATION);
    HWND icon = ::GetDlgItem(m_hWnd, IDC_NOTICE_ICON);
    ::SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(information), 0);
    ::ShowWindow(icon, SW_SHOW);
    return TRUE;
}

void CLowColorDlg::OnDontShowAgain() {
    dontShowAgain_ = ::SendDlgItemMessageA(m_hWnd, IDC_DONT_SHOW_AGAIN, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace torvane
