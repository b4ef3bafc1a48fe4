#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "CoreTestResources.h"
#include "Framework.h"

TEST(StringTest, ConstructionFromTextPiecesAndResources) {
    EXPECT_STREQ("", CString());
    EXPECT_STREQ("", CString(static_cast<LPCSTR>(nullptr)));
    EXPECT_STREQ("abc", CString("abcdef", 3));
    EXPECT_STREQ("", CString("abc", -1));
    EXPECT_STREQ("xxxx", CString('x', 4));
    EXPECT_STREQ("Hello from the table", CString(MAKEINTRESOURCEA(IDS_GREETING)));
}

TEST(StringTest, AssignmentFromItselfOrItsOwnBufferIsSafe) {
    CString text("abcdef");
    const CString& same = text;
    text = same;
    EXPECT_STREQ("abcdef", text);

    text = static_cast<LPCSTR>(text);
    EXPECT_STREQ("abcdef", text);

    text = static_cast<LPCSTR>(text) + 2;  // a pointer into its own buffer
    EXPECT_STREQ("cdef", text);

    text = text.Mid(1);
    EXPECT_STREQ("def", text);

    text += text;
    EXPECT_STREQ("defdef", text);
    text += static_cast<LPCSTR>(text) + 3;
    EXPECT_STREQ("defdefdef", text);

    text.Insert(0, static_cast<LPCSTR>(text) + 6);
    EXPECT_STREQ("defdefdefdef", text);

    text.Format("%s-%s", static_cast<LPCSTR>(text), text.Left(1).GetString());
    EXPECT_STREQ("defdefdefdef-d", text);
}

TEST(StringTest, FormatGrowsPastAnyBuffer) {
    CString text;
    text.Format("%d|%.2f|%s|%c|%05x", -42, 3.14159, "name", 'Q', 0xbeef);
    EXPECT_STREQ("-42|3.14|name|Q|0beef", text);

    std::string big(5000, 'z');
    text.Format("[%s]", big.c_str());
    EXPECT_EQ(5002, text.GetLength());
    EXPECT_EQ('[', text[0]);
    EXPECT_EQ(']', text[5001]);

    text.AppendFormat(" %d", 7);
    EXPECT_EQ(" 7", text.Right(2));

    text.Format(IDS_FORMAT, 3, "five");
    EXPECT_STREQ("3 of five", text);
}

TEST(StringTest, LoadStringReadsTheStringTable) {
    CString text("before");
    EXPECT_FALSE(text.LoadString(IDS_MISSING));
    EXPECT_STREQ("before", text);

    ASSERT_TRUE(text.LoadString(IDS_LONG_TEXT));
    EXPECT_EQ(400, text.GetLength());
    EXPECT_EQ("0123456789", text.Right(10));
}

TEST(StringTest, PiecesAreClippedToTheString) {
    const CString text("abcdef");
    struct Case {
        CString piece;
        const char* expected;
    } cases[] = {
        {text.Left(2), "ab"},       {text.Left(0), ""},        {text.Left(-3), ""},
        {text.Left(99), "abcdef"},  {text.Right(2), "ef"},     {text.Right(99), "abcdef"},
        {text.Right(-1), ""},       {text.Mid(4), "ef"},       {text.Mid(6), ""},
        {text.Mid(9), ""},          {text.Mid(-2, 3), "abc"},  {text.Mid(2, 99), "cdef"},
        {text.Mid(1, 0), ""},       {text.SpanIncluding("cba"), "abc"},
        {text.SpanExcluding("d"), "abc"},
    };
    for (const Case& c : cases) EXPECT_STREQ(c.expected, c.piece);
}

TEST(StringTest, FindsAtTheEndsAndPastThem) {
    const CString text("a.b.c");
    EXPECT_EQ(0, text.Find('a'));
    EXPECT_EQ(4, text.Find('c'));
    EXPECT_EQ(1, text.Find('.'));
    EXPECT_EQ(3, text.Find('.', 2));
    EXPECT_EQ(-1, text.Find('.', 4));
    EXPECT_EQ(-1, text.Find('.', 5));
    EXPECT_EQ(-1, text.Find('.', 50));
    EXPECT_EQ(1, text.Find('.', -3));
    EXPECT_EQ(-1, text.Find('x'));
    EXPECT_EQ(2, text.Find("b.c"));
    EXPECT_EQ(-1, text.Find("c.d"));
    EXPECT_EQ(5, text.Find("", 5));
    EXPECT_EQ(-1, text.Find("", 6));
    EXPECT_EQ(3, text.ReverseFind('.'));
    EXPECT_EQ(-1, text.ReverseFind('x'));
    EXPECT_EQ(1, text.FindOneOf("x.c"));
    EXPECT_EQ(-1, CString().Find('a'));
}

TEST(StringTest, TrimsRemoveOnlyTheirTargetsAtTheEnds) {
    CString text(" \t value  with  spaces \r\n");
    text.Trim();
    EXPECT_STREQ("value  with  spaces", text);

    text = "xxabcxx";
    text.TrimLeft('x');
    EXPECT_STREQ("abcxx", text);
    text.TrimRight("xc");
    EXPECT_STREQ("ab", text);

    text = "   ";
    text.TrimLeft();
    EXPECT_STREQ("", text);
    text = "abc";
    text.Trim("abc");
    EXPECT_STREQ("", text);
}

