// Elements kept densely: an array must answer for them exactly as an object
// answers for properties of the same names, the order of for-in included.
#include "CorvelMemoryBudget.h"
#include "CorvelArrayFixture.h"
#include "CorvelRunHarness.h"
#include "CorvelStandardArrayInstance.h"
#include "CorvelStandardObjectInstance.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ArrayElementsTest : public CorvelArrayFixture {
protected:
    // Runs `text` and answers what it traced, with any errors after it.
    std::string RunScript(const std::string& text) {
        harness.console.output.clear();
        harness.console.errors.clear();
        CorvelRunHarness::Script run(harness, text.c_str());
        EXPECT_TRUE(run.parsed);
        run.RunToEnd();
        return harness.console.output + harness.console.errors;
    }

    // The own names in enumeration order, "length" left out.
    static std::string OwnNames(CorvelObject* object) {
        std::string names;
        CorvelObject::PropertyEnumerator* enumerator = object->BeginPropertyEnumeration();
        for (int count = object->GetPropertyCount(); count > 0; --count) {
            std::string name = object->GetNextPropertyName(enumerator);
            if (name != "length") names += name + " ";
        }
        object->EndPropertyEnumeration(enumerator);
        return names;
    }
};

// The script builds an array and a plain object by the same steps (the
// object's properties all live in the property store) and traces the names
// for-in gives for both, so the two lines must be equal. `steps` works on
// `t`, with the functions of `helpers`.
std::string Differential(const std::string& steps, const std::string& helpers = "") {
    return helpers + "function build(t) {\n" + steps +
           "}\n"
           "function names(t) { var s = ''; for (var k in t) s = s + k + ' '; return s; }\n"
           "var a = new Array(); build(a);\n"
           "var o = new Object(); build(o);\n"
           "var x = names(a), y = names(o);\n"
           "Debug.trace(x == y ? 'same\\n' : 'array:  ' + x + '\\nobject: ' + y + '\\n');\n";
}

// Elements, holes, far indexes and named properties, stored, deleted and
// stored again in a mixed order.
TEST_F(ArrayElementsTest, EnumerationInterleavesElementsWithNamedPropertiesAsTheStoreWould) {
    EXPECT_EQ(RunScript(Differential("  for (var i = 0; i < 40; i++) t[(i * 7) % 40] = i;\n"
                                     "  t.name = 1; t[5] = 'again'; t.other = 2; t[77] = 3;\n"
                                     "  delete t[3]; delete t[12]; t[3] = 'back'; t[4000000000] = 4;\n"
                                     "  t[1000000] = 5; t['01'] = 6; t[4294967295] = 7; t.z = 8;\n"
                                     "  for (i = 100; i < 400; i += 3) t[i] = i;\n"
                                     "  delete t[399]; delete t[397]; delete t.name; t.name = 9;\n")),
              "same\n");
}

// A pseudo-random run of stores and deletes over a small range of indexes
// and a few names, with for-in walks that change the object as they go.
TEST_F(ArrayElementsTest, RandomStoresDeletesAndChangingWalksMatchAPlainObject) {
    EXPECT_EQ(RunScript(Differential("  seed = 12345;\n"
                                     "  var keys = new Array('a', 'b', 'length2', 'x1', '7z');\n"
                                     "  for (var i = 0; i < 3000; i++) {\n"
                                     "    var r = next(10), k = next(300);\n"
                                     "    if (k >= 290) k = keys[k - 290] || k * 1000;\n"
                                     "    if (r < 6) t[k] = i; else if (r < 9) delete t[k];\n"
                                     "    else { var n = 0; for (var j in t) { if (n++ % 3 == 0) delete t[j];"
                                     " else t[next(400)] = j; if (n > 50) break; } }\n"
                                     "  }\n",
                                     "var seed;\n"
                                     "function next(n) { seed = (seed * 1103515245 + 12345) % 2147483648;"
                                     " return Math.floor(seed / 65536) % n; }\n")),
              "same\n");
}

