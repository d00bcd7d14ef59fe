#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelNativeTest.h"
#include "CorvelRunHarness.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardDateConstructor.h"
#include "CorvelStandardDateInstance.h"
#include "CorvelStandardDatePrototype.h"
#include "CorvelStandardObjectInstance.h"
#include "PlatformTimeZone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

typedef CorvelStandardDatePrototype Date;

const char* const kNorth = "EST5EDT,M3.2.0,M11.1.0";
const char* const kSouth = "AEST-10AEDT,M10.1.0,M4.1.0";
const double kHour = Date::msPerHour;

// Sets TZ for one test, re-reads the rules, and restores both after.
class ZoneScope {
public:
    explicit ZoneScope(const char* tz) {
        const char* current = getenv("TZ");
        hadTz = current != nullptr;
        if (hadTz) saved = current;
        setenv("TZ", tz, 1);
        PlatformTimeZone::Reload();
    }
    ~ZoneScope() {
        if (hadTz) setenv("TZ", saved.c_str(), 1);
        else unsetenv("TZ");
        PlatformTimeZone::Reload();
    }

private:
    std::string saved;
    bool hadTz = false;
};

// A UTC time value from calendar fields (month 0 to 11).
double Utc(double year, double month, double date, double hours = 0, double minutes = 0) {
    return Date::MakeDate(Date::MakeDay(year, month, date), Date::MakeTime(hours, minutes, 0, 0));
}

class DateScriptTest : public ::testing::Test {
protected:
    // The trace output of `text` run in zone `tz`.
    std::string Run(const char* tz, const std::string& text) {
        ZoneScope zone(tz);
        harness.console.output.clear();
        harness.console.errors.clear();
        return harness.Run(text.c_str());
    }
    // The text of a script expression.
    std::string Show(const char* tz, const std::string& expression) {
        return Run(tz, "Debug.trace(" + expression + ");");
    }

    CorvelRunHarness harness;
};

// Calls prototype functions directly, from a context of a session that is
// never run.
class DateNativeTest : public CorvelNativeTest {
protected:
    void SetUp() override {
        CorvelNativeTest::SetUp();
        context->AddScope(script->globalObject);
    }
    CorvelValue NewDate(double t) {
        CorvelStandardDateInstance* date = new CorvelStandardDateInstance;
        date->SetDate(t);
        CorvelValue value;
        value.SetNewObject(date);
        return value;
    }
    // Message id raised by `name` called on `thisValue`, 0 when none.
    uint32_t RaisedBy(const char* name, const CorvelValue& thisValue) {
        CorvelNativeFunction function = harness.environment.GetStandardDatePrototype()->FindMethod(name);
        EXPECT_NE(function, nullptr) << name;
        if (!function) return 0;
        CorvelValue argument(1.0);
        try {
            function(context.get(), &argument, 1, thisValue);
        } catch (CorvelRuntimeException* exception) {
            uint32_t id = exception->GetMessageId();
            delete exception;
            return id;
        }
        return 0;
    }
    CorvelValue Call(const char* name, const CorvelValue& thisValue, double argument = NAN, int count = 0) {
        CorvelNativeFunction function = harness.environment.GetStandardDatePrototype()->FindMethod(name);
        CorvelValue value(argument);
        EXPECT_EQ(function(context.get(), &value, count, thisValue), CorvelStatus::Return);
        return CorvelValue(context->GetReturnValue());
    }

};

const char* const kPrototypeFunctions[] = {
    "toString",       "valueOf",          "getTime",            "getFullYear",        "getUTCFullYear",
    "getMonth",       "getUTCMonth",      "getDate",            "getUTCDate",         "getDay",
    "getUTCDay",      "getHours",         "getUTCHours",        "getMinutes",         "getUTCMinutes",
    "getSeconds",     "getUTCSeconds",    "getMilliseconds",    "getUTCMilliseconds", "getTimezoneOffset",
    "setTime",        "setMilliseconds",  "setUTCMilliseconds", "setSeconds",         "setUTCSeconds",
    "setMinutes",     "setUTCMinutes",    "setHours",           "setUTCHours",        "setDate",
    "setUTCDate",     "setMonth",         "setUTCMonth",        "setFullYear",        "setUTCFullYear",
    "toLocaleString", "toUTCString",      "toGMTString"};

}  // namespace

