#include "QelControlRow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLayout>

namespace {

// The layout below `layout` (itself included) that holds `widget` directly.
QLayout* LayoutHolding(QLayout* layout, QWidget* widget)
{
    if (!layout)
        return nullptr;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget)
            return layout;
        if (QLayout* found = LayoutHolding(item->layout(), widget))
            return found;
    }
    return nullptr;
}

}  // namespace

QelControlRow::QelControlRow(QWidget* control) : m_control(control)
{
    QWidget* parent = control->parentWidget();
    const bool hidden = control->isHidden();
    m_row = new QWidget(parent);
    m_row->setObjectName(control->objectName() + QStringLiteral("_row"));
    auto* rowLayout = new QHBoxLayout(m_row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(4);

    QLayout* holder = parent ? LayoutHolding(parent->layout(), control) : nullptr;
    if (holder) {
        m_inLayout = true;
        delete holder->replaceWidget(control, m_row, Qt::FindDirectChildrenOnly);
    } else {
        m_geometry = control->geometry();
        m_row->setGeometry(m_geometry);
    }
    rowLayout->addWidget(control, 1);
    // A control that cannot grow keeps its companions beside it, not
    // pushed to the far end of the row.
    if (control->maximumWidth() < QWIDGETSIZE_MAX)
        rowLayout->addStretch(1);
    control->setVisible(!hidden);
    m_row->setSizePolicy(control->sizePolicy());
    m_row->show();
    control->installEventFilter(this);
}

QelControlRow::~QelControlRow()
{
    if (m_control)
        m_control->removeEventFilter(this);
    if (!m_row)
        return;  // the dialog went first and took everything with it
    if (m_control) {
        QWidget* parent = m_row->parentWidget();
        const bool hidden = m_control->isHidden();
        QLayout* holder = parent ? LayoutHolding(parent->layout(), m_row) : nullptr;
        m_row->layout()->removeWidget(m_control);
        if (holder && m_inLayout) {
            delete holder->replaceWidget(m_row, m_control, Qt::FindDirectChildrenOnly);
        } else {
            m_control->setParent(parent);
            m_control->setGeometry(m_geometry.isValid() ? m_geometry : m_row->geometry());
        }
        m_control->setVisible(!hidden);
    }
    delete m_row.data();
}

void QelControlRow::Forget()
{
    m_control = nullptr;
    m_row = nullptr;
    m_companions.clear();
}

void QelControlRow::Add(QWidget* companion, int stretch)
{
    if (!companion || !m_row)
        return;
    auto* rowLayout = static_cast<QHBoxLayout*>(m_row->layout());
    const bool trailingStretch = rowLayout->itemAt(rowLayout->count() - 1)->spacerItem() != nullptr;
    rowLayout->insertWidget(trailingStretch ? rowLayout->count() - 1 : rowLayout->count(), companion, stretch);
    m_companions.append(companion);
    Mirror(companion);
}

void QelControlRow::Remove(QWidget* companion)
{
    if (!companion)
        return;
    m_companions.removeAll(companion);
    delete companion;
}

void QelControlRow::Mirror(QWidget* companion) const
{
    if (!companion || !m_control)
        return;
    companion->setEnabled(!m_control->testAttribute(Qt::WA_ForceDisabled));
    companion->setVisible(!m_control->isHidden());
}

bool QelControlRow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_control) {
        switch (event->type()) {
        case QEvent::EnabledChange:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            for (const QPointer<QWidget>& companion : m_companions)
                Mirror(companion);
            break;
        default:
            break;
        }
    }
    return false;
}
