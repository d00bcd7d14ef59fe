// CorvelStandardDatePrototype: the prototype of dates; of that class itself,
// holding NaN as its primitive value. It also holds the calendar arithmetic
// every date function builds on: a date is a time value, milliseconds since
// 1 January 1970 00:00:00 UTC (NaN for an invalid date), and each field is
// derived from it.
#pragma once

#include "CorvelStandardPrototype.h"
#include "PlatformTimeZone.h"

class CorvelStandardDatePrototype : public CorvelStandardPrototype {
public:
    static constexpr double msPerSecond = 1000;
    static constexpr double msPerMinute = 60000;
    static constexpr double msPerHour = 3600000;
    static constexpr double msPerDay = 86400000;

    CorvelStandardDatePrototype();

    ClassType Class() const override;
    const CorvelValue& Value() const override;
    void SetupObject() override;

    // ---- Time arithmetic, on doubles; NaN in gives NaN out. ----
    // a modulo b with the sign of b: 0 <= r < b for positive b.
    static double Modulo(double a, double b);
    static double Day(double t);
    static double TimeWithinDay(double t);
    static double DayFromYear(double year);
    static double TimeFromYear(double year) { return msPerDay * DayFromYear(year); }
    static bool IsLeapYear(double year);
    static double YearFromTime(double t);
    static double MonthFromTime(double t);
    static double DateFromTime(double t);
    static double WeekDay(double t);
    static double HourFromTime(double t);
    static double MinFromTime(double t);
    static double SecFromTime(double t);
    static double MsFromTime(double t);
    // Days of the year before `date` of `month` (0 to 11).
    static double DayWithinYear(int month, double date, bool leap);
    static double MakeTime(double hour, double minute, double second, double ms);
    static double MakeDay(double year, double month, double date);
    static double MakeDate(double day, double time);
    static double TimeClip(double t);
    // The same on script values (converted to numbers in place); the
    // result is stored in the last argument.
    static void MakeTime(CorvelValue& hour, CorvelValue& minute, CorvelValue& second, CorvelValue& ms,
                         CorvelValue& result);
    static void MakeDay(const CorvelValue& year, const CorvelValue& month, const CorvelValue& date,
                        CorvelValue& result);

    // ---- Local time ----
    // The standard offset of local time from UTC.
    static double LocalTZA();
    // What daylight saving adds at time t.
    static double DaylightSavingTA(double t);
    // 00:00 of the rule's day in `year`.
    static double TimeFromDaylightDay(double year, const PlatformTimeZone::Rule& rule);
    static double LocalTime(double t) { return t + LocalTZA() + DaylightSavingTA(t); }
    static double UTCFromLocal(double local);

    // ---- The this value ----
    // The time value of a date; raises 1027 for anything not of class Date.
    static double GetThisTimeValue(const CorvelValue& thisValue);
    // Stores t in a date instance (the prototype keeps its NaN); raises 1027
    // like GetThisTimeValue.
    static void SetThisTimeValue(const CorvelValue& thisValue, double t);

    // ---- Text ----
    enum { TextSize = 48 };
    // The fields of t in the date text pattern; "Invalid Date" for NaN.
    static const char* FormatTime(double t, char (&buffer)[TextSize]);
    // The text toString gives for the time value t.
    static QelString LocalText(double t);

    // ---- Script functions ----
    static CorvelStatus ToString(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    static CorvelStatus ValueOf(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                const CorvelValue& thisValue);
    static CorvelStatus GetTime(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                const CorvelValue& thisValue);
    static CorvelStatus GetFullYear(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                    const CorvelValue& thisValue);
    static CorvelStatus GetUTCFullYear(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                       const CorvelValue& thisValue);
    static CorvelStatus GetMonth(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    static CorvelStatus GetUTCMonth(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                    const CorvelValue& thisValue);
    static CorvelStatus GetDate(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                const CorvelValue& thisValue);
    static CorvelStatus GetUTCDate(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                   const CorvelValue& thisValue);
    static CorvelStatus GetDay(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                               const CorvelValue& thisValue);
    static CorvelStatus GetUTCDay(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                  const CorvelValue& thisValue);
    static CorvelStatus GetHours(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    static CorvelStatus GetUTCHours(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                    const CorvelValue& thisValue);
    static CorvelStatus GetMinutes(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                   const CorvelValue& thisValue);
    static CorvelStatus GetUTCMinutes(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                      const CorvelValue& thisValue);
    static CorvelStatus GetSeconds(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                   const CorvelValue& thisValue);
    static CorvelStatus GetUTCSeconds(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                      const CorvelValue& thisValue);
    static CorvelStatus GetMilliseconds(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                        const CorvelValue& thisValue);
    static CorvelStatus GetUTCMilliseconds(CorvelExecutionContext* context, CorvelValue* arguments,
                                           int argumentCount, const CorvelValue& thisValue);
    static CorvelStatus GetTimezoneOffset(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                          const CorvelValue& thisValue);
    static CorvelStatus SetTime(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                const CorvelValue& thisValue);
    static CorvelStatus SetMilliseconds(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                        const CorvelValue& thisValue);
    static CorvelStatus SetUTCMilliseconds(CorvelExecutionContext* context, CorvelValue* arguments,
                                           int argumentCount, const CorvelValue& thisValue);
    static CorvelStatus SetSeconds(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                   const CorvelValue& thisValue);
    static CorvelStatus SetUTCSeconds(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                      const CorvelValue& thisValue);
    static CorvelStatus SetMinutes(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                   const CorvelValue& thisValue);
    static CorvelStatus SetUTCMinutes(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                      const CorvelValue& thisValue);
    static CorvelStatus SetHours(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    static CorvelStatus SetUTCHours(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                    const CorvelValue& thisValue);
    static CorvelStatus SetDate(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                const CorvelValue& thisValue);
    static CorvelStatus SetUTCDate(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                   const CorvelValue& thisValue);
    static CorvelStatus SetMonth(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    static CorvelStatus SetUTCMonth(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                    const CorvelValue& thisValue);
    static CorvelStatus SetFullYear(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                    const CorvelValue& thisValue);
    static CorvelStatus SetUTCFullYear(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                       const CorvelValue& thisValue);
    static CorvelStatus ToLocaleString(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                       const CorvelValue& thisValue);
    static CorvelStatus ToUTCString(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                    const CorvelValue& thisValue);

private:
    CorvelValue m_value;
};
