#include "CorvelStandardDatePrototype.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardDateConstructor.h"
#include "CorvelStandardDateInstance.h"
#include "CorvelWholeNumbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

typedef CorvelStandardDatePrototype Date;

namespace {

const char* const kDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// Days of a common year before each month, and the year's length.
const int kMonthStarts[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

const double kMaxTime = 8.64e15;
// Local times reach a day past the time values; beyond that nothing is
// shown or kept, so daylight saving need not be worked out.
const double kMaxLocalTime = kMaxTime + 2 * Date::msPerDay;

double MonthStart(int month, bool leap) { return kMonthStarts[month] + (leap && month >= 2 ? 1 : 0); }

double MonthLength(int month, bool leap) {
    return kMonthStarts[month + 1] - kMonthStarts[month] + (leap && month == 1 ? 1 : 0);
}

// Year, month (0 to 11) and day of the month of a finite time value.
void SplitDate(double t, double& year, int& month, double& date) {
    year = Date::YearFromTime(t);
    bool leap = Date::IsLeapYear(year);
    double dayInYear = Date::Day(t) - Date::DayFromYear(year);
    month = 0;
    while (month < 11 && dayInYear >= MonthStart(month + 1, leap)) ++month;
    date = dayInYear - MonthStart(month, leap) + 1;
}

int Field(double value) { return (int)value; }

// Argument `index` as a number, `fallback` when the caller gave none.
double NumberArgument(CorvelValue* arguments, int argumentCount, int index, double fallback) {
    if (index >= argumentCount) return fallback;
    arguments[index].ToNumber();
    return arguments[index].GetNumber();
}

CorvelStatus ReturnNumber(CorvelExecutionContext* context, double number) {
    context->GetReturnValue().SetNumber(number);
    return CorvelStatus::Return;
}

CorvelStatus ReturnField(CorvelExecutionContext* context, const CorvelValue& thisValue, double (*field)(double),
                         bool local) {
    double t = Date::GetThisTimeValue(thisValue);
    if (std::isnan(t)) return ReturnNumber(context, t);
    return ReturnNumber(context, field(local ? Date::LocalTime(t) : t));
}

// The end of every setter: to UTC, clipped, kept and answered.
CorvelStatus Store(CorvelExecutionContext* context, const CorvelValue& thisValue, double value, bool local) {
    if (local) value = Date::UTCFromLocal(value);
    value = Date::TimeClip(value);
    Date::SetThisTimeValue(thisValue, value);
    return ReturnNumber(context, value);
}

enum TimeField { Hours, Minutes, Seconds, Milliseconds };

// Replaces the time fields from `first` on with the arguments; the first
// one missing is NaN, later ones missing keep their field.
CorvelStatus SetTimeFields(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                           const CorvelValue& thisValue, TimeField first, bool local) {
    double t = Date::GetThisTimeValue(thisValue);
    if (local) t = Date::LocalTime(t);
    double fields[4] = {Date::HourFromTime(t), Date::MinFromTime(t), Date::SecFromTime(t), Date::MsFromTime(t)};
    for (int field = first; field <= Milliseconds; ++field)
        fields[field] = NumberArgument(arguments, argumentCount, field - first, field == first ? NAN : fields[field]);
    double time = Date::MakeTime(fields[Hours], fields[Minutes], fields[Seconds], fields[Milliseconds]);
    return Store(context, thisValue, Date::MakeDate(Date::Day(t), time), local);
}

enum DateField { Year, Month, DayOfMonth };

CorvelStatus SetDateFields(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                           const CorvelValue& thisValue, DateField first, bool local) {
    double t = Date::GetThisTimeValue(thisValue);
    if (local) t = Date::LocalTime(t);
    double fields[3] = {Date::YearFromTime(t), Date::MonthFromTime(t), Date::DateFromTime(t)};
    for (int field = first; field <= DayOfMonth; ++field)
        fields[field] = NumberArgument(arguments, argumentCount, field - first, field == first ? NAN : fields[field]);
    double day = Date::MakeDay(fields[Year], fields[Month], fields[DayOfMonth]);
    return Store(context, thisValue, Date::MakeDate(day, Date::TimeWithinDay(t)), local);
}

CorvelStatus ReturnText(CorvelExecutionContext* context, const CorvelValue& thisValue, bool local) {
    double t = Date::GetThisTimeValue(thisValue);
    char buffer[Date::TextSize];
    context->GetReturnValue().SetString(Date::FormatTime(local ? Date::LocalTime(t) : t, buffer));
    return CorvelStatus::Return;
}

}  // namespace

CorvelStandardDatePrototype::CorvelStandardDatePrototype() : m_value((double)NAN) {
    AddMethod("toString", ToString);
    AddMethod("valueOf", ValueOf);
    AddMethod("getTime", GetTime);
    AddMethod("getFullYear", GetFullYear);
    AddMethod("getUTCFullYear", GetUTCFullYear);
    AddMethod("getMonth", GetMonth);
    AddMethod("getUTCMonth", GetUTCMonth);
    AddMethod("getDate", GetDate);
    AddMethod("getUTCDate", GetUTCDate);
    AddMethod("getDay", GetDay);
    AddMethod("getUTCDay", GetUTCDay);
    AddMethod("getHours", GetHours);
    AddMethod("getUTCHours", GetUTCHours);
    AddMethod("getMinutes", GetMinutes);
    AddMethod("getUTCMinutes", GetUTCMinutes);
    AddMethod("getSeconds", GetSeconds);
    AddMethod("getUTCSeconds", GetUTCSeconds);
    AddMethod("getMilliseconds", GetMilliseconds);
    AddMethod("getUTCMilliseconds", GetUTCMilliseconds);
    AddMethod("getTimezoneOffset", GetTimezoneOffset);
    AddMethod("setTime", SetTime);
    AddMethod("setMilliseconds", SetMilliseconds);
    AddMethod("setUTCMilliseconds", SetUTCMilliseconds);
    AddMethod("setSeconds", SetSeconds);
    AddMethod("setUTCSeconds", SetUTCSeconds);
    AddMethod("setMinutes", SetMinutes);
    AddMethod("setUTCMinutes", SetUTCMinutes);
    AddMethod("setHours", SetHours);
    AddMethod("setUTCHours", SetUTCHours);
    AddMethod("setDate", SetDate);
    AddMethod("setUTCDate", SetUTCDate);
    AddMethod("setMonth", SetMonth);
    AddMethod("setUTCMonth", SetUTCMonth);
    AddMethod("setFullYear", SetFullYear);
    AddMethod("setUTCFullYear", SetUTCFullYear);
    AddMethod("toLocaleString", ToLocaleString);
    AddMethod("toUTCString", ToUTCString);
    AddMethod("toGMTString", ToUTCString);
}

CorvelObject::ClassType CorvelStandardDatePrototype::Class() const { return ClassDate; }

const CorvelValue& CorvelStandardDatePrototype::Value() const { return m_value; }

void CorvelStandardDatePrototype::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorLink(environment ? environment->GetStandardDateConstructor() : nullptr);
}

