// The balance page and the results strip: every edit is one undoable step kept with the project;
// margins and verdicts belong to the current result only ("not calculated" otherwise) and equal
// the core's; a bad row is marked and left out; a live drag on a wing page reaches the strip.
#include "window_fixture.h"

#include "app/imagecontrol.h"
#include "i18n/balance_window_texts.h"
#include "i18n/session_texts.h"
#include "model/numformat.h"
#include "printing/report_page.h"
#include "stability/balance.h"
#include "stability/balance_lines.h"
#include "views/balance_marks.h"
#include "views/planform_view.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

const tv::BalanceLabels& kLabels = tv::balanceLabels(tv::UiLanguage::English);

class BalanceTest : public WindowTest {
protected:
    QTableWidget* table() { return get<QTableWidget>("TableBalance"); }
    QString strip() { return text("ResultsStrip"); }
    QString figures() { return get<QPlainTextEdit>("MemoBalance")->toPlainText(); }
    /// My CG typed over whatever the entry holds, as the user types it.
    void typeMyCg(const QString& t) {
        auto* e = get<QLineEdit>("Edit_MyCg");
        e->selectAll();
        if (t.isEmpty()) QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, t);
        QTest::keyClick(e, Qt::Key_Tab); // the typing ends: one step
    }
    /// A new row with its three cells, each cell one edit.
    void addRow(const char* name, const char* mass, const char* x) {
        click("ButtonRowAdd");
        const int r = table()->rowCount() - 1;
        table()->item(r, 0)->setText(name);
        table()->item(r, 1)->setText(mass);
        table()->item(r, 2)->setText(x);
    }
    /// The margin the core gives for a CG at x with the window's current result.
    std::optional<tv::CgMargin> coreMargin(double x) {
        return tv::cgMargin(x, form->reference().NeutralPointX, form->reference().ReferenceChord, form->stabilityNumbers());
    }
    static std::string F1(double v) { return tv::formatFixed(v, 0, 1); }
};

TEST_F(BalanceTest, AnEditIsOneUndoableStepAndIsSavedWithTheProject) {
    TForm1& f = make();
    showPage("TabSheetBalance");
    const std::size_t steps = f.history().undoCount();
    typeMyCg("82.5");
    EXPECT_EQ(f.fieldTexts().Balance.MyCg, "82.5");
    EXPECT_EQ(f.history().undoCount(), steps + 1) << "the typing is one step";
    EXPECT_EQ(get<QAction>("Undo1")->text(), "Undo weight and balance");
    addRow("Battery", "300", "40");
    EXPECT_EQ(f.history().undoCount(), steps + 5) << "the new row and each of its cells";
    trigger("Undo1");
    EXPECT_EQ(table()->item(0, 2)->text(), "");
    for (int i = 0; i < 3; ++i) trigger("Undo1");
    EXPECT_EQ(table()->rowCount(), 0);
    trigger("Undo1");
    EXPECT_EQ(text("Edit_MyCg"), "");
    EXPECT_TRUE(f.fieldTexts().Balance.empty());
    for (int i = 0; i < 5; ++i) trigger("Redo1");
    ASSERT_EQ(table()->rowCount(), 1);
    EXPECT_EQ(table()->item(0, 2)->text(), "40");
    EXPECT_EQ(text("Edit_MyCg"), "82.5");
    EXPECT_TRUE(f.aircraftModified());

    dialogs.answers.push_back(path("balanced.tv4"));
    trigger("Save2");
    EXPECT_TRUE(readAll(path("balanced.tv4")).contains("<my_cg>82.5</my_cg>"));
    form.reset();
    make({path("balanced.tv4")});
    EXPECT_EQ(text("Edit_MyCg"), "82.5");
    ASSERT_EQ(table()->rowCount(), 1);
    EXPECT_EQ(table()->item(0, 0)->text(), "Battery");
}