// The names a walk answers after the object changed under it: removed
// elements are passed over, elements and names added after it began are
// not visited, and one removed and stored again counts as added.
TEST_F(ArrayElementsTest, AWalkPassesOverRemovedAndNewElements) {
    for (uint32_t i = 0; i < 6; ++i) array->PutElement(i, CorvelValue((int)i));
    array->Put("name", CorvelValue(1));
    std::string before = OwnNames(array);

    // The prototype's names follow the own ones; "length" comes first.
    CorvelObject::PropertyEnumerator* enumerator = array->BeginPropertyEnumeration();
    std::string visited;
    std::string name = array->GetNextPropertyName(enumerator);
    if (name == "length") name = array->GetNextPropertyName(enumerator);
    std::string removed = name == "3" ? "2" : "3";
    array->Delete(removed.c_str());
    array->Delete("4");
    array->Put("4", CorvelValue(4));
    array->Put("6", CorvelValue(6));
    array->Put("added", CorvelValue(7));
    for (; name != "length"; name = array->GetNextPropertyName(enumerator)) visited += name + " ";
    array->EndPropertyEnumeration(enumerator);

    std::string expected = before;
    for (const std::string& gone : {removed, std::string("4")}) expected.erase(expected.find(gone + " "), 2);
    EXPECT_EQ(visited, expected);
}

// Truncation removes dense and named elements alike, whatever their
// attributes; delete respects DontDelete; a ReadOnly element keeps its value.
TEST_F(ArrayElementsTest, AttributesTruncationAndDelete) {
    CorvelValue fixed(8);
    fixed.SetAttributes(CorvelValue::DontDelete | CorvelValue::ReadOnly);
    array->PutElement(0, CorvelValue(0));
    array->PutElement(1, fixed);
    array->PutElement(2, CorvelValue(2));
    array->Put("5000000", CorvelValue(3));  // beyond reach: kept by name

    array->PutElement(1, CorvelValue(99));
    array->Put("1", CorvelValue(98));
    EXPECT_EQ(array->GetElement(1).GetNumber(), 8);
    EXPECT_EQ(array->Get("1").GetAttributes(), CorvelValue::DontDelete | CorvelValue::ReadOnly);
    EXPECT_FALSE(array->Delete("1"));
    EXPECT_TRUE(array->Delete("0"));
    EXPECT_FALSE(array->HasProperty("0"));
    EXPECT_EQ(array->GetLength(), 5000001u);

    array->PutElement(0, CorvelValue(7));
    EXPECT_EQ(OwnNames(array), "5000000 0 1 2 ");

    array->Put("length", CorvelValue(2));
    EXPECT_EQ(array->GetPropertyCount(), 3);  // "length", 0 and 1
    EXPECT_EQ(array->GetElement(1).GetNumber(), 8);
    EXPECT_FALSE(array->HasProperty("2"));
    EXPECT_FALSE(array->HasProperty("5000000"));
    array->Put("length", CorvelValue(0));
    EXPECT_EQ(array->GetPropertyCount(), 1);
    EXPECT_EQ(OwnNames(array), "");
}

// A hole reads through the prototype chain, and a name stored on the
// prototype does not become an own element; far indexes on an empty array
// make no vector of their size (the budget would refuse one).
TEST_F(ArrayElementsTest, HolesAndFarIndexes) {
    EXPECT_EQ(RunScript("Array.prototype[1] = 'inherited';\n"
                        "var a = new Array(); a[0] = 'zero'; a[2] = 'two';\n"
                        "Debug.trace(a[1] + ' ' + a.length + ' ' + a.join('-') + '\\n');\n"
                        "var n = 0; for (var k in a) n++; Debug.trace(n + '\\n');\n"
                        "Array.prototype.length = 0;\n"),
              "inherited 3 zero-inherited-two\n3\n");

    harness.environment.GetMemoryBudget().SetLimit(4 * 1024 * 1024);
    EXPECT_EQ(RunScript("var a = new Array(); a[1e9] = 1; a[4000000000] = 2; a[4294967294] = 3;\n"
                        "var b = new Array(); b[1e9] = 4; b[0] = 5; b[1] = 6;\n"
                        "Debug.trace((a.length == 4294967295) + ' ' + a[1e9] + ' ' + b[1e9] + ' ' + b[1] + '\\n');\n"
                        "b.length = 1; Debug.trace(b[1e9] + ' ' + b.length + '\\n');\n"),
              "true 1 4 6\nundefined 1\n");
    harness.environment.GetMemoryBudget().SetLimit(0);
}

