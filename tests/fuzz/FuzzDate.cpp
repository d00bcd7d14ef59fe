// Fuzz target: local time under arbitrary time-zone rules. The input's first
// line is the TZ text the process runs under; the rest is read both as a
// zone database file and as a list of time values. For each time value the
// local time, its calendar fields and its text are derived, and the fields
// must lie in their ranges.
#include "CorvelStandardDatePrototype.h"
#include "FuzzHost.h"
#include "PlatformTimeZone.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Date = CorvelStandardDatePrototype;

// Names that lead out of the zone database to devices would make a test
// wait on a device, not test the rules.
bool SafeZoneText(const std::string& tz) {
    return tz.find("..") == std::string::npos && tz.find("/dev") == std::string::npos &&
           tz.find("/proc") == std::string::npos && tz.find("/sys") == std::string::npos;
}

void CheckRange(double value, double low, double high, const char* what, double t) {
    if (std::isnan(value)) return;
    if (value < low || value > high) {
        fprintf(stderr, "%s of %.17g is %.17g\n", what, t, value);
        abort();
    }
}

void CheckTime(double t) {
    double local = Date::LocalTime(t);
    double utc = Date::UTCFromLocal(local);
    (void)utc;
    double clipped = Date::TimeClip(t);
    if (std::isfinite(clipped) && std::isfinite(local)) {
        CheckRange(Date::MonthFromTime(local), 0, 11, "month", t);
        CheckRange(Date::DateFromTime(local), 1, 31, "date", t);
        CheckRange(Date::WeekDay(local), 0, 6, "week day", t);
        CheckRange(Date::HourFromTime(local), 0, 23, "hour", t);
        CheckRange(Date::MinFromTime(local), 0, 59, "minute", t);
        CheckRange(Date::SecFromTime(local), 0, 59, "second", t);
        CheckRange(Date::MsFromTime(local), 0, 999, "millisecond", t);
    }
    char buffer[Date::TextSize];
    if (strlen(Date::FormatTime(local, buffer)) >= sizeof buffer) abort();
    QelString text = Date::LocalText(t);
    if (strlen(text.GetText()) >= sizeof buffer) abort();
    double day = Date::MakeDay(Date::YearFromTime(local), Date::MonthFromTime(local), Date::DateFromTime(local));
    Date::MakeDate(day, Date::TimeWithinDay(local));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t* newline = (const uint8_t*)memchr(data, '\n', size);
    size_t tzLength = newline ? (size_t)(newline - data) : size;
    std::string tz((const char*)data, tzLength);
    tz = tz.c_str();  // the environment holds text up to its first zero
    if (!SafeZoneText(tz)) return 0;
    const uint8_t* rest = newline ? newline + 1 : data + size;
    size_t restSize = (size_t)(data + size - rest);

    PlatformTimeZone::Information information;
    PlatformTimeZone::ParsePosixRule(tz.c_str(), information);
    PlatformTimeZone::ParseZoneFile(rest, restSize, information);

    setenv("TZ", tz.c_str(), 1);
    PlatformTimeZone::Reload();
    FuzzHost host;
    for (size_t at = 0; at + sizeof(double) <= restSize; at += sizeof(double)) {
        double t;
        memcpy(&t, rest + at, sizeof t);
        // A date holds only clipped time values: whole milliseconds.
        CheckTime(Date::TimeClip(t));
    }
    // Whole days around now and the edges of the time values.
    for (double t : {0.0, 8.64e15, -8.64e15, 1.7e12, 9.5e11}) CheckTime(t);
    unsetenv("TZ");
    PlatformTimeZone::Reload();
    return 0;
}
