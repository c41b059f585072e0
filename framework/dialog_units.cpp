#include "dialog_units.h"

#include <QFontMetrics>
#include <QString>

namespace {

// value * numerator / denominator, rounded half away from zero, as layout arithmetic has always
// been done for dialog units.
int mulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

}  // namespace

int DialogUnits::MapX(int x) const { return mulDiv(x, nBaseX, 4); }

int DialogUnits::MapY(int y) const { return mulDiv(y, nBaseY, 8); }

QRect DialogUnits::MapRect(int x, int y, int cx, int cy) const {
    return QRect(MapX(x), MapY(y), MapX(cx), MapY(cy));
}

DialogUnits DialogUnitsOf(const QFont& font) {
    const QFontMetrics fm(font);
    const int nWidth52 = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits{(nWidth52 + 26) / 52, fm.height()};
}
