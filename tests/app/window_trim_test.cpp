// The trim page: every edit is one undoable step kept with the project and carried by Save, Open
// and New; its figures are the trim unit's for the current result; a bad airfoil file is refused
// with its error and changes nothing; a refused trim says why and never shows a NaN.
#include "window_fixture.h"

#include "app/calculation/calculation_result.h"
#include "app/span_loading_window.h"
#include "i18n/trim_page_texts.h"
#include "stability/balance.h"
#include "app/pages/trim_curve_chart.h"
#include "model/numformat.h"
#include "printing/report_page.h"
#include "views/span_loading.h"
#include "trim/trim.h"
#include "trim/trim_texts.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

class TrimTest : public WindowTest {
protected:
    QString figures() { return get<QPlainTextEdit>("MemoTrim")->toPlainText(); }
    /// Typed over whatever the field holds, as the user types it; the typing ends with Tab.
    void type(const char* field, const QString& t) {
        auto* e = get<QLineEdit>(field);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, t);
        QTest::keyClick(e, Qt::Key_Tab);
    }
    void ask(int question, const QString& target, int trimWing) {
        get<QComboBox>("Combo_TrimQuestion")->setCurrentIndex(question);
        type("Edit_TrimTarget", target);
        auto* v = get<QComboBox>("Combo_TrimVariable");
        v->setCurrentIndex(v->findData(trimWing));
    }
    static bool holdsNan(const QString& s) {
        return s.contains("nan", Qt::CaseInsensitive) || s.contains("inf", Qt::CaseInsensitive);
    }
};

TEST_F(TrimTest, AnEditIsOneUndoableStepCarriedBySaveOpenAndNew) {
    TForm1& f = make();
    showPage("TabSheetTrim");
    const std::size_t steps = f.history().undoCount();
    type("Edit_Incidence", "2.5");
    EXPECT_EQ(f.fieldTexts().Trim.Wings[1].Incidence, "2.5");
    EXPECT_EQ(f.history().undoCount(), steps + 1) << "the typing is one step";
    EXPECT_EQ(get<QAction>("Undo1")->text(), "Undo trim settings");
    EXPECT_TRUE(f.aircraftModified());
    // A NACA name fills the zero-lift angle and the moment with its thin-airfoil values, one step.
    type("Edit_Airfoil1", "NACA 2412");
    EXPECT_EQ(f.history().undoCount(), steps + 2);
    EXPECT_NEAR(text("Edit_Alpha0_1").toDouble(), -2.08, 0.02);
    EXPECT_NEAR(text("Edit_Cm0_1").toDouble(), -0.053, 0.002);
    // A wing field typed afterwards keeps the trim settings.
    setText("Edit_x2", "900");
    EXPECT_EQ(f.fieldTexts().Trim.Wings[1].Sections[1].Airfoil, "NACA 2412");
    trigger("Undo1");
    trigger("Undo1");
    EXPECT_EQ(text("Edit_Airfoil1"), "");
    trigger("Undo1");
    EXPECT_EQ(text("Edit_Incidence"), "");
    EXPECT_TRUE(f.fieldTexts().Trim.empty());
    for (int i = 0; i < 3; ++i) trigger("Redo1");
    EXPECT_EQ(text("Edit_Incidence"), "2.5");
    EXPECT_EQ(text("Edit_Airfoil1"), "NACA 2412");

    dialogs.answers.push_back(path("trimmed.tv4"));
    trigger("Save2");
    const QByteArray saved = readAll(path("trimmed.tv4"));
    EXPECT_TRUE(saved.contains("<incidence>2.5</incidence>"));
    EXPECT_FALSE(f.aircraftModified());
    f.startNewAircraft(0);
    EXPECT_TRUE(f.fieldTexts().Trim.empty()) << "New starts without the last project's settings";
    EXPECT_EQ(text("Edit_Incidence"), "");
    f.openProject(path("trimmed.tv4"));
    EXPECT_EQ(text("Edit_Incidence"), "2.5");
    EXPECT_FALSE(f.aircraftModified());
    dialogs.answers.push_back(path("again.tv4"));
    trigger("Save2");
    EXPECT_EQ(readAll(path("again.tv4")), saved) << "the trim block is kept through Open and Save";
}

