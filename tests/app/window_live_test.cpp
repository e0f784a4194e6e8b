// The live neutral point: results of the worker shown only while they belong to the model, the
// same numbers and lines as the calculate command, the drag's shape calculated before the release.
#include "window_fixture.h"

#include "app/imagecontrol.h"
#include "views/planform_view.h"
#include "views/view_common.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>

namespace {

using tv::WingField;

class LiveTest : public WindowTest {
protected:
    struct Shown {
        bool known;
        double neutralPoint;
        QString memo, anp1, anp2;
        bool memoVisible, printEnabled;
    };
    Shown shown() {
        return {form->neutralPointKnown(), form->reference().NeutralPointX, get<QPlainTextEdit>("Memo1")->toPlainText(),
                text("Label_anp1"), text("Label_anp2"), get<QPlainTextEdit>("Memo1")->isVisibleTo(form.get()),
                get<QAction>("Print1")->isEnabled()};
    }
    /// What the calculate command shows for the same model.
    void expectSameAsTheButton() {
        const Shown live = shown();
        click("Button4");
        const Shown button = shown();
        EXPECT_EQ(live.known, button.known);
        EXPECT_NEAR(live.neutralPoint, button.neutralPoint, 1e-9);
        EXPECT_EQ(live.memo, button.memo);
        EXPECT_EQ(live.memoVisible, button.memoVisible);
        EXPECT_EQ(live.anp1, button.anp1);
        EXPECT_EQ(live.anp2, button.anp2);
        EXPECT_EQ(live.printEnabled, button.printEnabled);
    }
};

TEST_F(LiveTest, OffByDefaultAndAnEditLeavesTheResultsUnknown) {
    TForm1& f = make();
    EXPECT_FALSE(f.liveNeutralPoint());
    f.field(1, WingField::Chord2)->setText("300");
    QApplication::processEvents();
    EXPECT_FALSE(f.liveCalculationBusy());
    EXPECT_FALSE(f.neutralPointKnown());
}

TEST_F(LiveTest, StaleResultIsDroppedAndTheLatestEditIsShown) {
    TForm1& f = makeLive();
    ASSERT_TRUE(f.neutralPointKnown()); // the default aircraft, calculated on switching the mode on
    EXPECT_TRUE(get<QPushButton>("Button4")->isEnabled());
    const int shownBefore = f.liveResultsShown(), droppedBefore = f.liveResultsDropped();
    // Two edits handed to the worker before any result can come back: the first is stale.
    f.field(1, WingField::Chord1)->setText("300");
    f.requestLiveCalculation();
    f.field(1, WingField::Chord1)->setText("380");
    f.requestLiveCalculation();
    EXPECT_FALSE(f.neutralPointKnown()); // the window never waits for the worker
    waitLive();
    EXPECT_EQ(f.liveResultsDropped(), droppedBefore + 1);
    EXPECT_EQ(f.liveResultsShown(), shownBefore + 1);
    ASSERT_TRUE(f.neutralPointKnown());
    expectSameAsTheButton();
}

TEST_F(LiveTest, RefusedWingShowsTheButtonsLinesAndTheNextEditTriesAgain) {
    TForm1& f = makeLive();
    f.field(2, WingField::Span1)->setText("7000"); // too slender: 300 strips or more
    f.field(2, WingField::Chord1)->setText("20");
    f.field(2, WingField::Chord2)->setText("20");
    waitLive();
    EXPECT_FALSE(f.neutralPointKnown());
    EXPECT_TRUE(get<QPlainTextEdit>("Memo1")->isVisibleTo(form.get()));
    expectSameAsTheButton();
    f.field(2, WingField::Span1)->setText("105");
    waitLive();
    EXPECT_TRUE(f.neutralPointKnown());
}

TEST_F(LiveTest, DraggedTailCornerIsCalculatedBeforeTheRelease) {
    TForm1& f = makeLive();
    const double before = f.reference().NeutralPointX;
    showPage("TabSheet2");
    const tv::Wing tail = f.model().Wings[2];
    const QSize image = f.findChild<TImage*>("Image11")->bitmapSize();
    const tv::PlanformOrigin o = tv::planformOrigin(image);
    const double s = f.planformScale()[2];
    // Handle 7: the right trailing-edge corner of section 2, dragged 15 pixels aft.
    const QPoint corner(o.a + int(std::lround(tail.SectionY[2] * s)),
                        o.p + int(std::lround((tail.XOffset[2] + tail.Chord[2]) * s)));
    const QString chordText = f.field(2, WingField::Chord2)->text();
    f.planformMouseDown(2, corner, Qt::LeftButton, {});
    f.planformMouseMove(2, corner + QPoint(0, 15), Qt::LeftButton, {});
    waitLive();
    ASSERT_TRUE(f.neutralPointKnown());
    const double dragged = f.reference().NeutralPointX;
    EXPECT_GT(dragged, before + 0.5); // a larger tail moves the neutral point aft
    EXPECT_EQ(f.field(2, WingField::Chord2)->text(), chordText); // fields change only at the release
    // The marks of the dragged shape come with its rubber band, drawn in the wing's colour.
    const QImage& view = f.findChild<TImage*>("Image11")->canvas();
    bool band = false;
    for (int y = 0; y < view.height() && !band; ++y)
        for (int x = 0; x < view.width() && !band; ++x) band = view.pixelColor(x, y) == tv::wingColour(2);
    EXPECT_TRUE(band);
    const int shown = f.liveResultsShown();
    f.planformMouseUp(2, corner + QPoint(0, 15), Qt::LeftButton, {});
    waitLive();
    EXPECT_NE(f.field(2, WingField::Chord2)->text(), chordText);
    ASSERT_TRUE(f.neutralPointKnown());
    EXPECT_EQ(f.liveResultsShown(), shown); // the drag's calculation is the released shape's
    EXPECT_DOUBLE_EQ(f.reference().NeutralPointX, dragged);
    expectSameAsTheButton();
}

TEST_F(LiveTest, AResultShownOnAWingPageReachesTheAircraftViewWhenItsPageIsShown) {
    TForm1& f = makeLive();
    showPage("TabSheet2");
    QLineEdit* chord = f.field(2, WingField::Chord2);
    chord->setText(QString::number(chord->text().toInt() + 20));
    waitLive();
    ASSERT_TRUE(f.neutralPointKnown());
    showPage("TabSheet5");
    const QImage shown = get<TImage>("Image2")->canvas().copy();
    f.FormResize(); // every view drawn afresh from the result
    EXPECT_TRUE(get<TImage>("Image2")->canvas() == shown);
}

TEST_F(LiveTest, ClosingWhileACalculationRunsDropsIt) {
    TForm1& f = makeLive();
    f.field(1, WingField::Chord1)->setText("300");
    f.requestLiveCalculation();
    f.close();
    const int shown = f.liveResultsShown();
    QApplication::processEvents();
    EXPECT_FALSE(f.liveCalculationBusy());
    EXPECT_EQ(f.liveResultsShown(), shown);
    EXPECT_FALSE(f.neutralPointKnown());
}

TEST_F(LiveTest, ClosingDropsAnEditNotYetHandedToTheWorker) {
    TForm1& f = makeLive();
    const int shown = f.liveResultsShown(), dropped = f.liveResultsDropped();
    f.field(1, WingField::Chord1)->setText("300"); // waits for the handler to end before it is sent
    f.close();
    QApplication::processEvents();
    EXPECT_FALSE(f.liveCalculationBusy());
    EXPECT_EQ(f.liveResultsShown(), shown);
    EXPECT_EQ(f.liveResultsDropped(), dropped);
    EXPECT_FALSE(f.neutralPointKnown());
}

TEST_F(LiveTest, TheModeIsKeptForTheNextStart) {
    for (const bool on : {true, false}) {
        TForm1& f = make();
        if (f.liveNeutralPoint() != on) trigger("LiveNeutralPoint1");
        waitLive();
        f.close();
        TForm1& again = make();
        EXPECT_EQ(again.liveNeutralPoint(), on);
        EXPECT_EQ(get<QAction>("LiveNeutralPoint1")->isChecked(), on);
        waitLive();
        EXPECT_EQ(again.neutralPointKnown(), on) << "live mode calculates the opened model at once";
    }
}

} // namespace
