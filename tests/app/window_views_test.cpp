// The views as the window drives them: planform editing by mouse on a wing's image, the margin
// slider and the stability choice, the pressure switch and its gain, resizing after a
// calculation, and turning the 3D view by mouse.
#include "window_fixture.h"

#include "app/imagecontrol.h"
#include "model/numformat.h"
#include "solver/workspace.h"
#include "stability/stability.h"
#include "views/aircraft_view.h"
#include "views/view_common.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <functional>

namespace {

using tv::WingField;

bool shown(QWidget* w) { return w && !w->isHidden(); }

/// A mouse move with keys held, which QTest's move helper cannot send.
void moveWith(QWidget* w, QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys) {
    QMouseEvent e(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton, buttons, keys);
    QApplication::sendEvent(w, &e);
}

bool isYellow(QLineEdit* e) { return e->palette().color(QPalette::Base) == QColor(255, 255, 0); }

} // namespace

// ---- Planform editing ------------------------------------------------------------------------------

// Wing 1 of four trapezia, spans of 100 mm (half span 400), chords up to 200 mm, on an image of
// 406 x 330 pixels: the span fits at 406 / 2.03 / 400 = 0.5 pixels per mm, the chord would allow
// more, so the view is drawn at 0.5 with its origin at (203, 110).
class PlanformEditing : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        make();
        image = get<TImage>("Image1");
        image->setBitmapSize(QSize(406, 330));
        image->resize(406, 330);
        const std::pair<WingField, const char*> values[] = {
            {WingField::Span1, "100"},  {WingField::Span2, "100"},   {WingField::Span3, "100"},
            {WingField::Span4, "100"},  {WingField::Chord1, "200"},  {WingField::Chord2, "180"},
            {WingField::Chord3, "160"}, {WingField::Chord4, "140"},  {WingField::Chord5, "120"},
            {WingField::XOffset2, "10"}, {WingField::XOffset3, "20"}, {WingField::XOffset4, "30"},
            {WingField::XOffset5, "40"}, {WingField::RootOffset, "0"}};
        for (const auto& [f, t] : values) fieldOf(f)->setText(t);
        ASSERT_DOUBLE_EQ(form->planformScale()[1], 0.5);
    }
    QLineEdit* fieldOf(WingField f) { return form->field(1, f); }
    QString value(WingField f) { return fieldOf(f)->text(); }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers atRelease = {}) {
        QTest::mousePress(image, Qt::LeftButton, {}, from);
        moveWith(image, to, Qt::LeftButton, {});
        QTest::mouseRelease(image, Qt::LeftButton, atRelease, to);
    }
    TImage* image = nullptr;
    const QPoint rootLeadingEdge{203, 110};
    const QPoint section3LeadingEdgeRight{203 + 100, 110 + 10}; // y 200 mm, x 20 mm
};

TEST_F(PlanformEditing, RootOffsetHandlesWithoutOffsetBothGiveTheMirroredDistance) {
    // Handles 1 and 2 lie on one point; handle 2 (left half) wins, and a drag to the right goes
    // through the mirror rule. A project file writes its zero with blanks in front: the rule
    // goes by the field's value, so that zero behaves as a typed one.
    for (const char* zero : {"0", "   0"}) {
        for (int dx : {-30, 30}) {
            fieldOf(WingField::RootOffset)->setText(zero);
            moveWith(image, rootLeadingEdge, Qt::NoButton, {});
            EXPECT_EQ(image->cursor().shape(), Qt::SizeHorCursor);
            EXPECT_TRUE(isYellow(fieldOf(WingField::RootOffset)));
            EXPECT_FALSE(isYellow(fieldOf(WingField::Chord1)));
            drag(rootLeadingEdge, rootLeadingEdge + QPoint(dx, 0));
            EXPECT_EQ(value(WingField::RootOffset), "60") << "'" << zero << "' dragged by " << dx;
        }
    }
    EXPECT_EQ(text("L_1_1"), "60") << "the written field recomputed the wing";
}

TEST_F(PlanformEditing, RootOffsetNeverGoesNegative) {
    fieldOf(WingField::RootOffset)->setText("40");
    const QPoint handle1 = rootLeadingEdge + QPoint(20, 0);
    drag(handle1, handle1 - QPoint(50, 0)); // 100 mm to the left
    EXPECT_EQ(value(WingField::RootOffset), "0");
}

