// Shared pieces of the dialog builder's tests: dialog templates written from
// a list of controls, a host dialog over a map, a value class for plain
// integer fields, and the user's gestures.
#pragma once

#include "CDialog.h"
#include "Vorpane.h"
#include "VpdValEntry.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

class QWidget;

// One control of a test template: its class, object name, control id and
// further property XML (e.g. "<property name=\"text\"><string>On</string></property>").
struct UiControl {
    std::string className;
    std::string name;
    unsigned int id;
    std::string extra;
};

// A dialog template: the controls one below the other, then OK (id 1) and
// Cancel (id 2). Registered under `templateId`.
void RegisterTemplate(unsigned int templateId, const std::vector<UiControl>& controls);

// A host's dialog over a map, run modeless: Open attaches the controls,
// Show transfers records, Apply writes them back. Like the modal dialog it
// re-evaluates the greying before every command and notification.
class HostDialog : public CDialog, public Vorpane {
public:
    HostDialog(unsigned int templateId, Vorpane::Map* map) : CDialog(templateId), m_map(map) {}
    ~HostDialog() override;

    bool Open();
    // ObjectToDialog for each record, first true only for the first.
    void Show(const std::vector<void*>& records);
    void Apply(const std::vector<void*>& records);
    void Grey() { UpdateGreying(m_map, true); }
    // The widget of control `id`.
    QWidget* Control(unsigned int id) const;

    bool OnCmdMsg(unsigned int id, int code) override;
    bool OnNotify(unsigned int id, int code) override;
    void OnDestroy() override;

    int greyings = 0;

private:
    Vorpane::Map* m_map;
};

// A fixture whose tests work on a host dialog over a map, open from SetUp
// (OpenDialog) until TearDown deletes both.
class HostDialogTest : public ::testing::Test {
protected:
    // Registers the template, takes over `builtMap` and opens a dialog.
    void OpenDialog(unsigned int templateId, const std::vector<UiControl>& controls, Vorpane::Map* builtMap);
    void TearDown() override;

    Vorpane::Map* map = nullptr;
    HostDialog* dialog = nullptr;
};

// A value of a plain integer field of any width: compares and writes the
// field's low bytes. Counts its instances (ownership tests).
class IntValue : public VpdValEntry {
public:
    explicit IntValue(long long value) : m_value(value) { ++live; }
    ~IntValue() override { --live; }
    bool Compare(unsigned char* record, VpdVarEntry* var) override;
    void Set(unsigned char* record, VpdVarEntry* var) override;

    static int live;

private:
    long long m_value;
};

// A left click where a user would click: on the indicator of a check box
// or radio button, in the middle of anything else.
void Click(QWidget* widget);
// Selects the text of a line edit (or an editable combo box, or a control
// with a line edit inside) and types `text` over it.
void TypeOver(QWidget* widget, const QString& text);
