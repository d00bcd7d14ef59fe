#include "DemoDriver.h"

#include "CDialog.h"
#include "QelControl.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QTextEdit>

namespace {

QWidget* FindControl(CDialog* dialog, const std::string& name)
{
    QWidget* root = dialog->GetWidget();
    if (!root)
        return nullptr;
    bool isNumber = false;
    const unsigned int id = QString::fromStdString(name).toUInt(&isNumber);
    if (isNumber) {
        CWnd* control = dialog->GetDlgItem(id);
        return control ? control->GetWidget() : nullptr;
    }
    for (QWidget* child : root->findChildren<QWidget*>(QString::fromStdString(name)))
        if (child->property("controlId").isValid())
            return child;
    return nullptr;
}

void Key(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// Replaces the text of a line edit or text edit key by key.
void TypeOver(QWidget* target, const QString& text)
{
    target->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->selectAll();
    else if (auto* rich = qobject_cast<QTextEdit*>(target))
        rich->selectAll();
    Key(target, Qt::Key_Delete, QString());
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            Key(target, Qt::Key_Return, QStringLiteral("\r"));
        else
            Key(target, c.unicode() < 128 ? QChar(c).toUpper().unicode() : 0, QString(c));
    }
}

bool WantsOn(const std::string& value)
{
    return value == "1" || value == "on" || value == "true" || value == "yes";
}

}  // namespace

bool DemoDriver::Set(CDialog* dialog, const std::string& name, const std::string& value, std::string& error)
{
    QWidget* control = FindControl(dialog, name);
    if (!control) {
        error = "no control \"" + name + "\" in the dialog";
        return false;
    }
    const QString text = QString::fromStdString(value);
    if (!control->isEnabled()) {
        error = "control \"" + name + "\" is greyed";
        return false;
    }
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QTextEdit*>(control)) {
        TypeOver(control, text);
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable()) {
        TypeOver(combo->lineEdit(), text);
        return true;
    }
    if (auto* check = qobject_cast<QCheckBox*>(control)) {
        const Qt::CheckState wanted = WantsOn(value) ? Qt::Checked : Qt::Unchecked;
        for (int i = 0; i < 3 && check->checkState() != wanted; ++i)
            check->click();
        return true;
    }
    if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        if (!WantsOn(value)) {
            error = "a radio button is set by choosing it: " + name + "=1";
            return false;
        }
        radio->click();
        return true;
    }
    if (auto* ours = dynamic_cast<QelControl*>(CWnd::FromWidgetPermanent(control)); ours && ours->SetUserText(value.c_str()))
        return true;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const int index = combo->findText(text, Qt::MatchStartsWith);
        if (index < 0) {
            error = "\"" + name + "\" has no item \"" + value + "\"";
            return false;
        }
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return true;
    }
    if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
        bool ok = false;
        const int position = text.toInt(&ok);
        if (!ok) {
            error = "\"" + name + "\" takes a number";
            return false;
        }
        slider->setValue(position);
        return true;
    }
    error = "control \"" + name + "\" takes no typed value";
    return false;
}

bool DemoDriver::Press(CDialog* dialog, unsigned int id)
{
    CWnd* button = dialog->GetDlgItem(id);
    auto* widget = button ? qobject_cast<QAbstractButton*>(button->GetWidget()) : nullptr;
    if (!widget)
        return false;
    widget->click();
    return true;
}

bool DemoDriver::Screenshot(CDialog* dialog, const std::string& path, std::string& error)
{
    QWidget* window = dialog->GetWidget();
    if (!window || !window->grab().save(QString::fromStdString(path), "PNG")) {
        error = "could not write the picture " + path;
        return false;
    }
    return true;
}