// While a corner is dragged the wing's figures (span, area, chord, centre, aspect ratio) are the
// dragged shape's, the ones the release then keeps; back at its start they are the fields' again.
TEST_F(PlanformEditing, FiguresFollowTheDraggedShapeBeforeTheRelease) {
    const char* names[] = {"Label_b1", "Label_s1", "Label_lm1", "Label_r251", "Label_lam1"};
    const auto figures = [&] {
        QStringList out;
        for (const char* n : names) out << get<QLabel>(n)->text();
        return out;
    };
    const QStringList before = figures();
    const QPoint to = section3LeadingEdgeRight + QPoint(40, 0); // section 3 80 mm further out
    QTest::mousePress(image, Qt::LeftButton, {}, section3LeadingEdgeRight);
    moveWith(image, to, Qt::LeftButton, {});
    const QStringList during = figures();
    EXPECT_NE(during[0], before[0]);
    moveWith(image, section3LeadingEdgeRight, Qt::LeftButton, {});
    EXPECT_EQ(figures(), before);
    moveWith(image, to, Qt::LeftButton, {});
    QTest::mouseRelease(image, Qt::LeftButton, {}, to);
    EXPECT_EQ(figures(), during);
}

TEST_F(PlanformEditing, LeadingEdgeDragMovesOutboardOffsetsOnlyWithShift) {
    struct Row {
        const char* name;
        Qt::KeyboardModifiers keys;
        const char *x3, *x4, *x5;
    };
    for (const Row& row : {Row{"plain", {}, "60", "30", "40"}, Row{"shift", Qt::ShiftModifier, "60", "70", "80"}}) {
        SCOPED_TRACE(row.name);
        for (auto [f, t] : {std::pair{WingField::XOffset3, "20"}, {WingField::XOffset4, "30"},
                            {WingField::XOffset5, "40"}, {WingField::Span2, "100"}})
            fieldOf(f)->setText(t);
        drag(section3LeadingEdgeRight, section3LeadingEdgeRight + QPoint(10, 20), row.keys);
        EXPECT_EQ(value(WingField::XOffset3), row.x3);
        EXPECT_EQ(value(WingField::Span2), "120");
        EXPECT_EQ(value(WingField::XOffset4), row.x4);
        EXPECT_EQ(value(WingField::XOffset5), row.x5);
        EXPECT_EQ(value(WingField::Span3), "100");
    }
}

TEST_F(PlanformEditing, HoverHighlightsTheFieldsADragWouldChange) {
    struct Row {
        const char* name;
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers keys;
        bool outboardYellow;
    };
    for (const Row& row : {Row{"plain", Qt::NoButton, {}, false}, Row{"shift alone", Qt::NoButton, Qt::ShiftModifier, true},
                           Row{"shift with a button", Qt::LeftButton, Qt::ShiftModifier, false},
                           Row{"shift and control", Qt::NoButton, Qt::ShiftModifier | Qt::ControlModifier, false}}) {
        SCOPED_TRACE(row.name);
        moveWith(image, section3LeadingEdgeRight + QPoint(2, -2), row.buttons, row.keys);
        EXPECT_EQ(image->cursor().shape(), Qt::SizeAllCursor);
        EXPECT_TRUE(isYellow(fieldOf(WingField::XOffset3)));
        EXPECT_TRUE(isYellow(fieldOf(WingField::Span2)));
        EXPECT_EQ(isYellow(fieldOf(WingField::XOffset4)), row.outboardYellow);
        EXPECT_EQ(isYellow(fieldOf(WingField::XOffset5)), row.outboardYellow);
        EXPECT_FALSE(isYellow(fieldOf(WingField::Chord3)));
    }
    // Out of reach: cross pointer, nothing yellow.
    moveWith(image, section3LeadingEdgeRight + QPoint(4, 0), Qt::NoButton, {});
    EXPECT_EQ(image->cursor().shape(), Qt::CrossCursor);
    for (int f = 0; f < 14; ++f) EXPECT_FALSE(isYellow(form->field(1, WingField(f)))) << f;
}

