#include "QelAngleControl.h"

#include "QelControlRow.h"

#include <QDial>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <cmath>

namespace {

const QChar Degree(0x00B0);

int Modulo360(int degrees)
{
    const int rest = degrees % 360;
    return rest < 0 ? rest + 360 : rest;
}

}  // namespace

QelAngleControl::~QelAngleControl()
{
    // Given back here, while every part of the control still exists.
    Release();
}

QelAngleControl::QelAngleControl(unsigned int style, Modes mode, unsigned int snap, unsigned int notchStep)
    : m_style(style), m_mode(mode), m_snap(snap), m_notchStep(notchStep)
{
}

bool QelAngleControl::Accepts(QWidget* widget) const
{
    return qobject_cast<QDial*>(widget) != nullptr;
}

QDial* QelAngleControl::GetDial() const
{
    return qobject_cast<QDial*>(GetWidget());
}

void QelAngleControl::OnAttach()
{
    QDial* dial = GetDial();
    m_ownMin = dial->minimum();
    m_ownMax = dial->maximum();
    m_ownWrapping = dial->wrapping();
    m_ownNotches = dial->notchesVisible();
    {
        Updating updating(this);
        // The dial turns a whole circle; its own value counts clockwise from
        // the bottom.
        dial->setRange(0, 359);
        dial->setWrapping(true);
        dial->setNotchesVisible((m_style & Notches) != 0);
        dial->setNotchTarget(m_notchStep > 0 ? m_notchStep : 15);
        dial->setSingleStep(m_snap > 1 ? static_cast<int>(m_snap) : 1);
        dial->setPageStep(m_snap > 1 ? static_cast<int>(m_snap) * 3 : 15);
    }
    if (m_style & ReadOnly)
        dial->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    Connect(dial, &QDial::valueChanged, [this](int value) { DialMoved(value); });
    if (m_style & DegreeBox) {
        m_box = new QLineEdit;
        m_box->setObjectName(dial->objectName() + QStringLiteral("_degrees"));
        m_box->setAlignment(Qt::AlignRight);
        m_box->setMaximumWidth(64);
        m_box->setReadOnly((m_style & ReadOnly) != 0);
        m_box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?[0-9]{0,6}\\x{00B0}?")), m_box));
        GetRow()->Add(m_box);
        Connect(m_box, &QLineEdit::textEdited, [this](const QString&) { BoxEdited(); });
    }
    Show(m_angle);
}

void QelAngleControl::OnDetach()
{
    QDial* dial = GetDial();
    Updating updating(this);
    dial->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    dial->setWrapping(m_ownWrapping);
    dial->setNotchesVisible(m_ownNotches);
    dial->setRange(m_ownMin, m_ownMax);
    m_box = nullptr;  // the row destroys it
}

int QelAngleControl::Normalise(int degrees) const
{
    const int full = Modulo360(degrees);
    return m_mode == Signed && full >= 180 ? full - 360 : full;
}

int QelAngleControl::Snap(int degrees) const
{
    if (m_snap <= 1)
        return degrees;
    const int step = static_cast<int>(m_snap);
    return static_cast<int>(std::lround(static_cast<double>(degrees) / step)) * step;
}

void QelAngleControl::Show(int degrees)
{
    QDial* dial = GetDial();
    if (!dial)
        return;
    // Screen direction: degrees clockwise from up.
    int screen = m_style & Clockwise ? degrees : -degrees;
    if (!(m_style & ZeroUp))
        screen += 90;
    Updating updating(this);
    dial->setValue(Modulo360(screen + 180));
    if (m_box && !IsMultiSelected())
        m_box->setText(QString::number(Normalise(degrees)) + Degree);
}

void QelAngleControl::SetAngle(int degrees, bool first)
{
    MergeValue(m_angle, degrees, first, [&] { Show(degrees); });
}

void QelAngleControl::ShowMultiSelected(bool multiSelected)
{
    if (!m_box)
        return;
    Updating updating(this);
    if (multiSelected) {
        m_box->clear();
        m_box->setPlaceholderText(QStringLiteral("(several)"));
    } else {
        m_box->setPlaceholderText(QString());
        if (m_box->text().isEmpty())
            m_box->setText(QString::number(Normalise(m_angle)) + Degree);
    }
}

void QelAngleControl::UserSets(int degrees)
{
    m_angle = Normalise(Snap(degrees));
    SetMultiSelected(false);
    Show(m_angle);
}

bool QelAngleControl::SetUserText(const char* text)
{
    QString degrees = QString::fromUtf8(text ? text : "");
    degrees.remove(Degree);
    bool ok = false;
    const int value = degrees.trimmed().toInt(&ok);
    if (!ok || !GetDial())
        return false;
    UserSets(value);
    return true;
}

void QelAngleControl::DialMoved(int value)
{
    int screen = value - 180;
    if (!(m_style & ZeroUp))
        screen -= 90;
    UserSets(m_style & Clockwise ? screen : -screen);
}

void QelAngleControl::BoxEdited()
{
    QString text = m_box->text();
    text.remove(Degree);
    bool ok = false;
    const int degrees = text.trimmed().toInt(&ok);
    if (!ok)
        return;
    m_angle = Normalise(Snap(degrees));
    SetMultiSelected(false);
    // The dial follows; the box keeps what is being typed.
    QDial* dial = GetDial();
    int screen = m_style & Clockwise ? m_angle : -m_angle;
    if (!(m_style & ZeroUp))
        screen += 90;
    Updating updating(this);
    dial->setValue(Modulo360(screen + 180));
}
