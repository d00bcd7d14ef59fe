#include "DemoDialog.h"

DemoDialog::DemoDialog(unsigned int templateId, Vorpane::Map* map, std::vector<DemoSettings>* records)
    : CDialog(templateId), m_map(map), m_records(records)
{
}

DemoDialog::~DemoDialog()
{
    if (GetWidget())
        DestroyWindow();
}

bool DemoDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    InitControls(m_map);
    bool first = true;
    for (DemoSettings& record : *m_records) {
        ObjectToDialog(&record, m_map, first);
        first = false;
    }
    // Greyed as the merged states say from the start.
    UpdateGreying(m_map, true);
    QelString title;
    title.Format("Settings (%d records)", static_cast<int>(m_records->size()));
    SetWindowText(title.GetText());
    return true;
}

void DemoDialog::OnOK()
{
    for (DemoSettings& record : *m_records)
        DialogToObject(&record, m_map);
    CDialog::OnOK();
}

bool DemoDialog::OnCmdMsg(unsigned int id, int code)
{
    UpdateGreying(m_map, true);
    return CDialog::OnCmdMsg(id, code);
}

bool DemoDialog::OnNotify(unsigned int id, int code)
{
    UpdateGreying(m_map, true);
    return CDialog::OnNotify(id, code);
}

void DemoDialog::OnDestroy()
{
    DestroyControls(m_map);
    CDialog::OnDestroy();
}