TEST_F(PlanformEditing, HiddenSectionsHaveNoHandlesAndAReleaseWithoutHandleChangesNothing) {
    // One trapezium: sections 3 to 5 keep their values but are not drawn. The span is now 100 mm,
    // so the image is widened for section 3 (200 mm out) to stay on it.
    image->setBitmapSize(QSize(1000, 330));
    image->resize(1000, 330);
    click("RadioButton4");
    const double s = form->planformScale()[1];
    const QPoint hiddenCorner(500 + int(std::lround(200 * s)), 110 + int(std::lround(20 * s)));
    moveWith(image, hiddenCorner, Qt::NoButton, {});
    EXPECT_FALSE(isYellow(fieldOf(WingField::XOffset3)));
    EXPECT_EQ(image->cursor().shape(), Qt::CrossCursor);

    const tv::AircraftTexts before = form->fieldTexts();
    drag(hiddenCorner, hiddenCorner + QPoint(-25, 10));
    EXPECT_EQ(form->fieldTexts().wings[1].field, before.wings[1].field) << "a hidden value changed";
    drag(QPoint(20, 300), QPoint(60, 250));
    EXPECT_EQ(form->fieldTexts().wings[1].field, before.wings[1].field);
    EXPECT_TRUE(form->dragState().ButtonReleased);
    EXPECT_EQ(form->dragState().DragOrigin, QPoint(60, 250));
}

TEST_F(PlanformEditing, HandlesShowOnHoverAndADragShowsItsRubberBandBeforeTheRelease) {
    const QColor colour = tv::wingColour(1);
    auto ring = [&](QPoint c) { // the square's outline, two pixels around the corner
        return image->canvas().pixelColor(c + QPoint(-2, -2)) == colour && image->canvas().pixelColor(c + QPoint(2, 2)) == colour;
    };
    const QPoint tip(203 + 200, 110 + 20); // section 5: y 400 mm, x 40 mm
    moveWith(image, QPoint(5, 320), Qt::NoButton, {});
    EXPECT_TRUE(ring(section3LeadingEdgeRight));
    EXPECT_TRUE(ring(tip));
    EXPECT_TRUE(ring(rootLeadingEdge));

    const tv::AircraftTexts before = form->fieldTexts();
    QTest::mousePress(image, Qt::LeftButton, {}, section3LeadingEdgeRight);
    const QPoint to = section3LeadingEdgeRight + QPoint(20, 30);
    moveWith(image, to, Qt::LeftButton, {});
    EXPECT_EQ(form->fieldTexts().wings[1].field, before.wings[1].field) << "nothing is applied before the release";
    // The band runs from the moved corner inwards along the leading edge of trapezium 2.
    bool band = false;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -6; dx <= 0; ++dx) band = band || image->canvas().pixelColor(to + QPoint(dx, dy)) == colour;
    EXPECT_TRUE(band);
    QTest::mouseRelease(image, Qt::LeftButton, {}, to);
    EXPECT_EQ(value(WingField::XOffset3), "80");
    EXPECT_EQ(value(WingField::Span2), "140");
}

// ---- Stability controls, pressure display, resizing ---------------------------------------------

// One wing: the calculation is quick and the markers stand clear of other wings.
class CalculatedWindow : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        make();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        click("RadioButton1");
        click("Button4");
        ASSERT_TRUE(form->neutralPointKnown());
        ASSERT_TRUE(form->latticeKnown());
        image2 = get<TImage>("Image2");
    }
    QColor pixel(QPoint p) { return image2->canvas().pixelColor(p); }
    /// True when a pixel of the colour lies in the rows r - 1 .. r + 1 at column x (a two-pixel
    /// pen may fall either side of its row).
    bool markAt(int x, double modelX, const QColor& colour) {
        const tv::AircraftViewGeometry& g = form->aircraftViewGeometry();
        const int r = int(std::lround(modelX * g.AircraftScale + g.AircraftDatumY));
        for (int y = r - 1; y <= r + 1; ++y)
            if (pixel({x, y}) == colour) return true;
        return false;
    }
    int centre() { return int(std::lround(image2->bitmapSize().width() / 2.0)); }
    /// The middle of panel (k, s) of wing 1 on the aircraft view.
    QPoint panelMiddle(int k, int s) {
        const tv::SolverWorkspace& ws = *form->solverWorkspace();
        const tv::AircraftViewGeometry& g = form->aircraftViewGeometry();
        const double y = (ws.StripYLeft(s, 1) + ws.StripYRight(s, 1)) / 2;
        const double x = (ws.PanelXLeft(k, s, 1) + ws.PanelXRight(k, s, 1) + ws.PanelXLeft(k + 1, s, 1) +
                          ws.PanelXRight(k + 1, s, 1)) / 4;
        return {image2->bitmapSize().width() / 2 + int(std::lround(y * g.AircraftScale)),
                g.AircraftDatumY + int(std::lround(x * g.AircraftScale))};
    }
    static bool tinted(const QColor& c) { return c.red() == 255 && c.green() == c.blue() && c.green() < 255; }
    TImage* image2 = nullptr;
};

