// CDialog: the framework's modal loop, the PreTranslateMessage chain in
// front of the dialog manager, modeless dialogs and command routing.
#include <gtest/gtest.h>

#include "Controls.h"
#include "Dialog.h"
#include "ModalDriver.h"
#include "WinThread.h"
#include "WindowHelpers.h"
#include "WindowMessages.h"
#include "WindowTestResources.h"

using testing_harness::ModalDriver;

namespace {

enum : UINT { WM_PING = WM_USER + 1, ID_ACCELERATED = 40100, ID_OWNER_COMMAND = 40101 };
constexpr UINT_PTR kTickTimer = 7;

// The program's main window: an accelerator table in PreTranslateMessage
// and a command of its own.
class CMainWindow : public CWnd {
public:
    int acceleratedCommands = 0;
    int ownerCommands = 0;

    CMainWindow() {
        ACCEL keys[] = {{FVIRTKEY, VK_F9, static_cast<WORD>(ID_ACCELERATED)}};
        accelerators_ = ::CreateAcceleratorTableA(keys, 1);
    }
    ~CMainWindow() override { ::DestroyAcceleratorTable(accelerators_); }

    BOOL CreateVisible() {
        return CreateEx(0, AfxRegisterWndClass(0), "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                        400, 300, nullptr, nullptr);
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        return ::TranslateAcceleratorA(m_hWnd, accelerators_, msg);
    }

protected:
    afx_msg void OnAccelerated() { ++acceleratedCommands; }
    afx_msg void OnOwnerCommand() { ++ownerCommands; }
    DECLARE_MESSAGE_MAP()

private:
    HACCEL accelerators_;
};

BEGIN_MESSAGE_MAP(CMainWindow, CWnd)
    ON_COMMAND(ID_ACCELERATED, OnAccelerated)
    ON_COMMAND(ID_OWNER_COMMAND, OnOwnerCommand)
END_MESSAGE_MAP()

// Makes `wnd` the thread's main window for the life of the fixture.
class MainWindowScope {
public:
    explicit MainWindowScope(CWnd* wnd) : previous_(AfxGetThread()->m_pMainWnd) {
        AfxGetThread()->m_pMainWnd = wnd;
    }
    ~MainWindowScope() { AfxGetThread()->m_pMainWnd = previous_; }

private:
    CWnd* previous_;
};

// A dialog that, while up, needs its own timer to tick twice and a message
// it posted to itself before an OK is accepted.
class CWaitingDialog : public CDialog {
public:
    explicit CWaitingDialog(CWnd* owner) : CDialog(IDD_ENTRY, owner), owner_(owner) {}

    int ticks = 0;
    bool pinged = false;
    bool okPressed = false;
    int idleUpdates = 0;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetTimer(kTickTimer, 10);
        PostMessage(WM_PING);
        // A key for the main window's accelerators, pumped by this loop.
        owner_->PostMessage(WM_KEYDOWN, VK_F9, 1);
        return TRUE;
    }

protected:
    void OnOK() override {
        okPressed = true;
        EndWhenReady();
    }
    afx_msg void OnTimer(UINT_PTR id) {
        if (id != kTickTimer) return;
        if (++ticks > 500) EndDialog(IDABORT);  // a loop that never got here would hang instead
        EndWhenReady();
    }
    afx_msg LRESULT OnPing(WPARAM, LPARAM) {
        pinged = true;
        return 0;
    }
    afx_msg LRESULT OnIdleUpdate(WPARAM, LPARAM) {
        ++idleUpdates;
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    void EndWhenReady() {
        // Idle is awaited too: a busy machine can keep the timer due at
        // every check for a while, which is no fault of the loop.
        if (okPressed && pinged && ticks >= 2 && idleUpdates > 0) {
            KillTimer(kTickTimer);
            CDialog::OnOK();
        }
    }
    CWnd* owner_;
};

BEGIN_MESSAGE_MAP(CWaitingDialog, CDialog)
    ON_WM_TIMER()
    ON_MESSAGE(WM_PING, OnPing)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdate)
END_MESSAGE_MAP()

// An edit field that opens something on Enter instead of letting the
// dialog press its default button.
class CEnterEdit : public CEdit {
public:
    int enters = 0;
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
            ++enters;
            return TRUE;
        }
        return CEdit::PreTranslateMessage(msg);
    }
};

