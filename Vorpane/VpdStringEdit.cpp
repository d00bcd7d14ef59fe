#include "VpdStringEdit.h"

#include "QelEditBox.h"
#include "QelHistoryEditCombo.h"
#include "VpdAttach.h"
#include "VpdField.h"

VpdStringEdit::VpdStringEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue)
    : VpdControlEntry(id, var, inactiveValue)
{
}

void VpdStringEdit::InitControls(CWnd* dialog)
{
    VpdAttach::Attach(dialog, id, new QelEditBox);
}

void VpdStringEdit::DataToDialog(CWnd* dialog, unsigned char* record, bool, bool first)
{
    if (auto* box = VpdAttach::Find<QelEditBox>(dialog, id))
        box->SetText(VpdField::ReadText(record, var), first, false);
}

void VpdStringEdit::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    auto* box = ControlToStore<QelEditBox>(dialog, record, active);
    if (!box)
        return;
    QelString text;
    box->GetWindowText(text);
    VpdField::WriteText(record, var, text.GetText());
}

VpdHistoryCombo::VpdHistoryCombo(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, const char* historyKey)
    : VpdControlEntry(id, var, inactiveValue), historyKey(historyKey ? historyKey : "")
{
}

void VpdHistoryCombo::InitControls(CWnd* dialog)
{
    VpdAttach::Attach(dialog, id, new QelHistoryEditCombo(historyKey.GetText()));
}

void VpdHistoryCombo::DataToDialog(CWnd* dialog, unsigned char* record, bool, bool first)
{
    if (auto* combo = VpdAttach::Find<QelHistoryEditCombo>(dialog, id))
        combo->SetWindowTextA(VpdField::ReadText(record, var), first);
}

void VpdHistoryCombo::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    auto* combo = ControlToStore<QelHistoryEditCombo>(dialog, record, active);
    if (!combo)
        return;
    QelString text;
    combo->GetWindowTextA(text);
    VpdField::WriteText(record, var, text.GetText());
    combo->Commit();
}
