// Rectangle lists: subtraction, normalisation, the largest free rectangle
// and unions.
#include <gtest/gtest.h>

#include <vector>

#include "kernel/RectList.h"

// Rectangles in failure messages.
void PrintTo(const Rect& r, std::ostream* out) {
    *out << "{" << r.x << "," << r.y << "," << r.width << "," << r.height << "}";
}

namespace {

std::vector<Rect> Items(const RectList& list) {
    std::vector<Rect> items;
    for (const RectNode* node = list.head; node; node = node->next) items.push_back(node->rect);
    return items;
}

RectList ListOf(std::initializer_list<Rect> rects) {
    RectList list = {nullptr, nullptr};
    for (const Rect& r : rects) zel3d_rect_list_append_copy(r, &list);
    return list;
}

TEST(RectList, SubtractingCutsAtMostFourPieces) {
    RectList list = ListOf({{0, 0, 100, 100}});
    zel3d_rect_list_subtract({40, 40, 20, 20}, &list);
    EXPECT_EQ((std::vector<Rect>{{0, 0, 100, 40}, {0, 60, 100, 40}, {0, 40, 40, 20}, {60, 40, 40, 20}}), Items(list));
    zel3d_rect_list_subtract({-10, -10, 200, 45}, &list);
    EXPECT_EQ((std::vector<Rect>{{0, 35, 100, 5}, {0, 60, 100, 40}, {0, 40, 40, 20}, {60, 40, 40, 20}}), Items(list));
    zel3d_rect_list_subtract({0, 0, 100, 100}, &list);
    EXPECT_TRUE(Items(list).empty());
    zel3d_rect_list_free(&list);
}

TEST(RectList, NormalizeTurnsNegativeSizes) {
    RectList list = ListOf({{10, 20, -5, 0xFFFF}, {1, 2, 3, 4}});
    zel3d_rect_list_normalize(&list);
    EXPECT_EQ((std::vector<Rect>{{5, 19, 5, 1}, {1, 2, 3, 4}}), Items(list));
    zel3d_rect_list_free(&list);
}

TEST(RectList, LargestFreeRectangle) {
    RectList single = ListOf({{3, 4, 50, 60}});
    EXPECT_EQ((Rect{3, 4, 50, 60}), zel3d_largest_free_rect(&single));
    zel3d_rect_list_free(&single);

    RectList side_by_side = ListOf({{60, 0, 40, 30}, {0, 0, 60, 30}});
    EXPECT_EQ((Rect{0, 0, 100, 30}), zel3d_largest_free_rect(&side_by_side));
    zel3d_rect_list_free(&side_by_side);

    // A frame around a hole: the widest band wins.
    RectList frame = ListOf({{0, 0, 100, 100}});
    zel3d_rect_list_subtract({0, 20, 70, 20}, &frame);
    EXPECT_EQ((Rect{0, 40, 100, 60}), zel3d_largest_free_rect(&frame));
    zel3d_rect_list_free(&frame);

    RectList empty = {nullptr, nullptr};
    EXPECT_EQ((Rect{0, 0, 0, 0}), zel3d_largest_free_rect(&empty));
}

TEST(RectList, UnionIgnoresEmptyRectangles) {
    EXPECT_EQ((Rect{0, 0, 30, 40}), zel3d_rect_union({0, 0, 10, 10}, {20, 30, 10, 10}));
    EXPECT_EQ((Rect{5, 5, 10, 10}), zel3d_rect_union({5, 5, 10, 10}, {0, 0, 0, 50}));
    EXPECT_EQ((Rect{5, 5, 10, 10}), zel3d_rect_union({0, 0, 30, 0}, {5, 5, 10, 10}));
    EXPECT_EQ(200.0, zel3d_rect_area(0, 10, 0, 20));
}

TEST(RectList, SortByYThenGroupRowsByX) {
    RectList list = ListOf({{50, 10, 1, 1}, {5, 0, 1, 1}, {20, 10, 1, 1}});
    zel3d_rect_list_sort(&list, &list, 1);
    EXPECT_EQ(0, list.head->rect.y);
    RectRows rows = zel3d_rect_list_group_rows(&list);
    EXPECT_EQ((std::vector<Rect>{{5, 0, 1, 1}}), Items(rows[0]));
    EXPECT_EQ((std::vector<Rect>{{20, 10, 1, 1}, {50, 10, 1, 1}}), Items(rows[1]));
    EXPECT_EQ(nullptr, rows[2].head);
    zel3d_rect_rows_free(rows);
    zel3d_rect_list_free(&list);
}

}  // namespace
