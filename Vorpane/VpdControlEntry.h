// VpdControlEntry: the common part of the entries that bind one field to one
// control: the field, the inactive value, and detaching the control object.
#pragma once

#include "QelSuperMapEntry.h"
#include "VpdAttach.h"

class VpdValEntry;
class VpdVarEntry;

class VpdControlEntry : public QelSuperMapEntry {
public:
    // The entry owns `var` and `inactiveValue` (either may be null).
    VpdControlEntry(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue);
    ~VpdControlEntry() override;

    // Removes the control object registered under the id, gives the control
    // back and destroys the object.
    void DestroyControls(CWnd* dialog) override;

    VpdVarEntry* var;
    VpdValEntry* inactiveValue;

protected:
    // Writes the inactive value, if there is one.
    void WriteInactive(unsigned char* record) const;

    // The control whose value DialogToData is to store, or null when there
    // is nothing to store: no control, or one still undecided over several
    // records. An inactive entry writes its inactive value and answers null.
    template <class Control>
    Control* ControlToStore(CWnd* dialog, unsigned char* record, bool active) const
    {
        auto* control = VpdAttach::Find<Control>(dialog, id);
        if (!control || control->IsMultiSelected())
            return nullptr;
        if (!active) {
            WriteInactive(record);
            return nullptr;
        }
        return control;
    }
};
