// QelAngleControl: an angle in whole degrees on a dial (QDial), with a
// degree box created beside it; the two are kept in step.
//
// Style bits (the dialog builder passes 27 = DegreeBox | Notches | ZeroUp |
// Clockwise, a compass: 0 points up and angles grow clockwise):
//   0x01 DegreeBox  a box beside the dial shows and takes the degrees ("45°")
//   0x02 Notches    notches round the dial, every `notchStep` degrees (15
//                   when the step given is 0)
//   0x04 ReadOnly   the angle is shown, not edited
//   0x08 ZeroUp     0 points up (otherwise to the right)
//   0x10 Clockwise  angles grow clockwise (otherwise anticlockwise)
// Modes: FullCircle shows 0 ... 359, Signed -180 ... 179. `snap` rounds the
// angles the user sets to a multiple of itself (0 or 1: every degree).
//
// Undecided look: the degree box is empty with "(several)" as placeholder
// and the dial's pointer is drawn as it was for the first record.
#pragma once

#include "QelControl.h"

class QDial;
class QLineEdit;

class QelAngleControl : public QelControl {
public:
    ~QelAngleControl() override;
    enum Modes { FullCircle = 0, Signed = 1 };
    enum Style { DegreeBox = 0x01, Notches = 0x02, ReadOnly = 0x04, ZeroUp = 0x08, Clockwise = 0x10 };

    QelAngleControl(unsigned int style, Modes mode, unsigned int snap, unsigned int notchStep);

    void SetAngle(int degrees, bool first);
    // The angle set, or the one the user chose since (in the mode's range).
    int GetAngle() const { return m_angle; }
    QLineEdit* GetDegreeBox() const { return m_box; }
    // Degrees given as text ("45", "45°"), as if the user had set them.
    bool SetUserText(const char* text) override;
    // The angle in the mode's range: 370 becomes 10, 270 in Signed mode -90.
    int Normalise(int degrees) const;

protected:
    bool Accepts(QWidget* widget) const override;
    void OnAttach() override;
    void OnDetach() override;
    void ShowMultiSelected(bool multiSelected) override;

private:
    QDial* GetDial() const;
    void Show(int degrees);
    void DialMoved(int value);
    void BoxEdited();
    void UserSets(int degrees);
    int Snap(int degrees) const;

    unsigned int m_style;
    Modes m_mode;
    unsigned int m_snap;
    unsigned int m_notchStep;
    int m_angle = 0;
    QLineEdit* m_box = nullptr;
    // The dial's own settings, given back on release.
    int m_ownMin = 0, m_ownMax = 0;
    bool m_ownWrapping = false, m_ownNotches = false;
};
