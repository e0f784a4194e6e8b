// The main window driven as a user drives it: start-up state, edits, counts, languages, layout.
#include "window_fixture.h"

#include "app/imagecontrol.h"
#include "app/about_window.h"
#include "i18n/control_names.h"
#include "i18n/menu_bar.h"
#include "views/dimension_diagram.h"

#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextStream>
#include <QTest>
#include <QTextDocument>

namespace {
bool shown(QWidget* w) { return w && !w->isHidden(); }
} // namespace

TEST_F(WindowTest, StartsWithTheDefaultAircraftInEnglish) {
    TForm1& f = make();
    EXPECT_EQ(f.windowTitle(), " Tarvolin4  V3.6");
    EXPECT_EQ(text("Edit4"), "335");
    EXPECT_EQ(text("Edit14xx"), "215");
    EXPECT_EQ(text("Edit05"), "300");
    EXPECT_EQ(text("Edit_x2"), "1167");
    EXPECT_EQ(text("Edit_z5"), "-350");
    EXPECT_TRUE(get<QRadioButton>("RB_W5")->isChecked());
    EXPECT_TRUE(get<QRadioButton>("RadioButton41t")->isChecked());
    EXPECT_TRUE(get<QRadioButton>("RadioButton_4t3")->isChecked());
    EXPECT_TRUE(get<QRadioButton>("RadioButton_5t2")->isChecked());
    EXPECT_TRUE(shown(get("Edit45")));
    EXPECT_FALSE(shown(get("Edit43"))) << "wing 5 starts with two trapezia";
    EXPECT_FALSE(shown(get("L_5_4")));
    EXPECT_FALSE(shown(get("Edit44y"))) << "wing 4 starts with three trapezia";
    EXPECT_TRUE(shown(get("Edit37")));
    for (const char* page : {tv::kWingTabSheetNames[1], tv::kWingTabSheetNames[2], tv::kWingTabSheetNames[3], tv::kWingTabSheetNames[4], tv::kWingTabSheetNames[5]})
        EXPECT_TRUE(tabVisible(page)) << page;
    EXPECT_EQ(pages()->currentWidget(), get("TabSheet5"));
    EXPECT_EQ(f.uiLanguage(), tv::UiLanguage::English);
    EXPECT_EQ(text("Button4"), "Calculate Aerodynamic Center");
    EXPECT_EQ(get<QPlainTextEdit>("Memo2")->toPlainText(), "insert your remarks here:");
    EXPECT_EQ(f.projectFileName(), "Unknown.tv4");
    EXPECT_FALSE(get<QAction>("Save3")->isEnabled());
    EXPECT_FALSE(get("SpeedButton3")->isEnabled());
    EXPECT_FALSE(get<QAction>("Print1")->isEnabled());
    EXPECT_FALSE(get("SpeedButton5")->isEnabled());
    EXPECT_TRUE(shown(get("SpeedButtonE")));
    EXPECT_FALSE(shown(get("SpeedButtonG")));
    EXPECT_FALSE(shown(get("SpeedButtonS")));
    EXPECT_FALSE(get("Button_P1")->isEnabled()) << "no clipboard file in a fresh directory";
    // Planform results of the default wing 1 and the gap question beside wing 5 only.
    EXPECT_EQ(text("Label_b1"), "2200mm");
    EXPECT_EQ(text("L_1_3"), "984");
    EXPECT_EQ(text("Label_gap5_1"), "Are you sure this wing shall   ");
    EXPECT_EQ(text("Label_gap1_1"), "");
    EXPECT_FALSE(shown(get("Label_anp1")));
    EXPECT_FALSE(shown(get("Memo1")));
}

TEST_F(WindowTest, EditingAFieldRecomputesOnlyItsWing) {
    make();
    get<QLabel>("Label_b2")->setText("untouched");
    setText("Edit2", "382"); // span of trapezium 2 of wing 1
    EXPECT_EQ(text("Label_b1"), "1436mm");
    EXPECT_EQ(text("L_1_3"), "602");
    EXPECT_EQ(text("Label_b2"), "untouched");
    // A root offset also refreshes the gap questions; removing it clears them.
    setText("Edit01", "-40");
    EXPECT_EQ(text("L_1_1"), "40");
    EXPECT_EQ(text("Label_gap1_2"), "have a gap in the middle?  ");
    setText("Edit01", "0");
    EXPECT_EQ(text("Label_gap1_2"), "");
}

