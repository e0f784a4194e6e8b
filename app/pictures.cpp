#include "app/pictures.h"

#include <QPainter>
#include <QPolygon>

namespace {

void bands(QPainter& p, const QColor& a, const QColor& b, const QColor& c, int a_h, int b_h) {
    p.fillRect(0, 0, 18, a_h, a);
    p.fillRect(0, a_h, 18, b_h, b);
    p.fillRect(0, a_h + b_h, 18, 18 - a_h - b_h, c);
}

void unionFlag(QPainter& p) {
    const QColor blue(1, 33, 105), red(200, 16, 46);
    p.fillRect(0, 0, 18, 18, blue);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(0, 0, 18, 18);
    p.drawLine(18, 0, 0, 18);
    p.setPen(QPen(red, 1.5));
    p.drawLine(0, 0, 18, 18);
    p.drawLine(18, 0, 0, 18);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(6, 0, 6, 18, Qt::white);
    p.fillRect(0, 6, 18, 6, Qt::white);
    p.fillRect(7, 0, 4, 18, red);
    p.fillRect(0, 7, 18, 4, red);
}

} // namespace

QImage flagPicture(tv::UiLanguage lang) {
    QImage img(18, 18, QImage::Format_RGB32);
    QPainter p(&img);
    switch (lang) {
    case tv::UiLanguage::German: bands(p, Qt::black, QColor(221, 0, 0), QColor(255, 206, 0), 6, 6); break;
    case tv::UiLanguage::English: unionFlag(p); break;
    case tv::UiLanguage::Spanish: bands(p, QColor(170, 21, 27), QColor(241, 191, 0), QColor(170, 21, 27), 5, 8); break;
    }
    p.setPen(Qt::gray);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 17, 17);
    return img;
}

QImage toolSymbol(ToolSymbol s) {
    QImage img(18, 18, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setPen(Qt::black);
    switch (s) {
    case ToolSymbol::Open: // an opened folder
        p.setBrush(QColor(255, 255, 0));
        p.drawPolygon(QPolygon({{1, 4}, {6, 4}, {8, 6}, {15, 6}, {15, 15}, {1, 15}}));
        p.setBrush(QColor(192, 192, 0));
        p.drawPolygon(QPolygon({{3, 9}, {17, 9}, {15, 15}, {1, 15}}));
        break;
    case ToolSymbol::SaveAs:
    case ToolSymbol::Save: // a disk; "save as" carries a pencil stroke
        p.setBrush(QColor(0, 0, 128));
        p.drawRect(2, 2, 13, 13);
        p.fillRect(5, 3, 8, 5, Qt::white);
        p.fillRect(6, 10, 6, 5, QColor(192, 192, 192));
        if (s == ToolSymbol::SaveAs) {
            p.setPen(QPen(QColor(255, 0, 0), 2));
            p.drawLine(10, 16, 17, 9);
        }
        break;
    case ToolSymbol::Print: // a printer
        p.setBrush(Qt::white);
        p.drawRect(5, 1, 8, 6);
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(1, 7, 16, 7);
        p.setBrush(Qt::white);
        p.drawRect(4, 12, 10, 5);
        break;
    case ToolSymbol::Calc: // a lift curve over a wing section
        p.setBrush(QColor(0, 128, 0));
        p.drawPolygon(QPolygon({{1, 13}, {6, 10}, {17, 12}, {6, 15}}));
        p.setPen(QPen(QColor(255, 0, 0), 2));
        p.drawLine(3, 8, 9, 2);
        p.drawLine(9, 2, 15, 8);
        break;
    }
    return img;
}

QColor thumbnailColour(int wing) {
    static const QColor colours[5] = {QColor(0, 255, 255), QColor(255, 0, 255), QColor(0, 255, 0),
                                      QColor(128, 0, 128), QColor(128, 0, 0)};
    if (wing < 1 || wing > 5) return colours[0];
    return colours[wing - 1];
}

namespace {

void arrowHead(QPainter& p, QPoint tip, QPoint dir) {
    // Filled head 7 px long, 3 px to each side, pointing along dir (one of the four axes).
    const QPoint back = tip - dir * 7;
    const QPoint side(dir.y() * 3, dir.x() * 3);
    p.drawPolygon(QPolygon({tip, back + side, back - side}));
}

void arrow(QPainter& p, QPoint from, QPoint to, QPoint dir) {
    p.drawLine(from, to);
    arrowHead(p, to, dir);
}

} // namespace

void drawWingThumbnail(QImage& image, int wing) {
    QPainter p(&image);
    const QSize size = image.deviceIndependentSize().toSize();
    const int w = size.width(), h = size.height();
    p.fillRect(0, 0, w, h, QColor(192, 192, 192));
    // Axes: origin at the lower left, x to the right, z upwards.
    const QPoint origin(14, h - 14);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    arrow(p, origin, QPoint(w - 8, origin.y()), QPoint(1, 0));
    arrow(p, origin, QPoint(origin.x(), 6), QPoint(0, -1));
    p.drawText(w - 16, origin.y() + 12, "x");
    p.drawText(origin.x() - 11, 16, "z");
    // A thin wedge profile with its leading edge at (le), nose to the left.
    const QPoint le(origin.x() + 62, origin.y() - 34);
    p.setPen(QColor(0, 0, 255));
    p.setBrush(thumbnailColour(wing));
    p.drawPolygon(QPolygon({le, le + QPoint(14, -5), le + QPoint(64, 0), le + QPoint(14, 2)}));
    // Dimension arrows: x from the z axis to the leading edge, z from the x axis up to it.
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    arrow(p, QPoint(origin.x(), le.y()), QPoint(le.x() - 1, le.y()), QPoint(1, 0));
    arrow(p, QPoint(le.x(), origin.y()), QPoint(le.x(), le.y() + 3), QPoint(0, -1));
    if (wing == 1) { // flight direction: forwards is to the left
        p.setPen(QColor(255, 0, 0));
        p.setBrush(QColor(255, 0, 0));
        arrow(p, QPoint(le.x() + 50, le.y() - 16), QPoint(le.x() + 10, le.y() - 16), QPoint(-1, 0));
    }
}

void drawThumbnailCaption(QImage& image, const QString& caption) {
    QPainter p(&image);
    p.setPen(Qt::black);
    const int x = int(image.deviceIndependentSize().width() * 0.7);
    const QFontMetrics fm(p.font());
    p.drawText(x, 2 + fm.ascent(), caption);
}
