#pragma once
// The trim curve: trim speed and lift coefficient against the trim variable, the current setting
// marked.
#include "i18n/texts.h"
#include "trim/trim.h"

#include <QtCharts/QChartView>

class TrimCurveChart : public QChartView {
public:
    explicit TrimCurveChart(QWidget* parent = nullptr);
    /// The curve of r (none, or a refused trim: an empty chart with its title).
    void show(const tv::TrimResult* r, tv::UiLanguage lang);
    /// The points drawn (speed series, CL series) for the tests.
    int speedPoints() const;
    int clPoints() const;
};