TEST_F(WindowTest, WingCountHidesPagesAndMenuItemsAndKeepsValues) {
    make();
    setText("Edit24", "77");
    click("RadioButton2");
    EXPECT_EQ(form->wingCount(), 2);
    EXPECT_TRUE(tabVisible("TabSheet2"));
    for (const char* page : {"TabSheet3", tv::kWingTabSheetNames[4], tv::kWingTabSheetNames[5]}) EXPECT_FALSE(tabVisible(page)) << page;
    EXPECT_TRUE(get<QAction>("chng1")->isEnabled());
    for (const char* item : {"chng2", "chng3", "chng4", "chng5", "wing31"})
        EXPECT_FALSE(get<QAction>(item)->isEnabled()) << item;
    EXPECT_TRUE(get<QAction>("wing21")->isEnabled());
    EXPECT_FALSE(shown(get("Image_T3")));
    EXPECT_FALSE(shown(get("Edit_x4")));
    click("RadioButton1");
    EXPECT_TRUE(shown(get("Edit_x1"))) << "wing 1's position fields are always shown";
    EXPECT_FALSE(get<QAction>("chng1")->isEnabled());
    click("RB_W5");
    for (const char* page : {"TabSheet3", tv::kWingTabSheetNames[4], tv::kWingTabSheetNames[5]}) EXPECT_TRUE(tabVisible(page)) << page;
    EXPECT_TRUE(get<QAction>("chng5")->isEnabled());
    EXPECT_EQ(text("Edit24"), "77");
    EXPECT_EQ(text("Edit_z5"), "-350");
}

TEST_F(WindowTest, TrapeziumCountShowsTheFieldsOfItsTrapeziaAndKeepsHiddenValues) {
    make();
    click("RadioButton5"); // wing 1, two trapezia
    for (const char* shownField : {"Edit01", "Edit4", "Edit1", "Edit5", "Edit8", "Edit2", "Edit6", "Edit9"})
        EXPECT_TRUE(shown(get(shownField))) << shownField;
    for (const char* hidden : {"Edit3", "Edit7", "Edit10", "Edit14y", "Edit14x", "Edit14xx"})
        EXPECT_FALSE(shown(get(hidden))) << hidden;
    EXPECT_TRUE(shown(get("L_1_3")));
    EXPECT_FALSE(shown(get("L_1_4")));
    EXPECT_EQ(text("Label_b1"), "1968mm"); // twice SectionY[3] = 2 * (220 + 764)
    EXPECT_TRUE(shown(get("Edit11"))) << "other wings keep their fields";
    click("RadioButton4"); // one trapezium
    EXPECT_FALSE(shown(get("Edit2")));
    click("RadioButton41t");
    EXPECT_TRUE(shown(get("Edit14xx")));
    EXPECT_EQ(text("Edit3"), "50");
    EXPECT_EQ(text("Label_b1"), "2200mm");
}

namespace {

// The menu bar as the window shows it, one row per entry: no command is added beside the table.
std::vector<std::pair<tv::MenuRow, QString>> shownMenuBar(QMenuBar* bar) {
    std::vector<std::pair<tv::MenuRow, QString>> rows;
    for (QAction* top : bar->actions()) {
        if (!top->menu()) {
            rows.push_back({tv::MenuRow::BarItem, top->objectName()});
            continue;
        }
        rows.push_back({tv::MenuRow::Menu, top->menu()->objectName()});
        for (QAction* a : top->menu()->actions()) {
            if (a->isSeparator()) rows.push_back({tv::MenuRow::Separator, QString()});
            else if (a->menu()) {
                rows.push_back({tv::MenuRow::Submenu, a->menu()->objectName()});
                // The recent projects' entries are filled at run time; the other submenus are the table's.
                if (a->menu()->objectName() != QLatin1String("Recent1"))
                    for (QAction* item : a->menu()->actions()) rows.push_back({tv::MenuRow::SubItem, item->objectName()});
            }
            else rows.push_back({tv::MenuRow::Item, a->objectName()});
        }
    }
    return rows;
}

} // namespace

