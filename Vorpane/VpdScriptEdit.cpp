#include "VpdScriptEdit.h"

#include "CorvelEditControl.h"
#include "VpdAttach.h"
#include "VpdField.h"

VpdScriptEdit::VpdScriptEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue)
    : VpdControlEntry(id, var, inactiveValue)
{
}

void VpdScriptEdit::InitControls(CWnd* dialog)
{
    VpdAttach::Attach(dialog, id, new CorvelEditControl);
}

void VpdScriptEdit::DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool)
{
    auto* edit = VpdAttach::Find<CorvelEditControl>(dialog, id);
    if (!edit)
        return;
    edit->SetScript(VpdField::ReadText(record, var), true, true);
    if (hasRecord) {
        edit->EnableWindow(false);
        edit->EnableWindow(true);
    }
}

void VpdScriptEdit::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    auto* edit = VpdAttach::Find<CorvelEditControl>(dialog, id);
    if (!edit)
        return;
    if (!active) {
        WriteInactive(record);
        return;
    }
    QelString text;
    edit->GetWindowText(text);
    VpdField::WriteText(record, var, text.GetText());
}
