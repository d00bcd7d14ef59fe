#include "VpdControlEntry.h"

#include "VpdAttach.h"
#include "VpdValEntry.h"
#include "VpdVarEntry.h"

VpdControlEntry::VpdControlEntry(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue)
    : QelSuperMapEntry(id), var(var), inactiveValue(inactiveValue)
{
}

VpdControlEntry::~VpdControlEntry()
{
    delete var;
    delete inactiveValue;
}

void VpdControlEntry::DestroyControls(CWnd* dialog)
{
    VpdAttach::Detach(dialog, id);
}

void VpdControlEntry::WriteInactive(unsigned char* record) const
{
    if (inactiveValue && record)
        inactiveValue->Set(record, var);
}
