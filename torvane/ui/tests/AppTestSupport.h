// Starts the engine program in the test process and closes it again, and
// reads what a user would see of it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "torvane/ui/TorvaneApp.h"

namespace torvane {

class CMainFrame;

// Preferences of the program in the registry; a missing value reads as -2.
struct StoredPreferences {
    DWORD suppress = static_cast<DWORD>(-2);
    DWORD highColor = static_cast<DWORD>(-2);
    DWORD scheme = static_cast<DWORD>(-2);
};

// Removes the program's registry key (a first start).
void ForgetProgramSettings();
StoredPreferences ReadStoredPreferences();
void StoreColorScheme(DWORD scheme);
void StorePreference(const char* name, DWORD value);

class RunningApp {
public:
    // Starts the program: InitInstance as the program's entry point runs it.
    RunningApp();
    // Closes the main window and runs the exit, as the message loop's end does.
    ~RunningApp();

    bool Started() const { return started_; }
    CTorvaneApp& App() { return *app_; }
    CMainFrame* Frame() const;
    HWND FrameWnd() const;
    // The active document window, or null.
    HWND ActiveChild(BOOL* maximized = nullptr) const;
    // Closes the main window and exits; the destructor then does nothing.
    void Close();
    // Sends a command to the main frame as a menu or accelerator would.
    void Command(UINT id) const;
    // A command's menu item after the menu bar's pop-up holding it was
    // opened (its update handlers ran): MF_CHECKED, MF_GRAYED bits.
    UINT MenuState(UINT id) const;
    // Saves the main window's pixels as a PNG in the build folder's
    // artifacts; returns the path.
    std::string SaveScreenshot(const char* name) const;

private:
    std::unique_ptr<CTorvaneApp> app_;
    bool started_ = false;
    bool closed_ = false;
};

}  // namespace torvane
