// The demo's settings record: a plain struct that the dialog edits in place,
// fields addressed by byte offset and width.
#pragma once

#include "QelString.h"

#include <cstdint>
#include <ostream>
#include <vector>

struct DemoSettings {
    // General
    QelString name;
    QelString project;   // with a history of earlier projects
    QelString format;    // one of the format list's texts
    int32_t quality;     // index into the quality list
    QelString title;     // shown, never edited
    // Sound
    int32_t volume;      // 0 ... 200, edited as a percentage
    double gain;         // dB
    float speed;
    int16_t balance;     // -50 ... 50
    int32_t level;       // 0 ... 10 on a slider
    uint32_t fadeMs;
    uint32_t delayMs;
    // Display
    uint32_t flags;      // see the Flag* bits
    int32_t gridSize;
    int16_t snapDistance;
    int32_t manualRate;
    int32_t angle;       // degrees
    uint32_t colour;     // 0x00BBGGRR
    uint8_t tolerance;
    // Files
    QelString sample;
    QelString folder;
    QelString script;
};

// Bit fields of DemoSettings::flags: bit 0 show grid, bit 1 snap to grid,
// bits 2-3 the mode.
enum { FlagShowGridBit = 0, FlagSnapBit = 1, FlagModeBit = 2, FlagModeBits = 2 };
enum { ModeOff = 0, ModeAutomatic = 1, ModeManual = 2 };

// The record as the demo starts with it.
DemoSettings DefaultSettings();
// `count` records that differ in some fields and agree in the rest.
std::vector<DemoSettings> SampleRecords(int count);
// "record N" and one "field = value" line per field, for each record.
void PrintRecords(std::ostream& out, const std::vector<DemoSettings>& records);
