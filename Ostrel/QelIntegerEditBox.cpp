#include "QelIntegerEditBox.h"

#include <QLineEdit>

#include <cmath>

QelIntegerEditBox::~QelIntegerEditBox()
{
    // Given back here, while every part of the control still exists.
    Release();
}

void QelIntegerEditBox::OnAttach()
{
    QelNumberEditBox::OnAttach();
    UseValidator(QStringLiteral("[-+]?[0-9]*"));
}

void QelIntegerEditBox::CreateSpinButton(int min, int max, bool wrap)
{
    MakeSpinButton(min, max, 1.0, wrap);
}

void QelIntegerEditBox::CreateSlider(int min, int max)
{
    MakeSlider(min, max, 1.0);
}

void QelIntegerEditBox::SetValue(int value, bool first)
{
    ShowNumber(value, first);
}

int QelIntegerEditBox::GetValue(bool* valid) const
{
    return static_cast<int>(GetNumber(valid));
}

QString QelIntegerEditBox::Format(double value) const
{
    return QString::number(static_cast<long long>(std::llround(value)));
}

bool QelIntegerEditBox::Parse(const QString& text, double& value) const
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (ok)
        value = number;
    return ok;
}