// ---- Time arithmetic ----

// The remainder has the divisor's sign, zero included: fmod of a negative
// multiple gives -0, which 1 / x would show as -Infinity.
double CorvelStandardDatePrototype::Modulo(double a, double b) {
    // Time values are whole milliseconds.
    int64_t remainder;
    if (CorvelWholeNumbers::Remainder(a, b, remainder))
        return (double)(remainder < 0 ? remainder + (int64_t)b : remainder);
    double r = std::fmod(a, b);
    if (r < 0) r += b;
    // A tiny negative remainder can round up to b itself.
    return r >= b || r == 0 ? 0 : r;
}

double CorvelStandardDatePrototype::Day(double t) { return std::floor(t / msPerDay); }

double CorvelStandardDatePrototype::TimeWithinDay(double t) { return Modulo(t, msPerDay); }

double CorvelStandardDatePrototype::DayFromYear(double year) {
    return 365 * (year - 1970) + std::floor((year - 1969) / 4) - std::floor((year - 1901) / 100) +
           std::floor((year - 1601) / 400);
}

bool CorvelStandardDatePrototype::IsLeapYear(double year) {
    if (year >= -9007199254740992.0 && year <= 9007199254740992.0 && (double)(int64_t)year == year) {
        int64_t whole = (int64_t)year;
        return whole % 4 == 0 && (whole % 100 != 0 || whole % 400 == 0);
    }
    return std::fmod(year, 4) == 0 && (std::fmod(year, 100) != 0 || std::fmod(year, 400) == 0);
}

