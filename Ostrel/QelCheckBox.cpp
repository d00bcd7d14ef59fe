#include "QelCheckBox.h"

#include "QelButtonCheck.h"

#include <QCheckBox>
#include <QEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

// ---- check box ----

QelCheckBox::~QelCheckBox()
{
    Release();
}

bool QelCheckBox::Accepts(QWidget* widget) const
{
    return qobject_cast<QCheckBox*>(widget) != nullptr;
}

void QelCheckBox::OnAttach()
{
    auto* box = qobject_cast<QCheckBox*>(GetWidget());
    m_ownTristate = box->isTristate();
    m_state = box->checkState() == Qt::Checked;
}

void QelCheckBox::OnDetach()
{
    if (auto* box = qobject_cast<QCheckBox*>(GetWidget()))
        box->setTristate(m_ownTristate);
}

void QelCheckBox::SetCheck(bool state, bool first)
{
    MergeValue(m_state, state, first, [&] {
        if (auto* box = qobject_cast<QCheckBox*>(GetWidget())) {
            Updating updating(this);
            box->setCheckState(state ? Qt::Checked : Qt::Unchecked);
        }
    });
}

void QelCheckBox::ShowMultiSelected(bool multiSelected)
{
    auto* box = qobject_cast<QCheckBox*>(GetWidget());
    if (!box)
        return;
    Updating updating(this);
    if (multiSelected) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    } else {
        // Only the state the user's click produced stays partial, on a box
        // that was three-state of its own.
        if (box->checkState() == Qt::PartiallyChecked && !m_ownTristate)
            box->setCheckState(m_state ? Qt::Checked : Qt::Unchecked);
        box->setTristate(m_ownTristate);
    }
}

bool QelCheckBox::OnChildNotify(int code)
{
    if (code == BN_CLICKED) {
        auto* box = qobject_cast<QCheckBox*>(GetWidget());
        // From the partial state a click checks.
        if (box && IsMultiSelected() && box->checkState() == Qt::PartiallyChecked)
            box->setCheckState(Qt::Checked);
        if (box)
            m_state = box->checkState() == Qt::Checked;
        UserChanged();
    }
    return false;
}

// ---- radio button ----

// Paints the undecided radio button: the circle empty, a dash inside it.
class QelRadioButton::Painter : public QObject {
public:
    explicit Painter(QObject* radio) : QObject(radio) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* radio = qobject_cast<QRadioButton*>(watched);
        if (!radio || event->type() != QEvent::Paint)
            return false;
        QStylePainter painter(radio);
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        option.icon = radio->icon();
        option.iconSize = radio->iconSize();
        option.state &= ~QStyle::State_On;
        option.state |= QStyle::State_Off;
        if (radio->isDown())
            option.state |= QStyle::State_Sunken;
        painter.drawControl(QStyle::CE_RadioButton, option);
        const QRect indicator = radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio);
        const int width = std::max(4, indicator.width() / 2);
        const int height = std::max(2, indicator.height() / 6);
        const QRect dash(indicator.center().x() - width / 2 + 1, indicator.center().y() - height / 2 + 1, width, height);
        painter.fillRect(dash, radio->palette().color(radio->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        return true;
    }
};

QelRadioButton::~QelRadioButton()
{
    Release();
}

bool QelRadioButton::Accepts(QWidget* widget) const
{
    return qobject_cast<QRadioButton*>(widget) != nullptr;
}

void QelRadioButton::OnAttach()
{
    auto* radio = qobject_cast<QRadioButton*>(GetWidget());
    m_state = radio->isChecked();
    // Exclusivity unchecks a neighbour without a click: that decides it too.
    Connect(radio, &QRadioButton::toggled, [this](bool) { Decide(); });
}

void QelRadioButton::OnDetach()
{
    delete m_painter.data();
}

void QelRadioButton::PutCheck(bool state)
{
    auto* radio = qobject_cast<QRadioButton*>(GetWidget());
    if (!radio)
        return;
    Updating updating(this);
    QelButtonCheck::Set(radio, state);
}

void QelRadioButton::SetCheck(bool state, bool first)
{
    MergeValue(m_state, state, first, [&] { PutCheck(state); });
}

void QelRadioButton::ShowMultiSelected(bool multiSelected)
{
    QWidget* radio = GetWidget();
    if (multiSelected && !m_painter) {
        m_painter = new Painter(radio);
        radio->installEventFilter(m_painter);
    } else if (!multiSelected && m_painter) {
        delete m_painter.data();  // removes the filter
    }
    radio->update();
}

void QelRadioButton::Decide()
{
    auto* radio = qobject_cast<QRadioButton*>(GetWidget());
    if (!radio)
        return;
    m_state = radio->isChecked();
    UserChanged();
}

bool QelRadioButton::OnChildNotify(int code)
{
    if (code != BN_CLICKED)
        return false;
    auto* radio = qobject_cast<QRadioButton*>(GetWidget());
    if (!radio)
        return false;
    Decide();
    // The click decides the whole group: the undecided neighbours that
    // exclusivity leaves unchecked are unchecked now.
    if (radio->isChecked() && radio->autoExclusive() && radio->parentWidget()) {
        for (QRadioButton* other : radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            auto* neighbour = dynamic_cast<QelRadioButton*>(CWnd::FromWidgetPermanent(other));
            if (other != radio && other->autoExclusive() && neighbour && neighbour->IsMultiSelected())
                neighbour->Decide();
        }
    }
    return false;
}