TEST_F(WindowTest, MenuBarShowsTheMenuTableInOrder) {
    TForm1& f = make();
    std::vector<std::pair<tv::MenuRow, QString>> expected;
    for (const tv::MenuEntry& e : tv::menuBarEntries())
        expected.push_back({e.row, e.objectName ? QString::fromLatin1(e.objectName) : QString()});
    const auto shown = shownMenuBar(f.menuBar());
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].first, expected[i].first) << i;
        EXPECT_EQ(shown[i].second, expected[i].second) << i;
    }
}

TEST_F(WindowTest, LanguagesRewriteCaptionsCatalogueAndGapQuestionsAtOnce) {
    TForm1& f = make();
    // Every caption of the text tables has its control: none is passed over unseen.
    std::vector<tv::ControlText> captions = tv::windowTexts(tv::UiLanguage::German);
    for (const tv::ControlText& m : tv::menuTexts(tv::UiLanguage::German)) captions.push_back(m);
    for (const tv::ControlText& c : captions)
        EXPECT_NE(f.findChild<QObject*>(QString::fromLatin1(c.objectName)), nullptr) << c.objectName;
    trigger("german1");
    EXPECT_EQ(f.uiLanguage(), tv::UiLanguage::German);
    EXPECT_EQ(text("Button4"), "Berechnung Neutralpunkt");
    EXPECT_EQ(pages()->tabText(pages()->indexOf(get("TabSheet1"))), " Flügel 1 ");
    EXPECT_EQ(f.catalogue().TxtErrorHeader, "Fehler: ");
    EXPECT_EQ(text("Label_gap5_1"), "Sind Sie sicher, dass dieser Flügel in");
    EXPECT_EQ(text("RadioButton4"), "1 Trapez");
    EXPECT_EQ(get<QAction>("Open2")->text(), "Öffnen");
    EXPECT_TRUE(shown(get("SpeedButtonG")));
    EXPECT_FALSE(shown(get("SpeedButtonE")));
    trigger("spain1");
    EXPECT_EQ(text("Button4"), "Cálculo del punto neutro");
    EXPECT_EQ(text("Label_gap5_2"), "ala tenga un hueco en el medio?   ");
    EXPECT_EQ(f.catalogue().TxtWingFail[3], "No se puede calcular ala-3. ");
    // The flag buttons cycle Spanish -> German -> English -> Spanish.
    click("SpeedButtonS");
    EXPECT_EQ(f.uiLanguage(), tv::UiLanguage::German);
    click("SpeedButtonG");
    EXPECT_EQ(f.uiLanguage(), tv::UiLanguage::English);
    EXPECT_EQ(text("Label_gap5_1"), "Are you sure this wing shall   ");
    click("SpeedButtonE");
    EXPECT_EQ(f.uiLanguage(), tv::UiLanguage::Spanish);
    // The model is untouched by switching.
    EXPECT_EQ(text("Edit4"), "335");
}

TEST_F(WindowTest, AboutWindowShowsTheLanguageCurrentAtEachClick) {
    TForm1& f = make();
    trigger("german1");
    trigger("Info1");
    auto* line1 = f.aboutWindow()->findChild<QLabel*>("Label1");
    ASSERT_NE(line1, nullptr);
    EXPECT_EQ(line1->text(), "   Tarvolin berechnet den Neutralpunkt eines   ");
    EXPECT_TRUE(f.aboutWindow()->isVisible());
    trigger("english1");
    EXPECT_EQ(line1->text(), "   Tarvolin berechnet den Neutralpunkt eines   ") << "an open window keeps its language";
    trigger("Info1");
    EXPECT_EQ(line1->text(), "   Tarvolin calculates the aerodynamic center   ");
    f.aboutWindow()->close();
}

TEST_F(WindowTest, ScalingByAHalfGivesTheExampleValues) {
    make();
    EXPECT_FALSE(shown(get("E_scale")));
    trigger("Mscale1");
    EXPECT_TRUE(shown(get("E_scale")));
    EXPECT_EQ(text("E_scale"), "1.0");
    setText("E_scale", "0.5");
    click("Bscale1");
    EXPECT_FALSE(shown(get("Bscale1")));
    EXPECT_EQ(text("Edit2"), "382");
    EXPECT_EQ(text("Edit3"), "25");
    EXPECT_EQ(text("Edit4"), "168"); // 167.5 goes to the even neighbour
    EXPECT_EQ(text("Edit_z1"), "-95");
    EXPECT_EQ(text("Edit05"), "150") << "wings above the count and hidden sections are scaled too";
    EXPECT_EQ(text("Edit54xx"), "150");
    EXPECT_EQ(text("E_scale"), "0.5") << "the factor text stays";
    // A text that is no complete number does not fail.
    trigger("Mscale1");
    setText("E_scale", "2,5x");
    click("Bscale1");
    EXPECT_EQ(text("Edit2"), "764");
}

