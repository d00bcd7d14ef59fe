#include "CorvelValue.h"

#include "CorvelNumberText.h"
#include "CorvelRaised.h"
#include "CorvelRuntimeException.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <utility>

namespace {

// No object table exists in these tests, so no key finds an object.
const unsigned long kMissingKey = 0xFFFFFFF0ul;

double ToNumber(const char* text) {
    CorvelValue value(text);
    value.ToNumber();
    EXPECT_EQ(value.GetType(), CorvelValue::Number) << text;
    return value.GetNumber();
}

std::string ToString(CorvelValue value) {
    value.ToString();
    EXPECT_EQ(value.GetType(), CorvelValue::String);
    return value.GetString();
}

std::string ToString(double number) { return ToString(CorvelValue(number)); }

}  // namespace

TEST(CorvelValue, ConstructorsGiveTypeAndPayload) {
    EXPECT_EQ(CorvelValue(7L).GetType(), CorvelValue::Number);
    EXPECT_EQ(CorvelValue(12ul).GetType(), CorvelValue::Object);  // an unsigned long is a key
    EXPECT_STREQ(CorvelValue("abcdef", 3).GetString(), "abc");

    // Made from a type alone, a value has an empty payload but valid text.
    EXPECT_STREQ(CorvelValue(CorvelValue::String).GetString(), "");
    EXPECT_STREQ(CorvelValue(CorvelValue::Reference).GetPropertyName(), "");
    EXPECT_EQ(CorvelValue(CorvelValue::Number).GetNumber(), 0.0);
    EXPECT_EQ(CorvelValue(CorvelValue::Object).GetObjectKey(), 0ul);
    EXPECT_EQ(CorvelValue((CorvelValue::Type)99).GetType(), CorvelValue::Undefined);

    EXPECT_EQ(CorvelValue::ms_null.GetType(), CorvelValue::Null);
    EXPECT_EQ(CorvelValue::ms_null.GetNumber(), 0.0);
    EXPECT_EQ(CorvelValue::ms_undefined.GetType(), CorvelValue::Undefined);
}

TEST(CorvelValue, TextEndsAtTheFirstNulWhateverTheLength) {
    const char text[] = {'a', 'b', 0, 'c', 'd'};
    EXPECT_STREQ(CorvelValue(text, 5).GetString(), "ab");
    CorvelValue value;
    value.SetString(text, 1);
    EXPECT_STREQ(value.GetString(), "a");
    value.SetString(text, 0);
    EXPECT_STREQ(value.GetString(), "");
    value.SetString(nullptr, 3);
    EXPECT_STREQ(value.GetString(), "");
}

TEST(CorvelValue, CopiesAreIndependentAndCarryAttributes) {
    CorvelValue original("text");
    original.SetAttributes(CorvelValue::ReadOnly | CorvelValue::DontEnum);
    CorvelValue copy(original);
    CorvelValue fromPointer(&original);
    EXPECT_STREQ(copy.GetString(), "text");
    EXPECT_STREQ(fromPointer.GetString(), "text");
    EXPECT_EQ(copy.GetAttributes(), CorvelValue::ReadOnly | CorvelValue::DontEnum);
    EXPECT_EQ(CorvelValue((const CorvelValue*)nullptr).GetType(), CorvelValue::Undefined);

    CorvelValue target(5.0);
    target = original;
    original.SetString("changed");
    EXPECT_STREQ(target.GetString(), "text");
    EXPECT_STREQ(copy.GetString(), "text");
    EXPECT_EQ(copy.GetStringLength(), 4);
    EXPECT_EQ(target.GetAttributes(), CorvelValue::ReadOnly | CorvelValue::DontEnum);

    CorvelValue reference(3ul, "p");
    CorvelValue referenceCopy;
    referenceCopy = reference;
    reference.SetUndefined();
    EXPECT_STREQ(referenceCopy.GetPropertyName(), "p");
    EXPECT_EQ(referenceCopy.GetBaseObjectKey(), 3ul);
}

