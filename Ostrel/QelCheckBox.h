// QelCheckBox and QelRadioButton: a check box (QCheckBox) and a radio button
// (QRadioButton) that can show several records at once.
//
// Undecided look: the check box is partly checked (its indeterminate state);
// the radio button shows a dash in its circle. A click ends it: the check box
// becomes checked, the radio button checked and its undecided neighbours in
// the same group unchecked.
#pragma once

#include "QelControl.h"

#include <QObject>
#include <QPointer>

class QelCheckBox : public QelControl {
public:
    ~QelCheckBox() override;
    // Shows the state outright when `first`, else merges (see QelControl).
    void SetCheck(bool state, bool first);
    // The state shown (while undecided: the first record's).
    bool GetCheck() const { return m_state; }

protected:
    bool Accepts(QWidget* widget) const override;
    void OnAttach() override;
    void OnDetach() override;
    void ShowMultiSelected(bool multiSelected) override;
    bool OnChildNotify(int code) override;

private:
    bool m_state = false;
    bool m_ownTristate = false;
};

class QelRadioButton : public QelControl {
public:
    ~QelRadioButton() override;
    void SetCheck(bool state, bool first);
    bool GetCheck() const { return m_state; }

protected:
    bool Accepts(QWidget* widget) const override;
    void OnAttach() override;
    void OnDetach() override;
    void ShowMultiSelected(bool multiSelected) override;
    bool OnChildNotify(int code) override;

private:
    class Painter;
    void Decide();
    void PutCheck(bool state);

    bool m_state = false;
    QPointer<QObject> m_painter;  // lives on the radio widget while undecided
};
