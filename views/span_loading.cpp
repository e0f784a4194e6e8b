#include "views/span_loading.h"

#include "exports/lattice_export.h"
#include "i18n/export_texts.h"
#include "model/numformat.h"
#include "views/view_common.h"

#include <QFontMetrics>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tv {

SpanLoadingScene spanLoadingScene(int wingCount, const SolverWorkspace& ws, UiLanguage lang) {
    SpanLoadingScene scene;
    scene.lang = lang;
    scene.names = exportWingNames(lang);
    for (const StripLoad& s : stripLoads(wingCount, ws)) {
        if (scene.wings.empty() || scene.wings.back().wing != s.wing) {
            scene.wings.emplace_back();
            scene.wings.back().wing = s.wing;
            scene.wings.back().innerEdge = s.y - s.width / 2;
        }
        SpanLoadingWing& w = scene.wings.back();
        w.y.push_back(s.y);
        w.load.push_back(s.load);
        w.tip = s.y + s.width / 2;
        w.lift += 2 * s.load * s.width;
    }
    return scene;
}

std::string spanAxisCaption(UiLanguage lang, Unit length) {
    std::string caption = spanLoadingTexts(lang).spanAxis;
    const std::string mm = "[mm]";
    if (const std::size_t at = caption.rfind(mm); at != std::string::npos && length != Unit::Millimetre)
        caption.replace(at + 1, mm.size() - 2, unitSymbol(lang, length));
    return caption;
}

double ellipticLoad(const SpanLoadingWing& w, double y) {
    if (w.tip <= 0 || std::abs(y) >= w.tip) return 0;
    const double l0 = 2 * w.lift / (std::numbers::pi * w.tip);
    return l0 * std::sqrt(1 - (y / w.tip) * (y / w.tip));
}

PlotAxis niceAxis(double lo, double hi, int maxTicks) {
    if (!(hi > lo) || !std::isfinite(lo) || !std::isfinite(hi)) return {};
    const double raw = (hi - lo) / std::max(maxTicks, 1);
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    double step = decade * 10;
    for (double m : {1.0, 2.0, 5.0})
        if (m * decade >= raw * (1 - 1e-9)) {
            step = m * decade;
            break;
        }
    return {std::floor(lo / step + 1e-9) * step, std::ceil(hi / step - 1e-9) * step, step};
}

double SpanLoadingFrame::column(double y) const {
    return plot.left() + (y * spanPerMm - span.lo) / (span.hi - span.lo) * plot.width();
}

double SpanLoadingFrame::row(double v) const {
    return plot.bottom() - (v - load.lo) / (load.hi - load.lo) * plot.height();
}

