#include "CWnd.h"

#include "CComboBox.h"
#include "CSliderCtrl.h"
#include "QelButtonCheck.h"
#include "QelWindowHook.h"
#include "QelWindowRegistry.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVariant>
#include <QWidget>

#include <cctype>
#include <string>

namespace {

QelWindowRegistry& Registry() {
    return QelWindowRegistry::Get();
}

unsigned int ControlIdOf(const QWidget* widget) {
    bool ok = false;
    unsigned int id = widget->property("controlId").toUInt(&ok);
    return ok ? id : 0;
}

QWidget* FindControl(const QWidget* root, unsigned int id) {
    if (!root)
        return nullptr;
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (ControlIdOf(child) == id && child->property("controlId").isValid())
            return child;
    }
    return nullptr;
}

QString TextOf(const QWidget* widget) {
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* rich = qobject_cast<const QTextEdit*>(widget))
        return rich->toPlainText();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
        return plain->toPlainText();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(widget))
        return spin->text();
    return widget->windowTitle();
}

void SetTextOf(QWidget* widget, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // A drop-down list has no text of its own to set.
        if (combo->isEditable())
            combo->setEditText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
        rich->setPlainText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (qobject_cast<QAbstractSpinBox*>(widget)) {
        if (auto* spinEdit = widget->findChild<QLineEdit*>())
            spinEdit->setText(text);
    } else {
        widget->setWindowTitle(text);
    }
}

// Reads a whole number as the framework does: leading blanks, an optional
// sign, decimal digits up to the first other character. False when there is
// no digit, a minus on an unsigned read, or the value does not fit.
bool ParseDialogInt(const std::string& text, bool isSigned, unsigned int& value) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (negative && !isSigned)
        return false;
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i])))
        return false;
    const unsigned long long limit = !isSigned ? 0xFFFFFFFFULL : negative ? 0x80000000ULL : 0x7FFFFFFFULL;
    unsigned long long magnitude = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        magnitude = magnitude * 10 + static_cast<unsigned>(text[i] - '0');
        if (magnitude > limit)
            return false;
    }
    value = negative ? static_cast<unsigned int>(0ULL - magnitude) : static_cast<unsigned int>(magnitude);
    return true;
}

}  // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (!m_widget)
        return;
    bool owned = m_owned;
    QWidget* widget = Detach();
    if (owned)
        delete widget;
}

CWnd* CWnd::FromWidget(QWidget* widget) {
    if (!widget)
        return nullptr;
    if (CWnd* permanent = Registry().Permanent(widget))
        return permanent;
    return Registry().Temporary(widget);
}

CWnd* CWnd::FromWidgetPermanent(QWidget* widget) {
    return widget ? Registry().Permanent(widget) : nullptr;
}

bool CWnd::Attach(QWidget* widget, bool owned) {
    if (m_widget || !widget || !m_permanent || !Registry().AddPermanent(widget, this))
        return false;
    m_widget = widget;
    m_owned = owned;
    m_hook = std::make_unique<QelWindowHook>(this, widget);
    Registry().Wire(widget);
    return true;
}

QWidget* CWnd::Detach() {
    QWidget* widget = m_widget;
    if (!widget)
        return nullptr;
    m_hook.reset();  // removes the event filter
    if (m_permanent)
        Registry().RemovePermanent(widget, this);
    m_widget = nullptr;
    m_owned = false;
    return widget;
}

void CWnd::OnWidgetDestroyed() {
    // The widget is mid-destruction: forget it without touching it.
    if (m_hook)
        m_hook->Forget();
    m_hook.reset();
    m_widget = nullptr;
    m_owned = false;
}

bool CWnd::SubclassWindow(QWidget* widget) {
    if (m_widget || !widget || !m_permanent || !Registry().AddPermanent(widget, this))
        return false;
    m_widget = widget;
    m_owned = false;
    PreSubclassWindow();
    if (m_widget != widget)  // PreSubclassWindow gave it up again
        return false;
    m_hook = std::make_unique<QelWindowHook>(this, widget);
    Registry().Wire(widget);
    return true;
}

bool CWnd::SubclassDlgItem(unsigned int id, CWnd* parent) {
    return parent && SubclassWindow(FindControl(parent->GetWidget(), id));
}

QWidget* CWnd::UnsubclassWindow() {
    // The signal wiring stays with the widget: without an object of ours a
    // control still tells its dialog, exactly as before it was taken over.
    return Detach();
}

void CWnd::PreSubclassWindow() {}

