// What the window layer guarantees at the system boundary: no exception
// unwinds into the system (it is reported, the thread's message state is
// put back), the handle maps and message state are per thread, and a
// temporary wrapper stays usable after its window gets an owner.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <thread>

#include "Controls.h"
#include "Dialog.h"
#include "ModalDriver.h"
#include "ThreadState.h"
#include "WinThread.h"
#include "WindowHelpers.h"
#include "WindowMessages.h"
#include "WindowTestResources.h"

using testing_harness::ModalDriver;

namespace {

enum : UINT { WM_OUTER = WM_USER + 20, WM_THROW = WM_USER + 21 };
enum : UINT { ID_THROW_RUNTIME = 40200, ID_THROW_USER = 40201 };

// Throws what it is told to from its handlers.
class CThrowingWnd : public CWnd {
public:
    enum class Throw { Nothing, BadAlloc, Runtime, FrameworkMemory, User };
    Throw onMessage = Throw::Nothing;
    Throw onCreate = Throw::Nothing;
    CWnd* partner = nullptr;
    // What the outer handler saw after the inner one threw.
    UINT currentAfterInner = 0;
    LRESULT innerAnswer = -5;

    BOOL CreateTopLevel() {
        return CreateEx(0, AfxRegisterWndClass(0), "Thrower", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                        nullptr, nullptr);
    }

    static void Raise(Throw what) {
        switch (what) {
        case Throw::Nothing: return;
        case Throw::BadAlloc: throw std::bad_alloc();
        case Throw::Runtime: throw std::runtime_error("boom");
        case Throw::FrameworkMemory: AfxThrowMemoryException();
        case Throw::User: AfxThrowUserException();
        }
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        Raise(onCreate);
        return CWnd::OnCreate(cs);
    }
    afx_msg LRESULT OnOuter(WPARAM, LPARAM) {
        innerAnswer = partner->SendMessage(WM_THROW);
        currentAfterInner = GetCurrentMessage()->message;
        return 1;
    }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) {
        Raise(onMessage);
        return 7;
    }
    afx_msg void OnThrowRuntime() { Raise(Throw::Runtime); }
    afx_msg void OnThrowUser() { Raise(Throw::User); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_OUTER, OnOuter)
    ON_MESSAGE(WM_THROW, OnThrow)
    ON_COMMAND(ID_THROW_RUNTIME, OnThrowRuntime)
    ON_COMMAND(ID_THROW_USER, OnThrowUser)
END_MESSAGE_MAP()

// Refuses to be bound.
class CUnbindableWnd : public CWnd {
protected:
    void PreSubclassWindow() override { throw std::bad_alloc(); }
};

TEST(ExceptionBoundaryTest, ThrowingHandlerIsReportedAndTheOuterMessageStateIsRestored) {
    struct Case {
        const char* name;
        CThrowingWnd::Throw what;
        const char* text;  // expected box text, null for no box
    };
    const Case cases[] = {
        {"bad_alloc", CThrowingWnd::Throw::BadAlloc, "Out of memory."},
        {"framework memory", CThrowingWnd::Throw::FrameworkMemory, "Out of memory."},
        {"other C++ exception", CThrowingWnd::Throw::Runtime,
         "The operation failed because of an unexpected error."},
        {"user exception", CThrowingWnd::Throw::User, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModalDriver::Instance().Reset();
        CThrowingWnd outer, inner;
        ASSERT_TRUE(outer.CreateTopLevel());
        ASSERT_TRUE(inner.CreateTopLevel());
        outer.partner = &inner;
        inner.onMessage = c.what;
        if (c.text) ModalDriver::Instance().Answer("", IDOK);

        EXPECT_EQ(outer.SendMessage(WM_OUTER), 1);
        EXPECT_EQ(outer.innerAnswer, 0);
        // The outer handler still sees its own message.
        EXPECT_EQ(outer.currentAfterInner, static_cast<UINT>(WM_OUTER));
        const auto& boxes = ModalDriver::Instance().Boxes();
        if (c.text) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, c.text);
            EXPECT_EQ(boxes[0].icon, testing_harness::BoxIcon::Warning);
        } else {
            EXPECT_TRUE(boxes.empty());
        }
        // The windows go on working.
        inner.onMessage = CThrowingWnd::Throw::Nothing;
        EXPECT_EQ(inner.SendMessage(WM_THROW), 7);
    }
}

TEST(ExceptionBoundaryTest, CommandHandlerThrowingFromAPostedMessageLeavesTheLoopRunning) {
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    ModalDriver::Instance().Answer("", IDOK);
    wnd.PostMessage(WM_COMMAND, ID_THROW_RUNTIME);
    wnd.PostMessage(WM_THROW);  // answered normally after the failure
    testing_harness::PumpUntil([] { return !ModalDriver::Instance().Boxes().empty(); });
    testing_harness::PumpPending();
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 1u);
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
}

