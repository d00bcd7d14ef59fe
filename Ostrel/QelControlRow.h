// QelControlRow: room beside a dialog control for the widgets an Ostrel
// control creates next to it (spin button, slider, degree box, tolerance).
//
// The control is wrapped in a row in its own place: the row takes the
// control's slot in the template's layout (or its geometry when the control is
// not in a layout), and the companions follow the control in the row. They
// mirror the control's own enabled and shown state, so greying or hiding the
// control greys or hides them too. Destroying the row puts the control back
// where it was and destroys the companions.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

class QelControlRow : public QObject {
public:
    explicit QelControlRow(QWidget* control);
    ~QelControlRow() override;
    QelControlRow(const QelControlRow&) = delete;
    QelControlRow& operator=(const QelControlRow&) = delete;

    // Places `companion` after the control and what was added before; the
    // row owns it from then on.
    void Add(QWidget* companion, int stretch = 0);
    // Destroys one companion (null is ignored).
    void Remove(QWidget* companion);
    // The dialog is being destroyed and takes control, row and companions
    // with it: forget them without touching them.
    void Forget();
    QWidget* GetRow() const { return m_row; }
    int GetCompanionCount() const { return m_companions.size(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Mirror(QWidget* companion) const;

    QPointer<QWidget> m_control;
    QPointer<QWidget> m_row;
    QList<QPointer<QWidget>> m_companions;
    bool m_inLayout = false;
    QRect m_geometry;
};
