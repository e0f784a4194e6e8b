#include "app/imagecontrol.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

TImage::TImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TImage::setBitmapSize(QSize designSize) {
    if (designSize.width() < 1) designSize.setWidth(1);
    if (designSize.height() < 1) designSize.setHeight(1);
    const double ratio = m_designScale * devicePixelRatioF();
    if (designSize == m_designSize && ratio == m_bitmap.devicePixelRatio()) return;
    m_designSize = designSize;
    const QSize device(std::max(1, int(std::ceil(designSize.width() * ratio - 1e-9))),
                       std::max(1, int(std::ceil(designSize.height() * ratio - 1e-9))));
    m_bitmap = QImage(device, QImage::Format_RGB32);
    m_bitmap.setDevicePixelRatio(ratio);
    m_bitmap.fill(Qt::white);
    update();
}

void TImage::clear(const QColor& fill, const QColor& outline) {
    QPainter p(&m_bitmap);
    QPen pen(outline);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(fill);
    p.drawRect(0, 0, m_designSize.width() - 1, m_designSize.height() - 1);
    p.end();
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The bitmap covers the control pixel for pixel; only a control resized without a new
    // bitmap (never by the window's layout) is stretched.
    const QSize device = (QSizeF(size()) * devicePixelRatioF()).toSize();
    p.setRenderHint(QPainter::SmoothPixmapTransform, device != m_bitmap.size());
    p.drawImage(QRectF(rect()), m_bitmap);
}

QPoint TImage::toBitmap(QPointF widgetPos) const {
    if (width() <= 0 || height() <= 0) return widgetPos.toPoint();
    const double sx = double(m_designSize.width()) / width();
    const double sy = double(m_designSize.height()) / height();
    return QPoint(int(widgetPos.x() * sx), int(widgetPos.y() * sy));
}

void TImage::mousePressEvent(QMouseEvent* e) {
    emit mouseDown(toBitmap(e->position()), e->button(), e->buttons(), e->modifiers());
}

void TImage::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMove(toBitmap(e->position()), e->buttons(), e->modifiers());
}

void TImage::mouseReleaseEvent(QMouseEvent* e) {
    emit mouseUp(toBitmap(e->position()), e->button(), e->buttons(), e->modifiers());
}

void TImage::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    emit mouseLeave();
}
