#include "QelNumberEditBox.h"

#include "QelControlRow.h"
#include "QelSpinButton.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QFontMetrics>

#include <cmath>

namespace {

// A stepped value rounded to the decimals of its step, so that ten steps of
// 0.1 make 1 and not 0.9999999999999999.
double RoundToStep(double value, double step)
{
    if (step >= 1.0 || step <= 0.0)
        return value;
    const double scale = std::pow(10.0, std::ceil(-std::log10(step)));
    return std::round(value * scale) / scale;
}

}  // namespace

QelNumberEditBox::~QelNumberEditBox()
{
    // Given back here, while every part of the control still exists.
    Release();
}

double QelNumberEditBox::GetNumber(bool* valid) const
{
    double value = m_value;
    bool ok = !IsMultiSelected();
    if (ok && m_edited && GetEdit())
        ok = Parse(GetEdit()->text(), value);
    if (valid)
        *valid = ok;
    return ok ? value : m_value;
}

bool QelNumberEditBox::SetUserText(const char* text)
{
    if (!QelEditBox::SetUserText(text))
        return false;
    OnTextEdited();
    return true;
}

void QelNumberEditBox::MakeSpinButton(double min, double max, double step, bool wrap)
{
    m_spinMin = std::min(min, max);
    m_spinMax = std::max(min, max);
    m_spinStep = step > 0 ? step : 1.0;
    m_wrap = wrap;
    if (m_spin || !GetRow())
        return;
    m_spin = new QelSpinButton([this](int direction) { Step(direction); }, GetWidget()->sizeHint().height());
    m_spin->setObjectName(GetWidget()->objectName() + QStringLiteral("_spin"));
    GetRow()->Add(m_spin);
}

void QelNumberEditBox::MakeSlider(double min, double max, double step)
{
    m_sliderStep = step > 0 ? step : 1.0;
    if (!GetRow())
        return;
    if (!m_slider) {
        m_slider = new QSlider(Qt::Horizontal);
        m_slider->setObjectName(GetWidget()->objectName() + QStringLiteral("_slider"));
        m_slider->setMinimumWidth(60);
        GetRow()->Add(m_slider, 3);
        // Room for a number beside the slider.
        QWidget* box = GetWidget();
        m_ownMinimumWidth = box->minimumWidth();
        box->setMinimumWidth(std::max(box->minimumWidth(), box->fontMetrics().horizontalAdvance(QStringLiteral("-00000.00")) + 12));
        Connect(m_slider, &QSlider::valueChanged, [this](int position) { SliderMoved(position); });
    }
    Updating updating(this);
    const int low = static_cast<int>(std::lround(std::min(min, max) / m_sliderStep));
    const int high = static_cast<int>(std::lround(std::max(min, max) / m_sliderStep));
    m_slider->setRange(low, high);
    m_slider->setPageStep(std::max(1, (high - low) / 10));
    PlaceSlider(m_value);
}

void QelNumberEditBox::UseValidator(const QString& pattern)
{
    QLineEdit* edit = GetEdit();
    m_ownValidator = edit->validator();
    m_validated = true;
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
}

void QelNumberEditBox::OnDetach()
{
    if (m_validated && GetEdit()) {
        const QValidator* ours = GetEdit()->validator();
        GetEdit()->setValidator(m_ownValidator);
        if (ours != m_ownValidator)
            delete ours;
        m_validated = false;
    }
    if (m_ownMinimumWidth >= 0 && GetWidget())
        GetWidget()->setMinimumWidth(m_ownMinimumWidth);
    m_ownMinimumWidth = -1;
    // The row destroys them.
    m_spin = nullptr;
    m_slider = nullptr;
    QelEditBox::OnDetach();
}

void QelNumberEditBox::ShowNumber(double value, bool first)
{
    MergeValue(m_value, value, first, [&] {
        m_edited = false;
        m_decidedText = Format(value);
        PutText(m_decidedText);
        PlaceSlider(value);
    });
}

void QelNumberEditBox::PlaceSlider(double value)
{
    if (!m_slider)
        return;
    Updating updating(this);
    m_slider->setValue(static_cast<int>(std::lround(value / m_sliderStep)));
}

void QelNumberEditBox::OnTextEdited()
{
    QelEditBox::OnTextEdited();
    m_edited = true;
    double value;
    if (GetEdit() && Parse(GetEdit()->text(), value))
        PlaceSlider(value);
}

void QelNumberEditBox::UserSets(double value)
{
    m_value = value;
    m_edited = false;
    m_decidedText = Format(value);
    SetMultiSelected(false);
    if (QLineEdit* edit = GetEdit()) {
        // The user's change: the box tells its parent as it would for typing.
        edit->setText(m_decidedText);
        edit->selectAll();
    }
    PlaceSlider(value);
}

void QelNumberEditBox::Step(int direction)
{
    if (!GetEdit() || !GetEdit()->isEnabled())
        return;
    bool valid = false;
    double value = GetNumber(&valid);
    if (!valid)
        value = m_value;
    value = RoundToStep(value + direction * m_spinStep, m_spinStep);
    if (m_spinMax > m_spinMin || m_wrap) {
        if (value > m_spinMax)
            value = m_wrap ? m_spinMin : m_spinMax;
        else if (value < m_spinMin)
            value = m_wrap ? m_spinMax : m_spinMin;
    }
    UserSets(value);
}

void QelNumberEditBox::SliderMoved(int position)
{
    UserSets(RoundToStep(position * m_sliderStep, m_sliderStep));
}

bool QelNumberEditBox::PreTranslateMessage(QEvent* event)
{
    if (!m_spin || event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    Step(key == Qt::Key_Up ? +1 : -1);
    return true;
}
