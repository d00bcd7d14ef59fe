#include "VpdBrowseButton.h"

#include "QelBrowseButton.h"
#include "VpdAttach.h"

VpdBrowseButton::VpdBrowseButton(unsigned int id, unsigned int targetId, QelMediaType::eType type, bool flag)
    : VpdControlEntry(id, nullptr, nullptr), targetId(targetId), type(type), instance(nullptr), flag(flag)
{
}

VpdBrowseButton::VpdBrowseButton(unsigned int id, unsigned int targetId, QelList<unsigned long>* ids,
                                 HINSTANCE instance, bool flag)
    : VpdControlEntry(id, nullptr, nullptr), targetId(targetId), type(QelMediaType::FromTypeIds),
      instance(instance), flag(flag)
{
    if (ids)
        for (QELPOSITION position = ids->GetHeadPosition(); position;)
            typeIds.AddHead(ids->GetNext(position));
}

void VpdBrowseButton::InitControls(CWnd* dialog)
{
    auto* button = new QelBrowseButton;
    if (!VpdAttach::Attach(dialog, id, button))
        return;
    if (type == QelMediaType::FromTypeIds)
        button->SetTypeIDs(&typeIds, instance);
    button->SetType(type);
    button->SetTargetID(targetId);
    button->SetFlag(flag);
}

VpdDirectoryBrowseButton::VpdDirectoryBrowseButton(unsigned int id, unsigned int targetId)
    : VpdControlEntry(id, nullptr, nullptr), targetId(targetId)
{
}

void VpdDirectoryBrowseButton::InitControls(CWnd* dialog)
{
    auto* button = new QelDirectoryBrowseButton;
    if (VpdAttach::Attach(dialog, id, button))
        button->SetTargetID(targetId);
}
