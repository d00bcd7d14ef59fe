// Entries over the dialog's own combo boxes (no control object): the
// selected index (VpdComboSelect) or the selected text (VpdComboString).
#pragma once

#include "VpdControlEntry.h"

class QelString;

// The field holds the index of the selected item (read as a 32-bit integer
// for size 4, 16-bit for size 2, an unsigned byte otherwise). Records that
// differ leave the combo box without a selection, and then nothing is
// written back.
class VpdComboSelect : public VpdControlEntry {
public:
    VpdComboSelect(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue);

    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;
    // No control object of its own.
    void DestroyControls(CWnd*) override {}
};

// The field is a QelString: the first record selects the first item that
// begins with its text (or, with none, the text becomes the combo box's
// text); a further record with another text clears the selection and the
// text. Only a non-empty text is written back, by an active entry.
class VpdComboString : public VpdControlEntry {
public:
    explicit VpdComboString(unsigned int id, VpdVarEntry* var);

    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;
    void DestroyControls(CWnd*) override {}

private:
    // The selected item's text, or the combo box's own text without one.
    static void ShownText(CWnd* dialog, unsigned int id, QelString& text);
};