TEST_F(WindowTest, DoublingTheAircraftDoublesTheSpanAndQuadruplesTheArea) {
    TForm1& f = make();
    const tv::PlanformData before = f.model().Wings[2].planform;
    trigger("Mscale1");
    setText("E_scale", "2");
    click("Bscale1");
    EXPECT_DOUBLE_EQ(f.model().Wings[2].planform.b, 2 * before.b);
    EXPECT_DOUBLE_EQ(f.model().Wings[2].planform.S, 4 * before.S);
}

TEST_F(WindowTest, DensityScalesTheWholeWindow) {
    TForm1& f = make({}, 120);
    EXPECT_DOUBLE_EQ(f.scaleFactor(), 0.8);
    EXPECT_EQ(get("Image_W")->width(), 600);
    EXPECT_EQ(get("Image_W")->height(), 160);
    EXPECT_EQ(get<TImage>("Image_W")->bitmapSize(), QSize(750, 200)) << "drawings keep their coordinates";
    EXPECT_EQ(get("Image_T1")->width(), 136);
    EXPECT_EQ(get("Edit14x")->x(), int(std::lround((8 + 664) * 0.8)));
}

TEST_F(WindowTest, VisibleControlsOfEveryPageDoNotOverlap) {
    TForm1& f = make();
    f.show();
    trigger("Mscale1");
    click("RadioButton16");
    for (const char* lang : {"english1", "german1", "spain1"}) {
        trigger(lang);
        for (int i = 0; i < pages()->count(); ++i) {
            QWidget* page = pages()->widget(i);
            QList<QWidget*> controls;
            for (QWidget* c : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                if (!c->isHidden() && !qobject_cast<TImage*>(c)) controls << c;
            for (int a = 0; a < controls.size(); ++a)
                for (int b = a + 1; b < controls.size(); ++b)
                    EXPECT_FALSE(controls[a]->geometry().intersects(controls[b]->geometry()))
                        << lang << ": " << controls[a]->objectName().toStdString() << " overlaps "
                        << controls[b]->objectName().toStdString();
            // Captions fit their controls.
            for (QWidget* c : controls) {
                if (auto* l = qobject_cast<QLabel*>(c); l && !l->wordWrap())
                    EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width())
                        << lang << ": " << l->objectName().toStdString() << " '" << l->text().toStdString() << "'";
                if (auto* b = qobject_cast<QAbstractButton*>(c))
                    EXPECT_LE(b->sizeHint().width(), b->width() + 2)
                        << lang << ": " << b->objectName().toStdString() << " '" << b->text().toStdString() << "'";
            }
        }
    }
}

TEST_F(WindowTest, TheRootStationLabelLeavesTheFlightCaptionFree) {
    make();
    for (const char* lang : {"english1", "german1", "spain1"}) {
        trigger(lang);
        for (int w = 1; w <= tv::kWingMax; ++w) {
            auto* diagram = form->findChild<TImage*>(w == 1 ? QString("Image_W") : QString("Image_W%1").arg(w));
            ASSERT_NE(diagram, nullptr);
            QPainter p(&diagram->canvas());
            const QString caption = QString::fromStdString(tv::diagramFlightCaption(form->uiLanguage()));
            const QRect captionBox(diagram->geometry().topLeft() + QPoint(17, 1),
                                   QSize(p.fontMetrics().horizontalAdvance(caption), p.fontMetrics().height()));
            p.end();
            QWidget* label = form->findChild<QWidget*>(QString("L_%1_1").arg(w));
            EXPECT_FALSE(label->geometry().intersects(captionBox)) << lang << " wing " << w;
        }
    }
}

