#include "properties/ValueText.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "data/DataFile.h"
#include "data/ValueLists.h"
#include "kernel/Helpers.h"
#include "properties/ContourStyles.h"

namespace {

char* ToMalloc(const std::string& text) { return zel3d_strdup(text.c_str()); }

std::string Trim(const char* text) {
    const char* begin = text;
    while (*begin == ' ' || *begin == '\t') ++begin;
    const char* end = begin + strlen(begin);
    while (end > begin && (end[-1] == ' ' || end[-1] == '\t')) --end;
    return std::string(begin, end);
}

// A text in double quotes, with a doubled quote standing for one quote.
std::string Quote(const char* text) {
    std::string quoted = "\"";
    for (const char* p = text ? text : ""; *p; ++p) {
        quoted += *p;
        if (*p == '"') quoted += '"';
    }
    return quoted + "\"";
}

// Reads the parenthesised forms of the list classes.
class Scanner {
public:
    explicit Scanner(const char* text) : p_(text) {}

    void SkipBlanks() {
        while (*p_ == ' ' || *p_ == '\t' || *p_ == '\r' || *p_ == '\n') ++p_;
    }
    bool AtEnd() {
        SkipBlanks();
        return *p_ == '\0';
    }
    bool Peek(char c) {
        SkipBlanks();
        return *p_ == c;
    }
    bool Take(char c) {
        if (!Peek(c)) return false;
        ++p_;
        return true;
    }
    bool Quoted(std::string& out) {
        if (!Take('"')) return false;
        out.clear();
        for (;;) {
            if (*p_ == '\0') return false;
            if (*p_ == '"') {
                if (p_[1] != '"') break;
                ++p_;
            }
            out += *p_++;
        }
        ++p_;
        return true;
    }
    // A word ends at a blank, a parenthesis or a quote.
    bool Word(std::string& out) {
        SkipBlanks();
        out.clear();
        while (*p_ && !strchr(" \t\r\n()\"", *p_)) out += *p_++;
        return !out.empty();
    }
    bool QuotedOrWord(std::string& out) { return Peek('"') ? Quoted(out) : Word(out); }
    bool Number(double& value) {
        SkipBlanks();
        char* end = nullptr;
        value = strtod(p_, &end);
        if (end == p_) return false;
        p_ = end;
        return true;
    }
    bool Integer(int& value) {
        SkipBlanks();
        char* end = nullptr;
        long read = strtol(p_, &end, 10);
        if (end == p_) return false;
        p_ = end;
        value = int(read);
        return true;
    }
    bool Digits(int& value) {
        SkipBlanks();
        if (*p_ < '0' || *p_ > '9') return false;
        return Integer(value);
    }

private:
    const char* p_;
};

bool ParseColorWord(const std::string& word, int* color) { return Zel3dStrToColor(word.c_str(), color) != 0; }

// "(name colour number)" with the name from an enumeration class.
bool ParseTriple(Scanner& in, int name_class, int* first, int* color, int* number) {
    std::string name, color_text;
    if (!in.Take('(') || !in.Word(name)) return false;
    *first = zel3d_enum_from_name(name.c_str(), name_class);
    return *first >= 0 && in.QuotedOrWord(color_text) && ParseColorWord(color_text, color) &&
           in.Digits(*number) && in.Take(')');
}

std::string PrintListColor(int color) {
    return color == -1 ? std::string("\"\"") : std::string(Zel3dColorToRGBStr(color));
}

std::string PrintTriple(int name_class, int first, int color, int number) {
    char text[64];
    snprintf(text, sizeof text, " %d)", number);
    return "(" + std::string(zel3d_enum_lookup(first, name_class)->name) + " " + PrintListColor(color) + text;
}

// Builds a null-ended list of malloc'ed items from a vector; frees the items
// on failure.
template <class T>
T** MakeList(std::vector<T*>& items) {
    T** list = static_cast<T**>(calloc(items.size() + 1, sizeof(T*)));
    if (!list) {
        for (T* item : items) free(item);
        return nullptr;
    }
    for (size_t i = 0; i < items.size(); ++i) list[i] = items[i];
    return list;
}

template <class T>
T* NewItem(const T& value) {
    T* item = static_cast<T*>(malloc(sizeof(T)));
    if (item) *item = value;
    return item;
}

template <class T>
void FreeItems(std::vector<T*>& items) {
    for (T* item : items) free(item);
    items.clear();
}

int BitSetNamesClass(int type_class) { return type_class == 10 ? 74 : type_class; }

}  // namespace

