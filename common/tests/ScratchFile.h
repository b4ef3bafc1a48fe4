// A scratch file in the test's working folder, removed by the destructor.
#pragma once

#include <cstdio>

#include <string>
#include <vector>

class ScratchFile {
public:
    explicit ScratchFile(const char* name);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const char* Path() const { return path_.c_str(); }
    // The file's lines as a text-mode reader sees them (no line ends).
    std::vector<std::string> Lines() const;
    // Replaces the file by these lines, written in text mode.
    void WriteLines(const std::vector<std::string>& lines) const;

private:
    std::string path_;
};

// A file of the test's data folder: "data" in the folder the test program
// started in, whatever folder a test (a file dialog) has moved to since.
std::string TestDataPath(const char* name);

// Makes every later write of `file` fail as a disk that refuses it does: the
// stream's descriptor is pointed at a file opened for reading only, so the
// runtime's next flush fails and sets the stream's error flag.
void RefuseFurtherWrites(FILE* file);
