#include "VpdColourSelector.h"

#include "QelColourSelector.h"
#include "VpdAttach.h"
#include "VpdField.h"
#include "VpdValEntry.h"
#include "VpdVarEntry.h"

VpdColourSelector::VpdColourSelector(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue)
    : VpdControlEntry(id, var, inactiveValue)
{
}

void VpdColourSelector::InitControls(CWnd* dialog)
{
    VpdAttach::Attach(dialog, id, new QelColourSelector(SelectorStyle));
}

void VpdColourSelector::DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool)
{
    auto* selector = VpdAttach::Find<QelColourSelector>(dialog, id);
    if (selector && hasRecord)
        selector->SetColour(VpdField::ReadUnsigned(record, var), true);
}

void VpdColourSelector::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    auto* selector = VpdAttach::Find<QelColourSelector>(dialog, id);
    if (!selector)
        return;
    if (!active) {
        WriteInactive(record);
        return;
    }
    unsigned long colour;
    if (selector->GetColour(colour))
        VpdField::WriteUnsigned(record, var, colour, 4);
}

VpdColourSelectorTolerance::VpdColourSelectorTolerance(unsigned int id, VpdVarEntry* colourVar,
                                                       VpdVarEntry* toleranceVar, VpdValEntry* colourInactiveValue,
                                                       VpdValEntry* toleranceInactiveValue)
    : VpdColourSelector(id, colourVar, colourInactiveValue), toleranceVar(toleranceVar),
      toleranceInactiveValue(toleranceInactiveValue)
{
}

VpdColourSelectorTolerance::~VpdColourSelectorTolerance()
{
    delete toleranceVar;
    delete toleranceInactiveValue;
}

void VpdColourSelectorTolerance::InitControls(CWnd* dialog)
{
    VpdColourSelector::InitControls(dialog);
    if (auto* selector = VpdAttach::Find<QelColourSelector>(dialog, id))
        selector->UseTolerance(true);
}

void VpdColourSelectorTolerance::DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first)
{
    auto* selector = VpdAttach::Find<QelColourSelector>(dialog, id);
    if (!selector || !hasRecord)
        return;
    selector->SetColour(VpdField::ReadUnsigned(record, var), true);
    selector->SetTolerance(static_cast<unsigned char>(VpdField::ReadUnsigned(record, toleranceVar) & 0xFF), first);
}

void VpdColourSelectorTolerance::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    auto* selector = VpdAttach::Find<QelColourSelector>(dialog, id);
    if (!selector)
        return;
    if (!active) {
        WriteInactive(record);
        if (toleranceInactiveValue && record)
            toleranceInactiveValue->Set(record, toleranceVar);
        return;
    }
    VpdColourSelector::DialogToData(dialog, record, active);
    unsigned char tolerance;
    if (selector->GetTolerance(tolerance))
        VpdField::WriteUnsigned(record, toleranceVar, tolerance, 1);
}