TEST_F(CalculatedWindow, AutomaticAndManualChoiceMarkTheirCentresOfGravity) {
    const tv::StabilityNumbers& n = form->stabilityNumbers();
    const double np = form->reference().NeutralPointX;
    EXPECT_NEAR(np - n.CgHigh, form->reference().ReferenceChord * 0.08, 1e-9) << "one wing: 4 and 8 %";
    const int c = centre();
    EXPECT_TRUE(markAt(c - 3, np, Qt::red));
    EXPECT_TRUE(markAt(c - 2, n.CgLow, Qt::blue));
    EXPECT_TRUE(markAt(c - 2, n.CgHigh, Qt::blue));

    click("RadioButton16");
    EXPECT_TRUE(shown(get("ScrollBar5")));
    struct Row {
        int position;
        const char* text;
        double margin;
    };
    for (const Row& row : {Row{0, "30.0", 30}, Row{60, " 0.0", 0}, Row{45, " 7.5", 7.5}}) {
        get<QScrollBar>("ScrollBar5")->setValue(row.position);
        EXPECT_EQ(text("Edit_Mstab"), row.text);
        const double cg = np - form->reference().ReferenceChord * row.margin * 0.01;
        EXPECT_DOUBLE_EQ(form->stabilityNumbers().CgDesired, cg) << row.text;
        EXPECT_TRUE(markAt(c - 2, cg, Qt::blue)) << row.text;
    }
    EXPECT_EQ(text("Label21").toStdString(),
              tv::marginLabelText(tv::UiLanguage::English, np, form->stabilityNumbers()));
    EXPECT_TRUE(text("Label21").startsWith("%  AC-CG= "));
    EXPECT_FALSE(markAt(c - 2, form->stabilityNumbers().CgLow, Qt::blue)) << "the range is not shown in manual mode";

    click("RadioButton15");
    EXPECT_FALSE(shown(get("ScrollBar5")));
    EXPECT_TRUE(markAt(c - 2, form->stabilityNumbers().CgLow, Qt::blue));
}

TEST_F(CalculatedWindow, PressureSwitchTintsThePanelsAndTheGainDeepensTheTint) {
    auto* box = get<QCheckBox>("CheckBoxA");
    EXPECT_TRUE(shown(box));
    EXPECT_TRUE(shown(get("Label_Press")));
    EXPECT_FALSE(shown(get("ScrollBar6")));
    const QPoint probe = panelMiddle(1, 2);
    EXPECT_FALSE(tinted(pixel(probe)));
    box->click();
    EXPECT_TRUE(shown(get("ScrollBar6")));
    ASSERT_TRUE(tinted(pixel(probe))) << pixel(probe).name().toStdString();
    const int weak = pixel(probe).green();
    get<QScrollBar>("ScrollBar6")->setValue(20); // gain 80
    EXPECT_LT(pixel(probe).green(), weak);
    box->click();
    EXPECT_FALSE(shown(get("ScrollBar6")));
    EXPECT_FALSE(tinted(pixel(probe)));
    // Any edit invalidates the lattice: the switch goes away with it.
    setText("Edit_x1", "10");
    EXPECT_FALSE(shown(box));
    EXPECT_FALSE(form->latticeKnown());
}