namespace {

int decimalsOf(double step) { return step >= 1 ? 0 : int(std::ceil(-std::log10(step) - 1e-9)); }

// The axes' ranges: the span symmetric about the centre line, the load from 0 (or the lowest
// value) to the highest of the loads and the ellipses.
SpanLoadingFrame frameFor(const std::vector<SpanLoadingWing>& wings, int plotWidth, Unit length) {
    double tip = 0, low = 0, high = 0;
    for (const SpanLoadingWing& w : wings) {
        tip = std::max(tip, w.tip);
        high = std::max(high, ellipticLoad(w, 0));
        for (double v : w.load) low = std::min(low, v), high = std::max(high, v);
    }
    SpanLoadingFrame f;
    f.spanPerMm = fromBase(1, length);
    f.span = niceAxis(-tip * f.spanPerMm, tip * f.spanPerMm, std::max(4, plotWidth / 55));
    f.load = niceAxis(low, high * 1.05, 6);
    return f;
}

void drawAxes(QPainter& p, const SpanLoadingFrame& f, const SpanLoadingTexts& t, const std::string& spanCaption) {
    const QFontMetrics fm = p.fontMetrics();
    const int decimalsX = decimalsOf(f.span.step), decimalsY = decimalsOf(f.load.step);
    for (double y = f.span.lo; y <= f.span.hi + f.span.step / 2; y += f.span.step) {
        const int x = roundPixel(f.column(y / f.spanPerMm));
        setPen(p, QColor(225, 225, 225));
        p.drawLine(x, f.plot.top(), x, f.plot.bottom());
        setPen(p, Qt::black);
        p.drawLine(x, f.plot.bottom(), x, f.plot.bottom() + 4);
        const QString label = QString::fromStdString(formatFixed(std::abs(y) < f.span.step / 2 ? 0.0 : y, 0, decimalsX));
        p.drawText(x - fm.horizontalAdvance(label) / 2, f.plot.bottom() + 6 + fm.ascent(), label);
    }
    for (double v = f.load.lo; v <= f.load.hi + f.load.step / 2; v += f.load.step) {
        const int y = roundPixel(f.row(v));
        setPen(p, QColor(225, 225, 225));
        p.drawLine(f.plot.left(), y, f.plot.right(), y);
        setPen(p, Qt::black);
        p.drawLine(f.plot.left() - 4, y, f.plot.left(), y);
        const QString label = QString::fromStdString(formatFixed(std::abs(v) < f.load.step / 2 ? 0.0 : v, 0, decimalsY));
        p.drawText(f.plot.left() - 7 - fm.horizontalAdvance(label), y + fm.ascent() / 2 - 1, label);
    }
    setPen(p, Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(f.plot);
    if (f.load.lo < 0) p.drawLine(f.plot.left(), roundPixel(f.row(0)), f.plot.right(), roundPixel(f.row(0)));
    const QString spanAxis = QString::fromStdString(spanCaption);
    p.drawText(f.plot.center().x() - fm.horizontalAdvance(spanAxis) / 2, f.plot.bottom() + 8 + fm.height() + fm.ascent(),
               spanAxis);
    p.save();
    p.translate(f.plot.left() - 12 - fm.horizontalAdvance(QStringLiteral("00.00")) - fm.descent(), f.plot.center().y());
    p.rotate(-90);
    const QString loadAxis = QString::fromUtf8(t.loadAxis);
    p.drawText(-fm.horizontalAdvance(loadAxis) / 2, 0, loadAxis);
    p.restore();
}

// Both halves as one line through the strip middles; across a root gap the halves stay apart.
void drawLoad(QPainter& p, const SpanLoadingFrame& f, const SpanLoadingWing& w) {
    setPen(p, wingColour(w.wing), 2);
    const auto point = [&](double y, double v) { return QPointF(f.column(y), f.row(v)); };
    QPolygonF left, right;
    for (std::size_t i = 0; i < w.y.size(); ++i) {
        left.prepend(point(-w.y[i], w.load[i]));
        right.append(point(w.y[i], w.load[i]));
    }
    if (w.innerEdge <= 0) {
        p.drawPolyline(left + right);
    } else {
        p.drawPolyline(left);
        p.drawPolyline(right);
    }
}

void drawEllipse(QPainter& p, const SpanLoadingFrame& f, const SpanLoadingWing& w) {
    QPen pen(wingColour(w.wing), 1, Qt::DashLine);
    pen.setCosmetic(true);
    p.setPen(pen);
    constexpr int kSamples = 120;
    QPolygonF curve;
    for (int i = 0; i <= kSamples; ++i) {
        const double y = w.tip * std::cos(std::numbers::pi * (kSamples - i) / kSamples); // denser at the tips
        curve.append(QPointF(f.column(y), f.row(ellipticLoad(w, y))));
    }
    p.drawPolyline(curve);
}

void drawLegend(QPainter& p, const SpanLoadingFrame& f, const SpanLoadingScene& scene, const SpanLoadingTexts& t) {
    const QFontMetrics fm = p.fontMetrics();
    const int line = fm.height() + 2;
    int width = fm.horizontalAdvance(QString::fromUtf8(t.elliptic));
    for (const SpanLoadingWing& w : scene.wings)
        width = std::max(width, fm.horizontalAdvance(QString::fromStdString(scene.names[w.wing])));
    const QRect box(f.plot.right() - width - 44, f.plot.top() + 6, width + 38, line * int(scene.wings.size() + 1) + 6);
    setPen(p, QColor(160, 160, 160));
    p.setBrush(Qt::white);
    p.drawRect(box);
    int y = box.top() + 3 + line / 2;
    for (const SpanLoadingWing& w : scene.wings) {
        setPen(p, wingColour(w.wing), 2);
        p.drawLine(box.left() + 5, y, box.left() + 27, y);
        setPen(p, Qt::black);
        p.drawText(box.left() + 32, y + fm.ascent() / 2 - 1, QString::fromStdString(scene.names[w.wing]));
        y += line;
    }
    QPen dashed(Qt::black, 1, Qt::DashLine);
    p.setPen(dashed);
    p.drawLine(box.left() + 5, y, box.left() + 27, y);
    setPen(p, Qt::black);
    p.drawText(box.left() + 32, y + fm.ascent() / 2 - 1, QString::fromUtf8(t.elliptic));
}

/// Draws the plot's heading over target; the frame inside its axes with the ranges of the wings.
SpanLoadingFrame titledFrame(QPainter& p, QRect target, const QString& title, const std::vector<SpanLoadingWing>& wings,
                             Unit length) {
    const QFontMetrics fm = p.fontMetrics();
    const QFont normal = p.font();
    QFont bold = normal;
    bold.setBold(true);
    p.setFont(bold);
    setPen(p, Qt::black);
    p.drawText(target.center().x() - p.fontMetrics().horizontalAdvance(title) / 2, target.top() + 6 + fm.ascent(), title);
    p.setFont(normal);
    const int left = 24 + fm.height() + fm.horizontalAdvance(QStringLiteral("-00.00"));
    QRect plot(target.left() + left, target.top() + 12 + 2 * fm.height(), 0, 0);
    plot.setRight(target.right() - 24);
    plot.setBottom(target.bottom() - 16 - 2 * fm.height());
    SpanLoadingFrame f = frameFor(wings, plot.width(), length);
    f.plot = plot;
    return f;
}

/// The trimmed local lift coefficients, each wing's highest one ringed (where it stalls first).
void drawTrimmedCl(QPainter& p, QRect target, const SpanLoadingScene& scene, const SpanLoadingTexts& t) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(target, Qt::white);
    SpanLoadingTexts axes = t;
    axes.loadAxis = "cl";
    const QString title = QString::fromStdString(scene.trimmedTitle);
    const SpanLoadingFrame f = titledFrame(p, target, title, scene.trimmed, scene.length);
    if (f.plot.width() >= 20 && f.plot.height() >= 20) {
        drawAxes(p, f, axes, spanAxisCaption(scene.lang, scene.length));
        p.setClipRect(f.plot.adjusted(0, 0, 1, 1));
        for (const SpanLoadingWing& w : scene.trimmed) {
            drawLoad(p, f, w);
            const auto top = std::max_element(w.load.begin(), w.load.end());
            if (top == w.load.end()) continue;
            const double y = w.y[std::size_t(top - w.load.begin())];
            setPen(p, wingColour(w.wing), 2);
            p.setBrush(Qt::NoBrush);
            for (double side : {-y, y}) p.drawEllipse(QPointF(f.column(side), f.row(*top)), 5, 5);
        }
    }
    p.restore();
}

} // namespace

