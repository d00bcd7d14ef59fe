// QelIntegerEditBox: an edit box for a whole number, with a spin button and
// an optional slider created beside it. The box accepts an optional sign and
// digits; values outside the spin range may be typed (the spin button and
// slider keep to their ranges).
#pragma once

#include "QelNumberEditBox.h"

class QelIntegerEditBox : public QelNumberEditBox {
public:
    ~QelIntegerEditBox() override;
    // The spin button steps by 1 within min ... max; with `wrap` stepping
    // past one end continues at the other.
    void CreateSpinButton(int min, int max, bool wrap);
    void CreateSlider(int min, int max);
    void SetValue(int value, bool first);
    // The value shown (see GetNumber).
    int GetValue(bool* valid = nullptr) const;

protected:
    void OnAttach() override;
    QString Format(double value) const override;
    bool Parse(const QString& text, double& value) const override;
};