TEST_F(WindowTest, AtTheSmallestSizeEveryControlIsReachableAndTheResultsBoxWhole) {
    TForm1& f = make();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.resize(f.minimumSize());
    QTRY_COMPARE(f.size(), f.minimumSize());
    trigger("Mscale1");
    click("RadioButton16");
    auto* memo = get<QPlainTextEdit>("Memo1");
    memo->setPlainText("1\n2\n3\n4\n5");
    memo->show();
    for (const char* lang : {"english1", "german1", "spain1"}) {
        trigger(lang);
        for (const char* name : {"LscaleF", "E_scale", "Bscale1", "Lab_FName"}) {
            QWidget* c = get(name);
            EXPECT_TRUE(c->isVisible()) << name;
            EXPECT_TRUE(c->parentWidget()->rect().contains(c->geometry())) << lang << ": " << name << " is cut off";
        }
        for (int p = 0; p <= tv::kWingMax; ++p) {
            const char* name = p == 0 ? "TabSheet5" : tv::kWingControlNames[p].tabSheet;
            showPage(name);
            QWidget* page = get(name);
            for (QWidget* c : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (c->isHidden()) continue;
                EXPECT_TRUE(page->rect().contains(c->geometry()))
                    << lang << ": " << c->objectName().toStdString() << " lies outside the page";
            }
        }
        // Five whole lines.
        const int needed = 5 * memo->fontMetrics().lineSpacing() + 2 * int(memo->document()->documentMargin());
        EXPECT_GE(memo->viewport()->height(), needed) << lang << ": the results box cuts its fifth line";
        EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0) << lang;
    }
}

TEST_F(WindowTest, QtsOwnDialogTextsFollowTheLanguage) {
    make();
    auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    auto open = [] { return QCoreApplication::translate("QFileDialog", "&Open"); };
    struct Row {
        const char* action;
        const char* cancel;
        const char* open;
    };
    for (const Row& r : {Row{"german1", "Abbrechen", "&Öffnen"}, Row{"spain1", "Cancelar", "&Abrir"},
                         Row{"english1", "Cancel", "&Open"}, Row{"german1", "Abbrechen", "&Öffnen"}}) {
        trigger(r.action);
        EXPECT_EQ(cancel(), QString::fromUtf8(r.cancel)) << r.action;
        EXPECT_EQ(open(), QString::fromUtf8(r.open)) << r.action;
    }
    form.reset();
    EXPECT_EQ(cancel(), "Cancel") << "the window takes its catalogue with it";
}

TEST_F(WindowTest, ManualStabilityShowsTheMarginControlsAndTheSliderWritesTheField) {
    make();
    EXPECT_FALSE(shown(get("Edit_Mstab")));
    click("RadioButton16");
    for (const char* name : {"Edit_Mstab", "Label21", "Label22", "ScrollBar5"}) EXPECT_TRUE(shown(get(name))) << name;
    get<QScrollBar>("ScrollBar5")->setValue(0);
    EXPECT_EQ(text("Edit_Mstab"), "30.0");
    get<QScrollBar>("ScrollBar5")->setValue(60);
    EXPECT_EQ(text("Edit_Mstab"), " 0.0");
    setText("Edit_Mstab", "abc"); // no number: must not fail
    EXPECT_EQ(text("Label21"), "%") << "no neutral point is known yet";
    click("RadioButton15");
    EXPECT_FALSE(shown(get("ScrollBar5")));
}

TEST(ImageControl, ReportsMousePositionsInBitmapPixels) {
    TImage image;
    image.setBitmapSize(QSize(750, 200));
    image.resize(600, 160); // a window drawn at 120 pixels per inch
    QPoint down, up;
    Qt::MouseButton button = Qt::NoButton;
    Qt::KeyboardModifiers shift;
    QObject::connect(&image, &TImage::mouseDown, [&](QPoint p, Qt::MouseButton b, Qt::MouseButtons, Qt::KeyboardModifiers k) {
        down = p;
        button = b;
        shift = k;
    });
    QObject::connect(&image, &TImage::mouseUp, [&](QPoint p, Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers) { up = p; });
    QTest::mousePress(&image, Qt::RightButton, Qt::ShiftModifier, QPoint(300, 80));
    QTest::mouseRelease(&image, Qt::RightButton, Qt::NoModifier, QPoint(599, 0));
    EXPECT_EQ(down, QPoint(375, 100));
    EXPECT_EQ(button, Qt::RightButton);
    EXPECT_TRUE(shift & Qt::ShiftModifier);
    EXPECT_EQ(up, QPoint(748, 0));
    image.clear(Qt::red, Qt::black);
    EXPECT_EQ(image.canvas().pixelColor(10, 10), QColor(Qt::red));
    EXPECT_EQ(image.canvas().pixelColor(0, 10), QColor(Qt::black));
}