TEST_F(BalanceTest, MarginIsNotCalculatedAfterAnEditAndTheCoresAfterF5) {
    TForm1& f = make();
    typeMyCg("80");
    click("Button4");
    ASSERT_TRUE(f.neutralPointKnown());
    const auto margin = coreMargin(80);
    ASSERT_TRUE(margin);
    EXPECT_EQ(text("LabelMyCgMargin").toStdString(), tv::marginLine(tv::UiLanguage::English, margin));
    EXPECT_TRUE(strip().contains(QString::fromStdString("My CG 80.0 mm: " + F1(margin->Percent) + " %")))
        << strip().toStdString();
    EXPECT_TRUE(strip().startsWith(QString::fromStdString("NP " + F1(f.reference().NeutralPointX) + " mm")));

    setText("Edit_x2", "1000"); // the result belongs to another aircraft now
    ASSERT_FALSE(f.neutralPointKnown());
    EXPECT_EQ(strip(), "NP: not calculated | My CG 80.0 mm: not calculated");
    EXPECT_EQ(text("LabelMyCgMargin"), "Static margin: not calculated");
    EXPECT_FALSE(figures().contains("Mean aerodynamic chord")) << "no figure of the old result";
    EXPECT_TRUE(figures().contains(tv::balanceWindowTexts(tv::UiLanguage::English).noTarget));

    click("Button4");
    EXPECT_EQ(text("LabelMyCgMargin").toStdString(), tv::marginLine(tv::UiLanguage::English, coreMargin(80)));
}

TEST_F(BalanceTest, EachVerdictShowsItsWordsAndItsColour) {
    TForm1& f = make();
    click("Button4");
    const double np = f.reference().NeutralPointX;
    const tv::StabilityNumbers n = f.stabilityNumbers();
    struct Row {
        double x;
        tv::CgVerdict verdict;
        const char* word;
    };
    const Row rows[] = {
        {n.CgHigh - 10, tv::CgVerdict::NoseHeavy, "nose-heavy"},
        {n.CgHigh, tv::CgVerdict::Inside, "inside"}, // exactly at a limit: inside
        {(n.CgHigh + n.CgLow) / 2, tv::CgVerdict::Inside, "inside"},
        {(n.CgLow + np) / 2, tv::CgVerdict::TooFarAft, "too far aft"},
        {np, tv::CgVerdict::Unstable, "unstable"},
    };
    for (const Row& r : rows) {
        typeMyCg(QString::number(r.x, 'f', 6));
        SCOPED_TRACE(r.word);
        ASSERT_TRUE(coreMargin(r.x));
        EXPECT_EQ(coreMargin(r.x)->Verdict, r.verdict);
        EXPECT_TRUE(strip().endsWith(QString("(%1)").arg(r.word))) << strip().toStdString();
        EXPECT_TRUE(text("LabelMyCgMargin").endsWith(tv::verdictText(tv::UiLanguage::English, r.verdict)));
        EXPECT_TRUE(get<QLabel>("LabelMyCgMargin")->styleSheet().contains(tv::verdictColour(r.verdict).name()));
    }
}

TEST_F(BalanceTest, ABadRowIsMarkedAndLeftOutOfTheSums) {
    TForm1& f = make();
    showPage("TabSheetBalance");
    addRow("Battery", "300", "40");
    addRow("Lead", "7,5", "-50");
    addRow("Servo", "", "10");
    addRow("Receiver", "100", "120");
    click("CheckMyCgFromTable");
    EXPECT_TRUE(f.fieldTexts().Balance.MyCgFromTable);
    EXPECT_TRUE(figures().contains("Total mass: 400.0 g, CG of the masses: 60.0 mm")) << figures().toStdString();
    EXPECT_TRUE(strip().contains("My CG 60.0 mm")) << strip().toStdString();
    const tv::RowProblem problems[] = {tv::RowProblem::None, tv::RowProblem::MassNotANumber, tv::RowProblem::MassMissing,
                                       tv::RowProblem::None};
    for (int r = 0; r < 4; ++r) {
        const bool bad = problems[r] != tv::RowProblem::None;
        const std::string why = tv::rowProblemLine(tv::UiLanguage::English, r + 1,
                                                   table()->item(r, 0)->text().toStdString(), problems[r]);
        EXPECT_EQ(table()->item(r, 1)->background().style() != Qt::NoBrush, bad) << "row " << r + 1;
        EXPECT_EQ(table()->item(r, 1)->toolTip().toStdString(), why);
        if (bad) EXPECT_TRUE(figures().contains(QString::fromStdString(why))) << why;
    }
    // Mended, the row counts and its mark goes.
    table()->item(1, 1)->setText("100");
    EXPECT_EQ(table()->item(1, 1)->background().style(), Qt::NoBrush);
    EXPECT_TRUE(figures().contains("Total mass: 500.0 g, CG of the masses: 38.0 mm")) << figures().toStdString();
}

