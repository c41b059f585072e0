#include "picture_control.h"

#include <QPainter>
#include <QStyle>

PictureControl::PictureControl(const QString& strSvgPath, Mode mode, QWidget* pParent)
    : QWidget(pParent), m_renderer(strSvgPath), m_mode(mode) {
    setFocusPolicy(Qt::NoFocus);
}

QRectF PictureControl::ImageRect() const {
    if (m_mode == Mode::Icon) {
        const int nIcon = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
        return QRectF(0, 0, nIcon, nIcon);
    }
    const QSizeF size = m_renderer.defaultSize();
    return QRectF((width() - size.width()) / 2.0, (height() - size.height()) / 2.0, size.width(),
                  size.height());
}

void PictureControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_renderer.isValid()) {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    painter.setClipRect(rect());
    m_renderer.render(&painter, ImageRect());
}
