#include "QelResource.h"
#include "QelString.h"

#include <gtest/gtest.h>

namespace {

QelString Load(unsigned int id) {
    QelString text;
    text.LoadStringA(id);
    return text;
}

}  // namespace

TEST(QelResource, RegistrationByName) {
    QelResource first("FIRST"), second("SECOND");
    EXPECT_EQ(QelResource::Find("FIRST"), nullptr);
    QelResource::Register(&first);
    QelResource::Register(&first);  // a second registration changes nothing
    QelResource::Register(&second);
    QelResource::Register(nullptr);
    EXPECT_EQ(QelResource::Find("FIRST"), &first);
    EXPECT_EQ(QelResource::Find("SECOND"), &second);
    EXPECT_EQ(QelResource::Find("first"), nullptr);
    EXPECT_EQ(QelResource::Find(nullptr), nullptr);

    QelResource::Unregister(&first);
    EXPECT_EQ(QelResource::Find("FIRST"), nullptr);
    EXPECT_EQ(QelResource::Find("SECOND"), &second);
    QelResource::Unregister(&second);
}

TEST(QelResource, StringEntries) {
    QelResource table("TABLE");
    table.AddString(1, "one");
    table.AddString(2, nullptr);
    table.AddString(1, "uno");
    EXPECT_STREQ(table.FindString(1), "uno");
    EXPECT_STREQ(table.FindString(2), "");
    EXPECT_EQ(table.FindString(3), nullptr);
    EXPECT_EQ(table.GetName(), "TABLE");
}

TEST(QelResource, SwitchesNestAndRestore) {
    QelResource outer("OUTER"), inner("INNER");
    outer.AddString(1, "outer");
    inner.AddString(1, "inner");
    QelResource::Register(&outer);
    QelResource::Register(&inner);

    EXPECT_EQ(QelResource::Current().FindString(1), nullptr);  // none current: an empty module
    {
        QelResourceSwitch useOuter("OUTER");
        EXPECT_STREQ(Load(1).GetText(), "outer");
        {
            QelResourceSwitch useInner("INNER");
            EXPECT_STREQ(Load(1).GetText(), "inner");
            {
                QelResourceSwitch useUnknown("NO SUCH MODULE");
                EXPECT_TRUE(Load(1).IsEmpty());
            }
            EXPECT_STREQ(Load(1).GetText(), "inner");
        }
        EXPECT_STREQ(Load(1).GetText(), "outer");
    }
    EXPECT_TRUE(Load(1).IsEmpty());

    QelResource::Unregister(&outer);
    QelResource::Unregister(&inner);
}

TEST(QelResource, UnregisteringTheCurrentModuleClearsIt) {
    QelResource module("GOING");
    module.AddString(1, "here");
    QelResource::Register(&module);
    QelResource* previous = QelResource::SetCurrent(&module);
    EXPECT_STREQ(Load(1).GetText(), "here");
    QelResource::Unregister(&module);
    EXPECT_EQ(&QelResource::Current() == &module, false);
    EXPECT_TRUE(Load(1).IsEmpty());
    QelResource::SetCurrent(previous);
}
