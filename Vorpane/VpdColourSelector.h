// Colour entries: a COLORREF field (0x00BBGGRR) on a colour selector
// (style 23 of QelColourSelector), alone or with a tolerance byte.
//
// The colour is always shown outright, record by record (no merging); the
// tolerance merges like the other controls.
#pragma once

#include "VpdControlEntry.h"

class VpdColourSelector : public VpdControlEntry {
public:
    // The style the selector is made with: swatch, hex text, colour dialog,
    // custom colours kept.
    static constexpr int SelectorStyle = 23;

    VpdColourSelector(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue);

    void InitControls(CWnd* dialog) override;
    // Only with a record.
    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    // Stores the colour when the selector reports one; nothing otherwise.
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;
};

class VpdColourSelectorTolerance : public VpdColourSelector {
public:
    // Owns both fields and both inactive values.
    VpdColourSelectorTolerance(unsigned int id, VpdVarEntry* colourVar, VpdVarEntry* toleranceVar,
                               VpdValEntry* colourInactiveValue, VpdValEntry* toleranceInactiveValue);
    ~VpdColourSelectorTolerance() override;

    void InitControls(CWnd* dialog) override;
    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;

    VpdVarEntry* toleranceVar;
    VpdValEntry* toleranceInactiveValue;
};
