// The line numbers beside the workbench's editor, the caret's line in
// darker figures. Error lines name script lines; these make them easy to find.
#pragma once

#include <QWidget>

class CorvelEditControl;

class LineNumbers : public QWidget {
public:
    LineNumbers(CorvelEditControl& editor, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CorvelEditControl& m_editor;
};
