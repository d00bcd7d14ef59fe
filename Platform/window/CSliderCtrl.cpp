#include "CSliderCtrl.h"

#include "QelWindowRegistry.h"

#include <QAbstractSlider>

long CSliderCtrl::HandleMessage(QAbstractSlider* slider, unsigned int message, unsigned long, long lParam) {
    if (!slider)
        return 0;
    // Our own changes do not notify the parent, as the framework's messages do not.
    QelWindowRegistry::Quiet quiet(slider);
    int value = static_cast<int>(lParam);
    switch (message) {
    case TBM_GETPOS:
        return slider->value();
    case TBM_GETRANGEMIN:
        return slider->minimum();
    case TBM_GETRANGEMAX:
        return slider->maximum();
    case TBM_SETPOS:
        slider->setValue(value);  // clamped to the range
        return 0;
    case TBM_SETRANGE:
        // Two unsigned 16-bit halves, as the framework packs them.
        slider->setRange(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case TBM_SETRANGEMIN:
        slider->setMinimum(value);
        return 0;
    case TBM_SETRANGEMAX:
        slider->setMaximum(value);
        return 0;
    default:
        return 0;
    }
}

void CSliderCtrl::SetRange(int min, int max, bool redraw) {
    SetRangeMin(min, false);
    SetRangeMax(max, redraw);
}

void CSliderCtrl::SetRangeMin(int min, bool redraw) {
    SendMessage(TBM_SETRANGEMIN, redraw, min);
}

void CSliderCtrl::SetRangeMax(int max, bool redraw) {
    SendMessage(TBM_SETRANGEMAX, redraw, max);
}

int CSliderCtrl::GetRangeMin() const {
    return static_cast<int>(HandleMessage(qobject_cast<QAbstractSlider*>(GetWidget()), TBM_GETRANGEMIN, 0, 0));
}

int CSliderCtrl::GetRangeMax() const {
    return static_cast<int>(HandleMessage(qobject_cast<QAbstractSlider*>(GetWidget()), TBM_GETRANGEMAX, 0, 0));
}

void CSliderCtrl::GetRange(int& min, int& max) const {
    min = GetRangeMin();
    max = GetRangeMax();
}

void CSliderCtrl::SetPos(int pos) {
    SendMessage(TBM_SETPOS, true, pos);
}

int CSliderCtrl::GetPos() const {
    return static_cast<int>(HandleMessage(qobject_cast<QAbstractSlider*>(GetWidget()), TBM_GETPOS, 0, 0));
}
