#include "VpdComboSelect.h"

#include "CComboBox.h"
#include "CWnd.h"
#include "VpdField.h"

VpdComboSelect::VpdComboSelect(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue)
    : VpdControlEntry(id, var, inactiveValue)
{
}

void VpdComboSelect::DataToDialog(CWnd* dialog, unsigned char* record, bool, bool first)
{
    if (!dialog)
        return;
    const int value = VpdField::ReadIntShortOrByte(record, var);
    if (first)
        dialog->SendDlgItemMessage(id, CB_SETCURSEL, static_cast<unsigned long>(value));
    else if (dialog->SendDlgItemMessage(id, CB_GETCURSEL) != value)
        dialog->SendDlgItemMessage(id, CB_SETCURSEL, static_cast<unsigned long>(-1));
}

void VpdComboSelect::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    if (!dialog || !dialog->GetDlgItem(id))
        return;
    const long selection = dialog->SendDlgItemMessage(id, CB_GETCURSEL);
    if (selection == -1)
        return;
    if (!active)
        WriteInactive(record);
    else
        VpdField::WriteSigned(record, var, selection, 4);
}

VpdComboString::VpdComboString(unsigned int id, VpdVarEntry* var) : VpdControlEntry(id, var, nullptr) {}

void VpdComboString::ShownText(CWnd* dialog, unsigned int id, QelString& text)
{
    auto* combo = dynamic_cast<CComboBox*>(dialog->GetDlgItem(id));
    const int selection = combo ? combo->GetCurSel() : CB_ERR;
    if (selection != CB_ERR)
        combo->GetLBText(selection, text);
    else
        dialog->GetDlgItemText(id, text);
}

void VpdComboString::DataToDialog(CWnd* dialog, unsigned char* record, bool, bool first)
{
    if (!dialog)
        return;
    const char* text = VpdField::ReadText(record, var);
    if (first) {
        if (dialog->SendDlgItemMessage(id, CB_SELECTSTRING, static_cast<unsigned long>(-1),
                                       reinterpret_cast<long>(text)) == CB_ERR)
            dialog->SetDlgItemText(id, text);
        return;
    }
    // A further record: a text that would show something else leaves
    // nothing shown, so nothing is written back and every record keeps its
    // own text.
    const long selection = dialog->SendDlgItemMessage(id, CB_GETCURSEL);
    bool same;
    if (selection != CB_ERR) {
        same = dialog->SendDlgItemMessage(id, CB_FINDSTRING, static_cast<unsigned long>(-1),
                                          reinterpret_cast<long>(text)) == selection;
    } else {
        QelString shown;
        dialog->GetDlgItemText(id, shown);
        same = shown == text;
    }
    if (!same)
        dialog->SendDlgItemMessage(id, CB_SETCURSEL, static_cast<unsigned long>(-1));
}

void VpdComboString::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    if (!dialog || !active || !dialog->GetDlgItem(id))
        return;
    QelString text;
    ShownText(dialog, id, text);
    if (!text.IsEmpty())
        VpdField::WriteText(record, var, text.GetText());
}
