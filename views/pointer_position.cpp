#include "views/pointer_position.h"
#include "i18n/session_texts.h"
#include "views/planform_view.h"

#include <algorithm>
#include <cmath>

namespace tv {

namespace {

bool usableScale(double s) { return std::isfinite(s) && s > 0; }

// Millimetres to whole millimetres; far outside any aircraft the value is clamped, so a tiny
// scale never overflows the conversion.
int wholeMm(double mm) { return int(std::lround(std::clamp(mm, -1e9, 1e9))); }

} // namespace

std::optional<AircraftFramePoint> aircraftViewPointAt(const AircraftViewGeometry& g, QPoint pixel) {
    const double s = g.AircraftScale;
    if (!usableScale(s)) return std::nullopt;
    return AircraftFramePoint{wholeMm((pixel.y() - g.AircraftDatumY) / s), wholeMm((pixel.x() - g.AircraftCentreX) / s)};
}

std::optional<AircraftFramePoint> planformViewPointAt(QSize image, double scale, int positionX, QPoint pixel) {
    if (!usableScale(scale)) return std::nullopt;
    const PlanformOrigin o = planformOrigin(image);
    return AircraftFramePoint{wholeMm(positionX + (pixel.y() - o.p) / scale), wholeMm((pixel.x() - o.a) / scale)};
}

QString fittedPointerText(const QFontMetrics& fm, int width, UiLanguage lang, AircraftFramePoint p, Unit length) {
    QString text;
    const auto figure = [&](int mm) { return measureText(lang, mm, length, 0); };
    for (const std::string& form : pointerPositionForms(lang, figure(p.x), figure(p.y))) {
        text = QString::fromStdString(form);
        if (fm.horizontalAdvance(text) <= width) return text;
    }
    return fm.elidedText(text, Qt::ElideRight, width);
}

} // namespace tv
