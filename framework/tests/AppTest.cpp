// CWinApp and CWinThread: profile in the registry, recent files, command
// line, idle command updates, message boxes.
#include <gtest/gtest.h>

#include <string>

#include "CommandLineInfo.h"
#include "ModalDriver.h"
#include "WinApp.h"
#include "WindowHelpers.h"
#include "WindowMessages.h"
#include "Wnd.h"

using testing_harness::ModalDriver;

namespace {

constexpr char kCompany[] = "FrameworkTestCompany";

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("Window Tests") {}
    BOOL InitInstance() override { return TRUE; }
};

// Deletes a key with everything below it.
void DeleteKeyTree(HKEY parent, LPCSTR name) {
    HKEY key;
    if (::RegOpenKeyExA(parent, name, 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
    char child[256];
    for (;;) {
        DWORD length = sizeof child;
        if (::RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        DeleteKeyTree(key, child);
    }
    ::RegCloseKey(key);
    ::RegDeleteKeyA(parent, name);
}

// Removes the test's registry tree before and after each test.
class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTree();
        app.SetRegistryKey(kCompany);
    }
    void TearDown() override { RemoveTree(); }

    static void RemoveTree() {
        std::string key = std::string("Software\\") + kCompany;
        DeleteKeyTree(HKEY_CURRENT_USER, key.c_str());
    }

    CTestApp app;
};

DWORD ReadDword(LPCSTR subKey, LPCSTR value) {
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0xDEADBEEF;
    DWORD data = 0;
    DWORD size = sizeof data;
    DWORD type = 0;
    LONG status = ::RegQueryValueExA(key, value, nullptr, &type, reinterpret_cast<LPBYTE>(&data), &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_DWORD ? data : 0xDEADBEEF;
}

}  // namespace

TEST(AppTest, ApplicationObjectIsTheCurrentOneForItsLifetime) {
    EXPECT_EQ(AfxGetApp(), nullptr);
    {
        CTestApp app;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(AfxGetThread(), &app);
        EXPECT_STREQ(AfxGetAppName(), "Window Tests");
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
    // Without a name the title string resource names the application.
    CWinApp unnamed;
    EXPECT_STREQ(unnamed.m_pszAppName, "Framework Window Tests");
}

TEST_F(ProfileTest, ValuesGoToTheUsersKeyOfCompanyAndApplication) {
    EXPECT_TRUE(app.WriteProfileInt("Preferences", "ColorSchemeNumLastUsed", 7));
    EXPECT_EQ(ReadDword("Software\\FrameworkTestCompany\\Window Tests\\Preferences", "ColorSchemeNumLastUsed"), 7u);
    EXPECT_EQ(app.GetProfileInt("Preferences", "ColorSchemeNumLastUsed", 1), 7u);
    EXPECT_EQ(app.GetProfileInt("Preferences", "Missing", 1), 1u);
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Preferences", "Missing", -1)), -1);

    EXPECT_TRUE(app.WriteProfileString("Settings", "Name", "Value with spaces"));
    EXPECT_STREQ(app.GetProfileString("Settings", "Name"), "Value with spaces");
    EXPECT_STREQ(app.GetProfileString("Settings", "Other", "fallback"), "fallback");
    // A string is not an integer: the default comes back.
    EXPECT_EQ(app.GetProfileInt("Settings", "Name", 5), 5u);
    EXPECT_TRUE(app.WriteProfileString("Settings", "Name", nullptr));
    EXPECT_STREQ(app.GetProfileString("Settings", "Name", "gone"), "gone");

    BYTE bytes[] = {0, 1, 0xFE, 0xFF};
    EXPECT_TRUE(app.WriteProfileBinary("Settings", "Blob", bytes, sizeof bytes));
    LPBYTE read = nullptr;
    UINT count = 0;
    ASSERT_TRUE(app.GetProfileBinary("Settings", "Blob", &read, &count));
    ASSERT_EQ(count, sizeof bytes);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(read), count), std::string(reinterpret_cast<char*>(bytes), count));
    delete[] read;
}

TEST_F(ProfileTest, RecentFilesAreKeptMostRecentFirstAndSurviveARestart) {
    app.LoadStdProfileSettings(3);
    ASSERT_NE(app.m_pRecentFileList, nullptr);
    app.AddToRecentFileList("C:\\data\\one.tvn");
    app.AddToRecentFileList("C:\\data\\two.tvn");
    app.AddToRecentFileList("C:\\DATA\\ONE.TVN");  // the same file moves up
    app.AddToRecentFileList("C:\\data\\three.tvn");
    app.AddToRecentFileList("C:\\data\\four.tvn");  // pushes the oldest out
    CRecentFileList& list = *app.m_pRecentFileList;
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_STREQ(list[0], "C:\\data\\four.tvn");
    EXPECT_STREQ(list[1], "C:\\data\\three.tvn");
    EXPECT_STREQ(list[2], "C:\\DATA\\ONE.TVN");
    app.SaveStdProfileSettings();

    CString shown;
    EXPECT_TRUE(list.GetDisplayName(shown, 0, "C:\\data", 7));
    EXPECT_STREQ(shown, "four.tvn");

    CRecentFileList reread(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4);
    reread.ReadList();
    EXPECT_EQ(reread.GetCount(), 3);
    EXPECT_STREQ(reread[0], "C:\\data\\four.tvn");
    EXPECT_STREQ(app.GetProfileString("Recent File List", "File3"), "C:\\DATA\\ONE.TVN");
}

