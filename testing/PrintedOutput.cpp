#include "PrintedOutput.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace testing_harness {

std::string PrinterOutputDir() {
    const char* dir = std::getenv("TEST_PRINTER_OUTPUT_DIR");
    return dir ? dir : "";
}

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

bool FileExists(const std::string& windowsPath) {
    return ::GetFileAttributesA(windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFile(const std::string& windowsPath) {
    std::ifstream in(windowsPath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool RunUnix(const std::string& command, const std::string& doneFile, DWORD timeoutMs) {
    std::string line = "/bin/sh -c \"" + command + "; touch " + doneFile + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA("Z:\\bin\\sh", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return false;
    if (process.hProcess) ::CloseHandle(process.hProcess);
    if (process.hThread) ::CloseHandle(process.hThread);
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        if (FileExists(WindowsPath(doneFile))) return true;
        ::Sleep(100);
    }
    return false;
}

std::string WaitForPdf(const std::string& dir, const std::string& name, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 250) {
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA(WindowsPath(dir + "/*" + name + "*.pdf").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            ::FindClose(search);
            std::string path = dir + "/" + found.cFileName;
            // The printer writes the file in place: wait until its size settles.
            WIN32_FILE_ATTRIBUTE_DATA before = {}, after = {};
            ::GetFileAttributesExA(WindowsPath(path).c_str(), GetFileExInfoStandard, &before);
            ::Sleep(500);
            ::GetFileAttributesExA(WindowsPath(path).c_str(), GetFileExInfoStandard, &after);
            if (after.nFileSizeLow > 0 && after.nFileSizeLow == before.nFileSizeLow) return path;
        }
        ::Sleep(250);
    }
    return "";
}

std::string UniqueJobName(const std::string& prefix) {
    return prefix + "-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(::GetTickCount());
}

std::vector<std::string> PdfPageTexts(const std::string& pdf) {
    const std::string base = "/tmp/" + UniqueJobName("pdftext");
    std::vector<std::string> pages;
    if (!RunUnix("pdftotext -layout '" + pdf + "' " + base + ".txt", base + ".done", 30000)) return pages;
    // pdftotext ends each page with a form feed.
    std::stringstream in(ReadFile(WindowsPath(base + ".txt")));
    for (std::string page; std::getline(in, page, '\f');) pages.push_back(page);
    RunUnix("rm -f " + base + ".txt", base + ".gone", 10000);
    return pages;
}

}  // namespace testing_harness
