// The report page: which texts stand where (wing blocks by wing count, empty section fields,
// what is measured from the wing's own position), and what the composed bitmap shows where.
#include "model/planform.h"
#include "printing/report_page.h"
#include "stability/balance_lines.h"
#include "views/stability_view.h"
#include "views/view_common.h"
#include "views_fixture.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTransform>
#include <gtest/gtest.h>
#include <tarvolin_version.h>

#include <algorithm>
#include <set>

namespace {

tv::ReportData defaultReport(int wingCount, tv::UiLanguage lang = tv::UiLanguage::English) {
    tv::ReportData d;
    d.lang = lang;
    d.projectFileName = "plane.tv4";
    d.aircraft = tv::computeAircraft(tv::defaultAircraftTexts());
    d.aircraft.WingCount = wingCount;
    return d;
}

const tv::ReportText* textAt(const std::vector<tv::ReportText>& texts, int x, int y) {
    const auto it = std::find_if(texts.begin(), texts.end(), [&](const tv::ReportText& t) { return t.x == x && t.y == y; });
    return it == texts.end() ? nullptr : &*it;
}

bool isDark(QRgb c) { return qGray(c) < 128; }

} // namespace

// The printed page names the version the window's title and --version name, not an older one.
TEST(ReportPage, TheHeaderNamesTheProgramsVersion) {
    const auto texts = tv::reportPageTexts(defaultReport(1));
    const tv::ReportText* header = textAt(texts, 0, 0);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->text, std::string("Tarvolin4  V") + tv::kProgramVersion + " ");
}

TEST(ReportPage, OneBlockPerWingAtItsFixedRowAndNoneBeyondTheWingCount) {
    for (int count = 1; count <= tv::kWingMax; ++count) {
        const auto texts = tv::reportPageTexts(defaultReport(count));
        for (int w = 1; w <= tv::kWingMax; ++w) {
            const int y = 683 + 180 * (w - 1);
            EXPECT_EQ(textAt(texts, 0, y) != nullptr, w <= count) << count << " wings, block " << w;
            EXPECT_EQ(textAt(texts, 580, y + 140) != nullptr, w <= count) << count << " wings, lift slope " << w;
        }
        const int bottom = std::max_element(texts.begin(), texts.end(), [](auto& a, auto& b) { return a.y < b.y; })->y;
        EXPECT_EQ(bottom, 683 + 180 * (count - 1) + 140);
        EXPECT_LE(bottom + 20, tv::kReportPageSize.height());
    }
}

TEST(ReportPage, SectionsBeyondTheWingsCountLeaveEmptyFieldsWithTheirBlanks) {
    struct Row {
        int trapezia;
        int values; // numbers in the "xf: " line
    };
    for (const Row r : {Row{1, 2}, Row{2, 3}, Row{4, 5}}) {
        tv::AircraftTexts texts = tv::defaultAircraftTexts();
        texts.wings[1].TrapeziumCount = r.trapezia;
        tv::ReportData d = defaultReport(1);
        d.aircraft = tv::computeAircraft(texts);
        d.aircraft.WingCount = 1;
        const auto page = tv::reportPageTexts(d);
        for (const int dy : {20, 40, 60}) {
            const tv::ReportText* line = textAt(page, 0, 683 + dy);
            ASSERT_NE(line, nullptr);
            // Four characters of prefix, five fields of five, four separating blanks.
            const std::string fields = line->text.substr(4);
            EXPECT_EQ(fields.size(), size_t(5 * r.values + 4)) << r.trapezia << ": '" << line->text << "'";
            EXPECT_EQ(fields.substr(fields.size() - (5 - r.values)), std::string(5 - r.values, ' '));
        }
    }
}

TEST(ReportPage, WingPositionIsTakenFromSectionsAndWingCentreButNotFromTheAircraftFigures) {
    tv::ReportData d = defaultReport(2);
    tv::Wing& wing = d.aircraft.Wings[2];
    wing.PositionX = 1000;
    wing.LeadingEdgeX[1] = 1000;
    wing.LeadingEdgeX[2] = 1050;
    d.WingAcX[2] = 1234.5;
    d.NeutralPointX = 777.25;
    d.numbers.CgHigh = 700;
    const auto page = tv::reportPageTexts(d);
    const int y = 683 + 180;
    EXPECT_EQ(textAt(page, 0, y + 20)->text.substr(0, 15), "xf:     0    50");
    EXPECT_EQ(textAt(page, 0, y + 100)->text, "x0:  1000");
    EXPECT_EQ(textAt(page, 580, y + 120)->text, "234.5 mm");
    EXPECT_EQ(textAt(page, 520, 583)->text, "777.2 mm");
    EXPECT_EQ(textAt(page, 520, 603)->text, "700.0 mm");
}

