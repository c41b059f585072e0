#include "group_frame.h"

#include <QPainter>

namespace {
constexpr int kCaptionIndent = 6;  // pixels from the frame's left edge to the caption
constexpr int kCaptionGap = 2;     // free pixels on each side of the caption
}  // namespace

GroupFrame::GroupFrame(const QString& strCaption, QWidget* pParent)
    : QWidget(pParent), m_strCaption(strCaption) {
    setFocusPolicy(Qt::NoFocus);
}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics fm = fontMetrics();
    const int nLineY = fm.height() / 2;
    const QRect frame(0, nLineY, width() - 1, height() - 1 - nLineY);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1).adjusted(0, 0, -1, -1));
    if (m_strCaption.isEmpty()) return;
    const int nTextWidth = fm.horizontalAdvance(m_strCaption);
    const QRect textRect(kCaptionIndent, 0, nTextWidth + 2 * kCaptionGap, fm.height());
    painter.fillRect(textRect, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, m_strCaption);
}
