#include "edit_filter.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
// QLineEdit keeps this many pixels free on each side of its text, inside the contents rectangle.
constexpr int kLineEditHorizontalMargin = 2;
}  // namespace

EditFilter::EditFilter(QLineEdit* pEdit, bool bDigitsOnly, bool bFitWidth)
    : QValidator(pEdit), m_pEdit(pEdit), m_bDigitsOnly(bDigitsOnly), m_bFitWidth(bFitWidth) {}

QValidator::State EditFilter::validate(QString& input, int&) const {
    if (m_bDigitsOnly) {
        for (QChar ch : input) {
            if (ch < u'0' || ch > u'9') return Invalid;
        }
    }
    if (m_bFitWidth &&
        m_pEdit->fontMetrics().horizontalAdvance(input) > VisibleTextWidth(*m_pEdit)) {
        return Invalid;
    }
    return Acceptable;
}

int EditFilter::VisibleTextWidth(const QLineEdit& edit) {
    QStyleOptionFrame opt;
    opt.initFrom(&edit);
    opt.rect = edit.rect();
    opt.lineWidth =
        edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, &edit) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    QRect r = edit.style()->subElementRect(QStyle::SE_LineEditContents, &opt, &edit);
    r = r.marginsRemoved(edit.textMargins());
    return r.width() - 2 * kLineEditHorizontalMargin;
}