// ---- Calendar arithmetic ----

TEST(DateArithmetic, YearFromTimeFindsEveryYearBoundary) {
    for (double year = -271821; year <= 275760; year += 997) {
        for (double y : {year, year + 1, year + 2, year + 3}) {
            double start = Date::TimeFromYear(y);
            EXPECT_EQ(Date::YearFromTime(start), y);
            EXPECT_EQ(Date::YearFromTime(start - 1), y - 1);
            EXPECT_EQ(Date::YearFromTime(start + 365 * Date::msPerDay - 1), y);
        }
    }
    EXPECT_TRUE(std::isnan(Date::YearFromTime(NAN)));
    EXPECT_TRUE(std::isnan(Date::YearFromTime(INFINITY)));
    // Far past the time values the answer is meaningless, but it comes.
    EXPECT_TRUE(std::isfinite(Date::YearFromTime(1e300)));
}

TEST(DateArithmetic, MonthAndDateFollowTheCalendarThroughLeapYears) {
    const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (double year : {1900.0, 1969.0, 1970.0, 2000.0, 2024.0, -4.0}) {
        bool leap = Date::IsLeapYear(year);
        double t = Date::TimeFromYear(year);
        for (int month = 0; month < 12; ++month) {
            int length = lengths[month] + (leap && month == 1 ? 1 : 0);
            for (int date = 1; date <= length; ++date, t += Date::msPerDay) {
                ASSERT_EQ(Date::MonthFromTime(t + 13 * kHour), month) << year << "-" << month << "-" << date;
                ASSERT_EQ(Date::DateFromTime(t), date) << year << "-" << month << "-" << date;
                ASSERT_EQ(Date::MakeDay(year, month, date), Date::Day(t));
            }
        }
        EXPECT_EQ(Date::YearFromTime(t), year + 1);
    }
    EXPECT_FALSE(Date::IsLeapYear(1900));
    EXPECT_TRUE(Date::IsLeapYear(2000));
}

TEST(DateArithmetic, FieldsBefore1970AreNeverNegative) {
    for (double t : {-1.0, -999.0, -86400001.0, -1e12 - 1, -8.64e15}) {
        EXPECT_GE(Date::HourFromTime(t), 0) << t;
        EXPECT_GE(Date::MinFromTime(t), 0) << t;
        EXPECT_GE(Date::SecFromTime(t), 0) << t;
        EXPECT_GE(Date::MsFromTime(t), 0) << t;
        EXPECT_GE(Date::WeekDay(t), 0) << t;
        EXPECT_LE(Date::WeekDay(t), 6) << t;
    }
    EXPECT_EQ(Date::MsFromTime(-1), 999);
    EXPECT_EQ(Date::HourFromTime(-1), 23);
    EXPECT_EQ(Date::WeekDay(-1), 3);  // Wednesday 31 December 1969
    EXPECT_EQ(Date::DateFromTime(-1), 31);
    // A field that comes out zero is +0, as 1 / x shows: midnight before 1970.
    const double midnight = -86400000.0 * 365;
    for (double field : {Date::HourFromTime(midnight), Date::MinFromTime(midnight), Date::SecFromTime(midnight),
                         Date::MsFromTime(midnight), Date::TimeWithinDay(midnight)})
        EXPECT_FALSE(std::signbit(field));
}

