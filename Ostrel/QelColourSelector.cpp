#include "QelColourSelector.h"

#include "QelControlRow.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSpinBox>

namespace {

QColor ToQColor(unsigned long colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

unsigned long FromQColor(const QColor& colour)
{
    return RGB(colour.red(), colour.green(), colour.blue());
}

const char* SeveralText = "(several)";

}  // namespace

QelColourSelector::~QelColourSelector()
{
    // Given back here, while every part of the control still exists.
    Release();
}

QelColourSelector::QelColourSelector(int style) : m_style(style) {}

bool QelColourSelector::Accepts(QWidget* widget) const
{
    return qobject_cast<QAbstractButton*>(widget) != nullptr;
}

void QelColourSelector::OnAttach()
{
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    m_ownIcon = button->icon();
    m_ownText = button->text();
    ShowColour();
}

void QelColourSelector::OnDetach()
{
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    button->setIcon(m_ownIcon);
    button->setText(m_ownText);
    m_tolerance = nullptr;  // the row destroys it
}

void QelColourSelector::SetColour(unsigned long colour, bool first)
{
    colour &= 0xFFFFFF;
    if (first) {
        m_colour = colour;
        m_hasColour = true;
        SetMultiSelected(false);
        ShowColour();
    } else if (!IsMultiSelected() && (!m_hasColour || colour != m_colour)) {
        SetMultiSelected(true);
    }
}

bool QelColourSelector::GetColour(unsigned long& colour) const
{
    if (!m_hasColour || IsMultiSelected())
        return false;
    colour = m_colour;
    return true;
}

void QelColourSelector::ShowMultiSelected(bool)
{
    ShowColour();
}

void QelColourSelector::ShowColour()
{
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    if (!button)
        return;
    const bool several = IsMultiSelected();
    if (m_style & Swatch) {
        const int side = std::max(12, button->fontMetrics().height());
        QPixmap swatch(side * 2, side);
        swatch.fill(Qt::transparent);
        QPainter painter(&swatch);
        const QRect box(0, 0, swatch.width() - 1, swatch.height() - 1);
        if (several) {
            painter.fillRect(box, Qt::white);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x90, 0x90, 0x90));
            painter.drawPolygon(QPolygon({box.topRight(), box.bottomRight(), box.bottomLeft()}));
        } else {
            painter.fillRect(box, m_hasColour ? ToQColor(m_colour) : QColor(Qt::transparent));
        }
        if (!(m_style & NoBorder)) {
            painter.setPen(QColor(0x40, 0x40, 0x40));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
        }
        painter.end();
        button->setIcon(QIcon(swatch));
        button->setIconSize(swatch.size());
    }
    if (m_style & HexText) {
        if (several)
            button->setText(QString::fromLatin1(SeveralText));
        else if (m_hasColour)
            button->setText(ToQColor(m_colour).name(QColor::HexRgb).toUpper());
        else
            button->setText(m_ownText);
    }
}

bool QelColourSelector::OnChildNotify(int code)
{
    if (code == BN_CLICKED && (m_style & Dialog))
        ChooseColour();
    return false;
}

bool QelColourSelector::ChooseColour()
{
    QWidget* button = GetWidget();
    if (!button)
        return false;
    // The dialog may outlive nothing of ours: the user could close the
    // whole window while it is open.
    QPointer<QColorDialog> dialog = new QColorDialog(m_hasColour && !IsMultiSelected() ? ToQColor(m_colour) : QColor(Qt::white), button->window());
    dialog->setObjectName(QStringLiteral("colourDialog"));
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    const bool chosen = dialog->exec() == QDialog::Accepted && dialog;
    QColor colour = dialog ? dialog->selectedColor() : QColor();
    delete dialog.data();
    if (!chosen || !colour.isValid() || !GetWidget())
        return false;
    if (m_style & KeepCustom) {
        // Most recent first among the dialog's custom colours.
        for (int i = QColorDialog::customCount() - 1; i > 0; --i)
            QColorDialog::setCustomColor(i, QColorDialog::customColor(i - 1));
        QColorDialog::setCustomColor(0, colour);
    }
    SetColour(FromQColor(colour), true);
    return true;
}

bool QelColourSelector::SetUserText(const char* text)
{
    const QColor colour(QString::fromUtf8(text ? text : ""));
    if (!colour.isValid() || !GetWidget())
        return false;
    SetColour(FromQColor(colour), true);
    return true;
}

void QelColourSelector::UseTolerance(bool use)
{
    if (use && !m_tolerance && GetRow()) {
        m_tolerance = new QSpinBox;
        m_tolerance->setObjectName(GetWidget()->objectName() + QStringLiteral("_tolerance"));
        m_tolerance->setPrefix(QStringLiteral("\u00B1 "));
        m_tolerance->setToolTip(QStringLiteral("Tolerance"));
        GetRow()->Add(m_tolerance);
        Connect(m_tolerance, QOverload<int>::of(&QSpinBox::valueChanged), [this](int value) { ToleranceChanged(value); });
        ShowTolerance();
    } else if (!use && m_tolerance) {
        GetRow()->Remove(m_tolerance);
        m_tolerance = nullptr;
    }
}

void QelColourSelector::SetTolerance(unsigned char tolerance, bool first)
{
    if (first) {
        m_toleranceValue = tolerance;
        m_toleranceMulti = false;
    } else if (tolerance != m_toleranceValue) {
        m_toleranceMulti = true;
    }
    ShowTolerance();
}

bool QelColourSelector::GetTolerance(unsigned char& tolerance) const
{
    if (!m_tolerance || m_toleranceMulti)
        return false;
    tolerance = m_toleranceValue;
    return true;
}

void QelColourSelector::ShowTolerance()
{
    if (!m_tolerance)
        return;
    Updating updating(this);
    // Undecided: one step below the range, shown as "(several)".
    m_tolerance->setSpecialValueText(m_toleranceMulti ? QString::fromLatin1(SeveralText) : QString());
    m_tolerance->setRange(m_toleranceMulti ? -1 : 0, 255);
    m_tolerance->setValue(m_toleranceMulti ? -1 : m_toleranceValue);
}

void QelColourSelector::ToleranceChanged(int value)
{
    m_toleranceMulti = false;
    m_toleranceValue = static_cast<unsigned char>(std::clamp(value, 0, 255));
    ShowTolerance();
}
