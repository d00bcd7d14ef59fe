// QelEditBox: a text edit box over a dialog's line edit (QLineEdit).
//
// Undecided look: the box is empty and shows "(several values)" in italics as
// its placeholder, on a faintly tinted background. Typing ends it.
#pragma once

#include "QelControl.h"

#include <QFont>
#include <QPalette>
#include <QString>

class QLineEdit;

class QelEditBox : public QelControl {
public:
    ~QelEditBox() override;
    // Shows `text`: outright when `first`, else merged with the text shown
    // (a different text makes the box undecided). With `selectAll` the text
    // is selected, ready to be typed over. Like the framework's edit
    // controls, the box reports every set text to its parent (EN_CHANGE),
    // changed or not.
    virtual void SetText(const char* text, bool first, bool selectAll);
    bool SetUserText(const char* text) override;

    // The placeholder shown while undecided.
    static const char* MultiSelectedText();

protected:
    bool Accepts(QWidget* widget) const override;
    void OnAttach() override;
    void OnDetach() override;
    void ShowMultiSelected(bool multiSelected) override;

    QLineEdit* GetEdit() const;
    // Puts text into the box as the program (not the user) does.
    void PutText(const QString& text);
    // The user typed; the default ends the undecided state.
    virtual void OnTextEdited();

    QString m_decidedText;  // the text of the first record while undecided

private:
    QString m_placeholder;
    QFont m_font;
    QPalette m_palette;
};