SpanLoadingFrame drawSpanLoading(QPainter& p, QRect target, const SpanLoadingScene& scene) {
    const SpanLoadingTexts& t = spanLoadingTexts(scene.lang);
    if (!scene.trimmed.empty() && !scene.wings.empty()) {
        // The unit loading above, the trimmed cl below, on spans of the same scale.
        SpanLoadingScene unit = scene;
        unit.trimmed.clear();
        QRect upper = target, lower = target;
        upper.setBottom(target.top() + target.height() / 2);
        lower.setTop(upper.bottom() + 1);
        const SpanLoadingFrame f = drawSpanLoading(p, upper, unit);
        drawTrimmedCl(p, lower, scene, t);
        return f;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(target, Qt::white);
    setPen(p, Qt::black);
    if (scene.wings.empty()) {
        p.drawText(target, Qt::AlignCenter | Qt::TextWordWrap, QString::fromUtf8(t.noLoads));
        p.restore();
        return {};
    }
    const SpanLoadingFrame f = titledFrame(p, target, QString::fromUtf8(t.title), scene.wings, scene.length);
    if (f.plot.width() < 20 || f.plot.height() < 20) {
        p.restore();
        return f;
    }
    drawAxes(p, f, t, spanAxisCaption(scene.lang, scene.length));
    p.setClipRect(f.plot.adjusted(0, 0, 1, 1));
    for (const SpanLoadingWing& w : scene.wings) drawEllipse(p, f, w);
    for (const SpanLoadingWing& w : scene.wings) drawLoad(p, f, w);
    p.setClipping(false);
    drawLegend(p, f, scene, t);
    p.restore();
    return f;
}

} // namespace tv
