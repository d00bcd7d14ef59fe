#include "VpdAngle.h"

#include "VpdAttach.h"
#include "VpdField.h"

VpdAngle::VpdAngle(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, QelAngleControl::Modes mode,
                   unsigned int extra)
    : VpdControlEntry(id, var, inactiveValue), mode(mode), extra(extra)
{
}

void VpdAngle::InitControls(CWnd* dialog)
{
    VpdAttach::Attach(dialog, id, new QelAngleControl(DialStyle, mode, extra, 0));
}

void VpdAngle::DataToDialog(CWnd* dialog, unsigned char* record, bool, bool first)
{
    if (auto* angle = VpdAttach::Find<QelAngleControl>(dialog, id))
        angle->SetAngle(VpdField::ReadInt(record, var), first);
}

void VpdAngle::DialogToData(CWnd* dialog, unsigned char* record, bool active)
{
    if (auto* angle = ControlToStore<QelAngleControl>(dialog, record, active))
        VpdField::WriteSigned(record, var, angle->GetAngle(), 4);
}
