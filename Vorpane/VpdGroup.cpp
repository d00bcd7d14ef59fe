#include "VpdGroup.h"

#include "CWnd.h"

#include <cstdarg>

VpdGroup::~VpdGroup()
{
    while (!m_children.IsEmpty())
        delete m_children.RemoveHead();
}

void VpdGroup::Add(QelSuperMapEntry* entry)
{
    if (entry)
        m_children.AddTail(entry);
}

template <class Visit>
void VpdGroup::ForEachChild(Visit visit)
{
    for (QELPOSITION position = m_children.GetHeadPosition(); position;)
        visit(m_children.GetNext(position));
}

void VpdGroup::DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first)
{
    ForEachChild([&](QelSuperMapEntry* child) { child->DataToDialog(dialog, record, hasRecord, first); });
}

void VpdGroup::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    ForEachChild([&](QelSuperMapEntry* child) { child->DialogToData(dialog, record, active); });
}

void VpdGroup::UpdateGreying(CWnd* dialog, bool enable)
{
    ForEachChild([&](QelSuperMapEntry* child) { child->UpdateGreying(dialog, enable); });
}

void VpdGroup::InitControls(CWnd* dialog)
{
    ForEachChild([&](QelSuperMapEntry* child) { child->InitControls(dialog); });
}

void VpdGroup::DestroyControls(CWnd* dialog)
{
    ForEachChild([&](QelSuperMapEntry* child) { child->DestroyControls(dialog); });
}

void VpdGroup::ShowWindow(CWnd* dialog, int show)
{
    ForEachChild([&](QelSuperMapEntry* child) { child->ShowWindow(dialog, show); });
}

VpdStaticGroup::VpdStaticGroup(unsigned int id, ...) : QelSuperMapEntry(0)
{
    va_list ids;
    va_start(ids, id);
    for (unsigned int next = id; next != 0; next = va_arg(ids, unsigned int))
        m_ids.AddTail(next);
    va_end(ids);
}

void VpdStaticGroup::UpdateGreying(CWnd* dialog, bool enable)
{
    if (!dialog)
        return;
    for (QELPOSITION position = m_ids.GetHeadPosition(); position;)
        if (CWnd* control = dialog->GetDlgItem(m_ids.GetNext(position)))
            control->EnableWindow(enable);
}
