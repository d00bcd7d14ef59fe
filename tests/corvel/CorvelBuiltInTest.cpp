#include "CorvelBuiltInFunction.h"
#include "CorvelBuiltInObject.h"
#include "CorvelConsole.h"
#include "CorvelDebugObject.h"
#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelGlobalObject.h"
#include "CorvelObjectTable.h"
#include "CorvelSession.h"
#include "CorvelStandardArrayConstructor.h"
#include "CorvelStandardArrayPrototype.h"
#include "CorvelStandardBooleanConstructor.h"
#include "CorvelStandardBooleanPrototype.h"
#include "CorvelStandardDateConstructor.h"
#include "CorvelStandardDatePrototype.h"
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

#include <cfloat>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

const int kFixed = CorvelValue::ReadOnly | CorvelValue::DontEnum | CorvelValue::DontDelete;

class RecordingConsole : public CorvelConsole {
public:
    void Output(const char* pane, const char* text) override {
        lines.emplace_back(pane ? pane : "<default>", text);
    }
    std::vector<std::pair<std::string, std::string>> lines;
};

int g_calls = 0;

CorvelStatus CountCall(CorvelExecutionContext*, CorvelValue* arguments, int argumentCount, const CorvelValue&) {
    ++g_calls;
    if (argumentCount > 0) arguments[0].SetNumber(42);  // arguments may be converted in place
    return CorvelStatus::Normal;
}

// "a", "b" and "c" land in buckets 9, 10 and 0.
class TestBuiltIn : public CorvelBuiltInObject {
public:
    TestBuiltIn() : CorvelBuiltInObject(true) {
        AddMethod("a", CountCall);
        AddMethod("b", CountCall);
        AddMethod("c", CountCall);
    }
    CorvelObject* Prototype() const override { return prototype; }
    CorvelObject* prototype = nullptr;
};

// A set-up environment, and a context for calling natives in, made the way
// a host call of a single function makes one.
class BuiltInTest : public CorvelEnvironmentFixture {
protected:
    void SetUp() override {
        CorvelEnvironmentFixture::SetUp();
        global = new CorvelGlobalObject;
        session = new CorvelSession(nullptr, global, nullptr, &console);
        context = new CorvelExecutionContext(session, nullptr, CorvelExecutionContext::GlobalCode);
    }
    void TearDown() override {
        delete context;
        delete session;
        delete global;
        CorvelEnvironmentFixture::TearDown();
    }

    // The result of calling `function` on `thisValue`.
    CorvelValue Invoke(CorvelObject* function, const CorvelValue& thisValue, std::vector<CorvelValue> arguments = {},
                       bool construct = false) {
        context->ClearReturnValue();
        CorvelValue* first = arguments.empty() ? nullptr : arguments.data();
        CorvelStatus status = construct ? function->Construct(context, first, (int)arguments.size(), thisValue)
                                        : function->Call(context, first, (int)arguments.size(), thisValue);
        return status == CorvelStatus::Return ? context->GetReturnValue() : CorvelValue();
    }

    CorvelObject* Method(CorvelObject* object, const char* name) { return object->Get(name).ForceGetObject(); }

    RecordingConsole console;
    CorvelGlobalObject* global = nullptr;
    CorvelSession* session = nullptr;
    CorvelExecutionContext* context = nullptr;
};

CorvelObject* Referred(const CorvelValue& value) { return value.ForceGetObject(); }

}  // namespace

// Materialising methods.

TEST_F(BuiltInTest, AMethodIsWrappedOnceAndCachedAsDontEnum) {
    TestBuiltIn object;
    EXPECT_TRUE(object.HasProperty("a"));
    EXPECT_EQ(object.GetPropertyCount(), 0);

    const CorvelValue& first = object.Get("a");
    ASSERT_EQ(first.GetType(), CorvelValue::Object);
    EXPECT_EQ(first.GetAttributes(), CorvelValue::DontEnum);
    uint32_t key = (uint32_t)first.GetObjectKey();
    EXPECT_EQ(object.Get("a").GetObjectKey(), key);
    EXPECT_EQ(Referred(first)->Class(), 0x805);
    EXPECT_EQ(object.GetPropertyCount(), 1);

    // Deleting the cache drops the function object; the next read makes a
    // new one.
    EXPECT_TRUE(object.Delete("a"));
    EXPECT_EQ(CorvelObjectTable::FindObject(key), nullptr);
    EXPECT_NE(object.Get("a").GetObjectKey(), key);

    // Emptying the object drops the cache too.
    object.ResetObject();
    EXPECT_EQ(object.GetPropertyCount(), 0);
    EXPECT_TRUE(object.HasProperty("a"));
    EXPECT_EQ(object.Get("a").GetType(), CorvelValue::Object);
}

