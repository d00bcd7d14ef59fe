// QelWindowHook: the event filter through which an object of ours sees the
// input of the widget it took over, before the widget does.
#pragma once

#include <QObject>

class CWnd;
class QWidget;

class QelWindowHook : public QObject {
public:
    QelWindowHook(CWnd* window, QWidget* widget);
    ~QelWindowHook() override;
    void Release();  // stops filtering (the widget is given back)
    void Forget() { m_widget = nullptr; }  // the widget is being destroyed

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CWnd* m_window;
    QWidget* m_widget;
};
