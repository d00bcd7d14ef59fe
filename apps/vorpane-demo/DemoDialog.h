// DemoDialog: the host's own dialog for editing several records at once
// (one record uses the library's VorpaneModal).
#pragma once

#include "CDialog.h"
#include "DemoSettings.h"
#include "Vorpane.h"

#include <vector>

class DemoDialog : public CDialog, public Vorpane {
public:
    DemoDialog(unsigned int templateId, Vorpane::Map* map, std::vector<DemoSettings>* records);
    ~DemoDialog() override;

    // Every record goes into the controls, the first outright and the rest
    // merged, so fields that differ show as undecided.
    bool OnInitDialog() override;
    // Every record gets what the controls hold; undecided ones write nothing.
    void OnOK() override;
    bool OnCmdMsg(unsigned int id, int code) override;
    bool OnNotify(unsigned int id, int code) override;
    void OnDestroy() override;

private:
    Vorpane::Map* m_map;
    std::vector<DemoSettings>* m_records;
};