TEST(DateArithmetic, MakeFunctionsTruncateRollOverAndRefuseTheNonFinite) {
    EXPECT_EQ(Date::MakeTime(1.9, 2.9, 3.9, 4.9), kHour + 2 * 60000 + 3000 + 4);
    EXPECT_EQ(Date::MakeTime(-1.5, 0, 0, 0), -kHour);
    EXPECT_EQ(Date::MakeDay(2001, 13, 1), Date::MakeDay(2002, 1, 1));
    EXPECT_EQ(Date::MakeDay(2001, -1, 1), Date::MakeDay(2000, 11, 1));
    EXPECT_EQ(Date::MakeDay(2001, 0, 0), Date::MakeDay(2000, 11, 31));
    EXPECT_EQ(Date::MakeDay(2000, 1, 30), Date::MakeDay(2000, 2, 1));
    EXPECT_EQ(Date::MakeDay(1970, 0, 1), 0);
    for (double bad : {(double)NAN, (double)INFINITY, -(double)INFINITY}) {
        EXPECT_TRUE(std::isnan(Date::MakeTime(bad, 0, 0, 0)));
        EXPECT_TRUE(std::isnan(Date::MakeTime(0, 0, 0, bad)));
        EXPECT_TRUE(std::isnan(Date::MakeDay(2000, bad, 1)));
        EXPECT_TRUE(std::isnan(Date::MakeDay(bad, 0, 1)));
        EXPECT_TRUE(std::isnan(Date::MakeDate(bad, 0)));
        EXPECT_TRUE(std::isnan(Date::MakeDate(0, bad)));
        EXPECT_TRUE(std::isnan(Date::TimeClip(bad)));
    }
    // Huge fields stay numbers until clipped.
    EXPECT_TRUE(std::isnan(Date::TimeClip(Date::MakeDate(Date::MakeDay(1e300, 1e300, 1e300), 0))));

    CorvelValue hour("2"), minute(30.7), second, ms(true), result;
    Date::MakeTime(hour, minute, second, ms, result);
    EXPECT_TRUE(std::isnan(result.GetNumber()));  // undefined seconds
    second.SetNumber(0);
    Date::MakeTime(hour, minute, second, ms, result);
    EXPECT_EQ(result.GetNumber(), 2 * kHour + 30 * 60000 + 1);
    Date::MakeDay(CorvelValue("1970"), CorvelValue(12), CorvelValue(1), result);
    EXPECT_EQ(result.GetNumber(), 365);
}

TEST(DateArithmetic, TimeClipKeepsTheRangeAndDropsFractions) {
    EXPECT_EQ(Date::TimeClip(8.64e15), 8.64e15);
    EXPECT_EQ(Date::TimeClip(-8.64e15), -8.64e15);
    EXPECT_TRUE(std::isnan(Date::TimeClip(8.64e15 + 1)));
    EXPECT_TRUE(std::isnan(Date::TimeClip(-8.64e15 - 1)));
    EXPECT_EQ(Date::TimeClip(-0.5), 0);
    EXPECT_FALSE(std::signbit(Date::TimeClip(-0.5)));
    EXPECT_EQ(Date::TimeClip(1.9), 1);
    EXPECT_EQ(Date::TimeClip(-1.9), -1);
}

// ---- Daylight saving ----

