#include "Vorpane.h"

#include "CDialog.h"
#include "QelSuperMapEntry.h"

Vorpane::Map::~Map()
{
    while (!m_entries.IsEmpty())
        delete m_entries.RemoveHead();
}

void Vorpane::Map::Add(QelSuperMapEntry* entry)
{
    if (entry)
        m_entries.AddTail(entry);
}

Vorpane::~Vorpane() = default;

Vorpane* Vorpane::FromDialog(CWnd* dialog)
{
    return dynamic_cast<Vorpane*>(dialog);
}

CDialog* Vorpane::GetDialog()
{
    return dynamic_cast<CDialog*>(this);
}

template <class Visit>
void Vorpane::ForEachEntry(Map* map, Visit visit)
{
    CDialog* dialog = GetDialog();
    if (!map || !dialog)
        return;
    for (QELPOSITION position = map->GetHeadPosition(); position;)
        visit(dialog, map->GetNext(position));
}

void Vorpane::ObjectToDialog(void* record, Map* map, bool first)
{
    unsigned char* bytes = static_cast<unsigned char*>(record);
    ForEachEntry(map, [&](CWnd* dialog, QelSuperMapEntry* entry) {
        entry->DataToDialog(dialog, bytes, bytes != nullptr, first);
    });
}

void Vorpane::DialogToObject(void* record, Map* map)
{
    unsigned char* bytes = static_cast<unsigned char*>(record);
    ForEachEntry(map, [&](CWnd* dialog, QelSuperMapEntry* entry) { entry->DialogToData(dialog, bytes, true); });
}

void Vorpane::UpdateGreying(Map* map, bool enable)
{
    ForEachEntry(map, [&](CWnd* dialog, QelSuperMapEntry* entry) { entry->UpdateGreying(dialog, enable); });
}

void Vorpane::InitControls(Map* map)
{
    ForEachEntry(map, [&](CWnd* dialog, QelSuperMapEntry* entry) { entry->InitControls(dialog); });
}

void Vorpane::DestroyControls(Map* map)
{
    ForEachEntry(map, [&](CWnd* dialog, QelSuperMapEntry* entry) { entry->DestroyControls(dialog); });
}

void Vorpane::ShowControls(Map* map, int show)
{
    ForEachEntry(map, [&](CWnd* dialog, QelSuperMapEntry* entry) { entry->ShowWindow(dialog, show); });
}

int Vorpane::BucketOf(unsigned int id)
{
    const unsigned int b0 = id & 0xFF, b1 = (id >> 8) & 0xFF, b2 = (id >> 16) & 0xFF, b3 = id >> 24;
    return static_cast<int>((b3 + 2 * b2 + 4 * b1 + 8 * b0) % BucketCount);
}

int Vorpane::GetBucketSize(int bucket) const
{
    return bucket >= 0 && bucket < BucketCount ? m_buckets[bucket].GetCount() : 0;
}

QELPOSITION Vorpane::FindNode(unsigned int id) const
{
    return m_buckets[BucketOf(id)].Find(Node{id, nullptr});
}

void Vorpane::AddTemporaryObject(unsigned int id, CWnd* control)
{
    if (QELPOSITION position = FindNode(id)) {
        m_buckets[BucketOf(id)].GetAt(position).control = control;
        return;
    }
    m_buckets[BucketOf(id)].AddTail(Node{id, control});
    ++m_count;
}

CWnd* Vorpane::RemoveTemporaryObject(unsigned int id)
{
    QELPOSITION position = FindNode(id);
    if (!position)
        return nullptr;
    Bucket& bucket = m_buckets[BucketOf(id)];
    CWnd* control = bucket.GetAt(position).control;
    bucket.RemoveAt(position);
    --m_count;
    return control;
}

CWnd* Vorpane::FindTemporaryObject(unsigned int id) const
{
    QELPOSITION position = FindNode(id);
    return position ? m_buckets[BucketOf(id)].GetAt(position).control : nullptr;
}
