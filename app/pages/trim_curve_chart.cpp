#include "app/pages/trim_curve_chart.h"
#include "i18n/trim_page_texts.h"

#include <QtCharts/QChart>
#include <QGraphicsScene>
#include <QPainter>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

/// The curve's value at the variable v, linear between its points; nothing off the curve.
std::optional<tv::TrimCurvePoint> pointAt(const std::vector<tv::TrimCurvePoint>& curve, double v) {
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const tv::TrimCurvePoint &a = curve[i - 1], &b = curve[i];
        if (v < a.Variable || v > b.Variable) continue;
        const double f = b.Variable == a.Variable ? 0 : (v - a.Variable) / (b.Variable - a.Variable);
        tv::TrimCurvePoint p{v, a.Alpha + f * (b.Alpha - a.Alpha), a.Cl + f * (b.Cl - a.Cl), std::nullopt};
        if (a.Speed && b.Speed) p.Speed = *a.Speed + f * (*b.Speed - *a.Speed);
        return p;
    }
    return std::nullopt;
}

QValueAxis* axis(const QString& title, double from, double to) {
    auto* a = new QValueAxis;
    a->setTitleText(title);
    if (!(to > from)) to = from + 1;
    a->setRange(from, to);
    a->applyNiceNumbers();
    return a;
}

} // namespace

TrimCurveChart::TrimCurveChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("Chart_Trim"));
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setAlignment(Qt::AlignBottom);
}

void TrimCurveChart::show(const tv::TrimResult* r, tv::UiLanguage lang, const tv::DisplayUnits& u) {
    fillTrimCurve(chart(), r, lang, u);
}

QImage trimCurvePicture(const tv::TrimResult& r, tv::UiLanguage lang, QSize size, double scale, const tv::DisplayUnits& u) {
    QGraphicsScene scene;
    auto* c = new QChart;
    scene.addItem(c); // the scene owns the chart
    c->legend()->setAlignment(Qt::AlignBottom);
    fillTrimCurve(c, &r, lang, u);
    c->setGeometry(0, 0, size.width(), size.height());
    QImage image(QSize(int(size.width() * scale), int(size.height() * scale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    scene.render(&p, QRectF(image.rect()), QRectF(0, 0, size.width(), size.height()));
    return image;
}

void fillTrimCurve(QChart* c, const tv::TrimResult* r, tv::UiLanguage lang, const tv::DisplayUnits& u) {
    const tv::TrimPageTexts& t = tv::trimPageTexts(lang);
    c->removeAllSeries();
    for (QAbstractAxis* a : c->axes()) {
        c->removeAxis(a);
        delete a;
    }
    c->setTitle(qs(t.curveTitle));
    if (!r || r->Curve.empty() || (!r->ok() && r->Problem != tv::TrimProblem::NoPositiveLift)) return;
    auto* speed = new QLineSeries;
    speed->setName(QStringLiteral("V"));
    speed->setObjectName(QStringLiteral("SeriesTrimSpeed"));
    auto* cl = new QLineSeries;
    cl->setName(QStringLiteral("CL"));
    cl->setObjectName(QStringLiteral("SeriesTrimCl"));
    double vMax = 0, clMin = 0, clMax = 0;
    for (const tv::TrimCurvePoint& p : r->Curve) {
        cl->append(p.Variable, p.Cl);
        clMin = std::min(clMin, p.Cl);
        clMax = std::max(clMax, p.Cl);
        if (p.Speed && std::isfinite(*p.Speed)) {
            const double v = tv::fromBase(*p.Speed, u.speed);
            speed->append(p.Variable, v);
            vMax = std::max(vMax, v);
        }
    }
    auto* mark = new QScatterSeries;
    mark->setName(qs(t.currentSetting));
    mark->setMarkerSize(11);
    mark->setColor(Qt::black);
    auto* markCl = new QScatterSeries;
    markCl->setMarkerSize(11);
    markCl->setColor(Qt::black);
    if (const auto p = pointAt(r->Curve, r->VariableSet)) {
        if (p->Speed) mark->append(p->Variable, tv::fromBase(*p->Speed, u.speed));
        markCl->append(p->Variable, p->Cl);
    }
    c->addSeries(speed);
    c->addSeries(cl);
    c->addSeries(mark);
    c->addSeries(markCl);
    auto* x = axis(qs(t.curveAxis), r->Curve.front().Variable, r->Curve.back().Variable);
    const QString speedTitle = qs(std::string(t.speedAxis) + " (" + tv::unitSymbol(lang, u.speed) + ")");
    auto* yV = axis(speedTitle, 0, std::min(vMax * 1.1, tv::fromBase(100.0, u.speed)));
    auto* yCl = axis(QStringLiteral("CL"), clMin, clMax * 1.1);
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(yV, Qt::AlignLeft);
    c->addAxis(yCl, Qt::AlignRight);
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(speed), static_cast<QAbstractSeries*>(mark)}) {
        s->attachAxis(x);
        s->attachAxis(yV);
    }
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(cl), static_cast<QAbstractSeries*>(markCl)}) {
        s->attachAxis(x);
        s->attachAxis(yCl);
    }
    c->legend()->markers(markCl).value(0)->setVisible(false);
}

namespace {
int pointsOf(const QChart* c, const QString& name) {
    for (QAbstractSeries* s : c->series())
        if (s->objectName() == name) return int(static_cast<QLineSeries*>(s)->count());
    return 0;
}
} // namespace

int TrimCurveChart::speedPoints() const { return pointsOf(chart(), QStringLiteral("SeriesTrimSpeed")); }

int TrimCurveChart::clPoints() const { return pointsOf(chart(), QStringLiteral("SeriesTrimCl")); }
