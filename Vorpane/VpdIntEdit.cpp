#include "VpdIntEdit.h"

#include "CWnd.h"
#include "QelIntegerEditBox.h"
#include "VpdAttach.h"
#include "VpdField.h"
#include "VpdVarEntry.h"

#include <algorithm>
#include <cmath>

VpdIntEdit::VpdIntEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, int valueOffset, int spinMin,
                       int spinMax, float scale, int sliderMin, int sliderMax, bool alternateStorage)
    : VpdControlEntry(id, var, inactiveValue), valueOffset(valueOffset), spinMin(spinMin), spinMax(spinMax),
      scale(scale), sliderMin(sliderMin), sliderMax(sliderMax), alternateStorage(alternateStorage)
{
}

QelIntegerEditBox* VpdIntEdit::GetBox(CWnd* dialog) const
{
    return VpdAttach::Find<QelIntegerEditBox>(dialog, id);
}

int VpdIntEdit::ReadField(const unsigned char* record) const
{
    return alternateStorage ? VpdField::ReadDoubleOrShort(record, var) : VpdField::ReadInt(record, var);
}

void VpdIntEdit::InitControls(CWnd* dialog)
{
    auto* box = new QelIntegerEditBox;
    if (!VpdAttach::Attach(dialog, id, box))
        return;
    box->CreateSpinButton(spinMin, spinMax, false);
    int low = sliderMin, high = sliderMax;
    if (low == 0 && high == -1) {
        low = spinMin;
        high = spinMax;
    }
    if (low != -1 && high != -1)
        box->CreateSlider(low, high);
}

void VpdIntEdit::DataToDialog(CWnd* dialog, unsigned char* record, bool, bool first)
{
    QelIntegerEditBox* box = GetBox(dialog);
    if (!box)
        return;
    double value = static_cast<double>(ReadField(record)) - valueOffset;
    if (scale != 1.0f)
        value = std::trunc(value / scale + 0.5);
    box->SetValue(VpdField::TruncateToInt(value), first);
}

void VpdIntEdit::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    if (!ControlToStore<QelIntegerEditBox>(dialog, record, active))
        return;
    double value = static_cast<double>(static_cast<int>(dialog->GetDlgItemInt(id))) + valueOffset;
    if (scale != 1.0f)
        value = std::trunc(value * scale + 0.5);
    if (alternateStorage && var && var->size == 8)
        VpdField::WriteDouble(record, var, value);
    else
        VpdField::WriteSigned(record, var, static_cast<long long>(VpdField::TruncateToInt(value)), alternateStorage ? 2 : 4);
}

VpdPercentIntEdit::VpdPercentIntEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, int min, int max,
                                     bool invert)
    : VpdIntEdit(id, var, inactiveValue, 0, 0, 100, 1.0f, 0, -1, false), min(min), max(max), invert(invert)
{
}

void VpdPercentIntEdit::DataToDialog(CWnd* dialog, unsigned char* record, bool, bool first)
{
    QelIntegerEditBox* box = GetBox(dialog);
    if (!box)
        return;
    const long long range = static_cast<long long>(max) - min;
    const long long value = ReadField(record);
    long long percent = 0;  // an empty range has no percentages
    if (range != 0)
        percent = invert ? (range - value) * 100 / range : value * 100 / range;
    box->SetValue(VpdField::TruncateToInt(static_cast<double>(percent)), first);
}

void VpdPercentIntEdit::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    if (!ControlToStore<QelIntegerEditBox>(dialog, record, active))
        return;
    const double range = static_cast<double>(max) - min;
    const double percent = static_cast<int>(dialog->GetDlgItemInt(id));
    double value = std::trunc(range * (invert ? 100.0 - percent : percent) * 0.01);
    value = std::clamp(value, static_cast<double>(std::min(min, max)), static_cast<double>(std::max(min, max)));
    if (range == 0.0)
        value = min;
    VpdField::WriteSigned(record, var, static_cast<long long>(value), 4);
}
