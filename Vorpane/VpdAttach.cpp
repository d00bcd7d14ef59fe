#include "VpdAttach.h"

#include "QelControl.h"
#include "Vorpane.h"

bool VpdAttach::Attach(CWnd* dialog, unsigned int id, CWnd* control)
{
    Vorpane* vorpane = Vorpane::FromDialog(dialog);
    if (!control)
        return false;
    if (!vorpane || !control->SubclassDlgItem(id, dialog)) {
        delete control;
        return false;
    }
    vorpane->AddTemporaryObject(id, control);
    return true;
}

void VpdAttach::Detach(CWnd* dialog, unsigned int id)
{
    Vorpane* vorpane = Vorpane::FromDialog(dialog);
    CWnd* control = vorpane ? vorpane->RemoveTemporaryObject(id) : nullptr;
    if (!control)
        return;
    if (auto* ostrel = dynamic_cast<QelControl*>(control))
        ostrel->Release();
    else
        control->UnsubclassWindow();
    delete control;
}

CWnd* VpdAttach::Find(CWnd* dialog, unsigned int id)
{
    Vorpane* vorpane = Vorpane::FromDialog(dialog);
    return vorpane ? vorpane->FindTemporaryObject(id) : nullptr;
}
