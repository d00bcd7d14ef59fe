#include "QelDialogWidget.h"

#include "CDialog.h"

#include <QKeyEvent>
#include <QPushButton>

QelDialogWidget::QelDialogWidget(QWidget* parent) : QDialog(parent) {}

QelDialogWidget::~QelDialogWidget() {
    // Still a complete dialog with all its controls: the owner hears of the
    // destruction before any child goes.
    if (m_owner)
        m_owner->WindowDestroying();
}

void QelDialogWidget::accept() {
    if (m_owner)
        m_owner->RouteButton(IDOK);
    else
        QDialog::accept();
}

void QelDialogWidget::reject() {
    if (m_owner)
        m_owner->RouteButton(IDCANCEL);
    else
        QDialog::reject();
}

void QelDialogWidget::done(int result) {
    if (m_owner)
        m_owner->DialogDone(result);
    QDialog::done(result);
}

void QelDialogWidget::keyPressEvent(QKeyEvent* event) {
    bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!m_owner || !enter || (event->modifiers() & ~Qt::KeypadModifier)) {
        QDialog::keyPressEvent(event);  // Escape ends up in reject()
        return;
    }
    // Enter: the default button (the focused push button is the default
    // while it has the focus), else the IDOK command.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isVisible()) {
            if (button->isEnabled())
                button->click();
            return;
        }
    }
    m_owner->RouteButton(IDOK);
}