bool CWnd::CreateControl(QWidget* widget, unsigned long style, const CRect& rect, CWnd* parent, unsigned int id) {
    if (!widget)
        return false;
    if (m_widget || !m_permanent) {
        delete widget;
        return false;
    }
    if (parent && parent->GetWidget())
        widget->setParent(parent->GetWidget());
    if (id != 0)
        widget->setProperty("controlId", id);
    if (!rect.IsRectEmpty())
        widget->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    if (style & WS_DISABLED)
        widget->setEnabled(false);
    if (!Attach(widget, true)) {
        delete widget;
        return false;
    }
    widget->setVisible((style & WS_VISIBLE) != 0);
    return true;
}

bool CWnd::DestroyWindow() {
    if (!m_widget)
        return false;
    bool owned = m_owned;
    QWidget* widget = Detach();
    if (owned)
        delete widget;
    return true;
}

CWnd* CWnd::GetDlgItem(unsigned int id) const {
    return FromWidget(FindControl(m_widget, id));
}

unsigned int CWnd::GetDlgCtrlID() const {
    return m_widget ? ControlIdOf(m_widget) : 0;
}

void CWnd::SetDlgCtrlID(unsigned int id) {
    if (m_widget)
        m_widget->setProperty("controlId", id);
}

CWnd* CWnd::GetParent() const {
    if (!m_widget)
        return nullptr;
    for (QWidget* ancestor = m_widget->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        // Group boxes frame controls; the framework's controls sit beside
        // them, so their notifications go past the group to the dialog.
        CWnd* permanent = Registry().Permanent(ancestor);
        if (permanent && !qobject_cast<QGroupBox*>(ancestor))
            return permanent;
        if (ancestor->isWindow())
            return FromWidget(ancestor);
    }
    return nullptr;
}

bool CWnd::EnableWindow(bool enable) {
    if (!m_widget)
        return false;
    bool wasDisabled = !IsWindowEnabled();
    m_widget->setEnabled(enable);
    return wasDisabled;
}

bool CWnd::IsWindowEnabled() const {
    return m_widget && !m_widget->testAttribute(Qt::WA_ForceDisabled);
}

bool CWnd::ShowWindow(int showCommand) {
    if (!m_widget)
        return false;
    QWidget* parent = m_widget->parentWidget();
    bool wasVisible = parent && !m_widget->isWindow() ? m_widget->isVisibleTo(parent) : m_widget->isVisible();
    m_widget->setVisible(showCommand != SW_HIDE);
    return wasVisible;
}

bool CWnd::IsWindowVisible() const {
    return m_widget && m_widget->isVisible();
}

void CWnd::SetWindowText(const char* text) {
    if (m_widget)
        SetTextOf(m_widget, QString::fromUtf8(text ? text : ""));
}

void CWnd::GetWindowText(QelString& text) const {
    if (!m_widget) {
        text.Empty();
        return;
    }
    QByteArray bytes = TextOf(m_widget).toUtf8();
    text.SetString(bytes.constData(), static_cast<int>(bytes.size()));
}

int CWnd::GetWindowTextLength() const {
    return m_widget ? static_cast<int>(TextOf(m_widget).toUtf8().size()) : 0;
}

void CWnd::GetWindowRect(CRect& rect) const {
    if (!m_widget) {
        rect = CRect();
        return;
    }
    QRect frame = m_widget->isWindow() ? m_widget->frameGeometry()
                                       : QRect(m_widget->mapToGlobal(QPoint(0, 0)), m_widget->size());
    rect = CRect(frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height());
}

void CWnd::GetClientRect(CRect& rect) const {
    rect = m_widget ? CRect(0, 0, m_widget->width(), m_widget->height()) : CRect();
}

void CWnd::MoveWindow(const CRect& rect, bool repaint) {
    if (!m_widget)
        return;
    m_widget->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    if (repaint)
        m_widget->update();
}

void CWnd::ScreenToClient(CPoint& point) const {
    if (!m_widget)
        return;
    QPoint local = m_widget->mapFromGlobal(QPoint(point.x, point.y));
    point = CPoint(local.x(), local.y());
}

void CWnd::ClientToScreen(CPoint& point) const {
    if (!m_widget)
        return;
    QPoint global = m_widget->mapToGlobal(QPoint(point.x, point.y));
    point = CPoint(global.x(), global.y());
}

void CWnd::Invalidate() {
    if (m_widget)
        m_widget->update();
}

