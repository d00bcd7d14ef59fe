// QelColourSelector: a colour on a push button (QAbstractButton) that shows
// it as a swatch and opens a colour dialog when clicked; with tolerance, a
// tolerance box (0 ... 255, "± 12") is created beside the button.
//
// Style bits (the dialog builder passes 23 = Swatch | HexText | Dialog |
// KeepCustom):
//   0x01 Swatch      the button shows the colour as a swatch
//   0x02 HexText     the button's text is the colour as "#RRGGBB"
//   0x04 Dialog      a click opens the colour dialog
//   0x08 NoBorder    the swatch is drawn without its frame
//   0x10 KeepCustom  colours chosen join the dialog's custom colours
// Colours are COLORREF values (0x00BBGGRR).
//
// Undecided look: the swatch is split diagonally in white and grey and the
// text reads "(several)"; the tolerance box shows "(several)". Choosing a
// colour, or changing the tolerance, decides.
#pragma once

#include "QelControl.h"

#include <QIcon>
#include <QString>

class QSpinBox;

class QelColourSelector : public QelControl {
public:
    ~QelColourSelector() override;
    enum Style { Swatch = 0x01, HexText = 0x02, Dialog = 0x04, NoBorder = 0x08, KeepCustom = 0x10 };

    explicit QelColourSelector(int style);

    void SetColour(unsigned long colour, bool first);
    // The colour shown; false (and `colour` untouched) when there is none:
    // nothing set yet, or undecided.
    bool GetColour(unsigned long& colour) const;

    // Creates (true) or removes (false) the tolerance box.
    void UseTolerance(bool use);
    void SetTolerance(unsigned char tolerance, bool first);
    // False when there is no tolerance box or it is undecided.
    bool GetTolerance(unsigned char& tolerance) const;
    bool IsToleranceMultiSelected() const { return m_toleranceMulti; }
    QSpinBox* GetToleranceBox() const { return m_tolerance; }

    // Opens the colour dialog as a click does; true when a colour was chosen.
    bool ChooseColour();
    // A colour given as "#RRGGBB" (or a colour name), as if chosen in the dialog.
    bool SetUserText(const char* text) override;

protected:
    bool Accepts(QWidget* widget) const override;
    void OnAttach() override;
    void OnDetach() override;
    void ShowMultiSelected(bool multiSelected) override;
    bool OnChildNotify(int code) override;

private:
    void ShowColour();
    void ShowTolerance();
    void ToleranceChanged(int value);

    int m_style;
    unsigned long m_colour = 0;
    bool m_hasColour = false;
    QSpinBox* m_tolerance = nullptr;
    unsigned char m_toleranceValue = 0;
    bool m_toleranceMulti = false;
    QIcon m_ownIcon;
    QString m_ownText;
};
