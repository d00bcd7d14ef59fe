// QelDialogWidget: the QDialog that dialog templates are made as. While a
// CDialog owns it, the keys and window actions that end a dialog become the
// framework's commands: Enter clicks the default button (or sends IDOK),
// Escape and closing the window send IDCANCEL, and destroying the widget
// tells the owner while the controls still exist.
#pragma once

#include <QDialog>

class CDialog;

class QelDialogWidget : public QDialog {
public:
    explicit QelDialogWidget(QWidget* parent = nullptr);
    ~QelDialogWidget() override;

    void SetOwner(CDialog* owner) { m_owner = owner; }
    CDialog* GetOwner() const { return m_owner; }
    // The template's top-level widget was a plain QWidget (it may be
    // embedded in another window).
    bool IsFromPlainWidget() const { return m_fromPlainWidget; }
    void SetFromPlainWidget(bool plain) { m_fromPlainWidget = plain; }

    void accept() override;
    void reject() override;
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CDialog* m_owner = nullptr;
    bool m_fromPlainWidget = false;
};
