#include "PlatformTimeZone.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Loaded once by whichever thread asks first; the others wait for it.
PlatformTimeZone::Information g_current;
std::atomic<bool> g_loaded{false};
std::mutex g_loading;

// Zone files are a few kilobytes; anything far larger is not one.
const size_t kMaxZoneFileSize = 1 << 20;
// Where the rule puts a change when it names no time.
const int kDefaultChangeHour = 2;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// At most `maxDigits` digits, so that no text can overflow the number.
bool ReadNumber(const char*& p, int maxDigits, int& number) {
    if (!IsDigit(*p)) return false;
    number = 0;
    for (int digits = 0; IsDigit(*p); ++digits, ++p) {
        if (digits == maxDigits) return false;
        number = number * 10 + (*p - '0');
    }
    return true;
}

// A zone abbreviation: three or more letters, or anything of letters,
// digits and signs between angle brackets ("<+0330>").
bool ReadName(const char*& p) {
    int length = 0;
    if (*p == '<') {
        ++p;
        for (; *p && *p != '>'; ++p, ++length)
            if (!IsAlpha(*p) && !IsDigit(*p) && *p != '+' && *p != '-') return false;
        if (*p != '>') return false;
        ++p;
    } else {
        for (; IsAlpha(*p); ++p) ++length;
    }
    return length >= 3;
}

// [+|-]hh[:mm[:ss]] in seconds. Offsets allow 24 hours, change times the
// extension's 167.
bool ReadTime(const char*& p, int maxHours, int& seconds) {
    int sign = 1;
    if (*p == '+' || *p == '-') sign = *p++ == '-' ? -1 : 1;
    int hours = 0, minutes = 0, secs = 0;
    if (!ReadNumber(p, 3, hours) || hours > maxHours) return false;
    if (*p == ':') {
        ++p;
        if (!ReadNumber(p, 2, minutes) || minutes > 59) return false;
        if (*p == ':') {
            ++p;
            if (!ReadNumber(p, 2, secs) || secs > 59) return false;
        }
    }
    seconds = sign * (hours * 3600 + minutes * 60 + secs);
    return true;
}

int SecondsToMinutes(int seconds) { return (seconds + (seconds >= 0 ? 30 : -30)) / 60; }

// Day n (1 to 365) of a year without 29 February, as an absolute date.
void SetJulianDay(int n, PlatformTimeZone::Rule& rule) {
    static const int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 0;
    while (month < 11 && n > kMonthLengths[month]) n -= kMonthLengths[month++];
    rule.year = 1;
    rule.month = month + 1;
    rule.day = n;
    rule.dayOfWeek = 0;
}

// Mm.w.d, Jn or n, then an optional /time.
bool ReadRule(const char*& p, PlatformTimeZone::Rule& rule) {
    rule = PlatformTimeZone::Rule();
    int n = 0;
    if (*p == 'M') {
        ++p;
        int month = 0, week = 0, weekday = 0;
        if (!ReadNumber(p, 2, month) || month < 1 || month > 12 || *p++ != '.') return false;
        if (!ReadNumber(p, 1, week) || week < 1 || week > 5 || *p++ != '.') return false;
        if (!ReadNumber(p, 1, weekday) || weekday > 6) return false;
        rule.month = month;
        rule.day = week;
        rule.dayOfWeek = weekday;
    } else if (*p == 'J') {
        ++p;
        if (!ReadNumber(p, 3, n) || n < 1 || n > 365) return false;
        SetJulianDay(n, rule);
    } else {
        // Counting 29 February, which the absolute date cannot: exact in
        // common years and up to the end of February in leap years.
        if (!ReadNumber(p, 3, n) || n > 365) return false;
        SetJulianDay(n < 365 ? n + 1 : 365, rule);
    }
    int seconds = kDefaultChangeHour * 3600;
    if (*p == '/') {
        ++p;
        if (!ReadTime(p, 167, seconds)) return false;
    }
    rule.hour = seconds / 3600;
    rule.minute = seconds / 60 % 60;
    rule.second = seconds % 60;
    return true;
}

uint32_t ReadBigEndian(const unsigned char* p) {
    return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | (uint32_t)p[3];
}

// The size of the data block after a header, with `timeSize`-byte times.
uint64_t DataBlockSize(const unsigned char* header, uint64_t timeSize) {
    uint64_t isUtCount = ReadBigEndian(header + 20);
    uint64_t isStdCount = ReadBigEndian(header + 24);
    uint64_t leapCount = ReadBigEndian(header + 28);
    uint64_t timeCount = ReadBigEndian(header + 32);
    uint64_t typeCount = ReadBigEndian(header + 36);
    uint64_t charCount = ReadBigEndian(header + 40);
    return timeCount * (timeSize + 1) + typeCount * 6 + charCount + leapCount * (timeSize + 4) + isStdCount +
           isUtCount;
}

