// Plumbing of the library's text files: the message sink of the readers and
// writers, a line reader, and a writer that replaces a file only once the
// new one is complete.
#pragma once

#include <cstdio>
#include <string>

#include "data/ReplacingFile.h"

// Copies `text` into `buffer` (ZEL3D_MESSAGE_SIZE bytes, cut to fit) and
// returns the copied length with the terminator; with a null buffer the
// text goes to the diagnostic channel.
int zel3d_message_to_sink(char* buffer, const char* text);
// printf-style message to the sink.
void zel3d_sink_printf(char* buffer, const char* format, ...) __attribute__((format(gnu_printf, 2, 3)));

// The longest line the styles and levels readers take at once.
constexpr size_t kMaxTextLine = 2047;

// Reads a line without its newline; false at the end. A line longer than
// kMaxTextLine comes in pieces of that length, one a call.
bool zel3d_read_line(FILE* file, std::string& line);

// Writes a text file through a temporary file beside it: Commit() replaces
// the target; a writer destroyed without a successful Commit() leaves any
// existing file as it was. A read-only target is never opened.
class TextFileWriter {
public:
    explicit TextFileWriter(const std::string& path) : file_(path) { file_.Open("w"); }

    bool IsOpen() const { return file_.file() != nullptr; }
    void Printf(const char* format, ...) __attribute__((format(gnu_printf, 2, 3)));
    // Closes the file and moves it over the target; false on any error.
    bool Commit() { return file_.Commit(); }

private:
    ReplacingFile file_;
};
