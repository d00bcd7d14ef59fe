#include "QelFloatEditBox.h"

#include <QLineEdit>

#include <charconv>
#include <cmath>
#include <cstring>

QelFloatEditBox::~QelFloatEditBox()
{
    // Given back here, while every part of the control still exists.
    Release();
}

void QelFloatEditBox::OnAttach()
{
    QelNumberEditBox::OnAttach();
    UseValidator(QStringLiteral("\\s*[-+]?[0-9]*[.]?[0-9]*([eE][-+]?[0-9]*)?\\s*"));
}

void QelFloatEditBox::CreateSpinButton(double min, double max, double step)
{
    MakeSpinButton(min, max, step, false);
}

void QelFloatEditBox::CreateSlider(double min, double max, double step)
{
    MakeSlider(min, max, step);
}

void QelFloatEditBox::SetValue(double value, bool first)
{
    ShowNumber(value, first);
}

QString QelFloatEditBox::Format(double value) const
{
    if (!std::isfinite(value))
        return QString::number(value);
    char buffer[64];
    const double magnitude = std::fabs(value);
    const std::chars_format format =
        magnitude == 0.0 || (magnitude >= 1e-4 && magnitude < 1e15) ? std::chars_format::fixed : std::chars_format::general;
    std::to_chars_result result = m_single
        ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value), format)
        : std::to_chars(buffer, buffer + sizeof buffer, value, format);
    return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

bool QelFloatEditBox::ReadNumber(const char* text, double& value)
{
    if (!text)
        return false;
    while (*text == ' ' || *text == '\t')
        ++text;
    if (*text == '+')  // from_chars takes no plus sign
        ++text;
    const std::from_chars_result result = std::from_chars(text, text + std::strlen(text), value);
    return result.ec == std::errc();
}

bool QelFloatEditBox::Parse(const QString& text, double& value) const
{
    const QByteArray bytes = text.trimmed().toLatin1();
    double number;
    if (bytes.isEmpty() || !ReadNumber(bytes.constData(), number))
        return false;
    value = number;
    return true;
}
