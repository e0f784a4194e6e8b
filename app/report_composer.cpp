#include "app/report_composer.h"
#include "app/pages/trim_curve_chart.h"
#include "app/calculation/calculation_result.h"

#include <QPainter>

#include <functional>
#include <memory>

namespace {

// Draws into an image of scale times the design size; the drawing works in design pixels.
QImage drawPicture(QSize design, double scale, const std::function<void(QPainter&)>& draw) {
    QImage image((QSizeF(design) * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    draw(p);
    p.end();
    return image;
}

} // namespace

tv::ReportData composeReport(ReportInputs in, double pictureScale) {
    const CalculationResult* r = in.result;
    const bool np = r && r->neutralPointKnown();
    tv::ReportData d;
    d.lang = in.lang;
    d.units = in.units;
    d.projectFileName = in.projectFileName;
    d.aircraft = in.model;
    d.NeutralPointX = np ? r->reference.NeutralPointX : 0;
    d.numbers = np ? r->numbers : tv::StabilityNumbers{};
    d.balanceLines = in.balanceLines;
    d.trimLines = in.trimLines;
    if (in.trim && !in.trimLines.empty() && !in.trim->Curve.empty())
        d.trimCurvePicture = trimCurvePicture(*in.trim, in.lang, tv::kTrimCurvePictureSize, pictureScale, in.units);
    for (int w = 1; w <= tv::kWingMax; ++w) {
        d.WingAcX[w] = r && r->usable ? r->WingAcX[w] : 0;
        if (r && r->latticeKnown()) d.WingLiftSlope[w] = r->ws->WingLiftSlope[w];
    }
    const tv::AircraftViewGeometry g = tv::fitAircraftView(in.model, tv::kAircraftPictureSize);
    in.stability.overlay.pressureOn = false;
    d.aircraftPicture = drawPicture(tv::kAircraftPictureSize, pictureScale, [&](QPainter& p) {
        tv::clearImage(p, tv::kAircraftPictureSize, in.stability.colours.toolTipBackground, tv::kGreyOutline);
        if (np)
            tv::STABIL(p, tv::kAircraftPictureSize, in.stability, g);
        else
            tv::d_1d(p, tv::kAircraftPictureSize, in.model, g, in.flightCaption);
    });
    in.view3D.View3DScale = g.View3DScale;
    in.view3D.pressureOn = false;
    auto state = std::make_unique<tv::View3DState>();
    d.view3DPicture = drawPicture(tv::kView3DPictureSize, pictureScale,
                                  [&](QPainter& p) { tv::d_3d(p, tv::kView3DPictureSize, in.view3D, *state); });
    return d;
}