TEST(ReportPage, EveryLabelChangesWithTheLanguage) {
    const tv::UiLanguage langs[] = {tv::UiLanguage::English, tv::UiLanguage::German, tv::UiLanguage::Spanish};
    // Label positions: the summary column and, in the first block, the heading and right column.
    std::vector<std::pair<int, int>> labels{{0, 563}, {0, 583}, {0, 603}, {0, 623}, {0, 643}, {0, 683}};
    for (int dy = 20; dy <= 140; dy += 20) labels.push_back({320, 683 + dy});
    for (size_t a = 0; a < 3; ++a)
        for (size_t b = a + 1; b < 3; ++b) {
            const auto pa = tv::reportPageTexts(defaultReport(1, langs[a]));
            const auto pb = tv::reportPageTexts(defaultReport(1, langs[b]));
            for (const auto& [x, y] : labels) {
                // German uses one sentence for both recommended positions; the margins differ.
                EXPECT_NE(textAt(pa, x, y)->text, textAt(pb, x, y)->text) << a << " vs " << b << " at " << x << "," << y;
            }
        }
}

TEST(ReportPage, PicturesAreStretchedIntoTheirRectanglesAndValuesStartAtTheirColumn) {
    tv::ReportData d = defaultReport(1);
    d.aircraftPicture = QImage(tv::kAircraftPictureSize, QImage::Format_RGB32);
    d.aircraftPicture.fill(QColor(255, 0, 0));
    d.view3DPicture = QImage(tv::kView3DPictureSize, QImage::Format_RGB32);
    d.view3DPicture.fill(QColor(0, 0, 255));
    d.NeutralPointX = 99999.9; // a long value: 7 characters from x = 520
    const QImage page = tv::composeReportPage(d);
    ASSERT_EQ(page.size(), tv::kReportPageSize);
    struct Probe {
        QPoint at;
        QRgb want;
    };
    const Probe probes[] = {{{1, 43}, qRgb(255, 0, 0)},    {{614, 352}, qRgb(255, 0, 0)}, {{300, 40}, qRgb(255, 255, 255)},
                            {{618, 200}, qRgb(255, 255, 255)}, {{300, 355}, qRgb(255, 255, 255)},
                            {{1, 358}, qRgb(0, 0, 255)},   {{614, 546}, qRgb(0, 0, 255)}, {{300, 550}, qRgb(255, 255, 255)},
                            {{805, 1619}, qRgb(255, 255, 255)}};
    for (const Probe& p : probes) EXPECT_EQ(page.pixel(p.at), p.want) << p.at.x() << "," << p.at.y();
    // The neutral point's figure: dark pixels from x = 520 on, none between the label and 519.
    int first = -1, last = -1;
    for (int x = 200; x < 806; ++x)
        for (int y = 584; y < 602; ++y)
            if (isDark(page.pixel(x, y))) {
                if (first < 0) first = x;
                last = x;
            }
    EXPECT_GE(first, 520);
    EXPECT_LT(first, 530);
    EXPECT_GT(last, 520 + 9 * 7); // "99999.9 mm": ten characters of a 12-point monospace font
}

TEST(ReportPage, TheTextFontIsAMonospaceFontForCourier) {
    QFont f(QStringLiteral("Courier"));
    f.setStyleHint(QFont::TypeWriter);
    f.setPixelSize(16);
    EXPECT_TRUE(QFontInfo(f).fixedPitch()) << QFontInfo(f).family().toStdString();
}

// A summary figure never starts inside its label: the Spanish labels of the recommended
// positions run past x = 520 in the page's 16-pixel monospace font (9.6 pixels a character),
// where the figure used to be drawn over "16%". The figures stay in one column, at 520 where
// every label ends before it.
TEST(ReportPage, SummaryFiguresStartAfterTheirLabelsInEveryLanguage) {
    const tv::UiLanguage langs[] = {tv::UiLanguage::English, tv::UiLanguage::German, tv::UiLanguage::Spanish};
    for (const tv::UiLanguage lang : langs) {
        const auto page = tv::reportPageTexts(defaultReport(1, lang));
        std::set<int> columns;
        bool allFit = true;
        for (int y = 583; y <= 643; y += 20) {
            const tv::ReportText* label = textAt(page, 0, y);
            ASSERT_NE(label, nullptr);
            const QString text = QString::fromStdString(label->text);
            const auto value = std::find_if(page.begin(), page.end(), [&](const tv::ReportText& t) { return t.y == y && t.x > 0; });
            ASSERT_NE(value, page.end()) << y;
            EXPECT_GE(value->x, std::max(520.0, 9.6 * text.trimmed().size() + 9.6)) << int(lang) << " row " << y;
            columns.insert(value->x);
            allFit = allFit && 9.6 * text.size() <= 520;
        }
        EXPECT_EQ(columns.size(), 1u) << int(lang);
        if (allFit) EXPECT_EQ(*columns.begin(), 520) << int(lang);
    }
}

