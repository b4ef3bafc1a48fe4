#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmdTarget.h"
#include "CmdUI.h"

#include <commctrl.h>

namespace {

enum : UINT {
    ID_SHARED = 100,
    ID_BASE_ONLY = 101,
    ID_PART_FIRST = 200,
    ID_PART_LAST = 209,
    ID_MAYBE = 300,
    ID_CHECKED = 400,
    ID_PASSED_ON = 401,
    ID_EDIT = 500,
    ID_SPIN = 600,
    ID_SPIN_LAST = 605,
    WM_PRIVATE = WM_USER + 7,
};

const UINT registeredMessage = RegisterWindowMessageA("CmdTargetTest.Registered");

// Records which handlers ran, in order.
class CBaseTarget : public CCmdTarget {
public:
    std::vector<std::string> calls;

    afx_msg void OnSharedInBase() { calls.push_back("base shared"); }
    afx_msg void OnBaseOnly() { calls.push_back("base only"); }
    afx_msg BOOL OnMaybeInBase(UINT) {
        calls.push_back("base maybe");
        return TRUE;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
    ON_COMMAND(ID_SHARED, OnSharedInBase)
    ON_COMMAND(ID_BASE_ONLY, OnBaseOnly)
    ON_COMMAND_EX(ID_MAYBE, OnMaybeInBase)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget {
public:
    BOOL acceptMaybe = TRUE;
    UINT lastId = 0;
    LRESULT deltaResult = 0;

    afx_msg void OnShared() { calls.push_back("derived shared"); }
    afx_msg void OnPart(UINT id) {
        calls.push_back("part");
        lastId = id;
    }
    afx_msg BOOL OnMaybe(UINT id) {
        calls.push_back("derived maybe");
        lastId = id;
        return acceptMaybe;
    }
    afx_msg void OnUpdateChecked(CCmdUI* cmdUI) { cmdUI->SetCheck(1); }
    afx_msg void OnUpdatePassedOn(CCmdUI* cmdUI) { cmdUI->ContinueRouting(); }
    afx_msg void OnEditLostFocus() { calls.push_back("edit kill focus"); }
    afx_msg void OnSpinDelta(NMHDR* header, LRESULT* result) {
        calls.push_back("spin delta");
        lastId = static_cast<UINT>(header->idFrom);
        *result = deltaResult;
    }
    afx_msg void OnSpinRange(UINT id, NMHDR*, LRESULT* result) {
        calls.push_back("spin range");
        lastId = id;
        *result = 7;
    }
    afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) {
        calls.push_back("private");
        return static_cast<LRESULT>(wParam + lParam);
    }
    afx_msg LRESULT OnRegistered(WPARAM, LPARAM) {
        calls.push_back("registered");
        return 42;
    }
    afx_msg void OnReflectedClick() { calls.push_back("reflected click"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
    ON_COMMAND(ID_SHARED, OnShared)
    ON_COMMAND_RANGE(ID_PART_FIRST, ID_PART_LAST, OnPart)
    ON_COMMAND_EX(ID_MAYBE, OnMaybe)
    ON_UPDATE_COMMAND_UI(ID_CHECKED, OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_PASSED_ON, OnUpdatePassedOn)
    ON_EN_KILLFOCUS(ID_EDIT, OnEditLostFocus)
    ON_NOTIFY(UDN_DELTAPOS, ID_SPIN, OnSpinDelta)
    ON_NOTIFY_RANGE(UDN_DELTAPOS, ID_SPIN + 1, ID_SPIN_LAST, OnSpinRange)
    ON_MESSAGE(WM_PRIVATE, OnPrivate)
    ON_REGISTERED_MESSAGE(registeredMessage, OnRegistered)
    ON_CONTROL_REFLECT(BN_CLICKED, OnReflectedClick)
END_MESSAGE_MAP()

// A command update that only records what the handlers set.
class CRecordingCmdUI : public CCmdUI {
public:
    int enabled = -1;
    int checked = -1;
    void Enable(BOOL on) override {
        m_bEnableChanged = TRUE;
        enabled = on;
    }
    void SetCheck(int check) override { checked = check; }
};

BOOL Notify(CCmdTarget& target, UINT id, UINT code, LRESULT* result) {
    NMHDR header = {nullptr, id, code};
    NotifyInfo info = {&header, result};
    return target.OnCmdMsg(id, NotifyCommandCode(code), &info, nullptr);
}

}  // namespace

TEST(CmdTargetTest, DerivedEntriesComeFirstAndBaseEntriesStillServe) {
    CDerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(ID_SHARED, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(target.OnCmdMsg(ID_BASE_ONLY, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(999, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ((std::vector<std::string>{"derived shared", "base only"}), target.calls);

    CBaseTarget base;
    EXPECT_TRUE(base.OnCmdMsg(ID_SHARED, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ((std::vector<std::string>{"base shared"}), base.calls);
}

TEST(CmdTargetTest, CommandRangeHandlerGetsTheIdAndTheEndsAreIncluded) {
    CDerivedTarget target;
    const struct {
        UINT id;
        BOOL handled;
    } cases[] = {{ID_PART_FIRST - 1, FALSE}, {ID_PART_FIRST, TRUE}, {ID_PART_FIRST + 4, TRUE},
                 {ID_PART_LAST, TRUE},       {ID_PART_LAST + 1, FALSE}};
    for (const auto& c : cases) {
        target.lastId = 0;
        EXPECT_EQ(c.handled, target.OnCmdMsg(c.id, CN_COMMAND, nullptr, nullptr)) << c.id;
        EXPECT_EQ(c.handled ? c.id : 0u, target.lastId) << c.id;
    }
}

TEST(CmdTargetTest, ExtendedHandlerThatDeclinesPassesTheCommandOn) {
    CDerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(ID_MAYBE, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(ID_MAYBE, target.lastId);
    EXPECT_EQ((std::vector<std::string>{"derived maybe"}), target.calls);

    target.calls.clear();
    target.acceptMaybe = FALSE;
    EXPECT_TRUE(target.OnCmdMsg(ID_MAYBE, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ((std::vector<std::string>{"derived maybe", "base maybe"}), target.calls);
}

TEST(CmdTargetTest, HandlerQueryNamesTheHandlerWithoutCallingIt) {
    CDerivedTarget target;
    CmdHandlerInfo info;
    EXPECT_TRUE(target.OnCmdMsg(ID_PART_FIRST + 1, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(&target, info.target);
    ASSERT_NE(nullptr, info.entry);
    EXPECT_EQ(static_cast<UINT>(ID_PART_LAST), info.entry->lastId);
    EXPECT_TRUE(target.calls.empty());

    CmdHandlerInfo none;
    EXPECT_FALSE(target.OnCmdMsg(ID_CHECKED, CN_COMMAND, nullptr, &none));  // an update handler only
    EXPECT_EQ(nullptr, none.target);
}

TEST(CmdTargetTest, UpdateHandlersSetTheItemOrPassItOn) {
    CDerivedTarget target;
    CRecordingCmdUI checked;
    checked.m_nID = ID_CHECKED;
    EXPECT_TRUE(target.OnCmdMsg(ID_CHECKED, CN_UPDATE_COMMAND_UI, &checked, nullptr));
    EXPECT_EQ(1, checked.checked);

    CRecordingCmdUI passed;
    passed.m_nID = ID_PASSED_ON;
    EXPECT_FALSE(target.OnCmdMsg(ID_PASSED_ON, CN_UPDATE_COMMAND_UI, &passed, nullptr));
    EXPECT_FALSE(passed.m_bContinueRouting);  // reset for the next target
}

TEST(CmdTargetTest, DoUpdateEnablesExactlyTheItemsSomeHandlerTakes) {
    CDerivedTarget target;
    const struct {
        UINT id;
        BOOL disableIfNoHandler;
        int enabled;   // -1: left alone
        int checked;   // -1: left alone
        BOOL handled;  // an update handler ran
    } cases[] = {
        {ID_SHARED, TRUE, TRUE, -1, FALSE},          // command handler, no update handler
        {ID_PART_LAST, TRUE, TRUE, -1, FALSE},       // range handler
        {999, TRUE, FALSE, -1, FALSE},               // no handler at all
        {999, FALSE, -1, -1, FALSE},                 // ... unless disabling is off
        {ID_CHECKED, TRUE, FALSE, 1, TRUE},          // checks, and has no command handler
        {0, TRUE, -1, -1, FALSE},                    // separators are left alone
    };
    for (const auto& c : cases) {
        CRecordingCmdUI item;
        item.m_nID = c.id;
        EXPECT_EQ(c.handled, item.DoUpdate(&target, c.disableIfNoHandler)) << c.id;
        EXPECT_EQ(c.enabled, item.enabled) << c.id;
        EXPECT_EQ(c.checked, item.checked) << c.id;
    }
    EXPECT_TRUE(target.calls.empty());  // no command ran
}

TEST(CmdTargetTest, ControlNotificationsMatchTheirCodeOnly) {
    CDerivedTarget target;
    EXPECT_FALSE(target.OnCmdMsg(ID_EDIT, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(ID_EDIT, EN_SETFOCUS, nullptr, nullptr));
    EXPECT_TRUE(target.OnCmdMsg(ID_EDIT, EN_KILLFOCUS, nullptr, nullptr));
    // A button click has code 0 and so reaches command handlers.
    EXPECT_TRUE(target.OnCmdMsg(ID_SHARED, BN_CLICKED, nullptr, nullptr));
    EXPECT_EQ((std::vector<std::string>{"edit kill focus", "derived shared"}), target.calls);
}

TEST(CmdTargetTest, NotificationsCarryTheirHeaderAndResult) {
    CDerivedTarget target;
    target.deltaResult = 1;  // refuses the change
    LRESULT result = 0;
    EXPECT_TRUE(Notify(target, ID_SPIN, UDN_DELTAPOS, &result));
    EXPECT_EQ(1, result);
    EXPECT_EQ(static_cast<UINT>(ID_SPIN), target.lastId);

    result = 0;
    EXPECT_TRUE(Notify(target, ID_SPIN_LAST, UDN_DELTAPOS, &result));
    EXPECT_EQ(7, result);
    EXPECT_EQ(static_cast<UINT>(ID_SPIN_LAST), target.lastId);

    EXPECT_FALSE(Notify(target, ID_SPIN, NM_CLICK, &result));
    EXPECT_FALSE(Notify(target, ID_SPIN_LAST + 1, UDN_DELTAPOS, &result));
    EXPECT_EQ((std::vector<std::string>{"spin delta", "spin range"}), target.calls);
}

TEST(CmdTargetTest, WindowMessagesAndReflectionGoThroughDispatchEntries) {
    CDerivedTarget target;
    MessageCall call;
    call.message = WM_PRIVATE;
    call.wParam = 40;
    call.lParam = 2;
    EXPECT_TRUE(target.DispatchEntries(call));
    EXPECT_EQ(42, call.result);

    MessageCall registered;
    registered.message = registeredMessage;
    EXPECT_TRUE(target.DispatchEntries(registered));
    EXPECT_EQ(42, registered.result);

    MessageCall reflected;
    reflected.message = kReflectedMessageBase + WM_COMMAND;
    reflected.code = BN_CLICKED;
    EXPECT_TRUE(target.DispatchEntries(reflected));

    MessageCall unknown;
    unknown.message = WM_PRIVATE + 1;
    EXPECT_FALSE(target.DispatchEntries(unknown));
    EXPECT_EQ(nullptr, target.FindEntry(unknown));
    EXPECT_EQ((std::vector<std::string>{"private", "registered", "reflected click"}), target.calls);
}
