#pragma once
// Where the minimised form draws its icon.

#include <QPoint>
#include <QSize>

// Centred in the client area, the odd pixel going to the right and bottom; the halves are
// truncated toward zero, so a client narrower than the icon gives a small negative offset only
// from two pixels on (30 wide with a 32-pixel icon gives 0, 29 gives -1).
QPoint MinimizedIconPosition(QSize clientSize, QSize iconSize);
