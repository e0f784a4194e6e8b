#include "views/view_common.h"

#include "model/numformat.h"

#include <algorithm>
#include <cmath>

namespace tv {
namespace {
constexpr double kPixelLimit = 1e6;

double clampPixel(double v) {
    if (std::isnan(v)) return 0;
    return std::clamp(v, -kPixelLimit, kPixelLimit);
}
} // namespace

QColor wingColour(int w) {
    switch (w) {
    case 1: return {0, 0, 255};
    case 2: return {255, 0, 255};
    case 3: return {0, 128, 0};
    case 4: return {128, 0, 128};
    case 5: return {128, 0, 0};
    default: return {0, 0, 0};
    }
}

int truncPixel(double v) { return static_cast<int>(std::trunc(clampPixel(v))); }

int roundPixel(double v) { return static_cast<int>(roundHalfEven(clampPixel(v))); }

void textOut(QPainter& p, int x, int y, const std::string& utf8) {
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    const QFontMetrics fm = p.fontMetrics();
    const QRect box(x, y, fm.horizontalAdvance(text), fm.height());
    if (p.backgroundMode() == Qt::OpaqueMode) p.fillRect(box, p.background());
    p.drawText(x, y + fm.ascent(), text);
}

void setPen(QPainter& p, const QColor& c, int width) {
    QPen pen(c);
    pen.setWidth(width);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
}

void clearImage(QPainter& p, QSize size, const QColor& fill, const QColor& outline) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(QPoint(0, 0), size), fill);
    setPen(p, outline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    p.restore();
}

} // namespace tv
