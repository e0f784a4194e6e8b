// The window's commands that go through files and the solver: open, save, start-up argument,
// settings, wing clipboard, exchange and the calculation.
#include "window_fixture.h"

#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {
bool shown(QWidget* w) { return w && !w->isHidden(); }
} // namespace

TEST_F(WindowTest, SaveAndOpenRoundTripThroughTheFields) {
    TForm1& f = make();
    click("RadioButton2");
    setText("Edit4", "310");
    get<QPlainTextEdit>("Memo2")->setPlainText("line one\nline two");
    dialogs.answers.push_back(path("plane"));
    trigger("Save2");
    EXPECT_EQ(f.projectFileName(), path("plane.tv4"));
    EXPECT_EQ(text("Lab_FName"), path("plane.tv4"));
    EXPECT_TRUE(get<QAction>("Save3")->isEnabled());
    const QByteArray bytes = readAll(path("plane.tv4"));
    EXPECT_TRUE(bytes.contains(" <wings_count>2</wings_count>\r\n"));
    EXPECT_TRUE(bytes.contains("   <chord>310</chord>\r\n"));
    EXPECT_FALSE(bytes.contains("<sb>")) << "no neutral point is known before a calculation";

    // Change the aircraft, then open the file again: the fields come back, wings above the
    // file's count get 10 mm everywhere.
    click("RB_W5");
    setText("Edit4", "999");
    get<QPlainTextEdit>("Memo2")->setPlainText("other");
    dialogs.answers.push_back(path("plane.tv4"));
    showPage("TabSheet1");
    trigger("Open2");
    EXPECT_EQ(form->wingCount(), 2);
    EXPECT_EQ(text("Edit4"), " 310");
    EXPECT_EQ(text("Edit24"), "  10");
    EXPECT_EQ(text("Edit_x3"), "  10");
    EXPECT_EQ(get<QPlainTextEdit>("Memo2")->toPlainText(), "line one\nline two");
    EXPECT_EQ(pages()->currentWidget(), get("TabSheet5"));
    EXPECT_TRUE(get<QRadioButton>("RadioButton15")->isChecked());
    EXPECT_FALSE(f.neutralPointKnown());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

// A file that fails to open leaves the name, the label and the fields of the open project, so
// "Save" writes the open project where it came from and not over the file that failed.
TEST_F(WindowTest, AFailedOpenKeepsTheOpenProjectAndItsName) {
    TForm1& f = make();
    setText("Edit4", "310");
    dialogs.answers.push_back(path("mine.tv4"));
    trigger("Save2");
    QFile big(path("big.tv4"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(2 << 20, '\n'));
    big.close();
    setText("Edit4", "320");
    dialogs.answers.push_back(path("big.tv4"));
    trigger("Open2");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains("is too large to be a Tarvolin4 project")) << dialogs.errors[0].toStdString();
    EXPECT_EQ(f.projectFileName(), path("mine.tv4"));
    EXPECT_EQ(text("Lab_FName"), path("mine.tv4"));
    EXPECT_EQ(text("Edit4"), "320");
    trigger("Save3");
    EXPECT_EQ(QFileInfo(path("big.tv4")).size(), 2 << 20);
    EXPECT_TRUE(readAll(path("mine.tv4")).contains("<chord>320</chord>"));
}

TEST_F(WindowTest, CancelledDialogsWriteNothingAndChangeNothing) {
    TForm1& f = make();
    trigger("Save2"); // cancelled
    EXPECT_FALSE(QFile::exists(path("Unknown.tv4")));
    EXPECT_FALSE(get<QAction>("Save3")->isEnabled());
    trigger("Open2"); // cancelled
    EXPECT_FALSE(get<QAction>("Save3")->isEnabled());
    EXPECT_EQ(f.projectFileName(), "Unknown.tv4");
}

TEST_F(WindowTest, AFailedSaveShowsTheReasonAndKeepsTheOldFile) {
    make();
    dialogs.answers.push_back(path("keep.tv4"));
    trigger("Save2");
    const QByteArray before = readAll(path("keep.tv4"));
    ASSERT_FALSE(before.isEmpty());
    dialogs.answers.push_back(path("missing-folder/plane.tv4"));
    trigger("Save2");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains("missing-folder/plane.tv4")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.errors[0].contains("No such file")) << dialogs.errors[0].toStdString();
    EXPECT_EQ(text("Lab_FName"), path("keep.tv4")) << "the label still names the last saved file";
    EXPECT_EQ(readAll(path("keep.tv4")), before);
}