class CEntryDialog : public CDialog {
public:
    explicit CEntryDialog(CWnd* owner = nullptr) : CDialog(IDD_ENTRY, owner) {}

    CEnterEdit edit;
    int oks = 0;
    int endAtInit = 0;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        edit.SubclassDlgItem(IDC_ENTRY_EDIT, this);
        if (endAtInit) EndDialog(endAtInit);
        return TRUE;
    }

protected:
    void OnOK() override {
        ++oks;
        CDialog::OnOK();
    }
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(main.CreateVisible()); }
    void TearDown() override { CWnd::DeleteTempMap(); }

    CMainWindow main;
    MainWindowScope scope{&main};
};

}  // namespace

TEST_F(DialogTest, ModalLoopKeepsDispatchingTimersPostedMessagesAndAccelerators) {
    CWaitingDialog dialog(&main);
    bool ownerDisabled = false;
    ModalDriver::Instance().Handle("Entry Test", [&](HWND box) {
        ownerDisabled = !::IsWindowEnabled(main.m_hWnd);
        ModalDriver::PressButton(box, IDOK);
    });

    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.okPressed);
    EXPECT_TRUE(dialog.pinged);
    EXPECT_GE(dialog.ticks, 2);
    EXPECT_GT(dialog.idleUpdates, 0);
    EXPECT_EQ(main.acceleratedCommands, 1);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(main.IsWindowEnabled());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(DialogTest, ControlSeesItsKeyBeforeTheDialogManager) {
    CEntryDialog dialog(&main);
    ModalDriver::Instance().Handle("Entry Test", [&](HWND box) {
        HWND edit = ::GetDlgItem(box, IDC_ENTRY_EDIT);
        ::SetFocus(edit);
        // Enter would press the default button; the edit takes it first.
        ::PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
        // Escape is left to the dialog manager, which cancels.
        ::PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 1);
    });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.edit.enters, 1);
    EXPECT_EQ(dialog.oks, 0);
}

TEST_F(DialogTest, EndingTheDialogWhileItInitialisesSkipsTheLoop) {
    CEntryDialog dialog(&main);
    dialog.endAtInit = 33;
    // The system activates the new dialog while it sets the first focus; the
    // dialog is never shown and needs no answer.
    ModalDriver::Instance().Handle("Entry Test", [](HWND) {});
    EXPECT_EQ(dialog.DoModal(), 33);
    EXPECT_TRUE(main.IsWindowEnabled());
}

TEST_F(DialogTest, MissingTemplateFailsWithMinusOne) {
    CDialog dialog(9999, &main);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(main.IsWindowEnabled());
}

TEST_F(DialogTest, ModelessDialogMovesFocusAndPassesUnhandledCommandsToItsOwner) {
    CEntryDialog dialog;
    ModalDriver::Instance().Handle("Entry Test", [](HWND) {});  // stays up: no answer
    ASSERT_TRUE(dialog.Create(IDD_ENTRY, &main));
    dialog.ShowWindow(SW_SHOW);
    testing_harness::PumpPending();

    dialog.GotoDlgCtrl(dialog.GetDlgItem(IDC_ENTRY_EDIT));
    EXPECT_EQ(::GetFocus(), dialog.edit.m_hWnd);
    dialog.NextDlgCtrl();
    EXPECT_NE(::GetFocus(), dialog.edit.m_hWnd);

    testing_harness::SendCommand(dialog.m_hWnd, ID_OWNER_COMMAND);
    EXPECT_EQ(main.ownerCommands, 1);

    // OK ends a modeless dialog by hiding it.
    testing_harness::SendCommand(dialog.m_hWnd, IDOK);
    EXPECT_EQ(dialog.oks, 1);
    EXPECT_FALSE(dialog.IsWindowVisible());
    dialog.DestroyWindow();
}