TEST_F(TrimTest, ThePageShowsTheTrimUnitsFiguresForTheGlider) {
    TForm1& f = make();
    f.startNewAircraft(0);
    showPage("TabSheetTrim");
    type("Edit_Airfoil1", "NACA 2412");
    click("Button4");
    ASSERT_TRUE(f.latticeKnown());
    showPage("TabSheetTrim");
    ask(1, "0.5", 2);

    const CalculationResult* r = f.currentResult();
    tv::Aircraft ac = r->aircraft;
    ac.Trim = f.fieldTexts().Trim;
    tv::TrimRequest request;
    request.Question = tv::TrimQuestion::TargetCl;
    request.TargetCl = 0.5;
    request.TrimWing = 2;
    request.CgX = f.stabilityNumbers().CgDesired;
    const tv::TrimResult core = tv::computeTrim(ac, *r->ws, request);
    ASSERT_TRUE(core.ok()) << tv::trimProblemText(tv::UiLanguage::English, core);
    ASSERT_TRUE(core.Decalage);
    EXPECT_GT(*core.Decalage, 0) << "a cambered wing and a symmetric tail: a small positive decalage";
    const std::string decalage = tv::formatFixed(*core.Decalage, 0, 2);
    EXPECT_TRUE(figures().contains(QString::fromStdString("decalage " + decalage + " deg"))) << figures().toStdString();
    EXPECT_TRUE(figures().contains(QString::fromStdString("CL " + tv::formatFixed(core.Cl, 0, 3))));
    EXPECT_TRUE(text("TrimStrip").contains(QString::fromStdString(decalage))) << text("TrimStrip").toStdString();
    EXPECT_EQ(get<TrimCurveChart>("Chart_Trim")->clPoints(), int(core.Curve.size()));
    // Copy results and the printed report carry the same trim block.
    const std::string line = tv::trimReportLines(tv::UiLanguage::English, core)[2];
    EXPECT_NE(f.resultsReport().find(line), std::string::npos) << f.resultsReport();
    bool printed = false;
    for (const tv::ReportText& t : tv::reportPageTexts(f.reportData())) printed = printed || t.text == line;
    EXPECT_TRUE(printed) << line;
    EXPECT_FALSE(f.reportData().trimCurvePicture.isNull()) << "the curve is drawn under the block";
    // The span loading shows the trimmed cl beside the unit loading, its highest the trim's.
    const tv::SpanLoadingScene loading = f.spanLoadingScene();
    ASSERT_EQ(loading.trimmed.size(), 2u);
    EXPECT_NEAR(*std::max_element(loading.trimmed[0].load.begin(), loading.trimmed[0].load.end()), core.Wings[1].MaxCl, 1e-12);

    // With a mass the page answers the speed, which the strip shows.
    ask(0, "", 0);
    type("Edit_TrimMass", "700");
    const QString speedLine = figures();
    EXPECT_TRUE(speedLine.contains("speed ")) << speedLine.toStdString();
    EXPECT_TRUE(text("TrimStrip").contains("m/s")) << text("TrimStrip").toStdString();
    EXPECT_GT(get<TrimCurveChart>("Chart_Trim")->speedPoints(), 0);
    // A balance table's total is the flying mass: the typed one is greyed and not used.
    showPage("TabSheetBalance");
    click("ButtonRowAdd");
    auto* table = get<QTableWidget>("TableBalance");
    table->item(0, 1)->setText("1400");
    table->item(0, 2)->setText("90");
    showPage("TabSheetTrim");
    EXPECT_FALSE(get<QLineEdit>("Edit_TrimMass")->isEnabled());
    EXPECT_TRUE(get<QLineEdit>("Edit_TrimMass")->toolTip().contains("1400 g"));
    EXPECT_NE(figures(), speedLine) << "the table's 1400 g, not the typed 700 g";
}

