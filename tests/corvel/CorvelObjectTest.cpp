#include "CorvelBuiltInFunction.h"
#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelObject.h"
#include "CorvelObjectTable.h"
#include "CorvelPropertyStore.h"
#include "CorvelRaised.h"
#include "CorvelRuntimeException.h"
#include "CorvelTestApp.h"
#include "QelApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// A plain object with a settable prototype, counting its destruction.
class TestObject : public CorvelObject {
public:
    explicit TestObject(int* destroyed = nullptr) : CorvelObject(true), destroyed(destroyed) {}
    ~TestObject() override {
        if (destroyed) ++*destroyed;
    }
    CorvelObject* Prototype() const override { return prototype; }
    using CorvelObject::FindOwnProperty;
    using CorvelObject::RemoveProperty;
    CorvelObject* prototype = nullptr;
    int* destroyed;
};

class ObjectTest : public CorvelEnvironmentFixture {};

CorvelValue WithAttributes(CorvelValue value, int attributes) {
    value.SetAttributes(attributes);
    return value;
}

std::vector<std::string> Enumerate(CorvelObject& object) {
    std::vector<std::string> names;
    CorvelObject::PropertyEnumerator* enumerator = object.BeginPropertyEnumeration();
    while (const char* name = object.GetNextPropertyName(enumerator)) names.push_back(name);
    EXPECT_EQ(enumerator, nullptr);
    return names;
}

std::vector<std::string> g_calls;

CorvelStatus ValueOfFive(CorvelExecutionContext* context, CorvelValue*, int, const CorvelValue&) {
    g_calls.push_back("valueOf");
    context->SetReturnValue(CorvelValue(5));
    return CorvelStatus::Return;
}

CorvelStatus ToStringText(CorvelExecutionContext* context, CorvelValue*, int, const CorvelValue&) {
    g_calls.push_back("toString");
    context->SetReturnValue(CorvelValue("text"));
    return CorvelStatus::Return;
}

CorvelStatus ReturnThis(CorvelExecutionContext* context, CorvelValue*, int, const CorvelValue& thisValue) {
    g_calls.push_back("this");
    context->SetReturnValue(thisValue);
    return CorvelStatus::Return;
}

void PutMethod(CorvelObject& object, const char* name, CorvelNativeFunction function) {
    object.Put(name, CorvelValue::ObjectValue(new CorvelBuiltInFunction(function)));
}

}  // namespace

// Attributes and the prototype chain.

TEST_F(ObjectTest, ReadOnlyPropertiesRefuseWritesOwnAndInherited) {
    TestObject prototype;
    TestObject object;
    object.prototype = &prototype;
    prototype.Put("fixed", WithAttributes(CorvelValue(1), CorvelValue::ReadOnly));
    object.Put("own", WithAttributes(CorvelValue(2), CorvelValue::ReadOnly));

    object.Put("fixed", CorvelValue(10));
    object.Put("own", CorvelValue(20));
    EXPECT_EQ(object.FindOwnProperty("fixed"), nullptr);
    EXPECT_EQ(object.Get("fixed").GetNumber(), 1);
    EXPECT_EQ(object.Get("own").GetNumber(), 2);
    EXPECT_FALSE(object.CanPut("fixed"));
    EXPECT_TRUE(object.CanPut("missing"));
}

TEST_F(ObjectTest, PutReplacesAttributesAndDeleteHonoursDontDelete) {
    TestObject prototype;
    TestObject object;
    object.prototype = &prototype;
    object.Put("kept", WithAttributes(CorvelValue(1), CorvelValue::DontDelete | CorvelValue::DontEnum));
    object.Put("kept", CorvelValue(2));  // a plain value carries no attributes
    EXPECT_EQ(object.Get("kept").GetAttributes(), 0);
    EXPECT_TRUE(object.Delete("kept"));
    EXPECT_FALSE(object.HasProperty("kept"));

    object.Put("fixed", WithAttributes(CorvelValue(1), CorvelValue::DontDelete));
    EXPECT_FALSE(object.Delete("fixed"));
    EXPECT_EQ(object.Get("fixed").GetNumber(), 1);

    prototype.Put("inherited", CorvelValue(3));
    EXPECT_TRUE(object.HasProperty("inherited"));
    EXPECT_TRUE(object.Delete("inherited"));  // not an own property: nothing happens
    EXPECT_EQ(object.Get("inherited").GetNumber(), 3);
    EXPECT_TRUE(object.Delete("missing"));
    EXPECT_EQ(object.Get("missing").GetType(), CorvelValue::Undefined);

    // The object model's own removal ignores attributes.
    EXPECT_TRUE(object.RemoveProperty("fixed"));
    EXPECT_FALSE(object.RemoveProperty("fixed"));
}

