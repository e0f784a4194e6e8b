// The one aircraft the window shows: a height typed in live mode stays as typed while the lattice
// takes the separated height, the calculate command writes moved heights back only outside the
// field being typed in, and a reopened calculated project offers the calculate command.
#include "window_fixture.h"

#include "app/pages/aircraft_page.h"
#include "i18n/texts.h"

#include <QPlainTextEdit>
#include <QTest>

namespace {

using tv::WingField;

class DocumentTest : public WindowTest {
protected:
    /// The 2 m glider opened from a copy: wing 2 (the tail) at z = 20 mm.
    TForm1& openGlider(bool live) {
        EXPECT_TRUE(QFile::copy(QStringLiteral(TV_TEST_DATA "/../../examples/glider-2m.tv4"), path("glider.tv4")));
        TForm1& f = make({path("glider.tv4")});
        if (live) {
            trigger("LiveNeutralPoint1");
            waitLive();
        }
        return f;
    }
    QLineEdit* tailZ() { return form->field(2, WingField::PositionZ); }
    /// Keys typed into the tail's height field, focused as the user has it; the first key replaces
    /// the text, the others follow it.
    void typeTailZ(const QString& keys) {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        if (!tailZ()->hasFocus()) {
            tailZ()->setFocus();
            tailZ()->selectAll();
        }
        for (QChar c : keys) {
            QTest::keyClick(tailZ(), c.toLatin1());
            waitLive();
        }
    }
    bool separationReported() {
        const QString notice = QString::fromStdString(tv::zSeparationNotice(tv::UiLanguage::English).back());
        return get<QPlainTextEdit>("Memo1")->toPlainText().contains(notice);
    }
};

TEST_F(DocumentTest, ALiveResultNeverRewritesTheHeightBeingTyped) {
    TForm1& f = openGlider(true);
    typeTailZ("3");
    EXPECT_EQ(tailZ()->text(), "3");
    // The live result belongs to the typed height; the lattice took the separated one and says so.
    ASSERT_TRUE(f.neutralPointKnown());
    EXPECT_TRUE(separationReported());
    EXPECT_NE(f.currentResult()->aircraft.Wings[2].PositionZ, 3) << "the lattice uses the moved height";

    typeTailZ("0");
    EXPECT_EQ(tailZ()->text(), "30");
    ASSERT_TRUE(f.neutralPointKnown());
    EXPECT_EQ(f.currentResult()->aircraft.Wings[2].PositionZ, 30);

    dialogs.answers.push_back(path("saved.tv4"));
    f.Save1Click(SaveMode::As);
    const QByteArray saved = readAll(path("saved.tv4"));
    EXPECT_TRUE(saved.contains("<z>30</z>")) << saved.toStdString();
}

TEST_F(DocumentTest, TheCalculateCommandWritesMovedHeightsOnlyOutsideTheFieldBeingTyped) {
    TForm1& f = openGlider(false);
    typeTailZ("3");
    trigger("Calc1"); // F5 with the focus in the field
    EXPECT_EQ(tailZ()->text(), "3");
    EXPECT_TRUE(f.neutralPointKnown()) << "the result belongs to the height as typed";
    EXPECT_TRUE(separationReported());

    f.field(1, WingField::PositionX)->setFocus(); // the typing ended elsewhere
    f.field(1, WingField::Chord1)->setText(f.field(1, WingField::Chord1)->text() + "0");
    trigger("Calc1");
    EXPECT_NE(tailZ()->text(), "3") << "the command's documented write-back";
    EXPECT_TRUE(f.neutralPointKnown());
    EXPECT_EQ(tailZ()->text().toDouble(), f.currentResult()->aircraft.Wings[2].PositionZ);
}

TEST_F(DocumentTest, AReopenedCalculatedProjectOffersTheCalculateCommand) {
    TForm1& f = make();
    click("Button4");
    dialogs.answers.push_back(path("calculated.tv4"));
    f.Save1Click(SaveMode::As);
    f.openProject(path("calculated.tv4"));

    // The stored neutral point is shown as such; the lattice, loads and % MAC need the command.
    ASSERT_TRUE(f.neutralPointKnown());
    EXPECT_FALSE(f.latticeKnown());
    EXPECT_NE(text("Label21"), QString::fromLatin1(tv::kMarginLabelUnknown));
    EXPECT_TRUE(get<QPlainTextEdit>("Memo1")->toPlainText().contains("stored"));
    EXPECT_TRUE(get<QAction>("Calc1")->isEnabled());
    EXPECT_TRUE(get<QAbstractButton>("Button4")->isEnabled());

    trigger("Calc1");
    ASSERT_TRUE(f.latticeKnown());
    for (const char* a : {"CopyResults1", "Print1", "ExportPdf1"}) EXPECT_TRUE(get<QAction>(a)->isEnabled()) << a;
    EXPECT_TRUE(get<QPlainTextEdit>("MemoBalance")->toPlainText().contains("Mean aerodynamic chord"));
    EXPECT_FALSE(get<QAction>("Calc1")->isEnabled()) << "calculating again gives the same";
}

} // namespace