TEST_F(WindowTest, OpeningAFileThatIsNotAProjectKeepsTheAircraft) {
    make();
    click("RadioButton2");
    setText("Edit4", "310");
    ASSERT_TRUE(writeAll(path("junk.tv4"), "not a project at all\r\n"));
    dialogs.answers.push_back(path("junk.tv4"));
    trigger("Open2");
    EXPECT_EQ(form->wingCount(), 2);
    EXPECT_EQ(text("Edit4"), "310");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors[0], path("junk.tv4") + " is not a Tarvolin4 project");
}

TEST_F(WindowTest, SavingOverAReadOnlyFileFailsAndKeepsIt) {
    make();
    ASSERT_TRUE(writeAll(path("locked.tv4"), "<aircraft>\r\n"));
    ASSERT_TRUE(QFile::setPermissions(path("locked.tv4"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    dialogs.answers.push_back(path("locked.tv4"));
    trigger("Save2");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(path("locked.tv4"))) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.errors[0].contains("read-only")) << dialogs.errors[0].toStdString();
    EXPECT_EQ(readAll(path("locked.tv4")), "<aircraft>\r\n");
}

TEST_F(WindowTest, SavingWarnsOfCharactersTheFileCannotHold) {
    make();
    get<QPlainTextEdit>("Memo2")->setPlainText(QString::fromUtf8("flap → 20° 中 →"));
    dialogs.confirmation = false;
    dialogs.answers.push_back(path("plane.tv4"));
    trigger("Save2");
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings[0].endsWith(QString::fromUtf8(": → 中"))) << dialogs.warnings[0].toStdString();
    EXPECT_FALSE(QFile::exists(path("plane.tv4"))) << "a cancelled save writes nothing";

    // A cancelled save as leaves the aircraft unnamed: the name is asked again.
    dialogs.confirmation = true;
    dialogs.answers.push_back(path("plane.tv4"));
    trigger("Save2");
    EXPECT_EQ(dialogs.warnings.size(), 2);
    EXPECT_TRUE(readAll(path("plane.tv4")).contains("flap ? 20\xB0 ? ?"));

    get<QPlainTextEdit>("Memo2")->setPlainText(QString::fromUtf8("äöü µ²"));
    trigger("Save3");
    EXPECT_EQ(dialogs.warnings.size(), 2) << "nothing to replace, nothing asked";
}

// What "Save" writes, "Open" reads: a remark that would take the file beyond the size "Open"
// accepts is refused with the size and the limit, and the file saved before stays.
TEST_F(WindowTest, AProjectTooLargeToOpenIsNotSaved) {
    make();
    dialogs.answers.push_back(path("plane.tv4"));
    trigger("Save2");
    const QByteArray before = readAll(path("plane.tv4"));
    get<QPlainTextEdit>("Memo2")->setPlainText(QString(1100000, QLatin1Char('r')));
    trigger("Save3");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(path("plane.tv4") + ": not saved")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.errors[0].contains("1,048,576 bytes (1 MB)")) << dialogs.errors[0].toStdString();
    EXPECT_EQ(readAll(path("plane.tv4")), before);
}

