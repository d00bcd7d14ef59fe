// Composite entries: a group of entries (usually the dependants of one check
// box) and a static group of controls that only follow the greying.
#pragma once

#include "QelList.h"
#include "QelSuperMapEntry.h"

// Passes every operation on to its children in order. Owns them.
class VpdGroup : public QelSuperMapEntry {
public:
    VpdGroup() : QelSuperMapEntry(0) {}
    ~VpdGroup() override;

    // Appends; the group takes the entry over (null is ignored).
    void Add(QelSuperMapEntry* entry);
    int GetCount() const { return m_children.GetCount(); }

    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;
    void UpdateGreying(CWnd* dialog, bool enable) override;
    void InitControls(CWnd* dialog) override;
    void DestroyControls(CWnd* dialog) override;
    void ShowWindow(CWnd* dialog, int show) override;

private:
    template <class Visit>
    void ForEachChild(Visit visit);

    QelPtrList<QelSuperMapEntry*> m_children;
};

// Control ids (typically labels) that are greyed together; they are never
// shown or hidden and carry no data.
class VpdStaticGroup : public QelSuperMapEntry {
public:
    // Control ids ending with 0: VpdStaticGroup(IDC_LABEL1, IDC_LABEL2, 0).
    // A list whose first id is 0 is empty.
    explicit VpdStaticGroup(unsigned int id, ...);

    void UpdateGreying(CWnd* dialog, bool enable) override;
    const QelList<unsigned int>& GetIds() const { return m_ids; }

private:
    QelList<unsigned int> m_ids;
};
