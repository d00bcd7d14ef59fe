// Integer edit entries: a whole number in an edit box with a spin button and
// an optional slider (VpdIntEdit), and a percentage of a range
// (VpdPercentIntEdit).
#pragma once

#include "VpdControlEntry.h"

class QelIntegerEditBox;

class VpdIntEdit : public VpdControlEntry {
public:
    // valueOffset is subtracted for display and added back when storing; a
    // scale other than 1 divides for display and multiplies when storing.
    // The slider pair 0, -1 stands for the spin range; a -1 left in either
    // means no slider. With alternateStorage the field is a double (size 8)
    // or a signed 16-bit integer (any other size) instead of a 32-bit one.
    VpdIntEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, int valueOffset, int spinMin,
               int spinMax, float scale, int sliderMin, int sliderMax, bool alternateStorage);

    void InitControls(CWnd* dialog) override;
    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;

    int valueOffset;
    int spinMin, spinMax;
    float scale;
    int sliderMin, sliderMax;
    bool alternateStorage;

protected:
    QelIntegerEditBox* GetBox(CWnd* dialog) const;
    // The field by the entry's reading rule.
    int ReadField(const unsigned char* record) const;
};

// A percentage of the range max - min: a field holding v shows
// v * 100 / (max - min) (integer arithmetic; inverted: (range - v) * 100 /
// range) and typing p stores range * p / 100, truncated toward zero and
// clamped to min ... max. An empty range (max == min) shows 0 and stores min.
class VpdPercentIntEdit : public VpdIntEdit {
public:
    VpdPercentIntEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, int min, int max, bool invert);

    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;

    int min, max;
    bool invert;
};
