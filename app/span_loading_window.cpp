#include "app/span_loading_window.h"

#include <QPainter>

TSpanLoadingWindow::TSpanLoadingWindow(SceneSource source, QWidget* parent)
    : QWidget(parent, Qt::Window), m_source(std::move(source)) {
    setObjectName(QStringLiteral("SpanLoadingWindow"));
    setMinimumSize(360, 260);
    resize(820, 480);
}

QImage TSpanLoadingWindow::picture(QSize size) const {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    tv::drawSpanLoading(p, image.rect(), m_source());
    p.end();
    return image;
}

void TSpanLoadingWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    tv::drawSpanLoading(p, rect(), m_source());
}
