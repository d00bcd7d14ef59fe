// Time entries: a time in milliseconds in a time edit box with a spin button
// and a slider (VpdTimeEdit), and minutes and seconds up to 10 seconds
// (VpdMinSecEdit). The field's bytes (at most four) are read as an unsigned
// number of milliseconds.
#pragma once

#include "VpdControlEntry.h"

class VpdTimeEdit : public VpdControlEntry {
public:
    // digits > 0: seconds with that many decimals (unit 10^digits; mode -1
    // means 3, seconds); digits 0: unit 1000 (mode -1 means 2,
    // milliseconds). The spin button runs 0 ... maxMs, the slider
    // 0 ... sliderMax (-1: maxMs). See QelTimeEditBox for the modes.
    VpdTimeEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, int digits, int maxMs, int mode,
                int sliderMax);

    void InitControls(CWnd* dialog) override;
    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;

    // The mode and unit the box is given.
    int GetTimeMode() const;
    int GetUnit() const;

    int digits;
    int maxMs;
    int mode;
    int sliderMax;
};

// Minutes and seconds ("1:05"), 0 to 10 seconds on spin button and slider.
class VpdMinSecEdit : public VpdTimeEdit {
public:
    VpdMinSecEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue);

    void InitControls(CWnd* dialog) override;
};
