#include "QelArray.h"
#include "QelList.h"
#include "QelString.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

template <class T>
std::vector<T> Forwards(const QelList<T>& list) {
    std::vector<T> items;
    for (__QelPOSITION* p = list.GetHeadPosition(); p;) items.push_back(list.GetNext(p));
    return items;
}

template <class T>
std::vector<T> Backwards(const QelList<T>& list) {
    std::vector<T> items;
    for (__QelPOSITION* p = list.GetTailPosition(); p;) items.push_back(list.GetPrev(p));
    return items;
}

std::string Joined(const QelArray<QelString>& array) {
    std::string text;
    for (int i = 0; i < array.GetSize(); ++i) text += std::string(array[i].GetText()) + ",";
    return text;
}

}  // namespace

TEST(QelArray, GrowsShrinksAndKeepsOrder) {
    QelArray<QelString> array;
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(array.GetUpperBound(), -1);
    EXPECT_EQ(array.Add("a"), 0);
    EXPECT_EQ(array.Add("c"), 1);
    array.InsertAt(1, "b");
    EXPECT_EQ(Joined(array), "a,b,c,");
    EXPECT_EQ(array.GetUpperBound(), 2);

    array.InsertAt(5, "f");  // past the end: the gap is filled with empty strings
    EXPECT_EQ(Joined(array), "a,b,c,,,f,");
    array.RemoveAt(3, 2);
    EXPECT_EQ(Joined(array), "a,b,c,f,");
    array.RemoveAt(0);
    EXPECT_EQ(Joined(array), "b,c,f,");

    array.SetAt(0, "B");
    array.ElementAt(1) += "!";
    array[2] = "F";
    EXPECT_EQ(Joined(array), "B,c!,F,");
    EXPECT_STREQ(array.GetAt(1).GetText(), "c!");
    EXPECT_STREQ(array.GetData()[2].GetText(), "F");

    array.SetAtGrow(4, "x");
    EXPECT_EQ(Joined(array), "B,c!,F,,x,");
    array.SetSize(2);
    EXPECT_EQ(Joined(array), "B,c!,");
    array.SetSize(-3);
    EXPECT_TRUE(array.IsEmpty());
    array.Add("again");
    array.RemoveAll();
    EXPECT_EQ(array.GetSize(), 0);
}

TEST(QelArray, CopiesAreIndependent) {
    QelArray<QelString> array;
    array.Add("one");
    QelArray<QelString> copy(array);
    copy[0] = "changed";
    EXPECT_STREQ(array[0].GetText(), "one");
}

TEST(QelList, AddsAtBothEndsAndWalksBothWays) {
    QelList<int> list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    list.AddTail(2);
    list.AddTail(3);
    list.AddHead(1);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(Forwards(list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Backwards(list), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(list.GetHead(), 1);
    EXPECT_EQ(list.GetTail(), 3);
    list.GetHead() = 10;
    EXPECT_EQ(list.GetAt(list.GetHeadPosition()), 10);
}

TEST(QelList, RemovesAnywhereAndKeepsLinksWhole) {
    QelList<int> list;
    __QelPOSITION* middle = nullptr;
    for (int i = 1; i <= 5; ++i) {
        __QelPOSITION* p = list.AddTail(i);
        if (i == 3) middle = p;
    }
    list.RemoveAt(middle);
    EXPECT_EQ(Forwards(list), (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(Backwards(list), (std::vector<int>{5, 4, 2, 1}));
    EXPECT_EQ(list.RemoveHead(), 1);
    EXPECT_EQ(list.RemoveTail(), 5);
    EXPECT_EQ(Backwards(list), (std::vector<int>{4, 2}));
    list.RemoveAt(list.GetHeadPosition());
    list.RemoveAt(list.GetTailPosition());
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);

    list.AddHead(7);  // an emptied list works like a new one
    EXPECT_EQ(Forwards(list), (std::vector<int>{7}));
}

TEST(QelList, FindsByValue) {
    QelList<QelString> list;
    list.AddTail("a");
    __QelPOSITION* b = list.AddTail("b");
    list.AddTail("b");
    EXPECT_EQ(list.Find("b"), b);
    EXPECT_EQ(list.Find("z"), nullptr);
}

TEST(QelList, CopiesAreDeepAndSelfAssignmentIsHarmless) {
    QelList<QelString> list;
    list.AddTail("x");
    list.AddTail("y");
    QelList<QelString> copy(list);
    copy.GetHead() = "changed";
    EXPECT_STREQ(list.GetHead().GetText(), "x");

    QelList<QelString> assigned;
    assigned.AddTail("old");
    assigned = list;
    EXPECT_EQ(assigned.GetCount(), 2);
    EXPECT_STREQ(assigned.GetTail().GetText(), "y");
    QelList<QelString>& alias = assigned;
    assigned = alias;
    EXPECT_EQ(assigned.GetCount(), 2);
}

TEST(QelPtrList, DoesNotOwnWhatItPointsTo) {
    std::unique_ptr<int> first(new int(1)), second(new int(2));
    {
        QelPtrList<int*> list;
        list.AddTail(first.get());
        list.AddTail(second.get());
        EXPECT_EQ(list.Find(second.get()), list.GetTailPosition());
        list.RemoveAll();
        list.AddHead(first.get());
    }
    EXPECT_EQ(*first, 1);  // still alive after the list is gone
    EXPECT_EQ(*second, 2);
}
