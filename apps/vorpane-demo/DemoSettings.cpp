#include "DemoSettings.h"

#include <charconv>
#include <cstdio>
#include <string>

namespace {

template <class Number>
std::string Shortest(Number value)
{
    char buffer[64];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Quoted(const QelString& text)
{
    std::string quoted = "\"";
    for (const char* c = text.GetText(); *c; ++c) {
        if (*c == '"' || *c == '\\')
            quoted += '\\';
        if (*c == '\n')
            quoted += "\\n";
        else
            quoted += *c;
    }
    return quoted + "\"";
}

std::string Colour(uint32_t colour)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return buffer;
}

unsigned Bits(uint32_t flags, int first, int count)
{
    return (flags >> first) & ((1u << count) - 1);
}

}  // namespace

DemoSettings DefaultSettings()
{
    DemoSettings s;
    s.name = "Studio A";
    s.project = "Evening concert";
    s.format = "FLAC";
    s.quality = 2;
    s.title = "Mixing desk";
    s.volume = 150;
    s.gain = -3.5;
    s.speed = 1.25f;
    s.balance = -10;
    s.level = 7;
    s.fadeMs = 1500;
    s.delayMs = 4000;
    s.flags = (1u << FlagShowGridBit) | (ModeManual << FlagModeBit);
    s.gridSize = 8;
    s.snapDistance = 3;
    s.manualRate = 44;
    s.angle = 45;
    s.colour = 0x0000A5FF;  // orange
    s.tolerance = 16;
    s.sample = "/usr/share/sounds/start.wav";
    s.folder = "/tmp";
    s.script = "// Runs when the desk starts\nvar level = 7;\nwait(2);";
    return s;
}

std::vector<DemoSettings> SampleRecords(int count)
{
    std::vector<DemoSettings> records;
    for (int i = 0; i < count; ++i) {
        DemoSettings s = DefaultSettings();
        // The second record differs from the others in a few fields; the
        // third in some of those and one more.
        if (i % 3 == 1) {
            s.name = "Studio B";
            s.volume = 100;
            s.fadeMs = 2500;
            s.flags = (1u << FlagSnapBit) | (ModeAutomatic << FlagModeBit);
            s.angle = 90;
            s.tolerance = 20;
        } else if (i % 3 == 2) {
            s.name = "Studio C";
            s.project = "Morning rehearsal";
            s.quality = 3;
            s.gain = 0.0;
            s.snapDistance = 5;
        }
        records.push_back(s);
    }
    return records;
}

void PrintRecords(std::ostream& out, const std::vector<DemoSettings>& records)
{
    int number = 1;
    for (const DemoSettings& s : records) {
        out << "record " << number++ << "\n";
        out << "name = " << Quoted(s.name) << "\n";
        out << "project = " << Quoted(s.project) << "\n";
        out << "format = " << Quoted(s.format) << "\n";
        out << "quality = " << s.quality << "\n";
        out << "title = " << Quoted(s.title) << "\n";
        out << "volume = " << s.volume << "\n";
        out << "gain = " << Shortest(s.gain) << "\n";
        out << "speed = " << Shortest(s.speed) << "\n";
        out << "balance = " << s.balance << "\n";
        out << "level = " << s.level << "\n";
        out << "fadeMs = " << s.fadeMs << "\n";
        out << "delayMs = " << s.delayMs << "\n";
        out << "showGrid = " << Bits(s.flags, FlagShowGridBit, 1) << "\n";
        out << "snap = " << Bits(s.flags, FlagSnapBit, 1) << "\n";
        out << "mode = " << Bits(s.flags, FlagModeBit, FlagModeBits) << "\n";
        out << "gridSize = " << s.gridSize << "\n";
        out << "snapDistance = " << s.snapDistance << "\n";
        out << "manualRate = " << s.manualRate << "\n";
        out << "angle = " << s.angle << "\n";
        out << "colour = " << Colour(s.colour) << "\n";
        out << "tolerance = " << static_cast<unsigned>(s.tolerance) << "\n";
        out << "sample = " << Quoted(s.sample) << "\n";
        out << "folder = " << Quoted(s.folder) << "\n";
        out << "script = " << Quoted(s.script) << "\n";
    }
}
