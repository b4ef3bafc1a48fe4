#include "WorkbookGeometry.h"

#include <algorithm>

namespace workbook_geometry {

int TabWidth(int clientWidth, int sheetCount, int current) {
    if (sheetCount <= 0) return current;
    return std::min((clientWidth + 5) / sheetCount, kMaxTabWidth);
}

std::array<POINT, 7> TabPolygon(const RECT& client, int tabWidth, int position, bool raised) {
    const int a = raised ? 1 : 0;
    const int x0 = position * tabWidth + client.left - a * (kActiveWidening / 2);
    const int y0 = client.bottom + 4;
    std::array<POINT, 7> p;
    p[0] = {x0, y0};
    p[1] = {x0, y0 + kTabHeight - kBevel};
    p[2] = {p[1].x + kBevel, p[1].y + a * kActiveDepth + kBevel};
    p[3] = {p[2].x + a * kActiveWidening + tabWidth - 2 * kBevel, p[2].y};
    p[4] = {p[3].x + kBevel, p[1].y};
    p[5] = {p[4].x, y0};
    p[6] = p[0];
    return p;
}

RECT TabLabelRect(const std::array<POINT, 7>& p, int iconWidth) {
    return RECT{p[2].x + iconWidth + 3, p[0].y, p[4].x - 2, p[3].y};
}

RECT TabArea(const RECT& client, int tabWidth, int position, bool toEnd, int frameRight) {
    const int x = client.left + tabWidth * position - 2;
    const int y = client.bottom + 4;
    return RECT{x, y, toEnd ? frameRight : x + tabWidth + 4, y + kTabHeight + 4};
}

std::string ShortenLabel(const std::string& label, const std::function<bool(const std::string&)>& fits) {
    std::string text = label;
    while (text.size() >= 4 && !fits(text)) {
        text.pop_back();
        text.replace(text.size() - 3, 3, "...");
    }
    return text;
}

}  // namespace workbook_geometry
