#include "app/imagecontrol.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TImage::setBitmapSize(QSize designSize) {
    if (designSize.width() < 1) designSize.setWidth(1);
    if (designSize.height() < 1) designSize.setHeight(1);
    if (designSize == m_bitmap.size()) return;
    m_bitmap = QImage(designSize, QImage::Format_RGB32);
    m_bitmap.fill(Qt::white);
    update();
}

void TImage::clear(const QColor& fill, const QColor& outline) {
    QPainter p(&m_bitmap);
    p.setPen(outline);
    p.setBrush(fill);
    p.drawRect(0, 0, m_bitmap.width() - 1, m_bitmap.height() - 1);
    p.end();
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, size() != m_bitmap.size());
    p.drawImage(rect(), m_bitmap);
}

QPoint TImage::toBitmap(QPointF widgetPos) const {
    if (width() <= 0 || height() <= 0) return widgetPos.toPoint();
    const double sx = double(m_bitmap.width()) / width();
    const double sy = double(m_bitmap.height()) / height();
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