bool zel3d_parse_boolean(const char* text, int, PropertyValue& out) {
    while (*text == ' ' || *text == '\t') ++text;
    out.i = strchr("0fFnN", *text) && *text ? 0 : 1;
    return true;
}

bool zel3d_parse_int(const char* text, int, PropertyValue& out) {
    char* end = nullptr;
    long value = strtol(text, &end, 10);
    if (end == text) return false;
    out.i = int(value);
    return true;
}

bool zel3d_parse_double(const char* text, int, PropertyValue& out) {
    char* end = nullptr;
    double value = strtod(text, &end);
    if (end == text) return false;
    out.d = value;
    return true;
}

bool zel3d_parse_color(const char* text, int, PropertyValue& out) { return Zel3dStrToColor(text, &out.i) != 0; }

bool zel3d_parse_bit_set(const char* text, int type_class, PropertyValue& out) {
    int bits = 0;
    const char* p = text;
    while (*p) {
        while (*p == ' ' || *p == '+') ++p;
        const char* end = p;
        while (*end && *end != ' ' && *end != '+') ++end;
        if (end == p) break;
        std::string name(p, end);
        int value = zel3d_enum_from_name(name.c_str(), BitSetNamesClass(type_class));
        if (value < 0) return false;
        bits |= value;
        p = end;
    }
    out.i = bits;
    return true;
}

bool zel3d_parse_enum(const char* text, int type_class, PropertyValue& out) {
    char lower[kLowerBufferSize];
    zel3d_strlower(Trim(text).c_str(), lower);
    int row = -1;
    int value = zel3d_enum_from_name(lower, type_class, &row);
    if (row < 0) return false;
    out.i = value;
    return true;
}

bool zel3d_parse_string(const char* text, int, PropertyValue& out) {
    Scanner in(text);
    std::string value;
    if (in.Peek('"')) {
        if (!in.Quoted(value)) return false;
    } else {
        value = Trim(text);
    }
    out.p = ToMalloc(value);
    return out.p != nullptr;
}

bool zel3d_parse_string_list(const char* text, int, PropertyValue& out) {
    std::vector<std::string> items;
    Scanner in(text);
    if (in.AtEnd()) {
        out.p = nullptr;
        return true;
    }
    if (in.Peek('(')) {
        in.Take('(');
        std::string item;
        while (!in.Peek(')')) {
            if (!in.Quoted(item)) return false;
            items.push_back(item);
        }
        if (!in.Take(')') || !in.AtEnd()) return false;
    } else {
        std::string item;
        for (const char* p = text;; ++p) {
            if (*p == '\\' && p[1] == ',') {
                item += ',';
                ++p;
            } else if (*p == ',' || *p == '\0') {
                items.push_back(item);
                item.clear();
                if (*p == '\0') break;
            } else {
                item += *p;
            }
        }
    }
    std::vector<char*> copies;
    for (const std::string& item : items) {
        char* copy = ToMalloc(item);
        if (!copy) {
            FreeItems(copies);
            return false;
        }
        copies.push_back(copy);
    }
    out.p = MakeList(copies);
    return out.p != nullptr;
}