// The estimate by the mean year is never more than a year off, so a step
// or two each way settles it; the steps are bounded because far beyond the
// time values the years no longer differ in a double.
double CorvelStandardDatePrototype::YearFromTime(double t) {
    if (!std::isfinite(t)) return NAN;
    double year = std::floor(t / (msPerDay * 365.2425)) + 1970;
    for (int step = 0; step < 4 && TimeFromYear(year) > t; ++step) year -= 1;
    for (int step = 0; step < 4 && TimeFromYear(year + 1) <= t; ++step) year += 1;
    return year;
}

double CorvelStandardDatePrototype::MonthFromTime(double t) {
    if (!std::isfinite(t)) return NAN;
    double year, date;
    int month;
    SplitDate(t, year, month, date);
    return month;
}

double CorvelStandardDatePrototype::DateFromTime(double t) {
    if (!std::isfinite(t)) return NAN;
    double year, date;
    int month;
    SplitDate(t, year, month, date);
    return date;
}

double CorvelStandardDatePrototype::WeekDay(double t) { return Modulo(Day(t) + 4, 7); }

double CorvelStandardDatePrototype::HourFromTime(double t) { return Modulo(std::floor(t / msPerHour), 24); }

double CorvelStandardDatePrototype::MinFromTime(double t) { return Modulo(std::floor(t / msPerMinute), 60); }

double CorvelStandardDatePrototype::SecFromTime(double t) { return Modulo(std::floor(t / msPerSecond), 60); }

double CorvelStandardDatePrototype::MsFromTime(double t) { return Modulo(t, msPerSecond); }

double CorvelStandardDatePrototype::DayWithinYear(int month, double date, bool leap) {
    if (month < 0 || month > 11) return NAN;
    return MonthStart(month, leap) + date - 1;
}

double CorvelStandardDatePrototype::MakeTime(double hour, double minute, double second, double ms) {
    if (!std::isfinite(hour) || !std::isfinite(minute) || !std::isfinite(second) || !std::isfinite(ms)) return NAN;
    return std::trunc(hour) * msPerHour + std::trunc(minute) * msPerMinute + std::trunc(second) * msPerSecond +
           std::trunc(ms);
}

double CorvelStandardDatePrototype::MakeDay(double year, double month, double date) {
    if (!std::isfinite(year) || !std::isfinite(month) || !std::isfinite(date)) return NAN;
    year = std::trunc(year);
    month = std::trunc(month);
    date = std::trunc(date);
    double fullYear = year + std::floor(month / 12);
    int monthInYear = (int)Modulo(month, 12);
    return DayFromYear(fullYear) + DayWithinYear(monthInYear, date, IsLeapYear(fullYear));
}

double CorvelStandardDatePrototype::MakeDate(double day, double time) {
    if (!std::isfinite(day) || !std::isfinite(time)) return NAN;
    return day * msPerDay + time;
}

// Adding zero turns the -0 of a small negative time into 0.
double CorvelStandardDatePrototype::TimeClip(double t) {
    if (!std::isfinite(t) || std::fabs(t) > kMaxTime) return NAN;
    return std::trunc(t) + 0.0;
}

void CorvelStandardDatePrototype::MakeTime(CorvelValue& hour, CorvelValue& minute, CorvelValue& second,
                                           CorvelValue& ms, CorvelValue& result) {
    hour.ToNumber();
    minute.ToNumber();
    second.ToNumber();
    ms.ToNumber();
    result.SetNumber(MakeTime(hour.GetNumber(), minute.GetNumber(), second.GetNumber(), ms.GetNumber()));
}

void CorvelStandardDatePrototype::MakeDay(const CorvelValue& year, const CorvelValue& month,
                                          const CorvelValue& date, CorvelValue& result) {
    CorvelValue numbers[3] = {year, month, date};
    for (CorvelValue& number : numbers) number.ToNumber();
    result.SetNumber(MakeDay(numbers[0].GetNumber(), numbers[1].GetNumber(), numbers[2].GetNumber()));
}

// ---- Local time ----

double CorvelStandardDatePrototype::LocalTZA() { return -(double)PlatformTimeZone::Offset() * msPerSecond; }

