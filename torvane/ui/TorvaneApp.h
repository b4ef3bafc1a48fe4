// The engine program's application object: start-up (splash window, the
// document template, the main frame, the display preferences, the
// low-colour notice, one blank document), exit, and the application's
// commands (New, Open, About, the user manual, the product information and
// the documents made from a sweep's marked results).
#pragma once

#include "framework/Framework.h"

namespace torvane {

class CIterator;

// The display preferences kept in the registry.
struct DisplayPreferences {
    int suppressLowColorNotice = 0;  // "SuppressLowClrInfoMsg"
    int highColorModeLastUsed = 0;   // "HighColorModeLastUsed"
    int colorSchemeLastUsed = 1;     // "ColorSchemeNumLastUsed"
};

class CTorvaneApp : public CWinApp {
public:
    CTorvaneApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    void ReadPreferences();
    void WritePreferences();
    const DisplayPreferences& GetPreferences() const { return preferences_; }

    void GetProgramFolder(CString& folder) const;

    // Hands over a sweep whose marked results are to become documents
    // (asserts one and no other pending); the caller then arms main-frame
    // timer 2.
    void SetBestResultsIterator(CIterator* sweep);

    // How long start-up keeps the splash window at least, in ms.
    static constexpr DWORD kMinimumSplashMs = 2000;
    static constexpr UINT kSplashDisplayMs = 2500;

    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnAppAbout();
    afx_msg void OnHelpUserManual();
    afx_msg void OnProductInfo();
    afx_msg void OnCreateBestResultDocs();
    afx_msg void OnNothing();

protected:
    DECLARE_MESSAGE_MAP()

private:
    void MaximizeInWorkbookMode();
    // Opens the next marked result of the pending sweep as a document.
    void OpenBestResult(CIterator& sweep, int slot);

    DisplayPreferences preferences_;
    // A sweep was handed over and its ticks have not found it done yet.
    bool sweepHandedOver_ = false;
};

}  // namespace torvane