TEST_F(TrimTest, ABadAirfoilFileShowsItsErrorAndChangesNothing) {
    TForm1& f = make();
    showPage("TabSheetTrim");
    type("Edit_Airfoil1", "NACA 0012");
    const tv::AircraftTexts before = f.fieldTexts();
    const std::size_t steps = f.history().undoCount();
    struct Row {
        const char* name;
        QByteArray bytes;
        const char* error;
    };
    const Row rows[] = {
        {"words.dat", "MY FOIL\n1.0 0.0\n0.5 abc\n", "not two numbers (line 3)"},
        {"empty.dat", "", "no coordinates"},
        {"missing.dat", QByteArray(), "cannot be read"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (QByteArray(row.name) != "missing.dat") {
            ASSERT_TRUE(writeAll(path(row.name), row.bytes));
        }
        dialogs.errors.clear();
        dialogs.answers.push_back(path(row.name));
        click("Button_LoadAirfoil1");
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors[0].contains(row.error)) << dialogs.errors[0].toStdString();
        EXPECT_EQ(text("Edit_Airfoil1"), "NACA 0012");
        EXPECT_EQ(f.fieldTexts().Trim, before.Trim);
        EXPECT_EQ(f.history().undoCount(), steps);
    }
    ASSERT_TRUE(writeAll(path("good.dat"), "FLAT PLATE\n1 0\n0.5 0.01\n0 0\n0.5 -0.01\n1 0\n"));
    dialogs.answers.push_back(path("good.dat"));
    click("Button_LoadAirfoil1");
    EXPECT_EQ(text("Edit_Airfoil1"), "FLAT PLATE");
    EXPECT_EQ(f.history().undoCount(), steps + 1);
}

TEST_F(TrimTest, ARefusedTrimSaysWhyAndShowsNoNan) {
    TForm1& f = make();
    click("Button4");
    ASSERT_TRUE(f.latticeKnown());
    const QString behind = QString::number(f.reference().NeutralPointX + 20, 'f', 1);
    struct Row {
        const char* what;
        QString myCg, mass;
        int question;
        QString target;
        const char* says;
    };
    const Row rows[] = {
        {"CG behind the NP", behind, "", 0, "", "no stable trim: the CG is at or behind the neutral point"},
        {"target CL 0", "", "", 1, "0", "the target CL or speed must be above 0"},
        {"mass below 0", "", "-5", 2, "12", "the flying mass must be above 0 g"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        showPage("TabSheetBalance");
        type("Edit_MyCg", row.myCg);
        showPage("TabSheetTrim");
        type("Edit_TrimMass", row.mass);
        ask(row.question, row.target, 0);
        EXPECT_TRUE(figures().contains(row.says)) << figures().toStdString();
        EXPECT_FALSE(holdsNan(figures())) << figures().toStdString();
        EXPECT_FALSE(holdsNan(text("TrimStrip")));
    }
}

} // namespace

namespace {

TEST_F(TrimTest, AnAirfoilNameTheFileCannotHoldIsAskedAboutBeforeSaving) {
    make();
    showPage("TabSheetTrim");
    get<QLineEdit>("Edit_Airfoil1")->insert(QString::fromUtf8("Ł-12")); // as typed: an edit
    dialogs.confirmation = false;
    dialogs.answers.push_back(path("foil.tv4"));
    trigger("Save2");
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings[0].contains(QString::fromUtf8("Ł")));
    EXPECT_FALSE(QFile::exists(path("foil.tv4")));
}