TEST_F(BalanceTest, TheTableHoldsThirtyRowsAndMovesRowsUpAndDown) {
    TForm1& f = make();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    showPage("TabSheetBalance");
    click("ButtonRowAdd");
    EXPECT_TRUE(table()->isAncestorOf(QApplication::focusWidget())) << "the new row is typed into next";
    for (const char c : std::string("Battery")) QTest::keyClick(QApplication::focusWidget(), c);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents(); // the editor commits queued
    EXPECT_EQ(table()->item(0, 0)->text(), "Battery");
    click("ButtonRowRemove");
    for (int r = 0; r < tv::kBalanceRowMax + 2; ++r) click("ButtonRowAdd");
    EXPECT_EQ(table()->rowCount(), tv::kBalanceRowMax);
    EXPECT_FALSE(get<QPushButton>("ButtonRowAdd")->isEnabled());
    table()->item(0, 0)->setText("first");
    table()->setCurrentCell(0, 0);
    click("ButtonRowDown");
    EXPECT_EQ(table()->item(1, 0)->text(), "first");
    EXPECT_EQ(table()->currentRow(), 1);
    click("ButtonRowUp");
    click("ButtonRowRemove");
    EXPECT_EQ(table()->rowCount(), tv::kBalanceRowMax - 1);
    EXPECT_NE(table()->item(0, 0)->text(), "first");
    EXPECT_TRUE(get<QPushButton>("ButtonRowAdd")->isEnabled());
}

TEST_F(BalanceTest, AnotherEntryModeKeepsTheCgAndAMoveAnswersForTheChosenRow) {
    TForm1& f = make();
    click("Button4");
    showPage("TabSheetBalance");
    addRow("Battery", "200", "20");
    addRow("Rest", "800", "100");
    click("CheckMyCgFromTable");
    const auto before = coreMargin(84);
    ASSERT_TRUE(before);
    EXPECT_TRUE(strip().contains("My CG 84.0 mm")) << strip().toStdString();
    click("CheckMyCgFromTable");
    typeMyCg("84");
    auto* mode = get<QComboBox>("ComboMyCgInput");
    mode->setCurrentIndex(int(tv::CgInput::PercentMac));
    emit mode->activated(int(tv::CgInput::PercentMac));
    EXPECT_EQ(f.fieldTexts().Balance.MyCgInput, tv::CgInput::AircraftFrame) << "the entry is kept as typed";
    EXPECT_TRUE(strip().contains("My CG 84.0 mm: " + QString::fromStdString(F1(before->Percent)))) << strip().toStdString();
    // Battery's move to the target CG: M (x_target - x_CG) / m_row.
    table()->setCurrentCell(0, 0);
    const double target = f.stabilityNumbers().CgDesired;
    const std::string move = tv::moveLine(tv::UiLanguage::English, "Battery",
                                          {tv::ChangeRefusal::None, 1000 * (target - 84) / 200});
    EXPECT_TRUE(figures().contains(QString::fromStdString(move))) << figures().toStdString();
    typeMyCg("70"); // the answers still start from the table's CG
    EXPECT_TRUE(figures().contains("Moves and ballast start from the weight table's CG: 84.0 mm")) << figures().toStdString();
    QTest::keyClicks(get<QLineEdit>("Edit_BallastX"), "8x");
    EXPECT_TRUE(figures().contains("Ballast at x = not a number")) << figures().toStdString();
}

TEST_F(BalanceTest, SwitchingTheEntryModeShowsTheCgConvertedAndStoresItAsTyped) {
    TForm1& f = make();
    setText("Edit_x1", "50");
    showPage("TabSheetBalance");
    typeMyCg("80");
    auto* mode = get<QComboBox>("ComboMyCgInput");
    const auto choose = [&](tv::CgInput m) {
        mode->setCurrentIndex(int(m));
        emit mode->activated(int(m));
    };
    choose(tv::CgInput::PercentMac); // nothing calculated: no mean chord to convert with
    EXPECT_EQ(mode->currentIndex(), int(tv::CgInput::AircraftFrame));
    EXPECT_EQ(text("Edit_MyCg"), "80");
    click("Button4");
    const std::size_t steps = f.history().undoCount();
    choose(tv::CgInput::BehindRootLe);
    EXPECT_EQ(text("Edit_MyCg"), "30") << "80 mm is 30 mm behind the root at 50";
    choose(tv::CgInput::PercentMac);
    EXPECT_NE(text("Edit_MyCg"), "80");
    choose(tv::CgInput::AircraftFrame);
    EXPECT_EQ(text("Edit_MyCg"), "80") << "converted back, the entry reads as typed";
    EXPECT_EQ(f.fieldTexts().Balance.MyCg, "80");
    EXPECT_EQ(f.fieldTexts().Balance.MyCgInput, tv::CgInput::AircraftFrame);
    EXPECT_EQ(f.history().undoCount(), steps) << "a change of the shown measure is no edit";
    choose(tv::CgInput::PercentMac);
    dialogs.answers.push_back(path("modes.tv4"));
    trigger("Save2");
    EXPECT_TRUE(readAll(path("modes.tv4")).contains("<my_cg>80</my_cg>")) << readAll(path("modes.tv4")).toStdString();
    // Typed in the shown measure, the entry is stored in it.
    typeMyCg("25");
    EXPECT_EQ(f.fieldTexts().Balance.MyCg, "25");
    EXPECT_EQ(f.fieldTexts().Balance.MyCgInput, tv::CgInput::PercentMac);
}

