// Collections: maps iterate in key order (the order printed forms show), arrays
// and lists keep the MFC operations and refuse bad indexes.
#include "afx.h"

#include <gtest/gtest.h>

namespace {

template <class Map, class Key, class Value>
CString walk(const Map& map)
{
    CString out;
    Key key{};
    Value value{};
    for (POSITION p = map.GetStartPosition(); p;) {
        map.GetNextAssoc(p, key, value);
        out.AppendFormat("%s=%s;", key, value);
    }
    return out;
}

TEST(CMap, IteratesInKeyOrder)
{
    CMap<UINT, UINT, CString, CString&> codes;
    codes.InitHashTable(17);
    for (UINT code : {300u, 17u, 5u, 1000u, 16u})
        codes.SetAt(code, FormatText("к%u", code));
    CString order;
    UINT key = 0;
    CString value;
    for (POSITION p = codes.GetStartPosition(); p;) {
        codes.GetNextAssoc(p, key, value);
        order += value + " ";
    }
    EXPECT_STREQ(order, "к5 к16 к17 к300 к1000 ");

    CMapStringToString names;
    for (const char* k : {"б", "а", "Я", "z", "A"})
        names[k] = CString(k) + "!";
    EXPECT_STREQ((walk<CMapStringToString, CString, CString>(names)), "A=A!;z=z!;Я=Я!;а=а!;б=б!;")
        << "texts sort by the bytes of their UTF-8 form";

    CString found;
    EXPECT_TRUE(names.Lookup("Я", found));
    EXPECT_STREQ(found, "Я!");
    EXPECT_TRUE(names.RemoveKey("Я"));
    EXPECT_FALSE(names.Lookup("Я", found));
    EXPECT_FALSE(names.RemoveKey("Я"));
    EXPECT_EQ(names.GetCount(), 4);

    CMapStringToString copy = names;
    names.RemoveAll();
    EXPECT_TRUE(names.IsEmpty());
    EXPECT_EQ(copy.GetCount(), 4);
}

TEST(CArray, GrowsInsertsRemovesAndChecksIndexes)
{
    CStringArray a;
    a.Add("один");
    a.Add("три");
    a.InsertAt(1, "два");
    a.SetAtGrow(4, "пять");
    ASSERT_EQ(a.GetSize(), 5);
    EXPECT_STREQ(a[1], "два");
    EXPECT_TRUE(a[3].IsEmpty());
    a.RemoveAt(3);
    EXPECT_STREQ(a.GetAt(3), "пять");
    EXPECT_THROW(a.GetAt(4), std::out_of_range);
    EXPECT_THROW(a.RemoveAt(2, 5), std::out_of_range);

    CStringArray b;
    b.Copy(a);
    b.ElementAt(0) = "ноль";
    EXPECT_STREQ(a[0], "один");
    CDWordArray d;
    d.SetSize(3);
    EXPECT_EQ(d[2], 0u);
}

TEST(CList, WalksByPosition)
{
    CStringList list;
    list.AddTail("б");
    list.AddHead("а");
    const POSITION last = list.AddTail("г");
    list.InsertBefore(last, "в");
    CString seen;
    for (POSITION p = list.GetHeadPosition(); p;)
        seen += list.GetNext(p);
    EXPECT_STREQ(seen, "абвг");
    const POSITION b = list.Find("б");
    ASSERT_NE(b, nullptr);
    list.RemoveAt(b);
    EXPECT_EQ(list.Find("б"), nullptr);
    EXPECT_STREQ(list.GetAt(list.FindIndex(1)), "в");
    EXPECT_STREQ(list.RemoveTail(), "г");
    CStringList copy = list;
    EXPECT_EQ(copy.GetCount(), 2);
    list.RemoveAll();
    EXPECT_THROW(list.GetHead(), std::out_of_range);
}

} // namespace
