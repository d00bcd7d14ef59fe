#include "QelBrowseButton.h"

#include "QelResource.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QStringList>

namespace {

// Runs a file dialog; the chosen path, or an empty string.
QString RunDialog(QFileDialog* dialog)
{
    QPointer<QFileDialog> guard(dialog);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    const bool accepted = dialog->exec() == QDialog::Accepted && guard;
    QString path;
    if (accepted && !dialog->selectedFiles().isEmpty())
        path = dialog->selectedFiles().first();
    delete guard.data();
    return path;
}

}  // namespace

bool QelBrowseButton::Accepts(QWidget* widget) const
{
    return qobject_cast<QAbstractButton*>(widget) != nullptr;
}

void QelBrowseButton::SetTypeIDs(QelList<unsigned long>* typeIds, HINSTANCE instance)
{
    m_typeIds.RemoveAll();
    if (typeIds)
        m_typeIds = *typeIds;
    m_instance = instance;
}

QString QelBrowseButton::GetFilter() const
{
    if (m_type != QelMediaType::FromTypeIds)
        return QelMediaType::Filter(m_type);
    QStringList filters;
    for (QELPOSITION position = m_typeIds.GetHeadPosition(); position;) {
        const unsigned long id = m_typeIds.GetNext(position);
        if (const char* text = m_instance ? m_instance->FindString(static_cast<unsigned int>(id)) : nullptr)
            filters.append(QString::fromUtf8(text));
    }
    filters.append(QStringLiteral("All files (*)"));
    return filters.join(QStringLiteral(";;"));
}

bool QelBrowseButton::OnChildNotify(int code)
{
    if (code == BN_CLICKED)
        Browse();
    return false;
}

QString QelBrowseButton::TargetText() const
{
    CWnd* parent = GetParent();
    CWnd* target = parent ? parent->GetDlgItem(m_targetId) : nullptr;
    QelString text;
    if (target)
        target->GetWindowText(text);
    return QString::fromUtf8(text.GetText());
}

void QelBrowseButton::WriteTarget(const QString& path)
{
    CWnd* parent = GetParent();
    CWnd* target = parent ? parent->GetDlgItem(m_targetId) : nullptr;
    if (!target)
        return;
    const QByteArray bytes = path.toUtf8();
    auto* control = dynamic_cast<QelControl*>(target);
    if (!control || !control->SetUserText(bytes.constData()))
        target->SetWindowText(bytes.constData());
}

bool QelBrowseButton::Browse()
{
    QWidget* button = GetWidget();
    if (!button)
        return false;
    const QFileInfo current(TargetText());
    auto* dialog = new QFileDialog(button->window(), m_save ? QStringLiteral("Save as") : QStringLiteral("Choose a file"));
    dialog->setObjectName(QStringLiteral("browseDialog"));
    dialog->setNameFilters(GetFilter().split(QStringLiteral(";;")));
    if (m_save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    if (!TargetText().isEmpty()) {
        dialog->setDirectory(current.absolutePath());
        dialog->selectFile(current.fileName());
    }
    const QString path = RunDialog(dialog);
    if (path.isEmpty() || !GetWidget())
        return false;
    WriteTarget(path);
    return true;
}

bool QelDirectoryBrowseButton::Browse()
{
    QWidget* button = GetWidget();
    if (!button)
        return false;
    auto* dialog = new QFileDialog(button->window(), QStringLiteral("Choose a folder"));
    dialog->setObjectName(QStringLiteral("browseDialog"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    const QString current = TargetText();
    if (!current.isEmpty())
        dialog->setDirectory(current);
    const QString path = RunDialog(dialog);
    if (path.isEmpty() || !GetWidget())
        return false;
    WriteTarget(path);
    return true;
}
