#include "ThreadState.h"

#include "CommonControls.h"
#include "DC.h"
#include "GdiObjects.h"
#include "Menu.h"
#include "Wnd.h"

CThreadState::CThreadState()
    : windowMap(&CWnd::m_hWnd),
      dcMap(&CDC::m_hDC, CDC::NewTemporary),
      gdiMap(&CGdiObject::m_hObject, CGdiObject::NewTemporary),
      menuMap(&CMenu::m_hMenu),
      imageListMap(&CImageList::m_hImageList) {}

CThreadState::~CThreadState() {
    // The system destroys the thread's windows; the tooltip object only
    // lets go of its window.
    if (toolTip.control) {
        toolTip.control->Detach();
        delete toolTip.control;
    }
}

namespace {

// The state lives on the heap and the thread-local pointer stays readable
// to the end, so objects destroyed after the thread's own clean-up (static
// windows at process exit) still find a (fresh, empty) state.
thread_local CThreadState* threadState = nullptr;

struct ThreadStateOwner {
    ~ThreadStateOwner() {
        delete threadState;
        threadState = nullptr;
    }
};

thread_local ThreadStateOwner threadStateOwner;

}  // namespace

CThreadState* AfxGetThreadState() {
    if (!threadState) {
        threadState = new CThreadState;
        (void)&threadStateOwner;  // registers the clean-up of this thread
    }
    return threadState;
}