TEST(DateDaylight, RelativeRulesFindTheirDay) {
    PlatformTimeZone::Rule lastSundayOfMarch;
    lastSundayOfMarch.month = 3;
    lastSundayOfMarch.day = 5;
    lastSundayOfMarch.dayOfWeek = 0;
    // 31 March 2024 is a Sunday; 31 March 2023 a Friday.
    EXPECT_EQ(Date::TimeFromDaylightDay(2024, lastSundayOfMarch), Utc(2024, 2, 31));
    EXPECT_EQ(Date::TimeFromDaylightDay(2023, lastSundayOfMarch), Utc(2023, 2, 26));

    PlatformTimeZone::Rule firstSundayOfApril = lastSundayOfMarch;
    firstSundayOfApril.month = 4;
    firstSundayOfApril.day = 1;
    // 1 April 2024 is a Monday; 1 April 2018 a Sunday.
    EXPECT_EQ(Date::TimeFromDaylightDay(2024, firstSundayOfApril), Utc(2024, 3, 7));
    EXPECT_EQ(Date::TimeFromDaylightDay(2018, firstSundayOfApril), Utc(2018, 3, 1));

    PlatformTimeZone::Rule lastThursdayOfFebruary = lastSundayOfMarch;
    lastThursdayOfFebruary.month = 2;
    lastThursdayOfFebruary.dayOfWeek = 4;
    EXPECT_EQ(Date::TimeFromDaylightDay(2024, lastThursdayOfFebruary), Utc(2024, 1, 29));
    EXPECT_EQ(Date::TimeFromDaylightDay(2023, lastThursdayOfFebruary), Utc(2023, 1, 23));

    PlatformTimeZone::Rule fourthSaturday = lastSundayOfMarch;
    fourthSaturday.day = 4;
    fourthSaturday.dayOfWeek = 6;
    EXPECT_EQ(Date::TimeFromDaylightDay(1969, fourthSaturday), Utc(1969, 2, 22));

    PlatformTimeZone::Rule absolute;
    absolute.year = 1;
    absolute.month = 12;
    absolute.day = 31;
    EXPECT_EQ(Date::TimeFromDaylightDay(1999, absolute), Utc(1999, 11, 31));
}

TEST(DateDaylight, NorthernZoneSavesBetweenTheRuleDays) {
    ZoneScope zone(kNorth);
    EXPECT_EQ(Date::LocalTZA(), -5 * kHour);
    // 2021: daylight from Sunday 14 March, standard from Sunday 7 November,
    // both at 00:00 UTC and both days counted as daylight time.
    double daylightStart = Utc(2021, 2, 14);
    double standardStart = Utc(2021, 10, 7);
    EXPECT_EQ(Date::DaylightSavingTA(daylightStart - 1), 0);
    EXPECT_EQ(Date::DaylightSavingTA(daylightStart), kHour);
    EXPECT_EQ(Date::DaylightSavingTA(Utc(2021, 6, 1)), kHour);
    EXPECT_EQ(Date::DaylightSavingTA(standardStart), kHour);
    EXPECT_EQ(Date::DaylightSavingTA(standardStart + 1), 0);
    EXPECT_EQ(Date::DaylightSavingTA(Utc(1950, 0, 15)), 0);
    EXPECT_EQ(Date::LocalTime(Utc(2021, 6, 1, 12)), Utc(2021, 6, 1, 8));
    EXPECT_EQ(Date::LocalTime(Utc(2021, 0, 1, 12)), Utc(2021, 0, 1, 7));
    EXPECT_EQ(Date::UTCFromLocal(Utc(2021, 6, 1, 8)), Utc(2021, 6, 1, 12));
    EXPECT_EQ(Date::UTCFromLocal(Utc(2021, 0, 1, 7)), Utc(2021, 0, 1, 12));
    EXPECT_TRUE(std::isnan(Date::LocalTime(NAN)));
}

TEST(DateDaylight, SouthernZoneSavesAcrossTheNewYear) {
    ZoneScope zone(kSouth);
    EXPECT_EQ(Date::LocalTZA(), 10 * kHour);
    // 2021: standard from Sunday 4 April, daylight from Sunday 3 October.
    double standardStart = Utc(2021, 3, 4);
    double daylightStart = Utc(2021, 9, 3);
    EXPECT_EQ(Date::DaylightSavingTA(Utc(2021, 0, 15)), kHour);
    EXPECT_EQ(Date::DaylightSavingTA(standardStart - 1), kHour);
    EXPECT_EQ(Date::DaylightSavingTA(standardStart), 0);
    EXPECT_EQ(Date::DaylightSavingTA(Utc(2021, 6, 1)), 0);
    EXPECT_EQ(Date::DaylightSavingTA(daylightStart), 0);
    EXPECT_EQ(Date::DaylightSavingTA(daylightStart + 1), kHour);
    EXPECT_EQ(Date::DaylightSavingTA(Utc(2021, 11, 31)), kHour);
    EXPECT_EQ(Date::LocalTime(Utc(2021, 0, 15)), Utc(2021, 0, 15, 11));
    EXPECT_EQ(Date::UTCFromLocal(Utc(2021, 6, 1, 10)), Utc(2021, 6, 1));
}

