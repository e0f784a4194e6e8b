// The trim page's units: a typed target speed and flying mass are read in the chosen unit or in
// the unit written after them, the project keeps grams and m/s, and the figures and the strip
// follow the units; metric reads and shows everything as it always has.
#include "window_fixture.h"

#include "app/pages/trim_page.h"
#include "app/pages/trim_state.h"
#include "model/numformat.h"
#include "model/planform.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <cmath>

namespace {

tv::DisplayUnits speedIn(tv::Unit u) {
    tv::DisplayUnits d;
    d.speed = u;
    return d;
}

TEST(TrimUnits, ATypedTargetSpeedIsReadInTheChosenUnitOrInTheOneWrittenAfterIt) {
    struct Row {
        tv::Unit chosen;
        const char* typed;
        double metresPerSecond;
    };
    const Row rows[] = {
        {tv::Unit::MetrePerSecond, "12", 12},
        {tv::Unit::MetrePerSecond, "12.5abc", 12.5}, // read leniently, as the field always was
        {tv::Unit::MetrePerSecond, "27 mph", 27 * 0.44704},
        {tv::Unit::MilePerHour, "27", 27 * 0.44704},
        {tv::Unit::MilePerHour, "12 m/s", 12},
        {tv::Unit::KilometrePerHour, "36", 10},
        {tv::Unit::MilePerHour, "", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        const TrimAsk ask{tv::TrimQuestion::TargetSpeed, row.typed, 2};
        const TrimInputs in = trimInputsFor(tv::AircraftTexts{}, ask, speedIn(row.chosen));
        EXPECT_NEAR(in.targetSpeed, row.metresPerSecond, 1e-9);
        EXPECT_EQ(in.targetCl, 0);
        EXPECT_EQ(in.trimWing, 2);
    }
    const TrimInputs cl = trimInputsFor(tv::AircraftTexts{}, {tv::TrimQuestion::TargetCl, "0.45", 0}, speedIn(tv::Unit::MilePerHour));
    EXPECT_EQ(cl.targetCl, 0.45) << "a lift coefficient has no unit";
}

TEST(TrimUnits, ATypedMassIsKeptInGramsAndShownInTheChosenUnit) {
    const std::string ounces = tv::formatFixed(24.7 * 28.349523125, 0, 2); // "700.23"
    struct Row {
        tv::Unit chosen;
        const char* typed;
        std::string stored;
    };
    const Row rows[] = {
        {tv::Unit::Gram, "700", "700"},
        {tv::Unit::Gram, "700,5", "700,5"},  // metric keeps whatever is typed, as it always has
        {tv::Unit::Gram, "", ""},            // the balance table's total
        {tv::Unit::Gram, "24.7 oz", ounces},
        {tv::Unit::Ounce, "24.7", ounces},
        {tv::Unit::Ounce, "700 g", "700"},
        {tv::Unit::Kilogram, "1.45", "1450"},
        {tv::Unit::Ounce, "", ""},
        {tv::Unit::Ounce, "-2", "-56.7"}, // refused by the trim, in ounces
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(storedMassText(row.typed, row.chosen), row.stored);
        EXPECT_EQ(massFieldText(row.stored, row.typed, row.chosen), row.chosen == tv::Unit::Gram ? row.stored : row.typed)
            << "the field keeps what was typed while it gives the stored mass";
    }
    EXPECT_EQ(massFieldText("1450", "", tv::Unit::Ounce), "51.15");
    EXPECT_EQ(massFieldText("1450", "24.7", tv::Unit::Ounce), "51.15") << "typed for another mass: the stored one";
    EXPECT_EQ(massFieldText("1450", "", tv::Unit::Kilogram), "1.450");
    EXPECT_EQ(massFieldText("abc", "", tv::Unit::Ounce), "abc");
}

TEST(TrimUnits, TheFiguresAndTheStripFollowTheUnitsAndMetricStaysAsItWas) {
    tv::TrimResult r;
    r.WingCount = 1, r.HigherClWing = 1, r.CgX = 254, r.Speed = 11.176, r.Cl = 0.5;
    const TrimState s{true, 254, r};
    EXPECT_EQ(trimStripPart(tv::UiLanguage::English, s), "Trim V 11.2 m/s");
    EXPECT_EQ(trimStripPart(tv::UiLanguage::English, s, tv::kImperialUnits), "Trim V 25.0 mph");
    EXPECT_EQ(trimPageLines(tv::UiLanguage::English, s)[0], "Trim at CG 254.0 mm");
    EXPECT_EQ(trimPageLines(tv::UiLanguage::English, s, tv::kImperialUnits)[0], "Trim at CG 10.000 in");
    r.Speed.reset(), r.Decalage = 1.25;
    EXPECT_EQ(trimStripPart(tv::UiLanguage::German, {true, 254, r}), "Trimm: EWD 1.25°");
}

// The page shows the stored grams in the chosen unit, hands a typed mass back in grams, keeps what
// was typed while it stands for the stored mass, and names the units in its captions.
TEST(TrimUnits, ThePageTakesAndShowsTheMassInTheChosenUnit) {
    ScriptedDialogs dialogs;
    TrimPage page(Placement{}, dialogs);
    tv::AircraftTexts texts;
    texts.WingCount = 1;
    texts.Trim.Mass = "1450";
    tv::DisplayUnits units = tv::kImperialUnits;
    const TrimState none;
    page.setSceneSource([&] {
        tv::Aircraft ac = tv::computeAircraft(texts);
        return TrimScene{ac, [&]() -> const TrimState& { return none; }, tv::UiLanguage::English, units};
    });
    QObject::connect(&page, &TrimPage::edited, [&](const tv::TrimTexts& t, const tv::EditStep&, bool) {
        texts.Trim = t; // as the window stores it
        page.refresh();
    });
    auto* mass = page.findChild<QLineEdit*>("Edit_TrimMass");
    const auto captions = [&] {
        QStringList all;
        for (const QLabel* l : page.findChildren<QLabel*>()) all << l->text();
        auto* question = page.findChild<QComboBox*>("Combo_TrimQuestion");
        for (int i = 0; i < question->count(); ++i) all << question->itemText(i);
        return all;
    };
    EXPECT_EQ(mass->text(), "51.15");
    EXPECT_TRUE(captions().contains("Flying mass (oz)"));
    EXPECT_TRUE(captions().contains("target speed (mph)"));
    mass->selectAll();
    mass->insert("24.7"); // as typed
    EXPECT_EQ(texts.Trim.Mass, "700.23");
    EXPECT_EQ(mass->text(), "24.7");
    units = tv::kMetricUnits;
    page.refresh();
    EXPECT_EQ(mass->text(), "700.23");
    EXPECT_TRUE(captions().contains("Flying mass (g)"));
    mass->selectAll();
    mass->insert("900");
    EXPECT_EQ(texts.Trim.Mass, "900") << "grams are kept as typed";
}

} // namespace
