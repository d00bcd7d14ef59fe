#include "VpdSlider.h"

#include "CWnd.h"
#include "VpdField.h"

VpdSlider::VpdSlider(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, int min, int max)
    : VpdControlEntry(id, var, inactiveValue), min(min), max(max)
{
}

void VpdSlider::InitControls(CWnd* dialog)
{
    if (!dialog)
        return;
    // Bound by bound: the packed form of the range holds no negative bounds.
    dialog->SendDlgItemMessage(id, TBM_SETRANGEMIN, 0, min);
    dialog->SendDlgItemMessage(id, TBM_SETRANGEMAX, 0, max);
}

void VpdSlider::DataToDialog(CWnd* dialog, unsigned char* record, bool, bool)
{
    if (dialog)
        dialog->SendDlgItemMessage(id, TBM_SETPOS, 1, VpdField::ReadIntShortOrByte(record, var));
}

void VpdSlider::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    if (!dialog || !dialog->GetDlgItem(id))
        return;
    if (!active)
        WriteInactive(record);
    else
        VpdField::WriteSigned(record, var, dialog->SendDlgItemMessage(id, TBM_GETPOS), 4);
}

VpdStatic::VpdStatic(unsigned int id, VpdVarEntry* var) : VpdControlEntry(id, var, nullptr) {}

void VpdStatic::DataToDialog(CWnd* dialog, unsigned char* record, bool, bool)
{
    if (dialog && var)
        dialog->SetDlgItemText(id, VpdField::ReadText(record, var));
}
