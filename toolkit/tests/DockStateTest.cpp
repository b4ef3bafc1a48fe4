// The saved bar layout in its three forms (application profile, persistent
// tree, archive): records written and read back whole, the empty dock bar
// left out with the sections numbered without gaps, the width in
// millionths, stale keys of an earlier save gone, damaged or oversized data
// bounded, Normalize, and bars recreated only from toolkit bar classes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "Archive.h"
#include "ButtonTestResources.h"
#include "CustomToolBar.h"
#include "CustomToolBarInfo.h"
#include "DialogBar.h"
#include "Exceptions.h"
#include "Files.h"
#include "FrameWnd.h"
#include "PersistentTree.h"
#include "PTNRegistryStrategy.h"
#include "Registry.h"
#include "SECDockState.h"
#include "ScratchKey.h"
#include "WinApp.h"

namespace {

const std::string& AppName() {
    static const std::string name = "DockState-" + std::to_string(::GetCurrentProcessId());
    return name;
}

// The application whose profile lives in the scratch key (the scratch key's
// name is this name).
class CStateApp : public CWinApp {
public:
    CStateApp() : CWinApp(AppName().c_str()) { SetRegistryKey("ToolkitTests"); }
};

// Three records: an empty dock bar that needs no record, a floating user
// toolbar with everything set, and a side dock bar with a list of bars.
void Fill(SECDockState& state) {
    auto* empty = static_cast<SECControlBarInfo*>(state.NewBarInfo());
    empty->m_nBarID = 0xE81B;
    empty->m_bDockBar = TRUE;
    empty->m_arrBarID.Add(0);
    state.Add(empty);

    auto* tools = static_cast<SECControlBarInfo*>(state.NewBarInfo());
    tools->m_nBarID = 0xE820;
    tools->m_bVisible = FALSE;
    tools->m_bFloating = TRUE;
    tools->m_bHorz = FALSE;
    tools->m_pointPos = CPoint(100, 120);
    tools->m_nMRUWidth = 200;
    tools->m_bDocking = TRUE;
    tools->m_uMRUDockID = 0xE81C;
    tools->m_rectMRUDockPos = CRect(0, 0, 30, 300);
    tools->m_dwMRUFloatStyle = 0x2004;
    tools->m_ptMRUFloatPos = CPoint(50, 60);
    tools->m_szHorzDocked = CSize(300, 30);
    tools->m_szVertDocked = CSize(30, 280);
    tools->m_szFloat = CSize(120, 60);
    tools->m_dwMRUDockingState = 0xF000;
    tools->m_dwDockStyle = 0xB000;
    tools->m_fPctWidth = 0.5f;
    tools->m_dwStyle = 0x2A34;
    tools->m_dwExStyle = 0x300;
    tools->m_bPrevFloating = TRUE;
    tools->m_bMDIChild = TRUE;
    tools->m_wpMDIChild.showCmd = SW_SHOWNORMAL;
    tools->m_wpMDIChild.rcNormalPosition = RECT{10, 20, 310, 220};
    tools->m_strClassName = "SECCustomToolBar";
    tools->m_strWindowName = "Tools";
    tools->m_nResourceID = 0;
    tools->CreateExtension();
    auto* buttons = static_cast<SECCustomToolBarInfoEx*>(tools->m_pInfoEx.get());
    buttons->m_strTitle = "Tools";
    buttons->m_buttons = {{0xE100, {}}, {0, {}}, {0xE103, {1, 2, 3}}};
    state.Add(tools);

    auto* left = static_cast<SECControlBarInfo*>(state.NewBarInfo());
    left->m_nBarID = 0xE81C;
    left->m_bDockBar = TRUE;
    for (DWORD id : {0xE820u, 0xE821u | 0x10000u, 0u}) left->m_arrBarID.Add(id);
    state.Add(left);
}

void ExpectFilled(const SECDockState& state) {
    ASSERT_EQ(state.GetCount(), 2);
    const SECControlBarInfo& tools = *state.GetInfo(0);
    EXPECT_EQ(tools.m_nBarID, 0xE820u);
    EXPECT_FALSE(tools.m_bVisible);
    EXPECT_TRUE(tools.m_bFloating);
    EXPECT_FALSE(tools.m_bHorz);
    EXPECT_EQ(tools.m_pointPos, CPoint(100, 120));
    EXPECT_EQ(tools.m_nMRUWidth, 200);
    EXPECT_TRUE(tools.m_bDocking);
    EXPECT_EQ(tools.m_uMRUDockID, 0xE81Cu);
    EXPECT_EQ(tools.m_rectMRUDockPos, CRect(0, 0, 30, 300));
    EXPECT_EQ(tools.m_dwMRUFloatStyle, 0x2004u);
    EXPECT_EQ(tools.m_ptMRUFloatPos, CPoint(50, 60));
    EXPECT_EQ(tools.m_szHorzDocked, CSize(300, 30));
    EXPECT_EQ(tools.m_szVertDocked, CSize(30, 280));
    EXPECT_EQ(tools.m_szFloat, CSize(120, 60));
    EXPECT_EQ(tools.m_dwMRUDockingState, 0xF000u);
    EXPECT_EQ(tools.m_dwDockStyle, 0xB000u);
    EXPECT_FLOAT_EQ(tools.m_fPctWidth, 0.5f);
    EXPECT_EQ(tools.m_dwStyle, 0x2A34u);
    EXPECT_EQ(tools.m_dwExStyle, 0x300u);
    EXPECT_TRUE(tools.m_bPrevFloating);
    EXPECT_EQ(tools.m_nTypeID, SEC_BARTYPE_CUSTOMTOOLBAR);
    ASSERT_NE(tools.m_pInfoEx, nullptr);
    const auto& buttons = static_cast<const SECCustomToolBarInfoEx&>(*tools.m_pInfoEx);
    EXPECT_STREQ(buttons.m_strTitle, "Tools");
    ASSERT_EQ(buttons.m_buttons.size(), 3u);
    EXPECT_EQ(buttons.m_buttons[0].id, 0xE100u);
    EXPECT_EQ(buttons.m_buttons[1].id, 0u);
    EXPECT_EQ(buttons.m_buttons[2].data, (std::vector<BYTE>{1, 2, 3}));

    const SECControlBarInfo& left = *state.GetInfo(1);
    EXPECT_EQ(left.m_nBarID, 0xE81Cu);
    EXPECT_TRUE(left.m_bDockBar);
    ASSERT_EQ(left.m_arrBarID.GetSize(), 3);
    EXPECT_EQ(left.m_arrBarID[1], 0xE821u | 0x10000u);
}

class DockStateTest : public ::testing::Test {
protected:
    DockStateTest() : scratch_("DockState") {}
    // A value of the profile, read with the registry wrapper.
    CString ProfileString(const char* section, const char* key) {
        SECRegistry reg;
        CString value;
        reg.Connect(HKEY_CURRENT_USER, nullptr, FALSE);
        if (reg.Open(scratch_.Sub(section).c_str(), KEY_READ)) reg.GetStringValue(key, value);
        return value;
    }
    bool ProfileHas(const char* section, const char* key) {
        SECRegistry reg;
        DWORD type = 0, size = 0;
        reg.Connect(HKEY_CURRENT_USER, nullptr, FALSE);
        return reg.Open(scratch_.Sub(section).c_str(), KEY_READ) && reg.QueryValueRaw(key, &type, nullptr, &size);
    }
    DWORD ProfileInt(const char* section, const char* key) {
        SECRegistry reg;
        DWORD value = 0xFFFFFFFF;
        reg.Connect(HKEY_CURRENT_USER, nullptr, FALSE);
        if (reg.Open(scratch_.Sub(section).c_str(), KEY_READ)) reg.GetDoubleWordValue(key, value);
        return value;
    }

