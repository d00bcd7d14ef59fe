#include "QelHistoryEditCombo.h"

#include "QelEditBox.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Setting names keep '/' and '\' for themselves: keys are escaped.
QString SettingName(const QString& key)
{
    return QStringLiteral("history/k") + QString::fromLatin1(QUrl::toPercentEncoding(key));
}

}  // namespace

QelHistoryEditCombo::~QelHistoryEditCombo()
{
    // Given back here, while every part of the control still exists.
    Release();
}

QelHistoryEditCombo::QelHistoryEditCombo(const char* key) : m_key(QString::fromUtf8(key ? key : "")) {}

QString QelHistoryEditCombo::HistoryFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/history.ini");
}

QStringList QelHistoryEditCombo::LoadHistory(const QString& key)
{
    QSettings settings(HistoryFile(), QSettings::IniFormat);
    QStringList history = settings.value(SettingName(key)).toStringList();
    while (history.size() > MaxEntries)
        history.removeLast();
    return history;
}

void QelHistoryEditCombo::SaveHistory(const QString& key, const QStringList& history)
{
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    QSettings settings(HistoryFile(), QSettings::IniFormat);
    settings.setValue(SettingName(key), history);
    settings.sync();
}

bool QelHistoryEditCombo::Accepts(QWidget* widget) const
{
    return qobject_cast<QComboBox*>(widget) != nullptr;
}

QComboBox* QelHistoryEditCombo::GetCombo() const
{
    return qobject_cast<QComboBox*>(GetWidget());
}

void QelHistoryEditCombo::OnAttach()
{
    QComboBox* combo = GetCombo();
    m_ownEditable = combo->isEditable();
    for (int i = 0; i < combo->count(); ++i)
        m_ownItems.append(combo->itemText(i));
    {
        Updating updating(this);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        FillList();
    }
    m_font = combo->lineEdit()->font();
    Connect(combo->lineEdit(), &QLineEdit::textEdited, [this](const QString&) { UserChanged(); });
    Connect(combo, QOverload<int>::of(&QComboBox::activated), [this](int) { UserChanged(); });
}

void QelHistoryEditCombo::OnDetach()
{
    QComboBox* combo = GetCombo();
    Updating updating(this);
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(m_ownItems);
    combo->setEditable(m_ownEditable);
    if (m_ownEditable)
        combo->setEditText(text);
}

void QelHistoryEditCombo::FillList()
{
    QComboBox* combo = GetCombo();
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(LoadHistory(m_key));
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

void QelHistoryEditCombo::PutText(const QString& text)
{
    if (QComboBox* combo = GetCombo()) {
        Updating updating(this);
        combo->setEditText(text);
    }
}

void QelHistoryEditCombo::SetWindowTextA(const char* text, bool first)
{
    const QString value = QString::fromUtf8(text ? text : "");
    MergeValue(m_decidedText, value, first, [&] { PutText(value); });
}

bool QelHistoryEditCombo::SetUserText(const char* text)
{
    m_decidedText = QString::fromUtf8(text ? text : "");
    SetMultiSelected(false);
    if (QComboBox* combo = GetCombo())
        combo->setEditText(m_decidedText);
    return true;
}

void QelHistoryEditCombo::GetWindowTextA(QelString& text) const
{
    QComboBox* combo = GetCombo();
    const QByteArray bytes = combo && !IsMultiSelected() ? combo->currentText().toUtf8() : QByteArray();
    text.SetString(bytes.constData(), static_cast<int>(bytes.size()));
}

void QelHistoryEditCombo::Commit()
{
    QelString text;
    GetWindowTextA(text);
    if (text.IsEmpty())
        return;
    const QString entry = QString::fromUtf8(text.GetText());
    QStringList history = LoadHistory(m_key);
    history.removeAll(entry);
    history.prepend(entry);
    while (history.size() > MaxEntries)
        history.removeLast();
    SaveHistory(m_key, history);
    if (GetCombo()) {
        Updating updating(this);
        FillList();
    }
}

void QelHistoryEditCombo::ShowMultiSelected(bool multiSelected)
{
    QComboBox* combo = GetCombo();
    if (!combo || !combo->lineEdit())
        return;
    QLineEdit* edit = combo->lineEdit();
    QFont font = m_font;
    font.setItalic(multiSelected);
    edit->setFont(font);
    if (multiSelected) {
        PutText(QString());
        edit->setPlaceholderText(QString::fromUtf8(QelEditBox::MultiSelectedText()));
    } else {
        edit->setPlaceholderText(QString());
    }
}