bool zel3d_parse_value_labels(const char* text, int, PropertyValue& out) {
    Scanner in(text);
    std::vector<Zel3dValueLabel*> labels;
    auto fail = [&labels] {
        for (Zel3dValueLabel* label : labels) free(label->label);
        FreeItems(labels);
        return false;
    };
    if (!in.Take('(')) return false;
    while (!in.Peek(')')) {
        double value;
        std::string label;
        if (!in.Take('(') || !in.Number(value) || !in.Quoted(label) || !in.Take(')')) return fail();
        Zel3dValueLabel* item = NewItem(Zel3dValueLabel{value, ToMalloc(label), 0});
        if (!item) return fail();
        labels.push_back(item);
        if (!item->label) return fail();
    }
    if (!in.Take(')') || !in.AtEnd()) return fail();
    Zel3dValueLabel** list = MakeList(labels);
    if (!list) return false;
    out.p = zel3d_sort_value_labels(list);
    return true;
}

bool zel3d_parse_xy_colors(const char* text, int, PropertyValue& out) {
    Scanner in(text);
    std::vector<Zel3dXYColor*> entries;
    auto fail = [&entries] {
        FreeItems(entries);
        return false;
    };
    if (!in.Take('(')) return false;
    while (!in.Peek(')')) {
        int x, y, color;
        std::string color_text;
        if (!in.Take('(') || !in.Integer(x) || !in.Integer(y) || !in.QuotedOrWord(color_text) ||
            !ParseColorWord(color_text, &color) || !in.Take(')'))
            return fail();
        if (x < -1 || y < -1) continue;
        Zel3dXYColor* entry = NewItem(Zel3dXYColor{x, y, color});
        if (!entry) return fail();
        entries.push_back(entry);
    }
    if (!in.Take(')') || !in.AtEnd()) return fail();
    out.p = entries.empty() ? nullptr : MakeList(entries);
    return entries.empty() || out.p;
}

bool zel3d_parse_line_style(const char* text, int, PropertyValue& out) {
    Scanner in(text);
    Zel3dLineStyle style;
    if (!ParseTriple(in, 73, &style.pattern, &style.color, &style.width) || !in.AtEnd()) return false;
    out.p = NewItem(style);
    return out.p != nullptr;
}

bool zel3d_parse_data_styles(const char* text, int, PropertyValue& out) {
    Scanner in(text);
    std::vector<Zel3dDataStyle*> styles;
    auto fail = [&styles] {
        FreeItems(styles);
        return false;
    };
    if (!in.Take('(')) return false;
    while (!in.Peek(')')) {
        Zel3dDataStyle style;
        if (!in.Take('(') || !ParseTriple(in, 73, &style.line.pattern, &style.line.color, &style.line.width) ||
            !ParseTriple(in, 82, &style.symbol.shape, &style.symbol.color, &style.symbol.size) || !in.Take(')'))
            return fail();
        Zel3dDataStyle* item = NewItem(style);
        if (!item) return fail();
        styles.push_back(item);
    }
    if (!in.Take(')') || !in.AtEnd()) return fail();
    out.p = styles.empty() ? nullptr : MakeList(styles);
    return styles.empty() || out.p;
}

bool zel3d_parse_contour_styles_file(const char* text, int, PropertyValue& out) {
    if (!*text) {
        out.p = nullptr;
        return true;
    }
    out.p = zel3d_cstyles_read(text, nullptr);
    return out.p != nullptr;
}

bool zel3d_parse_distn_table_file(const char* text, int, PropertyValue& out) {
    if (!*text) {
        out.p = nullptr;
        return true;
    }
    out.p = zel3d_distn_table_read(text, nullptr);
    return out.p != nullptr;
}

bool zel3d_parse_data_file(const char* text, int, PropertyValue& out) {
    if (!*text) {
        out.p = nullptr;
        return true;
    }
    out.p = zel3d_data_read(text, nullptr);
    return out.p != nullptr;
}

char* zel3d_print_int(int, const PropertyValue& value) {
    char text[16];
    snprintf(text, sizeof text, "%d", value.i);
    return zel3d_strdup(text);
}

char* zel3d_print_double(int, const PropertyValue& value) {
    char text[64];
    snprintf(text, sizeof text, "%lg", value.d);
    return zel3d_strdup(text);
}

char* zel3d_print_color(int, const PropertyValue& value) { return zel3d_strdup(Zel3dColorToRGBStr(value.i)); }