    ScratchKey scratch_;
    CStateApp app_;
};

TEST_F(DockStateTest, ProfileFormRoundTripsAndNumbersSectionsWithoutGaps) {
    SECDockState saved;
    Fill(saved);
    saved.SaveState("Layout");
    EXPECT_EQ(ProfileInt("Layout-Summary", "Bars"), 2u);
    EXPECT_EQ(ProfileInt("Layout-Summary", "ScreenCX"), static_cast<DWORD>(::GetSystemMetrics(SM_CXSCREEN)));
    EXPECT_EQ(ProfileInt("Layout-Bar0", "BarID"), 0xE820u);
    EXPECT_EQ(ProfileInt("Layout-Bar1", "BarID"), 0xE81Cu);
    EXPECT_FALSE(scratch_.Exists(scratch_.Sub("Layout-Bar2")));
    EXPECT_STREQ(ProfileString("Layout-Bar0", "PctWidth"), "500000");
    EXPECT_EQ(ProfileInt("Layout-Bar0", "Visible"), 0u);
    EXPECT_FALSE(ProfileHas("Layout-Bar1", "Visible"));  // only when hidden
    EXPECT_FALSE(ProfileHas("Layout-Bar1", "Floating"));
    EXPECT_EQ(ProfileInt("Layout-Bar1", "Bars"), 3u);
    EXPECT_EQ(ProfileInt("Layout-Bar1", "Bar#1"), 0xE821u | 0x10000u);
    EXPECT_STREQ(ProfileString("Layout-Bar0", "ClassName"), "SECCustomToolBar");
    EXPECT_STREQ(ProfileString("Layout-Bar0", "Title"), "Tools");
    EXPECT_TRUE(ProfileHas("Layout-Bar0", "Buttons"));

    SECDockState loaded;
    loaded.LoadState("Layout");
    ExpectFilled(loaded);
    const WINDOWPLACEMENT& placement = loaded.GetInfo(0)->m_wpMDIChild;
    EXPECT_EQ(placement.rcNormalPosition.right, 310);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWNORMAL));

    // Saved again with the bar shown: no "Visible" of the earlier save stays.
    saved.GetInfo(1)->m_bVisible = TRUE;
    saved.SaveState("Layout");
    SECDockState again;
    again.LoadState("Layout");
    ASSERT_EQ(again.GetCount(), 2);
    EXPECT_TRUE(again.GetInfo(0)->m_bVisible);
}