TEST_F(BuiltInTest, ScriptsMayReplaceAMethod) {
    TestBuiltIn object;
    object.Put("b", CorvelValue(7));
    EXPECT_EQ(object.Get("b").GetNumber(), 7);
    EXPECT_EQ(object.FindMethod("b"), &CountCall);
    EXPECT_EQ(object.FindMethod("z"), nullptr);
}

// A read-only property of the same name further up must not make every
// read wrap the method anew.
TEST_F(BuiltInTest, AMethodShadowingAReadOnlyPropertyIsStillCached) {
    TestBuiltIn object;
    CorvelStandardObjectInstance prototype;
    CorvelValue fixed(1);
    fixed.SetAttributes(CorvelValue::ReadOnly);
    prototype.Put("a", fixed);
    object.prototype = &prototype;
    int before = environment.GetObjectTable()->GetCount();
    unsigned long key = object.Get("a").GetObjectKey();
    EXPECT_EQ(object.Get("a").GetObjectKey(), key);
    EXPECT_EQ(environment.GetObjectTable()->GetCount(), before + 1);
}

TEST_F(BuiltInTest, EnumerationListsMethodsInBucketOrderAsDontEnum) {
    TestBuiltIn object;
    // "x" shares bucket 10 with "b" and, put before the methods exist as
    // properties, comes first.
    object.Put("x", CorvelValue(1));
    std::vector<std::string> names;
    CorvelObject::PropertyEnumerator* enumerator = object.BeginPropertyEnumeration();
    while (const char* name = object.GetNextPropertyName(enumerator)) {
        names.push_back(name);
        EXPECT_EQ(object.Get(name).GetAttributes() & CorvelValue::DontEnum,
                  std::string(name) == "x" ? 0 : CorvelValue::DontEnum);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"c", "a", "x", "b"}));
}

TEST_F(BuiltInTest, AFunctionObjectCallsItsNativeAndPrintsAsBuiltIn) {
    TestBuiltIn object;
    CorvelValue function = object.Get("c");
    CorvelValue argument("text");
    g_calls = 0;
    EXPECT_EQ(Referred(function)->Call(context, &argument, 1, CorvelValue()), CorvelStatus::Normal);
    EXPECT_EQ(g_calls, 1);
    EXPECT_EQ(argument.GetNumber(), 42);

    CorvelValue text(function);
    text.ToString();
    EXPECT_STREQ(text.GetString(), "[Function built-in]");
    EXPECT_EQ(Referred(function)->Value().GetType(), CorvelValue::Null);
}

// The standard objects.

TEST_F(BuiltInTest, ConstructorsAndPrototypesAreWiredTogether) {
    struct Pair {
        CorvelObject* constructor;
        CorvelObject* prototype;
        int prototypeClass;
    };
    const Pair pairs[] = {
        {environment.GetStandardArrayConstructor(), environment.GetStandardArrayPrototype(), 0x13},
        {environment.GetStandardBooleanConstructor(), environment.GetStandardBooleanPrototype(), 0x53},
        {environment.GetStandardDateConstructor(), environment.GetStandardDatePrototype(), 0x83},
        {environment.GetStandardNumberConstructor(), environment.GetStandardNumberPrototype(), 0x63},
        {environment.GetStandardObjectConstructor(), environment.GetStandardObjectPrototype(), 0x13},
        {environment.GetStandardStringConstructor(), environment.GetStandardStringPrototype(), 0x43},
    };
    CorvelObject* objectPrototype = environment.GetStandardObjectPrototype();
    for (const Pair& pair : pairs) {
        EXPECT_EQ(pair.constructor->Class(), 0x23);
        EXPECT_EQ(pair.constructor->Prototype(), environment.GetStandardFunctionPrototype());
        const CorvelValue& link = pair.constructor->Get("prototype");
        EXPECT_EQ(Referred(link), pair.prototype);
        EXPECT_EQ(link.GetAttributes(), kFixed);
        EXPECT_EQ(pair.constructor->Get("length").GetNumber(), 1);
        EXPECT_EQ(pair.constructor->Get("length").GetAttributes(), kFixed);

        const CorvelValue& back = pair.prototype->Get("constructor");
        EXPECT_EQ(Referred(back), pair.constructor);
        EXPECT_EQ(back.GetAttributes(), CorvelValue::DontEnum);
        EXPECT_EQ(pair.prototype->Class(), pair.prototypeClass);
        EXPECT_EQ(pair.prototype->Prototype(), pair.prototype == objectPrototype ? nullptr : objectPrototype);
    }
    const CorvelValue& length = environment.GetStandardArrayPrototype()->Get("length");
    EXPECT_EQ(length.GetNumber(), 0);
    EXPECT_EQ(length.GetAttributes(), CorvelValue::DontEnum | CorvelValue::DontDelete);
    EXPECT_TRUE(std::isnan(environment.GetStandardDatePrototype()->Value().GetNumber()));
    EXPECT_STREQ(environment.GetStandardStringPrototype()->Value().GetString(), "");
}

