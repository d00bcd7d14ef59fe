#include "QelWindowRegistry.h"

#include "CComboBox.h"
#include "CSliderCtrl.h"
#include "CWnd.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QVariant>
#include <QWidget>

QelWindowRegistry& QelWindowRegistry::Get() {
    // Never destroyed: widgets may outlive static destruction order, and
    // whatever is left at exit stays reachable.
    static QelWindowRegistry* registry = new QelWindowRegistry;
    return *registry;
}

CWnd* QelWindowRegistry::Temporary(QWidget* widget) {
    if (CWnd* existing = m_temporary.value(static_cast<QObject*>(widget), nullptr))
        return existing;
    // The wrapper's class follows the widget's kind, so a caller may treat
    // the wrapper of a combo box as a CComboBox, as framework code does.
    CWnd* wrapper;
    if (qobject_cast<QComboBox*>(widget))
        wrapper = new CComboBox;
    else if (qobject_cast<QAbstractSlider*>(widget))
        wrapper = new CSliderCtrl;
    else
        wrapper = new CWnd;
    wrapper->m_widget = widget;
    wrapper->m_permanent = false;
    m_temporary.insert(widget, wrapper);
    Watch(widget);
    return wrapper;
}

bool QelWindowRegistry::AddPermanent(QWidget* widget, CWnd* window) {
    if (m_permanent.contains(widget))
        return false;
    m_permanent.insert(widget, window);
    Watch(widget);
    return true;
}

void QelWindowRegistry::RemovePermanent(QWidget* widget, CWnd* window) {
    auto it = m_permanent.find(widget);
    if (it != m_permanent.end() && it.value() == window)
        m_permanent.erase(it);
}

void QelWindowRegistry::Watch(QWidget* widget) {
    if (m_watched.contains(widget))
        return;
    m_watched.insert(widget);
    // No context object: the connection lives exactly as long as the widget.
    QObject::connect(widget, &QObject::destroyed, [this](QObject* object) { Forget(object); });
}

void QelWindowRegistry::Forget(QObject* widget) {
    // The widget is going: its QWidget part may already be gone, so it is
    // used only as a key from here on.
    m_watched.remove(widget);
    m_wired.remove(widget);
    if (CWnd* permanent = m_permanent.value(widget, nullptr))
        permanent->OnWidgetDestroyed();
    m_permanent.remove(widget);
    if (CWnd* wrapper = m_temporary.take(widget)) {
        wrapper->m_widget = nullptr;
        delete wrapper;
    }
    if (m_quiet == widget)
        m_quiet = nullptr;
}

void QelWindowRegistry::Route(QWidget* widget, int code) {
    if (IsQuiet(widget))
        return;
    if (CWnd* window = CWnd::FromWidget(widget))
        window->NotifyParent(code);
}

void QelWindowRegistry::Wire(QWidget* widget) {
    if (!widget || m_wired.contains(widget))
        return;
    auto route = [this, widget](int code) { return [this, widget, code]() { Route(widget, code); }; };
    // Checkable group boxes are buttons too; other groups and labels send nothing.
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        QObject::connect(group, &QGroupBox::clicked, widget, route(BN_CLICKED));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        // clicked comes after the new check state is set, so the parent
        // sees the state the click produced.
        QObject::connect(button, &QAbstractButton::clicked, widget, route(BN_CLICKED));
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QObject::connect(edit, &QLineEdit::textChanged, widget, route(EN_CHANGE));
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), widget, route(CBN_SELCHANGE));
        // Only the user's typing: picking an item or setting the text resets
        // the edit's modified flag. Works for combos made editable later too.
        QObject::connect(combo, &QComboBox::editTextChanged, widget, [this, combo]() {
            if (combo->lineEdit() && combo->lineEdit()->isModified())
                Route(combo, CBN_EDITCHANGE);
        });
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) {
        QObject::connect(slider, &QAbstractSlider::valueChanged, widget, route(TRBN_THUMBPOSCHANGING));
    } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
        QObject::connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), widget, route(UDN_DELTAPOS));
    } else if (auto* doubleSpin = qobject_cast<QDoubleSpinBox*>(widget)) {
        QObject::connect(doubleSpin, QOverload<double>::of(&QDoubleSpinBox::valueChanged), widget,
                         route(UDN_DELTAPOS));
    } else {
        return;
    }
    m_wired.insert(widget);
    Watch(widget);
}

void QelWindowRegistry::WireChildren(QWidget* root) {
    if (!root)
        return;
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (child->property("controlId").isValid())
            Wire(child);
    }
}

QelWindowRegistry::Quiet::Quiet(QObject* widget) : m_previous(Get().m_quiet) {
    Get().m_quiet = widget;
}

QelWindowRegistry::Quiet::~Quiet() {
    Get().m_quiet = m_previous;
}

CWnd* QelWindowRegistry::Permanent(QWidget* widget) const {
    return m_permanent.value(widget, nullptr);
}