TEST_F(DockStateTest, ProfileDataIsBounded) {
    app_.WriteProfileInt("Big-Summary", "Bars", 1000000);
    app_.WriteProfileInt("Big-Bar0", "BarID", 0xE81C);
    app_.WriteProfileInt("Big-Bar0", "Bars", 99999);
    app_.WriteProfileInt("Big-Bar0", "MDIChild", 1);
    std::vector<BYTE> placement(2000, 0x7F);
    app_.WriteProfileBinary("Big-Bar0", "MDIChildWindowPlacement", placement.data(), 2000);
    app_.WriteProfileInt("Big-Bar0", "MRUFloatCX", -40);
    app_.WriteProfileString("Big-Bar0", "PctWidth", "-250000");
    SECDockState loaded;
    loaded.LoadState("Big");
    ASSERT_EQ(loaded.GetCount(), 1);  // sections without a bar are no records
    const SECControlBarInfo& info = *loaded.GetInfo(0);
    EXPECT_EQ(info.m_arrBarID.GetSize(), CControlBarInfo::kMaxBarIds);
    EXPECT_TRUE(info.m_bMDIChild);
    EXPECT_EQ(info.m_wpMDIChild.rcNormalPosition.right, 0);  // not a placement: not taken
    EXPECT_EQ(info.m_szFloat.cx, 0);
    EXPECT_FLOAT_EQ(info.m_fPctWidth, 0.0f);

    // Positions move from the saved screen to this one.
    app_.WriteProfileInt("Half-Summary", "Bars", 1);
    app_.WriteProfileInt("Half-Summary", "ScreenCX", ::GetSystemMetrics(SM_CXSCREEN) / 2);
    app_.WriteProfileInt("Half-Summary", "ScreenCY", ::GetSystemMetrics(SM_CYSCREEN) / 2);
    app_.WriteProfileInt("Half-Bar0", "BarID", 0xE820);
    app_.WriteProfileInt("Half-Bar0", "XPos", 100);
    app_.WriteProfileInt("Half-Bar0", "YPos", 50);
    SECDockState scaled;
    scaled.LoadState("Half");
    ASSERT_EQ(scaled.GetCount(), 1);
    EXPECT_NEAR(scaled.GetInfo(0)->m_pointPos.x, 200, 2);
    EXPECT_NEAR(scaled.GetInfo(0)->m_pointPos.y, 100, 2);
}