TEST_F(CalculatedWindow, TheLoadDisplayLeavesTheMarksOnTop) {
    // Both halves of the ticks and the centre line across the wing stay drawn
    // whatever was clicked last: the switch, the gain bar, a turn of the 3D view.
    const tv::AircraftViewGeometry& g = form->aircraftViewGeometry();
    const int c = g.AircraftCentreX;
    const int wingRow = panelMiddle(1, 1).y();
    struct Step {
        const char* name;
        std::function<void()> act;
    };
    const Step steps[] = {
        {"switch on", [&] { get<QCheckBox>("CheckBoxA")->click(); }},
        {"gain", [&] { get<QScrollBar>("ScrollBar6")->setValue(40); }},
        {"turn", [&] { get<QScrollBar>("ScrollBar2")->setValue(200); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        ASSERT_TRUE(tinted(pixel(panelMiddle(1, 2))));
        EXPECT_TRUE(markAt(c + 3, form->reference().NeutralPointX, Qt::red));
        EXPECT_TRUE(markAt(c + 2, form->stabilityNumbers().CgLow, Qt::blue));
        EXPECT_TRUE(markAt(c + 2, form->stabilityNumbers().CgHigh, Qt::blue));
        EXPECT_EQ(pixel({g.AircraftCentreX, wingRow}), QColor(Qt::black));
    }
}

TEST_F(CalculatedWindow, ResizingKeepsResultsMarksAndLoadDisplayOnlyScalesChange) {
    get<QCheckBox>("CheckBoxA")->click();
    const QSize before = image2->bitmapSize();
    const double scaleBefore = form->aircraftViewGeometry().AircraftScale;
    const double planformBefore = form->planformScale()[1];
    form->resize(form->width() + 300, form->height() + 200);
    QTRY_VERIFY(image2->bitmapSize() != before);

    EXPECT_TRUE(form->neutralPointKnown());
    EXPECT_TRUE(form->latticeKnown());
    EXPECT_TRUE(get<QCheckBox>("CheckBoxA")->isChecked());
    EXPECT_NE(form->aircraftViewGeometry().AircraftScale, scaleBefore);
    EXPECT_NE(form->planformScale()[1], planformBefore);
    // 60/40: the aircraft view ends above the 3D view, which takes the lower part of the page.
    auto* image3 = get<TImage>("Image3");
    EXPECT_LT(image2->geometry().bottom(), image3->geometry().top());
    EXPECT_NEAR(double(image3->geometry().top()) / image2->parentWidget()->height(), 0.6, 0.02);

    const int c = centre();
    EXPECT_TRUE(markAt(c - 3, form->reference().NeutralPointX, Qt::red));
    EXPECT_TRUE(markAt(c - 2, form->stabilityNumbers().CgLow, Qt::blue));
    EXPECT_TRUE(tinted(pixel(panelMiddle(1, 2))));
    EXPECT_TRUE(shown(get("Label_anp1"))) << "the wings' aerodynamic centres stay shown";
}

TEST_F(CalculatedWindow, CalcButtonAndToolButtonFollowOneRule) {
    auto* button = get("Button4");
    auto* tool = get("SpeedButton4");
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(tool->isEnabled());
    struct Step {
        const char* name;
        std::function<void()> act;
        bool enabled;
    };
    const Step steps[] = {
        {"resize", [&] { form->resize(form->width() + 120, form->height() + 60); form->FormResize(); }, false},
        {"page change", [&] { showPage("TabSheet1"); showPage("TabSheet5"); }, false},
        {"wing edit", [&] { setText("Edit2", "300"); }, true},
        {"resize after an edit", [&] { form->FormResize(); }, true},
        {"calculation", [&] { click("Button4"); }, false},
        {"position edit", [&] { setText("Edit_x1", "5"); }, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(button->isEnabled(), step.enabled);
        EXPECT_EQ(tool->isEnabled(), step.enabled);
    }
}

TEST_F(CalculatedWindow, CopyResultsPutsTheCurrentResultsOnTheClipboard) {
    auto* copy = get<QAction>("CopyResults1");
    ASSERT_TRUE(copy->isEnabled());
    QGuiApplication::clipboard()->clear();
    copy->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    const tv::StabilityNumbers& n = form->stabilityNumbers();
    const QString span = this->text("Label_b1").remove("mm");
    // The wing's aerodynamic centre reads the same in its result labels and in the copied lines.
    const QString anp = this->text("Label_anp1").remove("mm"), ynp = this->text("Label_ynp1").remove("mm");
    for (const QString& figure :
         {QString::fromStdString(tv::formatFixed(form->reference().NeutralPointX, 0, 1)),
          QString::fromStdString(tv::formatFixed(form->reference().ReferenceChord, 0, 1)),
          QString::fromStdString(tv::formatFixed(n.CgHigh, 0, 1)), QString::fromStdString(tv::formatFixed(n.CgLow, 0, 1)),
          "b " + span + " mm", "x " + anp + " mm y " + ynp + " mm"})
        EXPECT_TRUE(text.contains(figure)) << figure.toStdString() << " missing from\n" << text.toStdString();
    EXPECT_FALSE(text.contains("Wing 2")) << "only the wings in use";
    // Any edit makes the results stale: nothing to copy until the next calculation.
    setText("Edit_x1", "12");
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_TRUE(form->resultsReport().empty());
}

TEST_F(CalculatedWindow, AProjectOpenedWithANeutralPointShowsMarksButNoStaleLattice) {
    // The reference outline lies on the left half, mirrored: a point inside wing 1's left half.
    const QPoint inside = panelMiddle(1, 2);
    const QPoint mirrored(image2->bitmapSize().width() - inside.x(), inside.y());
    const QColor light = form->palette().color(QPalette::Midlight);
    const QColor background = form->palette().color(QPalette::ToolTipBase);
    ASSERT_NE(light, background);
    EXPECT_EQ(pixel(mirrored).rgb(), light.rgb());
    dialogs.answers.push_back(path("one.tv4"));
    trigger("Save2");
    dialogs.answers.push_back(path("one.tv4"));
    trigger("Open2");
    EXPECT_TRUE(form->neutralPointKnown());
    EXPECT_FALSE(form->latticeKnown());
    EXPECT_FALSE(shown(get("CheckBoxA")));
    EXPECT_EQ(pixel(mirrored), background);
    EXPECT_TRUE(markAt(centre() - 3, form->reference().NeutralPointX, Qt::red));
}

TEST_F(CalculatedWindow, ALanguageSwitchKeepsTheMarksAndShowsOneFlightCaption) {
    form->german1Click();
    const int c = centre();
    EXPECT_TRUE(markAt(c - 3, form->reference().NeutralPointX, Qt::red));
    EXPECT_TRUE(markAt(c - 2, form->stabilityNumbers().CgLow, Qt::blue));
    // The band of the switch's caption holds that caption alone, as if drawn on an empty view:
    // the aircraft view's own caption, two pixels further right, does not show through.
    const std::string caption = tv::aircraftViewFlightDirection(tv::UiLanguage::German);
    const int x = form->aircraftViewGeometry().AircraftCentreX + 27;
    QImage alone(image2->bitmapSize(), QImage::Format_RGB32);
    alone.fill(form->palette().color(QPalette::ToolTipBase));
    QPainter p(&alone);
    tv::setPen(p, Qt::red);
    tv::textOut(p, x, 2, caption);
    const QRect band(x, 2, p.fontMetrics().horizontalAdvance(QString::fromStdString(caption)), p.fontMetrics().height());
    p.end();
    for (int py = band.top(); py <= band.bottom(); ++py)
        for (int px = band.left(); px <= band.right(); ++px)
            ASSERT_EQ(pixel({px, py}), alone.pixelColor(px, py)) << px << "," << py;
}

TEST_F(WindowTest, The3DZoomOutlivesARefitOfTheAircraftView) {
    TForm1& f = make();
    auto* zoom = get<QScrollBar>("ScrollBar4");
    zoom->setValue(50); // twice the fitted scale
    auto zoomed = [&] { return 2 * f.aircraftViewGeometry().AircraftBaseScale; };
    ASSERT_DOUBLE_EQ(f.view3DScale(), zoomed());
    struct Step {
        const char* name;
        std::function<void()> act;
    };
    const Step steps[] = {
        {"language", [&] { trigger("german1"); }},
        {"manual", [&] { click("RadioButton16"); }},
        {"margin", [&] { setText("Edit_Mstab", "12"); }},
        {"calculation", [&] { click("Button4"); }},
        {"automatic", [&] { click("RadioButton15"); }},
        {"margin with results", [&] { click("RadioButton16"); setText("Edit_Mstab", "9"); }},
        {"edit", [&] { setText("Edit_x2", "1100"); }},
        {"resize", [&] { f.resize(f.width() + 40, f.height() + 30); f.FormResize(); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(zoom->value(), 50);
        EXPECT_DOUBLE_EQ(f.view3DScale(), zoomed());
    }
}

TEST_F(WindowTest, TheFirstLayoutIsTheFinalOne) {
    TForm1& f = make();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QApplication::processEvents();
    const QStringList names = {"Image2", "Image3", "ScrollBar1", "ScrollBar2", "Memo1"};
    QList<QRect> before;
    for (const QString& n : names) before << get(n.toLatin1().constData())->geometry();
    click("Button4");
    QApplication::processEvents();
    for (int i = 0; i < names.size(); ++i)
        EXPECT_EQ(get(names[i].toLatin1().constData())->geometry(), before[i]) << names[i].toStdString() << " moved";
}

TEST(ImageControl, DrawsInDesignUnitsAtTheDeviceResolution) {
    // A window at 192 pixels per inch on the design's 96: two device pixels per design pixel.
    TImage image;
    image.setDesignScale(2.0 / image.devicePixelRatioF());
    image.setBitmapSize(QSize(100, 50));
    EXPECT_EQ(image.bitmapSize(), QSize(100, 50));
    EXPECT_EQ(image.canvas().size(), QSize(200, 100));
    image.clear(Qt::white, Qt::white);
    QPainter p(&image.canvas());
    tv::setPen(p, Qt::black);
    p.drawLine(10, 20, 90, 20);
    p.end();
    // A one-pixel line stays one device pixel thin: one row is black, its neighbours are not.
    int blackRows = 0;
    for (int y = 36; y <= 44; ++y) blackRows += image.canvas().pixelColor(100, y) == QColor(Qt::black);
    EXPECT_EQ(blackRows, 1);
    image.resize(200, 100);
    QPoint down;
    QObject::connect(&image, &TImage::mouseDown, [&](QPoint pos, Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers) { down = pos; });
    QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(100, 40));
    EXPECT_EQ(down, QPoint(50, 20)) << "mouse positions in design pixels";
}

// ---- 3D view -------------------------------------------------------------------------------------

TEST_F(WindowTest, DraggingOnThe3DViewTurnsAndZoomsThroughTheBars) {
    make();
    auto* image3 = get<TImage>("Image3");
    auto* elevation = get<QScrollBar>("ScrollBar1");
    auto* azimuth = get<QScrollBar>("ScrollBar2");
    auto* zoom = get<QScrollBar>("ScrollBar4");
    const QImage start = image3->canvas().copy();

    QTest::mousePress(image3, Qt::LeftButton, {}, QPoint(100, 100));
    moveWith(image3, QPoint(130, 115), Qt::LeftButton, {}); // 15 down, 30 right
    EXPECT_EQ(elevation->value(), 75);
    EXPECT_EQ(azimuth->value(), 260);
    EXPECT_NE(image3->canvas(), start) << "the bars' change handlers redrew the view";
    moveWith(image3, QPoint(132, 113), Qt::LeftButton, {}); // 2 pixels: nothing, but the origin moves
    moveWith(image3, QPoint(134, 111), Qt::LeftButton, {});
    EXPECT_EQ(elevation->value(), 75);
    EXPECT_EQ(azimuth->value(), 260);
    QTest::mouseRelease(image3, Qt::LeftButton, {}, QPoint(134, 111));
    moveWith(image3, QPoint(200, 10), Qt::LeftButton, {});
    EXPECT_EQ(elevation->value(), 75) << "moves after the release do not turn";

    QTest::mousePress(image3, Qt::RightButton, {}, QPoint(100, 100));
    moveWith(image3, QPoint(100, 70), Qt::RightButton, {});
    QTest::mouseRelease(image3, Qt::RightButton, {}, QPoint(100, 70));
    EXPECT_EQ(zoom->value(), 85);
    EXPECT_DOUBLE_EQ(form->view3DScale(), 15 * form->aircraftViewGeometry().AircraftScale * 0.04);
    EXPECT_EQ(elevation->value(), 75);
    // A model change refits; bar and factor stay together.
    setText("Edit_x2", "1100");
    EXPECT_DOUBLE_EQ(form->view3DScale(), 15 * form->aircraftViewGeometry().AircraftScale * 0.04);
    EXPECT_EQ(zoom->value(), 85);
}
