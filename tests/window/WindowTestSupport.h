// Shared pieces of the window layer's tests: a dialog template with one
// control of every kind, and a dialog that records the hooks it sees.
#pragma once

#include "CDialog.h"

#include <QByteArray>

#include <functional>
#include <string>
#include <vector>

// Control ids of the test template.
enum {
    kLabel = 100, kName = 101, kEnabled = 102, kMixed = 103, kFirst = 104, kSecond = 105,
    kFruit = 106, kTown = 107, kVolume = 108, kNotes = 109, kOptions = 110, kCount = 111
};
enum { kTestTemplate = 9001, kPlainWidgetTemplate = 9002, kFrameTemplate = 9003, kBrokenTemplate = 9004 };

// Registers the test templates (once).
void RegisterTestTemplates();

class QWidget;
// A left click where a user would click the control: on the indicator of a
// check box or radio button (a layout may stretch them far beyond their
// text), in the middle of anything else.
void Click(QWidget* widget);

// A dialog that logs its hooks as short lines ("init", "command 101 768",
// "notify 108 -1502", "ok", "cancel", "destroy", "menu 101").
class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(unsigned int templateId = kTestTemplate, CWnd* parent = nullptr)
        : CDialog(templateId, parent) {}

    std::vector<std::string> log;
    std::function<void(RecordingDialog*)> onInit;
    std::function<void(RecordingDialog*, unsigned int, int)> onCommand;
    bool controlsAtDestroy = false;

    bool OnInitDialog() override;
    bool OnCommand(unsigned int id, int code) override;
    bool OnNotify(unsigned int id, int code) override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    void OnContextMenu(CWnd* window, CPoint screenPoint) override;

    // The log lines that start with `prefix`.
    std::vector<std::string> Lines(const std::string& prefix) const;
};
