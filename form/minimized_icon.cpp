#include "minimized_icon.h"

QPoint MinimizedIconPosition(QSize clientSize, QSize iconSize) {
    const int x = (clientSize.width() - iconSize.width() + 1) / 2;
    const int y = (clientSize.height() - iconSize.height() + 1) / 2;
    return QPoint(x, y);
}
