#include "kernel/RectList.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Widths and heights count as signed 16-bit values in unions and
// normalisation.
int Short(int value) { return int16_t(uint16_t(value)); }

// Inclusive corners of a rectangle.
struct Corners {
    int left, top, right, bottom;
};

Corners CornersOf(const Rect& r) { return {r.x, r.y, r.x + r.width - 1, r.y + r.height - 1}; }

Rect RectOf(const Corners& c) { return {c.left, c.top, c.right - c.left + 1, c.bottom - c.top + 1}; }

double Area(const Rect& r) {
    Corners c = CornersOf(r);
    return zel3d_rect_area(c.left, c.right, c.top, c.bottom);
}

void KeepLarger(const Rect& candidate, Rect* best) {
    if (Area(candidate) > Area(*best)) *best = candidate;
}

bool Overlaps(const Rect& a, const Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

}  // namespace

RectNode* zel3d_rect_node_new(const Rect& rect, RectList* list) {
    RectNode* node = new RectNode{rect, nullptr};
    list->head = list->tail = node;
    return node;
}

void zel3d_rect_list_append(RectNode* node, RectList* list) {
    node->next = nullptr;
    if (!list->head) {
        list->head = node;
    } else {
        list->tail->next = node;
    }
    list->tail = node;
}

void zel3d_rect_list_append_copy(const Rect& rect, RectList* list) {
    zel3d_rect_list_append(new RectNode{rect, nullptr}, list);
}

int zel3d_rect_cmp_x(const void* a, const void* b) {
    int ax = (*static_cast<RectNode* const*>(a))->rect.x, bx = (*static_cast<RectNode* const*>(b))->rect.x;
    return (ax > bx) - (ax < bx);
}

int zel3d_rect_cmp_y(const void* a, const void* b) {
    int ay = (*static_cast<RectNode* const*>(a))->rect.y, by = (*static_cast<RectNode* const*>(b))->rect.y;
    return (ay > by) - (ay < by);
}

void zel3d_rect_list_sort(RectList* source, RectList* destination, int by_y) {
    std::vector<RectNode*> nodes;
    for (RectNode* node = source->head; node; node = node->next) nodes.push_back(node);
    if (!nodes.empty()) qsort(nodes.data(), nodes.size(), sizeof(RectNode*), by_y ? zel3d_rect_cmp_y : zel3d_rect_cmp_x);
    *destination = {nullptr, nullptr};
    if (source != destination) *source = {nullptr, nullptr};
    for (RectNode* node : nodes) zel3d_rect_list_append(node, destination);
}

void zel3d_rect_list_normalize(RectList* list) {
    for (RectNode* node = list->head; node; node = node->next) {
        Rect& r = node->rect;
        if (Short(r.width) < 0) {
            r.x += Short(r.width);
            r.width = -Short(r.width);
        }
        if (Short(r.height) < 0) {
            r.y += Short(r.height);
            r.height = -Short(r.height);
        }
    }
}

RectRows zel3d_rect_list_group_rows(const RectList* sorted_by_y) {
    std::vector<RectList> rows;
    for (const RectNode* node = sorted_by_y->head; node; node = node->next) {
        if (rows.empty() || rows.back().head->rect.y != node->rect.y) rows.push_back({nullptr, nullptr});
        zel3d_rect_list_append_copy(node->rect, &rows.back());
    }
    RectRows result = new RectList[rows.size() + 1];
    for (size_t i = 0; i < rows.size(); ++i) {
        zel3d_rect_list_sort(&rows[i], &rows[i], 0);
        result[i] = rows[i];
    }
    result[rows.size()] = {nullptr, nullptr};
    return result;
}

void zel3d_rect_rows_free(RectRows rows) {
    if (!rows) return;
    for (RectRows row = rows; row->head; ++row) zel3d_rect_list_free(row);
    delete[] rows;
}

void zel3d_rect_list_free(RectList* list) {
    for (RectNode* node = list->head; node;) {
        RectNode* next = node->next;
        delete node;
        node = next;
    }
    *list = {nullptr, nullptr};
}

