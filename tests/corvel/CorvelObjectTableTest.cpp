#include "CorvelEnvironment.h"
#include "CorvelObject.h"
#include "CorvelObjectTable.h"
#include "CorvelTestApp.h"
#include "QelApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Counts its own destruction.
class CountedObject : public CorvelObject {
public:
    explicit CountedObject(int* destroyed, bool registerNow = true) : CorvelObject(registerNow), destroyed(destroyed) {}
    ~CountedObject() override { ++*destroyed; }
    int* destroyed;
};

// A table reached the way library code reaches it, through the host
// application; the standard objects are not created, so keys start at 1.
class ObjectTableTest : public ::testing::Test {
protected:
    CorvelEnvironment environment;
    CorvelTestApp app{&environment};
    CorvelObjectTable* table = environment.GetObjectTable();
    int destroyed = 0;
};

}  // namespace

TEST_F(ObjectTableTest, HandsOutKeysInSequenceAndFindsTheirObjects) {
    ASSERT_EQ(CorvelObjectTable::GetTable(), table);
    CountedObject first(&destroyed);
    CountedObject second(&destroyed);
    EXPECT_EQ(first.GetKey(), 1u);
    EXPECT_EQ(second.GetKey(), 2u);
    EXPECT_EQ(table->Find(1), &first);
    EXPECT_EQ(CorvelObjectTable::FindObject(2), &second);
    EXPECT_EQ(table->Find(0), nullptr);
    EXPECT_EQ(table->Find(3), nullptr);
}

TEST_F(ObjectTableTest, ObjectsRegisterLazilyThroughGetKey) {
    CountedObject lazy(&destroyed, false);
    EXPECT_EQ(table->GetCount(), 0);
    uint32_t key = lazy.GetKey();
    EXPECT_NE(key, 0u);
    EXPECT_EQ(lazy.GetKey(), key);
    EXPECT_EQ(table->Find(key), &lazy);
}

TEST_F(ObjectTableTest, DeadKeysAreIgnored) {
    CountedObject* object = new CountedObject(&destroyed);
    uint32_t key = object->GetKey();
    table->AddRef(key);
    table->ReleaseRef(key);  // 1 -> 0 ends the object
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(table->Find(key), nullptr);

    table->AddRef(key);
    table->ReleaseRef(key);
    table->Remove(key);
    table->AddRef(0);
    table->ReleaseRef(0);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(table->GetCount(), 0);
}

TEST_F(ObjectTableTest, KeysInUseAreSkippedWhenTheCounterWraps) {
    CountedObject one(&destroyed);
    CountedObject two(&destroyed);
    ASSERT_EQ(one.GetKey(), 1u);
    ASSERT_EQ(two.GetKey(), 2u);
    table->SetNextKey(0xFFFFFFFEu);
    CountedObject high(&destroyed);
    CountedObject highest(&destroyed);
    CountedObject wrapped(&destroyed);
    EXPECT_EQ(high.GetKey(), 0xFFFFFFFEu);
    EXPECT_EQ(highest.GetKey(), 0xFFFFFFFFu);
    EXPECT_EQ(wrapped.GetKey(), 3u);  // neither 0 nor the live 1 and 2
    EXPECT_EQ(table->Find(1), &one);
    EXPECT_EQ(table->Find(3), &wrapped);
}

// Many objects, removed in a scattered order, stay findable: removals must
// not break the probe sequences of the objects that remain.
// Keys handed out in sequence sit in their home slots, so removing one looks
// no further than the furthest any entry lies from home; entries pushed out
// of their home by others are still moved back into the holes they need.
TEST_F(ObjectTableTest, RemovalInKeyOrderKeepsDisplacedKeysReachable) {
    std::vector<CountedObject*> objects;
    for (int i = 0; i < 20; ++i) objects.push_back(new CountedObject(&destroyed));
    table->SetNextKey(64 + 5);  // the home slots of keys 5 to 14 of 64
    for (int i = 0; i < 10; ++i) objects.push_back(new CountedObject(&destroyed));
    std::sort(objects.begin(), objects.end(),
              [](CountedObject* a, CountedObject* b) { return a->GetKey() < b->GetKey(); });
    for (size_t removed = 0; removed < objects.size(); ++removed) {
        delete objects[removed];
        for (size_t i = removed + 1; i < objects.size(); ++i)
            ASSERT_EQ(table->Find(objects[i]->GetKey()), objects[i]) << "after removing " << removed + 1;
    }
    EXPECT_EQ(table->GetCount(), 0);
}

TEST_F(ObjectTableTest, SurvivesGrowthAndScatteredRemoval) {
    std::vector<CountedObject*> objects;
    for (int i = 0; i < 3000; ++i) objects.push_back(new CountedObject(&destroyed));
    table->SetNextKey(100000);
    for (int i = 0; i < 500; ++i) objects.push_back(new CountedObject(&destroyed));
    for (size_t i = 0; i < objects.size(); i += 3) {
        delete objects[i];
        objects[i] = nullptr;
    }
    int remaining = 0;
    for (CountedObject* object : objects) {
        if (!object) continue;
        ++remaining;
        ASSERT_EQ(table->Find(object->GetKey()), object);
    }
    EXPECT_EQ(table->GetCount(), remaining);
    for (CountedObject* object : objects) delete object;
    EXPECT_EQ(table->GetCount(), 0);
}

TEST_F(ObjectTableTest, ResetTableBreaksCyclesAndEmptiesSurvivors) {
    CountedObject* a = new CountedObject(&destroyed);
    CountedObject* b = new CountedObject(&destroyed);
    a->Put("other", CorvelValue::ObjectValue(b));
    b->Put("other", CorvelValue::ObjectValue(a));
    CountedObject* held = new CountedObject(&destroyed);
    CorvelValue hostValue = CorvelValue::ObjectValue(held);
    held->Put("x", CorvelValue(1));
    ASSERT_EQ(destroyed, 0);

    table->ResetTable();
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(table->GetCount(), 1);
    EXPECT_EQ(held->GetPropertyCount(), 0);

    hostValue.SetUndefined();
    EXPECT_EQ(destroyed, 3);
    table->ResetTable();  // empty: nothing to do
}

// An object kept by the host beyond its environment's life must not remove
// the object that a newer table gave the same key.
TEST_F(ObjectTableTest, AnObjectOutlivingItsTableLeavesANewerTableAlone) {
    CountedObject* old = new CountedObject(&destroyed);
    ASSERT_EQ(old->GetKey(), 1u);
    {
        CorvelEnvironment newer;
        app.environment = &newer;
        CountedObject fresh(&destroyed);
        ASSERT_EQ(fresh.GetKey(), 1u);
        delete old;
        EXPECT_EQ(newer.GetObjectTable()->Find(1), &fresh);
        app.environment = &environment;
    }
}

TEST_F(ObjectTableTest, ConveniencesDoNothingWithoutATable) {
    SetQelApp(nullptr);
    EXPECT_EQ(CorvelObjectTable::GetTable(), nullptr);
    CountedObject object(&destroyed);
    EXPECT_EQ(object.GetKey(), 0u);
    EXPECT_EQ(CorvelObjectTable::AddObject(&object), 0u);
    EXPECT_EQ(CorvelObjectTable::FindObject(1), nullptr);
    CorvelObjectTable::AddObjectRef(1);
    CorvelObjectTable::ReleaseObjectRef(1);
    CorvelObjectTable::RemoveObject(1);
    CorvelObjectTable::RemoveAll();
    SetQelApp(&app);
    EXPECT_EQ(table->GetCount(), 0);
}
