// VpdScriptEdit: a script in a QelString field, edited in the script edit
// control (coloured while typed). The control object is made when the
// dialog's controls are initialised and deleted with the dialog window.
#pragma once

#include "VpdControlEntry.h"

class VpdScriptEdit : public VpdControlEntry {
public:
    VpdScriptEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue);

    void InitControls(CWnd* dialog) override;
    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    // Stores the control's text (there is no undecided state to test).
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;
};
