#include "QelSuperMapEntry.h"

#include "CWnd.h"

void QelSuperMapEntry::DataToDialog(CWnd*, unsigned char*, bool, bool) {}

void QelSuperMapEntry::DialogToData(CWnd*, unsigned char*, bool) {}

void QelSuperMapEntry::UpdateGreying(CWnd* dialog, bool enable)
{
    if (id == 0 || !dialog)
        return;
    if (CWnd* control = dialog->GetDlgItem(id))
        control->EnableWindow(enable);
}

void QelSuperMapEntry::InitControls(CWnd*) {}

void QelSuperMapEntry::DestroyControls(CWnd*) {}

void QelSuperMapEntry::ShowWindow(CWnd* dialog, int show)
{
    if (id == 0 || !dialog)
        return;
    if (CWnd* control = dialog->GetDlgItem(id))
        control->ShowWindow(show);
}
