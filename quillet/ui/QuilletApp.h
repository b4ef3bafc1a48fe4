// The drag-race program's application object: start-up (splash window, the
// document template, the main frame, one blank vehicle document) and the
// application's File New and Open.
#pragma once

#include "framework/Framework.h"

namespace quillet {

class CQuilletApp : public CWinApp {
public:
    CQuilletApp();

    BOOL InitInstance() override;

    // How long start-up keeps the splash window at least, in ms.
    static constexpr DWORD kMinimumSplashMs = 2000;
    static constexpr UINT kSplashDisplayMs = 2500;

    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnNothing();

protected:
    DECLARE_MESSAGE_MAP()

private:
    void MaximizeInWorkbookMode();
};

}  // namespace quillet
