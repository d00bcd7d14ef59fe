#include "QelEditBox.h"

#include <QLineEdit>

QelEditBox::~QelEditBox()
{
    // Given back here, while every part of the control still exists.
    Release();
}

const char* QelEditBox::MultiSelectedText()
{
    return "(several values)";
}

bool QelEditBox::Accepts(QWidget* widget) const
{
    return qobject_cast<QLineEdit*>(widget) != nullptr;
}

QLineEdit* QelEditBox::GetEdit() const
{
    return qobject_cast<QLineEdit*>(GetWidget());
}

void QelEditBox::OnAttach()
{
    QLineEdit* edit = GetEdit();
    m_placeholder = edit->placeholderText();
    m_font = edit->font();
    m_palette = edit->palette();
    Connect(edit, &QLineEdit::textEdited, [this](const QString&) { OnTextEdited(); });
}

void QelEditBox::OnDetach() {}

void QelEditBox::OnTextEdited()
{
    UserChanged();
}

void QelEditBox::PutText(const QString& text)
{
    QLineEdit* edit = GetEdit();
    if (!edit)
        return;
    Updating updating(this);
    const bool changed = edit->text() != text;
    edit->setText(text);
    // An unchanged text sends no signal of its own; report it all the same.
    if (!changed)
        NotifyParent(EN_CHANGE);
}

void QelEditBox::SetText(const char* text, bool first, bool selectAll)
{
    const QString value = QString::fromUtf8(text ? text : "");
    MergeValue(m_decidedText, value, first, [&] { PutText(value); });
    if (selectAll && GetEdit())
        GetEdit()->selectAll();
}

bool QelEditBox::SetUserText(const char* text)
{
    if (!GetEdit())
        return false;
    m_decidedText = QString::fromUtf8(text ? text : "");
    SetMultiSelected(false);
    GetEdit()->setText(m_decidedText);
    return true;
}

void QelEditBox::ShowMultiSelected(bool multiSelected)
{
    QLineEdit* edit = GetEdit();
    if (!edit)
        return;
    if (multiSelected) {
        PutText(QString());
        edit->setPlaceholderText(QString::fromUtf8(MultiSelectedText()));
        QFont italic = m_font;
        italic.setItalic(true);
        edit->setFont(italic);
        QPalette tinted = m_palette;
        tinted.setColor(QPalette::Active, QPalette::Base, QColor(0xFF, 0xF8, 0xE1));
        tinted.setColor(QPalette::Inactive, QPalette::Base, QColor(0xFF, 0xF8, 0xE1));
        edit->setPalette(tinted);
    } else {
        edit->setPlaceholderText(m_placeholder);
        edit->setFont(m_font);
        edit->setPalette(m_palette);
    }
}
