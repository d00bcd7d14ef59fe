#include "CorvelDebugObject.h"
#include "CorvelEnvironment.h"
#include "CorvelObject.h"
#include "CorvelObjectTable.h"
#include "CorvelParser.h"
#include "CorvelSession.h"
#include "CorvelStandardArrayConstructor.h"
#include "CorvelStandardArrayPrototype.h"
#include "CorvelStandardBooleanConstructor.h"
#include "CorvelStandardBooleanPrototype.h"
#include "CorvelStandardDateConstructor.h"
#include "CorvelStandardDatePrototype.h"
#include "CorvelStandardFunctionConstructor.h"
#include "CorvelStandardFunctionPrototype.h"
#include "CorvelStandardMathObject.h"
#include "CorvelStandardNumberConstructor.h"
#include "CorvelStandardNumberPrototype.h"
#include "CorvelStandardObjectConstructor.h"
#include "CorvelStandardObjectInstance.h"
#include "CorvelStandardObjectPrototype.h"
#include "CorvelStandardStringConstructor.h"
#include "CorvelStandardStringPrototype.h"
#include "CorvelTestApp.h"
#include "QelApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The sixteen standard objects in the environment's field order.
std::vector<CorvelObject*> StandardObjects(const CorvelEnvironment& environment) {
    return {
        environment.GetStandardArrayConstructor(),    environment.GetStandardArrayPrototype(),
        environment.GetStandardBooleanConstructor(),  environment.GetStandardBooleanPrototype(),
        environment.GetStandardDateConstructor(),     environment.GetStandardDatePrototype(),
        environment.GetStandardFunctionConstructor(), environment.GetStandardFunctionPrototype(),
        environment.GetStandardNumberConstructor(),   environment.GetStandardNumberPrototype(),
        environment.GetStandardObjectConstructor(),   environment.GetStandardObjectPrototype(),
        environment.GetStandardStringConstructor(),   environment.GetStandardStringPrototype(),
        environment.GetStandardMathObject(),          environment.GetDebugObject(),
    };
}

class EnvironmentTest : public ::testing::Test {
protected:
    CorvelEnvironment environment;
    CorvelTestApp app{&environment};
};

int TotalProperties(const CorvelEnvironment& environment) {
    int count = 0;
    for (CorvelObject* object : StandardObjects(environment)) count += object->GetPropertyCount();
    return count;
}

}  // namespace

TEST_F(EnvironmentTest, InitCreatesAndRegistersTheObjectsInFieldOrder) {
    ASSERT_EQ(environment.GetObjectTable()->GetCount(), 0);
    environment.Init();
    std::vector<CorvelObject*> objects = StandardObjects(environment);
    for (size_t i = 0; i < objects.size(); ++i) {
        ASSERT_NE(objects[i], nullptr);
        EXPECT_EQ(objects[i]->GetKey(), i + 1);
    }
    // Creation alone gives no properties.
    EXPECT_EQ(TotalProperties(environment), 0);
    EXPECT_EQ(environment.GetState(), CorvelEnvironment::Initial);
}

TEST_F(EnvironmentTest, RestartSetsUpEveryObjectAndCanBeRepeated) {
    environment.Init();
    environment.Restart();
    int count = TotalProperties(environment);
    EXPECT_GT(count, 0);
    EXPECT_EQ(environment.GetStandardObjectPrototype()->Get("constructor").ForceGetObject(),
              environment.GetStandardObjectConstructor());

    // Emptied (as by a table reset) and set up again, the data returns.
    environment.GetObjectTable()->ResetTable();
    EXPECT_EQ(TotalProperties(environment), 0);
    environment.Restart();
    environment.Restart();
    EXPECT_EQ(TotalProperties(environment), count);
}

TEST_F(EnvironmentTest, CloseDeletesEverythingAndMayBeRepeated) {
    environment.Init();
    environment.Restart();
    environment.Close();
    for (CorvelObject* object : StandardObjects(environment)) EXPECT_EQ(object, nullptr);
    EXPECT_EQ(environment.GetObjectTable(), nullptr);
    EXPECT_EQ(CorvelObjectTable::GetTable(), nullptr);
    environment.Close();
    environment.Restart();  // nothing to set up
}

// Two objects that refer to each other outlive every value that named
// them; closing the environment frees them all the same.
TEST_F(EnvironmentTest, CloseFreesObjectsThatReferToEachOther) {
    static int destroyed;
    destroyed = 0;
    struct Tracked : CorvelStandardObjectInstance {
        ~Tracked() override { ++destroyed; }
    };
    environment.Init();
    environment.Restart();
    {
        CorvelValue first = CorvelValue::ObjectValue(new Tracked);
        CorvelValue second = CorvelValue::ObjectValue(new Tracked);
        first.GetObject()->Put("other", second);
        second.GetObject()->Put("other", first);
    }
    EXPECT_EQ(destroyed, 0);
    environment.Close();
    EXPECT_EQ(destroyed, 2);
}

// Sessions and parsers start with the limits of the environment that is
// current when they are made; another environment keeps its own.
TEST_F(EnvironmentTest, SessionsAndParsersTakeTheCurrentEnvironmentsLimits) {
    CorvelEnvironment::Limits limits;
    limits.maximumDepth = 7;
    limits.stackBudget = 12345;
    limits.maximumNesting = 0;
    environment.SetLimits(limits);
    EXPECT_EQ(environment.GetLimits().maximumNesting, 1);
    CorvelSession session(nullptr, nullptr, nullptr, nullptr);
    CorvelParser parser("limited");
    EXPECT_EQ(session.GetMaximumDepth(), 7);
    EXPECT_EQ(session.GetStackBudget(), 12345u);
    EXPECT_EQ(parser.GetMaximumNesting(), 1);

    CorvelEnvironment other;
    app.environment = &other;
    CorvelSession otherSession(nullptr, nullptr, nullptr, nullptr);
    CorvelParser otherParser("unlimited");
    app.environment = &environment;
    const CorvelEnvironment::Limits defaults;
    EXPECT_EQ(otherSession.GetMaximumDepth(), defaults.maximumDepth);
    EXPECT_EQ(otherSession.GetStackBudget(), defaults.stackBudget);
    EXPECT_EQ(otherParser.GetMaximumNesting(), defaults.maximumNesting);
    EXPECT_EQ(session.GetMaximumDepth(), 7);
}

TEST_F(EnvironmentTest, GetFollowsTheHostApplication) {
    CorvelEnvironment other;
    app.environment = &other;
    EXPECT_EQ(CorvelEnvironment::Get(), &other);
    EXPECT_EQ(CorvelObjectTable::GetTable(), other.GetObjectTable());
    app.environment = nullptr;
    EXPECT_EQ(CorvelEnvironment::Get(), nullptr);
    app.environment = &environment;
    SetQelApp(nullptr);
    EXPECT_EQ(CorvelEnvironment::Get(), nullptr);
    SetQelApp(&app);
    EXPECT_EQ(CorvelEnvironment::Get(), &environment);
}

// Without a host application the objects cannot register; they are still
// made, set up and deleted cleanly.
TEST_F(EnvironmentTest, WorksWithoutAHostApplication) {
    SetQelApp(nullptr);
    CorvelEnvironment lonely;
    lonely.Init();
    lonely.Restart();
    for (CorvelObject* object : StandardObjects(lonely)) EXPECT_EQ(object->GetKey(), 0u);
    lonely.Close();
    SetQelApp(&app);
}
