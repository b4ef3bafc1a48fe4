#include "data/TextFiles.h"

#include <windows.h>

#include <cstdarg>
#include <cstring>

#include "kernel/Helpers.h"
#include "zelplot3d.h"

int zel3d_message_to_sink(char* buffer, const char* text) {
    if (!buffer) {
        zel3d_trace("%s\n", text);
        return 0;
    }
    size_t length = strlen(text);
    if (length > ZEL3D_MESSAGE_SIZE - 1) length = ZEL3D_MESSAGE_SIZE - 1;
    memcpy(buffer, text, length);
    buffer[length] = '\0';
    return int(length) + 1;
}

void zel3d_sink_printf(char* buffer, const char* format, ...) {
    char text[ZEL3D_MESSAGE_SIZE];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    zel3d_message_to_sink(buffer, text);
}

bool zel3d_read_line(FILE* file, std::string& line) {
    line.clear();
    int c;
    while ((c = fgetc(file)) != EOF) {
        if (c == '\n') return true;
        line += char(c);
        if (line.size() == kMaxTextLine) return true;
    }
    return !line.empty();
}

TextFileWriter::TextFileWriter(const std::string& path) : path_(path) {
    // A read-only file is kept, as a direct write could not change it either.
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return;
    size_t slash = path.find_last_of("\\/");
    std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    char temp[MAX_PATH];
    if (folder.size() >= MAX_PATH - 14 || !GetTempFileNameA(folder.c_str(), "z3d", 0, temp)) return;
    temp_path_ = temp;
    file_ = fopen(temp, "w");
    if (!file_) {
        DeleteFileA(temp);
        temp_path_.clear();
    }
}

TextFileWriter::~TextFileWriter() { Discard(); }

void TextFileWriter::Printf(const char* format, ...) {
    if (!file_) return;
    va_list args;
    va_start(args, format);
    vfprintf(file_, format, args);
    va_end(args);
}

bool TextFileWriter::Commit() {
    if (!file_) return false;
    bool written = fflush(file_) == 0 && !ferror(file_);
    bool closed = fclose(file_) == 0;
    file_ = nullptr;
    if (!written || !closed ||
        !MoveFileExA(temp_path_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Discard();
        return false;
    }
    temp_path_.clear();
    return true;
}

void TextFileWriter::Discard() {
    if (file_) {
        fclose(file_);
        file_ = nullptr;
    }
    if (!temp_path_.empty()) {
        DeleteFileA(temp_path_.c_str());
        temp_path_.clear();
    }
}
