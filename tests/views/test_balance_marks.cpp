// The balance marks over the stability picture: the mean chord at its span station on the left
// half with ticks at both ends, the recommended range along it, My CG in its verdict's colour;
// nothing at all without a mean chord, so the picture stays as it was.
#include "stability/balance.h"
#include "views/result_placement.h"
#include "views/stability_view.h"
#include "views_fixture.h"

#include <gtest/gtest.h>

using tvtest::at;

namespace {

const QSize kSize(800, 500);

// One rectangle wing (chord 200, half span 300): its mean chord runs from x 0 to 200 at y 150.
struct BalanceMarksFixture : testing::Test {
    tv::Aircraft ac;
    tv::StabilityScene scene;
    tv::AircraftViewGeometry g;
    BalanceMarksFixture() {
        tvtest::WingSpec wing;
        wing.span[1] = 300;
        ac = tvtest::makeAircraft(1, &wing);
        scene.aircraft = &ac;
        scene.NeutralPointKnown = true;
        scene.reference = {60000 * 2, 200, 50};
        scene.numbers = tv::computeStability(scene.aircraft->WingCount, 50, 200, 7.5);
        scene.colours.toolTipBackground = tvtest::kTip;
        g = tv::fitAircraftView(ac, kSize);
    }
    QImage draw() {
        QImage img = tvtest::blankImage(kSize.width(), kSize.height(), Qt::white);
        QPainter p(&img);
        tv::STABIL(p, kSize, scene, g);
        return img;
    }
    tv::BalanceMarks marks(std::optional<double> myCg, tv::CgVerdict v) {
        tv::BalanceMarks m;
        m.mac = tv::meanChord(ac.Wings[1]);
        m.cgForward = 34;
        m.cgAft = 42;
        m.myCg = myCg;
        m.verdict = v;
        m.verdictKnown = true;
        m.myCgCaption = "My CG";
        return m;
    }
};

} // namespace

TEST_F(BalanceMarksFixture, MeanChordWithItsTicksRangeAndMyCgInTheVerdictsColour) {
    const std::optional<tv::MeanChord> mac = tv::meanChord(ac.Wings[1]);
    ASSERT_TRUE(mac);
    ASSERT_NEAR(mac->StationY, 150, 1e-9);
    const int c = tv::meanChordColumn(g, mac->StationY);
    EXPECT_LT(c, g.AircraftCentreX) << "the left half, away from the lattice";
    const int le = tv::markerRow(g, mac->LeadingEdgeX), te = tv::markerRow(g, mac->LeadingEdgeX + mac->Length);
    const tv::CgVerdict verdicts[] = {tv::CgVerdict::Inside, tv::CgVerdict::NoseHeavy, tv::CgVerdict::TooFarAft,
                                      tv::CgVerdict::Unstable};
    for (const tv::CgVerdict v : verdicts) {
        scene.balance = marks(120, v);
        const QImage img = draw();
        SCOPED_TRACE(int(v));
        for (const QPoint tickEnd : {QPoint(c - 5, le), QPoint(c + 5, le), QPoint(c - 5, te), QPoint(c + 5, te)})
            EXPECT_EQ(at(img, tickEnd.x(), tickEnd.y()), QColor(Qt::black)) << tickEnd.x() << "," << tickEnd.y();
        EXPECT_EQ(at(img, c, tv::markerRow(g, 15)), QColor(Qt::black)) << "the chord line";
        EXPECT_EQ(at(img, c - 9, tv::markerRow(g, 38)), QColor(Qt::blue)) << "the range bar";
        EXPECT_EQ(at(img, c, tv::markerRow(g, 120)), tv::verdictColour(v)) << "My CG";
        const QRegion area = tv::balanceMarksArea(QPainter(&const_cast<QImage&>(img)).fontMetrics(), g, scene.balance);
        EXPECT_TRUE(area.contains(QPoint(c - 20, tv::markerRow(g, 120)))) << "the caption, towards the tip, is part of the marks";
    }
}

TEST_F(BalanceMarksFixture, WithoutAMeanChordThePictureIsUnchanged) {
    const QImage plain = draw();
    scene.balance = marks(120, tv::CgVerdict::Inside);
    scene.balance.mac.reset();
    EXPECT_EQ(draw(), plain);
    scene.balance = marks(120, tv::CgVerdict::Inside);
    EXPECT_NE(draw(), plain);
}

