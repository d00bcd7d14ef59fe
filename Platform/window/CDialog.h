// CDialog: a dialog made from a registered template (QelDialogTemplates).
//
// Hooks are called in the framework's order: OnInitDialog once the controls
// exist and before the dialog is shown; OnCommand/OnCmdMsg and OnNotify for
// every command and notification; OnOK and OnCancel from the buttons with
// control ids IDOK and IDCANCEL, from Enter (the default button, else IDOK)
// and Escape or closing the window (IDCANCEL); OnDestroy when the window is
// destroyed, while the controls still exist.
#pragma once

#include "CWnd.h"

#include <functional>

class QelDialogWidget;

class CDialog : public CWnd {
public:
    explicit CDialog(unsigned int templateId, CWnd* parent = nullptr);
    virtual ~CDialog();

    // Runs the dialog modally: IDOK / IDCANCEL (or what EndDialog was given);
    // -1 if the template is not registered.
    virtual int DoModal();
    // Modeless (tests, embedding): the dialog stays until DestroyWindow or
    // this object's destruction (call DestroyWindow first for a derived
    // class's OnDestroy to run: the destructor reaches only CDialog's). A
    // template whose top-level widget is a plain QWidget is embedded in
    // `parent`; a QDialog template is a window of its own.
    bool Create(unsigned int templateId, CWnd* parent = nullptr);
    bool DestroyWindow() override;
    // Ends a modal run with `result` (a modeless dialog is hidden).
    void EndDialog(int result);

    virtual bool OnInitDialog();  // default: true
    virtual void OnOK();          // default: EndDialog(IDOK)
    virtual void OnCancel();      // default: EndDialog(IDCANCEL)
    virtual void OnDestroy();     // default: nothing
    // Dispatches IDOK and IDCANCEL clicks to OnOK and OnCancel.
    bool OnCmdMsg(unsigned int id, int code) override;

    unsigned int GetTemplateId() const { return m_templateId; }
    bool IsModal() const { return m_modal; }

    // For tests: a callback run once a modal dialog is up (from the dialog's
    // event loop), for every modal run while it is set; the test then clicks
    // and types with QTest and ends the dialog. An empty function removes it.
    static void SetModalHook(std::function<void(CDialog*)> hook);

private:
    friend class QelDialogWidget;

    bool AttachDialog(QWidget* templateWidget, QWidget* parentWidget, bool embed);
    void DestroyDialog();      // OnDestroy, then detach and delete the widget
    void WindowDestroying();   // the widget is being deleted by someone else
    void RouteButton(int id);  // an IDOK/IDCANCEL command from keys or the window
    void DialogDone(int result);  // the widget was ended, by EndDialog or directly
    void OnWidgetDestroyed() override;

    unsigned int m_templateId;
    CWnd* m_parent;
    QelDialogWidget* m_dialog = nullptr;
    bool m_modal = false;
    bool m_ended = false;
    bool m_destroyNotified = false;
    int m_result = IDCANCEL;
};