TEST_F(DockStateTest, TreeFormRoundTripsInMemoryAndThroughTheRegistry) {
    SECDockState saved;
    Fill(saved);
    SECPersistentTreeNode root;
    ASSERT_EQ(root.Create("Frame"), PTN_SUCCESS);
    ASSERT_TRUE(saved.SaveState(&root));
    SECPersistentTreeNode* node = root.FindChild("DockState");
    ASSERT_NE(node, nullptr);
    int bars = 0;
    node->GetIntValue("Bars", bars);
    EXPECT_EQ(bars, 2);
    ASSERT_NE(node->FindChild("Bar-0"), nullptr);
    ASSERT_NE(node->FindChild("Bar-1"), nullptr);
    EXPECT_EQ(node->FindChild("Bar-2"), nullptr);
    CString text;
    node->FindChild("Bar-0")->GetValue("Visible", text);
    EXPECT_STREQ(text, "False");
    EXPECT_NE(node->FindChild("Bar-0")->FindChild("ToolBarInfoEx"), nullptr);

    SECDockState loaded;
    ASSERT_TRUE(loaded.LoadState(&root));
    ExpectFilled(loaded);

    SECPTNRegistryStrategy storage(HKEY_CURRENT_USER, scratch_.Sub("Tree").c_str());
    ASSERT_TRUE(root.SaveTree(&storage));
    SECPersistentTreeNode reread;
    ASSERT_EQ(reread.Create("Frame"), PTN_SUCCESS);
    ASSERT_TRUE(reread.LoadTree(&storage));
    SECDockState fromRegistry;
    ASSERT_TRUE(fromRegistry.LoadState(&reread));
    ExpectFilled(fromRegistry);

    SECPersistentTreeNode none;
    ASSERT_EQ(none.Create("Empty"), PTN_SUCCESS);
    EXPECT_FALSE(loaded.LoadState(&none));
}

std::string TempFile(const char* name) {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name + "-" + std::to_string(::GetCurrentProcessId());
}

TEST_F(DockStateTest, ArchiveFormRoundTripsAndRefusesAShortArchive) {
    const std::string path = TempFile("dockstate.bin");
    {
        SECDockState saved;
        Fill(saved);
        saved.RemoveAt(0);  // the archive keeps every record
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive archive(&file, CArchive::store);
        saved.Serialize(archive);
    }
    {
        CFile file(path.c_str(), CFile::modeRead);
        CArchive archive(&file, CArchive::load);
        SECDockState loaded;
        loaded.Serialize(archive);
        ExpectFilled(loaded);
        EXPECT_EQ(loaded.GetVersion(), 2u);
    }
    // Cut short: refused with the archive error, nothing kept.
    HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    ::SetFilePointer(handle, 60, nullptr, FILE_BEGIN);
    ::SetEndOfFile(handle);
    ::CloseHandle(handle);
    {
        CFile file(path.c_str(), CFile::modeRead);
        CArchive archive(&file, CArchive::load);
        SECDockState loaded;
        bool refused = false;
        try {
            loaded.Serialize(archive);
        } catch (CException* error) {
            refused = true;
            error->Delete();
        }
        EXPECT_TRUE(refused);
        EXPECT_EQ(loaded.GetCount(), 0);
    }
    std::remove(path.c_str());
}