// The rule's days are taken as 00:00 UTC, and t is compared with them as
// it is.
double CorvelStandardDatePrototype::DaylightSavingTA(double t) {
    const PlatformTimeZone::Information& zone = PlatformTimeZone::Current();
    if (!zone.HasDaylightRules() || !std::isfinite(t) || std::fabs(t) > kMaxLocalTime) return 0;
    double year = YearFromTime(t);
    double standardStart = TimeFromDaylightDay(year, zone.standardDate);
    double daylightStart = TimeFromDaylightDay(year, zone.daylightDate);
    double standard = -zone.standardBias * msPerMinute;
    double daylight = -zone.daylightBias * msPerMinute;
    if (standardStart < daylightStart)  // southern hemisphere
        return standardStart <= t && t <= daylightStart ? standard : daylight;
    return daylightStart <= t && t <= standardStart ? daylight : standard;
}

double CorvelStandardDatePrototype::TimeFromDaylightDay(double year, const PlatformTimeZone::Rule& rule) {
    int month = rule.month - 1;
    if (month < 0 || month > 11) return NAN;
    double date = rule.day;
    if (rule.year == 0) {
        double firstWeekday = Modulo(MakeDay(year, month, 1) + 4, 7);
        if (rule.day < 5) {
            date = 1 + Modulo(rule.dayOfWeek - firstWeekday, 7) + 7 * (rule.day - 1);
        } else {
            double length = MonthLength(month, IsLeapYear(year));
            double lastWeekday = Modulo(firstWeekday + length - 1, 7);
            date = length - Modulo(lastWeekday - rule.dayOfWeek, 7);
        }
    }
    return MakeDate(MakeDay(year, month, date), 0);
}

double CorvelStandardDatePrototype::UTCFromLocal(double local) {
    return local - LocalTZA() - DaylightSavingTA(local - LocalTZA());
}

// ---- The this value ----

double CorvelStandardDatePrototype::GetThisTimeValue(const CorvelValue& thisValue) {
    CorvelObject* object = thisValue.ForceGetObject();
    if (!object || object->Class() != ClassDate) CorvelRuntimeException::Raise(CorvelMessages::NotADate);
    const CorvelValue& value = object->Value();
    if (value.GetType() == CorvelValue::Number) return value.GetNumber();
    CorvelValue number(value);
    number.ToNumber();
    return number.GetNumber();
}

void CorvelStandardDatePrototype::SetThisTimeValue(const CorvelValue& thisValue, double t) {
    CorvelObject* object = thisValue.ForceGetObject();
    if (!object || object->Class() != ClassDate) CorvelRuntimeException::Raise(CorvelMessages::NotADate);
    if (CorvelStandardDateInstance* date = dynamic_cast<CorvelStandardDateInstance*>(object)) date->SetDate(t);
}

// ---- Text ----

// Anything past the time values (or NaN) has no calendar fields that fit
// the pattern, so it reads as invalid.
const char* CorvelStandardDatePrototype::FormatTime(double t, char (&buffer)[TextSize]) {
    if (!std::isfinite(t) || std::fabs(t) > kMaxLocalTime) {
        snprintf(buffer, TextSize, "Invalid Date");
        return buffer;
    }
    double year, date;
    int month;
    SplitDate(t, year, month, date);
    snprintf(buffer, TextSize, "%s %s %-2d %02d:%02d:%02d %-4d", kDayNames[Field(WeekDay(t))], kMonthNames[month],
             Field(date), Field(HourFromTime(t)), Field(MinFromTime(t)), Field(SecFromTime(t)), Field(year));
    return buffer;
}

QelString CorvelStandardDatePrototype::LocalText(double t) {
    char buffer[TextSize];
    return QelString(FormatTime(LocalTime(t), buffer));
}

// ---- Script functions ----

CorvelStatus CorvelStandardDatePrototype::ToString(CorvelExecutionContext* context, CorvelValue*, int,
                                                   const CorvelValue& thisValue) {
    return ReturnText(context, thisValue, true);
}

CorvelStatus CorvelStandardDatePrototype::ValueOf(CorvelExecutionContext* context, CorvelValue*, int,
                                                  const CorvelValue& thisValue) {
    return ReturnNumber(context, GetThisTimeValue(thisValue));
}