TEST(DateDaylight, ZonesWithoutRulesNeverSave) {
    for (const char* tz : {"UTC0", "JST-9", ""}) {
        ZoneScope zone(tz);
        for (double t : {Utc(2021, 0, 15), Utc(2021, 6, 1), -8.64e15, 8.64e15})
            EXPECT_EQ(Date::DaylightSavingTA(t), 0) << tz;
    }
    ZoneScope japan("JST-9");
    EXPECT_EQ(Date::LocalTime(0), 9 * kHour);
}

// ---- Script-visible behaviour ----

TEST_F(DateScriptTest, ConstructorFieldsAreLocalTime) {
    const char* fields =
        "function show(d) { Debug.trace(d.getFullYear() + '-' + d.getMonth() + '-' + d.getDate() + ' ' + "
        "d.getHours() + ':' + d.getMinutes() + ':' + d.getSeconds() + '.' + d.getMilliseconds() + ' ' + "
        "d.getDay() + ' ' + d.getTimezoneOffset() + '|'); }\n";
    std::string script = std::string(fields) +
                         "show(new Date(99, 0)); show(new Date(100, 0)); show(new Date(2001, 13, 1));"
                         "show(new Date(2001, -1, 1)); show(new Date(2021, 6, 4, 23, 59, 58, 997));"
                         "show(new Date(2021, 0, 1, 1, 2, 3, 4, 5, 6));";
    EXPECT_EQ(Run(kNorth, script),
              "1999-0-1 0:0:0.0 5 300|100-0-1 0:0:0.0 5 300|2002-1-1 0:0:0.0 5 300|"
              "2000-11-1 0:0:0.0 5 300|2021-6-4 23:59:58.997 0 240|2021-0-1 1:2:3.4 5 300|");
    EXPECT_EQ(Run(kSouth, script),
              "1999-0-1 0:0:0.0 5 -660|100-0-1 0:0:0.0 5 -660|2002-1-1 0:0:0.0 5 -660|"
              "2000-11-1 0:0:0.0 5 -660|2021-6-4 23:59:58.997 0 -600|2021-0-1 1:2:3.4 5 -660|");
    EXPECT_EQ(Run("UTC0", script),
              "1999-0-1 0:0:0.0 5 0|100-0-1 0:0:0.0 5 0|2002-1-1 0:0:0.0 5 0|"
              "2000-11-1 0:0:0.0 5 0|2021-6-4 23:59:58.997 0 0|2021-0-1 1:2:3.4 5 0|");
}

TEST_F(DateScriptTest, OneArgumentIsATimeValueAndTextGivesZero) {
    EXPECT_EQ(Show(kNorth, "new Date(0).getUTCHours() + ' ' + new Date(0).getHours()"), "0 19");
    EXPECT_EQ(Show(kSouth, "new Date(0).getUTCHours() + ' ' + new Date(0).getHours()"), "0 11");
    EXPECT_EQ(Show(kNorth, "new Date('2021-01-01').getTime() + ' ' + new Date('').getTime()"), "0 0");
    // A date given alone converts to its text, and text is not read.
    EXPECT_EQ(Show(kNorth, "new Date(new Date(86400000)).getTime()"), "0");
    EXPECT_EQ(Show(kNorth, "new Date(true).getTime() + ' ' + new Date(1.7).getTime()"), "1 1");
    EXPECT_EQ(Show(kNorth, "new Date(8.64e15 + 1).getTime() + ' ' + new Date(-8.64e15).getUTCFullYear()"),
              "NaN -271821");
    EXPECT_EQ(Show(kNorth, "new Date(2001, 'x').getTime() + ' ' + new Date(2001, 0, 1, 0, 0, 0, 0 / 0).getTime()"),
              "NaN NaN");
}

