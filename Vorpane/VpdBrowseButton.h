// Browse buttons: a button that fills its target control with a file path
// (VpdBrowseButton) or a folder path (VpdDirectoryBrowseButton). They carry
// no data of their own: the target has its own entry.
#pragma once

#include "QelList.h"
#include "QelMediaType.h"
#include "VpdControlEntry.h"

class VpdBrowseButton : public VpdControlEntry {
public:
    // A media type's filters; `flag` true asks for a file to save.
    VpdBrowseButton(unsigned int id, unsigned int targetId, QelMediaType::eType type, bool flag);
    // The filters named by string ids of `instance` (type 0). The entry keeps
    // its own copy of the list, in reverse order.
    VpdBrowseButton(unsigned int id, unsigned int targetId, QelList<unsigned long>* typeIds, HINSTANCE instance,
                    bool flag);

    void InitControls(CWnd* dialog) override;

    unsigned int targetId;
    QelMediaType::eType type;
    QelList<unsigned long> typeIds;
    HINSTANCE instance;
    bool flag;
};

class VpdDirectoryBrowseButton : public VpdControlEntry {
public:
    VpdDirectoryBrowseButton(unsigned int id, unsigned int targetId);

    void InitControls(CWnd* dialog) override;

    unsigned int targetId;
};