TEST(CorvelValue, AssignmentThroughTheBaseIsVirtual) {
    // A host may derive from the value and copy through a base pointer.
    struct Tracked : CorvelValue {
        int assignments = 0;
        CorvelValue& operator=(const CorvelValue& other) override {
            ++assignments;
            return CorvelValue::operator=(other);
        }
    };
    Tracked tracked;
    CorvelValue& base = tracked;
    const CorvelValue source("x");
    base = source;
    EXPECT_EQ(tracked.assignments, 1);
    EXPECT_STREQ(tracked.GetString(), "x");
}

TEST(CorvelValue, SelfAssignmentAndAliasedSettersKeepTheText) {
    CorvelValue value("hello world");
    CorvelValue& alias = value;
    value = alias;
    EXPECT_STREQ(value.GetString(), "hello world");
    value = std::move(alias);
    EXPECT_STREQ(value.GetString(), "hello world");

    value.SetString(value.GetString() + 6);
    EXPECT_STREQ(value.GetString(), "world");
    value.SetString(value.GetString(), 3);
    EXPECT_STREQ(value.GetString(), "wor");
    value.SetReference(1ul, value.GetString());
    EXPECT_STREQ(value.GetPropertyName(), "wor");
    value.SetReference(2ul, value.GetPropertyName());
    EXPECT_STREQ(value.GetPropertyName(), "wor");
    value.ConvertFromString(value.GetPropertyName());
    EXPECT_STREQ(value.GetString(), "wor");
    value.ConvertFromString(value.GetString());
    EXPECT_STREQ(value.GetString(), "wor");
}

TEST(CorvelValue, MovesHandOverThePayload) {
    CorvelValue source("moved");
    const char* text = source.GetString();
    CorvelValue target(std::move(source));
    EXPECT_EQ(target.GetString(), text);
    EXPECT_EQ(source.GetType(), CorvelValue::Undefined);

    CorvelValue other(1.0);
    other = std::move(target);
    EXPECT_EQ(other.GetString(), text);
    EXPECT_EQ(target.GetType(), CorvelValue::Undefined);
}

TEST(CorvelValue, SettersKeepAttributes) {
    CorvelValue value("text");
    value.SetAttributes(CorvelValue::DontDelete);
    value.SetObject(9ul);
    value.SetInt(-4);
    EXPECT_EQ(value.GetType(), CorvelValue::Number);
    EXPECT_EQ(value.ForceGetObjectKey(), 0ul);
    value.SetNull();
    EXPECT_EQ(value.GetAttributes(), CorvelValue::DontDelete);
}

TEST(CorvelValue, ReferenceGettersRefuseOtherTypes) {
    EXPECT_EQ(RaisedId([] { CorvelValue(1.0).GetBaseObjectKey(); }), 1011u);
    EXPECT_EQ(RaisedId([] { CorvelValue(5ul).GetPropertyName(); }), 1012u);
    EXPECT_EQ(RaisedId([] { CorvelValue(0ul, "x").GetPropertyName(); }), 0u);
}

TEST(CorvelValue, ToNumberReadsStringsByTheLanguageRules) {
    EXPECT_EQ(ToNumber(""), 0.0);
    EXPECT_EQ(ToNumber("  12  "), 12.0);
    EXPECT_EQ(ToNumber("\t\n\v\f\r 7 \t\n\v\f\r"), 7.0);
    EXPECT_EQ(ToNumber("   "), 0.0);
    EXPECT_TRUE(std::isnan(ToNumber("12px")));
    EXPECT_EQ(ToNumber("0x1F"), 31.0);
    EXPECT_EQ(ToNumber("0XfF"), 255.0);
    EXPECT_EQ(ToNumber("0x"), 0.0);
    EXPECT_TRUE(std::isnan(ToNumber("0x1G")));
    EXPECT_TRUE(std::isnan(ToNumber("0x1 ")));
    EXPECT_EQ(ToNumber("-5"), -5.0);
    EXPECT_EQ(ToNumber("+5"), 5.0);
    EXPECT_EQ(ToNumber("-+5"), 5.0);
    EXPECT_EQ(ToNumber("- 5"), -5.0);
    EXPECT_EQ(ToNumber("1e3"), 1000.0);
    EXPECT_EQ(ToNumber(".5"), 0.5);
    EXPECT_EQ(ToNumber("5."), 5.0);
    EXPECT_EQ(ToNumber("2.5E-1"), 0.25);
    EXPECT_TRUE(std::isnan(ToNumber("1e")));
    EXPECT_TRUE(std::isnan(ToNumber(".")));
    EXPECT_EQ(ToNumber("1e999"), HUGE_VAL);
    EXPECT_EQ(ToNumber("-1e999"), -HUGE_VAL);
    EXPECT_EQ(ToNumber("1e-999"), 0.0);
}

