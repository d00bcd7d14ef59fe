#include "QelTimeEditBox.h"

#include "QelFloatEditBox.h"

#include <cctype>
#include <cmath>

namespace {

long long PowerOfTen(int digits)
{
    long long power = 1;
    for (int i = 0; i < digits && i < 9; ++i)
        power *= 10;
    return power;
}

// Reads a decimal number of the whole text.
bool ReadWhole(const QString& text, double& value)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty())
        return false;
    for (char c : bytes)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+'))
            return false;
    return QelFloatEditBox::ReadNumber(bytes.constData(), value);
}

}  // namespace

void QelTimeEditBox::CreateSpinButton(int min, int max)
{
    m_spinMin = min;
    m_spinMax = max;
    m_hasSpin = true;
    MakeSpinButton(min, max, GetStep(), false);
}

void QelTimeEditBox::CreateSlider(int min, int max)
{
    m_sliderMin = min;
    m_sliderMax = max;
    m_hasSlider = true;
    MakeSlider(min, max, GetStep());
}

void QelTimeEditBox::SetTimeMode(int mode, int unit, int digits)
{
    m_mode = mode == Milliseconds || mode == MinutesSeconds ? mode : Seconds;
    m_unit = unit >= 1 ? unit : 1000;
    m_digits = digits < 0 ? 0 : digits > 3 ? 3 : digits;
    Rebuild();
}

void QelTimeEditBox::Rebuild()
{
    // The step follows the mode, so spin button and slider are made again.
    if (m_hasSpin)
        MakeSpinButton(m_spinMin, m_spinMax, GetStep(), false);
    if (m_hasSlider)
        MakeSlider(m_sliderMin, m_sliderMax, GetStep());
    if (!IsMultiSelected())
        ShowNumber(GetSetNumber(), true);
}

int QelTimeEditBox::GetStep() const
{
    const int resolution = std::max(1, 1000 / m_unit);
    if (m_mode == Milliseconds)
        return resolution;
    return std::max(resolution, static_cast<int>(1000 / PowerOfTen(m_digits)));
}

void QelTimeEditBox::SetMilliseconds(int milliseconds, bool first)
{
    ShowNumber(milliseconds, first);
}

int QelTimeEditBox::GetMilliseconds() const
{
    return static_cast<int>(std::llround(GetNumber()));
}

QString QelTimeEditBox::Format(double value) const
{
    const long long ms = std::llround(value);
    const QString sign = ms < 0 ? QStringLiteral("-") : QString();
    const long long magnitude = std::llabs(ms);
    if (m_mode == Milliseconds)
        return QStringLiteral("%1 ms").arg(ms);
    if (m_mode == Seconds)
        return sign + QString::number(magnitude / 1000.0, 'f', m_digits) + QStringLiteral(" s");
    // Minutes and seconds, counted in the smallest digit shown so that
    // rounding carries into the minutes ("0:59.99" never becomes "0:60").
    const long long perSecond = PowerOfTen(m_digits);
    const long long ticks = std::llround(magnitude * perSecond / 1000.0);
    const long long minutes = ticks / (60 * perSecond);
    const long long rest = ticks % (60 * perSecond);
    QString text = sign + QStringLiteral("%1:%2").arg(minutes).arg(rest / perSecond, 2, 10, QLatin1Char('0'));
    if (m_digits > 0)
        text += QStringLiteral(".%1").arg(rest % perSecond, m_digits, 10, QLatin1Char('0'));
    return text;
}

bool QelTimeEditBox::Parse(const QString& input, double& value) const
{
    QString text = input.trimmed().toLower();
    double milliseconds = 0.0;
    if (text.endsWith(QStringLiteral("ms"))) {
        double number;
        if (!ReadWhole(text.chopped(2), number))
            return false;
        milliseconds = number;
    } else if (text.contains(QLatin1Char(':'))) {
        const bool negative = text.startsWith(QLatin1Char('-'));
        if (negative)
            text.remove(0, 1);
        const QStringList parts = text.split(QLatin1Char(':'));
        double minutes, seconds;
        if (parts.size() != 2 || !ReadWhole(parts[0], minutes) || !ReadWhole(parts[1], seconds) || minutes < 0 || seconds < 0)
            return false;
        milliseconds = (minutes * 60.0 + seconds) * 1000.0;
        if (negative)
            milliseconds = -milliseconds;
    } else {
        const bool inSeconds = text.endsWith(QLatin1Char('s')) || m_mode != Milliseconds;
        if (text.endsWith(QLatin1Char('s')))
            text.chop(1);
        double number;
        if (!ReadWhole(text, number))
            return false;
        milliseconds = inSeconds ? number * 1000.0 : number;
    }
    const double resolution = std::max(1, 1000 / m_unit);
    if (!std::isfinite(milliseconds) || std::fabs(milliseconds) > 2147483647.0)
        return false;
    value = std::round(milliseconds / resolution) * resolution;
    return true;
}
