#pragma once
// The trim curve: trim speed and lift coefficient against the trim variable, the current setting
// marked.
#include "i18n/texts.h"
#include "model/units.h"
#include "trim/trim.h"

#include <QImage>
#include <QtCharts/QChartView>

/// Fills c with the curve of r (none, or a refused trim: only the title); speeds in u's unit.
void fillTrimCurve(QChart* c, const tv::TrimResult* r, tv::UiLanguage lang, const tv::DisplayUnits& u = tv::kMetricUnits);
/// The curve drawn at size (design units) times scale, for the report.
QImage trimCurvePicture(const tv::TrimResult& r, tv::UiLanguage lang, QSize size, double scale,
                        const tv::DisplayUnits& u = tv::kMetricUnits);

class TrimCurveChart : public QChartView {
public:
    explicit TrimCurveChart(QWidget* parent = nullptr);
    /// The curve of r (none, or a refused trim: an empty chart with its title).
    void show(const tv::TrimResult* r, tv::UiLanguage lang, const tv::DisplayUnits& u = tv::kMetricUnits);
    /// The points drawn (speed series, CL series) for the tests.
    int speedPoints() const;
    int clPoints() const;
};