// A table with more rows than the window holds is said to have lost them when it is opened,
// before any save could write the shorter table over the file.
TEST_F(WindowTest, OpeningMoreWeightRowsThanTheTableHoldsSaysSo) {
    make();
    std::string rows;
    for (int i = 0; i < 10000; ++i) rows += "  <balance_item>\r\n   <item_name>r</item_name>\r\n  </balance_item>\r\n";
    QFile big(path("heavy.tv4"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(("<aircraft>\r\n <balance>\r\n" + rows + " </balance>\r\n</aircraft>\r\n").c_str());
    big.close();
    dialogs.answers.push_back(path("heavy.tv4"));
    trigger("Open2");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors[0], path("heavy.tv4") + ": the weight table holds 30 rows; 9,970 were left out. "
                                                     "A save keeps only the rows read.");
    EXPECT_EQ(text("Lab_FName"), path("heavy.tv4")) << "the rows read are opened";
}

TEST_F(WindowTest, StartUpArgumentOpensTheNameAsGiven) {
    auto saveWithX2 = [&](const char* x2, const QString& name) {
        make();
        setText("Edit_x2", x2);
        dialogs.answers.push_back(path(name));
        trigger("Save2");
        form.reset();
    };
    saveWithX2("1000", "glider.tv4");
    // Relative to the working directory, as a user types it. Only the lower-case file exists:
    // it is taken as the fallback.
    TForm1& f = make({"Glider.TV4"});
    EXPECT_EQ(f.projectFileName(), "glider.tv4");
    EXPECT_EQ(text("Lab_FName"), "glider.tv4");
    EXPECT_EQ(text("Edit_x2"), "1000");
    EXPECT_TRUE(get<QAction>("Save3")->isEnabled());

    // Two arguments are ignored; a missing file keeps the defaults but takes the name as given.
    TForm1& two = make({path("glider.tv4"), "x"});
    EXPECT_EQ(two.projectFileName(), "Unknown.tv4");
    EXPECT_EQ(text("Edit_x2"), "1167");
    TForm1& missing = make({"Nowhere.tv4"});
    EXPECT_EQ(missing.projectFileName(), "Nowhere.tv4");
    EXPECT_EQ(text("Edit_x2"), "1167");
    EXPECT_TRUE(get<QAction>("Save3")->isEnabled());

    // Both exist, in folders that differ only in case too: the one named opens, so "Save"
    // cannot overwrite the other.
    QDir(dir.path()).mkpath("Gliders");
    QDir(dir.path()).mkpath("gliders");
    saveWithX2("2000", "Gliders/Plane.tv4");
    saveWithX2("3000", "gliders/plane.tv4");
    TForm1& both = make({"Gliders/Plane.tv4"});
    EXPECT_EQ(both.projectFileName(), "Gliders/Plane.tv4");
    EXPECT_EQ(text("Edit_x2"), "2000");
}

TEST_F(WindowTest, SettingsAreWrittenOnCloseAndReadAtStart) {
    TForm1& f = make();
    trigger("german1");
    f.resize(900, 800);
    f.close();
    // No settings in the working directory: they go to the per-user configuration folder.
    EXPECT_FALSE(QFile::exists(path("Default.pa4")));
    const QByteArray bytes = readAll(configPath("Default.pa4"));
    EXPECT_TRUE(bytes.startsWith("d\r\n900\r\n")) << bytes.toStdString();

    TForm1& again = make();
    EXPECT_EQ(again.uiLanguage(), tv::UiLanguage::German);
    EXPECT_EQ(again.width(), 900);
    EXPECT_EQ(text("Button4"), "Berechnung Neutralpunkt");

    ASSERT_TRUE(writeAll(path("Default.pa4"), "x\r\n"));
    // Settings in the working directory (an older install) are read and written there.
    EXPECT_EQ(make().uiLanguage(), tv::UiLanguage::Spanish);
    trigger("english1");
    form->close();
    EXPECT_TRUE(readAll(path("Default.pa4")).startsWith("e\r\n"));
    EXPECT_TRUE(readAll(configPath("Default.pa4")).startsWith("d\r\n"));
}

TEST_F(WindowTest, CopyWingOneAndInsertItOnWingFour) {
    TForm1& f = make();
    showPage("TabSheet1");
    EXPECT_TRUE(get<QAction>("CopyWing1")->isEnabled());
    EXPECT_FALSE(get<QAction>("InsertCopiedWing1")->isEnabled());
    click("Button_C1");
    EXPECT_TRUE(f.clipboardHasWing());
    EXPECT_TRUE(QFile::exists(dataPath("wingcopy.fl4")));
    EXPECT_FALSE(QFile::exists(path("wingcopy.fl4")));
    EXPECT_TRUE(get("Button_P4")->isEnabled());
    EXPECT_TRUE(get<QAction>("Save3")->isEnabled());
    showPage(tv::kWingTabSheetNames[4]);
    click("Button_P4");
    EXPECT_EQ(text("Edit34"), " 335");
    EXPECT_EQ(text("Edit44xx"), " 215");
    EXPECT_TRUE(get<QRadioButton>("RadioButton_4t4")->isChecked());
    EXPECT_EQ(text("Edit_x4"), "-400") << "the inserted wing keeps its slot's position";
    EXPECT_EQ(f.model().Wings[4].planform.S, f.model().Wings[1].planform.S);
    // A new window finds the clipboard again.
    make();
    EXPECT_TRUE(form->clipboardHasWing());
    EXPECT_TRUE(get("Button_P2")->isEnabled());
    // A clipboard in the working directory (an older install) is the one inserted.
    QFile::copy(dataPath("wingcopy.fl4"), path("wingcopy.fl4"));
    QFile::remove(dataPath("wingcopy.fl4"));
    make();
    EXPECT_TRUE(form->clipboardHasWing());
    showPage(tv::kWingTabSheetNames[4]);
    click("Button_P4");
    EXPECT_EQ(text("Edit34"), " 335");
}

TEST_F(WindowTest, ExchangeSwapsPlanformsPositionsAndCounts) {
    make();
    click("RadioButton8"); // wing 2: two trapezia
    trigger("chng1");
    EXPECT_EQ(text("Edit4"), "135");
    EXPECT_EQ(text("Edit14"), "335");
    EXPECT_EQ(text("Edit_x1"), "1167");
    EXPECT_EQ(text("Edit_z2"), "-190");
    EXPECT_TRUE(get<QRadioButton>("RadioButton5")->isChecked());
    EXPECT_TRUE(get<QRadioButton>("RadioButton42t")->isChecked());
    EXPECT_EQ(text("Label_b2"), "2200mm");
}

TEST_F(WindowTest, CalculationShowsResultsUntilTheNextEdit) {
    TForm1& f = make();
    showPage("TabSheet2");
    click("SpeedButton4");
    EXPECT_EQ(pages()->currentWidget(), get("TabSheet5"));
    EXPECT_TRUE(f.neutralPointKnown());
    EXPECT_TRUE(f.latticeKnown());
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_TRUE(get<QAction>("Print1")->isEnabled());
    EXPECT_TRUE(get("SpeedButton5")->isEnabled());
    EXPECT_TRUE(shown(get("Button4")));
    EXPECT_FALSE(get("Button4")->isEnabled());
    EXPECT_FALSE(get("SpeedButton4")->isEnabled());
    EXPECT_FALSE(shown(get("Label_w")));
    for (const char* name : {"Label_anp1", "Label_ynp1", "Label_anp5", "Label_ynp5"}) {
        EXPECT_TRUE(shown(get(name))) << name;
        EXPECT_TRUE(text(name).endsWith("mm")) << name;
    }
    EXPECT_TRUE(get("Label25")->isEnabled());
    EXPECT_GT(f.reference().ReferenceArea, 0);
    // Page changes keep the results; an edit clears them.
    showPage("TabSheet1");
    showPage("TabSheet5");
    EXPECT_TRUE(f.neutralPointKnown());
    setText("Edit5", "330");
    EXPECT_FALSE(f.neutralPointKnown());
    EXPECT_FALSE(shown(get("Label_anp3")));
    EXPECT_FALSE(get("Label25")->isEnabled());
    EXPECT_TRUE(get("SpeedButton4")->isEnabled());
    setText("Edit_x1", "5");
    EXPECT_FALSE(get<QAction>("Print1")->isEnabled());
    EXPECT_TRUE(get("Button4")->isEnabled());
}

TEST_F(WindowTest, SavingAfterACalculationStoresTheNeutralPoint) {
    TForm1& f = make();
    click("RadioButton1");
    click("Button4");
    ASSERT_TRUE(f.neutralPointKnown());
    const double np = f.reference().NeutralPointX;
    dialogs.answers.push_back(path("np.tv4"));
    trigger("Save2");
    EXPECT_TRUE(readAll(path("np.tv4")).contains("<xnp>"));
    setText("Edit4", "100");
    dialogs.answers.push_back(path("np.tv4"));
    trigger("Open2");
    EXPECT_TRUE(f.neutralPointKnown());
    EXPECT_FALSE(f.latticeKnown());
    EXPECT_NEAR(f.reference().NeutralPointX, np, 0.01);
}

TEST_F(WindowTest, ATooSlenderWingShowsItsFailureLinesAndNoResults) {
    TForm1& f = make();
    click("RadioButton1");
    setText("Edit2", "20000");
    setText("Edit4", "10");
    setText("Edit5", "10");
    setText("Edit6", "10");
    setText("Edit7", "10");
    setText("Edit14x", "10");
    click("Button4");
    EXPECT_FALSE(f.neutralPointKnown());
    EXPECT_TRUE(f.abortCalculation());
    EXPECT_TRUE(shown(get("Memo1")));
    const QString memo = get<QPlainTextEdit>("Memo1")->toPlainText();
    EXPECT_TRUE(memo.contains("Can not calculate wing-1. \nPlease change this wing (less aspect ratio)!"))
        << memo.toStdString();
    EXPECT_FALSE(shown(get("Label_anp1")));
    EXPECT_FALSE(get<QAction>("Print1")->isEnabled());
    EXPECT_FALSE(get("Button4")->isEnabled());
    EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(WindowTest, ARefusedWingAndAHeightMoveStandUnderTheErrorHeader) {
    make();
    click("RadioButton2");
    for (const char* chord : {"Edit4", "Edit5", "Edit6", "Edit7", "Edit14x"}) setText(chord, "10");
    setText("Edit2", "20000");
    setText("Edit_x2", "0");
    setText("Edit_z2", "-190"); // the same plane as wing 1
    click("Button4");
    const QStringList lines = get<QPlainTextEdit>("Memo1")->toPlainText().split('\n');
    EXPECT_EQ(lines, QStringList({"Error: ", "Can not calculate wing-1. ",
                                  "Please change this wing (less aspect ratio)!", "Attention:",
                                  "Wings are moved automatically in z-direction!"}));
}

TEST_F(WindowTest, OverlappingWingsMoveAndTheirHeightFieldShowsIt) {
    TForm1& f = make();
    click("RadioButton2");
    setText("Edit_x2", "0");
    setText("Edit_z2", "-190"); // the same plane as wing 1
    click("Button4");
    EXPECT_NE(text("Edit_z2"), "-190");
    EXPECT_EQ(text("Edit_z2").toInt(), f.model().Wings[2].PositionZ);
    const QString memo = get<QPlainTextEdit>("Memo1")->toPlainText();
    EXPECT_TRUE(shown(get("Memo1")));
    EXPECT_TRUE(memo.contains("Wings are moved automatically in z-direction!")) << memo.toStdString();
    EXPECT_TRUE(f.neutralPointKnown()) << "the move is no failure";
}

// ---- Unsaved edits -----------------------------------------------------------------------------

TEST_F(WindowTest, LeavingUnsavedEditsAsksFirst) {
    using A = TDialogs::Answer;
    struct Row {
        const char* name;
        const char* action; // "close", "open" (another wing count loses nothing and asks nothing)
        A answer;
        bool proceeds;
        bool saved;
    };
    const Row rows[] = {
        {"close, cancel", "close", A::Cancel, false, false}, {"close, discard", "close", A::Discard, true, false},
        {"close, save", "close", A::Save, true, true},       {"open, cancel", "open", A::Cancel, false, false},
        {"open, discard", "open", A::Discard, true, false},  {"open, save", "open", A::Save, true, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        // The project to open is the default aircraft under another name; the one edited is mine.tv4.
        make();
        form->show();
        dialogs.answers = {path("other.tv4"), path("mine.tv4")};
        trigger("Save2");
        trigger("Save2");
        dialogs.questions.clear();
        // Untouched: no question.
        if (std::string(r.action) == "close") {
            EXPECT_TRUE(form->close());
            form->show();
        }
        EXPECT_TRUE(dialogs.questions.isEmpty());
        setText("Edit2", "333");
        dialogs.saveAnswers = {r.answer};
        bool proceeded = false;
        if (std::string(r.action) == "close") {
            proceeded = form->close();
        } else {
            dialogs.answers.push_back(path("other.tv4"));
            trigger("Open2");
            proceeded = text("Edit2") != "333";
            EXPECT_EQ(dialogs.answers.empty(), r.proceeds) << "the open dialog shows only after the question";
        }
        EXPECT_EQ(dialogs.questions, QStringList{"Save changes to mine.tv4?"});
        EXPECT_EQ(proceeded, r.proceeds);
        EXPECT_EQ(readAll(path("mine.tv4")).contains("333"), r.saved);
        if (!r.proceeds) EXPECT_EQ(text("Edit2"), "333") << "nothing of the edit is lost";
    }
}

TEST_F(WindowTest, AnEditUndoneAsksNothingAndACancelledOpenKeepsTheResults) {
    make();
    const QString opened = text("Edit2");
    setText("Edit2", "333");
    setText("Edit2", " " + opened); // the same value again, blank or not
    EXPECT_FALSE(form->aircraftModified());
    click("RadioButton1");
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(form->aircraftModified()) << "the wing count is part of the aircraft";
    dialogs.answers.push_back(path("one.tv4"));
    trigger("Save2");
    EXPECT_FALSE(form->aircraftModified());
    click("Button4");
    ASSERT_TRUE(form->neutralPointKnown());
    trigger("Open2"); // the open dialog is cancelled
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(form->neutralPointKnown()) << "a cancelled open keeps the results";
    EXPECT_TRUE(form->latticeKnown());
    EXPECT_FALSE(get("Button4")->isEnabled());
}

TEST_F(WindowTest, DialogsStartWithTheExamplesThenInTheProjectsFolder) {
    make();
    trigger("Open2"); // cancelled
    ASSERT_EQ(dialogs.folders.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(dialogs.folders.last() + "/default.tv4")) << dialogs.folders.last().toStdString();
    QDir(dir.path()).mkdir("hangar");
    dialogs.answers.push_back(path("hangar/mine.tv4"));
    trigger("Save2");
    trigger("Save2"); // cancelled
    EXPECT_EQ(dialogs.folders.last(), QFileInfo(path("hangar/mine.tv4")).absolutePath());
}
