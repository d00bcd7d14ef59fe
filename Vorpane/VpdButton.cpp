#include "VpdButton.h"

#include "CWnd.h"
#include "QelCheckBox.h"
#include "VpdAttach.h"
#include "VpdValEntry.h"
#include "VpdVarEntry.h"

VpdButton::VpdButton(unsigned int id, VpdVarEntry* var, VpdValEntry* checkedValue, VpdValEntry* uncheckedValue,
                     VpdValEntry* inactiveValue, QelSuperMapEntry* child)
    : QelSuperMapEntry(id), var(var), checkedValue(checkedValue), uncheckedValue(uncheckedValue),
      inactiveValue(inactiveValue), child(child)
{
}

VpdButton::VpdButton(unsigned int id, VpdVarEntry* var, VpdValEntry* checkedValue, VpdValEntry* uncheckedValue,
                     QelSuperMapEntry* child)
    : VpdButton(id, var, checkedValue, uncheckedValue, nullptr, child)
{
}

VpdButton::VpdButton(unsigned int id, QelSuperMapEntry* child) : VpdButton(id, nullptr, nullptr, nullptr, nullptr, child) {}

VpdButton::~VpdButton()
{
    delete var;
    delete child;
    delete checkedValue;
    delete uncheckedValue;
    delete inactiveValue;
}

void VpdButton::UpdateGreying(CWnd* dialog, bool enable)
{
    QelSuperMapEntry::UpdateGreying(dialog, enable);
    if (child)
        child->UpdateGreying(dialog, enable && dialog && dialog->IsDlgButtonChecked(id) == BST_CHECKED);
}

void VpdButton::ShowWindow(CWnd* dialog, int show)
{
    QelSuperMapEntry::ShowWindow(dialog, show);
    if (child)
        child->ShowWindow(dialog, show);
}

bool VpdButton::StateOf(unsigned char* record) const
{
    if (!record)
        return false;
    if (checkedValue)
        return checkedValue->Compare(record, var);
    if (uncheckedValue)
        return !uncheckedValue->Compare(record, var);
    return false;
}

void VpdButton::WriteState(CWnd* dialog, unsigned char* record, bool multiSelected) const
{
    if (multiSelected || !record || !dialog || !dialog->GetDlgItem(id))
        return;
    switch (dialog->IsDlgButtonChecked(id)) {
    case BST_CHECKED:
        if (checkedValue)
            checkedValue->Set(record, var);
        break;
    case BST_UNCHECKED:
        if (uncheckedValue)
            uncheckedValue->Set(record, var);
        break;
    default:  // indeterminate: the user has not decided
        break;
    }
}

bool VpdButton::ChildActive(CWnd* dialog, bool active) const
{
    return active && dialog && dialog->IsDlgButtonChecked(id) != BST_UNCHECKED;
}

void VpdButton::DestroyControls(CWnd* dialog)
{
    VpdAttach::Detach(dialog, id);
    if (child)
        child->DestroyControls(dialog);
}

template <class Control>
void VpdButton::AttachButton(CWnd* dialog)
{
    if (dialog && dialog->GetDlgItem(id))
        VpdAttach::Attach(dialog, id, new Control);
    if (child)
        child->InitControls(dialog);
}

template <class Control>
void VpdButton::ShowButton(CWnd* dialog, unsigned char* record, bool hasRecord, bool first)
{
    if (var)
        if (Control* button = VpdAttach::Find<Control>(dialog, id))
            button->SetCheck(StateOf(record), first);
    if (child)
        child->DataToDialog(dialog, record, hasRecord, first);
}

template <class Control>
void VpdButton::StoreButton(CWnd* dialog, unsigned char* record, bool active)
{
    if (var && active) {
        Control* button = VpdAttach::Find<Control>(dialog, id);
        WriteState(dialog, record, button && button->IsMultiSelected());
    }
    if (child)
        child->DialogToData(dialog, record, ChildActive(dialog, active));
}

// ---- check box ----

void VpdCheckBox::DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first)
{
    ShowButton<QelCheckBox>(dialog, record, hasRecord, first);
}

void VpdCheckBox::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    if (var && !active && inactiveValue && record)
        inactiveValue->Set(record, var);
    StoreButton<QelCheckBox>(dialog, record, active);
}

void VpdCheckBox::InitControls(CWnd* dialog)
{
    AttachButton<QelCheckBox>(dialog);
}

// ---- radio button ----

void VpdRadioButton::DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first)
{
    ShowButton<QelRadioButton>(dialog, record, hasRecord, first);
}

void VpdRadioButton::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    StoreButton<QelRadioButton>(dialog, record, active);
}

void VpdRadioButton::InitControls(CWnd* dialog)
{
    AttachButton<QelRadioButton>(dialog);
}
