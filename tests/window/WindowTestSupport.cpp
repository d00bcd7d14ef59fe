#include "WindowTestSupport.h"

#include "QelDialogTemplates.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

namespace {

const char kTestUi[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>TestDialog</class>
 <widget class="QDialog" name="TestDialog">
  <property name="windowTitle"><string>Settings</string></property>
  <layout class="QVBoxLayout" name="layout">
   <item><widget class="QLabel" name="label">
    <property name="text"><string>Name:</string></property>
    <property name="controlId" stdset="0"><number>100</number></property></widget></item>
   <item><widget class="QLineEdit" name="name">
    <property name="text"><string>Ada</string></property>
    <property name="controlId" stdset="0"><number>101</number></property></widget></item>
   <item><widget class="QGroupBox" name="options">
    <property name="title"><string>Options</string></property>
    <property name="controlId" stdset="0"><number>110</number></property>
    <layout class="QVBoxLayout" name="optionsLayout">
     <item><widget class="QCheckBox" name="enabled">
      <property name="text"><string>Enabled</string></property>
      <property name="controlId" stdset="0"><number>102</number></property></widget></item>
     <item><widget class="QCheckBox" name="mixed">
      <property name="text"><string>Mixed</string></property>
      <property name="tristate"><bool>true</bool></property>
      <property name="controlId" stdset="0"><number>103</number></property></widget></item>
     <item><widget class="QRadioButton" name="first">
      <property name="text"><string>First</string></property>
      <property name="controlId" stdset="0"><number>104</number></property></widget></item>
     <item><widget class="QRadioButton" name="second">
      <property name="text"><string>Second</string></property>
      <property name="checked"><bool>true</bool></property>
      <property name="controlId" stdset="0"><number>105</number></property></widget></item>
    </layout></widget></item>
   <item><widget class="QComboBox" name="fruit">
    <property name="controlId" stdset="0"><number>106</number></property>
    <item><property name="text"><string>Apple</string></property></item>
    <item><property name="text"><string>Banana</string></property></item>
    <item><property name="text"><string>Cherry</string></property></item>
    <item><property name="text"><string>apricot</string></property></item></widget></item>
   <item><widget class="QComboBox" name="town">
    <property name="editable"><bool>true</bool></property>
    <property name="controlId" stdset="0"><number>107</number></property>
    <item><property name="text"><string>Oslo</string></property></item>
    <item><property name="text"><string>Lima</string></property></item></widget></item>
   <item><widget class="QSlider" name="volume">
    <property name="orientation"><enum>Qt::Horizontal</enum></property>
    <property name="maximum"><number>100</number></property>
    <property name="controlId" stdset="0"><number>108</number></property></widget></item>
   <item><widget class="QTextEdit" name="notes">
    <property name="controlId" stdset="0"><number>109</number></property></widget></item>
   <item><widget class="QSpinBox" name="count">
    <property name="maximum"><number>10</number></property>
    <property name="controlId" stdset="0"><number>111</number></property></widget></item>
   <item><widget class="QPushButton" name="ok">
    <property name="text"><string>OK</string></property>
    <property name="controlId" stdset="0"><number>1</number></property></widget></item>
   <item><widget class="QPushButton" name="cancel">
    <property name="text"><string>Cancel</string></property>
    <property name="controlId" stdset="0"><number>2</number></property></widget></item>
  </layout>
 </widget>
</ui>
)";

// A plain QWidget at the top: embedded when given a parent.
const char kPlainWidgetUi[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Panel</class>
 <widget class="QWidget" name="Panel">
  <layout class="QVBoxLayout" name="layout">
   <item><widget class="QLineEdit" name="name">
    <property name="controlId" stdset="0"><number>101</number></property></widget></item>
  </layout>
 </widget>
</ui>
)";

// Another top-level class: framed in a dialog.
const char kFrameUi[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Frame</class>
 <widget class="QFrame" name="Frame">
  <property name="windowTitle"><string>Framed</string></property>
  <layout class="QVBoxLayout" name="layout">
   <item><widget class="QCheckBox" name="enabled">
    <property name="controlId" stdset="0"><number>102</number></property></widget></item>
  </layout>
 </widget>
</ui>
)";

std::string Line(const char* what, unsigned int id, int code) {
    return std::string(what) + " " + std::to_string(id) + " " + std::to_string(code);
}

}  // namespace

void RegisterTestTemplates() {
    QelDialogTemplates::Register(kTestTemplate, QByteArray(kTestUi));
    QelDialogTemplates::Register(kPlainWidgetTemplate, QByteArray(kPlainWidgetUi));
    QelDialogTemplates::Register(kFrameTemplate, QByteArray(kFrameUi));
    QelDialogTemplates::Register(kBrokenTemplate, QByteArray("<ui version=\"4.0\"><widget class="));
}

void Click(QWidget* widget) {
    if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(6, widget->height() / 2));
    else
        QTest::mouseClick(widget, Qt::LeftButton);
}

bool RecordingDialog::OnInitDialog() {
    log.push_back("init");
    if (onInit)
        onInit(this);
    return CDialog::OnInitDialog();
}

bool RecordingDialog::OnCommand(unsigned int id, int code) {
    log.push_back(Line("command", id, code));
    if (onCommand)
        onCommand(this, id, code);
    return CDialog::OnCommand(id, code);
}

bool RecordingDialog::OnNotify(unsigned int id, int code) {
    log.push_back(Line("notify", id, code));
    return CDialog::OnNotify(id, code);
}

void RecordingDialog::OnOK() {
    log.push_back("ok");
    CDialog::OnOK();
}

void RecordingDialog::OnCancel() {
    log.push_back("cancel");
    CDialog::OnCancel();
}

void RecordingDialog::OnDestroy() {
    log.push_back("destroy");
    controlsAtDestroy = GetDlgItem(kName) != nullptr && GetDlgItem(kName)->GetWidget() != nullptr;
}

void RecordingDialog::OnContextMenu(CWnd* window, CPoint) {
    log.push_back("menu " + std::to_string(window ? window->GetDlgCtrlID() : 0));
}

std::vector<std::string> RecordingDialog::Lines(const std::string& prefix) const {
    std::vector<std::string> lines;
    for (const std::string& line : log) {
        if (line.compare(0, prefix.size(), prefix) == 0)
            lines.push_back(line);
    }
    return lines;
}