TEST_F(BuiltInTest, NumberAndMathCarryTheirConstants) {
    CorvelObject* number = environment.GetStandardNumberConstructor();
    EXPECT_EQ(number->Get("MAX_VALUE").GetNumber(), DBL_MAX);
    EXPECT_EQ(number->Get("MIN_VALUE").GetNumber(), 2.2250738585072014e-308);
    EXPECT_TRUE(std::isnan(number->Get("NaN").GetNumber()));
    EXPECT_EQ(number->Get("NEGATIVE_INFINITY").GetNumber(), -INFINITY);
    EXPECT_EQ(number->Get("POSITIVE_INFINITY").GetNumber(), INFINITY);
    EXPECT_EQ(number->Get("MAX_VALUE").GetAttributes(), kFixed);

    CorvelObject* math = environment.GetStandardMathObject();
    EXPECT_EQ(math->Class(), 0x13);
    EXPECT_EQ(math->Prototype(), environment.GetStandardObjectPrototype());
    EXPECT_EQ(math->Get("PI").GetNumber(), M_PI);
    EXPECT_EQ(math->Get("E").GetNumber(), M_E);
    EXPECT_EQ(math->Get("LN2").GetNumber(), M_LN2);
    EXPECT_EQ(math->Get("LN10").GetNumber(), M_LN10);
    EXPECT_EQ(math->Get("LOG2E").GetNumber(), M_LOG2E);
    EXPECT_EQ(math->Get("LOG10E").GetNumber(), M_LOG10E);
    // One unit in the last place below the correctly rounded roots.
    EXPECT_EQ(math->Get("SQRT2").GetNumber(), std::nextafter(M_SQRT2, 0.0));
    EXPECT_EQ(math->Get("SQRT1_2").GetNumber(), std::nextafter(M_SQRT1_2, 0.0));
    EXPECT_EQ(math->Get("PI").GetAttributes(), kFixed);
    math->Put("PI", CorvelValue(3));
    EXPECT_EQ(math->Get("PI").GetNumber(), M_PI);
}

// The environment owns the standard objects: losing the last script
// reference to one must not delete it.
TEST_F(BuiltInTest, StandardObjectsSurviveTheirLastReference) {
    CorvelObject* owned[] = {environment.GetStandardArrayConstructor(), environment.GetStandardStringPrototype(),
                             environment.GetStandardMathObject(), environment.GetDebugObject()};
    for (CorvelObject* object : owned) {
        uint32_t key = object->GetKey();
        { CorvelValue reference = CorvelValue::ObjectValue(object); }
        EXPECT_EQ(CorvelObjectTable::FindObject(key), object);
    }
}

// Object.

TEST_F(BuiltInTest, ObjectConstructorKeepsObjectsWrapsPrimitivesAndMakesNewOnes) {
    CorvelObject* constructor = environment.GetStandardObjectConstructor();
    CorvelStandardObjectInstance* existing = new CorvelStandardObjectInstance;
    CorvelValue object = CorvelValue::ObjectValue(existing);
    for (bool construct : {true, false}) {
        EXPECT_EQ(Referred(Invoke(constructor, CorvelValue(), {object}, construct)), existing);

        CorvelValue wrapper = Invoke(constructor, CorvelValue(), {CorvelValue("abc")}, construct);
        ASSERT_NE(Referred(wrapper), nullptr);
        EXPECT_EQ(Referred(wrapper)->Class(), 0x43);
        EXPECT_EQ(Referred(wrapper)->Get("length").GetNumber(), 3);
        EXPECT_EQ(Referred(Invoke(constructor, CorvelValue(), {CorvelValue(5)}, construct))->Value().GetNumber(), 5);

        for (CorvelValue nothing : {CorvelValue(), CorvelValue::ms_null}) {
            CorvelValue made = Invoke(constructor, CorvelValue(), {nothing}, construct);
            ASSERT_NE(Referred(made), nullptr);
            EXPECT_EQ(Referred(made)->Class(), 0x13);
            EXPECT_EQ(Referred(made)->Prototype(), environment.GetStandardObjectPrototype());
        }
        CorvelValue empty = Invoke(constructor, CorvelValue(), {}, construct);
        EXPECT_NE(Referred(empty), nullptr);
        EXPECT_NE(Referred(empty), existing);
    }
}

