#include "data/TextFiles.h"

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

void TextFileWriter::Printf(const char* format, ...) {
    FILE* file = file_.file();
    if (!file) return;
    va_list args;
    va_start(args, format);
    vfprintf(file, format, args);
    va_end(args);
}
