// The result lines of the stability picture stand where no wing is drawn: on the five starting
// aircraft in every language at the sizes the window and the report draw the view, and, where no
// rows along the left edge are free, in a fitted drawing shrunk to make room.
#include "views/result_placement.h"
#include "views/stability_view.h"
#include "views_fixture.h"

#include <gtest/gtest.h>

namespace {

const tv::UiLanguage kLanguages[] = {tv::UiLanguage::English, tv::UiLanguage::German, tv::UiLanguage::Spanish};

tv::StabilityScene placementScene(const tvtest::CalculatedAircraft& c, tv::UiLanguage lang) {
    tv::StabilityScene scene = tvtest::calculatedScene(c, lang);
    scene.colours.toolTipBackground = tvtest::kTip;
    scene.flightCaption = " flight direction";
    return scene;
}

tv::StabilityPicture drawStability(QImage& img, const tv::StabilityScene& scene, const tv::AircraftViewGeometry& g) {
    img = tvtest::blankImage(img.width(), img.height());
    QPainter p(&img);
    return tv::STABIL(p, img.size(), scene, g);
}

/// The wings alone, each outline in its colour, as the picture placed them.
QImage wingsAlone(const tv::Aircraft& ac, QSize size, const tv::AircraftViewGeometry& g) {
    QImage img = tvtest::blankImage(size.width(), size.height());
    QPainter p(&img);
    for (int w = 1; w <= ac.WingCount; ++w) tv::d_1d_w(p, ac, w, g);
    return img;
}

/// Empty when no wing's outline has a pixel in the box (grown by one pixel) and no wing encloses
/// it (outline pixels of one wing left and right of the box on its middle row); else what is wrong.
std::string wingTrouble(const QImage& wings, const QRect& box) {
    const QRect grown = box.adjusted(-1, -1, 1, 1);
    for (int w = 1; w <= tv::kWingMax; ++w) {
        const QColor c = tv::wingColour(w);
        if (tvtest::anyPixel(wings, grown, c)) return "outline of wing " + std::to_string(w) + " in the box";
        const int row = box.center().y();
        if (tvtest::anyPixel(wings, QRect(0, row, box.left(), 1), c) &&
            tvtest::anyPixel(wings, QRect(box.right() + 1, row, wings.width(), 1), c))
            return "the box lies inside wing " + std::to_string(w);
    }
    return {};
}

} // namespace

TEST(ResultPlacement, StartingAircraftInEveryLanguageKeepTheLinesOffTheWings) {
    // The view at the smallest window, a large window, and the report's picture.
    const QSize sizes[] = {{513, 387}, {1100, 560}, {593, 330}};
    for (const char* name : tvtest::kStartingAircraft) {
        const tvtest::CalculatedAircraft& c = tvtest::startingAircraft(name);
        for (const tv::UiLanguage lang : kLanguages)
            for (const QSize size : sizes)
                for (const bool manual : {false, true}) {
                    SCOPED_TRACE(testing::Message() << name << " language " << int(lang) << " " << size.width() << "x"
                                                    << size.height() << (manual ? " manual" : ""));
                    tv::StabilityScene scene = placementScene(c, lang);
                    scene.manual = manual;
                    QImage img(size, QImage::Format_RGB32);
                    const tv::StabilityPicture pic = drawStability(img, scene, tv::fitAircraftView(c.aircraft, size));
                    const QRect box = pic.resultBox;
                    ASSERT_TRUE(img.rect().contains(box));
                    EXPECT_TRUE(tvtest::anyPixel(img, box, QColor(255, 0, 0))) << "the neutral-point line is in the box";
                    EXPECT_EQ(wingTrouble(wingsAlone(c.aircraft, size, pic.geometry), box), "");
                    if (size == sizes[2] && lang == tv::UiLanguage::English && !manual)
                        tvtest::keep(img, std::string("stability_") + name);
                }
    }
}

TEST(ResultPlacement, AFittedDrawingWithoutFreeRowsIsShrunkAMagnifiedOneIsNot) {
    // One wing of chord 1000 and half span 500 fills the rows of the fit on the left: the lines
    // find room only under a shrunk drawing, whose marks then follow the shrunk scale.
    tvtest::WingSpec deep;
    deep.chord[1] = deep.chord[2] = 1000;
    const tv::Aircraft ac = tvtest::makeAircraft(1, &deep);
    const QSize size(500, 400);
    tv::StabilityScene scene;
    scene.aircraft = &ac;
    scene.NeutralPointKnown = true;
    scene.reference = {1e6, 1000, 250};
    scene.numbers = tv::computeStability(scene.aircraft->WingCount, 250, 1000, 7.5);
    const tv::AircraftViewGeometry fit = tv::fitAircraftView(ac, size);
    QImage img(size, QImage::Format_RGB32);
    const tv::StabilityPicture pic = drawStability(img, scene, fit);
    tvtest::keep(img, "stability_shrunk");
    EXPECT_LT(pic.geometry.AircraftScale, fit.AircraftScale);
    EXPECT_GT(pic.geometry.AircraftScale, 0.3 * fit.AircraftScale);
    EXPECT_EQ(wingTrouble(wingsAlone(ac, size, pic.geometry), pic.resultBox), "");
    const int c = tv::markerColumn(size.width());
    EXPECT_EQ(tvtest::at(img, c + 3, tv::markerRow(pic.geometry, 250)), QColor(255, 0, 0));
    // Magnified, the user's scale stays and the lines keep their standard rows.
    const tv::AircraftViewGeometry zoomed = tv::magnifiedGeometry(fit, 50);
    const tv::StabilityPicture big = drawStability(img, scene, zoomed);
    EXPECT_DOUBLE_EQ(big.geometry.AircraftScale, zoomed.AircraftScale);
    EXPECT_EQ(big.geometry.ResultLinesShift, 0);
}
