// Tells the interpreter's key state about the Escape key: the abort check of
// a running script asks the platform whether Escape is down, and in a
// windowed host only the window's key events can say so.
#pragma once

#include <QObject>

class EscapeKeyFeed : public QObject {
public:
    // Watches every key event of the application.
    EscapeKeyFeed();
    ~EscapeKeyFeed() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
