// VorpaneModal: a ready-made modal dialog that edits one record through a
// map. Opening attaches the controls and shows the record; every command
// and notification re-evaluates the greying first; OK writes the record
// back; Cancel writes nothing; destroying the window detaches the controls.
#pragma once

#include "CDialog.h"
#include "Vorpane.h"

class VorpaneModal : public CDialog, public Vorpane {
public:
    // Neither the map nor the record is owned: the host keeps both alive
    // while the dialog runs.
    VorpaneModal(unsigned int templateId, Vorpane::Map* map);
    ~VorpaneModal() override;

    using CDialog::DoModal;
    // Edits `record` (which must not be null): IDOK, IDCANCEL, or -1 when
    // the template is unknown.
    virtual int DoModal(void* record);

    // CDialog's init, then InitControls and ObjectToDialog(record, first).
    // Greying is first evaluated with the first command or notification.
    bool OnInitDialog() override;
    // DialogToObject, then CDialog's OK: every entry writes its field.
    void OnOK() override;
    // UpdateGreying(map, true), then the handling of the base class.
    bool OnCmdMsg(unsigned int id, int code) override;
    bool OnNotify(unsigned int id, int code) override;
    // DestroyControls, then CDialog's.
    void OnDestroy() override;

    void* GetRecord() const { return m_object; }
    Vorpane::Map* GetMap() const { return m_map; }

protected:
    void* m_object = nullptr;
    Vorpane::Map* m_map;
};
