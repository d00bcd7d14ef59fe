#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelArrayFixture.h"
#include "CorvelRunHarness.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardArrayConstructor.h"
#include "CorvelStandardArrayInstance.h"
#include "CorvelStandardArrayPrototype.h"
#include "PlatformKeyboard.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace {

const double kInfinity = std::numeric_limits<double>::infinity();

class ArrayTest : public CorvelArrayFixture {
protected:
    CorvelObject* Construct(double length) {
        CorvelValue argument(length);
        CorvelStandardArrayConstructor* constructor = harness.environment.GetStandardArrayConstructor();
        EXPECT_EQ(constructor->Construct(context.get(), &argument, 1, CorvelValue()), CorvelStatus::Return);
        return context->GetReturnValue().ForceGetObject();
    }
};

TEST(ArrayIndex, OnlyCanonicalDecimalTextBelowTheLargestLength) {
    uint32_t index = 77;
    EXPECT_TRUE(CorvelStandardArrayInstance::IsArrayIndex("0", index));
    EXPECT_EQ(index, 0u);
    EXPECT_TRUE(CorvelStandardArrayInstance::IsArrayIndex("4294967294", index));
    EXPECT_EQ(index, 4294967294u);
    for (const char* name : {"", "010", "00", "-1", "+1", "1.5", "1e3", " 1", "4294967295", "4294967296",
                             "99999999999999999999", "length"})
        EXPECT_FALSE(CorvelStandardArrayInstance::IsArrayIndex(name, index)) << name;
}

TEST_F(ArrayTest, LengthAssignmentTruncatesWrapsAndRefuses) {
    for (int i = 0; i < 5; ++i) array->Append(CorvelValue(i));
    array->Put("length", CorvelValue(2.7));
    EXPECT_EQ(array->GetLength(), 2u);
    EXPECT_EQ(array->Get("length").GetNumber(), 2);
    EXPECT_TRUE(array->HasProperty("1"));
    EXPECT_FALSE(array->HasProperty("2"));

    for (double bad : {4294967296.0, -4294967296.0, 1e300}) {
        EXPECT_EQ(RaisedId([&] { array->Put("length", CorvelValue(bad)); }), CorvelMessages::IllegalArrayLength);
        EXPECT_EQ(array->GetLength(), 2u);
        EXPECT_EQ(array->Get("length").GetNumber(), 2);
        EXPECT_TRUE(array->HasProperty("1"));
    }
    struct Case {
        double value;
        uint32_t length;
    } cases[] = {{-1, 4294967295u}, {-4294967295.5, 1}, {std::nan(""), 0}, {kInfinity, 0}, {-kInfinity, 0}};
    for (const Case& c : cases) {
        array->Put("length", CorvelValue(c.value));
        EXPECT_EQ(array->GetLength(), c.length) << c.value;
    }
}

// Cutting back a huge, sparse array visits the properties present instead
// of every index in between (without that this would not finish), and
// removes elements whatever their attributes.
TEST_F(ArrayTest, ShrinkingAHugeSparseArrayIsQuickAndExact) {
    array->Put("length", CorvelValue(4294967295.0));
    for (const char* name : {"1", "5", "4000000000", "4294967294", "4294967295"}) array->Put(name, CorvelValue(1));
    CorvelValue fixed(8);
    fixed.SetAttributes(CorvelValue::DontDelete | CorvelValue::ReadOnly);
    array->Put("7", fixed);

    auto start = std::chrono::steady_clock::now();
    array->Put("length", CorvelValue(3));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    EXPECT_EQ(array->GetLength(), 3u);
    EXPECT_TRUE(array->HasProperty("1"));
    for (const char* gone : {"5", "7", "4000000000", "4294967294"}) EXPECT_FALSE(array->HasProperty(gone)) << gone;
    EXPECT_TRUE(array->HasProperty("4294967295"));  // not an index
}

TEST_F(ArrayTest, ThePrototypeIsArrayLikeItself) {
    CorvelStandardArrayPrototype* prototype = harness.environment.GetStandardArrayPrototype();
    EXPECT_EQ(array->Prototype(), prototype);
    prototype->Put("2", CorvelValue("inherited"));
    EXPECT_EQ(prototype->Get("length").GetNumber(), 3);
    EXPECT_EQ(array->GetLength(), 0u);
    EXPECT_STREQ(array->Get("2").GetString(), "inherited");
    prototype->Put("length", CorvelValue(0));
    EXPECT_FALSE(prototype->HasProperty("2"));
    EXPECT_TRUE(prototype->HasProperty("sort"));
}

TEST_F(ArrayTest, ConstructorLengthArgument) {
    CorvelObject* made = Construct(-1);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Class(), CorvelObject::ClassArray);
    EXPECT_EQ(made->Get("length").GetNumber(), 4294967295.0);
    EXPECT_EQ(made->GetPropertyCount(), 1);  // "length" alone
    for (double bad : {3.5, 4294967296.0, -4294967296.0, std::nan(""), kInfinity})
        EXPECT_EQ(RaisedId([&] { Construct(bad); }), CorvelMessages::IllegalArrayLength) << bad;
}

