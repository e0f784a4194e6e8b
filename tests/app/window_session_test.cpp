// The first minutes: New from a starting aircraft, undo and redo of every kind of change, the
// recent projects and the pointer position in the status line.
#include "app/imagecontrol.h"
#include "app/startingaircraft.h"
#include "files/recentprojects.h"
#include "views/planform_view.h"
#include "window_fixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace {

using tv::WingField;

TEST_F(WindowTest, EveryStartingAircraftOpensAndCalculatesWithoutAMessage) {
    make();
    for (int i = 0; i < tv::kStartingAircraftCount; ++i) {
        SCOPED_TRACE(kStartingAircraftFiles[i]);
        dialogs.choices = {i};
        trigger("New1");
        ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
        EXPECT_EQ(dialogs.offered.size(), tv::kStartingAircraftCount);
        EXPECT_FALSE(form->history().canUndo()) << "a new aircraft starts a new history";
        EXPECT_FALSE(get<QAction>("Save3")->isEnabled()) << "a new aircraft has no file name yet";
        EXPECT_TRUE(get<QPlainTextEdit>("Memo2")->toPlainText().contains("root leading edge of wing 1"));
        trigger("Calc1");
        EXPECT_TRUE(form->neutralPointKnown());
        EXPECT_FALSE(get("Memo1")->isVisible());
        EXPECT_EQ(get<QPlainTextEdit>("Memo1")->toPlainText(), "Error: ") << "no failure or notice lines";
    }
}

TEST_F(WindowTest, NewAsksFirstWhenTheAircraftWasEditedAndKeepsItUnlessAllowed) {
    make();
    trigger("New1");
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "the aircraft as started is not edited";
    dialogs.offered.clear();
    setText("Edit1", "500");
    const tv::AircraftTexts edited = form->fieldTexts();

    dialogs.saveAnswers = {TDialogs::Answer::Cancel};
    trigger("New1");
    EXPECT_EQ(dialogs.questions.value(0), "Save changes to Unknown.tv4?");
    EXPECT_TRUE(dialogs.offered.isEmpty()) << "no choice after Cancel";
    dialogs.saveAnswers = {TDialogs::Answer::Save}; // the save dialog is cancelled
    trigger("New1");
    EXPECT_TRUE(dialogs.offered.isEmpty());
    dialogs.saveAnswers = {TDialogs::Answer::Discard}; // the choice is cancelled
    trigger("New1");
    EXPECT_EQ(dialogs.offered.size(), tv::kStartingAircraftCount);
    EXPECT_TRUE(tv::sameTexts(form->fieldTexts(), edited));

    dialogs.saveAnswers = {TDialogs::Answer::Save};
    dialogs.answers = {path("mine.tv4")};
    dialogs.choices = {1};
    trigger("New1");
    EXPECT_TRUE(QFile::exists(path("mine.tv4")));
    EXPECT_EQ(form->wingCount(), 2) << "the canard";
    EXPECT_EQ(dialogs.questions.size(), 4);
    dialogs.choices = {2};
    trigger("New1");
    EXPECT_EQ(dialogs.questions.size(), 4) << "a new aircraft counts as not edited";
}

TEST_F(WindowTest, GliderStartsWithTheHiddenWingsOfTheBuiltInAircraft) {
    make();
    dialogs.choices = {0};
    trigger("New1");
    EXPECT_EQ(form->wingCount(), 2);
    EXPECT_EQ(text("Edit2"), " 450") << "span of the outer trapezium, as a loaded file writes it";
    EXPECT_EQ(form->fieldTexts().wings[3].field, tv::defaultAircraftTexts().wings[3].field)
        << "a later \"3 Wings\" brings back a sensible wing, not 10 mm everywhere";
}

// ---- Undo and redo ---------------------------------------------------------------------------------

struct UndoRow {
    const char* name;
    std::function<void(TForm1&)> change;
    const char* undoCaption; // the Edit menu's undo item after the change
    std::function<void(TForm1&)> prepare = nullptr; // edits made before the change
    bool resultStays = false; // the texts undone to are those the result was calculated from
};

class UndoEveryKind : public WindowTest, public ::testing::WithParamInterface<UndoRow> {};