TEST_F(BalanceTest, TheReportGetsTheBlockOnlyWhenTheProjectHasBalanceData) {
    TForm1& f = make();
    click("Button4");
    EXPECT_TRUE(f.reportData().balanceLines.empty());
    EXPECT_EQ(tv::reportPageSize(f.reportData()), tv::kReportPageSize);
    addRow("Battery", "300", "40");
    const std::vector<std::string> lines = f.reportData().balanceLines;
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Total mass: 300.0 g, CG of the masses: 40.0 mm"), lines.end());
    EXPECT_TRUE(figures().startsWith(QString::fromStdString(lines.front()))) << "the page shows what is printed";
}

TEST_F(BalanceTest, AtTheSmallestSizeThePageIsWholeInEveryLanguage) {
    TForm1& f = make();
    typeMyCg("100");
    click("Button4"); // the longest strip: the whole range and My CG with its verdict
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.resize(f.minimumSize());
    QTRY_COMPARE(f.size(), f.minimumSize());
    showPage("TabSheetBalance");
    QWidget* page = get("TabSheetBalance");
    for (const char* lang : {"english1", "german1", "spain1"}) {
        trigger(lang);
        for (QWidget* c : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(page->rect().contains(c->geometry())) << lang << ": " << c->objectName().toStdString();
        auto* memo = get<QPlainTextEdit>("MemoBalance");
        EXPECT_GE(memo->viewport()->height(), 8 * memo->fontMetrics().lineSpacing()) << lang;
        // The strip keeps its place beside the pointer position, and the pointer's text fits in
        // what is left: its figures whole, the note as far as it goes.
        auto* view = get<TImage>("Image2");
        emit view->mouseMove(QPoint(0, view->bitmapSize().height() - 1), Qt::NoButton, {});
        QApplication::processEvents();
        auto* strip = get<QLabel>("ResultsStrip");
        EXPECT_GE(strip->width(), strip->fontMetrics().horizontalAdvance(strip->text())) << lang;
        auto* pointer = get<QLabel>("StatusLine");
        EXPECT_LE(pointer->fontMetrics().horizontalAdvance(pointer->text()), pointer->contentsRect().width())
            << lang << ": " << pointer->text().toStdString();
        EXPECT_TRUE(pointer->text().contains(QRegularExpression("^x -?\\d+ mm, y -?\\d+ mm"))) << pointer->text().toStdString();
    }
}

TEST_F(BalanceTest, ALiveDragOnAWingPageReachesTheStrip) {
    TForm1& f = makeLive();
    typeMyCg("80");
    waitLive();
    const QString before = strip();
    showPage("TabSheet2");
    const tv::Wing tail = f.model().Wings[2];
    const tv::PlanformOrigin o = tv::planformOrigin(f.findChild<TImage*>("Image11")->bitmapSize());
    const double s = f.planformScale()[2];
    const QPoint corner(o.a + int(std::lround(tail.SectionY[2] * s)),
                        o.p + int(std::lround((tail.XOffset[2] + tail.Chord[2]) * s)));
    f.planformMouseDown(2, corner, Qt::LeftButton, {});
    f.planformMouseMove(2, corner + QPoint(0, 15), Qt::LeftButton, {});
    waitLive();
    ASSERT_TRUE(f.neutralPointKnown());
    EXPECT_TRUE(get<QLabel>("ResultsStrip")->isVisible() || !f.isVisible());
    EXPECT_NE(strip(), before);
    EXPECT_TRUE(strip().startsWith(QString::fromStdString("NP " + F1(f.reference().NeutralPointX))));
    EXPECT_TRUE(strip().contains(QString::fromStdString(F1(coreMargin(80)->Percent) + " %"))) << strip().toStdString();
    f.planformMouseUp(2, corner + QPoint(0, 15), Qt::LeftButton, {});
}

} // namespace
