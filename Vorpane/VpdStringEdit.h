// Text entries over a QelString field: an edit box (VpdStringEdit) and an
// editable combo box with a history kept per key (VpdHistoryCombo).
#pragma once

#include "QelString.h"
#include "VpdControlEntry.h"

class VpdStringEdit : public VpdControlEntry {
public:
    VpdStringEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue);

    void InitControls(CWnd* dialog) override;
    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;
};

class VpdHistoryCombo : public VpdControlEntry {
public:
    // A null key is the empty key.
    VpdHistoryCombo(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, const char* historyKey);

    void InitControls(CWnd* dialog) override;
    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    // Stores the text and records it in the history.
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;

    QelString historyKey;
};