TEST_P(UndoEveryKind, UndoRestoresTheTextsExactlyAndRedoReappliesThem) {
    make();
    if (GetParam().prepare) GetParam().prepare(*form);
    const size_t earlierSteps = form->history().undoCount();
    const tv::AircraftTexts before = form->fieldTexts();
    GetParam().change(*form);
    const tv::AircraftTexts after = form->fieldTexts();
    ASSERT_FALSE(tv::sameTexts(before, after)) << "the change changed nothing";
    EXPECT_EQ(get<QAction>("Undo1")->text(), GetParam().undoCaption);

    trigger("Undo1");
    EXPECT_TRUE(tv::sameTexts(form->fieldTexts(), before));
    EXPECT_EQ(form->neutralPointKnown(), GetParam().resultStays) << "undoing is an edit: the results are cleared";
    EXPECT_EQ(get<QAction>("Undo1")->isEnabled(), earlierSteps > 0);
    EXPECT_EQ(get<QAction>("Redo1")->text(), QString(GetParam().undoCaption).replace("Undo", "Redo"));

    trigger("Redo1");
    EXPECT_TRUE(tv::sameTexts(form->fieldTexts(), after));
    EXPECT_FALSE(get<QAction>("Redo1")->isEnabled());
    EXPECT_EQ(form->history().undoCount(), earlierSteps + 1);
}

void typeInto(QLineEdit* e, const QString& keys) {
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, keys);
}

const UndoRow kUndoRows[] = {
    {"TypedField",
     [](TForm1& f) { typeInto(f.field(2, WingField::Span1), "250"); },
     "Undo span 1 of wing 2"},
    {"PositionField", [](TForm1& f) { f.field(3, WingField::PositionZ)->setText("-20"); },
     "Undo z position of wing 3"},
    {"TrapeziumCount", [](TForm1& f) { f.trapeziumButton(1, 2)->click(); },
     "Undo trapezium count of wing 1"},
    {"WingCount", [](TForm1& f) { f.findChild<QRadioButton*>("RadioButton2")->click(); },
     "Undo wing count"},
    {"Drag",
     [](TForm1& f) {
         // Root trailing edge of wing 1 (handle 3 or 4) dragged 20 pixels aft.
         const QSize image = f.findChild<TImage*>("Image1")->bitmapSize();
         const tv::PlanformOrigin o = tv::planformOrigin(image);
         const double s = f.planformScale()[1];
         const QPoint corner(o.a, o.p + int(std::lround(f.model().Wings[1].Chord[1] * s)));
         f.planformMouseDown(1, corner, Qt::LeftButton, {});
         f.planformMouseUp(1, corner + QPoint(0, 20), Qt::LeftButton, {});
     },
     "Undo mouse edit of wing 1"},
    {"Scaling",
     [](TForm1& f) {
         f.findChild<QLineEdit*>("E_scale")->setText("1.5");
         f.Bscale1Click();
     },
     "Undo aircraft scale"},
    {"InsertWing",
     [](TForm1& f) {
         auto* pages = f.findChild<QTabWidget*>("PageControl1");
         pages->setCurrentWidget(f.findChild<QWidget*>("TabSheet1"));
         f.Save_Wing();
         pages->setCurrentWidget(f.findChild<QWidget*>("TabSheet2"));
         f.Load_Wing();
     },
     "Undo insert copied wing into wing 2"},
    {"ExchangeWings", [](TForm1& f) { f.findChild<QAction*>("chng3")->trigger(); },
     "Undo exchange of wings 2 and 3"},
    {"Remarks",
     [](TForm1& f) {
         auto* memo = f.findChild<QPlainTextEdit*>("Memo2");
         memo->setFocus();
         QTest::keyClicks(memo, "ok");
     },
     "Undo remarks"},
    {"HeightSeparation", [](TForm1& f) { f.Button4Click(); }, "Undo automatic height separation",
     [](TForm1& f) {
         // Wings 1 and 3 overlap in plan and lie 10 mm apart in height: the calculation moves them.
         f.findChild<QRadioButton*>("RadioButton3")->click();
         f.field(3, WingField::PositionX)->setText("0");
         f.field(3, WingField::PositionZ)->setText("-180");
     },
     true},
};

