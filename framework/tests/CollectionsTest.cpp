#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Framework.h"

namespace {

template <class List>
std::vector<INT_PTR> Walk(List& list) {
    std::vector<INT_PTR> values;
    for (POSITION at = list.GetHeadPosition(); at != nullptr;)
        values.push_back(reinterpret_cast<INT_PTR>(list.GetNext(at)));
    return values;
}

void* Item(INT_PTR value) { return reinterpret_cast<void*>(value); }

}  // namespace

TEST(ArrayTest, GrowsAndKeepsElementsInOrder) {
    CDWordArray numbers;
    for (DWORD i = 0; i < 1000; ++i) EXPECT_EQ(static_cast<INT_PTR>(i), numbers.Add(i * 2));
    EXPECT_EQ(1000, numbers.GetSize());
    EXPECT_EQ(999, numbers.GetUpperBound());
    EXPECT_EQ(1998u, numbers[999]);

    numbers.SetAtGrow(1004, 7);
    EXPECT_EQ(1005, numbers.GetSize());
    EXPECT_EQ(0u, numbers[1000]);  // the gap is filled with default values
    EXPECT_EQ(7u, numbers[1004]);

    numbers.SetSize(3);
    EXPECT_EQ(3, numbers.GetSize());
    EXPECT_EQ(4u, numbers.GetAt(2));
    numbers.RemoveAll();
    EXPECT_TRUE(numbers.IsEmpty());
}

TEST(ArrayTest, InsertAndRemoveShiftTheRest) {
    CStringArray names;
    names.Add("b");
    names.Add("d");
    names.InsertAt(0, "a");
    names.InsertAt(2, "c", 2);
    names.InsertAt(7, "g");  // past the end: the array grows up to it
    ASSERT_EQ(8, names.GetSize());
    const char* expected[] = {"a", "b", "c", "c", "d", "", "", "g"};
    for (int i = 0; i < 8; ++i) EXPECT_STREQ(expected[i], names[i]) << i;

    names.RemoveAt(2, 4);
    ASSERT_EQ(4, names.GetSize());
    EXPECT_STREQ("b", names[1]);
    EXPECT_STREQ("", names[2]);
    names.RemoveAt(3, 1);
    EXPECT_EQ(3, names.GetSize());

    CStringArray more;
    more.Add("x");
    names.InsertAt(1, &more);
    EXPECT_STREQ("x", names[1]);
    EXPECT_EQ(4, names.Append(names));  // appending itself doubles it
    EXPECT_EQ(8, names.GetSize());
    EXPECT_STREQ("x", names[5]);
}

TEST(ArrayTest, AddingAnElementOfTheArrayItselfSurvivesGrowth) {
    CStringArray names;
    names.Add("first");
    for (int i = 0; i < 100; ++i) names.Add(names[0]);
    EXPECT_STREQ("first", names[100]);
    names.SetAtGrow(500, names[0]);
    EXPECT_STREQ("first", names[500]);
}

TEST(ArrayTest, PointerArraysHoldWhatTheyAreGiven) {
    CPtrArray pointers;
    int a = 1, b = 2;
    pointers.Add(&a);
    pointers.Add(nullptr);
    pointers.SetAt(1, &b);
    EXPECT_EQ(&b, pointers[1]);
    EXPECT_EQ(&a, pointers.GetData()[0]);

    CObArray objects;
    CFile file;
    objects.Add(&file);
    EXPECT_TRUE(objects[0]->IsKindOf(RUNTIME_CLASS(CFile)));

    CByteArray bytes;
    bytes.SetSize(4);
    bytes[3] = 0xAB;
    EXPECT_EQ(0xAB, bytes.GetData()[3]);
}

TEST(ListTest, AddFindInsertAndRemoveKeepTheLinks) {
    CPtrList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());

    POSITION two = list.AddTail(Item(2));
    list.AddHead(Item(1));
    list.AddTail(Item(4));
    list.InsertAfter(two, Item(3));
    list.InsertBefore(list.GetHeadPosition(), Item(0));
    EXPECT_EQ((std::vector<INT_PTR>{0, 1, 2, 3, 4}), Walk(list));
    EXPECT_EQ(5, list.GetCount());

    EXPECT_EQ(two, list.Find(Item(2)));
    EXPECT_EQ(nullptr, list.Find(Item(2), two));
    EXPECT_EQ(nullptr, list.Find(Item(9)));
    EXPECT_EQ(two, list.FindIndex(2));
    EXPECT_EQ(nullptr, list.FindIndex(5));
    EXPECT_EQ(nullptr, list.FindIndex(-1));

    list.RemoveAt(two);
    EXPECT_EQ(Item(0), list.RemoveHead());
    EXPECT_EQ(Item(4), list.RemoveTail());
    EXPECT_EQ((std::vector<INT_PTR>{1, 3}), Walk(list));
    EXPECT_EQ(Item(1), list.GetHead());
    EXPECT_EQ(Item(3), list.GetTail());

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetTailPosition());
}

