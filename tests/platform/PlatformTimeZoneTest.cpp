#include "PlatformTimeZone.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

typedef PlatformTimeZone::Information Information;
typedef PlatformTimeZone::Rule Rule;

void ExpectRelative(const Rule& rule, int month, int week, int weekday, int hour) {
    EXPECT_EQ(rule.year, 0);
    EXPECT_EQ(rule.month, month);
    EXPECT_EQ(rule.day, week);
    EXPECT_EQ(rule.dayOfWeek, weekday);
    EXPECT_EQ(rule.hour, hour);
}

Information Parse(const char* text) {
    Information information;
    information.bias = 12345;  // must be replaced
    EXPECT_TRUE(PlatformTimeZone::ParsePosixRule(text, information)) << text;
    return information;
}

// A TZif file of `version` with one local time type and the given footer.
std::string ZoneFile(char version, const std::string& footer) {
    std::string header("TZif");
    header += version;
    header += std::string(15, '\0');
    // isutcnt, isstdcnt, leapcnt, timecnt 0; typecnt 1; charcnt 4.
    const unsigned char counts[24] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 4};
    header.append((const char*)counts, sizeof counts);
    std::string data("\xff\xff\xb9\xb0\x00\x00" "EST", 9);
    data += '\0';
    return header + data + header + data + footer;
}

bool ParseFile(const std::string& file, Information& information) {
    return PlatformTimeZone::ParseZoneFile((const unsigned char*)file.data(), file.size(), information);
}

// Sets TZ (null: unset) and TZDIR for one test and restores both after.
class ProcessZone : public ::testing::Test {
protected:
    void SetUp() override {
        Save("TZ", savedTz, hadTz);
        Save("TZDIR", savedTzDir, hadTzDir);
    }
    void TearDown() override {
        Restore("TZ", savedTz, hadTz);
        Restore("TZDIR", savedTzDir, hadTzDir);
        PlatformTimeZone::Reload();
    }
    const Information& Load(const char* tz) {
        if (tz) setenv("TZ", tz, 1);
        else unsetenv("TZ");
        PlatformTimeZone::Reload();
        return PlatformTimeZone::Current();
    }

private:
    static void Save(const char* name, std::string& value, bool& had) {
        const char* current = getenv(name);
        had = current != nullptr;
        if (had) value = current;
    }
    static void Restore(const char* name, const std::string& value, bool had) {
        if (had) setenv(name, value.c_str(), 1);
        else unsetenv(name);
    }
    std::string savedTz, savedTzDir;
    bool hadTz = false, hadTzDir = false;
};

TEST(PlatformTimeZonePosix, NorthernAndSouthernRulesMapOntoTheRuleFields) {
    Information north = Parse("EST5EDT,M3.2.0,M11.1.0");
    EXPECT_EQ(north.bias, 300);
    EXPECT_EQ(north.standardBias, 0);
    EXPECT_EQ(north.daylightBias, -60);
    ExpectRelative(north.daylightDate, 3, 2, 0, 2);
    ExpectRelative(north.standardDate, 11, 1, 0, 2);
    EXPECT_TRUE(north.HasDaylightRules());

    Information south = Parse("AEST-10AEDT,M10.1.0,M4.1.0/3");
    EXPECT_EQ(south.bias, -600);
    EXPECT_EQ(south.daylightBias, -60);
    ExpectRelative(south.daylightDate, 10, 1, 0, 2);
    ExpectRelative(south.standardDate, 4, 1, 0, 3);
}

TEST(PlatformTimeZonePosix, FixedOffsetsHaveNoDaylightRules) {
    Information utc = Parse("UTC0");
    EXPECT_EQ(utc.bias, 0);
    EXPECT_FALSE(utc.HasDaylightRules());
    Information japan = Parse("JST-9");
    EXPECT_EQ(japan.bias, -540);
    EXPECT_FALSE(japan.HasDaylightRules());
    EXPECT_EQ(Parse("<+0530>-5:30").bias, -330);
    EXPECT_EQ(Parse("<-03>3").bias, 180);
    EXPECT_EQ(Parse("XXX+1:30:40").bias, 91);  // to the nearest minute
}

