#include "common/ui/AppDialogs.h"

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

CAboutDlg::CAboutDlg(const AboutBoxIds& ids) : CDialog(ids.dialog), ids_(ids) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(ids_.version, kVersion);
    SetDlgItemText(ids_.date, kReleaseDate);
    SetDlgItemText(ids_.contributors, kContributors);
    SetDlgItemText(ids_.copyright, kCopyright);
    SetDlgItemText(ids_.disclaimer, kDisclaimer);
    SetDlgItemText(ids_.copyWarning, kCopyWarning);
    return TRUE;
}

CLowColorDlg::CLowColorDlg(const LowColorNoticeIds& ids) : CDialog(ids.dialog), ids_(ids) {}

BOOL CLowColorDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    HICON information = ::LoadIconA(nullptr, IDI_INFORMATION);
    HWND icon = ::GetDlgItem(m_hWnd, ids_.icon);
    ::SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(information), 0);
    ::ShowWindow(icon, SW_SHOW);
    return TRUE;
}

BOOL CLowColorDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == ids_.dontShowAgain && HIWORD(wParam) == BN_CLICKED)
        dontShowAgain_ = ::SendDlgItemMessageA(m_hWnd, ids_.dontShowAgain, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return CDialog::OnCommand(wParam, lParam);
}
