// QelNumberEditBox: the common part of the integer, float and time edit
// boxes: a value shown as text, an optional spin button and an optional
// slider created beside the box, all three kept in step.
//
// The value a set operation shows is kept exactly; reading the box answers
// that value until the user types, so showing a value rounded for display
// never changes it. Up and Down keys in the box step like the spin button.
#pragma once

#include "QelEditBox.h"

class QSlider;
class QValidator;
class QelSpinButton;

class QelNumberEditBox : public QelEditBox {
public:
    ~QelNumberEditBox() override;
    QelSpinButton* GetSpinButton() const { return m_spin; }
    QSlider* GetSlider() const { return m_slider; }
    // The value shown: the one set, or what the user typed when it reads as
    // a number. `valid` tells whether the box holds a definite number (not
    // while undecided, nor after typing something that is none); without
    // one the answer is the value last set.
    double GetNumber(bool* valid = nullptr) const;
    // Takes the text as typed by the user.
    bool SetUserText(const char* text) override;

protected:
    // Text of a value, and a value of a text (false when it is none).
    virtual QString Format(double value) const = 0;
    virtual bool Parse(const QString& text, double& value) const = 0;

    void MakeSpinButton(double min, double max, double step, bool wrap);
    // Slider position p stands for the value p * step.
    void MakeSlider(double min, double max, double step);
    // Shows a value outright or merged (see QelControl).
    void ShowNumber(double value, bool first);
    // From OnAttach: the box accepts only text matching `pattern`; its own
    // validator comes back on detach.
    void UseValidator(const QString& pattern);
    void OnTextEdited() override;
    bool PreTranslateMessage(QEvent* event) override;
    void OnDetach() override;

private:
    void Step(int direction);
    void SliderMoved(int position);
    void UserSets(double value);
    void PlaceSlider(double value);

    QelSpinButton* m_spin = nullptr;
    QSlider* m_slider = nullptr;
    double m_value = 0.0;  // the value set, exactly
protected:
    double GetSetNumber() const { return m_value; }
private:
    bool m_edited = false;  // the user typed since
    double m_spinMin = 0.0, m_spinMax = 0.0, m_spinStep = 1.0;
    bool m_wrap = false;
    double m_sliderStep = 1.0;
    int m_ownMinimumWidth = -1;  // the box's own, while a slider needs more
    bool m_validated = false;    // UseValidator put ours in place of...
    const QValidator* m_ownValidator = nullptr;  // ...the box's own
};
