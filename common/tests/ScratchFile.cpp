#include "common/tests/ScratchFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

namespace {

// Taken as the program starts, before any test runs.
const std::string g_startFolder = [] {
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, folder);
    return std::string(folder);
}();

}  // namespace

std::string TestDataPath(const char* name) {
    return g_startFolder + "\\data\\" + name;
}

ScratchFile::ScratchFile(const char* name) : path_(name) {
    remove(name);
}

ScratchFile::~ScratchFile() {
    remove(path_.c_str());
}

std::vector<std::string> ScratchFile::Lines() const {
    std::vector<std::string> lines;
    FILE* file = fopen(path_.c_str(), "rt");
    if (file == nullptr) return lines;
    std::string line;
    bool open = false;
    for (int ch = fgetc(file); ch != EOF; ch = fgetc(file)) {
        open = true;
        if (ch == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
        } else {
            line += static_cast<char>(ch);
        }
    }
    if (open) lines.push_back(line);
    fclose(file);
    return lines;
}

void ScratchFile::WriteLines(const std::vector<std::string>& lines) const {
    FILE* file = fopen(path_.c_str(), "wt");
    for (const std::string& line : lines) fprintf(file, "%s\n", line.c_str());
    fclose(file);
}

void RefuseFurtherWrites(FILE* file) {
    // The test program itself is a file that is always there.
    char program[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, program, MAX_PATH), 0u);
    const int readOnly = _open(program, _O_RDONLY);
    ASSERT_GE(readOnly, 0);
    ASSERT_EQ(_dup2(readOnly, _fileno(file)), 0);
    _close(readOnly);
}
