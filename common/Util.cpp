#include "common/Util.h"

#include <cmath>
#include <cstdarg>
#include <string>

#include "common/Assertion.h"
#include "common/ProgramProfile.h"
#include "common/SimSpec.h"
#include "framework/Wnd.h"

static const char kAssertModule[] = "Util.cpp";

namespace {

const char kEmptyTextLine[] = "***";

// Stand-ins for the line breaks of a text written on one line: characters
// that no edit control produces and that text-mode files pass unchanged.
const char kCarriageReturnMark = '\x1E';
const char kLineFeedMark = '\x1F';

// The control `id` of `window`; both must exist.
CWnd* Control(CWnd* window, int id) {
    APP_ASSERT(window != nullptr && window->GetSafeHwnd() != nullptr);
    CWnd* control = window->GetDlgItem(id);
    APP_ASSERT(control != nullptr);
    return control;
}

}  // namespace

int UtilAssertConsecutiveIds(const int* ids, int count) {
    APP_ASSERT(ids != nullptr && count > 0);
    for (int i = 1; i < count; ++i) APP_ASSERT(ids[i] == ids[i - 1] + 1);
    return ids[count - 1];
}

void UtilSelectAllText(CWnd* window, int id) {
    CWnd* edit = Control(window, id);
    edit->SendMessage(EM_SETSEL, 0, -1);
    edit->SendMessage(EM_SCROLLCARET, 0, 0);
}

void UtilBeepAndFocus(CWnd* window, int id) {
    CWnd* control = Control(window, id);
    MessageBeep(MB_OK);
    control->SetFocus();
}

bool UtilGetItemTextTrimmed(CWnd* window, int id, CString& out) {
    Control(window, id)->GetWindowText(out);
    out.Trim();
    return !out.IsEmpty();
}

void UtilSetItemSpecText(CWnd* window, int id, const CSimSpec& field) {
    CString text;
    if (field.IsValid()) field.FormatValue(text);
    UtilSetItemTextString(window, id, text);
}

void UtilSetItemSpecTextWithUnits(CWnd* window, int id, const CSimSpec& field) {
    CString text;
    if (field.IsValid()) field.FormatWithUnits(text);
    UtilSetItemTextString(window, id, text);
}

void UtilSetItemUnitText(CWnd* window, int id, const CFloatPtSpec& field) {
    UtilSetItemText(window, id, field.GetUnitText());
}

void UtilSetItemText(CWnd* window, int id, const char* text) {
    APP_ASSERT(text != nullptr);
    Control(window, id)->SetWindowText(text);
}

void UtilSetItemTextString(CWnd* window, int id, const CString& text) {
    UtilSetItemText(window, id, text);
}

void UtilSetItemPrompt(CWnd* window, int id, const CSimSpec& field) {
    CString prompt;
    field.GetPrompt(prompt);
    UtilSetItemTextString(window, id, prompt);
}

float UtilRoundToDecimals(float value, int decimals) {
    APP_ASSERT(decimals >= 0 && decimals <= 255);
    float scale = 1.0f;
    for (int i = 0; i < decimals; ++i) scale *= 10.0f;
    const float scaled = scale * std::fabs(value) + 0.5f;
    // From 2^31 up a float holds no digits below that scale (this also
    // catches infinities and NaN): nothing to round.
    if (!(scaled < 2147483648.0f)) return value;
    const float rounded = static_cast<float>(static_cast<long>(scaled)) / scale;
    return value < 0.0f ? -rounded : rounded;
}

float UtilCurveArea(const float* x, const float* y, int count, float xFrom, float xTo) {
    APP_ASSERT(x != nullptr && y != nullptr);
    APP_ASSERT(count >= 2 && xTo > xFrom);
    float area = 0.0f;
    for (int i = 0; x[i] < xTo; ++i) {
        APP_ASSERT(i + 1 < count);  // xTo lies beyond the last sample
        const float dx = x[i + 1] - x[i];
        if (x[i] >= xFrom) {
            area += 0.5f * (y[i + 1] - y[i]) * dx;
            if (y[i] > 0.0f) area += y[i] * dx;
        } else {
            APP_ASSERT(x[i + 1] <= xFrom);  // xFrom must be a sample point
        }
    }
    return area;
}

bool UtilMakeShortFileName(const char* name, CString& out, const char* extension) {
    APP_ASSERT(name != nullptr && extension != nullptr);
    out.Empty();
    // A typed name such as ".gme" has no base to shorten: refused, not fatal.
    const CString base = CString(name).SpanExcluding(".").Left(8);
    if (base.IsEmpty()) return false;
    out = base + extension;
    return true;
}

void UtilJoinPath(const char* folder, const char* name, CString& out) {
    APP_ASSERT(folder != nullptr && name != nullptr && *folder != '\0' && *name != '\0');
    out = folder;
    if (out[out.GetLength() - 1] != '\\') out += '\\';
    out += name;
}

void UtilGetWindowsDir(CString& out) {
    char folder[MAX_PATH] = "";
    GetWindowsDirectoryA(folder, MAX_PATH);
    out = folder;
}

void UtilSanitizeFileName(CString& name) {
    APP_ASSERT(!name.IsEmpty());
    for (const char* bad = "\\/:*?<>|"; *bad != '\0'; ++bad) name.Replace(*bad, '_');
}

CString UtilBestResultTitle(int slot, const CString& sourceTitle) {
    CString title;
    title.Format("Best%d-", slot + 1);
    const int dot = sourceTitle.Find('.');
    return title + (dot >= 0 ? sourceTitle.Left(dot) : sourceTitle);
}

void UtilWriteFormat(FILE* file, const char* format, ...) {
    APP_ASSERT(file != nullptr && format != nullptr);
    va_list args;
    va_start(args, format);
    const int written = vfprintf(file, format, args);
    va_end(args);
    // The runtime can report a failed write only through the error flag.
    if (written <= 0 || ferror(file)) ThrowFileWriteError();
}

void UtilWriteLine(FILE* file, const char* text) {
    APP_ASSERT(text != nullptr);
    CString line = *text != '\0' ? CString(text) : CString(kEmptyTextLine);
    line.Replace('\r', kCarriageReturnMark);
    line.Replace('\n', kLineFeedMark);
    UtilWriteFormat(file, "%s\n", static_cast<const char*>(line));
}

CString UtilReadLine(FILE* file) {
    APP_ASSERT(file != nullptr);
    std::string line;
    int ch = fgetc(file);
    if (ch == EOF) ThrowFileReadError();
    for (; ch != EOF && ch != '\n'; ch = fgetc(file)) {
        // Refused at once: no field's line is that long, and scanning a
        // huge line costs time out of all proportion.
        if (line.size() == static_cast<size_t>(kMaxTextLineLength)) ThrowFileReadError();
        line += static_cast<char>(ch);
    }
    if (ferror(file)) ThrowFileReadError();

    CString text(line.c_str(), static_cast<int>(line.size()));
    text.TrimRight();
    if (text == kEmptyTextLine) return CString();
    text.Replace(kCarriageReturnMark, '\r');
    text.Replace(kLineFeedMark, '\n');
    return text;
}

int UtilReadInt(FILE* file) {
    int value = 0;
    if (sscanf(UtilReadLine(file), "%d", &value) != 1) ThrowFileReadError();
    return value;
}

void UtilWriteInt(FILE* file, int value) {
    UtilWriteFormat(file, "%d\n", value);
}