// A compare function that fails ends the sort silently with 1000; nothing
// has been written back.
TEST_F(ArrayTest, AFailingCompareFunctionLeavesTheArrayAlone) {
    CorvelRunHarness::Script run(harness,
                                 "var a = new Array(3, 1, 2);\n"
                                 "function bad(x, y) { if (x == 2) x = x.missing.deeper; return x - y; }\n"
                                 "a.sort(bad);\n");
    run.RunToEnd();
    EXPECT_EQ(harness.console.errors, "test.js (2, -1) : Can't convert undefined, or null, to object\n");
    CorvelObject* sorted = run.Global("a").ForceGetObject();
    ASSERT_NE(sorted, nullptr);
    EXPECT_EQ(sorted->Get("0").GetNumber(), 3);
    EXPECT_EQ(sorted->Get("1").GetNumber(), 1);
    EXPECT_EQ(sorted->Get("2").GetNumber(), 2);

    array->Append(CorvelValue(1));
    array->Append(CorvelValue(2));
    CorvelValue compare(run.Global("bad"));
    EXPECT_EQ(RaisedId([&] { CorvelStandardArrayPrototype::Sort(context.get(), &compare, 1, holder); }),
              CorvelMessages::FunctionAbort);
}

// Compare functions that wait (script or built-in) run to their end inside
// the sort: the sort completes in the same slice, leaves no wait behind,
// and the script goes on.
TEST_F(ArrayTest, ACompareFunctionThatWaitsRunsToItsEnd) {
    CorvelRunHarness::Script run(harness,
                                 "var calls = 0;\n"
                                 "function slow(x, y) { calls++; wait(100); return x - y; }\n"
                                 "var a = new Array(5, 3, 4, 1, 2);\n"
                                 "a.sort(slow);\n"
                                 "var first = a.join();\n"
                                 "a.sort(slow);\n"
                                 "var b = new Array(2, 1); b.sort(wait);\n"
                                 "Debug.trace(first + '|' + a + '|' + calls + '|' + b);\n");
    ASSERT_TRUE(run.parsed);
    EXPECT_TRUE(run.session->RunNextStatement());
    EXPECT_EQ(run.session->GetWaitDelay(), 0);
    EXPECT_EQ(harness.console.output, "1,2,3,4,5|1,2,3,4,5|20|2,1");
    EXPECT_EQ(harness.console.errors, "");
}

// Escape held makes the loop inside the compare function yield; the sort
// resumes it at once and the order still comes out right.
TEST_F(ArrayTest, ACompareFunctionThatYieldsToEscapeRunsToItsEnd) {
    CorvelRunHarness::Script run(harness,
                                 "function busy(x, y) { var t = 0; for (var i = 0; i < 300; i++) t += i;\n"
                                 "  return x - y; }\n"
                                 "var a = new Array(9, 7, 8, 1, 3, 2);\n"
                                 "a.sort(busy);\n"
                                 "Debug.trace(a.join());\n");
    PlatformSetKeyDown(PlatformKeyEscape, true);
    run.RunToEnd();
    PlatformSetKeyDown(PlatformKeyEscape, false);
    EXPECT_EQ(harness.console.output, "1,2,3,7,8,9");
    EXPECT_EQ(harness.console.errors, "");
}

