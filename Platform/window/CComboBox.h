// CComboBox: typed access to a combo box (QComboBox), editable or not.
#pragma once

#include "CWnd.h"

class QComboBox;

class CComboBox : public CWnd {
public:
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);  // -1 (or an index past the end) clears the selection and gives CB_ERR
    // Selects the first item after `startAfter` (-1: from the start, wrapping
    // round) whose text begins with `text`, ignoring case; CB_ERR when none.
    int SelectString(int startAfter, const char* text);
    int FindString(int startAfter, const char* text) const;       // the same search, selecting nothing
    int FindStringExact(int startAfter, const char* text) const;  // whole text, ignoring case
    int AddString(const char* text);                              // index of the new item
    int InsertString(int index, const char* text);                // -1 appends
    int DeleteString(int index);                                  // count left, or CB_ERR
    void ResetContent();
    void GetLBText(int index, QelString& text) const;             // empty for a bad index
    int GetLBTextLen(int index) const;                            // CB_ERR for a bad index

    // The messages behind the methods, for any combo box widget.
    static long HandleMessage(QComboBox* combo, unsigned int message, unsigned long wParam, long lParam);
};
