#include "VorpaneTestSupport.h"

#include "QelDialogTemplates.h"
#include "VpdField.h"
#include "VpdVarEntry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

int IntValue::live = 0;

void RegisterTemplate(unsigned int templateId, const std::vector<UiControl>& controls)
{
    std::string ui =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ui version=\"4.0\"><class>Dialog</class>"
        "<widget class=\"QDialog\" name=\"Dialog\"><property name=\"windowTitle\"><string>Test</string></property>"
        "<layout class=\"QVBoxLayout\" name=\"layout\">";
    auto control = [&](const std::string& className, const std::string& name, unsigned int id, const std::string& extra) {
        ui += "<item><widget class=\"" + className + "\" name=\"" + name + "\">" + extra +
              "<property name=\"controlId\" stdset=\"0\"><number>" + std::to_string(id) + "</number></property>" +
              "</widget></item>";
    };
    for (const UiControl& c : controls)
        control(c.className, c.name, c.id, c.extra);
    control("QPushButton", "ok", 1, "<property name=\"text\"><string>OK</string></property>");
    control("QPushButton", "cancel", 2, "<property name=\"text\"><string>Cancel</string></property>");
    ui += "</layout></widget></ui>";
    QelDialogTemplates::Register(templateId, QByteArray::fromStdString(ui));
}

HostDialog::~HostDialog()
{
    if (GetWidget())
        DestroyWindow();
}

bool HostDialog::Open()
{
    if (!Create(GetTemplateId()))
        return false;
    InitControls(m_map);
    return true;
}

void HostDialog::Show(const std::vector<void*>& records)
{
    bool first = true;
    for (void* record : records) {
        ObjectToDialog(record, m_map, first);
        first = false;
    }
}

void HostDialog::Apply(const std::vector<void*>& records)
{
    for (void* record : records)
        DialogToObject(record, m_map);
}

QWidget* HostDialog::Control(unsigned int id) const
{
    CWnd* control = GetDlgItem(id);
    return control ? control->GetWidget() : nullptr;
}

bool HostDialog::OnCmdMsg(unsigned int id, int code)
{
    ++greyings;
    UpdateGreying(m_map, true);
    return CDialog::OnCmdMsg(id, code);
}

bool HostDialog::OnNotify(unsigned int id, int code)
{
    ++greyings;
    UpdateGreying(m_map, true);
    return CDialog::OnNotify(id, code);
}

void HostDialog::OnDestroy()
{
    DestroyControls(m_map);
    CDialog::OnDestroy();
}

bool IntValue::Compare(unsigned char* record, VpdVarEntry* var)
{
    if (!var || var->size <= 0)
        return false;
    const int width = var->size < 8 ? var->size : 8;
    const unsigned long long mask = width == 8 ? ~0ull : (1ull << (8 * width)) - 1;
    unsigned long long bits = 0;
    for (int i = 0; i < width; ++i)
        bits |= static_cast<unsigned long long>(record[var->offset + i]) << (8 * i);
    return bits == (static_cast<unsigned long long>(m_value) & mask);
}

void IntValue::Set(unsigned char* record, VpdVarEntry* var)
{
    VpdField::WriteSigned(record, var, m_value, 8);
}

void Click(QWidget* widget)
{
    if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(6, widget->height() / 2));
    else
        QTest::mouseClick(widget, Qt::LeftButton);
}

void TypeOver(QWidget* widget, const QString& text)
{
    QWidget* target = widget;
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        target = combo->lineEdit();
    else if (!qobject_cast<QLineEdit*>(widget))
        target = widget->findChild<QLineEdit*>();
    auto* edit = qobject_cast<QLineEdit*>(target);
    if (!edit)
        return;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void HostDialogTest::OpenDialog(unsigned int templateId, const std::vector<UiControl>& controls, Vorpane::Map* builtMap)
{
    RegisterTemplate(templateId, controls);
    map = builtMap;
    dialog = new HostDialog(templateId, map);
    ASSERT_TRUE(dialog->Open());
}

void HostDialogTest::TearDown()
{
    delete dialog;
    delete map;
}