CWnd* CWnd::SetFocus() {
    QWidget* previous = QApplication::focusWidget();
    if (m_widget)
        m_widget->setFocus(Qt::OtherFocusReason);
    return FromWidget(previous);
}

CWnd* CWnd::GetFocus() {
    return FromWidget(QApplication::focusWidget());
}

unsigned int CWnd::IsDlgButtonChecked(unsigned int id) const {
    QWidget* control = FindControl(m_widget, id);
    if (auto* check = qobject_cast<QCheckBox*>(control)) {
        switch (check->checkState()) {
        case Qt::PartiallyChecked: return BST_INDETERMINATE;
        case Qt::Checked: return BST_CHECKED;
        default: return BST_UNCHECKED;
        }
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return group->isCheckable() && group->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    return BST_UNCHECKED;
}

void CWnd::CheckDlgButton(unsigned int id, unsigned int check) {
    QWidget* control = FindControl(m_widget, id);
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        // The indeterminate state exists only on three-state check boxes;
        // elsewhere any non-zero state checks.
        if (check == BST_INDETERMINATE && box->isTristate())
            box->setCheckState(Qt::PartiallyChecked);
        else
            box->setCheckState(check != BST_UNCHECKED ? Qt::Checked : Qt::Unchecked);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QelButtonCheck::Set(button, check != BST_UNCHECKED);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setChecked(check != BST_UNCHECKED);
    }
}

unsigned int CWnd::GetDlgItemInt(unsigned int id, bool* translated, bool isSigned) const {
    if (translated)
        *translated = false;
    QWidget* control = FindControl(m_widget, id);
    if (!control)
        return 0;
    unsigned int value = 0;
    if (!ParseDialogInt(TextOf(control).toStdString(), isSigned, value))
        return 0;
    if (translated)
        *translated = true;
    return value;
}

void CWnd::SetDlgItemInt(unsigned int id, unsigned int value, bool isSigned) {
    if (QWidget* control = FindControl(m_widget, id))
        SetTextOf(control, isSigned ? QString::number(static_cast<int>(value)) : QString::number(value));
}

void CWnd::GetDlgItemText(unsigned int id, QelString& text) const {
    if (CWnd* control = GetDlgItem(id))
        control->GetWindowText(text);
    else
        text.Empty();
}

void CWnd::SetDlgItemText(unsigned int id, const char* text) {
    if (QWidget* control = FindControl(m_widget, id))
        SetTextOf(control, QString::fromUtf8(text ? text : ""));
}

long CWnd::SendMessage(unsigned int message, unsigned long wParam, long lParam) {
    if (auto* combo = qobject_cast<QComboBox*>(m_widget))
        return CComboBox::HandleMessage(combo, message, wParam, lParam);
    if (auto* slider = qobject_cast<QAbstractSlider*>(m_widget))
        return CSliderCtrl::HandleMessage(slider, message, wParam, lParam);
    return 0;
}

long CWnd::SendDlgItemMessage(unsigned int id, unsigned int message, unsigned long wParam, long lParam) {
    CWnd* control = GetDlgItem(id);
    return control ? control->SendMessage(message, wParam, lParam) : 0;
}

void CWnd::MessageBeep(int) {
    if (qApp)
        QApplication::beep();
    ++Registry().m_beepCount;
}

int CWnd::GetBeepCount() {
    return Registry().m_beepCount;
}

bool CWnd::OnCommand(unsigned int id, int code) {
    return OnCmdMsg(id, code);
}

bool CWnd::OnCmdMsg(unsigned int, int) {
    return false;
}

bool CWnd::OnNotify(unsigned int, int) {
    return false;
}

bool CWnd::OnChildNotify(int) {
    return false;
}

void CWnd::NotifyParent(int code) {
    if (!m_widget || OnChildNotify(code))
        return;
    // Read everything before calling out: the handler may destroy this
    // control (and so a temporary wrapper) on the way.
    unsigned int id = GetDlgCtrlID();
    CWnd* parent = GetParent();
    if (!parent)
        return;
    if (code < 0)
        parent->OnNotify(id, code);
    else
        parent->OnCommand(id, code);
}

bool CWnd::PreTranslateMessage(QEvent*) {
    return false;
}

void CWnd::OnContextMenu(CWnd* window, CPoint screenPoint) {
    if (CWnd* parent = GetParent())
        parent->OnContextMenu(window, screenPoint);
}

int CWnd::GetTemporaryCount() {
    return Registry().TemporaryCount();
}
