#include "common/sweepui/SweepPump.h"

#include "framework/Framework.h"

bool SweepPumpMessages() {
    const int kBatch = 100;
    CWinThread* thread = AfxGetThread();
    MSG message;
    for (int i = 0; i < kBatch && ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); ++i) {
        if (!thread->PumpMessage()) {
            ::PostQuitMessage(static_cast<int>(thread->m_msgCur.wParam));
            return false;
        }
    }
    return true;
}
