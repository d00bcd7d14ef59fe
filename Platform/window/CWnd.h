// CWnd: a window object of ours over a Qt widget.
//
// A CWnd is either permanent (it created its widget, or it "subclasses" an
// existing widget: it takes the widget over until UnsubclassWindow gives it
// back), or temporary: GetDlgItem and FromWidget on a widget that no object
// has taken over return a wrapper owned by the layer, freed when its widget
// is destroyed.
#pragma once

#include "QelString.h"
#include "QelWindowTypes.h"

#include <memory>

class QEvent;
class QWidget;
class QelWindowHook;

class CWnd {
public:
    CWnd();
    // Detaches; deletes the widget only when this object created it.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    QWidget* GetWidget() const { return m_widget; }  // null when not attached
    // The permanent object of a widget, else a temporary wrapper; null for null.
    static CWnd* FromWidget(QWidget* widget);
    // The permanent object of a widget, or null (never makes a wrapper).
    static CWnd* FromWidgetPermanent(QWidget* widget);
    bool IsPermanent() const { return m_permanent; }

    // Taking over an existing control, and giving it back. SubclassWindow
    // fails on null and on a widget that another object already took over.
    virtual bool SubclassWindow(QWidget* widget);
    bool SubclassDlgItem(unsigned int id, CWnd* parent);
    QWidget* UnsubclassWindow();
    // Called by SubclassWindow once GetWidget() is set, before the object
    // starts seeing the widget's events.
    virtual void PreSubclassWindow();

    // Makes a new widget ours: places it under `parent` (null: a top-level
    // window) with the control id, gives it `rect` unless that is empty and
    // shows it when `style` has WS_VISIBLE. The object owns the widget from
    // then on. Fails (and deletes the widget) when this object is attached.
    bool CreateControl(QWidget* widget, unsigned long style, const CRect& rect, CWnd* parent, unsigned int id);
    // Destroys a widget this object created; detaches from a subclassed one.
    virtual bool DestroyWindow();

    // Children by control id: the widget whose dynamic property "controlId"
    // (an unsigned int) equals id, anywhere below this window; null if none.
    CWnd* GetDlgItem(unsigned int id) const;
    unsigned int GetDlgCtrlID() const;  // 0 when none
    void SetDlgCtrlID(unsigned int id);
    // The nearest ancestor that an object of ours took over (group boxes are
    // passed over: they only frame controls), else the top-level window.
    // For a dialog's controls this is the dialog.
    CWnd* GetParent() const;

    bool EnableWindow(bool enable = true);  // returns whether it was disabled before
    bool IsWindowEnabled() const;           // the window's own state, whatever its ancestors
    bool ShowWindow(int showCommand);       // SW_HIDE / SW_SHOW; returns previous own visibility
    bool IsWindowVisible() const;           // visible on screen: it and all its ancestors shown

    // Window text: label/button text, line-edit text, editable combo text
    // (the selected item's text for a drop-down list), text-edit plain text
    // (with "\n" line breaks), group-box title, window title. UTF-8 bytes.
    void SetWindowText(const char* text);
    void GetWindowText(QelString& text) const;
    int GetWindowTextLength() const;

    // Geometry: the window rectangle in screen coordinates, the client
    // rectangle (origin 0,0), and moving within the parent.
    void GetWindowRect(CRect& rect) const;
    void GetClientRect(CRect& rect) const;
    void MoveWindow(const CRect& rect, bool repaint = true);
    void ScreenToClient(CPoint& point) const;
    void ClientToScreen(CPoint& point) const;
    void Invalidate();

    CWnd* SetFocus();  // returns the window that had the focus (may be null)
    static CWnd* GetFocus();

    // Dialog-item helpers (on the parent, by child id).
    unsigned int IsDlgButtonChecked(unsigned int id) const;  // BST_*; 0 when no such button
    void CheckDlgButton(unsigned int id, unsigned int check);
    unsigned int GetDlgItemInt(unsigned int id, bool* translated = nullptr, bool isSigned = true) const;
    void SetDlgItemInt(unsigned int id, unsigned int value, bool isSigned = true);
    void GetDlgItemText(unsigned int id, QelString& text) const;
    void SetDlgItemText(unsigned int id, const char* text);
    // CB_* on combo boxes, TBM_* on sliders; 0 otherwise. Text arguments
    // (CB_ADDSTRING, CB_SELECTSTRING, ...) are `const char*` passed in lParam.
    long SendMessage(unsigned int message, unsigned long wParam = 0, long lParam = 0);
    long SendDlgItemMessage(unsigned int id, unsigned int message, unsigned long wParam = 0, long lParam = 0);

    static void MessageBeep(int type = -1);  // QApplication::beep, and counted for tests
    static int GetBeepCount();

    // Notification routing. A control's change or click reaches its
    // parent's OnCommand(id, code) (and so OnCmdMsg); codes below zero
    // (slider moves, spin steps) reach OnNotify(id, code). A control object
    // of ours sees its own notifications first through OnChildNotify (the
    // "reflected" message): returning true stops the parent from being told.
    virtual bool OnCommand(unsigned int id, int code);  // default: OnCmdMsg(id, code)
    virtual bool OnCmdMsg(unsigned int id, int code);   // default: false
    virtual bool OnNotify(unsigned int id, int code);   // default: false
    virtual bool OnChildNotify(int code);               // default: false
    // What a control calls to send a notification (reflection first).
    void NotifyParent(int code);

    // Key presses seen by an object that took over a widget, before the
    // widget handles them: return true to consume the event.
    virtual bool PreTranslateMessage(QEvent* event);
    // Right button released, or the keyboard's context-menu key, on a widget
    // an object of ours took over. The default forwards to the parent's
    // OnContextMenu with the same arguments. (Scroll areas such as QTextEdit
    // receive the mouse in their viewport: a class over one watches that
    // itself, as CRichEditCtrl does.)
    virtual void OnContextMenu(CWnd* window, CPoint screenPoint);

    // For tests: how many temporary wrappers exist right now.
    static int GetTemporaryCount();

protected:
    // Attaches to `widget` as its permanent object; `owned`: the widget was
    // created by us and is deleted with the object.
    bool Attach(QWidget* widget, bool owned);
    QWidget* Detach();
    // Called when the widget goes away while attached, before detaching.
    virtual void OnWidgetDestroyed();

private:
    friend class QelWindowHook;
    friend class QelWindowRegistry;

    QWidget* m_widget = nullptr;
    bool m_permanent = true;  // false for the layer's temporary wrappers
    bool m_owned = false;     // the widget was created by this object
    std::unique_ptr<QelWindowHook> m_hook;
};