INSTANTIATE_TEST_SUITE_P(Kinds, UndoEveryKind, ::testing::ValuesIn(kUndoRows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Recent projects -------------------------------------------------------------------------------

TEST_F(WindowTest, RecentProjectsSurviveARestartAndAMissingOneIsDropped) {
    make();
    for (const char* name : {"a.tv4", "b.tv4"}) {
        dialogs.answers = {path(name)};
        trigger("Save2");
    }
    dialogs.answers = {path("a.tv4")};
    trigger("Open2");
    const std::vector<std::string> both = {path("a.tv4").toStdString(), path("b.tv4").toStdString()};
    EXPECT_EQ(form->recentProjects(), both) << "newest first, each once";

    form.reset();
    make();
    EXPECT_EQ(form->recentProjects(), both);
    EXPECT_EQ(get<QAction>("Recent1_2")->text(), "&2 b.tv4");
    EXPECT_EQ(get<QAction>("Recent1_2")->toolTip(), QDir::toNativeSeparators(dir.path()));

    QFile::remove(path("b.tv4"));
    get<QAction>("Recent1_2")->trigger();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains("b.tv4") && dialogs.errors[0].contains("no longer exists"));
    form.reset();
    make();
    EXPECT_EQ(form->recentProjects(), std::vector<std::string>{path("a.tv4").toStdString()});

    const QString saved = text("Edit1");
    setText("Edit1", "777");
    dialogs.saveAnswers = {TDialogs::Answer::Cancel};
    get<QAction>("Recent1_1")->trigger();
    EXPECT_EQ(text("Edit1"), "777") << "the edited aircraft stays after Cancel";
    dialogs.saveAnswers = {TDialogs::Answer::Discard};
    get<QAction>("Recent1_1")->trigger();
    EXPECT_EQ(text("Edit1").trimmed(), saved.trimmed());
    EXPECT_FALSE(form->history().canUndo()) << "opening starts a new history";
    EXPECT_EQ(text("Lab_FName"), path("a.tv4"));
}

// ---- Status line -----------------------------------------------------------------------------------

TEST_F(WindowTest, StatusLineShowsThePointerInTheAircraftFrame) {
    make();
    showPage("TabSheet2");
    auto* planform = get<TImage>("Image11");
    const tv::PlanformOrigin o = tv::planformOrigin(planform->bitmapSize());
    // Wing 2's root leading edge lies 1167 mm aft of wing 1's.
    emit planform->mouseMove(QPoint(o.a, o.p), Qt::NoButton, {});
    EXPECT_EQ(text("StatusLine"), "x 1167 mm, y 0 mm (x from the root leading edge of wing 1)");
    emit planform->mouseMove(QPoint(o.a - 40, o.p), Qt::NoButton, {});
    EXPECT_TRUE(text("StatusLine").contains(", y -")) << "the left half has negative y";

    trigger("german1");
    showPage("TabSheet5");
    auto* view = get<TImage>("Image2");
    const tv::AircraftViewGeometry& g = form->aircraftViewGeometry();
    emit view->mouseMove(QPoint(g.AircraftCentreX, g.AircraftDatumY), Qt::NoButton, {});
    EXPECT_EQ(text("StatusLine"), "x 0 mm, y 0 mm (x ab der Vorderkante der Wurzel von Flügel 1)");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(view, &leave);
    EXPECT_EQ(text("StatusLine"), "");
}

TEST_F(WindowTest, CtrlZInAFieldUndoesTheWindowsLastStepNotTheFieldsTyping) {
    make();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    showPage("TabSheet1");
    const QString before = text("Edit4");
    typeInto(form->field(1, WingField::Chord1), "300");
    QLineEdit* other = form->field(1, WingField::Chord2);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text("Edit4"), before) << "the chord typed into another field is taken back";
    QTest::keyClick(other, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text("Edit4"), "300");
}

TEST_F(WindowTest, StandardKeysAreShownInTheMenus) {
    make();
    const std::pair<const char*, const char*> keys[] = {{"New1", "Ctrl+N"}, {"Open2", "Ctrl+O"},
                                                        {"Save3", "Ctrl+S"}, {"Save2", "Ctrl+Shift+S"},
                                                        {"Print1", "Ctrl+P"}, {"Exit1", "Ctrl+Q"},
                                                        {"Undo1", "Ctrl+Z"}, {"Redo1", "Ctrl+Shift+Z"},
                                                        {"Calc1", "F5"}};
    for (const auto& [action, key] : keys)
        EXPECT_EQ(get<QAction>(action)->shortcut().toString(), key) << action;
}

} // namespace
