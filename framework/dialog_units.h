#pragma once
// Dialog units: the layout unit of dialog templates, derived from the dialog's font so that a
// layout keeps its proportions whatever font size it is shown in.

#include <QFont>
#include <QRect>

struct DialogUnits {
    int nBaseX = 0;  // average character width, pixels; a dialog unit across is a quarter of it
    int nBaseY = 0;  // font height, pixels; a dialog unit down is an eighth of it

    int MapX(int x) const;
    int MapY(int y) const;
    QRect MapRect(int x, int y, int cx, int cy) const;
};

// The average character width is the width of "A".."Z" and "a".."z" divided by 52, rounded to
// the nearest pixel; the height is the font's line height.
DialogUnits DialogUnitsOf(const QFont& font);