TEST_F(ObjectTest, OwnPropertiesShadowThePrototype) {
    TestObject prototype;
    TestObject object;
    object.prototype = &prototype;
    prototype.Put("x", CorvelValue(1));
    object.Put("x", CorvelValue(2));
    EXPECT_EQ(object.Get("x").GetNumber(), 2);
    EXPECT_EQ(prototype.Get("x").GetNumber(), 1);
    EXPECT_TRUE(object.Delete("x"));
    EXPECT_EQ(object.Get("x").GetNumber(), 1);
}

// Many properties go through the store's index; every one stays reachable
// while others are removed.
TEST_F(ObjectTest, ManyPropertiesStayReachable) {
    TestObject object;
    const int count = 5000;
    for (int i = 0; i < count; ++i) object.Put(std::to_string(i).c_str(), CorvelValue(i));
    for (int i = 0; i < count; i += 2) ASSERT_TRUE(object.Delete(std::to_string(i).c_str()));
    EXPECT_EQ(object.GetPropertyCount(), count / 2);
    for (int i = 0; i < count; ++i) {
        const CorvelValue& value = object.Get(std::to_string(i).c_str());
        if (i % 2) ASSERT_EQ(value.GetNumber(), i);
        else ASSERT_EQ(value.GetType(), CorvelValue::Undefined);
    }
    EXPECT_EQ(Enumerate(object).size(), (size_t)count / 2);
}

// Enumeration.

TEST_F(ObjectTest, EnumeratesByBucketThenInsertion) {
    TestObject object;
    object.Put("a", CorvelValue(1));
    object.Put("b", CorvelValue(2));
    object.Put("c", CorvelValue(3));
    EXPECT_EQ(Enumerate(object), (std::vector<std::string>{"c", "a", "b"}));

    // "n" (110) and "c" (99) share bucket 0: the older comes first.
    object.Put("n", CorvelValue(4));
    EXPECT_EQ(Enumerate(object), (std::vector<std::string>{"c", "n", "a", "b"}));
}

TEST_F(ObjectTest, EnumerationOrderHoldsForLargeStores) {
    TestObject object;
    std::vector<std::string> expected[CorvelPropertyStore::BucketCount];
    for (int i = 0; i < 300; ++i) {
        std::string name = "p" + std::to_string(i * 7);
        object.Put(name.c_str(), CorvelValue(i));
        expected[CorvelPropertyStore::Name(name.c_str()).bucket].push_back(name);
    }
    std::vector<std::string> order;
    for (const std::vector<std::string>& bucket : expected) order.insert(order.end(), bucket.begin(), bucket.end());
    EXPECT_EQ(Enumerate(object), order);
}

TEST_F(ObjectTest, EnumerationContinuesIntoThePrototype) {
    TestObject prototype;
    TestObject object;
    object.prototype = &prototype;
    prototype.Put("p", CorvelValue(1));
    prototype.Put("x", CorvelValue(2));
    EXPECT_EQ(Enumerate(object), (std::vector<std::string>{"p", "x"}));
    object.Put("x", CorvelValue(3));  // shadowed names are listed twice
    EXPECT_EQ(Enumerate(object), (std::vector<std::string>{"x", "p", "x"}));
}

TEST_F(ObjectTest, RemovingPropertiesDuringAnEnumerationIsSafe) {
    TestObject object;
    for (const char* name : {"a", "b", "c", "n", "y"}) object.Put(name, CorvelValue(1));
    // Order: c, n (bucket 0), y (bucket 1), a (9), b (10).
    CorvelObject::PropertyEnumerator* enumerator = object.BeginPropertyEnumeration();
    EXPECT_STREQ(object.GetNextPropertyName(enumerator), "c");
    EXPECT_TRUE(object.Delete("c"));  // the current name
    EXPECT_TRUE(object.Delete("y"));  // one still ahead
    EXPECT_STREQ(object.GetNextPropertyName(enumerator), "n");
    EXPECT_STREQ(object.GetNextPropertyName(enumerator), "a");
    EXPECT_TRUE(object.Delete("a"));
    EXPECT_TRUE(object.Delete("n"));
    EXPECT_STREQ(object.GetNextPropertyName(enumerator), "b");
    EXPECT_EQ(object.GetNextPropertyName(enumerator), nullptr);
    EXPECT_EQ(enumerator, nullptr);
}