TEST_F(DateScriptTest, TextsFollowThePattern) {
    EXPECT_EQ(Show("UTC0", "new Date(0).toUTCString()"), "Thu Jan 1  00:00:00 1970");
    EXPECT_EQ(Show(kNorth, "new Date(0).toUTCString() + '|' + new Date(0).toGMTString()"),
              "Thu Jan 1  00:00:00 1970|Thu Jan 1  00:00:00 1970");
    EXPECT_EQ(Show(kNorth, "new Date(0).toString() + '|' + new Date(0).toLocaleString()"),
              "Wed Dec 31 19:00:00 1969|Wed Dec 31 19:00:00 1969");
    EXPECT_EQ(Show(kSouth, "new Date(0).toString()"), "Thu Jan 1  11:00:00 1970");
    // 1 November 2001 and 25 December 2001, UTC.
    EXPECT_EQ(Show(kNorth, "new Date(1004572800000).toUTCString() + '|' + new Date(1009238400123).toUTCString()"),
              "Thu Nov 1  00:00:00 2001|Tue Dec 25 00:00:00 2001");
    // Years of fewer than four digits are padded on the right.
    EXPECT_EQ(Show("UTC0", "new Date(100, 0, 1, 9, 5, 7).toString()"), "Fri Jan 1  09:05:07 100 ");
    EXPECT_EQ(Show("UTC0", "new Date(-62198755200000).toString()"), "Fri Jan 1  00:00:00 -1  ");
}

TEST_F(DateScriptTest, InvalidDatesReadAsInvalidDate) {
    EXPECT_EQ(Show(kNorth, "new Date(0 / 0).toString() + '|' + new Date(0 / 0).toUTCString() + '|' + new Date(0 / 0)"),
              "Invalid Date|Invalid Date|Invalid Date");
    EXPECT_EQ(Show(kNorth, "Date.prototype.toString()"), "Invalid Date");
    EXPECT_EQ(Show(kNorth, "new Date(0 / 0).getFullYear() + ' ' + new Date(0 / 0).getTimezoneOffset()"), "NaN NaN");
}

TEST_F(DateScriptTest, ConversionsPreferTextWithoutAHint) {
    EXPECT_EQ(Show("UTC0", "new Date(0) + 1"), "Thu Jan 1  00:00:00 19701");
    EXPECT_EQ(Show("UTC0", "new Date(1000) - 1"), "999");
    EXPECT_EQ(Show("UTC0", "new Date(1000) * 1 + new Date(5).valueOf()"), "1005");
    EXPECT_EQ(Show("UTC0", "(new Date(5) < new Date(6)) + ' ' + (new Date(5) == new Date(5))"), "true false");
}

TEST_F(DateScriptTest, CallingDateGivesTheTextOfNow) {
    std::string text = Show("UTC0", "Date(0) + '|' + typeof Date(0) + '|' + typeof new Date()");
    ASSERT_EQ(text.size(), 24u + 14u) << text;
    EXPECT_EQ(text.substr(24), "|string|object");
    EXPECT_EQ(Show("UTC0", "new Date().getMilliseconds()"), "0");  // whole seconds
}

TEST_F(DateScriptTest, ConstructorShowsOnlyPrototypeAndLength) {
    EXPECT_EQ(Show(kNorth, "typeof Date.UTC + ' ' + typeof Date.parse + ' ' + Date.length + ' ' + "
                           "(Date.prototype.constructor == Date)"),
              "undefined undefined 1 true");
}

