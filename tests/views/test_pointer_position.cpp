// The pointer's pixel read back in the aircraft frame agrees with where the views draw.
#include "views/aircraft_view.h"
#include "views/pointer_position.h"

#include "model/planform.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

TEST(PointerPosition, AircraftViewReadsEachWingsRootLeadingEdgeAtItsPosition) {
    const tv::Aircraft ac = tv::computeAircraft(tv::defaultAircraftTexts());
    const tv::AircraftViewGeometry g = tv::fitAircraftView(ac, QSize(545, 396));
    const double mmPerPixel = 1 / g.AircraftScale;
    for (int w = 1; w <= tv::kWingMax; ++w) {
        SCOPED_TRACE(w);
        // The drawing's row of the wing's root (d_1d_w): PositionX * scale + datum, rounded.
        const int row = int(std::lround(ac.Wings[w].PositionX * g.AircraftScale + g.AircraftDatumY));
        const auto p = tv::aircraftViewPointAt(g, QPoint(g.AircraftCentreX, row));
        ASSERT_TRUE(p);
        EXPECT_NEAR(p->x, ac.Wings[w].PositionX, mmPerPixel);
        EXPECT_EQ(p->y, 0);
    }
    const auto left = tv::aircraftViewPointAt(g, QPoint(g.AircraftCentreX - 50, g.AircraftDatumY - 10));
    EXPECT_LT(left->y, 0);
    EXPECT_LT(left->x, 0) << "ahead of the datum is negative x";
}

TEST(PointerPosition, PlanformViewAddsTheWingsPositionAndRefusesAScaleOfZero) {
    const QSize image(406, 330); // origin (203, 110)
    EXPECT_EQ(tv::planformViewPointAt(image, 0.5, 1167, QPoint(203, 110)), (tv::AircraftFramePoint{1167, 0}));
    EXPECT_EQ(tv::planformViewPointAt(image, 0.5, -300, QPoint(153, 130)), (tv::AircraftFramePoint{-260, -100}));
    EXPECT_FALSE(tv::planformViewPointAt(image, 0, 0, QPoint(1, 1)));
    EXPECT_FALSE(tv::aircraftViewPointAt(tv::AircraftViewGeometry{0}, QPoint(1, 1)));
}

// The status line writes the position in the chosen unit, in each of its forms.
TEST(PointerPosition, TheStatusLineWritesThePositionInTheChosenUnit) {
    const QFontMetrics fm{QFont()};
    struct Row {
        tv::UiLanguage lang;
        tv::Unit unit;
        const char* figures;
    };
    for (const Row& r : {Row{tv::UiLanguage::English, tv::Unit::Millimetre, "x 254 mm, y -12 mm"},
                         Row{tv::UiLanguage::German, tv::Unit::Inch, "x 10.00 in, y -0.47 in"},
                         Row{tv::UiLanguage::Spanish, tv::Unit::Inch, "x 10.00 pulg, y -0.47 pulg"},
                         Row{tv::UiLanguage::English, tv::Unit::Centimetre, "x 25.4 cm, y -1.2 cm"}})
        for (int width : {100000, fm.horizontalAdvance(QString::fromUtf8(r.figures)) + 1})
            EXPECT_TRUE(tv::fittedPointerText(fm, width, r.lang, {254, -12}, r.unit).startsWith(QString::fromUtf8(r.figures)))
                << r.figures << " in " << width;
}

} // namespace
