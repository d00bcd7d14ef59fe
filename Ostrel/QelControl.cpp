#include "QelControl.h"

#include "QelControlRow.h"

#include <QWidget>

QelControl::QelControl() = default;

QelControl::~QelControl()
{
    // Attached still: give the widget back in its own shape before CWnd
    // forgets it.
    if (GetWidget())
        Release();
}

bool QelControl::SubclassWindow(QWidget* widget)
{
    if (!widget || !Accepts(widget) || !CWnd::SubclassWindow(widget))
        return false;
    OnAttach();
    return true;
}

QWidget* QelControl::Release()
{
    if (!GetWidget())
        return nullptr;
    Disconnect();
    if (m_multiSelected) {
        m_multiSelected = false;
        ShowMultiSelected(false);
    }
    OnDetach();
    delete m_row;
    m_row = nullptr;
    return UnsubclassWindow();
}

bool QelControl::SetUserText(const char*)
{
    return false;
}

bool QelControl::Accepts(QWidget*) const
{
    return true;
}

void QelControl::OnAttach() {}

void QelControl::OnDetach() {}

void QelControl::ShowMultiSelected(bool) {}

void QelControl::OnWidgetDestroyed()
{
    // The dialog is going and takes the companions with it; the row only
    // has to forget them.
    m_connections.clear();
    if (m_row)
        m_row->Forget();
    delete m_row;
    m_row = nullptr;
    CWnd::OnWidgetDestroyed();
}

void QelControl::SetMultiSelected(bool multiSelected)
{
    if (multiSelected == m_multiSelected)
        return;
    m_multiSelected = multiSelected;
    if (GetWidget())
        ShowMultiSelected(multiSelected);
}

QelControlRow* QelControl::GetRow()
{
    if (!m_row && GetWidget())
        m_row = new QelControlRow(GetWidget());
    return m_row;
}

void QelControl::Disconnect()
{
    for (const QMetaObject::Connection& connection : m_connections)
        QObject::disconnect(connection);
    m_connections.clear();
}
