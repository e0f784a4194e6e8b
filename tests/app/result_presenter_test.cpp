// The result presenter without a window: which redraw each kind of result asks of the window, the
// heights a calculation moved written back, and a result shown only for the texts it belongs to.
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/calculation/result_presenter.h"
#include "app/document/project_document.h"
#include "app/imagecontrol.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "model/planform.h"
#include "window_fixture.h"

#include <QMainWindow>
#include <QPlainTextEdit>

#include <functional>

namespace {

using tv::WingField;

class ResultPresenterTest : public WindowTest {
protected:
    /// What the presenter asked of the window, in order.
    QStringList calls;
    tv::AircraftTexts shown = tv::defaultAircraftTexts();
    tv::Aircraft model = tv::computeAircraft(shown);
    ProjectDocument doc;
    Placement pl;
    tv::DragState drag;
    QMainWindow window;
    QTabWidget pages;
    AircraftPage* aircraft = new AircraftPage(pl, drag);
    std::array<WingPage*, tv::kWingMax + 1> wings{};
    WindowActions actions{window, new QWidget(&window), pl};
    CalculationController calc{[this] { return shown; }, [] { return tv::UiLanguage::English; }};
    tv::MessageCatalogue catalogue = tv::messageCatalogue(tv::UiLanguage::English);
    std::unique_ptr<ResultPresenter> presenter;

    void SetUp() override {
        WindowTest::SetUp();
        pages.addTab(aircraft, "aircraft");
        actions.Button4 = aircraft->Button4;
        for (int w = 1; w <= tv::kWingMax; ++w) pages.addTab(wings[w] = new WingPage(w, pl), "wing");
        for (int w = 1; w <= tv::kWingMax; ++w)
            aircraft->positionZ[w]->setText(QString::fromStdString(shown.wings[w][WingField::PositionZ]));
        aircraft->setSceneSource(
            [this] { return AircraftPage::Scene{&model, calc.resultFor(shown), tv::UiLanguage::English, "", {}}; });
        auto log = [this](const char* call) { return [this, call] { calls << call; }; };
        presenter = std::make_unique<ResultPresenter>(
            calc, doc, dialogs, actions, pages, *aircraft, wings,
            ResultPresenter::Window{.window = &window,
                                    .fieldTexts = [this] { return shown; },
                                    .shownTexts = [this] { return shown; },
                                    .language = [] { return tv::UiLanguage::English; },
                                    .catalogue = [this]() -> const tv::MessageCatalogue& { return catalogue; },
                                    .model = [this]() -> tv::Aircraft& { return model; },
                                    .recalculate = log("recalculate"),
                                    .recordEdit = [this](const tv::EditStep&) { calls << "record"; },
                                    .redrawShownViews = log("redraw shown"),
                                    .layOut = log("lay out"),
                                    .redrawDrag = log("drag"),
                                    .wingCount = [this] { return shown.WingCount; },
                                    .activeWing = [] { return 0; },
                                    .clipboardHasWing = [] { return false; }});
    }
    bool offered(QAction* a) const { return a->isEnabled(); }
};

TEST_F(ResultPresenterTest, EachKindOfResultAsksForItsRedrawAndShowsItsState) {
    struct Row {
        const char* name;
        std::function<void(tv::AircraftTexts&)> edit;
        std::function<void(ResultPresenter&, CalculationController&, const tv::AircraftTexts&)> run;
        QStringList calls;
        bool neutralPoint;
    };
    const auto command = [](ResultPresenter& p, CalculationController&, const tv::AircraftTexts&) { p.calculate(); };
    const auto live = [](ResultPresenter& p, CalculationController& c, const tv::AircraftTexts& t) {
        c.calculate(t, tv::UiLanguage::English);
        p.presentResult(true);
    };
    const auto slender = [](tv::AircraftTexts& t) { // 300 strips or more: refused
        t.wings[2][WingField::Span1] = "7000";
        t.wings[2][WingField::Chord1] = t.wings[2][WingField::Chord2] = "20";
    };
    const Row rows[] = {
        // The command lays out every page; the heights it may have moved are one edit.
        {"command", [](tv::AircraftTexts&) {}, command, {"recalculate", "record", "lay out"}, true},
        // A live result redraws what can be seen and the running drag's rubber band over it.
        {"live", [](tv::AircraftTexts&) {}, live, {"record", "redraw shown", "drag"}, true},
        // A refused one lays out nothing: the page draws its views without the result.
        {"refused", slender, command, {"recalculate", "record"}, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        shown = tv::defaultAircraftTexts();
        r.edit(shown);
        calls.clear();
        r.run(*presenter, calc, shown);
        EXPECT_EQ(calls, r.calls);
        EXPECT_EQ(aircraft->Label21->text() != QString::fromLatin1(tv::kMarginLabelUnknown), r.neutralPoint);
        EXPECT_EQ(aircraft->Image2->cursor().shape() == Qt::DragMoveCursor, r.neutralPoint);
        EXPECT_EQ(offered(actions.CopyResults1), r.neutralPoint);
        EXPECT_FALSE(offered(actions.Calc1)) << "calculating the same texts again gives the same";
        EXPECT_EQ(aircraft->Memo1->isHidden(), r.neutralPoint) << "the refusal's lines are shown";
    }
}

TEST_F(ResultPresenterTest, MovedHeightsReachTheFieldsAndTheModel) {
    // Wings 1 and 3 overlap in plan and lie 10 mm apart in height: the calculation moves them.
    shown.WingCount = 3;
    shown.wings[3][WingField::PositionX] = "0";
    shown.wings[3][WingField::PositionZ] = "-180";
    presenter->calculate();
    // The result holds the moved heights; the window's fields are written to match them.
    const CalculationResult* r = calc.latest();
    ASSERT_TRUE(r && r->ws);
    int moved = 0;
    for (int w = 1; w <= 3; ++w) {
        if (!r->ws->WingMoved[w]) continue;
        ++moved;
        EXPECT_EQ(aircraft->positionZ[w]->text().toStdString(), r->texts.wings[w][WingField::PositionZ]) << w;
        EXPECT_EQ(model.Wings[w].PositionZ, r->aircraft.Wings[w].PositionZ) << w;
    }
    EXPECT_GT(moved, 0);
    EXPECT_EQ(calls.count("record"), 1);
}

} // namespace