TEST(PlatformTimeZonePosix, ExplicitDaylightOffsetsAndTimes) {
    // Dublin keeps "standard" time in summer: its daylight time is behind.
    Information dublin = Parse("IST-1GMT0,M10.5.0,M3.5.0/1");
    EXPECT_EQ(dublin.bias, -60);
    EXPECT_EQ(dublin.daylightBias, 60);
    ExpectRelative(dublin.daylightDate, 10, 5, 0, 2);
    ExpectRelative(dublin.standardDate, 3, 5, 0, 1);
    Information lordHowe = Parse("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0");
    EXPECT_EQ(lordHowe.daylightBias, -30);
    Information late = Parse("EST5EDT,M3.2.0/-1:30,M11.1.0/26");
    EXPECT_EQ(late.daylightDate.hour * 60 + late.daylightDate.minute, -90);
    EXPECT_EQ(late.standardDate.hour, 26);
}

TEST(PlatformTimeZonePosix, DaylightWithoutRuleTakesTheUsualOne) {
    Information zone = Parse("CST6CDT");
    EXPECT_EQ(zone.bias, 360);
    ExpectRelative(zone.daylightDate, 3, 2, 0, 2);
    ExpectRelative(zone.standardDate, 11, 1, 0, 2);
}

TEST(PlatformTimeZonePosix, DayNumbersBecomeAbsoluteDates) {
    Information julian = Parse("AAA3BBB,J60,J365");
    EXPECT_NE(julian.daylightDate.year, 0);
    EXPECT_EQ(julian.daylightDate.month, 3);
    EXPECT_EQ(julian.daylightDate.day, 1);
    EXPECT_EQ(julian.standardDate.month, 12);
    EXPECT_EQ(julian.standardDate.day, 31);
    Information zeroBased = Parse("AAA3BBB,0,59");
    EXPECT_EQ(zeroBased.daylightDate.month, 1);
    EXPECT_EQ(zeroBased.daylightDate.day, 1);
    EXPECT_EQ(zeroBased.standardDate.month, 3);
    EXPECT_EQ(zeroBased.standardDate.day, 1);
}

TEST(PlatformTimeZonePosix, MalformedRulesAreRefused) {
    const char* bad[] = {"",           "EST",           "ES5",           "EST5EDT,M3.2.0",  "EST5EDT,M13.2.0,M11.1.0",
                         "EST5EDT,M3.6.0,M11.1.0", "EST5EDT,M3.2.7,M11.1.0", "EST5EDT,J0,J365", "EST5EDT,J366,J1",
                         "EST25",      "EST5:60",       "EST5EDT,M3.2.0,M11.1.0x", "<AB>5", "<A!B>5",
                         "EST99999999999", "Europe/Berlin", "EST5EDT,M3.2.0/168,M11.1.0"};
    for (const char* text : bad) {
        Information information;
        information.bias = 7;
        EXPECT_FALSE(PlatformTimeZone::ParsePosixRule(text, information)) << text;
        EXPECT_EQ(information.bias, 7) << text;
    }
    Information information;
    EXPECT_FALSE(PlatformTimeZone::ParsePosixRule(nullptr, information));
}

TEST(PlatformTimeZoneFile, TheFootersRuleIsTheZones) {
    Information information;
    ASSERT_TRUE(ParseFile(ZoneFile('2', "\nEST5EDT,M3.2.0,M11.1.0\n"), information));
    EXPECT_EQ(information.bias, 300);
    ExpectRelative(information.daylightDate, 3, 2, 0, 2);
    ASSERT_TRUE(ParseFile(ZoneFile('3', "\n<+09>-9\n"), information));
    EXPECT_EQ(information.bias, -540);
    EXPECT_FALSE(information.HasDaylightRules());
}