namespace {

const tv::UiLanguage kLanguages[] = {tv::UiLanguage::English, tv::UiLanguage::German, tv::UiLanguage::Spanish};

/// The report of a calculated starting aircraft, its aircraft picture drawn as the window draws it
/// for the report: the fitted stability picture at kAircraftPictureSize.
tv::ReportData startingReport(const tvtest::CalculatedAircraft& c, tv::UiLanguage lang, tv::StabilityPicture* pic) {
    tv::ReportData d = defaultReport(c.aircraft.WingCount, lang);
    d.aircraft = c.aircraft;
    d.NeutralPointX = c.reference.NeutralPointX;
    d.WingAcX = c.solver->WingAcX;
    d.WingLiftSlope = c.solver->WingLiftSlope;
    tv::StabilityScene scene = tvtest::calculatedScene(c, lang);
    scene.flightCaption = " flight direction";
    d.aircraftPicture = QImage(tv::kAircraftPictureSize, QImage::Format_RGB32);
    QPainter p(&d.aircraftPicture);
    tv::clearImage(p, tv::kAircraftPictureSize, scene.colours.toolTipBackground, tv::kGreyOutline);
    *pic = tv::STABIL(p, tv::kAircraftPictureSize, scene, tv::fitAircraftView(c.aircraft, tv::kAircraftPictureSize));
    d.numbers = pic->numbers;
    return d;
}

/// A picture rectangle where the page shows it.
QRect onPage(const QRect& r) {
    const QRectF pic(QPointF(0, 0), QSizeF(tv::kAircraftPictureSize));
    QTransform t = QTransform::fromTranslate(tv::kAircraftPictureRect.x(), tv::kAircraftPictureRect.y());
    t.scale(tv::kAircraftPictureRect.width() / pic.width(), tv::kAircraftPictureRect.height() / pic.height());
    return t.mapRect(QRectF(r)).toAlignedRect();
}

} // namespace

TEST(ReportPage, ResultLinesOfTheAircraftPictureStandOffEveryWing) {
    for (const char* name : tvtest::kStartingAircraft)
        for (const tv::UiLanguage lang : kLanguages) {
            SCOPED_TRACE(testing::Message() << name << " language " << int(lang));
            tv::StabilityPicture pic;
            tv::ReportData d = startingReport(tvtest::startingAircraft(name), lang, &pic);
            const QRect box = onPage(pic.resultBox);
            const QImage page = tv::composeReportPage(d);
            bool red = false;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    red = red || (qRed(page.pixel(x, y)) > 200 && qGreen(page.pixel(x, y)) < 80);
            EXPECT_TRUE(red) << "the neutral-point line stands in the box";
            // The same page with the wings alone in the picture: nothing but background in the box.
            const QRgb background = d.aircraftPicture.pixel(2, 2);
            d.aircraftPicture.fill(background);
            QPainter p(&d.aircraftPicture);
            for (int w = 1; w <= d.aircraft.WingCount; ++w) tv::d_1d_w(p, d.aircraft, w, pic.geometry);
            p.end();
            const QImage wings = tv::composeReportPage(d);
            int struck = 0;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x) struck += wings.pixel(x, y) != background;
            EXPECT_EQ(struck, 0) << "wing pixels in the result lines' box";
            if (lang == tv::UiLanguage::Spanish) tvtest::keep(page, std::string("report_") + name + "_es");
        }
}

TEST(ReportPage, LabelsKeepTwoBlanksOfPaperBeforeTheirFigures) {
    // On every row of the summary and of the wing blocks' right column: the ink of the label ends
    // at least two character widths before the ink of its figure begins.
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(16);
    const double blanks = 2 * QFontMetricsF(font).horizontalAdvance(QLatin1Char(' '));
    for (const char* name : {"default", "canard"})
        for (const tv::UiLanguage lang : kLanguages) {
            tv::StabilityPicture pic;
            const tv::ReportData d = startingReport(tvtest::startingAircraft(name), lang, &pic);
            const QImage page = tv::composeReportPage(d);
            const auto texts = tv::reportPageTexts(d);
            for (const tv::ReportText& label : texts) {
                const bool summary = label.y > 563 && label.y < 683, block = label.y >= 683 && label.x > 0;
                const auto value = std::find_if(texts.begin(), texts.end(), [&](const tv::ReportText& t) {
                    return (summary || block) && t.y == label.y && t.x > label.x;
                });
                if (value == texts.end()) continue;
                int labelInk = -1, valueInk = -1;
                for (int x = label.x; x < tv::kReportPageSize.width(); ++x)
                    for (int y = label.y; y < label.y + 18; ++y)
                        if (isDark(page.pixel(x, y)) && x < value->x)
                            labelInk = x;
                        else if (isDark(page.pixel(x, y)) && valueInk < 0)
                            valueInk = x;
                ASSERT_GE(labelInk, 0);
                ASSERT_GE(valueInk, 0);
                EXPECT_GE(valueInk - labelInk - 1, blanks)
                    << name << " language " << int(lang) << ": '" << label.text << "' '" << value->text << "'";
            }
        }
}

