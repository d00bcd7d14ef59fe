#include "QelIntegerEditBox.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <cmath>

QelIntegerEditBox::~QelIntegerEditBox()
{
    // Given back here, while every part of the control still exists.
    Release();
}

void QelIntegerEditBox::OnAttach()
{
    QelNumberEditBox::OnAttach();
    m_ownValidator = GetEdit()->validator();
    GetEdit()->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?[0-9]*")), GetEdit()));
}

void QelIntegerEditBox::OnDetach()
{
    const QValidator* ours = GetEdit()->validator();
    GetEdit()->setValidator(m_ownValidator);
    if (ours != m_ownValidator)
        delete ours;
    QelNumberEditBox::OnDetach();
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
