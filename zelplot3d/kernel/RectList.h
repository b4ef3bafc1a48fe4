// Rectangles {x, y, width, height} and lists of them: the free-area search
// of the layout and the unions of the redraw.
#pragma once

struct Rect {
    int x;
    int y;
    int width;
    int height;
};

inline bool operator==(const Rect& a, const Rect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}
inline bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

struct RectNode {
    Rect rect;
    RectNode* next;
};

// A list owns its nodes; the empty list is {nullptr, nullptr}.
struct RectList {
    RectNode* head;
    RectNode* tail;
};

// Rows of a list sorted by y: one list per run of equal y, ended by a list
// with a null head.
using RectRows = RectList*;

// Makes a copy of `rect` and sets the list to exactly that node.
RectNode* zel3d_rect_node_new(const Rect& rect, RectList* list);
void zel3d_rect_list_append(RectNode* node, RectList* list);
void zel3d_rect_list_append_copy(const Rect& rect, RectList* list);
int zel3d_rect_cmp_x(const void* a, const void* b);
int zel3d_rect_cmp_y(const void* a, const void* b);
// Relinks the nodes of `source` into `destination` (which may be `source`) in
// x order (by_y 0) or y order (by_y 1).
void zel3d_rect_list_sort(RectList* source, RectList* destination, int by_y);
// Turns negative 16-bit widths and heights into positive ones.
void zel3d_rect_list_normalize(RectList* list);
RectRows zel3d_rect_list_group_rows(const RectList* sorted_by_y);
void zel3d_rect_rows_free(RectRows rows);
void zel3d_rect_list_free(RectList* list);
// Pieces of `rect` outside `cut` appended to `out` (at most four).
void zel3d_rect_subtract_one(const Rect& rect, const Rect& cut, RectList* out);
// Replaces the list by its pieces outside `cut`.
void zel3d_rect_list_subtract(const Rect& cut, RectList* list);
// Largest rectangle that adjacent pieces of a non-empty list form.
Rect zel3d_largest_free_rect(RectList* list);
bool zel3d_rect_try_merge(Rect* candidate, const Rect& other);
void zel3d_rect_list_merge(const Rect& candidate, RectRows row, const RectNode* next_in_row, Rect* best);
Rect zel3d_rect_union(const Rect& a, const Rect& b);
double zel3d_rect_area(int x1, int x2, int y1, int y2);
