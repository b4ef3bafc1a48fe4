// Commands of the host system, run from a test program under Wine.
//
// Wine starts a Unix program given to CreateProcess as it is, so a test can
// ask the host's own tools (the PDF readers, say) about a file it made. The
// two sides share files through paths both can name: a Unix path is seen by
// the program on the Z: drive.
#pragma once

#include <windows.h>

#include <string>

namespace testing_harness {

// How this program names a Unix path: "/a/b" is "Z:\a\b".
std::string WindowsPathOf(const std::string& unixPath);
// The Unix path of a path of this program; empty when there is none (not
// under Wine).
std::string UnixPathOf(const std::string& windowsPath);

// A Unix folder (made if missing) for files shared with host commands: the
// test script's TEST_SCRATCH_DIR, else the temporary folder Wine gives.
// Empty when neither can be had.
std::string HostScratchDir();

// The environment variable `name`, empty when unset.
std::string EnvironmentValue(const char* name);

struct HostCommandResult {
    bool finished = false;  // it ran and ended in time
    int exitCode = -1;
    std::string output;     // what it wrote to standard output and error

    bool Succeeded() const { return finished && exitCode == 0; }
};

// Runs `command` with the host's /bin/sh and waits up to `timeoutMs` for it
// to end, dispatching this thread's messages meanwhile.
HostCommandResult RunHostCommand(const std::string& command, DWORD timeoutMs = 60000);

}  // namespace testing_harness
