// CSliderCtrl: typed access to a slider (any QAbstractSlider).
#pragma once

#include "CWnd.h"

class QAbstractSlider;

class CSliderCtrl : public CWnd {
public:
    void SetRange(int min, int max, bool redraw = false);
    void SetRangeMin(int min, bool redraw = false);
    void SetRangeMax(int max, bool redraw = false);
    int GetRangeMin() const;
    int GetRangeMax() const;
    void GetRange(int& min, int& max) const;
    void SetPos(int pos);  // clamped to the range; the parent is not notified
    int GetPos() const;

    // The messages behind the methods, for any slider widget.
    static long HandleMessage(QAbstractSlider* slider, unsigned int message, unsigned long wParam, long lParam);
};