TEST(ListTest, RemovingTheElementJustWalkedPastIsSafe) {
    CPtrList list;
    for (INT_PTR i = 0; i < 6; ++i) list.AddTail(Item(i));
    for (POSITION at = list.GetHeadPosition(); at != nullptr;) {
        POSITION current = at;
        if (reinterpret_cast<INT_PTR>(list.GetNext(at)) % 2 == 0) list.RemoveAt(current);
    }
    EXPECT_EQ((std::vector<INT_PTR>{1, 3, 5}), Walk(list));

    std::vector<INT_PTR> backwards;
    for (POSITION at = list.GetTailPosition(); at != nullptr;)
        backwards.push_back(reinterpret_cast<INT_PTR>(list.GetPrev(at)));
    EXPECT_EQ((std::vector<INT_PTR>{5, 3, 1}), backwards);
}

TEST(ListTest, AddingAListToItselfCopiesItOnce) {
    CPtrList list;
    list.AddTail(Item(1));
    list.AddTail(Item(2));
    list.AddTail(&list);
    EXPECT_EQ((std::vector<INT_PTR>{1, 2, 1, 2}), Walk(list));
    CPtrList front;
    front.AddTail(Item(0));
    list.AddHead(&front);
    EXPECT_EQ((std::vector<INT_PTR>{0, 1, 2, 1, 2}), Walk(list));
}

TEST(MapTest, LookupSetAndRemove) {
    CMap<UINT, UINT, HMENU, HMENU> menus;
    menus.InitHashTable(17);
    EXPECT_EQ(17u, menus.GetHashTableSize());
    HMENU found = nullptr;
    EXPECT_FALSE(menus.Lookup(103, found));

    for (UINT id = 100; id < 200; ++id) menus.SetAt(id, reinterpret_cast<HMENU>(UINT_PTR(id) * 16));
    EXPECT_EQ(100, menus.GetCount());
    ASSERT_TRUE(menus.Lookup(103, found));
    EXPECT_EQ(reinterpret_cast<HMENU>(UINT_PTR(103) * 16), found);

    menus[103] = nullptr;  // replaces, does not add
    EXPECT_EQ(100, menus.GetCount());
    EXPECT_TRUE(menus.Lookup(103, found));
    EXPECT_EQ(nullptr, found);

    EXPECT_TRUE(menus.RemoveKey(150));
    EXPECT_FALSE(menus.RemoveKey(150));
    EXPECT_FALSE(menus.Lookup(150, found));
    EXPECT_EQ(99, menus.GetCount());
    menus.RemoveAll();
    EXPECT_TRUE(menus.IsEmpty());
    EXPECT_EQ(nullptr, menus.GetStartPosition());
}

TEST(MapTest, WalkVisitsEveryEntryOnce) {
    CMap<CString, LPCSTR, int, int> counts;
    std::map<std::string, int> expected;
    for (int i = 0; i < 60; ++i) {
        CString key;
        key.Format("key%d", i);
        counts[key] = i;
        expected[static_cast<LPCSTR>(key)] = i;
    }
    std::map<std::string, int> seen;
    POSITION at = counts.GetStartPosition();
    while (at != nullptr) {
        CString key;
        int value = -1;
        counts.GetNextAssoc(at, key, value);
        EXPECT_TRUE(seen.emplace(static_cast<LPCSTR>(key), value).second) << key;
    }
    EXPECT_EQ(expected, seen);

    CMap<void*, void*, int, int> byPointer;  // default hash size without InitHashTable
    int a, b;
    byPointer[&a] = 1;
    byPointer[&b] = 2;
    int value = 0;
    EXPECT_TRUE(byPointer.Lookup(&b, value));
    EXPECT_EQ(2, value);
}
