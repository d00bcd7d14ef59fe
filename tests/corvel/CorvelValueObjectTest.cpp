#include "CorvelBuiltInFunction.h"
#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelGlobalObject.h"
#include "CorvelMessages.h"
#include "CorvelObject.h"
#include "CorvelObjectTable.h"
#include "CorvelRuntimeException.h"
#include "CorvelSession.h"
#include "CorvelStandardBooleanPrototype.h"
#include "CorvelStandardNumberPrototype.h"
#include "CorvelStandardObjectInstance.h"
#include "CorvelStandardStringPrototype.h"
#include "CorvelTestApp.h"
#include "QelApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class ValueObjectTest : public CorvelEnvironmentFixture {};

// Raised message id and text, or 0 and "" when nothing was raised.
std::pair<uint32_t, std::string> Raised(const std::function<void()>& action) {
    try {
        action();
    } catch (CorvelRuntimeException* error) {
        std::pair<uint32_t, std::string> result(error->GetMessageId(), error->FormatMessage().GetText());
        delete error;
        return result;
    }
    return {0, ""};
}

uint32_t RaisedId(const std::function<void()>& action) { return Raised(action).first; }

CorvelStatus ValueOfFive(CorvelExecutionContext* context, CorvelValue*, int, const CorvelValue&) {
    context->SetReturnValue(CorvelValue(5));
    return CorvelStatus::Return;
}

// Writes its default value and then reads itself: it must still be alive
// although writing the result dropped the converted value's reference.
class SelfReadingObject : public CorvelObject {
public:
    SelfReadingObject() : CorvelObject(true) {}
    void DefaultValue(CorvelValue& result, int) const override {
        result.SetString("first");
        result.SetString(text.c_str());
    }
    std::string text = "alive";
};

// Gives back an object, which a primitive conversion must refuse.
class ObjectReturningObject : public CorvelObject {
public:
    ObjectReturningObject() : CorvelObject(true) {}
    void DefaultValue(CorvelValue& result, int) const override {
        result = CorvelValue::ObjectValue(const_cast<ObjectReturningObject*>(this));
    }
};

CorvelObject* NewObjectWithValueOfFive() {
    CorvelStandardObjectInstance* object = new CorvelStandardObjectInstance;
    object->Put("valueOf", CorvelValue::ObjectValue(new CorvelBuiltInFunction(ValueOfFive)));
    return object;
}

}  // namespace

// References counted by values.

TEST_F(ValueObjectTest, ValuesCountTheirReferences) {
    CorvelStandardObjectInstance* object = new CorvelStandardObjectInstance;
    uint32_t key = object->GetKey();
    CorvelValue first = CorvelValue::ObjectValue(object);
    EXPECT_EQ(object->GetReferenceCount(), 1);
    {
        CorvelValue copy(first);
        CorvelValue assigned;
        assigned = first;
        CorvelValue reference(key, "name");
        EXPECT_EQ(object->GetReferenceCount(), 4);
        CorvelValue moved(std::move(copy));
        EXPECT_EQ(object->GetReferenceCount(), 4);
        assigned.SetNumber(1);
        EXPECT_EQ(object->GetReferenceCount(), 3);
    }
    EXPECT_EQ(object->GetReferenceCount(), 1);
    EXPECT_EQ(first.GetObject(), object);
    first.SetNull();
    EXPECT_EQ(CorvelObjectTable::FindObject(key), nullptr);

    // A value referring to the gone object finds nothing and counts nothing.
    CorvelValue stale((unsigned long)key);
    EXPECT_EQ(stale.ForceGetObject(), nullptr);
    EXPECT_EQ(RaisedId([&] { stale.GetObject(); }), CorvelMessages::ObjectDestroyed);
}

