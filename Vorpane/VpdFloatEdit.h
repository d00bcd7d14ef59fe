// VpdFloatEdit: a decimal number in an edit box with a spin button (steps of
// 0.1) and a slider. The field is a double (size 8) or a float (any other
// size).
#pragma once

#include "VpdControlEntry.h"

class VpdFloatEdit : public VpdControlEntry {
public:
    // valueOffset is subtracted for display and added back when storing; a
    // scale other than 1 divides for display and multiplies when storing.
    // A min or max of -1.0 means no slider.
    VpdFloatEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, double valueOffset, double min,
                 double max, float scale);

    void InitControls(CWnd* dialog) override;
    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    // Reads at most 19 characters of the box's text.
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;

    static constexpr int MaxTextLength = 19;

    double valueOffset;
    double min, max;
    float scale;
};