TEST_F(DateScriptTest, SettersRebuildTheFieldsTheyAreGiven) {
    const char* setup = "var d = new Date(2021, 6, 4, 10, 20, 30, 400); function t(x) { Debug.trace(x + '|'); }\n";
    EXPECT_EQ(Run(kNorth, std::string(setup) +
                              "d.setSeconds(5); t(d.getSeconds() + '.' + d.getMilliseconds());"
                              "d.setMinutes(1, 2, 3); t(d.getMinutes() + ':' + d.getSeconds() + '.' + "
                              "d.getMilliseconds());"
                              "d.setHours(25); t(d.getDate() + ' ' + d.getHours() + ':' + d.getMinutes());"
                              "d.setMilliseconds(-1); t(d.getSeconds() + '.' + d.getMilliseconds());"
                              "d.setDate(31); t(d.getMonth() + '/' + d.getDate());"
                              "d.setMonth(1); t(d.getMonth() + '/' + d.getDate());"
                              "d.setMonth(11, 25); t(d.getMonth() + '/' + d.getDate() + ' ' + "
                              "d.getTimezoneOffset());"
                              "d.setFullYear(2000, 1, 29); t(d.getFullYear() + '/' + d.getMonth() + '/' + "
                              "d.getDate());"
                              "t(d.setFullYear(1999) == d.getTime());"),
              "5.400|1:2.3|5 1:1|1.999|6/31|2/3|11/25 300|2000/1/29|true|");
    EXPECT_EQ(Run(kNorth, std::string(setup) +
                              "d.setUTCHours(0); t(d.getUTCHours() + ' ' + d.getHours() + ' ' + d.getDate());"
                              "d.setUTCDate(1); t(d.getUTCDate());"
                              "d.setUTCMonth(0); t(d.getUTCMonth() + ' ' + d.getTimezoneOffset());"
                              "d.setUTCFullYear(1969); t(d.getUTCFullYear());"
                              "d.setUTCMinutes(59, 59, 999); d.setUTCSeconds(1); t(d.getUTCMinutes() + ':' + "
                              "d.getUTCSeconds() + '.' + d.getUTCMilliseconds());"
                              "d.setUTCMilliseconds(1000); t(d.getUTCSeconds() + '.' + d.getUTCMilliseconds());"
                              "t((d.setTime(86400000) == 86400000) + ' ' + d.getUTCDay());"),
              "0 20 3|1|0 300|1969|59:1.999|2.0|true 5|");
}

TEST_F(DateScriptTest, MissingOrInvalidArgumentsMakeTheDateInvalid) {
    const char* setup = "function t(x) { Debug.trace(x + '|'); } var d;\n";
    EXPECT_EQ(Run(kNorth, std::string(setup) +
                              "d = new Date(0); t(d.setMinutes() + ' ' + d.getTime());"
                              "d = new Date(0); d.setTime(); t(d.getTime());"
                              "d = new Date(0); d.setFullYear(0 / 0); t(d.getTime());"
                              "d = new Date(0); d.setFullYear(1e300); t(d.getTime());"
                              "d = new Date(0); d.setMonth('x'); t(d.getTime());"
                              "d = new Date(0); t(d.setTime(8.64e15 + 1));"
                              // An invalid date stays invalid, whatever is set, except through setTime.
                              "d.setFullYear(2000, 0, 1); d.setUTCHours(1, 2, 3, 4); d.setDate(2); t(d.getTime());"
                              "t(d.setTime('12'));"),
              "NaN NaN|NaN|NaN|NaN|NaN|NaN|NaN|12|");
}

TEST_F(DateScriptTest, FunctionsOnOtherObjectsRaiseTheDateError) {
    Run(kNorth, "var o = new Object(); o.f = Date.prototype.getTime; o.f();");
    EXPECT_NE(harness.console.errors.find("Buitin date function called on non-date"), std::string::npos)
        << harness.console.errors;
}

