// The result presenter without a window: what each kind of result shows and offers, and the
// heights a calculation moved written back by the command only, never into the field being typed.
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/result_presenter.h"
#include "app/result_commands.h"
#include "printing/report_page.h"
#include "views/span_loading.h"
#include "app/document/project_document.h"
#include "app/imagecontrol.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "document_view_fixture.h"
#include "model/planform.h"
#include "window_fixture.h"

#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <functional>
#include <regex>

namespace {

using tv::WingField;

class ResultPresenterTest : public WindowTest {
protected:
    ProjectDocument doc;
    DocumentOnlyView view{doc};
    Placement pl;
    tv::DragState drag;
    QMainWindow window;
    QTabWidget* pages = new QTabWidget; // the window's central widget from the set-up on
    AircraftPage* aircraft = new AircraftPage(pl, drag);
    std::array<WingPage*, tv::kWingMax + 1> wings{};
    WindowActions actions{window, new QWidget(&window), pl};
    CalculationController calc{view};
    std::unique_ptr<ResultPresenter> presenter;
    int heightWrites = 0; // edits named after the height separation

    void SetUp() override {
        WindowTest::SetUp();
        window.setCentralWidget(pages);
        pages->addTab(aircraft, "aircraft");
        actions.Button4 = aircraft->Button4;
        for (int w = 1; w <= tv::kWingMax; ++w) pages->addTab(wings[w] = new WingPage(w, pl), "wing");
        show(tv::defaultAircraftTexts());
        aircraft->setSceneSource([this] {
            return AircraftPage::Scene{&doc.aircraft(), calc.resultFor(doc.texts()), tv::UiLanguage::English, "", {}};
        });
        auto write = [this](const tv::AircraftTexts& t, std::optional<tv::EditStep> step) {
            show(t);
            if (step && step->kind == tv::EditKind::HeightSeparation) ++heightWrites;
        };
        presenter = std::make_unique<ResultPresenter>(
            calc, view, dialogs, actions, *pages, *aircraft, wings,
            ResultPresenter::Window{.window = &window,
                                    .recalculate = [] {},
                                    .writeTexts = write,
                                    .redraw = [](ResultRedraw) {},
                                    .showBalance = [] {},
                                    .windowState = [](ActionState&) {}});
    }
    /// The texts into the document and the z fields, as the window's one write does.
    void show(const tv::AircraftTexts& t) {
        doc.setTexts(t);
        for (int w = 1; w <= tv::kWingMax; ++w)
            aircraft->positionZ[w]->setText(QString::fromStdString(t.wings[w][WingField::PositionZ]));
    }
    bool offered(QAction* a) const { return a->isEnabled(); }
};

TEST_F(ResultPresenterTest, EachKindOfResultShowsItsStateAndOffersItsCommands) {
    struct Row {
        const char* name;
        std::function<void(tv::AircraftTexts&)> edit;
        bool live;
        bool neutralPoint;
    };
    const auto slender = [](tv::AircraftTexts& t) { // 300 strips or more: refused
        t.wings[2][WingField::Span1] = "7000";
        t.wings[2][WingField::Chord1] = t.wings[2][WingField::Chord2] = "20";
    };
    const Row rows[] = {
        {"command", [](tv::AircraftTexts&) {}, false, true},
        {"live", [](tv::AircraftTexts&) {}, true, true},
        {"refused", slender, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        tv::AircraftTexts t = tv::defaultAircraftTexts();
        r.edit(t);
        show(t);
        if (r.live) {
            calc.calculate(doc.texts(), tv::UiLanguage::English);
            presenter->presentResult(true);
        } else {
            presenter->calculate();
        }
        EXPECT_EQ(aircraft->Label21->text() != QString::fromLatin1(tv::kMarginLabelUnknown), r.neutralPoint);
        EXPECT_EQ(aircraft->Image2->cursor().shape() == Qt::DragMoveCursor, r.neutralPoint);
        EXPECT_EQ(offered(actions.CopyResults1), r.neutralPoint);
        EXPECT_FALSE(offered(actions.Calc1)) << "calculating the same texts again gives the same";
        EXPECT_EQ(aircraft->Memo1->isHidden(), r.neutralPoint) << "the refusal's lines are shown";
    }
}

TEST_F(ResultPresenterTest, OnlyTheCommandWritesMovedHeightsAndNeverIntoTheFieldBeingTyped) {
    // Wings 1 and 3 overlap in plan and lie 10 mm apart in height: the calculation moves wing 3.
    tv::AircraftTexts close = tv::defaultAircraftTexts();
    close.WingCount = 3;
    close.wings[3][WingField::PositionX] = "0";
    close.wings[3][WingField::PositionZ] = "-180";
    struct Row {
        const char* name;
        bool live, typing, written;
    } rows[] = {
        {"command", false, false, true},
        {"live", true, false, false},
        {"command while wing 3's height is typed", false, true, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        show(close);
        heightWrites = 0;
        window.show();
        if (r.typing) {
            window.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            aircraft->positionZ[3]->setFocus();
        } else {
            aircraft->Button4->setFocus();
        }
        if (r.live) {
            calc.calculate(doc.texts(), tv::UiLanguage::English);
            presenter->presentResult(true);
        } else {
            presenter->calculate();
        }
        const CalculationResult* now = calc.resultFor(doc.texts());
        ASSERT_NE(now, nullptr) << "the result belongs to the texts shown, moved or as typed";
        ASSERT_TRUE(now->ws && now->ws->WingMoved[3]);
        EXPECT_EQ(heightWrites, r.written ? 1 : 0);
        EXPECT_EQ(aircraft->positionZ[3]->text() != "-180", r.written);
        EXPECT_EQ(doc.aircraft().Wings[3].PositionZ, r.written ? now->aircraft.Wings[3].PositionZ : -180);
    }
}

/// The number after `label` in the report text, and its decimals.
std::pair<double, int> figureAfter(const std::string& report, const std::string& label) {
    std::smatch m;
    const std::regex re(std::regex_replace(label, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)") +
                        R"((-?\d+)(?:\.(\d+))?)");
    if (!std::regex_search(report, m, re)) return {NAN, 0};
    return {std::stod(m.str(0).substr(label.size())), int(m.length(2))};
}

// Copy results in imperial units is the metric report converted by hand: span and neutral point
// in inches, area in square inches, each within the rounding of both texts. The page's margin
// label, the report page and the span loading follow the view's units too.
TEST_F(ResultPresenterTest, CopyResultsInImperialUnitsIsTheMetricReportConverted) {
    presenter->calculate();
    ResultCommands commands(calc, view, dialogs, window, *aircraft, nullptr,
                            {.calculate = [] {}, .balanceLines = [] { return std::vector<std::string>{}; }, .trim = {}});
    const std::string metric = commands.resultsReport();
    view.shownUnits = tv::kImperialUnits;
    const std::string imperial = commands.resultsReport();
    ASSERT_NE(metric.find(" mm"), std::string::npos);
    const std::string np = tv::batchReportTexts(tv::UiLanguage::English).neutralPoint;
    struct Row {
        std::string metricLabel, imperialLabel;
        double perImperial; // metric units per imperial unit
    };
    for (const Row& r : {Row{": b ", ": b ", 25.4}, Row{", S ", ", S ", 645.16 / 10000}, Row{np, np, 25.4}}) {
        const auto [m, metricDecimals] = figureAfter(metric, r.metricLabel);
        const auto [i, imperialDecimals] = figureAfter(imperial, r.imperialLabel);
        const double tolerance = 0.5 * std::pow(10, -metricDecimals) / r.perImperial + 0.5 * std::pow(10, -imperialDecimals);
        EXPECT_NEAR(i, m / r.perImperial, tolerance) << r.metricLabel << "\n" << metric << imperial;
    }
    EXPECT_EQ(imperial.find(" mm"), std::string::npos) << imperial;
    presenter->showResultState();
    EXPECT_TRUE(aircraft->Label21->text().endsWith(" in")) << aircraft->Label21->text().toStdString();
    EXPECT_EQ(commands.reportData().units, tv::kImperialUnits);
    EXPECT_EQ(commands.spanLoadingScene().length, tv::Unit::Inch);
}

} // namespace