TEST(CorvelValue, ToNumberTakesNoWordsAndNoSignedHex) {
    // Some C libraries read these as numbers; the language does not.
    for (const char* text : {"Infinity", "-Infinity", "inf", "INF", "infinity", "nan", "NaN",
                             "-0x10", "+0x10", " 0x10", "0x1p3", "0x1.8", "1,5"})
        EXPECT_TRUE(std::isnan(ToNumber(text))) << text;
}

TEST(CorvelValue, ToNumberOfOtherTypes) {
    CorvelValue undefined;
    undefined.ToNumber();
    EXPECT_TRUE(std::isnan(undefined.GetNumber()));

    CorvelValue values[] = {CorvelValue::ms_null, CorvelValue(true), CorvelValue(false),
                            CorvelValue(3ul, "p")};
    double expected[] = {0.0, 1.0, 0.0, 0.0};
    for (int i = 0; i < 4; ++i) {
        values[i].ToNumber();
        EXPECT_EQ(values[i].GetType(), CorvelValue::Number);
        EXPECT_EQ(values[i].GetNumber(), expected[i]);
    }

    // An object that cannot be found reads as the text "[Missing Object]".
    CorvelValue object(kMissingKey);
    object.ToNumber();
    EXPECT_TRUE(std::isnan(object.GetNumber()));
}

TEST(CorvelValue, ToStringWritesNumbersLikeG) {
    EXPECT_EQ(ToString(1.0 / 3), "0.333333");
    EXPECT_EQ(ToString(0.1 + 0.2), "0.3");
    EXPECT_EQ(ToString(1234567.0), "1.23457e+06");
    EXPECT_EQ(ToString(123456.0), "123456");
    EXPECT_EQ(ToString(0.0001), "0.0001");
    EXPECT_EQ(ToString(0.00001), "1e-05");
    EXPECT_EQ(ToString(-2.5), "-2.5");
    EXPECT_EQ(ToString(1e300), "1e+300");
    EXPECT_EQ(ToString(-0.0), "0");
    EXPECT_EQ(ToString(1.0 / 0.0), "Infinity");
    EXPECT_EQ(ToString(-1.0 / 0.0), "-Infinity");
    EXPECT_EQ(ToString(std::nan("")), "NaN");
    EXPECT_EQ(ToString(-std::nan("")), "NaN");
    EXPECT_STREQ(CorvelValue::NumberToString(1234567.0).GetText(), "1.23457e+06");
}

// Only subscripts that are array indices leave the "%g" rule: six
// significant digits would make neighbouring indices one name.
TEST(CorvelValue, PropertyNamesOfSubscripts) {
    auto name = [](CorvelValue value) {
        value.ToPropertyName();
        EXPECT_EQ(value.GetType(), CorvelValue::String);
        return std::string(value.GetString());
    };
    EXPECT_EQ(name(CorvelValue(1000001.0)), "1000001");
    EXPECT_EQ(name(CorvelValue(4294967294.0)), "4294967294");
    EXPECT_EQ(name(CorvelValue(0.0)), "0");
    EXPECT_EQ(name(CorvelValue(-0.0)), "0");
    EXPECT_EQ(name(CorvelValue(4294967295.0)), "4.29497e+09");
    EXPECT_EQ(name(CorvelValue(-1000001.0)), "-1e+06");
    EXPECT_EQ(name(CorvelValue(1000001.5)), "1e+06");
    EXPECT_EQ(name(CorvelValue(std::nan(""))), "NaN");
    EXPECT_EQ(name(CorvelValue("1000001")), "1000001");
    EXPECT_EQ(name(CorvelValue(true)), "true");
}