TEST_F(DateNativeTest, EveryFunctionChecksItsThisValue) {
    CorvelStandardDatePrototype* prototype = harness.environment.GetStandardDatePrototype();
    EXPECT_EQ(prototype->GetMethodCount(), 38);
    CorvelValue plain;
    plain.SetNewObject(new CorvelStandardObjectInstance);
    CorvelValue number(0.0), dangling((unsigned long)0xFFFFFFF0ul), date = NewDate(0);
    for (const char* name : kPrototypeFunctions) {
        EXPECT_EQ(RaisedBy(name, number), CorvelMessages::NotADate) << name;
        EXPECT_EQ(RaisedBy(name, plain), CorvelMessages::NotADate) << name;
        EXPECT_EQ(RaisedBy(name, CorvelValue()), CorvelMessages::NotADate) << name;
        EXPECT_EQ(RaisedBy(name, dangling), CorvelMessages::NotADate) << name;
        EXPECT_EQ(RaisedBy(name, CorvelValue::ObjectValue(harness.environment.GetStandardDateConstructor())),
                  CorvelMessages::NotADate)
            << name;
        EXPECT_EQ(RaisedBy(name, date), 0u) << name;
        EXPECT_EQ(RaisedBy(name, CorvelValue::ObjectValue(prototype)), 0u) << name;
    }
    EXPECT_EQ(prototype->FindMethod("toGMTString"), prototype->FindMethod("toUTCString"));
}

TEST_F(DateNativeTest, ThePrototypeComputesButKeepsItsNaN) {
    ZoneScope zone("UTC0");
    CorvelValue prototype = CorvelValue::ObjectValue(harness.environment.GetStandardDatePrototype());
    EXPECT_EQ(Call("setTime", prototype, 5, 1).GetNumber(), 5);
    EXPECT_TRUE(std::isnan(Call("getTime", prototype).GetNumber()));
    EXPECT_TRUE(std::isnan(Call("setHours", prototype, 1, 1).GetNumber()));
}

TEST_F(DateNativeTest, NewDatesAreUndefinedUntilSet) {
    CorvelStandardDateInstance* bare = new CorvelStandardDateInstance;
    CorvelValue value;
    value.SetNewObject(bare);
    EXPECT_EQ(bare->Value().GetType(), CorvelValue::Undefined);
    EXPECT_TRUE(std::isnan(Call("getTime", value).GetNumber()));
    EXPECT_EQ(std::string(Call("toString", value).ForceGetString().GetText()), "Invalid Date");
    EXPECT_EQ(bare->Prototype(), harness.environment.GetStandardDatePrototype());
}

TEST_F(DateNativeTest, UtcTakesFieldsWithoutLocalTimeAndParseGivesNothing) {
    ZoneScope zone(kSouth);
    CorvelValue fields[3] = {CorvelValue(2001), CorvelValue(10), CorvelValue(1)};
    EXPECT_EQ(CorvelStandardDateConstructor::UTC(context.get(), fields, 3, CorvelValue()), CorvelStatus::Return);
    EXPECT_EQ(context->GetReturnValue().GetNumber(), 1004572800000.0);
    CorvelValue two[2] = {CorvelValue(70), CorvelValue(0)};
    CorvelStandardDateConstructor::UTC(context.get(), two, 2, CorvelValue());
    EXPECT_EQ(context->GetReturnValue().GetNumber(), 0);
    CorvelValue huge(1e300);
    CorvelStandardDateConstructor::UTC(context.get(), &huge, 1, CorvelValue());
    EXPECT_TRUE(std::isnan(context->GetReturnValue().GetNumber()));

    context->GetReturnValue().SetNumber(7);
    CorvelValue text("Thu Nov 1  00:00:00 2001");
    EXPECT_EQ(CorvelStandardDateConstructor::Parse(context.get(), &text, 1, CorvelValue()), CorvelStatus::Normal);
    EXPECT_EQ(context->GetReturnValue().GetNumber(), 7);
}