TEST_F(ValueObjectTest, CheckedObjectGetters) {
    CorvelValue number(1);
    EXPECT_EQ(number.ForceGetObject(), nullptr);
    EXPECT_EQ(RaisedId([&] { number.GetBaseObject(); }), CorvelMessages::BaseOfNonReference);
    CorvelValue unresolved(0ul, "x");
    EXPECT_EQ(unresolved.GetBaseObject(), nullptr);
    CorvelObject* math = (CorvelObject*)environment.GetStandardMathObject();
    CorvelValue property((unsigned long)math->GetKey(), "PI");
    EXPECT_EQ(property.GetBaseObject(), math);
}

// Primitive conversion.

TEST_F(ValueObjectTest, ToPrimitiveHoldsTheObjectAndChecksTheResult) {
    CorvelValue value = CorvelValue::ObjectValue(new SelfReadingObject);
    value.ToPrimitive(CorvelValue::String);
    EXPECT_STREQ(value.GetString(), "alive");

    CorvelValue stubborn = CorvelValue::ObjectValue(new ObjectReturningObject);
    EXPECT_EQ(RaisedId([&] { stubborn.ToPrimitive(CorvelValue::Number); }), CorvelMessages::InternalToPrimitive);
    EXPECT_EQ(stubborn.GetType(), CorvelValue::Object);  // still a valid value

    CorvelValue missing(0xFFFFFF00ul);
    missing.ToPrimitive(CorvelValue::Number);
    EXPECT_STREQ(missing.GetString(), "[Missing Object]");
}

TEST_F(ValueObjectTest, ObjectsConvertThroughValueOf) {
    CorvelValue object = CorvelValue::ObjectValue(NewObjectWithValueOfFive());
    CorvelValue five(5);
    EXPECT_TRUE(object == five);
    EXPECT_TRUE(five == object);
    EXPECT_FALSE(object == CorvelValue(6));
    EXPECT_TRUE(object == CorvelValue("5"));
    EXPECT_EQ(object.ForceGetNumber(), 5);
    EXPECT_EQ(object.ForceGetInteger(), 5);
    EXPECT_TRUE(object.ForceGetBool());
    EXPECT_STREQ(object.ForceGetString().GetText(), "[object Object]");
    EXPECT_EQ(object.GetType(), CorvelValue::Object);  // lenient conversions leave the value alone

    CorvelValue number(object);
    number.ToNumber();
    EXPECT_EQ(number.GetNumber(), 5);
}

TEST_F(ValueObjectTest, LenientConversionsOfAMissingObjectDoNotTouchIt) {
    CorvelValue missing(0xFFFFFF00ul);
    EXPECT_TRUE(missing.ForceGetBool());
    EXPECT_EQ(missing.ForceGetInteger(), 1);
    EXPECT_EQ(missing.ForceGetNumber(), 1.0);
    EXPECT_STREQ(missing.ForceGetString().GetText(), "object");
}

// Wrappers.

TEST_F(ValueObjectTest, ToObjectWrapsPrimitives) {
    CorvelValue flag(true);
    flag.ToObject();
    CorvelObject* wrapper = flag.GetObject();
    EXPECT_EQ(wrapper->Class(), 0x53);
    EXPECT_TRUE(wrapper->Value().GetBool());
    EXPECT_EQ(wrapper->Prototype(), (CorvelObject*)environment.GetStandardBooleanPrototype());

    CorvelValue number(2.5);
    number.ToObject();
    EXPECT_EQ(number.GetObject()->Class(), 0x63);
    EXPECT_EQ(number.GetObject()->Value().GetNumber(), 2.5);
    EXPECT_EQ(number.GetObject()->Prototype(), (CorvelObject*)environment.GetStandardNumberPrototype());

    CorvelValue text("abc");
    text.ToObject();
    CorvelObject* string = text.GetObject();
    EXPECT_EQ(string->Class(), 0x43);
    EXPECT_STREQ(string->Value().GetString(), "abc");
    EXPECT_EQ(string->Prototype(), (CorvelObject*)environment.GetStandardStringPrototype());
    EXPECT_EQ(string->Get("length").GetNumber(), 3);
    string->Put("length", CorvelValue(10));
    EXPECT_FALSE(string->Delete("length"));
    EXPECT_EQ(string->Get("length").GetNumber(), 3);
    EXPECT_EQ(string->Get("length").GetAttributes(),
              CorvelValue::ReadOnly | CorvelValue::DontEnum | CorvelValue::DontDelete);

    // The value is the wrapper's only holder.
    uint32_t key = (uint32_t)text.GetObjectKey();
    text.SetUndefined();
    EXPECT_EQ(CorvelObjectTable::FindObject(key), nullptr);

    CorvelValue same(flag);
    same.ToObject();
    EXPECT_EQ(same.GetObjectKey(), flag.GetObjectKey());
    for (CorvelValue nothing : {CorvelValue(), CorvelValue::ms_null})
        EXPECT_EQ(RaisedId([&] { nothing.ToObject(); }), CorvelMessages::CannotConvertToObject);
}