// On every starting aircraft the marks (mean chord, range, My CG and its caption) stand clear of
// the result lines, in every language.
TEST(BalanceMarks, StandClearOfTheResultLinesOnEveryStartingAircraft) {
    for (const char* name : tvtest::kStartingAircraft)
        for (const tv::UiLanguage lang : {tv::UiLanguage::English, tv::UiLanguage::German, tv::UiLanguage::Spanish}) {
            SCOPED_TRACE(testing::Message() << name << " language " << int(lang));
            const tvtest::CalculatedAircraft& c = tvtest::startingAircraft(name);
            tv::StabilityScene scene = tvtest::calculatedScene(c, lang);
            scene.balance.mac = tv::meanChord(c.aircraft.Wings[c.solver->ReferenceWing]);
            ASSERT_TRUE(scene.balance.mac);
            scene.balance.cgForward = c.reference.NeutralPointX - 30;
            scene.balance.cgAft = c.reference.NeutralPointX - 10;
            scene.balance.myCg = c.reference.NeutralPointX;
            scene.balance.myCgCaption = "Mi CG: demasiado atrás";
            for (const QSize size : {QSize(545, 396), QSize(593, 330)}) {
                QImage img = tvtest::blankImage(size.width(), size.height());
                QPainter p(&img);
                const tv::StabilityPicture pic = tv::STABIL(p, size, scene, tv::fitAircraftView(c.aircraft, size));
                const tv::MarksSurroundings around{
                    pic.resultBox, tv::drawnWingAreas(c.aircraft, &c.solver->ReferenceOutline, size.width(), pic.geometry), size};
                const QRegion marks = tv::balanceMarksArea(p.fontMetrics(), pic.geometry, scene.balance, around);
                EXPECT_FALSE(marks.intersects(pic.resultBox)) << size.width();
                EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(marks.boundingRect())) << size.width();
                if (std::string(name) == "canard" && lang == tv::UiLanguage::Spanish) tvtest::keep(img, "balance_marks_canard_es");
            }
        }
}

// The glider with its wing at x = 50 and My CG at 80: the caption stands off every wing as drawn
// (the reference outline included) and off the result lines, in every language; a caption moved off
// its mark's row is tied to it by a leader line.
TEST(BalanceMarks, TheCaptionCoversNoWing) {
    tv::AircraftTexts texts = tvtest::exampleTexts("glider-2m");
    texts.wings[1][tv::WingField::PositionX] = "50";
    const tvtest::CalculatedAircraft c = tvtest::calculatedAircraft("glider at 50", texts);
    for (const tv::UiLanguage lang : {tv::UiLanguage::English, tv::UiLanguage::German, tv::UiLanguage::Spanish}) {
        tv::StabilityScene scene = tvtest::calculatedScene(c, lang);
        scene.balance.mac = tv::meanChord(c.aircraft.Wings[c.solver->ReferenceWing]);
        scene.balance.cgForward = c.reference.NeutralPointX - 30;
        scene.balance.cgAft = c.reference.NeutralPointX - 10;
        scene.balance.myCg = 80;
        scene.balance.verdictKnown = true;
        scene.balance.myCgCaption = lang == tv::UiLanguage::English ? "My CG: inside" : "Mi CG: demasiado atrás";
        for (const QSize size : {QSize(545, 396), QSize(800, 500)}) {
            SCOPED_TRACE(testing::Message() << "language " << int(lang) << " width " << size.width());
            QImage img = tvtest::blankImage(size.width(), size.height());
            QPainter p(&img);
            const tv::StabilityPicture pic = tv::STABIL(p, size, scene, tv::fitAircraftView(c.aircraft, size));
            const tv::MarksSurroundings around{
                pic.resultBox, tv::drawnWingAreas(c.aircraft, &c.solver->ReferenceOutline, size.width(), pic.geometry), size};
            const QRect caption = tv::balanceCaptionBox(p.fontMetrics(), pic.geometry, scene.balance, around);
            ASSERT_FALSE(caption.isEmpty());
            for (const QPolygon& wing : around.wings) EXPECT_FALSE(QRegion(wing).intersects(caption));
            EXPECT_FALSE(caption.intersects(pic.resultBox));
            EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(caption));
            if (lang == tv::UiLanguage::English) tvtest::keep(img, "balance_caption_glider_" + std::to_string(size.width()));
        }
    }
}
