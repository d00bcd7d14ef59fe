// VpdAngle: an angle in degrees on a dial with its degree box (a compass
// dial: style 27 of QelAngleControl).
#pragma once

#include "QelAngleControl.h"
#include "VpdControlEntry.h"

class VpdAngle : public VpdControlEntry {
public:
    // The style the dial is made with: degree box, notches, 0 up, clockwise.
    static constexpr unsigned int DialStyle = 27;

    // `extra`: the angle's snap in degrees (see QelAngleControl).
    VpdAngle(unsigned int id, VpdVarEntry* var, VpdValEntry* inactiveValue, QelAngleControl::Modes mode,
             unsigned int extra);

    void InitControls(CWnd* dialog) override;
    void DataToDialog(CWnd* dialog, unsigned char* record, bool hasRecord, bool first) override;
    void DialogToData(CWnd* dialog, unsigned char* record, bool active) override;

    QelAngleControl::Modes mode;
    unsigned int extra;
};