CorvelStatus CorvelStandardDatePrototype::GetTime(CorvelExecutionContext* context, CorvelValue*, int,
                                                  const CorvelValue& thisValue) {
    return ReturnNumber(context, GetThisTimeValue(thisValue));
}

CorvelStatus CorvelStandardDatePrototype::GetFullYear(CorvelExecutionContext* context, CorvelValue*, int,
                                                      const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, YearFromTime, true);
}

CorvelStatus CorvelStandardDatePrototype::GetUTCFullYear(CorvelExecutionContext* context, CorvelValue*, int,
                                                         const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, YearFromTime, false);
}

CorvelStatus CorvelStandardDatePrototype::GetMonth(CorvelExecutionContext* context, CorvelValue*, int,
                                                   const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, MonthFromTime, true);
}

CorvelStatus CorvelStandardDatePrototype::GetUTCMonth(CorvelExecutionContext* context, CorvelValue*, int,
                                                      const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, MonthFromTime, false);
}

CorvelStatus CorvelStandardDatePrototype::GetDate(CorvelExecutionContext* context, CorvelValue*, int,
                                                  const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, DateFromTime, true);
}

CorvelStatus CorvelStandardDatePrototype::GetUTCDate(CorvelExecutionContext* context, CorvelValue*, int,
                                                     const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, DateFromTime, false);
}

CorvelStatus CorvelStandardDatePrototype::GetDay(CorvelExecutionContext* context, CorvelValue*, int,
                                                 const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, WeekDay, true);
}

CorvelStatus CorvelStandardDatePrototype::GetUTCDay(CorvelExecutionContext* context, CorvelValue*, int,
                                                    const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, WeekDay, false);
}

CorvelStatus CorvelStandardDatePrototype::GetHours(CorvelExecutionContext* context, CorvelValue*, int,
                                                   const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, HourFromTime, true);
}

CorvelStatus CorvelStandardDatePrototype::GetUTCHours(CorvelExecutionContext* context, CorvelValue*, int,
                                                      const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, HourFromTime, false);
}

CorvelStatus CorvelStandardDatePrototype::GetMinutes(CorvelExecutionContext* context, CorvelValue*, int,
                                                     const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, MinFromTime, true);
}

CorvelStatus CorvelStandardDatePrototype::GetUTCMinutes(CorvelExecutionContext* context, CorvelValue*, int,
                                                        const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, MinFromTime, false);
}

CorvelStatus CorvelStandardDatePrototype::GetSeconds(CorvelExecutionContext* context, CorvelValue*, int,
                                                     const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, SecFromTime, true);
}

CorvelStatus CorvelStandardDatePrototype::GetUTCSeconds(CorvelExecutionContext* context, CorvelValue*, int,
                                                        const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, SecFromTime, false);
}

CorvelStatus CorvelStandardDatePrototype::GetMilliseconds(CorvelExecutionContext* context, CorvelValue*, int,
                                                          const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, MsFromTime, true);
}

CorvelStatus CorvelStandardDatePrototype::GetUTCMilliseconds(CorvelExecutionContext* context, CorvelValue*, int,
                                                             const CorvelValue& thisValue) {
    return ReturnField(context, thisValue, MsFromTime, false);
}

CorvelStatus CorvelStandardDatePrototype::GetTimezoneOffset(CorvelExecutionContext* context, CorvelValue*, int,
                                                            const CorvelValue& thisValue) {
    double t = GetThisTimeValue(thisValue);
    return ReturnNumber(context, (t - LocalTime(t)) / msPerMinute);
}

CorvelStatus CorvelStandardDatePrototype::SetTime(CorvelExecutionContext* context, CorvelValue* arguments,
                                                  int argumentCount, const CorvelValue& thisValue) {
    GetThisTimeValue(thisValue);
    return Store(context, thisValue, NumberArgument(arguments, argumentCount, 0, NAN), false);
}

CorvelStatus CorvelStandardDatePrototype::SetMilliseconds(CorvelExecutionContext* context, CorvelValue* arguments,
                                                          int argumentCount, const CorvelValue& thisValue) {
    return SetTimeFields(context, arguments, argumentCount, thisValue, Milliseconds, true);
}