TEST(StringTest, ReplaceRemoveInsertDelete) {
    CString text("aaa");
    EXPECT_EQ(1, text.Replace("aa", "b"));  // left to right, without overlaps
    EXPECT_STREQ("ba", text);

    text = "a-b-c";
    EXPECT_EQ(2, text.Replace("-", "--"));  // the replacement is not searched again
    EXPECT_STREQ("a--b--c", text);
    EXPECT_EQ(0, text.Replace("", "x"));
    EXPECT_EQ(2, text.Replace("--", nullptr));
    EXPECT_STREQ("abc", text);
    EXPECT_EQ(1, text.Replace('b', 'B'));
    EXPECT_STREQ("aBc", text);

    EXPECT_EQ(2, text.Remove('B') + text.Remove('c'));
    EXPECT_STREQ("a", text);
    EXPECT_EQ(3, text.Insert(99, "yz"));
    EXPECT_EQ(4, text.Insert(0, '>'));
    EXPECT_STREQ(">ayz", text);
    EXPECT_EQ(2, text.Delete(1, 2));
    EXPECT_STREQ(">z", text);
    EXPECT_EQ(2, text.Delete(5, 1));
    EXPECT_EQ(1, text.Delete(1, 99));
    EXPECT_STREQ(">", text);
}

TEST(StringTest, CaseAndComparisons) {
    CString text("MiXeD 1");
    text.MakeUpper();
    EXPECT_STREQ("MIXED 1", text);
    text.MakeLower();
    EXPECT_STREQ("mixed 1", text);
    text.MakeReverse();
    EXPECT_STREQ("1 dexim", text);

    const CString apple("apple"), berry("berry");
    EXPECT_TRUE(apple < berry);
    EXPECT_TRUE(apple <= "apple");
    EXPECT_TRUE("berry" > apple);
    EXPECT_TRUE(apple == "apple");
    EXPECT_TRUE("apple" == apple);
    EXPECT_TRUE(apple != berry);
    EXPECT_EQ(0, apple.CompareNoCase("APPLE"));
    EXPECT_GT(0, apple.Compare("apples"));
    EXPECT_LT(0, berry.Compare(nullptr));
    EXPECT_EQ(0, apple.Collate("apple"));
    EXPECT_EQ(0, apple.CollateNoCase("Apple"));

    EXPECT_STREQ("apple+berry", apple + "+" + berry);
    EXPECT_STREQ(">apple", '>' + apple);
    EXPECT_STREQ("apple!", apple + '!');
    EXPECT_EQ(0, strcmp(apple, "apple"));  // implicit LPCSTR
}

TEST(StringTest, BufferAccessSetsTheLength) {
    CString text("keep");
    LPSTR buffer = text.GetBuffer(50);
    EXPECT_STREQ("keep", buffer);
    strcpy(buffer, "written directly");
    text.ReleaseBuffer();
    EXPECT_EQ(16, text.GetLength());
    EXPECT_STREQ("written directly", text);

    buffer = text.GetBuffer(0);
    buffer[7] = '\0';
    text.ReleaseBuffer();
    EXPECT_STREQ("written", text);

    buffer = text.GetBuffer(10);
    text.ReleaseBuffer(3);
    EXPECT_STREQ("wri", text);

    buffer = text.GetBufferSetLength(5);
    buffer[3] = 'x';
    buffer[4] = 'y';
    EXPECT_STREQ("wrixy", text);

    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    CString folder;
    UINT length = GetSystemDirectoryA(folder.GetBuffer(MAX_PATH), MAX_PATH);
    folder.ReleaseBuffer();
    EXPECT_EQ(static_cast<int>(length), folder.GetLength());
    EXPECT_STREQ(system, folder);
}

TEST(StringTest, ElementAccessIsChecked) {
    CString text("ab");
    text.SetAt(1, 'z');
    EXPECT_EQ('z', text.GetAt(1));
    EXPECT_EQ('a', text[0]);
    EXPECT_TRUE(CString().IsEmpty());
    text.Empty();
    EXPECT_TRUE(text.IsEmpty());
}

TEST(StringTest, ExtractSubStringPicksSeparatedPieces) {
    const char* strings = "\nQuillet\nQuillet\nQuillet Files(*.qlt)\n.qlt";
    CString piece;
    struct Case {
        int index;
        BOOL found;
        const char* piece;
    } cases[] = {{0, TRUE, ""},         {1, TRUE, "Quillet"}, {3, TRUE, "Quillet Files(*.qlt)"},
                 {4, TRUE, ".qlt"},     {5, FALSE, ""},       {-1, FALSE, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.found, AfxExtractSubString(piece, strings, c.index)) << c.index;
        EXPECT_STREQ(c.piece, piece) << c.index;
    }
    EXPECT_TRUE(AfxExtractSubString(piece, "a|b", 1, '|'));
    EXPECT_STREQ("b", piece);
}