// Arrays whose length lies far beyond their elements are handled from the
// indices they store. Each case runs on such an array and on a twin with the
// same elements whose padding properties make it take the index-by-index
// walk; the compare functions are inconsistent on purpose, so any
// difference in the calls made or their order shows in the results.
TEST_F(ArrayTest, SparseArraysGiveTheResultsOfTheFullWalk) {
    CorvelRunHarness::Script run(harness,
                                 "var log;\n"
                                 "function odd(x, y) { log += x + ':' + y + ' '; return (x * 7) % 5 - (y * 3) % 4; }\n"
                                 "function build(padded) {\n"
                                 "  var a = new Array(); a.length = 3000;\n"
                                 "  var at = new Array(2999, 0, 17, 5, 1500, 1501, 2000, 40, 41, 2998, 1499);\n"
                                 "  for (var i = 0; i < at.length; i++) a[at[i]] = (i * 13) % 7;\n"
                                 "  a[600] = void 0; a[601] = null; a[2500] = 'text';\n"
                                 "  if (padded) for (i = 0; i < 1000; i++) a['pad' + i] = i;\n"
                                 "  return a;\n"
                                 "}\n"
                                 "Array.prototype[100] = 4;\n"
                                 "var r0 = build(false), r1 = build(true);\n"
                                 "r0.reverse(); r1.reverse();\n"
                                 "var s0 = build(false), s1 = build(true);\n"
                                 "log = ''; s0.sort(odd); var log0 = log;\n"
                                 "log = ''; s1.sort(odd); var log1 = log;\n"
                                 "var t0 = build(false), t1 = build(true);\n"
                                 "t0.sort(); t1.sort();\n"
                                 "var j0 = build(false).join('/'), j1 = build(true).join('/');\n"
                                 "Array.prototype.length = 0;\n");
    ASSERT_TRUE(run.parsed);
    run.RunToEnd();
    ASSERT_EQ(harness.console.errors, "");
    EXPECT_EQ(run.Global("j0").GetString(), std::string(run.Global("j1").GetString()));
    std::string log(run.Global("log0").GetString());
    EXPECT_EQ(log, run.Global("log1").GetString());
    EXPECT_GT(log.size(), 100u);

    auto text = [](CorvelObject* object, uint32_t index) {
        char buffer[16];
        CorvelValue element(object->Get(CorvelStandardArrayInstance::FormatIndex(index, buffer)));
        element.ToString();
        return std::string(element.GetString());
    };
    auto has = [](CorvelObject* object, uint32_t index) {
        char buffer[16];
        return object->HasProperty(CorvelStandardArrayInstance::FormatIndex(index, buffer));
    };
    // Reverse keeps holes as holes: the twins agree on every index.
    CorvelObject* sparse = run.Global("r0").ForceGetObject();
    CorvelObject* full = run.Global("r1").ForceGetObject();
    for (uint32_t index = 0; index < 3000; ++index) {
        ASSERT_EQ(has(sparse, index), has(full, index)) << index;
        ASSERT_EQ(text(sparse, index), text(full, index)) << index;
    }
    EXPECT_TRUE(has(sparse, 2399));  // the undefined element from 600
    // Sort fills the full walk's holes with undefined elements; the sparse
    // array agrees on the values, and has them where it stored an index.
    for (const char* pair : {"s", "t"}) {
        sparse = run.Global((std::string(pair) + "0").c_str()).ForceGetObject();
        full = run.Global((std::string(pair) + "1").c_str()).ForceGetObject();
        for (uint32_t index = 0; index < 3000; ++index) ASSERT_EQ(text(sparse, index), text(full, index)) << index;
        for (uint32_t index : {0u, 12u, 13u, 600u, 2999u}) EXPECT_TRUE(has(sparse, index)) << index;
        EXPECT_FALSE(has(sparse, 14));
        EXPECT_EQ(sparse->Get("length").GetNumber(), 3000);
    }
}

// The largest length with a few elements: every method finishes at once,
// puts each element where the full walk would, and join refuses a result
// beyond its limit before building any of it.
TEST_F(ArrayTest, TheLargestLengthIsHandledQuickly) {
    auto start = std::chrono::steady_clock::now();
    array->Put("length", CorvelValue(4294967295.0));
    array->Put("5", CorvelValue(1));
    array->Put("7", CorvelValue());
    array->Put("4000000000", CorvelValue("z"));
    EXPECT_EQ(CorvelStandardArrayPrototype::Reverse(context.get(), nullptr, 0, holder), CorvelStatus::Return);
    for (const char* name : {"5", "7", "4000000000"}) EXPECT_FALSE(array->HasProperty(name)) << name;
    EXPECT_EQ(array->Get("4294967289").GetNumber(), 1);
    EXPECT_TRUE(array->HasProperty("4294967287"));
    EXPECT_STREQ(array->Get("294967294").GetString(), "z");

    EXPECT_EQ(CorvelStandardArrayPrototype::Sort(context.get(), nullptr, 0, holder), CorvelStatus::Return);
    EXPECT_EQ(array->Get("0").GetNumber(), 1);
    EXPECT_STREQ(array->Get("1").GetString(), "z");
    for (const char* name : {"294967294", "4294967287", "4294967289"}) {
        EXPECT_TRUE(array->HasProperty(name)) << name;
        EXPECT_EQ(array->Get(name).GetType(), CorvelValue::Undefined) << name;
    }
    EXPECT_EQ(array->GetLength(), 4294967295u);

    CorvelValue empty("");
    EXPECT_EQ(CorvelStandardArrayPrototype::Join(context.get(), &empty, 1, holder), CorvelStatus::Return);
    EXPECT_STREQ(context->GetReturnValue().GetString(), "1z");
    EXPECT_EQ(RaisedId([&] { CorvelStandardArrayPrototype::ToString(context.get(), nullptr, 0, holder); }),
              CorvelMessages::TextTooLong);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));

    // Just past the limit, with separators of one and of several bytes.
    const double longest = (double)CorvelStandardArrayPrototype::kLongestText;
    array->Put("length", CorvelValue(longest + 2));
    EXPECT_EQ(RaisedId([&] { CorvelStandardArrayPrototype::Join(context.get(), nullptr, 0, holder); }),
              CorvelMessages::TextTooLong);
    array->Put("length", CorvelValue(longest / 4 + 2));
    CorvelValue wide("abcd");
    EXPECT_EQ(RaisedId([&] { CorvelStandardArrayPrototype::Join(context.get(), &wide, 1, holder); }),
              CorvelMessages::TextTooLong);
}

}  // namespace