// Without an object table a wrapper could never be found or freed.
TEST_F(ValueObjectTest, ToObjectWithoutATableLeavesNothingBehind) {
    SetQelApp(nullptr);
    CorvelValue text("abc");
    text.ToObject();
    EXPECT_EQ(text.GetType(), CorvelValue::Object);
    EXPECT_EQ(text.GetObjectKey(), 0ul);
    SetQelApp(&app);
}

// References.

TEST_F(ValueObjectTest, GetValueReadsThroughLiveReferencesOnly) {
    CorvelStandardObjectInstance* base = new CorvelStandardObjectInstance;
    CorvelValue stored(4);
    stored.SetAttributes(CorvelValue::DontEnum);
    base->Put("x", stored);
    CorvelValue reference((unsigned long)base->GetKey(), "x");
    reference.GetValue();
    EXPECT_EQ(reference.GetType(), CorvelValue::Number);
    EXPECT_EQ(reference.GetNumber(), 4);
    EXPECT_EQ(reference.GetAttributes(), 0);
    // The reference was the base's only holder.
    EXPECT_EQ(environment.GetObjectTable()->GetCount(), 16);

    auto unresolved = Raised([] {
        CorvelValue name(0ul, "nowhere");
        name.GetValue();
    });
    EXPECT_EQ(unresolved.first, CorvelMessages::UndefinedIdentifier);
    EXPECT_EQ(unresolved.second, "Undefined indentifier 'nowhere'");
    EXPECT_EQ(RaisedId([] {
                  CorvelValue gone(0xFFFFFF00ul, "x");
                  gone.GetValue();
              }),
              CorvelMessages::ObjectDestroyed);

    CorvelValue plain("text");
    plain.GetValue();
    EXPECT_STREQ(plain.GetString(), "text");
}

TEST_F(ValueObjectTest, PutValueWritesToTheBaseOrTheGlobalObject) {
    CorvelGlobalObject global;
    CorvelSession session(nullptr, &global, nullptr, nullptr);
    CorvelExecutionContext context(&session, nullptr, CorvelExecutionContext::GlobalCode);

    CorvelStandardObjectInstance* base = new CorvelStandardObjectInstance;
    CorvelValue holder = CorvelValue::ObjectValue(base);
    CorvelValue(holder.GetObjectKey(), "x").PutValue(&context, CorvelValue(1));
    EXPECT_EQ(base->Get("x").GetNumber(), 1);

    CorvelValue(0ul, "created").PutValue(&context, CorvelValue(2));
    EXPECT_EQ(global.Get("created").GetNumber(), 2);
    CorvelValue(0xFFFFFF00ul, "orphan").PutValue(&context, CorvelValue(3));
    EXPECT_EQ(global.Get("orphan").GetNumber(), 3);

    EXPECT_EQ(RaisedId([&] { CorvelValue(5).PutValue(&context, CorvelValue(1)); }), CorvelMessages::CannotAssign);
}
