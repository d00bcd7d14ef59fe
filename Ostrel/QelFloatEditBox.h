// QelFloatEditBox: an edit box for a decimal number, with a spin button and
// an optional slider created beside it. Numbers are shown in their shortest
// exact form ("1.5", "0.1") and read with a point as the decimal sign,
// whatever the user's locale.
#pragma once

#include "QelNumberEditBox.h"

class QelFloatEditBox : public QelNumberEditBox {
public:
    ~QelFloatEditBox() override;
    void CreateSpinButton(double min, double max, double step);
    void CreateSlider(double min, double max, double step);
    void SetValue(double value, bool first);
    double GetValue(bool* valid = nullptr) const { return GetNumber(valid); }
    // Values held in single precision are shown in the shortest form that
    // reads back as the same float ("0.1" rather than "0.10000000149011612").
    void SetSinglePrecision(bool single) { m_single = single; }

    // Reads a decimal number from the start of `text` (leading blanks
    // skipped), independent of the locale; false when there is none.
    static bool ReadNumber(const char* text, double& value);

protected:
    void OnAttach() override;
    QString Format(double value) const override;
    bool Parse(const QString& text, double& value) const override;

private:
    bool m_single = false;
};