TEST_F(TrimTest, LiveResultsAndTrimEditsKeepThePageCurrent) {
    TForm1& f = makeLive();
    showPage("TabSheetTrim");
    ask(1, "0.5", 2);
    const QString before = figures();
    ASSERT_TRUE(before.contains("decalage ")) << before.toStdString();
    type("Edit_TrimMass", "800");
    EXPECT_TRUE(f.latticeKnown()) << "a trim setting leaves the calculation current";
    EXPECT_NE(figures(), before) << "the speed joins the figures";
    setText("Edit_x2", "1000"); // a longer tail arm: the live result brings another decalage
    waitLive();
    ASSERT_TRUE(f.latticeKnown());
    const CalculationResult* r = f.currentResult();
    tv::Aircraft ac = r->aircraft;
    ac.Trim = f.fieldTexts().Trim;
    const tv::TrimResult core = tv::computeTrim(ac, *r->ws, {tv::TrimQuestion::TargetCl, 0.5, 0, 2,
                                                             f.stabilityNumbers().CgDesired, std::nullopt});
    ASSERT_TRUE(core.Decalage);
    EXPECT_TRUE(figures().contains(QString::fromStdString("decalage " + tv::formatFixed(*core.Decalage, 0, 2))))
        << figures().toStdString();
}

TEST_F(TrimTest, WithoutTrimSettingsTheTrimWaitsForItsPageAndThenShowsTheCurrentAircraft) {
    TForm1& f = makeLive();
    setText("Edit_x2", "1000"); // a live result with the page closed: no trim is solved for it
    waitLive();
    ASSERT_TRUE(f.latticeKnown());
    EXPECT_FALSE(get<QLabel>("TrimStrip")->isVisible()) << "no trim part without trim settings";
    showPage("TabSheetTrim");
    QString expected;
    for (const std::string& l : trimPageLines(tv::UiLanguage::English, f.trimState())) expected += QString::fromStdString(l) + "\n";
    EXPECT_EQ(figures(), expected) << "the page opened shows the trim of the aircraft on screen";
}

} // namespace

