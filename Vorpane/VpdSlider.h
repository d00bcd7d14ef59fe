// Entries over plain dialog controls: a slider's position (VpdSlider) and a
// label showing a text field (VpdStatic).
#pragma once

#include "VpdControlEntry.h"

// The field (32-bit for size 4, 16-bit for size 2, an unsigned byte
// otherwise) is the slider's position within min ... max.
class VpdSlider : public VpdControlEntry {
public:
    VpdSlider(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, int min, int max);

    // Sets the slider's range, without redrawing.
    void InitControls(CWnd* dialog) override;
    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;
    void DestroyControls(CWnd*) override {}

    int min, max;
};

// Shows the QelString field as the control's text; writes nothing. Without
// a field it does nothing at all.
class VpdStatic : public VpdControlEntry {
public:
    VpdStatic(unsigned int id, VpdVarEntry* var);

    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DestroyControls(CWnd*) override {}
};