TEST(CorvelValue, ToStringOfOtherTypes) {
    EXPECT_EQ(ToString(CorvelValue()), "undefined");
    EXPECT_EQ(ToString(CorvelValue::ms_null), "null");
    EXPECT_EQ(ToString(CorvelValue(true)), "true");
    EXPECT_EQ(ToString(CorvelValue(false)), "false");
    EXPECT_EQ(ToString(CorvelValue("same")), "same");
    EXPECT_EQ(ToString(CorvelValue(kMissingKey)), "[Missing Object]");
    EXPECT_EQ(ToString(CorvelValue(1ul, "p")), "");
}

TEST(CorvelValue, ToBoolean) {
    struct Case {
        CorvelValue value;
        bool expected;
    } cases[] = {
        {CorvelValue(), false},         {CorvelValue::ms_null, false},   {CorvelValue(true), true},
        {CorvelValue(0.0), false},      {CorvelValue(-0.0), false},      {CorvelValue(std::nan("")), false},
        {CorvelValue(-2.0), true},      {CorvelValue(""), false},        {CorvelValue("0"), true},
        {CorvelValue(kMissingKey), true}, {CorvelValue(1ul, "p"), false},
    };
    for (Case& c : cases) {
        c.value.ToBoolean();
        EXPECT_EQ(c.value.GetType(), CorvelValue::Boolean);
        EXPECT_EQ(c.value.GetBool(), c.expected);
    }
}

TEST(CorvelValue, ToInteger) {
    struct Case {
        double number, expected;
    } cases[] = {{2.7, 2}, {-2.7, -2}, {0.5, 0}, {1e300, 1e300}, {HUGE_VAL, HUGE_VAL}, {-HUGE_VAL, -HUGE_VAL}};
    for (const Case& c : cases) {
        CorvelValue value(c.number);
        value.ToInteger();
        EXPECT_EQ(value.GetNumber(), c.expected) << c.number;
    }
    CorvelValue nan(std::nan(""));
    nan.ToInteger();
    EXPECT_EQ(nan.GetNumber(), 0.0);
    CorvelValue text("-7.9");
    text.ToInteger();
    EXPECT_EQ(text.GetNumber(), -7.0);
}

TEST(CorvelValue, ToInt32AndToUint32WrapModulo2To32) {
    struct Case {
        double number;
        int32_t int32;
        uint32_t uint32;
    } cases[] = {
        {4294967296.0, 0, 0u},
        {2147483648.0, INT_MIN, 2147483648u},
        {4294967295.0, -1, 4294967295u},
        {0.5, 0, 0u},
        {-0.5, 0, 0u},
        {-1.0, -1, 4294967295u},
        {-4294967297.0, -1, 4294967295u},
        {4294967298.9, 2, 2u},
        {1e300, 0, 0u},
        {-1e300, 0, 0u},
        {9007199254740993.0, 0, 0u},  // 2^53 + 1 rounds to 2^53
        {HUGE_VAL, 0, 0u},
        {-HUGE_VAL, 0, 0u},
        {std::nan(""), 0, 0u},
    };
    for (const Case& c : cases) {
        CorvelValue a(c.number), b(c.number);
        EXPECT_EQ(a.ToInt32(), c.int32) << c.number;
        EXPECT_EQ(b.ToUint32(), c.uint32) << c.number;
        EXPECT_EQ(a.GetType(), CorvelValue::Number);
    }
    CorvelValue text("-1");
    EXPECT_EQ(text.ToUint32(), 4294967295u);
    EXPECT_EQ(text.GetType(), CorvelValue::Number);
}

TEST(CorvelValue, ToUint16WrapsModulo2To16) {
    struct Case {
        double number;
        uint16_t expected;
    } cases[] = {{65537.0, 1}, {-1.0, 65535}, {65535.9, 65535}, {1e300, 0}, {-HUGE_VAL, 0}, {std::nan(""), 0}};
    for (const Case& c : cases) {
        CorvelValue value(c.number);
        EXPECT_EQ(value.ToUint16(), c.expected) << c.number;
    }
}

