#include "VpdFloatEdit.h"

#include "CWnd.h"
#include "QelFloatEditBox.h"
#include "VpdAttach.h"
#include "VpdField.h"
#include "VpdVarEntry.h"

#include <string>

VpdFloatEdit::VpdFloatEdit(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, double valueOffset,
                           double min, double max, float scale)
    : VpdControlEntry(id, var, inactiveValue), valueOffset(valueOffset), min(min), max(max), scale(scale)
{
}

void VpdFloatEdit::InitControls(CWnd* dialog)
{
    auto* box = new QelFloatEditBox;
    if (!VpdAttach::Attach(dialog, id, box))
        return;
    box->SetSinglePrecision(!var || var->size != 8);
    box->CreateSpinButton(min, max, 0.1);
    if (min != -1.0 && max != -1.0)
        box->CreateSlider(min, max, 0.1);
}

void VpdFloatEdit::DataToDialog(CWnd* dialog, unsigned char* record, bool, bool first)
{
    auto* box = VpdAttach::Find<QelFloatEditBox>(dialog, id);
    if (!box)
        return;
    double value = VpdField::ReadDoubleOrFloat(record, var) - valueOffset;
    if (scale != 1.0f)
        value /= scale;
    box->SetValue(value, first);
}

void VpdFloatEdit::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    if (!ControlToStore<QelFloatEditBox>(dialog, record, active))
        return;
    QelString text;
    dialog->GetDlgItemText(id, text);
    const std::string head(text.GetText(), std::min(text.GetLength(), MaxTextLength));
    double value = 0.0;  // no number reads as 0, as the framework's conversion does
    QelFloatEditBox::ReadNumber(head.c_str(), value);
    value += valueOffset;
    if (scale != 1.0f)
        value *= scale;
    VpdField::WriteDoubleOrFloat(record, var, value);
}
