// QelControl: the base of the Ostrel controls. Each one attaches to an
// existing control of a dialog template (SubclassWindow) and gives it back
// with Release, which also removes whatever it created beside the control.
//
// Every control can show several records at once. Its set operations take a
// `first` flag: with first true the value is shown outright and the control
// is decided; with first false the value is merged: a value that differs from
// the shown one makes the control undecided (multi-selected), which it shows
// visibly, and an equal value changes nothing. The undecided state ends when
// the user sets a value (types, clicks, steps, picks) or a later set with
// first true.
#pragma once

#include "CWnd.h"

#include <QList>
#include <QMetaObject>
#include <QObject>

class QelControlRow;

class QelControl : public CWnd {
public:
    QelControl();
    ~QelControl() override;

    // Takes over `widget` when it is of the kind this control works on.
    bool SubclassWindow(QWidget* widget) override;
    // Removes the companions, restores the widget's own look and gives the
    // widget back; the widget itself is never deleted. Each control class
    // releases in its own destructor too, while all of it still exists.
    QWidget* Release();

    bool IsMultiSelected() const { return m_multiSelected; }

    // Takes `text` as if the user had entered it (a browse button filling its
    // target): the control becomes decided. False for controls without text.
    virtual bool SetUserText(const char* text);

protected:
    // The kind of widget this control works on.
    virtual bool Accepts(QWidget* widget) const;
    // After taking the widget over / before giving it back.
    virtual void OnAttach();
    virtual void OnDetach();
    // Shows or ends the undecided look.
    virtual void ShowMultiSelected(bool multiSelected);
    void OnWidgetDestroyed() override;

    void SetMultiSelected(bool multiSelected);
    // The merge rule above for one value: with `first` the value becomes
    // `decided`, the control decided, and `show` puts it on screen; else a
    // value that differs from `decided` makes the control undecided.
    template <class T, class Show>
    void MergeValue(T& decided, const T& value, bool first, Show show)
    {
        if (first) {
            decided = value;
            SetMultiSelected(false);
            show();
        } else if (!IsMultiSelected() && value != decided) {
            SetMultiSelected(true);
        }
    }
    // The user set a value: the control is decided from now on.
    void UserChanged() { SetMultiSelected(false); }

    // Connections to the widget's (or a companion's) signals, dropped on
    // release: `slot` runs only for changes made while the control is not
    // being set by the program (see Updating).
    template <class Sender, class Signal, class Slot>
    void Connect(Sender* sender, Signal signal, Slot slot)
    {
        m_connections.append(QObject::connect(sender, signal, sender, [this, slot](auto&&... args) {
            if (m_updating == 0)
                slot(args...);
        }));
    }

    // Marks the program's own changes, so they are not taken as the user's.
    class Updating {
    public:
        explicit Updating(QelControl* control) : m_control(control) { ++m_control->m_updating; }
        ~Updating() { --m_control->m_updating; }
        Updating(const Updating&) = delete;
        Updating& operator=(const Updating&) = delete;
    private:
        QelControl* m_control;
    };
    bool IsUpdating() const { return m_updating != 0; }

    // The row beside the control, made on first use.
    QelControlRow* GetRow();
    bool HasRow() const { return m_row != nullptr; }

private:
    void Disconnect();

    QelControlRow* m_row = nullptr;
    QList<QMetaObject::Connection> m_connections;
    bool m_multiSelected = false;
    int m_updating = 0;
};