TEST(PlatformTimeZoneFile, FilesWithoutAUsableRuleAreRefused) {
    std::string good = ZoneFile('2', "\nEST5EDT,M3.2.0,M11.1.0\n");
    Information information;
    information.bias = 7;
    EXPECT_FALSE(ParseFile(ZoneFile('\0', ""), information));  // version 1: no footer
    EXPECT_FALSE(ParseFile(ZoneFile('2', "\n\n"), information));
    EXPECT_FALSE(ParseFile(ZoneFile('2', "\nEST5EDT,M3.2.0,M11.1.0"), information));
    EXPECT_FALSE(ParseFile(ZoneFile('2', "\nnot a rule\n"), information));
    for (size_t size = 0; size < good.size(); ++size)
        EXPECT_FALSE(ParseFile(good.substr(0, size), information)) << size;
    std::string wrongMagic = good;
    wrongMagic[0] = 'X';
    EXPECT_FALSE(ParseFile(wrongMagic, information));
    // Counts that point far past the end.
    std::string huge = good;
    for (int i = 20; i < 44; ++i) huge[i] = '\xff';
    EXPECT_FALSE(ParseFile(huge, information));
    EXPECT_EQ(information.bias, 7);
    EXPECT_FALSE(PlatformTimeZone::ParseZoneFile(nullptr, 0, information));
}

TEST_F(ProcessZone, TzHoldsAPosixRule) {
    EXPECT_EQ(Load("AEST-10AEDT,M10.1.0,M4.1.0").bias, -600);
    EXPECT_EQ(PlatformTimeZone::Offset(), -36000);
    EXPECT_FALSE(Load("JST-9").HasDaylightRules());
    EXPECT_EQ(PlatformTimeZone::Offset(), -32400);
    // Kept until reloaded.
    setenv("TZ", "UTC0", 1);
    EXPECT_EQ(PlatformTimeZone::Offset(), -32400);
}

TEST_F(ProcessZone, TzNamesAZoneOfTheDatabase) {
    char directory[] = "/tmp/platform_tz_XXXXXX";
    ASSERT_NE(mkdtemp(directory), nullptr);
    std::string path = std::string(directory) + "/Test_Zone";
    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::string contents = ZoneFile('2', "\nAEST-10AEDT,M10.1.0,M4.1.0/3\n");
    fwrite(contents.data(), 1, contents.size(), file);
    fclose(file);
    setenv("TZDIR", directory, 1);

    EXPECT_EQ(Load("Test_Zone").bias, -600);
    EXPECT_EQ(Load(":Test_Zone").standardDate.hour, 3);
    EXPECT_EQ(Load(path.c_str()).bias, -600);
    // Anything unreadable is UTC without rules.
    const char* unreadable[] = {"Missing_Zone", ":", "", "../Test_Zone", "x/../../Test_Zone", ":EST5EDT"};
    for (const char* tz : unreadable) {
        const Information& zone = Load(tz);
        EXPECT_EQ(zone.bias, 0) << tz;
        EXPECT_FALSE(zone.HasDaylightRules()) << tz;
    }
    remove(path.c_str());
    rmdir(directory);
}

// The installed database, where there is one.
TEST_F(ProcessZone, TzNamesAnInstalledZone) {
    unsetenv("TZDIR");
    if (access("/usr/share/zoneinfo/Europe/Berlin", R_OK) != 0) GTEST_SKIP() << "no time-zone database";
    const Information& berlin = Load(":Europe/Berlin");
    EXPECT_EQ(berlin.bias, -60);
    EXPECT_EQ(berlin.daylightBias, -60);
    ExpectRelative(berlin.daylightDate, 3, 5, 0, 2);
    ExpectRelative(berlin.standardDate, 10, 5, 0, 3);
    EXPECT_EQ(Load("Europe/Berlin").bias, -60);
}

}  // namespace
