#include "QelSpinButton.h"

#include <QToolButton>
#include <QVBoxLayout>

QelSpinButton::QelSpinButton(std::function<void(int)> step, int height, QWidget* parent)
    : QWidget(parent), m_step(std::move(step))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up = MakeArrow(Qt::UpArrow, +1);
    m_down = MakeArrow(Qt::DownArrow, -1);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedHeight(std::max(height, 16));
    setFocusPolicy(Qt::NoFocus);
}

QToolButton* QelSpinButton::MakeArrow(Qt::ArrowType arrow, int direction)
{
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedWidth(18);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    button->setIconSize(QSize(8, 8));
    QObject::connect(button, &QToolButton::clicked, this, [this, direction]() {
        if (m_step)
            m_step(direction);
    });
    return button;
}
