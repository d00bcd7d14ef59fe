#include "QelResource.h"
#include "QelString.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// Callers read the text through the string's first member.
const char* FirstMember(const QelString& s) { return *reinterpret_cast<char* const*>(&s); }

// Registers a string table for the lifetime of a test.
class ScopedTable {
public:
    explicit ScopedTable(const char* name) : m_table(name) { QelResource::Register(&m_table); }
    ~ScopedTable() { QelResource::Unregister(&m_table); }
    QelResource& Get() { return m_table; }

private:
    QelResource m_table;
};

}  // namespace

TEST(QelString, EmptyStringsHaveANullTextPointer) {
    QelString empty;
    EXPECT_EQ(FirstMember(empty), nullptr);
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_STREQ(empty.GetText(), "");
    EXPECT_EQ(empty[0], 0);
    EXPECT_EQ(FirstMember(QelString("")), nullptr);
    EXPECT_EQ(FirstMember(QelString(nullptr)), nullptr);

    QelString text("abc");
    EXPECT_STREQ(FirstMember(text), "abc");
    EXPECT_EQ(text.GetLength(), 3);
    text.Empty();
    EXPECT_EQ(FirstMember(text), nullptr);
    EXPECT_EQ(text.GetLength(), 0);
}

TEST(QelString, CopiesAndMovesAreIndependent) {
    QelString original("first");
    QelString copy(original);
    EXPECT_NE(FirstMember(copy), FirstMember(original));
    copy += "!";
    EXPECT_STREQ(original.GetText(), "first");

    QelString assigned;
    assigned = original;
    original = "second";
    EXPECT_STREQ(assigned.GetText(), "first");

    const char* buffer = FirstMember(original);
    QelString moved(std::move(original));
    EXPECT_EQ(FirstMember(moved), buffer);
    EXPECT_TRUE(original.IsEmpty());
    assigned = std::move(moved);
    EXPECT_EQ(FirstMember(assigned), buffer);
    EXPECT_TRUE(moved.IsEmpty());
}

TEST(QelString, AssignmentFromItselfOrItsOwnText) {
    QelString s("hello world");
    QelString& alias = s;
    s = alias;
    EXPECT_STREQ(s.GetText(), "hello world");
    s = std::move(alias);
    EXPECT_STREQ(s.GetText(), "hello world");
    s = s.GetText() + 6;
    EXPECT_STREQ(s.GetText(), "world");
    EXPECT_EQ(s.GetLength(), 5);
    s = s.GetText();
    EXPECT_STREQ(s.GetText(), "world");
    s = (const char*)nullptr;
    EXPECT_TRUE(s.IsEmpty());
}

TEST(QelString, ConcatenationLeavesOperandsAlone) {
    QelString left("ab"), right("cd");
    QelString both = left + right;
    EXPECT_STREQ(both.GetText(), "abcd");
    EXPECT_STREQ((left + "xy").GetText(), "abxy");
    EXPECT_STREQ((QelString() + QelString()).GetText(), "");
    EXPECT_STREQ(left.GetText(), "ab");
    EXPECT_STREQ(right.GetText(), "cd");

    left += right;
    left += "ef";
    left += 'g';
    left += (const char*)nullptr;
    left += QelString();
    EXPECT_STREQ(left.GetText(), "abcdefg");
    EXPECT_EQ(left.GetLength(), 7);
}

TEST(QelString, AppendingItsOwnTextSurvivesGrowth) {
    QelString s("abc");
    s += s;
    EXPECT_STREQ(s.GetText(), "abcabc");
    for (int i = 0; i < 6; ++i) s += s;  // grows well past the first buffer
    std::string expected;
    for (int i = 0; i < 128; ++i) expected += "abc";
    EXPECT_EQ(s.GetLength(), (int)expected.size());
    EXPECT_EQ(std::string(s.GetText()), expected);

    QelString t("0123456789");
    t += t.GetText() + 5;
    EXPECT_STREQ(t.GetText(), "012345678956789");
    t.Append(t.GetText(), t.GetLength());
    EXPECT_STREQ(t.GetText(), "012345678956789012345678956789");
}

TEST(QelString, Comparison) {
    QelString abc("abc");
    EXPECT_TRUE(abc == "abc");
    EXPECT_TRUE(abc == QelString("abc"));
    EXPECT_TRUE(abc != "abd");
    EXPECT_TRUE(abc != QelString("ab"));
    EXPECT_TRUE(QelString() == "");
    EXPECT_TRUE(QelString() == (const char*)nullptr);
    EXPECT_TRUE(QelString() == QelString(""));
    EXPECT_FALSE(abc == (const char*)nullptr);
}

TEST(QelString, SetStringTakesCountCharacters) {
    const char buffer[] = {'w', 'x', 'y', 'z'};  // not terminated
    QelString s;
    s.SetString(buffer, 3);
    EXPECT_STREQ(s.GetText(), "wxy");
    EXPECT_EQ(s.GetLength(), 3);
    EXPECT_STREQ(QelString(buffer, 2).GetText(), "wx");

    s.SetString("abc", 0);
    EXPECT_TRUE(s.IsEmpty());
    s.SetString("abc", -1);
    EXPECT_TRUE(s.IsEmpty());
    s.SetString(nullptr, 4);
    EXPECT_TRUE(s.IsEmpty());

    const char embedded[] = {'a', 'b', 0, 'c'};
    s.SetString(embedded, 4);
    EXPECT_STREQ(s.GetText(), "ab");
    EXPECT_EQ(s.GetLength(), 2);

    s = "0123456789";
    s.SetString(s.GetText() + 3, 4);
    EXPECT_STREQ(s.GetText(), "3456");
}

TEST(QelString, FormatOfAnyLength) {
    QelString s;
    s.Format("%s=%d|%-2d|%02d", "x", 42, 7, 3);
    EXPECT_STREQ(s.GetText(), "x=42|7 |03");

    // Results around and far beyond the first formatting buffer.
    for (int length : {255, 256, 257, 5000}) {
        std::string expected(length, 'q');
        s.Format("%s", expected.c_str());
        EXPECT_EQ(s.GetLength(), length);
        EXPECT_EQ(std::string(s.GetText()), expected);
    }

    s = "self";
    s.Format("%s and %s", s.GetText(), s.GetText());
    EXPECT_STREQ(s.GetText(), "self and self");
    std::string longText(600, 'L');
    s = longText.c_str();
    s.Format("[%s]", s.GetText());
    EXPECT_EQ(std::string(s.GetText()), "[" + longText + "]");

    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(QelString, StringTableLookups) {
    ScopedTable table("QELSTRINGTEST");
    table.Get().AddString(10, "value %s #%d");
    table.Get().AddString(11, "plain");

    QelString s("unchanged");
    {
        QelResourceSwitch use("QELSTRINGTEST");
        EXPECT_TRUE(s.LoadStringA(11));
        EXPECT_STREQ(s.GetText(), "plain");
        s = "unchanged";
        EXPECT_FALSE(s.LoadStringA(12));
        EXPECT_STREQ(s.GetText(), "unchanged");
        s.Format(10u, "v", 5);
        EXPECT_STREQ(s.GetText(), "value v #5");
        s.Format(12u, "v");
        EXPECT_TRUE(s.IsEmpty());
    }
    // Outside the switch the table is not current any more.
    EXPECT_FALSE(s.LoadStringA(11));
}