TEST(RecentFileListTest, MenuNamesAreShortenedInTheMiddle) {
    struct Case {
        const char* path;
        const char* shown;
    };
    const Case cases[] = {
        {"C:\\short\\file.tvn", "C:\\short\\file.tvn"},
        {"C:\\Very Long Folder Name\\Another Long Folder\\file.tvn", "C:\\...\\file.tvn"},
        {"C:\\Very Long Folder Name\\engines\\file.tvn", "C:\\...\\engines\\file.tvn"},
        {"C:\\work\\here\\file.tvn", "file.tvn"},  // in the current folder
    };
    for (const Case& test : cases) {
        CRecentFileList list(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4, 30);
        list[0] = test.path;
        CString shown;
        ASSERT_TRUE(list.GetDisplayName(shown, 0, "C:\\work\\here", 12));
        EXPECT_STREQ(shown, test.shown) << test.path;
    }
    CRecentFileList empty(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4);
    CString shown;
    EXPECT_FALSE(empty.GetDisplayName(shown, 0, nullptr, 0));
}

TEST(CommandLineTest, ArgumentsBecomeTheShellCommand) {
    struct Case {
        std::vector<std::pair<std::string, bool>> arguments;  // text, is a flag
        CCommandLineInfo::ShellCommand command;
        const char* fileName;
    };
    const Case cases[] = {
        {{}, CCommandLineInfo::FileNew, ""},
        {{{"engine.tvn", false}}, CCommandLineInfo::FileOpen, "engine.tvn"},
        {{{"p", true}, {"engine.tvn", false}}, CCommandLineInfo::FilePrint, "engine.tvn"},
        {{{"Unregister", true}}, CCommandLineInfo::AppUnregister, ""},
        {{{"unknown", true}}, CCommandLineInfo::FileNew, ""},
    };
    for (const Case& test : cases) {
        CCommandLineInfo info;
        for (size_t i = 0; i < test.arguments.size(); ++i)
            info.ParseParam(test.arguments[i].first.c_str(), test.arguments[i].second,
                            i + 1 == test.arguments.size());
        EXPECT_EQ(info.m_nShellCommand, test.command) << test.fileName;
        EXPECT_STREQ(info.m_strFileName, test.fileName);
    }
}

TEST(CommandLineTest, NothingToDoSucceedsWithoutADocument) {
    CTestApp app;
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::FileNothing;
    EXPECT_TRUE(app.ProcessShellCommand(info));
}

namespace {

// A main window whose child counts the idle command updates it gets.
class CIdleCounter : public CWnd {
public:
    int updates = 0;

protected:
    afx_msg LRESULT OnIdleUpdate(WPARAM, LPARAM) {
        ++updates;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleCounter, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdate)
END_MESSAGE_MAP()

}  // namespace

TEST(IdleTest, FirstIdlePassUpdatesTheMainWindowTreeAndTheNextFreesWrappers) {
    CTestApp app;
    CIdleCounter main;
    ASSERT_TRUE(main.CreateEx(0, AfxRegisterWndClass(0), "Idle", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                              200, 200, nullptr, nullptr));
    CIdleCounter child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &main, 1));
    CIdleCounter grandChild;
    ASSERT_TRUE(grandChild.Create(nullptr, "inner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &child, 2));
    app.m_pMainWnd = &main;

    EXPECT_TRUE(app.OnIdle(0));
    EXPECT_EQ(main.updates, 1);
    EXPECT_EQ(child.updates, 1);
    EXPECT_EQ(grandChild.updates, 1);

    HWND desktop = ::GetDesktopWindow();
    CWnd* wrapper = CWnd::FromHandle(desktop);
    EXPECT_EQ(CWnd::FromHandle(desktop), wrapper);
    EXPECT_FALSE(app.OnIdle(1));
    // The old wrapper is gone; a new one is made on demand.
    CWnd* fresh = CWnd::FromHandle(desktop);
    EXPECT_EQ(fresh->m_hWnd, desktop);
    app.m_pMainWnd = nullptr;
}

TEST(MessageBoxTest, ShowsTheApplicationNameAndReturnsTheAnswer) {
    CTestApp app;
    ModalDriver::Instance().Answer("Window Tests", IDNO);
    EXPECT_EQ(AfxMessageBox("Save changes?", MB_YESNOCANCEL), IDNO);
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 1u);
    const auto& box = ModalDriver::Instance().Boxes()[0];
    EXPECT_EQ(box.text, "Save changes?");
    EXPECT_EQ(box.icon, testing_harness::BoxIcon::Question);
}