const size_t kHeaderSize = 44;

bool IsHeader(const unsigned char* data, size_t size, uint64_t at) {
    return at + kHeaderSize <= size && memcmp(data + at, "TZif", 4) == 0;
}

}  // namespace

const PlatformTimeZone::Information& PlatformTimeZone::Current() {
    if (!g_loaded.load(std::memory_order_acquire)) {
        std::lock_guard<std::mutex> hold(g_loading);
        if (!g_loaded.load(std::memory_order_relaxed)) {
            g_current = Load();
            g_loaded.store(true, std::memory_order_release);
        }
    }
    return g_current;
}

void PlatformTimeZone::Reload() { g_loaded = false; }

// No TZ: the system zone. A leading colon always names a zone; otherwise a
// text that reads as a POSIX rule is one, and anything else names a zone.
// Whatever cannot be read leaves UTC without time-zone information.
PlatformTimeZone::Information PlatformTimeZone::Load() {
    Information information;
    const char* tz = getenv("TZ");
    if (!tz) {
        ReadZoneFile("/etc/localtime", information);
        return information;
    }
    if (*tz == ':')
        ++tz;
    else if (ParsePosixRule(tz, information))
        return information;
    if (*tz == 0) return information;
    std::string path;
    if (*tz == '/') {
        path = tz;
    } else {
        // A zone name stays inside the database.
        std::string name(tz);
        if (name == ".." || name.compare(0, 3, "../") == 0 || name.find("/../") != std::string::npos ||
            (name.size() >= 3 && name.compare(name.size() - 3, 3, "/..") == 0))
            return information;
        const char* directory = getenv("TZDIR");
        path = std::string(directory && *directory ? directory : "/usr/share/zoneinfo") + "/" + name;
    }
    ReadZoneFile(path.c_str(), information);
    return information;
}

bool PlatformTimeZone::ParsePosixRule(const char* text, Information& information) {
    if (!text) return false;
    const char* p = text;
    int standardOffset = 0;
    if (!ReadName(p) || !ReadTime(p, 24, standardOffset)) return false;
    Information result;
    result.bias = SecondsToMinutes(standardOffset);
    if (*p == 0) {
        information = result;
        return true;
    }
    if (!ReadName(p)) return false;
    // Daylight time is an hour ahead unless the rule says otherwise.
    int daylightOffset = standardOffset - 3600;
    if (*p && *p != ',' && !ReadTime(p, 24, daylightOffset)) return false;
    if (*p == ',') {
        ++p;
        if (!ReadRule(p, result.daylightDate) || *p++ != ',' || !ReadRule(p, result.standardDate)) return false;
    } else {
        // The rule most systems assume when a zone names daylight time only.
        const char* usual = "M3.2.0,M11.1.0";
        ReadRule(usual, result.daylightDate);
        ++usual;
        ReadRule(usual, result.standardDate);
    }
    if (*p != 0) return false;
    result.standardBias = 0;
    result.daylightBias = SecondsToMinutes(daylightOffset) - result.bias;
    information = result;
    return true;
}

// Header, version 1 data, a second header, version 2 data with 64-bit
// times, then "\n" rule "\n".
bool PlatformTimeZone::ParseZoneFile(const unsigned char* data, size_t size, Information& information) {
    if (!data || !IsHeader(data, size, 0) || data[4] < '2') return false;
    uint64_t second = kHeaderSize + DataBlockSize(data, 4);
    if (!IsHeader(data, size, second)) return false;
    uint64_t footer = second + kHeaderSize + DataBlockSize(data + second, 8);
    if (footer >= size || data[footer] != '\n') return false;
    const unsigned char* start = data + footer + 1;
    const unsigned char* end = (const unsigned char*)memchr(start, '\n', size - (size_t)footer - 1);
    if (!end || end == start) return false;
    std::string rule((const char*)start, (size_t)(end - start));
    return ParsePosixRule(rule.c_str(), information);
}

bool PlatformTimeZone::ReadZoneFile(const char* path, Information& information) {
    FILE* file = fopen(path, "rb");
    if (!file) return false;
    std::vector<unsigned char> data(kMaxZoneFileSize);
    size_t size = fread(data.data(), 1, data.size(), file);
    fclose(file);
    return size < kMaxZoneFileSize && ParseZoneFile(data.data(), size, information);
}
