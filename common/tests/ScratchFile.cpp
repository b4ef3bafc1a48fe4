#include "common/tests/ScratchFile.h"

#include <cstdio>

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
