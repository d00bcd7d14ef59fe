#include "CDialog.h"

#include "QelDialogTemplates.h"
#include "QelDialogWidget.h"
#include "QelWindowRegistry.h"

#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

namespace {

std::function<void(CDialog*)>& ModalHook() {
    static std::function<void(CDialog*)> hook;
    return hook;
}

}  // namespace

CDialog::CDialog(unsigned int templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() {
    // Destroyed here, while this is still a CDialog, so OnDestroy is called.
    if (m_dialog)
        DestroyDialog();
}

void CDialog::SetModalHook(std::function<void(CDialog*)> hook) {
    ModalHook() = std::move(hook);
}

bool CDialog::AttachDialog(QWidget* templateWidget, QWidget* parentWidget, bool embed) {
    auto* dialog = dynamic_cast<QelDialogWidget*>(templateWidget);
    if (!dialog) {
        // Another top-level class: framed in a dialog of ours.
        dialog = new QelDialogWidget(parentWidget);
        auto* layout = new QVBoxLayout(dialog);
        layout->setContentsMargins(0, 0, 0, 0);
        templateWidget->setParent(dialog);
        layout->addWidget(templateWidget);
        dialog->setWindowTitle(templateWidget->windowTitle());
    }
    if (embed && parentWidget && dialog->IsFromPlainWidget())
        dialog->setWindowFlags(Qt::Widget);
    if (!Attach(dialog, true)) {
        delete dialog;
        return false;
    }
    m_dialog = dialog;
    dialog->SetOwner(this);
    m_ended = false;
    m_destroyNotified = false;
    m_result = IDCANCEL;
    // Every control tells the dialog of its changes, taken over or not.
    QelWindowRegistry::Get().WireChildren(dialog);
    return true;
}

int CDialog::DoModal() {
    if (GetWidget())
        return -1;  // already showing
    QWidget* parentWidget = m_parent && m_parent->GetWidget() ? m_parent->GetWidget()->window() : nullptr;
    QWidget* made = QelDialogTemplates::Create(m_templateId, parentWidget);
    if (!made || !AttachDialog(made, parentWidget, false))
        return -1;
    m_modal = true;
    QPointer<QelDialogWidget> dialog = m_dialog;
    OnInitDialog();
    if (dialog && !m_ended) {
        if (ModalHook()) {
            QTimer::singleShot(0, dialog, [this]() {
                if (ModalHook())
                    ModalHook()(this);
            });
        }
        dialog->exec();
    }
    int result = m_result;
    DestroyDialog();
    m_modal = false;
    return result;
}

bool CDialog::Create(unsigned int templateId, CWnd* parent) {
    if (GetWidget())
        return false;
    m_templateId = templateId;
    m_parent = parent;
    QWidget* parentWidget = parent ? parent->GetWidget() : nullptr;
    QWidget* made = QelDialogTemplates::Create(templateId, parentWidget);
    if (!made || !AttachDialog(made, parentWidget, true))
        return false;
    m_modal = false;
    QPointer<QelDialogWidget> dialog = m_dialog;
    OnInitDialog();
    if (dialog && !m_ended)
        dialog->show();
    return true;
}

bool CDialog::DestroyWindow() {
    if (!m_dialog)
        return CWnd::DestroyWindow();
    DestroyDialog();
    return true;
}

void CDialog::DestroyDialog() {
    if (!m_dialog)
        return;
    if (!m_destroyNotified) {
        m_destroyNotified = true;
        OnDestroy();
        if (!m_dialog)
            return;  // OnDestroy destroyed the window itself
    }
    QelDialogWidget* dialog = m_dialog;
    m_dialog = nullptr;
    dialog->SetOwner(nullptr);
    Detach();
    delete dialog;
}

void CDialog::WindowDestroying() {
    if (!m_destroyNotified) {
        m_destroyNotified = true;
        OnDestroy();
    }
    if (m_dialog) {
        m_dialog->SetOwner(nullptr);
        m_dialog = nullptr;
        Detach();
    }
}

void CDialog::OnWidgetDestroyed() {
    m_dialog = nullptr;
    CWnd::OnWidgetDestroyed();
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    if (m_dialog)
        m_dialog->QDialog::done(result);
}

void CDialog::DialogDone(int result) {
    // Ended directly through Qt (done, accept or reject of the base class):
    // Qt's accepted and rejected codes mean OK and Cancel.
    if (result == QDialog::Rejected)
        result = IDCANCEL;
    m_result = result;
    m_ended = true;
}

void CDialog::RouteButton(int id) {
    OnCommand(static_cast<unsigned int>(id), BN_CLICKED);
}

bool CDialog::OnInitDialog() {
    return true;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnDestroy() {}

bool CDialog::OnCmdMsg(unsigned int id, int code) {
    if (code != BN_CLICKED)
        return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}
