// PlatformTimeZone: the process's time-zone rules, in the shape the date
// arithmetic reads them. A zone has a bias in minutes (UTC = local time +
// bias) and, when it keeps daylight saving, the day standard time starts and
// the day daylight time starts, each with the bias added from then on.
//
// The rules come from the TZ environment variable, either a POSIX rule
// ("EST5EDT,M3.2.0,M11.1.0", "JST-9") or a zone name (":Europe/Berlin",
// "Europe/Berlin") looked up in the time-zone database, or, without TZ, from
// the system zone (/etc/localtime). A database file gives its rule through
// the POSIX rule it ends with.
#pragma once

#include <cstddef>

class PlatformTimeZone {
public:
    // The day a part of the year starts on.
    struct Rule {
        // Non-zero: an absolute date, `day` being the day of the month.
        // Zero: a relative date, the `day`-th `dayOfWeek` of the month
        // (`day` 1 to 5, 5 meaning the last one).
        int year = 0;
        int month = 0;  // 1 to 12; 0 when the zone keeps no daylight saving
        int dayOfWeek = 0;  // 0 = Sunday
        int day = 0;
        // Local time of the change, as the rule gives it.
        int hour = 0;
        int minute = 0;
        int second = 0;
    };

    struct Information {
        int bias = 0;  // minutes west of UTC
        int standardBias = 0;
        Rule standardDate;
        int daylightBias = 0;
        Rule daylightDate;

        // False when there is no daylight-saving rule: the zone reports no
        // time-zone information then, only its bias.
        bool HasDaylightRules() const { return standardDate.month != 0 && daylightDate.month != 0; }
    };

    // The process's rules, read on first use (from any thread) and kept
    // until Reload.
    static const Information& Current();
    // Seconds west of UTC, standard time.
    static long Offset() { return (long)Current().bias * 60; }
    // Forgets the kept rules, so that the next question reads TZ and the
    // database again (after the host changed TZ, say). Like changing TZ, it
    // is for a moment when no other thread uses the rules.
    static void Reload();

    // Reads a POSIX rule; false (and `information` left alone) when the
    // text is not one.
    static bool ParsePosixRule(const char* text, Information& information);
    // Reads a database file's contents (TZif version 2 or later, whose
    // last line holds a POSIX rule); false when it is not one or has no rule.
    static bool ParseZoneFile(const unsigned char* data, size_t size, Information& information);
    // Reads the database file at `path`; false when there is none or
    // ParseZoneFile fails.
    static bool ReadZoneFile(const char* path, Information& information);

private:
    static Information Load();
};
