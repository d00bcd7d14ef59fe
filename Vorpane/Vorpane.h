// Vorpane: runs a map of entries against a dialog window and keeps the
// control objects that entries attach to the dialog's controls.
//
// A dialog class derives from CDialog and from Vorpane; the operations below
// find the dialog window as the CDialog this object is part of.
#pragma once

#include "QelList.h"

class CDialog;
class CWnd;
class QelSuperMapEntry;

class Vorpane {
public:
    // An ordered list of entries. The map owns them: destroying it destroys
    // every entry once, from the first to the last.
    class Map {
    public:
        Map() = default;
        ~Map();
        Map(const Map&) = delete;
        Map& operator=(const Map&) = delete;

        // Appends; the map takes the entry over (null is ignored).
        void Add(QelSuperMapEntry* entry);
        int GetCount() const { return m_entries.GetCount(); }
        QELPOSITION GetHeadPosition() const { return m_entries.GetHeadPosition(); }
        QelSuperMapEntry* GetNext(QELPOSITION& position) const { return m_entries.GetNext(position); }

    private:
        QelPtrList<QelSuperMapEntry*> m_entries;
    };

    // The table of temporary objects is a hash table of this many buckets.
    static constexpr int BucketCount = 11;

    Vorpane() = default;
    virtual ~Vorpane();  // releases the table, never the control objects
    Vorpane(const Vorpane&) = delete;
    Vorpane& operator=(const Vorpane&) = delete;

    // Record in: each entry's DataToDialog(dialog, record, record != null, first).
    virtual void ObjectToDialog(void* record, Map* map, bool first);
    // Record out: each entry's DialogToData(dialog, record, true).
    virtual void DialogToObject(void* record, Map* map);
    virtual void UpdateGreying(Map* map, bool enable);
    virtual void InitControls(Map* map);
    virtual void DestroyControls(Map* map);
    // Shows or hides every control that has an entry (SW_SHOW / SW_HIDE).
    virtual void ShowControls(Map* map, int show);

    // Registers the control object an entry attached under `id`, replacing
    // the object of an earlier registration. The table does not own it.
    void AddTemporaryObject(unsigned int id, CWnd* control);
    // Removes and answers the object registered under `id`; null when none.
    CWnd* RemoveTemporaryObject(unsigned int id);
    // The object registered under `id`, left in place; null when none.
    CWnd* FindTemporaryObject(unsigned int id) const;

    int GetTemporaryObjectCount() const { return m_count; }
    int GetBucketSize(int bucket) const;
    // h mod 11 with h = b3 + 2*b2 + 4*b1 + 8*b0 (b0 the least significant byte).
    static int BucketOf(unsigned int id);

    // The Vorpane behind a dialog window; null when the window is none.
    static Vorpane* FromDialog(CWnd* dialog);

private:
    struct Node {
        unsigned int id;
        CWnd* control;
        bool operator==(const Node& other) const { return id == other.id; }
    };
    typedef QelList<Node> Bucket;

    CDialog* GetDialog();
    QELPOSITION FindNode(unsigned int id) const;
    template <class Visit>
    void ForEachEntry(Map* map, Visit visit);

    Bucket m_buckets[BucketCount];
    int m_count = 0;
};
