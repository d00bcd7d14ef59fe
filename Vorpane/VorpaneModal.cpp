#include "VorpaneModal.h"

VorpaneModal::VorpaneModal(unsigned int templateId, Vorpane::Map* map) : CDialog(templateId, nullptr), m_map(map) {}

VorpaneModal::~VorpaneModal()
{
    // A window still open (a modeless use) is destroyed while this is still
    // a VorpaneModal, so its controls are detached.
    if (GetWidget())
        DestroyWindow();
}

int VorpaneModal::DoModal(void* record)
{
    m_object = record;
    return CDialog::DoModal();
}

bool VorpaneModal::OnInitDialog()
{
    CDialog::OnInitDialog();
    InitControls(m_map);
    ObjectToDialog(m_object, m_map, true);
    return true;
}

void VorpaneModal::OnOK()
{
    DialogToObject(m_object, m_map);
    CDialog::OnOK();
}

bool VorpaneModal::OnCmdMsg(unsigned int id, int code)
{
    UpdateGreying(m_map, true);
    return CDialog::OnCmdMsg(id, code);
}

bool VorpaneModal::OnNotify(unsigned int id, int code)
{
    UpdateGreying(m_map, true);
    return CDialog::OnNotify(id, code);
}

void VorpaneModal::OnDestroy()
{
    DestroyControls(m_map);
    CDialog::OnDestroy();
}
