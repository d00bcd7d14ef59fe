#include "VpdTimeEdit.h"

#include "QelTimeEditBox.h"
#include "VpdAttach.h"
#include "VpdField.h"

VpdTimeEdit::VpdTimeEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, int digits, int maxMs,
                         int mode, int sliderMax)
    : VpdControlEntry(id, var, inactiveValue), digits(digits), maxMs(maxMs), mode(mode), sliderMax(sliderMax)
{
}

int VpdTimeEdit::GetTimeMode() const
{
    if (mode != -1)
        return mode;
    return digits > 0 ? QelTimeEditBox::Seconds : QelTimeEditBox::Milliseconds;
}

int VpdTimeEdit::GetUnit() const
{
    if (digits <= 0)
        return 1000;
    int unit = 1;
    for (int i = 0; i < digits && i < 9; ++i)
        unit *= 10;
    return unit;
}

void VpdTimeEdit::InitControls(CWnd* dialog)
{
    auto* box = new QelTimeEditBox;
    if (!VpdAttach::Attach(dialog, id, box))
        return;
    box->CreateSpinButton(0, maxMs);
    box->CreateSlider(0, sliderMax == -1 ? maxMs : sliderMax);
    box->SetTimeMode(GetTimeMode(), GetUnit(), digits);
}

void VpdTimeEdit::DataToDialog(CWnd* dialog, unsigned char* record, bool, bool first)
{
    if (auto* box = VpdAttach::Find<QelTimeEditBox>(dialog, id))
        box->SetMilliseconds(static_cast<int>(VpdField::ReadUnsigned(record, var)), first);
}

void VpdTimeEdit::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    if (auto* box = ControlToStore<QelTimeEditBox>(dialog, record, active))
        VpdField::WriteSigned(record, var, box->GetMilliseconds(), 4);
}

VpdMinSecEdit::VpdMinSecEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue)
    : VpdTimeEdit(id, var, inactiveValue, 0, 10000, -1, -1)
{
}

void VpdMinSecEdit::InitControls(CWnd* dialog)
{
    VpdTimeEdit::InitControls(dialog);
    if (auto* box = VpdAttach::Find<QelTimeEditBox>(dialog, id))
        box->SetTimeMode(QelTimeEditBox::MinutesSeconds, 1000, 0);
}
