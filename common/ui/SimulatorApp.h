// What the two programs' application objects share: the start-up steps in
// their order, the display preferences in the registry, the low-colour
// notice, and the commands New, Open, Print Setup, About, the user manual
// and the product information. Each program gives its own resource ids,
// manual file and error numbers.
#pragma once

#include "common/ui/AppDialogs.h"
#include "framework/Framework.h"

class SECWorkbook;

// The display preferences kept in the registry section "Preferences".
struct DisplayPreferences {
    int suppressLowColorNotice = 0;  // "SuppressLowClrInfoMsg"
    int highColorModeLastUsed = 0;   // "HighColorModeLastUsed"
    int colorSchemeLastUsed = 1;     // "ColorSchemeNumLastUsed"
};

// The commands both programs give the same number.
constexpr UINT kCmdHelpUserManual = 33305;
constexpr UINT kCmdProductInfo = 33306;

struct ProgramAppValues {
    UINT splashBitmap;
    UINT mainFrame;  // the frame's menu, toolbar, icon and accelerators
    AboutBoxIds about;
    LowColorNoticeIds lowColorNotice;
    const char* manualFile;  // in the program folder's "\Manuals & Videos"
    void (*showError)(unsigned short code);
    unsigned short manualError;       // the manual did not open
    unsigned short productInfoError;  // the product-information program did not start
};

class CSimulatorApp : public CWinApp {
public:
    // How long start-up keeps the splash window at least, in ms.
    static constexpr DWORD kMinimumSplashMs = 2000;
    static constexpr UINT kSplashDisplayMs = 2500;

    // Stores the current scheme in the preferences and writes them.
    int ExitInstance() override;

    void ReadPreferences();
    void WritePreferences();
    const DisplayPreferences& GetPreferences() const { return preferences_; }

    void GetProgramFolder(CString& folder) const;

    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnAppAbout();
    afx_msg void OnHelpUserManual();
    afx_msg void OnProductInfo();
    afx_msg void OnNothing();

protected:
    explicit CSimulatorApp(const ProgramAppValues& values);

    // The start-up steps in their order: the program folder recorded (a
    // folder too long is refused); the splash; the control
    // container, 3D controls, registry key "Halvern" and 4 recent files;
    // `documentTemplate` added; `mainFrame` loaded (deleted on failure); the
    // command line parsed but no file opened; the splash held its least
    // time; the active document window maximised and workbook mode on; the
    // splash closed; the preferences read and the scheme applied, with the
    // low-colour notice; one blank document; the frame shown maximised.
    BOOL StartProgram(CDocTemplate* documentTemplate, SECWorkbook* mainFrame);

    DECLARE_MESSAGE_MAP()

private:
    void MaximizeInWorkbookMode();
    void ApplyDisplayPreferences();

    ProgramAppValues values_;
    DisplayPreferences preferences_;
    SECWorkbook* frame_ = nullptr;
};