TEST(CorvelValue, AbstractEquality) {
    struct Case {
        CorvelValue a, b;
        bool expected;
    } cases[] = {
        {CorvelValue::ms_null, CorvelValue(), true},
        {CorvelValue(), CorvelValue::ms_null, true},
        {CorvelValue::ms_null, CorvelValue(0.0), false},
        {CorvelValue(), CorvelValue(false), false},
        {CorvelValue("1"), CorvelValue(1.0), true},
        {CorvelValue(1.0), CorvelValue("1.0"), true},
        {CorvelValue(true), CorvelValue(1.0), true},
        {CorvelValue("1"), CorvelValue(true), true},
        {CorvelValue(false), CorvelValue(""), true},
        {CorvelValue(std::nan("")), CorvelValue(std::nan("")), false},
        {CorvelValue(0.0), CorvelValue(-0.0), true},
        {CorvelValue("a"), CorvelValue("a"), true},
        {CorvelValue("a"), CorvelValue("A"), false},
        {CorvelValue(3ul), CorvelValue(3ul), true},
        {CorvelValue(3ul), CorvelValue(4ul), false},
        {CorvelValue(3ul), CorvelValue::ms_null, false},
        {CorvelValue(2ul, "p"), CorvelValue(2ul, "p"), true},
        {CorvelValue(2ul, "p"), CorvelValue(2ul, "q"), false},
        // An object that cannot be found compares as its text.
        {CorvelValue(kMissingKey), CorvelValue("[Missing Object]"), true},
        {CorvelValue("[Missing Object]"), CorvelValue(kMissingKey), true},
        {CorvelValue(kMissingKey), CorvelValue(1.0), false},
        {CorvelValue(kMissingKey), CorvelValue(true), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a == c.b, c.expected) << ToString(c.a) << " == " << ToString(c.b);
        EXPECT_EQ(c.a != c.b, !c.expected);
    }

    // The operands themselves are converted in place.
    CorvelValue text("2"), flag(true);
    EXPECT_FALSE(text.ECMAAbstractEquality(flag));
    EXPECT_EQ(text.GetType(), CorvelValue::Number);
    EXPECT_EQ(flag.GetType(), CorvelValue::Number);
}

TEST(CorvelValue, HostRelationalOperators) {
    CorvelValue a("a"), b("b"), ab("ab"), ten("10"), nine("9");
    EXPECT_TRUE(a < b);
    EXPECT_FALSE(a < a);
    EXPECT_TRUE(a <= a);
    EXPECT_TRUE(ab > a);
    EXPECT_TRUE(ten < nine);  // text against text
    EXPECT_FALSE(ten < CorvelValue(9.0));
    EXPECT_TRUE(CorvelValue("\xe9") > CorvelValue("z"));  // bytes are unsigned

    CorvelValue nan(std::nan("")), one(1.0);
    EXPECT_FALSE(nan < one);
    EXPECT_FALSE(nan >= one);
    EXPECT_FALSE(one <= nan);
    EXPECT_FALSE(one > CorvelValue("x"));

    EXPECT_TRUE(CorvelValue(-0.0) <= CorvelValue(0.0));
    EXPECT_FALSE(CorvelValue(-0.0) < CorvelValue(0.0));
    EXPECT_TRUE(CorvelValue(HUGE_VAL) > CorvelValue(1e308));
    EXPECT_TRUE(CorvelValue(-HUGE_VAL) < CorvelValue(-1e308));
    EXPECT_TRUE(CorvelValue::ms_null < CorvelValue(true));
    EXPECT_TRUE(CorvelValue(2.0) >= CorvelValue("2"));

    // The host operators leave their operands alone.
    EXPECT_EQ(ten.GetType(), CorvelValue::String);
    EXPECT_EQ(one.GetType(), CorvelValue::Number);
}

