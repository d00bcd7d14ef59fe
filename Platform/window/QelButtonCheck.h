// QelButtonCheck: sets a button's check state the way the framework does,
// where a program may uncheck every button of a radio group.
#pragma once

class QAbstractButton;

class QelButtonCheck {
public:
    // Unchecking lifts the exclusivity of the button and its group for the
    // moment; Qt's own would keep one radio button checked.
    static void Set(QAbstractButton* button, bool checked);
};
