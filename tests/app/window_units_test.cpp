// The units the window's fields are typed in: a project edited in inches saves the very file the
// same edits in millimetres save, a field shows what was stored once typing ends, a value beyond
// the range is refused with the limit in the chosen unit, and the choice is remembered.
#include "window_fixture.h"

#include "app/pages/balance_panel.h"
#include "files/units_settings.h"
#include "app/imagecontrol.h"
#include "model/parse.h"
#include "views/planform_view.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

namespace {

using tv::WingField;

class UnitsTest : public WindowTest {
protected:
    /// Text typed over a field's text and ended with Return, as the user types it.
    void type(QLineEdit* e, const QString& t) {
        e->selectAll();
        QTest::keyClicks(e, t);
        QTest::keyClick(e, Qt::Key_Return);
    }
    QByteArray saveAs(const QString& name) {
        dialogs.answers.push_back(path(name));
        form->Save1Click(SaveMode::As);
        return readAll(path(name));
    }
};

struct TypedLength {
    int wing;
    WingField field;
    const char* inches; // typed with inches chosen
    const char* mm;     // the same value typed with millimetres chosen
    const char* shown;  // the field in inches once typing ended
};

const TypedLength kTyped[] = {
    {1, WingField::Chord1, "12.520", "318", "12.520"},
    {1, WingField::Span1, "10in", "254", "10.000"},
    {1, WingField::Chord2, "31.8 cm", "318", "12.520"},
    {2, WingField::XOffset2, "-2", "-51", "-2.008"},
    {2, WingField::PositionX, "40.3", "1024", "40.315"},
    {1, WingField::PositionZ, "0.5", "13", "0.512"},
};

TEST_F(UnitsTest, AProjectEditedInInchesSavesTheFileOfTheSameEditsInMillimetres) {
    TForm1& f = make();
    trigger("UnitsImperial1");
    ASSERT_EQ(f.displayUnits(), tv::kImperialUnits);
    for (const TypedLength& t : kTyped) {
        type(f.field(t.wing, t.field), t.inches);
        EXPECT_EQ(f.field(t.wing, t.field)->text(), t.shown) << t.inches << ": the field shows what was stored";
        EXPECT_EQ(f.fieldTexts().wings[t.wing][t.field], t.mm) << t.inches;
    }
    const QByteArray inches = saveAs("inches.tv4");

    form.reset();
    TForm1& g = make();
    EXPECT_EQ(g.displayUnits(), tv::kImperialUnits) << "the choice is read at start";
    trigger("UnitsMetric1");
    for (const TypedLength& t : kTyped) type(g.field(t.wing, t.field), t.mm);
    const QByteArray mm = saveAs("mm.tv4");
    ASSERT_FALSE(mm.isEmpty());
    EXPECT_EQ(inches, mm);
}

struct ProgramEdit {
    const char* name;
    void (*edit)(TForm1&);
};

const ProgramEdit kProgramEdits[] = {
    {"drag of wing 1's root trailing edge",
     [](TForm1& f) {
         const tv::PlanformOrigin o = tv::planformOrigin(f.findChild<TImage*>("Image1")->bitmapSize());
         const QPoint corner(o.a, o.p + int(std::lround(f.model().Wings[1].Chord[1] * f.planformScale()[1])));
         f.planformMouseDown(1, corner, Qt::LeftButton, {});
         f.planformMouseUp(1, corner + QPoint(0, 20), Qt::LeftButton, {});
     }},
    {"scaling by 1.37",
     [](TForm1& f) {
         f.findChild<QLineEdit*>("E_scale")->setText("1.37");
         f.Bscale1Click();
     }},
};

// Every length of the aircraft as the document holds it.
std::vector<int32_t> documentLengths(const TForm1& f) {
    std::vector<int32_t> out;
    for (int w = 1; w <= tv::kWingMax; ++w)
        for (const std::string& t : f.fieldTexts().wings[w].field) out.push_back(tv::parseLenientInt(t));
    return out;
}

TEST_F(UnitsTest, EditsTheProgramWritesIntoTheFieldsGiveTheSameMillimetresInInches) {
    for (const ProgramEdit& e : kProgramEdits) {
        TForm1& metric = make();
        trigger("UnitsMetric1");
        showPage("TabSheet1");
        e.edit(metric);
        const std::vector<int32_t> expected = documentLengths(metric);
        ASSERT_NE(expected, documentLengths(make())) << e.name << " changes something";

        TForm1& imperial = make();
        trigger("UnitsImperial1");
        showPage("TabSheet1");
        e.edit(imperial);
        EXPECT_EQ(documentLengths(imperial), expected) << e.name;
        EXPECT_EQ(imperial.field(1, WingField::Chord1)->text().toStdString(),
                  tv::lengthFieldText(expected[size_t(WingField::Chord1)], tv::Unit::Inch)) << e.name;
    }
}

TEST_F(UnitsTest, MillimetresKeepTheTextAsTypedAndUnitsChangeNoText) {
    TForm1& f = make();
    QLineEdit* chord = f.field(1, WingField::Chord1);
    type(chord, "12.5");
    EXPECT_EQ(chord->text(), "12.5");
    EXPECT_EQ(f.fieldTexts().wings[1][WingField::Chord1], "12.5");
    const tv::AircraftTexts before = f.fieldTexts();
    const tv::EditStep* step = f.history().undoStep();
    trigger("UnitsImperial1");
    EXPECT_EQ(chord->text(), "0.472") << "12 mm";
    EXPECT_EQ(f.field(3, WingField::PositionX)->text().toStdString(),
              tv::lengthFieldText(tv::parseLenientInt(before.wings[3][WingField::PositionX]), tv::Unit::Inch));
    trigger("UnitsMetric1");
    EXPECT_EQ(chord->text(), "12.5");
    EXPECT_TRUE(tv::sameTexts(f.fieldTexts(), before)) << "showing other units is no edit";
    EXPECT_EQ(f.history().undoStep(), step);
    // A unit written after the number is read in it whatever the choice.
    type(chord, "1in");
    EXPECT_EQ(f.fieldTexts().wings[1][WingField::Chord1], "25");
    EXPECT_EQ(chord->text(), "25");
}

TEST_F(UnitsTest, ALengthBeyondTheRangeIsRefusedWithTheLimitInInchesAndTheValueKept) {
    TForm1& f = make();
    trigger("UnitsImperial1");
    QLineEdit* span = f.field(1, WingField::Span1);
    span->selectAll();
    QTest::keyClicks(span, "4000"); // each key an edit: 101600 mm is stored
    EXPECT_EQ(f.fieldTexts().wings[1][WingField::Span1], "101600");
    EXPECT_TRUE(span->toolTip().isEmpty());
    QTest::keyClicks(span, "0");
    EXPECT_EQ(f.fieldTexts().wings[1][WingField::Span1], "101600") << "the value stored is kept";
    EXPECT_TRUE(span->toolTip().contains(QStringLiteral("±39370.079 in"))) << span->toolTip().toStdString();
    EXPECT_EQ(f.statusBar()->findChild<QLabel*>("StatusLine")->text(), span->toolTip());
    QTest::keyClick(span, Qt::Key_Return);
    EXPECT_EQ(span->text(), "4000.000") << "the value kept is shown again";
    EXPECT_TRUE(span->toolTip().isEmpty());
}

TEST_F(UnitsTest, ARefusedCalculationQuotesTheLengthAndItsLimitInTheUnitChosen) {
    TForm1& f = make();
    f.field(1, WingField::Span1)->setText("5000000"); // millimetres: the calculation refuses it
    trigger("Calc1");
    ASSERT_TRUE(f.abortCalculation());
    auto* memo = get<QPlainTextEdit>("Memo1");
    EXPECT_TRUE(memo->toPlainText().contains("span 1 is 5000000 mm, beyond the limit of ±1000000 mm"));
    trigger("UnitsImperial1");
    EXPECT_TRUE(memo->toPlainText().contains("span 1 is 196850.394 in, beyond the limit of ±39370.079 in"))
        << memo->toPlainText().toStdString();
}

TEST_F(UnitsTest, TheChoiceIsWrittenOnChangeAndAFailedWriteIsSaidAndKeepsIt) {
    TForm1& f = make();
    trigger("UnitOz1");
    EXPECT_TRUE(get<QAction>("UnitOz1")->isChecked());
    EXPECT_FALSE(get<QAction>("UnitG1")->isChecked());
    EXPECT_TRUE(get<QAction>("UnitMm1")->isChecked());
    tv::DisplayUnits expected;
    expected.mass = tv::Unit::Ounce;
    EXPECT_EQ(tv::parseUnitsSettings(readAll(configPath("units.conf")).toStdString()), expected);
    EXPECT_TRUE(dialogs.errors.isEmpty());

    // The folder can not be made: a file stands where it would go.
    ASSERT_TRUE(QDir(path("config")).removeRecursively());
    ASSERT_TRUE(writeAll(path("config"), "not a folder"));
    trigger("UnitIn1");
    EXPECT_EQ(f.displayUnits().length, tv::Unit::Inch) << "the choice holds for the session";
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(readAll(path("config")), "not a folder");
}

TEST_F(UnitsTest, TheBalancePageShowsAndReadsMassesAndPlacesInTheUnitsChosen) {
    TForm1& f = make();
    trigger("UnitsImperial1");
    showPage("TabSheetBalance");
    auto* table = get<QTableWidget>("TableBalance");
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "Mass (oz)");
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), "x (in)");
    EXPECT_EQ(get<QComboBox>("ComboMyCgInput")->itemText(0), "in (aircraft frame)");
    click("ButtonRowAdd");
    table->item(0, 0)->setText("Battery");
    table->item(0, 1)->setText("4");
    table->item(0, 2)->setText("2.5");
    const tv::BalanceRowTexts& row = f.fieldTexts().Balance.Rows.at(0);
    EXPECT_EQ(row.Mass, "113.3981") << "grams to four decimals";
    EXPECT_EQ(row.X, "63.5");
    EXPECT_EQ(table->item(0, 1)->text(), "4") << "shown again as typed";
    table->item(0, 1)->setText("100 g"); // a unit written after the number
    EXPECT_EQ(f.fieldTexts().Balance.Rows.at(0).Mass, "100");
    EXPECT_EQ(table->item(0, 1)->text(), "3.5274") << "the cell shows what was stored";

    auto* myCg = get<QLineEdit>("Edit_MyCg");
    myCg->setFocus();
    QTest::keyClicks(myCg, "3.1");
    EXPECT_EQ(myCg->text(), "3.1") << "the entry is not rewritten while typed";
    EXPECT_EQ(f.fieldTexts().Balance.MyCg, "78.74");
    EXPECT_TRUE(text("ResultsStrip").contains("3.100 in")) << text("ResultsStrip").toStdString();

    trigger("Calc1");
    showPage("TabSheetBalance");
    const QString figures = get<QPlainTextEdit>("MemoBalance")->toPlainText();
    for (const char* metric : {" mm", " g,", " g/dm", " dm²"})
        EXPECT_FALSE(figures.contains(QString::fromUtf8(metric))) << metric << "\n" << figures.toStdString();
    for (const char* imperial : {" in", " oz,", " oz/ft²", " in²"})
        EXPECT_TRUE(figures.contains(QString::fromUtf8(imperial))) << imperial << "\n" << figures.toStdString();

    trigger("UnitsMetric1");
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "Mass (g)");
    EXPECT_EQ(table->item(0, 1)->text(), "100");
    EXPECT_EQ(table->item(0, 2)->text(), "63.5");
    EXPECT_EQ(myCg->text(), "78.74");
    EXPECT_TRUE(text("ResultsStrip").contains("78.7 mm")) << text("ResultsStrip").toStdString();
}

} // namespace
