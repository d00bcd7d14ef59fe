// QelSpinButton: the up-down arrows created beside a number edit box. A
// click (held: repeated) steps the box's value up or down by one step.
#pragma once

#include <QWidget>

#include <functional>

class QToolButton;

class QelSpinButton : public QWidget {
public:
    // `step` receives +1 for up and -1 for down; `height` is that of the box
    // beside it, which the two arrows share.
    QelSpinButton(std::function<void(int)> step, int height, QWidget* parent = nullptr);

    QToolButton* GetUpButton() const { return m_up; }
    QToolButton* GetDownButton() const { return m_down; }

private:
    QToolButton* MakeArrow(Qt::ArrowType arrow, int direction);

    std::function<void(int)> m_step;
    QToolButton* m_up;
    QToolButton* m_down;
};