CorvelStatus CorvelStandardDatePrototype::SetUTCMilliseconds(CorvelExecutionContext* context,
                                                             CorvelValue* arguments, int argumentCount,
                                                             const CorvelValue& thisValue) {
    return SetTimeFields(context, arguments, argumentCount, thisValue, Milliseconds, false);
}

CorvelStatus CorvelStandardDatePrototype::SetSeconds(CorvelExecutionContext* context, CorvelValue* arguments,
                                                     int argumentCount, const CorvelValue& thisValue) {
    return SetTimeFields(context, arguments, argumentCount, thisValue, Seconds, true);
}

CorvelStatus CorvelStandardDatePrototype::SetUTCSeconds(CorvelExecutionContext* context, CorvelValue* arguments,
                                                        int argumentCount, const CorvelValue& thisValue) {
    return SetTimeFields(context, arguments, argumentCount, thisValue, Seconds, false);
}

CorvelStatus CorvelStandardDatePrototype::SetMinutes(CorvelExecutionContext* context, CorvelValue* arguments,
                                                     int argumentCount, const CorvelValue& thisValue) {
    return SetTimeFields(context, arguments, argumentCount, thisValue, Minutes, true);
}

CorvelStatus CorvelStandardDatePrototype::SetUTCMinutes(CorvelExecutionContext* context, CorvelValue* arguments,
                                                        int argumentCount, const CorvelValue& thisValue) {
    return SetTimeFields(context, arguments, argumentCount, thisValue, Minutes, false);
}

CorvelStatus CorvelStandardDatePrototype::SetHours(CorvelExecutionContext* context, CorvelValue* arguments,
                                                   int argumentCount, const CorvelValue& thisValue) {
    return SetTimeFields(context, arguments, argumentCount, thisValue, Hours, true);
}

CorvelStatus CorvelStandardDatePrototype::SetUTCHours(CorvelExecutionContext* context, CorvelValue* arguments,
                                                      int argumentCount, const CorvelValue& thisValue) {
    return SetTimeFields(context, arguments, argumentCount, thisValue, Hours, false);
}

CorvelStatus CorvelStandardDatePrototype::SetDate(CorvelExecutionContext* context, CorvelValue* arguments,
                                                  int argumentCount, const CorvelValue& thisValue) {
    return SetDateFields(context, arguments, argumentCount, thisValue, DayOfMonth, true);
}

CorvelStatus CorvelStandardDatePrototype::SetUTCDate(CorvelExecutionContext* context, CorvelValue* arguments,
                                                     int argumentCount, const CorvelValue& thisValue) {
    return SetDateFields(context, arguments, argumentCount, thisValue, DayOfMonth, false);
}

CorvelStatus CorvelStandardDatePrototype::SetMonth(CorvelExecutionContext* context, CorvelValue* arguments,
                                                   int argumentCount, const CorvelValue& thisValue) {
    return SetDateFields(context, arguments, argumentCount, thisValue, Month, true);
}

CorvelStatus CorvelStandardDatePrototype::SetUTCMonth(CorvelExecutionContext* context, CorvelValue* arguments,
                                                      int argumentCount, const CorvelValue& thisValue) {
    return SetDateFields(context, arguments, argumentCount, thisValue, Month, false);
}

CorvelStatus CorvelStandardDatePrototype::SetFullYear(CorvelExecutionContext* context, CorvelValue* arguments,
                                                      int argumentCount, const CorvelValue& thisValue) {
    return SetDateFields(context, arguments, argumentCount, thisValue, Year, true);
}

CorvelStatus CorvelStandardDatePrototype::SetUTCFullYear(CorvelExecutionContext* context, CorvelValue* arguments,
                                                         int argumentCount, const CorvelValue& thisValue) {
    return SetDateFields(context, arguments, argumentCount, thisValue, Year, false);
}

CorvelStatus CorvelStandardDatePrototype::ToLocaleString(CorvelExecutionContext* context, CorvelValue*, int,
                                                         const CorvelValue& thisValue) {
    return ReturnText(context, thisValue, true);
}

CorvelStatus CorvelStandardDatePrototype::ToUTCString(CorvelExecutionContext* context, CorvelValue*, int,
                                                      const CorvelValue& thisValue) {
    return ReturnText(context, thisValue, false);
}