TEST_F(BuiltInTest, ObjectPrototypeNamesTheClassAndGivesBackThis) {
    CorvelObject* prototype = environment.GetStandardObjectPrototype();
    CorvelObject* toString = Method(prototype, "toString");
    CorvelObject* valueOf = Method(prototype, "valueOf");
    ASSERT_NE(toString, nullptr);
    ASSERT_NE(valueOf, nullptr);

    CorvelValue plain = CorvelValue::ObjectValue(new CorvelStandardObjectInstance);
    EXPECT_STREQ(Invoke(toString, plain).GetString(), "[object Object]");
    EXPECT_STREQ(Invoke(toString, CorvelValue::ObjectValue(environment.GetStandardMathObject())).GetString(),
                 "[object Object]");
    EXPECT_STREQ(Invoke(toString, CorvelValue::ObjectValue(environment.GetStandardStringConstructor())).GetString(),
                 "[object Function]");
    EXPECT_STREQ(Invoke(toString, CorvelValue(1)).GetString(), "");

    EXPECT_EQ(Invoke(valueOf, plain).GetObjectKey(), plain.GetObjectKey());
    EXPECT_EQ(Invoke(valueOf, CorvelValue(7)).GetNumber(), 7);
}

TEST_F(BuiltInTest, SpecialPrototypeIsHeldUntilReset) {
    CorvelStandardObjectInstance* prototype = new CorvelStandardObjectInstance;
    uint32_t prototypeKey = prototype->GetKey();
    prototype->Put("inherited", CorvelValue(1));
    CorvelStandardObjectInstance object;
    object.SetSpecialPrototype(prototype);
    EXPECT_EQ(object.Prototype(), prototype);
    EXPECT_EQ(object.Get("inherited").GetNumber(), 1);

    object.ResetObject();
    EXPECT_EQ(object.Prototype(), environment.GetStandardObjectPrototype());
    EXPECT_EQ(CorvelObjectTable::FindObject(prototypeKey), nullptr);  // its only holder let go
}

// Debug.

TEST_F(BuiltInTest, DebugWritesToTheConsoleWithoutLineFeeds) {
    CorvelObject* debug = environment.GetDebugObject();
    EXPECT_EQ(debug->Class(), 0x804);
    CorvelObject* trace = Method(debug, "trace");
    CorvelObject* tracePane = Method(debug, "tracePane");
    ASSERT_NE(trace, nullptr);
    ASSERT_NE(tracePane, nullptr);

    CorvelValue undefinedResult = Invoke(trace, CorvelValue(), {CorvelValue(2)});
    EXPECT_EQ(undefinedResult.GetType(), CorvelValue::Undefined);
    Invoke(tracePane, CorvelValue(), {CorvelValue("Log")});
    Invoke(tracePane, CorvelValue(), {CorvelValue("Log"), CorvelValue(true)});
    Invoke(trace, CorvelValue());
    Invoke(tracePane, CorvelValue());
    using Line = std::pair<std::string, std::string>;
    EXPECT_EQ(console.lines, (std::vector<Line>{{"<default>", "2"}, {"Log", ""}, {"Log", "true"}}));
}

TEST_F(BuiltInTest, DebugWithoutConsoleWritesNothing) {
    CorvelSession quiet(nullptr, global, nullptr, nullptr);
    CorvelExecutionContext quietContext(&quiet, nullptr, CorvelExecutionContext::GlobalCode);
    CorvelValue text("x");
    EXPECT_EQ(CorvelDebugObject::Trace(&quietContext, &text, 1, CorvelValue()), CorvelStatus::Normal);
    EXPECT_EQ(CorvelDebugObject::TracePane(&quietContext, &text, 1, CorvelValue()), CorvelStatus::Normal);
    EXPECT_TRUE(console.lines.empty());
}
