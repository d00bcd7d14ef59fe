// QelWindowRegistry: which object of ours stands for which widget.
//
// Permanent objects are registered by the CWnd that takes a widget over;
// temporary wrappers are made on demand for widgets nobody took over and are
// owned here. Every widget the registry knows is watched: when it is
// destroyed its wrapper is freed and its permanent object detached, so no
// object is left pointing at a dead widget.
//
// The registry also "wires" controls: it connects a control's change
// signals once, for the control's lifetime, to the notification routing
// (CWnd::NotifyParent), so a dialog hears its controls whether or not an
// object of ours took them over.
#pragma once

#include <QHash>
#include <QSet>

class CWnd;
class QObject;
class QWidget;

class QelWindowRegistry {
public:
    static QelWindowRegistry& Get();

    CWnd* Permanent(QWidget* widget) const;
    CWnd* Temporary(QWidget* widget);  // makes the wrapper when there is none
    bool AddPermanent(QWidget* widget, CWnd* window);
    void RemovePermanent(QWidget* widget, CWnd* window);
    int TemporaryCount() const { return m_temporary.size(); }

    // Connects the control's change signals to NotifyParent, once per widget.
    // Widgets of kinds that send no notifications are left alone.
    void Wire(QWidget* widget);
    // Wires every widget below `root` that carries a control id.
    void WireChildren(QWidget* root);

    // Our own setters (CB_SETCURSEL, TBM_SETPOS, ...) do not notify, as the
    // framework's messages do not; user changes do.
    class Quiet {
    public:
        explicit Quiet(QObject* widget);
        ~Quiet();
    private:
        QObject* m_previous;
    };
    bool IsQuiet(QObject* widget) const { return widget == m_quiet; }

    int m_beepCount = 0;

private:
    QelWindowRegistry() = default;
    void Watch(QWidget* widget);
    void Forget(QObject* widget);
    void Route(QWidget* widget, int code);

    QHash<QObject*, CWnd*> m_permanent;
    QHash<QObject*, CWnd*> m_temporary;
    QSet<QObject*> m_watched;
    QSet<QObject*> m_wired;
    QObject* m_quiet = nullptr;
};