// The vector counts against the budget: an array that grows without end
// ends the script with "Out of memory", and its memory is given back.
TEST_F(ArrayElementsTest, GrowingPastTheBudgetEndsTheScript) {
    CorvelMemoryBudget& budget = harness.environment.GetMemoryBudget();
    budget.SetLimit(8 * 1024 * 1024);
    size_t before = budget.GetBytesHeld();
    EXPECT_EQ(RunScript("function fill() { var a = new Array(); for (var i = 0; ; i++) a[i] = i; }\n"
                        "fill();\n"),
              "test.js (1, -1) : Out of memory\n");
    EXPECT_LT(budget.GetBytesHeld(), before + 64 * 1024);
    budget.SetLimit(0);
}

// A reference to an element by number names the same property as one by
// its text, and works on objects that keep no elements densely.
TEST_F(ArrayElementsTest, ElementReferences) {
    CorvelValue byNumber, byText;
    byNumber.SetElementReference(holder.GetObjectKey(), 12);
    byText.SetReference(holder.GetObjectKey(), "12");
    EXPECT_TRUE(byNumber == byText);
    CorvelValue copy(byNumber);
    EXPECT_STREQ(copy.GetPropertyName(), "12");
    byNumber.PutValue(context.get(), CorvelValue("twelve"));
    byText.GetValue();
    EXPECT_STREQ(byText.GetString(), "twelve");
    EXPECT_EQ(array->GetLength(), 13u);

    EXPECT_EQ(RunScript("function g(v) { return v + this.length; }\n"
                        "var f = new Array(); f[0] = g; f[1] = 'z'; f[1] += 'w'; f[2] = 5; f[2]--; ++f[2];\n"
                        "var o = new Object(); o[3] = 'x'; o[3] += 'y'; o[8] = 1; o[8]++; var s = 'abc';\n"
                        "Debug.trace(o['3'] + ' ' + o[3] + ' ' + o[8] + ' ' + s[1] + ' ' + f[0](2) + ' ' + f[1] +"
                        " f[2] + ' ' + (delete o[3]) + ' ' + o[3] + '\\n');\n"),
              "xy xy 2 undefined 5 zw5 true undefined\n");
}

// Storing an element's own value under a new index while the slots grow:
// the value is read before the slots move.
TEST_F(ArrayElementsTest, AnElementCopiedWithinTheArrayAsItGrows) {
    array->PutElement(0, CorvelValue("first"));
    for (uint32_t i = 1; i < 3000; ++i) array->PutElement(i, array->GetElement(i - 1));
    EXPECT_STREQ(array->GetElement(2999).GetString(), "first");
    EXPECT_EQ(array->GetLength(), 3000u);
}

// An element reference survives a suspension of the right-hand side.
TEST_F(ArrayElementsTest, AnElementReferenceOutlivesASuspension) {
    EXPECT_EQ(RunScript("function f() { wait(0); return 7; }\n"
                        "var a = new Array(); a[0] = 1; a[2] = f(); a[2] += f(); a[a.length] = f();\n"
                        "Debug.trace(a.join(',') + '\\n');\n"),
              "1,,14,7\n");
}

// Emptying the array while a walk is open ends the walk's own names.
TEST_F(ArrayElementsTest, AResetDuringAWalk) {
    for (uint32_t i = 0; i < 20; ++i) array->PutElement(i, CorvelValue((int)i));
    CorvelObject::PropertyEnumerator* enumerator = array->BeginPropertyEnumeration();
    ASSERT_NE(array->GetNextPropertyName(enumerator), nullptr);
    array->ResetObject();
    array->PutElement(0, CorvelValue(1));
    // What follows are the prototype's names.
    uint32_t index;
    for (const char* name = array->GetNextPropertyName(enumerator); name;
         name = array->GetNextPropertyName(enumerator))
        EXPECT_FALSE(CorvelStandardArrayInstance::IsArrayIndex(name, index)) << name;
    EXPECT_EQ(array->GetLength(), 1u);
}

}  // namespace