// Names added after an enumeration began are not visited, so a loop that
// deletes and adds back the name it is at sees every name once and ends.
TEST_F(ObjectTest, AnEnumerationVisitsEachNameAtMostOnce) {
    TestObject object;
    for (const char* name : {"a", "b", "c"}) object.Put(name, CorvelValue(1));
    std::vector<std::string> visited;
    CorvelObject::PropertyEnumerator* enumerator = object.BeginPropertyEnumeration();
    while (const char* name = object.GetNextPropertyName(enumerator)) {
        std::string current = name;
        visited.push_back(current);
        ASSERT_LT(visited.size(), 10u);
        EXPECT_TRUE(object.Delete(current.c_str()));
        object.Put(current.c_str(), CorvelValue(2));
        object.Put(("new" + current).c_str(), CorvelValue(3));
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"c", "a", "b"}));
    EXPECT_EQ(Enumerate(object).size(), 6u);
}

TEST_F(ObjectTest, ResettingOrDestroyingDuringAnEnumerationIsSafe) {
    TestObject prototype;
    TestObject object;
    object.prototype = &prototype;
    prototype.Put("p", CorvelValue(1));
    object.Put("a", CorvelValue(1));
    object.Put("b", CorvelValue(2));
    CorvelObject::PropertyEnumerator* enumerator = object.BeginPropertyEnumeration();
    EXPECT_STREQ(object.GetNextPropertyName(enumerator), "a");
    object.ResetObject();
    EXPECT_STREQ(object.GetNextPropertyName(enumerator), "p");
    EXPECT_EQ(object.GetNextPropertyName(enumerator), nullptr);

    // An object dying with open enumerations (its own and its prototype's)
    // takes them along.
    TestObject* doomed = new TestObject;
    doomed->prototype = &prototype;
    CorvelObject::PropertyEnumerator* open = doomed->BeginPropertyEnumeration();
    EXPECT_STREQ(doomed->GetNextPropertyName(open), "p");
    delete doomed;

    // A handle the object does not know is answered with nothing.
    CorvelObject::PropertyEnumerator* foreign = prototype.BeginPropertyEnumeration();
    CorvelObject::PropertyEnumerator* copy = foreign;
    EXPECT_EQ(object.GetNextPropertyName(copy), nullptr);
    EXPECT_EQ(copy, foreign);
    prototype.EndPropertyEnumeration(foreign);
    EXPECT_EQ(foreign, nullptr);
}

// The prototype being enumerated is held, so an object that lets go of it
// halfway through does not leave the enumeration pointing at a dead object.
TEST_F(ObjectTest, ThePrototypeOutlivesAnEnumerationOfItsHeir) {
    int destroyed = 0;
    TestObject* prototype = new TestObject(&destroyed);
    CorvelValue holder = CorvelValue::ObjectValue(prototype);
    prototype->Put("p", CorvelValue(1));
    prototype->Put("q", CorvelValue(2));
    TestObject object;
    object.prototype = prototype;
    CorvelObject::PropertyEnumerator* enumerator = object.BeginPropertyEnumeration();
    EXPECT_STREQ(object.GetNextPropertyName(enumerator), "p");
    object.prototype = nullptr;
    holder.SetUndefined();
    EXPECT_EQ(destroyed, 0);
    EXPECT_STREQ(object.GetNextPropertyName(enumerator), "q");
    EXPECT_EQ(object.GetNextPropertyName(enumerator), nullptr);
    EXPECT_EQ(destroyed, 1);
}

// Reference counting and lifetime.

TEST_F(ObjectTest, CountFallingToZeroDestroysAndUnregisters) {
    int destroyed = 0;
    TestObject* object = new TestObject(&destroyed);
    uint32_t key = object->GetKey();
    object->AddRef();
    object->AddRef();
    object->Release();
    EXPECT_EQ(destroyed, 0);
    object->Release();
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(CorvelObjectTable::FindObject(key), nullptr);
}

// A script can build a list of objects far longer than the machine stack
// could follow if each object's end set off the next one's inside it.
TEST_F(ObjectTest, ALongChainOfObjectsEndsWithoutDeepRecursion) {
    int destroyed = 0;
    const int length = 300000;
    CorvelValue head;
    for (int i = 0; i < length; ++i) {
        TestObject* node = new TestObject(&destroyed);
        node->Put("next", head);
        head = CorvelValue::ObjectValue(node);
    }
    head.SetUndefined();
    EXPECT_EQ(destroyed, length);
    EXPECT_EQ(environment.GetObjectTable()->GetCount(), 16);
}