namespace {

/// The trim of the aircraft on screen solved afresh from what the window holds now: the current
/// result, the project's trim and balance texts, My CG or else the recommended CG, the question.
tv::TrimResult freshTrim(TForm1& f, tv::TrimQuestion question, double target, int trimWing) {
    const CalculationResult* r = f.currentResult();
    tv::Aircraft ac = r->aircraft;
    ac.Trim = f.fieldTexts().Trim;
    ac.Balance = f.fieldTexts().Balance;
    const tv::BalanceFigures b = tv::balanceFigures(ac, r->ws->ReferenceWing, f.reference(), f.stabilityNumbers());
    tv::TrimRequest q;
    q.Question = question;
    (question == tv::TrimQuestion::TargetSpeed ? q.TargetSpeed : q.TargetCl) = target;
    q.TrimWing = trimWing;
    q.CgX = b.MyCg.ok() ? b.MyCg.X : f.stabilityNumbers().CgDesired;
    return tv::computeTrim(ac, *r->ws, q);
}

TEST_F(TrimTest, NoEditLeavesAStaleTrimOnThePageTheStripTheSpanLoadingOrTheReport) {
    TForm1& f = makeLive();
    showPage("TabSheetTrim");
    tv::TrimQuestion question = tv::TrimQuestion::AsSet;
    double target = 0;
    int trimWing = 0;
    const auto asked = [&](int q, const QString& t, int wing) {
        ask(q, t, wing);
        question = tv::TrimQuestion(q), target = t.toDouble(), trimWing = wing;
    };
    const auto myCg = [&](const QString& x) {
        showPage("TabSheetBalance");
        type("Edit_MyCg", x);
        showPage("TabSheetTrim");
    };
    struct Row {
        const char* edit;
        std::function<void()> apply;
    };
    const Row rows[] = {
        {"trim setting", [&] { type("Edit_Incidence", "1.5"); }},
        {"flying mass", [&] { type("Edit_TrimMass", "900"); }},
        {"target CL", [&] { asked(1, "0.45", 2); }},
        {"target speed", [&] { asked(2, "14", 2); }},
        {"My CG", [&] { myCg(QString::number(f.reference().NeutralPointX - 25, 'f', 1)); }},
        {"My CG cleared", [&] { myCg(""); }},
        {"desired margin", [&] { setText("Edit_Mstab", "12"); }},
        {"geometry", [&] { setText("Edit_x2", "1000"); }},
        {"undo", [&] { trigger("Undo1"); }},
        {"redo", [&] { trigger("Redo1"); }},
        {"twist", [&] { type("Edit_Twist2", "-2"); }},
        {"trim setting while the worker solves", [&] {
             setText("Edit_x2", "1050");
             f.requestLiveCalculation(); // the worker's trim is for the incidence before the typing
             type("Edit_Incidence", "0.5");
         }},
        {"open project", [&] {
             dialogs.answers.push_back(path("trim.tv4"));
             trigger("Save2");
             type("Edit_Incidence", "3");
             f.openProject(path("trim.tv4"));
             waitLive();
             if (!f.latticeKnown()) click("Button4");
             showPage("TabSheetTrim");
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.edit);
        row.apply();
        waitLive();
        ASSERT_TRUE(f.latticeKnown());
        const tv::TrimResult expected = freshTrim(f, question, target, trimWing);
        ASSERT_TRUE(expected.ok()) << tv::trimProblemText(tv::UiLanguage::English, expected);
        const std::optional<tv::TrimResult> reported = f.reportedTrim();
        ASSERT_TRUE(reported && reported->ok());
        EXPECT_NEAR(reported->CgX, expected.CgX, 1e-9);
        EXPECT_NEAR(reported->Alpha, expected.Alpha, 1e-9);
        EXPECT_NEAR(reported->Cl, expected.Cl, 1e-9);
        EXPECT_NEAR(reported->VariableTrim, expected.VariableTrim, 1e-9);
        EXPECT_EQ(reported->Speed.has_value(), expected.Speed.has_value());
        const TrimState state{true, expected.CgX, expected};
        QString lines;
        for (const std::string& l : trimPageLines(tv::UiLanguage::English, state)) lines += QString::fromStdString(l) + "\n";
        EXPECT_EQ(figures(), lines);
        EXPECT_EQ(text("TrimStrip").toStdString(), trimStripPart(tv::UiLanguage::English, state));
        EXPECT_EQ(f.spanLoadingScene().trimmedTitle,
                  tv::trimmedClTitle(tv::UiLanguage::English, tv::formatFixed(expected.Cl, 0, 3)));
        EXPECT_NE(f.resultsReport().find(tv::trimReportLines(tv::UiLanguage::English, expected)[1]), std::string::npos);
    }
}

TEST_F(TrimTest, ALiveResultBringsItsTrimAndPaintsAndReportsNeverSolveItAgain) {
    TForm1& f = makeLive();
    showPage("TabSheetTrim");
    type("Edit_Incidence", "1"); // trim settings: every result shows its trim
    f.SpanLoading1Click();
    showPage("TabSheet2");
    const int solves = f.trimSolves();
    setText("Edit_x2", "1000");
    waitLive();
    ASSERT_TRUE(f.latticeKnown());
    for (int i = 0; i < 3; ++i) f.spanLoadingWindow()->picture(QSize(400, 300));
    f.reportData();
    f.resultsReport();
    showPage("TabSheetTrim");
    EXPECT_EQ(f.trimSolves(), solves) << "the live worker solved it beside the lattice";
    ASSERT_TRUE(f.reportedTrim());
    EXPECT_NEAR(f.reportedTrim()->Alpha, freshTrim(f, tv::TrimQuestion::AsSet, 0, 0).Alpha, 1e-9);
    // A trim input alone is solved on the window's thread when it changes, then only read.
    get<QComboBox>("Combo_TrimQuestion")->setCurrentIndex(1);
    type("Edit_TrimTarget", "5");
    const int asked = f.trimSolves();
    EXPECT_GT(asked, solves);
    for (int i = 0; i < 3; ++i) f.spanLoadingWindow()->picture(QSize(400, 300));
    f.resultsReport();
    f.reportData();
    EXPECT_EQ(f.trimSolves(), asked);
}

} // namespace
