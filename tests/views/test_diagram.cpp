#include "views/dimension_diagram.h"
#include "views_fixture.h"

#include <gtest/gtest.h>

using tvtest::at;

namespace {

const QColor kWhite{255, 255, 255}, kBlack{0, 0, 0}, kRed{255, 0, 0}, kSilver{192, 192, 192}, kAqua{0, 255, 255};

QImage diagram(int trapezia, tv::UiLanguage lang = tv::UiLanguage::English) {
    QImage img = tvtest::blankImage(750, 200, Qt::white);
    QPainter p(&img);
    tv::DimensionDiagram(p, trapezia, lang);
    p.end();
    return img;
}

} // namespace

TEST(DimensionDiagram, TrapeziaFollowTheCount) {
    // Interior points of trapezia 1..4 of the sketch.
    const QPoint inside[5] = {{}, {200, 130}, {420, 140}, {570, 150}, {650, 165}};
    for (int count = 1; count <= 4; ++count) {
        SCOPED_TRACE(count);
        const QImage img = diagram(count);
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(at(img, inside[k].x(), inside[k].y()), k <= count ? kWhite : kSilver) << "trapezium " << k;
    }
}

TEST(DimensionDiagram, OutlineArrowsAndFlightDirection) {
    const QImage img = diagram(4);
    EXPECT_EQ(at(img, 0, 100), kSilver);                 // background
    EXPECT_EQ(at(img, 200, 193), kAqua);                 // thick trailing edge of trapezium 1
    EXPECT_EQ(at(img, 3, 100), kBlack);                  // x axis arrow
    EXPECT_EQ(at(img, 3, 194), kBlack);                  // its head pointing down at (3, 199)
    EXPECT_TRUE(tvtest::anyPixel(img, QRect(2, 190, 3, 1), kBlack));
    EXPECT_EQ(at(img, 400, 31), kBlack);                 // spanwise reference line
    EXPECT_EQ(at(img, 736, 31), kBlack);                 // its head at (740, 31)
    EXPECT_EQ(at(img, 731, 32), kBlack);
    EXPECT_EQ(at(img, 519, 150), kBlack);                // chord arrow of section 3 over the aqua edge
    EXPECT_EQ(at(img, 688, 190), kBlack);                // head of the tip chord arrow at (688, 195)
    EXPECT_EQ(at(img, 10, 20), kRed);                    // flight-direction arrow
    EXPECT_EQ(at(img, 11, 10), kRed);                    // its filled head
    EXPECT_TRUE(tvtest::anyPixel(img, QRect(17, 1, 120, 14), kRed)); // caption
    EXPECT_TRUE(tvtest::anyPixel(img, QRect(8, 174, 10, 16), kBlack)); // "x"
    EXPECT_TRUE(tvtest::anyPixel(img, QRect(722, 15, 10, 14), kBlack)); // "y"
    tvtest::keep(img, "diagram4");
}

TEST(DimensionDiagram, CaptionFollowsTheLanguage) {
    EXPECT_EQ(tv::diagramFlightCaption(tv::UiLanguage::English), " flight direction");
    EXPECT_EQ(tv::diagramFlightCaption(tv::UiLanguage::German), " Flugrichtung");
    EXPECT_EQ(tv::diagramFlightCaption(tv::UiLanguage::Spanish), "dirección de vuelo");
    // The German caption is shorter: its opaque box ends before the English one does.
    const QImage en = diagram(2, tv::UiLanguage::English), de = diagram(2, tv::UiLanguage::German);
    EXPECT_NE(en, de);
    tvtest::keep(de, "diagram2_de");
}