// ---- The weight-and-balance block ------------------------------------------------------------------

namespace {

/// Characters of a UTF-8 text (continuation bytes not counted).
int chars(const std::string& s) {
    int n = 0;
    for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

/// The page's text boxes: 9.6 units a character, a line 20 high.
QRectF box(const tv::ReportText& t) { return QRectF(t.x, t.y, 9.6 * chars(t.text), 20); }

/// The lines of a full table: the mean chord and CG lines, My CG, thirty rows left out with long
/// names, loadings and four tail volumes, as the core writes them.
std::vector<std::string> longBalanceLines(tv::UiLanguage lang) {
    tv::BalanceFigures f;
    f.MacWing = 1;
    f.Mac = tv::MeanChord{-12345.6, 23456.7, -11111.1, 98765.4};
    f.High = f.Low = f.Desired = tv::cgMeasures(-99999.9, *f.Mac);
    f.MyCg = {tv::CgRefusal::NotANumber, 0};
    tv::BalanceTexts b;
    b.MyCg = std::string(120, '7');
    for (int r = 0; r < tv::kBalanceRowMax; ++r) {
        b.Rows.push_back({"Akku " + std::string(r * 3, 'x') + " mit Halterung und Kabel", "abc", "1"});
        f.Masses.Rows.push_back({tv::RowProblem::MassNotANumber});
    }
    f.Loading = tv::wingLoading(1e6, 1e4);
    for (int w = 2; w <= 5; ++w) f.TailVolumes.push_back({w, -12.345, tv::SurfaceRole::Canard});
    tv::StabilityNumbers n;
    return tv::balanceReportLines(lang, f, b, n, true);
}

} // namespace

TEST(ReportPage, TheBalanceBlockStandsBelowTheWingBlocksAndNoTextLeavesThePageOrMeetsAnother) {
    for (const tv::UiLanguage lang : kLanguages)
        for (int count = 1; count <= tv::kWingMax; ++count) {
            SCOPED_TRACE(testing::Message() << "language " << int(lang) << ", " << count << " wings");
            tv::ReportData d = defaultReport(count, lang);
            d.balanceLines = longBalanceLines(lang);
            const auto texts = tv::reportPageTexts(d);
            const QSize page = tv::reportPageSize(d);
            EXPECT_EQ(page.width(), tv::kReportPageSize.width());
            const int blockTop = tv::reportUsedHeight(count) + 20;
            ASSERT_NE(textAt(texts, 0, blockTop), nullptr) << "the heading";
            EXPECT_GT(texts.size(), d.balanceLines.size() + 1) << "long lines are wrapped";
            EXPECT_EQ(tv::reportUsedHeight(d), texts.back().y + 20);
            for (std::size_t a = 0; a < texts.size(); ++a) {
                EXPECT_LE(box(texts[a]).right(), page.width()) << texts[a].text;
                EXPECT_LE(box(texts[a]).bottom(), page.height()) << texts[a].text;
                for (std::size_t b = a + 1; b < texts.size(); ++b)
                    EXPECT_FALSE(box(texts[a]).intersects(box(texts[b]))) << texts[a].text << " / " << texts[b].text;
            }
            EXPECT_EQ(tv::composeReportPage(d).size(), page);
        }
}

TEST(ReportPage, WithoutBalanceLinesThePageKeepsItsSize) {
    const tv::ReportData d = defaultReport(5);
    EXPECT_EQ(tv::reportPageSize(d), tv::kReportPageSize);
    EXPECT_EQ(tv::reportUsedHeight(d), tv::reportUsedHeight(5));
}

TEST(ReportPage, LongLinesWrapAtBlanksAndCutOnlyAWordLongerThanALine) {
    struct Row {
        std::string line;
        int columns;
        std::vector<std::string> pieces;
    };
    const Row rows[] = {
        {"short line", 20, {"short line"}},
        {"exactly ten", 11, {"exactly ten"}},
        {"one two three four", 9, {"one two", "  three", "  four"}},
        {"abcdefghijkl", 5, {"abcde", "  fgh", "  ijk", "  l"}},
        {"Größe über Maß", 6, {"Größe", "  über", "  Maß"}}, // characters, not bytes
        {"", 10, {}},
    };
    for (const Row& r : rows) EXPECT_EQ(tv::wrapReportLine(r.line, r.columns), r.pieces) << r.line;
}