TEST(DockStateNormalize, HiddenEntriesStayOnlyInTheirOwnDockBarAndListsEndInOneZero) {
    SECDockState state;
    auto add = [&](UINT id, UINT mruDock, std::initializer_list<DWORD> ids) {
        auto* info = static_cast<SECControlBarInfo*>(state.NewBarInfo());
        info->m_nBarID = id;
        info->m_uMRUDockID = mruDock;
        for (DWORD entry : ids) info->m_arrBarID.Add(entry);
        state.Add(info);
    };
    add(0xE820, 0xE81B, {});                                    // a bar last docked on top
    add(0xE81B, 0, {0xE800, 0xE820 | 0x10000, 0, 0});           // its own dock bar: kept
    add(0xE81C, 0, {0xE820 | 0x10000, 0xE801, 0xE801, 0});      // another: removed; duplicate becomes 0
    add(0xE81D, 0, {0, 0});                                     // only zeros: emptied
    state.Normalize();
    auto ids = [&](INT_PTR index) {
        std::vector<DWORD> out;
        const CDWordArray& array = state.GetInfo(index)->m_arrBarID;
        for (INT_PTR i = 0; i < array.GetSize(); ++i) out.push_back(array[i]);
        return out;
    };
    EXPECT_EQ(ids(1), (std::vector<DWORD>{0xE800, 0xE820 | 0x10000, 0}));
    EXPECT_EQ(ids(2), (std::vector<DWORD>{0xE801, 0}));
    EXPECT_TRUE(ids(3).empty());
    EXPECT_TRUE(ids(0).empty());
}

// Restoring creates bars only of toolkit control-bar classes; a record
// naming another creatable class (edited data) gets nothing.
TEST(DockStateBars, OnlyToolkitControlBarsAreCreated) {
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Restore", WS_OVERLAPPEDWINDOW, CRect(60, 60, 500, 360)));
    SECDockState state;
    SECControlBarInfo info;
    info.m_nBarID = 0xE821;
    info.m_dwStyle = CBRS_TOP;
    info.m_strWindowName = "Restored";
    for (const char* refused : {"SECPersistentTreeNode", "CDockState", "NoSuchClass", "SECControlBar", ""}) {
        SCOPED_TRACE(refused);
        EXPECT_EQ(state.CreateControlBar(refused, frame, &info), nullptr);
    }
    EXPECT_EQ(frame->GetControlBar(0xE821), nullptr);

    info.m_strClassName = "SECCustomToolBar";
    info.CreateExtension();
    static_cast<SECCustomToolBarInfoEx*>(info.m_pInfoEx.get())->m_buttons = {{0xE100, {}}, {0xE103, {}}};
    std::unique_ptr<SECControlBar> toolBar(state.CreateControlBar("SECCustomToolBar", frame, &info));
    ASSERT_NE(toolBar, nullptr);
    EXPECT_EQ(frame->GetControlBar(0xE821), toolBar.get());
    EXPECT_EQ(static_cast<SECCustomToolBar*>(toolBar.get())->GetButtonCount(), 2);
    CString title;
    toolBar->GetWindowText(title);
    EXPECT_STREQ(title, "Restored");

    SECControlBarInfo dialogInfo;
    dialogInfo.m_nBarID = 0xE822;
    dialogInfo.m_nResourceID = IDD_TEST_DIALOGBAR;
    dialogInfo.m_dwStyle = CBRS_TOP;
    std::unique_ptr<SECControlBar> dialogBar(state.CreateControlBar("SECDialogBar", frame, &dialogInfo));
    ASSERT_NE(dialogBar, nullptr);
    EXPECT_EQ(static_cast<SECDialogBar*>(dialogBar.get())->GetTemplateId(), static_cast<UINT>(IDD_TEST_DIALOGBAR));
    dialogBar.reset();
    toolBar.reset();
    frame->DestroyWindow();
}

}  // namespace