void zel3d_rect_subtract_one(const Rect& rect, const Rect& cut, RectList* out) {
    if (!Overlaps(rect, cut)) {
        zel3d_rect_list_append_copy(rect, out);
        return;
    }
    if (Inside(rect, cut)) return;
    int top = rect.y, bottom = rect.y + rect.height;
    int cut_top = cut.y, cut_bottom = cut.y + cut.height;
    if (cut_top > top) zel3d_rect_list_append_copy({rect.x, top, rect.width, cut_top - top}, out);
    if (cut_bottom < bottom) zel3d_rect_list_append_copy({rect.x, cut_bottom, rect.width, bottom - cut_bottom}, out);
    int band_top = cut_top > top ? cut_top : top;
    int band_bottom = cut_bottom < bottom ? cut_bottom : bottom;
    int band_height = band_bottom - band_top;
    if (cut.x > rect.x) zel3d_rect_list_append_copy({rect.x, band_top, cut.x - rect.x, band_height}, out);
    int right = rect.x + rect.width, cut_right = cut.x + cut.width;
    if (cut_right < right) zel3d_rect_list_append_copy({cut_right, band_top, right - cut_right, band_height}, out);
}

void zel3d_rect_list_subtract(const Rect& cut, RectList* list) {
    RectList result = {nullptr, nullptr};
    for (RectNode* node = list->head; node; node = node->next) zel3d_rect_subtract_one(node->rect, cut, &result);
    zel3d_rect_list_free(list);
    *list = result;
}

bool zel3d_rect_try_merge(Rect* candidate, const Rect& other) {
    if (*candidate == other) return false;
    Corners r = CornersOf(*candidate), m = CornersOf(other);
    if (m.top - r.bottom == 1) {
        int left = r.left > m.left ? r.left : m.left;
        int right = r.right < m.right ? r.right : m.right;
        if (left > right) return false;
        *candidate = RectOf({left, r.top, right, m.bottom});
        return true;
    }
    if (m.left - r.right == 1) {
        int top = r.top > m.top ? r.top : m.top;
        int bottom = r.bottom < m.bottom ? r.bottom : m.bottom;
        if (top > bottom) return false;
        *candidate = RectOf({r.left, top, m.right, bottom});
        return true;
    }
    return false;
}

void zel3d_rect_list_merge(const Rect& candidate, RectRows row, const RectNode* next_in_row, Rect* best) {
    // The following nodes of the candidate's row...
    for (const RectNode* node = next_in_row; node; node = node->next) {
        Rect merged = candidate;
        if (zel3d_rect_try_merge(&merged, node->rect)) {
            KeepLarger(merged, best);
            zel3d_rect_list_merge(merged, row, node->next, best);
        }
    }
    // ...and every node of every later row, each branch with its own copy.
    for (RectRows later = row + 1; later->head; ++later) {
        for (const RectNode* node = later->head; node; node = node->next) {
            Rect merged = candidate;
            if (zel3d_rect_try_merge(&merged, node->rect)) {
                KeepLarger(merged, best);
                zel3d_rect_list_merge(merged, later, node->next, best);
            }
        }
    }
}

Rect zel3d_largest_free_rect(RectList* list) {
    if (!list->head) return Rect{0, 0, 0, 0};
    zel3d_rect_list_normalize(list);
    zel3d_rect_list_sort(list, list, 1);
    RectRows rows = zel3d_rect_list_group_rows(list);
    Rect best = rows[0].head->rect;
    for (RectRows row = rows; row->head; ++row) {
        for (const RectNode* node = row->head; node; node = node->next) {
            KeepLarger(node->rect, &best);
            zel3d_rect_list_merge(node->rect, row, node->next, &best);
        }
    }
    zel3d_rect_rows_free(rows);
    return best;
}

Rect zel3d_rect_union(const Rect& a, const Rect& b) {
    bool a_has_area = a.width != 0 && a.height != 0;
    bool b_has_area = b.width != 0 && b.height != 0;
    if (a_has_area && b_has_area) {
        int left = a.x < b.x ? a.x : b.x;
        int top = a.y < b.y ? a.y : b.y;
        int a_right = a.x + Short(a.width), b_right = b.x + Short(b.width);
        int a_bottom = a.y + Short(a.height), b_bottom = b.y + Short(b.height);
        int right = a_right > b_right ? a_right : b_right;
        int bottom = a_bottom > b_bottom ? a_bottom : b_bottom;
        return {left, top, right - left, bottom - top};
    }
    return a_has_area ? a : b;
}

double zel3d_rect_area(int x1, int x2, int y1, int y2) { return double(y2 - y1) * double(x2 - x1); }
