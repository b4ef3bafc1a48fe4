#include "HostCommand.h"

#include <cstdio>
#include <cstdlib>

#include "WindowHelpers.h"

namespace testing_harness {

namespace {

bool FileExists(const std::string& windowsPath) {
    return GetFileAttributesA(windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadWholeFile(const std::string& windowsPath) {
    std::string bytes;
    if (FILE* file = fopen(windowsPath.c_str(), "rb")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
        fclose(file);
    }
    return bytes;
}

// One argument of a Windows command line, quoted so that the program gets
// it back unchanged (backslashes before a quote doubled, quotes escaped).
std::string QuotedArgument(const std::string& argument) {
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') quoted.append(backslashes * 2 + 1, '\\');
        else quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

// A shell word for `text`, in single quotes.
std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') quoted += "'\\''";
        else quoted += c;
    }
    return quoted + "'";
}

}  // namespace

std::string WindowsPathOf(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string UnixPathOf(const std::string& windowsPath) {
    // Wine's own translation, absent on Windows.
    using ToUnix = char*(CDECL*)(LPCWSTR);
    auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return "";
    wchar_t wide[MAX_PATH] = {};
    if (!MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH)) return "";
    char* unixPath = toUnix(wide);
    if (!unixPath) return "";
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    while (result.size() > 1 && result.back() == '/') result.pop_back();
    return result;
}

std::string EnvironmentValue(const char* name) {
    char value[MAX_PATH * 2] = "";
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? value : "";
}

std::string HostScratchDir() {
    std::string dir = EnvironmentValue("TEST_SCRATCH_DIR");
    if (dir.empty()) {
        char temp[MAX_PATH] = "";
        if (GetTempPathA(MAX_PATH, temp)) dir = UnixPathOf(temp);
    }
    if (!dir.empty()) CreateDirectoryA(WindowsPathOf(dir).c_str(), nullptr);
    return dir;
}

HostCommandResult RunHostCommand(const std::string& command, DWORD timeoutMs) {
    HostCommandResult result;
    std::string scratch = HostScratchDir();
    if (scratch.empty()) {
        result.output = "no scratch folder shared with the host";
        return result;
    }
    // The status file appears, by a rename, only once the command has ended.
    static unsigned counter = 0;
    std::string base = scratch + "/host-command-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(++counter);
    std::string outputFile = base + ".out", statusFile = base + ".status";
    std::string script = "(" + command + ") >" + ShellQuoted(outputFile) + " 2>&1; echo $? >" +
                         ShellQuoted(base + ".tmp") + "; mv " + ShellQuoted(base + ".tmp") + " " +
                         ShellQuoted(statusFile);
    std::string line = "/bin/sh -c " + QuotedArgument(script);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA("Z:\\bin\\sh", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        result.output = "the host's shell could not be started";
        return result;
    }
    // Wine gives no handle to wait on for a Unix program.
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    result.finished = PumpUntil([&] { return FileExists(WindowsPathOf(statusFile)); }, timeoutMs);
    result.output = ReadWholeFile(WindowsPathOf(outputFile));
    if (result.finished) {
        result.exitCode = std::atoi(ReadWholeFile(WindowsPathOf(statusFile)).c_str());
        DeleteFileA(WindowsPathOf(statusFile).c_str());
    }
    DeleteFileA(WindowsPathOf(outputFile).c_str());
    return result;
}

}  // namespace testing_harness
