#include "QelWindowHook.h"

#include "CWnd.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QWidget>

QelWindowHook::QelWindowHook(CWnd* window, QWidget* widget) : m_window(window), m_widget(widget) {
    m_widget->installEventFilter(this);
}

QelWindowHook::~QelWindowHook() {
    Release();
}

void QelWindowHook::Release() {
    if (m_widget)
        m_widget->removeEventFilter(this);
    m_widget = nullptr;
}

bool QelWindowHook::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_widget)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return m_window->PreTranslateMessage(event);
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            return false;
        QPoint global = mouse->globalPosition().toPoint();
        m_window->OnContextMenu(m_window, CPoint(global.x(), global.y()));
        return true;
    }
    case QEvent::ContextMenu: {
        // A mouse-made context menu is answered on the button's release
        // above; the keyboard's menu key is answered here.
        auto* menu = static_cast<QContextMenuEvent*>(event);
        if (menu->reason() == QContextMenuEvent::Keyboard) {
            QPoint global = menu->globalPos();
            m_window->OnContextMenu(m_window, CPoint(global.x(), global.y()));
        }
        return true;
    }
    default:
        return false;
    }
}
