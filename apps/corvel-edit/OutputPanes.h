// The workbench's output area: the console's default pane ("Output") and a
// tab for every other pane a script writes to; "Errors" is shown in red. A
// click on an error line ("NAME (line, column) : message", or a syntax
// error's "(line) : message") asks for that line of the script.
#pragma once

#include <QString>
#include <QTabWidget>

class QPlainTextEdit;

class OutputPanes : public QTabWidget {
    Q_OBJECT

public:
    explicit OutputPanes(QWidget* parent = nullptr);

    // `pane` null or empty: the default pane.
    void Append(const char* pane, const QString& text);
    // Empties every pane and closes all but the default one.
    void Clear();
    // The text of a pane; empty when there is no such pane.
    QString PaneText(const QString& pane) const;
    QPlainTextEdit* Pane(const QString& pane) const;
    void ShowPane(const QString& pane);

    // The line of the script an output line names, or 0.
    static int ErrorLine(const QString& line);

    static const char* const kDefaultPane;
    static const char* const kErrorPane;

signals:
    void LineActivated(int line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* MakePane(const QString& name);
};