TEST(CorvelValue, ForceGetNeverChangesTheValue) {
    CorvelValue text(" 42abc");
    EXPECT_TRUE(text.ForceGetBool());
    EXPECT_EQ(text.ForceGetInteger(), 42);
    EXPECT_EQ(text.ForceGetNumber(), 42.0);
    EXPECT_STREQ(text.ForceGetString().GetText(), " 42abc");
    EXPECT_EQ(text.GetType(), CorvelValue::String);

    EXPECT_FALSE(CorvelValue("").ForceGetBool());
    EXPECT_EQ(CorvelValue("-2.5e1x").ForceGetNumber(), -25.0);
    EXPECT_EQ(CorvelValue("0x10").ForceGetNumber(), 0.0);
    EXPECT_EQ(CorvelValue("inf").ForceGetNumber(), 0.0);
    EXPECT_EQ(CorvelValue("99999999999").ForceGetInteger(), INT_MAX);
    EXPECT_EQ(CorvelValue("-99999999999").ForceGetInteger(), INT_MIN);

    EXPECT_FALSE(CorvelValue(std::nan("")).ForceGetBool());
    EXPECT_FALSE(CorvelValue(-0.0).ForceGetBool());
    EXPECT_EQ(CorvelValue(-3.9).ForceGetInteger(), -3);
    EXPECT_EQ(CorvelValue(1e10).ForceGetInteger(), INT_MAX);
    EXPECT_EQ(CorvelValue(-1e10).ForceGetInteger(), INT_MIN);
    EXPECT_EQ(CorvelValue(std::nan("")).ForceGetInteger(), 0);
    EXPECT_EQ(CorvelValue(-HUGE_VAL).ForceGetInteger(), INT_MIN);
    EXPECT_STREQ(CorvelValue(1234567.0).ForceGetString().GetText(), "1.23457e+06");
    EXPECT_STREQ(CorvelValue(0.5).ForceGetString().GetText(), "0.5");
    // The values "%g" would print differently from platform to platform
    // read as the language writes them.
    EXPECT_STREQ(CorvelValue(std::nan("")).ForceGetString().GetText(), "NaN");
    EXPECT_STREQ(CorvelValue(-std::nan("")).ForceGetString().GetText(), "NaN");
    EXPECT_STREQ(CorvelValue(HUGE_VAL).ForceGetString().GetText(), "Infinity");
    EXPECT_STREQ(CorvelValue(-HUGE_VAL).ForceGetString().GetText(), "-Infinity");
    EXPECT_STREQ(CorvelValue(-0.0).ForceGetString().GetText(), "0");

    EXPECT_EQ(CorvelValue(true).ForceGetInteger(), 1);
    EXPECT_EQ(CorvelValue(true).ForceGetNumber(), 1.0);
    EXPECT_STREQ(CorvelValue(false).ForceGetString().GetText(), "false");

    for (const CorvelValue& empty : {CorvelValue(), CorvelValue::ms_null, CorvelValue(1ul, "p")}) {
        EXPECT_FALSE(empty.ForceGetBool());
        EXPECT_EQ(empty.ForceGetInteger(), 0);
        EXPECT_EQ(empty.ForceGetNumber(), 0.0);
        EXPECT_STREQ(empty.ForceGetString().GetText(), "");
    }
}

TEST(CorvelValue, ForceGetOfAnObjectThatCannotBeFound) {
    // Such an object counts as an object: it gives no primitive of its own.
    CorvelValue missing(kMissingKey);
    EXPECT_TRUE(missing.ForceGetBool());
    EXPECT_EQ(missing.ForceGetInteger(), 1);
    EXPECT_EQ(missing.ForceGetNumber(), 1.0);
    EXPECT_STREQ(missing.ForceGetString().GetText(), "object");
    EXPECT_EQ(missing.GetType(), CorvelValue::Object);

    CorvelValue none(0ul);
    EXPECT_FALSE(none.ForceGetBool());
    EXPECT_EQ(none.ForceGetInteger(), 0);
    EXPECT_EQ(none.ForceGetNumber(), 0.0);
}