char* zel3d_print_bit_set(int type_class, const PropertyValue& value) {
    std::string text;
    for (int bit = 1; bit <= 4; bit <<= 1) {
        if (!(value.i & bit)) continue;
        if (!text.empty()) text += '+';
        text += zel3d_enum_lookup(bit, BitSetNamesClass(type_class))->name;
    }
    return ToMalloc(text);
}

char* zel3d_print_enum(int type_class, const PropertyValue& value) {
    const Zel3dEnumEntry* row = zel3d_enum_lookup(value.i, type_class);
    return row ? zel3d_strdup(row->name) : nullptr;
}

char* zel3d_print_string(int, const PropertyValue& value) {
    return zel3d_strdup(value.p ? static_cast<const char*>(value.p) : "");
}

char* zel3d_print_string_list(int, const PropertyValue& value) {
    std::string text;
    const char* const* list = static_cast<const char* const*>(value.p);
    for (int i = 0; list && list[i]; ++i) {
        if (i > 0) text += ',';
        for (const char* p = list[i]; *p; ++p) {
            if (*p == ',') text += '\\';
            text += *p;
        }
    }
    return ToMalloc(text);
}

char* zel3d_print_value_labels(int, const PropertyValue& value) {
    std::string text = "(";
    const Zel3dValueLabel* const* list = static_cast<const Zel3dValueLabel* const*>(value.p);
    for (int i = 0; list && list[i]; ++i) {
        char number[64];
        snprintf(number, sizeof number, "(%g ", list[i]->value);
        text += number + Quote(list[i]->label) + ") ";
    }
    return ToMalloc(text + ")");
}

char* zel3d_print_xy_colors(int, const PropertyValue& value) {
    std::string text = "(";
    const Zel3dXYColor* const* list = static_cast<const Zel3dXYColor* const*>(value.p);
    for (int i = 0; list && list[i]; ++i) {
        char indices[32];
        snprintf(indices, sizeof indices, "(%d %d ", list[i]->x, list[i]->y);
        text += indices + PrintListColor(list[i]->color) + ") ";
    }
    return ToMalloc(text + ")");
}

char* zel3d_print_line_style(int, const PropertyValue& value) {
    const Zel3dLineStyle* style = static_cast<const Zel3dLineStyle*>(value.p);
    if (!style) return nullptr;
    return ToMalloc(PrintTriple(73, style->pattern, style->color, style->width));
}

char* zel3d_print_data_styles(int, const PropertyValue& value) {
    std::string text = "(";
    const Zel3dDataStyle* const* list = static_cast<const Zel3dDataStyle* const*>(value.p);
    for (int i = 0; list && list[i]; ++i) {
        const Zel3dDataStyle& style = *list[i];
        text += "(" + PrintTriple(73, style.line.pattern, style.line.color, style.line.width) + " " +
                PrintTriple(82, style.symbol.shape, style.symbol.color, style.symbol.size) + ") ";
    }
    return ToMalloc(text + ")");
}

void zel3d_free_parsed_value(int type_class, PropertyValue& value) {
    void* pointer = const_cast<void*>(value.p);
    switch (type_class) {
    case 3: zel3d_cstyles_free(static_cast<Zel3dContourStyle**>(pointer)); break;
    case 5: zel3d_distn_table_free(static_cast<Zel3dDistnTable*>(pointer)); break;
    case 6: break;  // a data set read from a file stays alive as the chart's data
    case 8: if (pointer) DeleteObject(static_cast<HFONT>(pointer)); break;
    case 15: zel3d_strings_free(static_cast<char**>(pointer)); break;
    case 16: zel3d_value_labels_free(static_cast<Zel3dValueLabel**>(pointer)); break;
    case 18: zel3d_xy_colors_free(static_cast<Zel3dXYColor**>(pointer)); break;
    case 20: zel3d_data_styles_free(static_cast<Zel3dDataStyle**>(pointer)); break;
    default: free(pointer); break;
    }
    value.p = nullptr;
}
