#include "EscapeKeyFeed.h"

#include "PlatformKeyboard.h"

#include <QCoreApplication>
#include <QKeyEvent>

EscapeKeyFeed::EscapeKeyFeed() {
    QCoreApplication::instance()->installEventFilter(this);
}

EscapeKeyFeed::~EscapeKeyFeed() {
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
    PlatformSetKeyDown(PlatformKeyEscape, false);
}

bool EscapeKeyFeed::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && !key->isAutoRepeat())
            PlatformSetKeyDown(PlatformKeyEscape, event->type() == QEvent::KeyPress);
        break;
    }
    case QEvent::ApplicationDeactivate:
        // A key released in another window is never seen here.
        PlatformSetKeyDown(PlatformKeyEscape, false);
        break;
    default:
        break;
    }
    return false;
}