TEST(ExceptionBoundaryTest, ThrowingDuringCreationFailsTheCreationWithAMessage) {
    {
        CThrowingWnd wnd;
        wnd.onCreate = CThrowingWnd::Throw::BadAlloc;
        ModalDriver::Instance().Answer("", IDOK);
        EXPECT_FALSE(wnd.CreateTopLevel());
        EXPECT_EQ(wnd.m_hWnd, nullptr);
    }
    {
        // Thrown inside the creation hook, while the window is being bound.
        CUnbindableWnd wnd;
        ModalDriver::Instance().Answer("", IDOK);
        EXPECT_FALSE(wnd.CreateEx(0, AfxRegisterWndClass(0), "Unbindable", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                  100, nullptr, nullptr));
        EXPECT_EQ(wnd.m_hWnd, nullptr);
        EXPECT_EQ(testing_harness::FindWindowOf("", "Unbindable"), nullptr);
    }
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 2u);
    EXPECT_EQ(ModalDriver::Instance().Boxes()[1].text, "Out of memory.");
    // Creation works again afterwards.
    CThrowingWnd later;
    EXPECT_TRUE(later.CreateTopLevel());
}

class CThrowingDialog : public CDialog {
public:
    CThrowingDialog() : CDialog(IDD_ENTRY) {}
    BOOL OnInitDialog() override { throw std::bad_alloc(); }
};

TEST(ExceptionBoundaryTest, DialogInitialisationThatThrowsIsReported) {
    CThrowingDialog dialog;
    ModalDriver::Instance().Answer("", IDOK);  // the report, shown first
    ModalDriver::Instance().Answer("Entry Test", IDCANCEL);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 2u);
    EXPECT_EQ(ModalDriver::Instance().Boxes()[0].text, "Out of memory.");
}

TEST(ThreadStateTest, EachThreadHasItsOwnMapsAndMessageState) {
    CThrowingWnd mine;
    ASSERT_TRUE(mine.CreateTopLevel());
    HWND theirs = nullptr;
    bool theirsBoundThere = false;
    bool mineBoundThere = true;
    bool mineWrappedThere = false;
    CThreadState* theirState = nullptr;
    std::thread worker([&] {
        CWnd wnd;
        if (wnd.CreateEx(0, AfxRegisterWndClass(0), "Worker", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr,
                         nullptr)) {
            theirs = wnd.m_hWnd;
            theirsBoundThere = CWnd::FromHandlePermanent(theirs) == &wnd;
            mineBoundThere = CWnd::FromHandlePermanent(mine.m_hWnd) != nullptr;
            CWnd* wrapper = CWnd::FromHandle(mine.m_hWnd);
            mineWrappedThere = wrapper && wrapper != &mine && wrapper->m_hWnd == mine.m_hWnd;
            theirState = AfxGetThreadState();
            // Bound here, so not in the main thread's map.
            wnd.DestroyWindow();
        }
        CWinThread::DeleteTempMaps();
    });
    worker.join();
    ASSERT_NE(theirs, nullptr);
    EXPECT_TRUE(theirsBoundThere);
    EXPECT_FALSE(mineBoundThere);
    EXPECT_TRUE(mineWrappedThere);
    EXPECT_NE(theirState, AfxGetThreadState());
    EXPECT_EQ(CWnd::FromHandlePermanent(mine.m_hWnd), &mine);
}

TEST(HandleMapTest, TemporaryWrapperStaysUsableAfterItsWindowIsSubclassed) {
    CThrowingWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    HWND editWnd = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, parent.m_hWnd,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_ENTRY_EDIT)),
                                     nullptr, nullptr);
    ASSERT_NE(editWnd, nullptr);
    CWnd* held = parent.GetDlgItem(IDC_ENTRY_EDIT);
    ASSERT_NE(held, nullptr);
    ASSERT_EQ(CWnd::FromHandlePermanent(editWnd), nullptr);

    CEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_ENTRY_EDIT, &parent));
    // The held wrapper still names the control and works.
    EXPECT_EQ(held->m_hWnd, editWnd);
    held->SetWindowText("still here");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(std::string(text), "still here");
    EXPECT_EQ(held->GetDlgCtrlID(), static_cast<int>(IDC_ENTRY_EDIT));
    // From now on the control's own object answers.
    EXPECT_EQ(parent.GetDlgItem(IDC_ENTRY_EDIT), &edit);
    CWinThread::DeleteTempMaps();
    EXPECT_EQ(CWnd::FromHandle(editWnd), &edit);
}

}  // namespace