// Every walk along the prototype chain is a loop: a chain far longer than
// the machine stack could follow by recursion is read, asked, written and
// enumerated.
TEST_F(ObjectTest, APrototypeChainOfAnyLengthIsWalkedWithoutRecursion) {
    const int length = 300000;
    std::vector<std::unique_ptr<TestObject>> chain;
    chain.emplace_back(new TestObject);
    chain.back()->Put("far", CorvelValue("end"));
    chain.back()->Put("fixed", WithAttributes(CorvelValue(1), CorvelValue::ReadOnly));
    for (int i = 1; i < length; ++i) {
        chain.emplace_back(new TestObject);
        chain.back()->prototype = chain[i - 1].get();
    }
    TestObject& near = *chain.back();
    EXPECT_EQ(near.Get("missing").GetType(), CorvelValue::Undefined);
    EXPECT_STREQ(near.Get("far").GetString(), "end");
    EXPECT_TRUE(near.HasProperty("far"));
    EXPECT_FALSE(near.HasProperty("missing"));
    EXPECT_FALSE(near.CanPut("fixed"));
    near.Put("fixed", CorvelValue(2));
    EXPECT_EQ(near.FindOwnProperty("fixed"), nullptr);
    near.Put("own", CorvelValue(3));
    EXPECT_EQ(Enumerate(near), (std::vector<std::string>{"own", "far", "fixed"}));
}

TEST_F(ObjectTest, ResetObjectHoldsTheObjectWhileEmptyingIt) {
    int destroyed = 0;
    TestObject* object = new TestObject(&destroyed);
    object->AddRef();
    // Its only reference lives in its own property: resetting drops it,
    // but only after the reset is complete.
    object->Put("self", CorvelValue::ObjectValue(object));
    object->Release();
    EXPECT_EQ(destroyed, 0);
    object->ResetObject();
    EXPECT_EQ(destroyed, 1);
}

// The low four bits pick the kind; only kind 3 is named by the upper bits.
TEST_F(ObjectTest, NamesClassCodesByKindThenStandardClass) {
    EXPECT_EQ(CorvelObject::GetClassName(0x13), "Object");
    EXPECT_EQ(CorvelObject::GetClassName(0x803), "Debug");
    EXPECT_EQ(CorvelObject::GetClassName(0x93), "Unknown Standard");
    EXPECT_EQ(CorvelObject::GetClassName(0x804), "Extension");
    EXPECT_EQ(CorvelObject::GetClassName(0x805), "BuiltIn");
    EXPECT_EQ(CorvelObject::GetClassName(0x10), "Unknown");
}

// Default value.

// The objects are held by values, as a converted object always is: the
// conversion calls make values of them.
TEST_F(ObjectTest, DefaultValueTriesValueOfFirstUnlessTheHintIsString) {
    TestObject& object = *new TestObject;
    CorvelValue holder = CorvelValue::ObjectValue(&object);
    PutMethod(object, "valueOf", ValueOfFive);
    PutMethod(object, "toString", ToStringText);
    CorvelValue result;
    g_calls.clear();
    object.DefaultValue(result, CorvelValue::Number);
    EXPECT_EQ(result.GetNumber(), 5);
    object.DefaultValue(result, CorvelValue::Undefined);
    EXPECT_EQ(result.GetNumber(), 5);
    object.DefaultValue(result, CorvelValue::String);
    EXPECT_STREQ(result.GetString(), "text");
    EXPECT_EQ(g_calls, (std::vector<std::string>{"valueOf", "valueOf", "toString"}));
}

TEST_F(ObjectTest, DefaultValueFallsBackAndFailsWith1023) {
    TestObject& object = *new TestObject;
    CorvelValue holder = CorvelValue::ObjectValue(&object);
    PutMethod(object, "valueOf", ReturnThis);
    PutMethod(object, "toString", ToStringText);
    CorvelValue result;
    object.DefaultValue(result, CorvelValue::Number);
    EXPECT_STREQ(result.GetString(), "text");

    PutMethod(object, "toString", ReturnThis);
    EXPECT_EQ(RaisedId([&] { object.DefaultValue(result, CorvelValue::Number); }),
              CorvelMessages::DefaultValueFailed);

    // Neither method present at all.
    TestObject& bare = *new TestObject;
    CorvelValue bareHolder = CorvelValue::ObjectValue(&bare);
    EXPECT_EQ(RaisedId([&] { bare.DefaultValue(result, CorvelValue::String); }),
              CorvelMessages::DefaultValueFailed);

    // An object that is not callable delivers no result: undefined, which
    // is a primitive and ends the search.
    TestObject& plain = *new TestObject;
    CorvelValue plainHolder = CorvelValue::ObjectValue(&plain);
    plain.Put("valueOf", CorvelValue::ObjectValue(new TestObject));
    plain.DefaultValue(result, CorvelValue::Number);
    EXPECT_EQ(result.GetType(), CorvelValue::Undefined);
}
