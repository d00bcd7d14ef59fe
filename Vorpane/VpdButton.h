// Button entries: check boxes and radio buttons over a field, each with an
// optional dependent entry (often a VpdGroup) that is active only while the
// button is checked.
#pragma once

#include "QelSuperMapEntry.h"

class VpdValEntry;
class VpdVarEntry;

// The base of the buttons: greying and showing, passed on to the child.
// A button owns its field, its three values and its child.
class VpdButton : public QelSuperMapEntry {
public:
    VpdButton(unsigned int id, VpdVarEntry* var, VpdValEntry* checkedValue, VpdValEntry* uncheckedValue,
              VpdValEntry* inactiveValue, QelSuperMapEntry* child);
    VpdButton(unsigned int id, VpdVarEntry* var, VpdValEntry* checkedValue, VpdValEntry* uncheckedValue,
              QelSuperMapEntry* child);
    // A button that only controls its child; the host handles its state.
    VpdButton(unsigned int id, QelSuperMapEntry* child);
    ~VpdButton() override;

    // Greys its own control, then enables the child only while this button
    // is enabled and checked (state 1; an indeterminate box greys it).
    void UpdateGreying(CWnd* dialog, bool enable) override;
    void ShowWindow(CWnd* dialog, int show) override;
    // Gives back the button's control object, then the child's.
    void DestroyControls(CWnd* dialog) override;

    VpdVarEntry* var;
    VpdValEntry* checkedValue;
    VpdValEntry* uncheckedValue;
    VpdValEntry* inactiveValue;
    QelSuperMapEntry* child;

protected:
    // The state the field holds: checkedValue's verdict when there is one,
    // else the negation of uncheckedValue's, else false.
    bool StateOf(unsigned char* record) const;
    // Writes the value of a decided state (nothing while undecided or
    // indeterminate, or when the control is missing).
    void WriteState(CWnd* dialog, unsigned char* record, bool multiSelected) const;
    // Active flag for the child: this entry active and its state not 0.
    bool ChildActive(CWnd* dialog, bool active) const;

    // What check boxes and radio buttons do alike over their `Control`:
    // put it over the dialog's button, show the field's state on it, and
    // write the state while active; each passes on to the child after.
    template <class Control>
    void AttachButton(CWnd* dialog);
    template <class Control>
    void ShowButton(CWnd* dialog, unsigned char* record, bool hasRecord, bool first);
    template <class Control>
    void StoreButton(CWnd* dialog, unsigned char* record, bool active);
};

// Check box over a QelCheckBox. Inactive, it writes its inactive value.
class VpdCheckBox : public VpdButton {
public:
    using VpdButton::VpdButton;

    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;
    void InitControls(CWnd* dialog) override;
};

// Radio button over a QelRadioButton. Inactive, it writes nothing.
class VpdRadioButton : public VpdButton {
public:
    VpdRadioButton(unsigned int id, VpdVarEntry* var, VpdValEntry* checkedValue, VpdValEntry* uncheckedValue,
                   QelSuperMapEntry* child)
        : VpdButton(id, var, checkedValue, uncheckedValue, child) {}
    VpdRadioButton(unsigned int id, QelSuperMapEntry* child) : VpdButton(id, child) {}

    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;
    void InitControls(CWnd* dialog) override;
};
