// Every figure the window shows, copies, prints or saves belongs to the aircraft on screen: after a
// live drag cut short, after a live drag released, after a refused calculation or a failed save.
#include "../printing/fake_printer_service.h"
#include "window_fixture.h"

#include "app/imagecontrol.h"
#include "i18n/control_names.h"
#include "views/planform_view.h"
#include "views/view_common.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>

#include <cmath>
#include <functional>

// Failure messages show the texts, not their UTF-16 bytes.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using tv::WingField;

class ConsistencyTest : public WindowTest {
protected:
    /// A mouse event on wing w's planform view, as the windowing system delivers it.
    void mouse(int w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* view = get(tv::kWingControlNames[w].planform);
        QMouseEvent e(type, QPointF(pos), view->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
        QApplication::sendEvent(view, &e);
    }
    void press(QPoint p) { mouse(2, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
    void moveHeld(QPoint p) { mouse(2, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
    void hover(QPoint p) { mouse(2, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton); }
    void release(QPoint p) { mouse(2, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }
    /// The right trailing-edge corner of wing 2's section 2 on its planform view (handle 7).
    QPoint tailCorner() {
        const tv::Wing& wing = form->model().Wings[2];
        const tv::PlanformOrigin o = tv::planformOrigin(get<TImage>(tv::kWingControlNames[2].planform)->bitmapSize());
        const double s = form->planformScale()[2];
        return {o.a + int(std::lround(wing.SectionY[2] * s)), o.p + int(std::lround((wing.XOffset[2] + wing.Chord[2]) * s))};
    }
    /// Wing 2's planform figures: the model's, or the dragged shape's while its rubber band is drawn.
    QString wing2Figures() {
        QStringList s;
        for (const char* l : {"Label_b2", "Label_s2", "Label_lm2", "Label_r252", "Label_lam2"}) s << text(l);
        return s.join(' ');
    }
    /// Everything shown or copied that belongs to the results.
    QStringList shown() {
        QStringList s{QString::number(form->reference().NeutralPointX, 'f', 3),
                      QString::number(form->stabilityNumbers().CgLow, 'f', 3),
                      QString::number(form->stabilityNumbers().CgHigh, 'f', 3),
                      get<QPlainTextEdit>("Memo1")->toPlainText(), QString::fromStdString(form->resultsReport())};
        for (const char* l : {"Label_anp1", "Label_anp2", "Label_ynp2", "Label_b2", "Label_s2", "Label_lm2", "Label21"})
            s << text(l);
        return s;
    }
    /// Save as, the dialog answering name.
    void saveAs(const QString& name) {
        dialogs.answers.push_back(name);
        trigger("Save2");
    }
    /// The neutral point the project saved now (as p.tv4) holds.
    QString savedNeutralPoint() {
        saveAs(path("p.tv4"));
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("<xnp>([^<]*)</xnp>")).match(QString::fromLatin1(readAll(path("p.tv4"))));
        return m.captured(1);
    }
    /// Wing 2 too slender to be calculated.
    void refuseWing2() {
        form->field(2, WingField::Span1)->setText("7000");
        form->field(2, WingField::Chord1)->setText("20");
        form->field(2, WingField::Chord2)->setText("20");
        form->Button4Click();
        ASSERT_FALSE(form->neutralPointKnown());
    }
};

/// What takes the release away from a planform drag: the release itself then lands elsewhere.
struct Interruption {
    const char* name;
    std::function<void(TForm1&)> happen;
};
void PrintTo(const Interruption& i, std::ostream* os) { *os << i.name; }

void loseFocus(TForm1& f) {
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&f, &out);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&f, &deactivate);
}
void pressEscape(TForm1& f) {
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(f.focusWidget() ? f.focusWidget() : &f, &esc);
}

struct InterruptedDrag : ConsistencyTest, ::testing::WithParamInterface<Interruption> {};

// A drag whose release never reaches the view (the Open dialog took it, the window lost the focus,
// Escape) leaves the aircraft as it was, and every figure shown, copied or saved is the calculate
// command's for it; the rubber band ends with the drag.
TEST_P(InterruptedDrag, LeavesTheFiguresOfTheUnchangedAircraft) {
    TForm1& f = makeLive();
    showPage("TabSheet2");
    const tv::AircraftTexts texts = f.fieldTexts();
    const QPoint corner = tailCorner(), to = corner + QPoint(0, -15);
    hover(to);
    waitLive();
    const QString figures = wing2Figures();
    press(corner);
    moveHeld(to);
    waitLive();
    GetParam().happen(f);
    hover(corner + QPoint(0, -8)); // elsewhere than the drag's last step
    waitLive();
    EXPECT_EQ(wing2Figures(), figures) << "the rubber band follows a free pointer";
    press({3, 3}); // an empty spot
    release({3, 3});
    waitLive();
    ASSERT_TRUE(tv::sameTexts(f.fieldTexts(), texts));
    const QString savedAfterDrag = savedNeutralPoint();
    const QStringList afterDrag = shown();
    f.Button4Click();
    EXPECT_EQ(afterDrag, shown());
    EXPECT_EQ(savedAfterDrag, savedNeutralPoint());
}

INSTANTIATE_TEST_SUITE_P(Window, InterruptedDrag,
                         ::testing::Values(Interruption{"OpenCancelled", [](TForm1& f) { f.Load1Click(); }},
                                           Interruption{"FocusLost", loseFocus}, Interruption{"EscapePressed", pressEscape}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(ConsistencyTest, CopyResultsAfterALiveDragEqualsTheCalculateCommands) {
    make();
    dialogs.choices = {0}; // the 2 m glider
    trigger("New1");
    trigger("LiveNeutralPoint1");
    form->Button4Click();
    showPage("TabSheet2");
    const QPoint corner = tailCorner();
    press(corner);
    moveHeld(corner + QPoint(0, 20));
    waitLive();
    release(corner + QPoint(0, 20));
    waitLive();
    ASSERT_TRUE(form->neutralPointKnown());
    const std::string live = form->resultsReport();
    form->Button4Click();
    EXPECT_EQ(live, form->resultsReport());
}

// Released where it was pressed, a drag writes nothing: the shape calculated on the way is gone.
TEST_F(ConsistencyTest, ADragReleasedWhereItStartedLeavesTheCalculateCommandsFigures) {
    makeLive();
    showPage("TabSheet2");
    const QPoint corner = tailCorner();
    press(corner);
    moveHeld(corner + QPoint(0, -15));
    waitLive();
    release(corner);
    waitLive();
    const QStringList afterDrag = shown();
    form->Button4Click();
    EXPECT_EQ(afterDrag, shown());
}

TEST_F(ConsistencyTest, AFailedSaveAsKeepsTheNameAndTheSavedState) {
    make();
    saveAs(path("mine.tv4"));
    const QByteArray saved = readAll(path("mine.tv4"));
    ASSERT_FALSE(saved.isEmpty());
    setText("Edit1", "500");
    const QString label = text("Lab_FName");
    saveAs(path("mine.tv4/x.tv4")); // a file's name used as a folder
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(form->projectFileName(), path("mine.tv4"));
    EXPECT_EQ(text("Lab_FName"), label);
    EXPECT_TRUE(form->aircraftModified());
    trigger("Save3");
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(readAll(path("mine.tv4")) != saved) << "Save writes the file that was opened";
    EXPECT_FALSE(form->aircraftModified());
}

TEST_F(ConsistencyTest, CalculateIsOfferedAfterARefusalOnlyWhenItCalculates) {
    make();
    refuseWing2();
    for (const char* command : {"Calc1", "Button4", "SpeedButton4"}) {
        const int beeps = dialogs.beeps; // every calculation ends with one
        const bool offered = form->findChild<QAction*>(command) ? get<QAction>(command)->isEnabled()
                                                                 : get<QAbstractButton>(command)->isEnabled();
        if (auto* a = form->findChild<QAction*>(command)) a->trigger();
        else get<QAbstractButton>(command)->click();
        EXPECT_EQ(offered, dialogs.beeps > beeps) << command << (offered ? " offered but did nothing" : "");
    }
}

TEST_F(ConsistencyTest, ALanguageSwitchTranslatesTheFailureLines) {
    make();
    refuseWing2();
    const QString english = get<QPlainTextEdit>("Memo1")->toPlainText();
    form->german1Click(); // the language menu
    const QString switched = get<QPlainTextEdit>("Memo1")->toPlainText();
    form->Button4Click(); // the same refusal calculated in German
    EXPECT_NE(english, switched);
    EXPECT_EQ(switched, get<QPlainTextEdit>("Memo1")->toPlainText());
}

TEST_F(ConsistencyTest, CopyResultsNamesATemplateStartedAircraftUntitled) {
    make();
    form->startNewAircraft(0);
    form->Button4Click();
    const std::string report = form->resultsReport();
    EXPECT_NE(report.find("Untitled"), std::string::npos) << report.substr(0, report.find('\n'));
    EXPECT_EQ(report.find("built-in default"), std::string::npos);
}

TEST_F(ConsistencyTest, AnotherWingCountAsksNothingAndUndoRestoresIt) {
    make();
    setText("Edit1", "500");
    const int before = form->wingCount(), other = before == 3 ? 2 : 3;
    click(tv::kWingCountButtonNames[other]);
    EXPECT_TRUE(dialogs.questions.isEmpty()) << dialogs.questions.join(' ').toStdString();
    EXPECT_EQ(form->wingCount(), other);
    trigger("Undo1");
    EXPECT_EQ(form->wingCount(), before);
    EXPECT_EQ(text("Edit1"), "500") << "undo takes back the count, not the edit before it";
}

TEST_F(ConsistencyTest, ThePrintJobIsTitledWithTheProjectsName) {
    FakePrinterService printer;
    TForm1::Options o;
    o.dialogs = &dialogs;
    o.pixelDensity = 96;
    o.printerService = &printer;
    form = std::make_unique<TForm1>(o);
    saveAs(path("mine.tv4"));
    form->Button4Click();
    click("SpeedButton5");
    QWidget* dialog = form->findChild<QWidget*>(QStringLiteral("Form3"));
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QPushButton*>(QStringLiteral("ButtonClose"))->click();
    ASSERT_EQ(printer.ended, 1);
    EXPECT_NE(printer.jobProps.title.find("mine"), std::string::npos) << '"' << printer.jobProps.title << '"';
    form.reset(); // before the printer service it uses
}

} // namespace

namespace {

// An aircraft without a file is saved and exported from the user's documents folder (the examples
// may be read-only), and Ctrl+S asks it for a name while the Save command is not offered.
TEST_F(ConsistencyTest, ANewAircraftIsSavedFromTheDocumentsFolderAndCtrlSAsksItsName) {
    QDir().mkpath(path("docs"));
    QDir().mkpath(path("config"));
    QFile dirs(path("config/user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write(QFile::encodeName("XDG_DOCUMENTS_DIR=\"" + path("docs") + "\"\n"));
    dirs.close();
    make();
    dialogs.choices = {1};
    trigger("New1");
    form->field(1, WingField::Chord1)->setText("250");
    auto* key = form->findChild<QShortcut*>(QStringLiteral("SaveAsKey"));
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(get<QAction>("Save3")->isEnabled());
    ASSERT_TRUE(key->isEnabled());
    dialogs.answers.push_back(path("docs/canard.tv4"));
    emit key->activated();
    ASSERT_FALSE(dialogs.folders.isEmpty());
    EXPECT_EQ(QDir(dialogs.folders.last()).canonicalPath(), QDir(path("docs")).canonicalPath());
    EXPECT_TRUE(QFile::exists(path("docs/canard.tv4")));
    EXPECT_TRUE(get<QAction>("Save3")->isEnabled());
    EXPECT_FALSE(key->isEnabled()) << "once named, Ctrl+S is the Save command's";
    EXPECT_FALSE(form->aircraftModified());
}

} // namespace

namespace {

// Shift shapes a drag (it moves a corner along one axis); it does not end it as other keys do.
TEST_F(ConsistencyTest, ShiftDuringADragKeepsItEscapeEndsIt) {
    make();
    showPage("TabSheet2");
    const QString figures = wing2Figures();
    const QPoint corner = tailCorner(), to = corner + QPoint(0, -15);
    press(corner);
    moveHeld(to);
    ASSERT_NE(wing2Figures(), figures) << "the rubber band shows the dragged shape";
    for (const auto& [key, ends] : {std::pair{Qt::Key_Shift, false}, std::pair{Qt::Key_Escape, true}}) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &e);
        EXPECT_EQ(wing2Figures() == figures, ends) << key;
    }
}

} // namespace

namespace {

// The window's exports and Open say why nothing happened: no results to export, an export that
// would replace the open project, a project that cannot be opened.
TEST_F(ConsistencyTest, ExportsAndOpenSayWhyNothingHappened) {
    make();
    saveAs(path("plane.tv4"));
    const QByteArray project = readAll(path("plane.tv4"));
    dialogs.answers.push_back(path("plane.tv4"));
    trigger("ExportCsv1");
    ASSERT_EQ(dialogs.errors.size(), 1) << "an export over the open project is refused";
    EXPECT_TRUE(dialogs.errors.last().contains("plane.tv4")) << dialogs.errors.last().toStdString();
    EXPECT_EQ(readAll(path("plane.tv4")), project);

    refuseWing2();
    dialogs.answers.push_back(path("loads.csv"));
    trigger("ExportCsv1");
    ASSERT_EQ(dialogs.errors.size(), 2) << "an export after a refusal says why nothing was written";
    EXPECT_FALSE(QFile::exists(path("loads.csv")));

    for (const QString& name : {path("missing.tv4"), path("bad\xEF\xBF\xBD.tv4")}) {
        const int before = int(dialogs.errors.size());
        form->openProject(name);
        EXPECT_EQ(dialogs.errors.size(), before + 1) << name.toStdString();
    }
    EXPECT_EQ(form->projectFileName(), path("plane.tv4"));
}

} // namespace

namespace {

// A project's My CG and weight-and-balance table have no controls yet: they stay with the project,
// are saved with it and reach Copy results.
TEST_F(ConsistencyTest, TheBalanceBlockIsKeptSavedAndCopied) {
    make();
    saveAs(path("plane.tv4"));
    QByteArray bytes = readAll(path("plane.tv4"));
    const QByteArray block = " <balance>\r\n  <my_cg>100</my_cg>\r\n  <balance_item>\r\n   <item_name>battery</item_name>\r\n"
                             "   <item_mass>300</item_mass>\r\n   <item_x>50</item_x>\r\n  </balance_item>\r\n </balance>\r\n";
    bytes.insert(bytes.indexOf(" <comment>"), block);
    QFile file(path("plane.tv4"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    form->openProject(path("plane.tv4"));
    form->Button4Click();
    EXPECT_NE(form->resultsReport().find("300.0 g"), std::string::npos) << form->resultsReport();
    form->field(1, WingField::Chord1)->setText("333");
    trigger("Save3");
    EXPECT_TRUE(readAll(path("plane.tv4")).contains("<item_name>battery</item_name>"));
}

} // namespace