TEST(CorvelValue, ConvertFromString) {
    CorvelValue value;
    for (const char* text : {"TRUE", "true", "True"}) {
        value.ConvertFromString(text);
        EXPECT_EQ(value.GetType(), CorvelValue::Boolean);
        EXPECT_TRUE(value.GetBool());
    }
    value.ConvertFromString("fAlSe");
    EXPECT_FALSE(value.GetBool());

    struct Case {
        const char* text;
        double number;
    } numbers[] = {{"12", 12}, {"-12", -12}, {" +7", 7}, {"1.5", 1.5}, {"1e3", 1000},
                   {"99999999999", 99999999999.0}, {"-99999999999999999999", -1e20}};
    for (const Case& c : numbers) {
        value.ConvertFromString(c.text);
        EXPECT_EQ(value.GetType(), CorvelValue::Number) << c.text;
        EXPECT_EQ(value.GetNumber(), c.number) << c.text;
    }

    for (const char* text : {"12a", "", " ", "12 ", "0x10", "truex", "inf", "nan", "-"}) {
        value.ConvertFromString(text);
        EXPECT_EQ(value.GetType(), CorvelValue::String) << text;
        EXPECT_STREQ(value.GetString(), text);
    }
    value.ConvertFromString(nullptr);
    EXPECT_STREQ(value.GetString(), "");
}

TEST(CorvelValue, LegalIdentifiers) {
    struct Case {
        const char* name;
        const char* legal;
    } cases[] = {{"3d view", "_3d_view"}, {"plain", "plain"}, {"a-b.c", "a_b_c"},
                 {"$x_1", "$x_1"},       {"", ""},           {"9", "_9"},
                 {"\xe9t\xe9", "_t_"}};
    for (const Case& c : cases) {
        QelString name(c.name);
        CorvelValue::ConvertToLegalIdentifier(name);
        EXPECT_STREQ(name.GetText(), c.legal) << c.name;
        EXPECT_TRUE(CorvelValue::CompareAsLegalIdentifier(c.legal, c.name)) << c.name;
    }

    EXPECT_FALSE(CorvelValue::CompareAsLegalIdentifier("_3d_view", "3d_views"));
    EXPECT_FALSE(CorvelValue::CompareAsLegalIdentifier("_3d_views", "3d view"));
    EXPECT_FALSE(CorvelValue::CompareAsLegalIdentifier("a_b", "aXb"));  // X was already legal
    EXPECT_FALSE(CorvelValue::CompareAsLegalIdentifier("aYb", "a b"));  // only '_' stands in
    EXPECT_FALSE(CorvelValue::CompareAsLegalIdentifier("_a", "a"));
    EXPECT_TRUE(CorvelValue::CompareAsLegalIdentifier("_3", "_3"));
    EXPECT_TRUE(CorvelValue::CompareAsLegalIdentifier(nullptr, ""));
}

TEST(CorvelNumberText, ScanDecimalStopsWhereStrtodWould) {
    struct Case {
        const char* text;
        double number;
        int used;
    } cases[] = {
        {"  -1.5e2xyz", -150, 8}, {"+.5", 0.5, 3},   {"7e+", 7, 1},     {"1e-2.", 0.01, 4},
        {"abc", 0, 0},            {"  ", 0, 0},      {"-", 0, 0},       {"0x1A", 0, 1},
        {"infinity", 0, 0},       {"1e400", HUGE_VAL, 5}, {"0.00001e-400", 0, 12},
        {"000123.4500", 123.45, 11},
    };
    for (const Case& c : cases) {
        const char* end;
        EXPECT_EQ(CorvelNumberText::ScanDecimal(c.text, &end), c.number) << c.text;
        EXPECT_EQ(end - c.text, c.used) << c.text;
    }
}

TEST(CorvelNumberText, ScanIntegerClampsInsteadOfOverflowing) {
    EXPECT_EQ(CorvelNumberText::ScanInteger(" -17x"), -17);
    EXPECT_EQ(CorvelNumberText::ScanInteger("2147483647"), INT_MAX);
    EXPECT_EQ(CorvelNumberText::ScanInteger("2147483648"), INT_MAX);
    EXPECT_EQ(CorvelNumberText::ScanInteger("-2147483648"), INT_MIN);
    EXPECT_EQ(CorvelNumberText::ScanInteger("-99999999999999999999999"), INT_MIN);
    EXPECT_EQ(CorvelNumberText::ScanInteger("x1"), 0);
    EXPECT_EQ(CorvelNumberText::ScanInteger(nullptr), 0);
}
