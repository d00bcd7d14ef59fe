// QelTimeEditBox: an edit box for a time held in milliseconds, with a spin
// button and an optional slider created beside it.
//
// SetTimeMode(mode, unit, digits) chooses the display:
//   mode 2 (Milliseconds)    whole milliseconds:           "1250 ms"
//   mode 3 (Seconds)         seconds with `digits` decimals: "1.25 s"
//   mode 6 (MinutesSeconds)  minutes and seconds, with `digits` decimals
//                            on the seconds:              "1:05", "0:01.50"
// `unit` is how many steps a second is divided into (1000: milliseconds,
// 100: hundredths); typed times are rounded to that resolution. `digits` is
// the number of decimals shown. A spin step is one unit in mode 2 and one
// last shown digit in modes 3 and 6 (a whole second with no decimals).
//
// Any mode reads "1250 ms", "1.25 s" and "1:05.5"; a bare number is taken in
// the mode's own measure (milliseconds in mode 2, seconds otherwise). The
// time set is kept exactly: a display rounded to whole seconds never changes
// the milliseconds read back unless the user types.
#pragma once

#include "QelNumberEditBox.h"

class QelTimeEditBox : public QelNumberEditBox {
public:
    enum TimeMode { Milliseconds = 2, Seconds = 3, MinutesSeconds = 6 };

    void CreateSpinButton(int min, int max);
    void CreateSlider(int min, int max);
    // Unknown modes show seconds; a unit below 1 is taken as 1000.
    void SetTimeMode(int mode, int unit, int digits);
    void SetMilliseconds(int milliseconds, bool first);
    int GetMilliseconds() const;

    int GetMode() const { return m_mode; }
    int GetUnit() const { return m_unit; }
    int GetDigits() const { return m_digits; }
    // Spin step in milliseconds for the current mode.
    int GetStep() const;

protected:
    QString Format(double value) const override;
    bool Parse(const QString& text, double& value) const override;

private:
    void Rebuild();

    int m_mode = Seconds;
    int m_unit = 1000;
    int m_digits = 0;
    int m_spinMin = 0, m_spinMax = 0;
    int m_sliderMin = 0, m_sliderMax = 0;
    bool m_hasSpin = false, m_hasSlider = false;
};
