// Every figure of the aircraft page and of the report carries its unit, in metric and imperial
// units and in every language: a number is followed by a unit symbol of its quantity (or by "%"),
// directly or after further numbers of the same row ("0.00  1.18  2.36 in") or range ("2.3 – 9.7 in").
#include "model/planform.h"
#include "model/shown_figure.h"
#include "printing/report_page.h"
#include "stability/balance_lines.h"
#include "stability/stability.h"

#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <cctype>
#include <map>
#include <optional>
#include <tuple>

namespace {

using tv::Quantity;

struct Figure {
    std::string text;
    Quantity quantity;
};

bool isWordByte(char c) { return std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80; }

/// The unit symbols a figure of quantity q may carry: the chosen unit's, and in the metric
/// defaults the forms the program has always written ("dm^2", "dm**2").
std::vector<std::string> symbolsOf(tv::UiLanguage lang, const tv::DisplayUnits& units, Quantity q) {
    const tv::Unit u = units.of(q);
    std::vector<std::string> out{tv::unitSymbol(lang, u), "%"};
    if (u == tv::Unit::SquareDecimetre) out.insert(out.end(), {"dm^2", "dm**2"});
    return out;
}

/// The numbers of text that no symbol of `symbols` follows (empty: every figure has its unit).
std::vector<std::string> bareNumbers(const std::string& text, const std::vector<std::string>& symbols) {
    std::vector<std::string> bare, pending;
    std::size_t i = 0;
    // The length of the symbol at `at`, 0 for none.
    const auto symbolAt = [&](std::size_t at) -> std::size_t {
        for (const std::string& s : symbols)
            if (text.compare(at, s.size(), s) == 0 && (s == "%" || at + s.size() == text.size() || !isWordByte(text[at + s.size()])))
                return s.size();
        return 0;
    };
    while (i < text.size()) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])) || (i > 0 && isWordByte(text[i - 1]))) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.')) ++end;
        pending.push_back(text.substr(i, end - i));
        std::size_t next = end;
        while (next < text.size() && text[next] == ' ') ++next;
        if (text.compare(next, 4, "\u2013 ") == 0) next += 4; // a range "30.0 – 230.0 mm" names its unit once
        if (next < text.size() && std::isdigit(static_cast<unsigned char>(text[next]))) {
            i = next; // another number of the same row: the unit follows the row
            continue;
        }
        const std::size_t symbol = symbolAt(next);
        if (symbol == 0) bare.insert(bare.end(), pending.begin(), pending.end());
        pending.clear();
        i = next + symbol;
    }
    bare.insert(bare.end(), pending.begin(), pending.end());
    return bare;
}

tv::Aircraft glider() {
    tv::Aircraft a = tv::computeAircraft(tv::defaultAircraftTexts());
    a.WingCount = 2;
    return a;
}

const tv::ReferenceValues kReference{412345.0, 187.3, 243.6};

/// The figures of the aircraft page: the result lines of both stability choices, the margin
/// label, each wing's planform figures, aerodynamic centre and (except in mm, where they are bare
/// by design) its station labels.
std::vector<Figure> aircraftPageFigures(tv::UiLanguage lang, const tv::DisplayUnits& u) {
    std::vector<Figure> out;
    const tv::StabilityNumbers n = tv::computeStability(2, kReference.NeutralPointX, kReference.ReferenceChord, 7.5);
    for (bool manual : {false, true}) {
        const auto lines = tv::stabilityResultLines(lang, manual, kReference, n, u);
        for (std::size_t i = 0; i < lines.size(); ++i)
            out.push_back({lines[i].text, i == 0 ? Quantity::Area : Quantity::Length});
    }
    out.push_back({tv::marginLabelText(lang, kReference.NeutralPointX, n, u), Quantity::Length});
    const tv::Aircraft a = glider();
    for (int w = 1; w <= a.WingCount; ++w) {
        const tv::Wing& wing = a.Wings[w];
        const tv::PlanformLabelTexts p = tv::planformLabelTexts(w, wing.planform, lang, u);
        for (const std::string* s : {&p.b, &p.lm, &p.r25}) out.push_back({*s, Quantity::Length});
        out.push_back({p.S, Quantity::Area});
        const auto ac = tv::aerodynamicCentreTexts(wing, wing.PositionX + 61.25, 12.5, lang, u.length);
        out.push_back({ac.x, Quantity::Length});
        out.push_back({ac.y, Quantity::Length});
        if (!tv::isMetricDefault(u.length))
            for (const std::string& s : tv::stationLabelTexts(wing, lang, u.length)) out.push_back({s, Quantity::Length});
    }
    return out;
}

/// The figures of the report page: the summary, and per wing the right column's values (aspect
/// ratio and lift slope have no unit) and, except in mm where they are bare by design, the
/// section lines.
std::vector<Figure> reportFigures(const tv::ReportData& d) {
    const tv::ReportTexts& t = tv::reportTexts(d.lang);
    const std::map<std::string, std::optional<Quantity>> valueAfter{
        {t.span, Quantity::Length},          {t.area, Quantity::Area},      {t.aspectRatio, std::nullopt},
        {t.meanChord, Quantity::Length},     {t.geometricCenter, Quantity::Length},
        {t.wingAerodynamicCenter, Quantity::Length}, {t.liftSlope, std::nullopt}};
    std::vector<Figure> out;
    std::optional<std::optional<Quantity>> next; // set by a label: its value's quantity (none: unitless)
    for (const tv::ReportText& item : tv::reportPageTexts(d)) {
        const std::string& s = item.text;
        const bool heading = item.y <= 20 || s == t.summary ||
                             std::find(std::begin(t.wingHeading), std::end(t.wingHeading), s) != std::end(t.wingHeading);
        if (heading) continue;
        if (next) {
            if (*next) out.push_back({s, **next});
            next.reset();
        } else if (const auto label = valueAfter.find(s); label != valueAfter.end()) {
            next = label->second;
        } else if (item.x == 0 && item.y < 683) { // a summary label: its value is a length
            out.push_back({s, Quantity::Length}); // its margin carries "%"
            next = Quantity::Length;
        } else if (!tv::isMetricDefault(d.units.length) || s.find(": ") != 2) {
            out.push_back({s, Quantity::Length}); // a section line, or anything else with numbers
        }
    }
    return out;
}

struct UnitsRow {
    tv::DisplayUnits units;
    const char* name;
};
constexpr UnitsRow kSystems[] = {{tv::kMetricUnits, "metric"}, {tv::kImperialUnits, "imperial"}};
constexpr tv::UiLanguage kLanguages[] = {tv::UiLanguage::English, tv::UiLanguage::German, tv::UiLanguage::Spanish};

void expectEveryFigureWithItsUnit(const std::vector<Figure>& figures, tv::UiLanguage lang, const UnitsRow& row) {
    ASSERT_FALSE(figures.empty());
    for (const Figure& f : figures) {
        const auto bare = bareNumbers(f.text, symbolsOf(lang, row.units, f.quantity));
        EXPECT_TRUE(bare.empty()) << row.name << ", language " << int(lang) << ": '" << f.text << "' has "
                                  << bare.size() << " bare number(s), first " << (bare.empty() ? "" : bare.front());
    }
}

} // namespace

// The checker itself: it finds what it is there to find.
TEST(FigureUnits, TheCheckerFindsABareNumberAndAcceptsRowsAndPercent) {
    const std::vector<std::string> mm{"mm", "%"};
    struct Row {
        const char* text;
        std::size_t bare;
    };
    for (const Row r : {Row{"x_CG (8% l): 123.4mm   ", 0}, Row{"xf:     0    12   30 mm", 0}, Row{"b 1000", 1},
                        Row{"lf: 12 mmm", 1}, Row{"x 12 in", 1}, Row{"Wing 2: 30 mm", 1}, Row{"5.0 mm, 7", 1}})
        EXPECT_EQ(bareNumbers(r.text, mm).size(), r.bare) << r.text;
}

TEST(FigureUnits, EveryFigureOfTheAircraftPageCarriesItsUnit) {
    for (const UnitsRow& row : kSystems)
        for (tv::UiLanguage lang : kLanguages) expectEveryFigureWithItsUnit(aircraftPageFigures(lang, row.units), lang, row);
}

TEST(FigureUnits, EveryFigureOfTheReportCarriesItsUnit) {
    for (const UnitsRow& row : kSystems)
        for (tv::UiLanguage lang : kLanguages) {
            tv::ReportData d;
            d.lang = lang;
            d.units = row.units;
            d.aircraft = glider();
            d.NeutralPointX = kReference.NeutralPointX;
            d.numbers = tv::computeStability(2, kReference.NeutralPointX, kReference.ReferenceChord, 7.5);
            for (int w = 1; w <= 2; ++w) d.WingAcX[w] = d.aircraft.Wings[w].PositionX + 55.5;
            expectEveryFigureWithItsUnit(reportFigures(d), lang, row);
        }
}

// The balance page's figures: the mean chord, the margins, My CG, the table's total, a row left out
// and the loadings. Its lines mix lengths, masses and loadings, so any of their symbols may follow a
// number; the counts it names (a wing, a row, the tail volume coefficient) carry none.
TEST(FigureUnits, EveryFigureOfTheBalancePageCarriesItsUnit) {
    tv::Aircraft a = glider();
    a.Balance.MyCg = "80";
    a.Balance.Rows = {{"Battery", "120", "40"}, {"Servo", "9", "abc"}, {"Ballast", "2000000", "10"}};
    const tv::StabilityNumbers n = tv::computeStability(2, kReference.NeutralPointX, kReference.ReferenceChord, 7.5);
    const tv::BalanceFigures f = tv::balanceFigures(a, 1, kReference, n);
    for (const UnitsRow& row : kSystems)
        for (tv::UiLanguage lang : kLanguages) {
            std::vector<std::string> symbols;
            for (Quantity q : {Quantity::Length, Quantity::Mass, Quantity::Area, Quantity::WingLoading, Quantity::CubicLoading})
                for (const std::string& s : symbolsOf(lang, row.units, q)) symbols.push_back(s);
            const auto lines = tv::balanceReportLines(lang, f, a.Balance, n, true, row.units);
            ASSERT_GT(lines.size(), 6u);
            const tv::BalanceLabels& t = tv::balanceLabels(lang);
            for (std::string line : lines) {
                if (line.rfind(t.volumeOf, 0) == 0) continue; // a coefficient
                for (const std::string word : {std::string(t.row), std::string("wing "), std::string("Flügel "), std::string("ala ")})
                    for (auto at = line.find(word); at != std::string::npos; at = line.find(word, at + 1))
                        if (std::isdigit(static_cast<unsigned char>(line[at + word.size()]))) line.erase(at + word.size(), 1);
                const auto bare = bareNumbers(line, symbols);
                EXPECT_TRUE(bare.empty()) << row.name << ", language " << int(lang) << ": '" << line << "'";
            }
        }
}

// Section lines in inches are longer than in mm: with five sections and stations beyond 100 in the
// right column moves aside, one blank clear of the longest, in every language.
TEST(FigureUnits, TheRightColumnStandsClearOfLongSectionLines) {
    tv::AircraftTexts texts = tv::defaultAircraftTexts();
    texts.wings[1].TrapeziumCount = 4;
    for (tv::WingField f : {tv::WingField::Span1, tv::WingField::Span2, tv::WingField::Span3, tv::WingField::Span4})
        texts.wings[1][f] = "900";
    for (tv::UiLanguage lang : kLanguages) {
        tv::ReportData d;
        d.lang = lang;
        d.units = tv::kImperialUnits;
        d.aircraft = tv::computeAircraft(texts);
        d.aircraft.WingCount = 1;
        const auto page = tv::reportPageTexts(d);
        int leftEnd = 0, rightStart = 10000;
        for (const tv::ReportText& t : page) {
            if (t.y <= 683 || t.y > 683 + 140) continue;
            if (t.x == 0)
                leftEnd = std::max(leftEnd, int(std::ceil(9.6 * QString::fromStdString(t.text).trimmed().size())));
            else
                rightStart = std::min(rightStart, t.x);
        }
        EXPECT_GT(leftEnd, 320) << "the rows are long enough to push the column";
        EXPECT_GE(rightStart, leftEnd + 9) << int(lang);
    }
}

// A quantity left in its metric unit keeps its text, widths included, whatever the others are in.
TEST(FigureUnits, AQuantityInItsMetricUnitKeepsItsTextBesideOthers) {
    tv::DisplayUnits squareInches = tv::kMetricUnits;
    squareInches.area = tv::Unit::SquareInch;
    tv::DisplayUnits inches = tv::kMetricUnits;
    inches.length = tv::Unit::Inch;
    tv::PlanformData small; // padded to each wing's widths
    small.b = 10, small.S = 10000, small.lm = 5, small.r25 = 5, small.lam = 5;
    const auto texts = [&](int w, const tv::DisplayUnits& u) { return tv::planformLabelTexts(w, small, tv::UiLanguage::German, u); };
    for (int w = 1; w <= tv::kWingMax; ++w) {
        const tv::PlanformLabelTexts old = tv::planformLabelTexts(w, small);
        const tv::PlanformLabelTexts metric = texts(w, tv::kMetricUnits);
        const tv::PlanformLabelTexts area = texts(w, squareInches);
        const tv::PlanformLabelTexts length = texts(w, inches);
        EXPECT_EQ(std::tie(metric.b, metric.S, metric.lm, metric.r25, metric.lam), std::tie(old.b, old.S, old.lm, old.r25, old.lam));
        EXPECT_EQ(std::tie(area.b, area.lm, area.r25), std::tie(old.b, old.lm, old.r25)) << w;
        EXPECT_NE(area.S, old.S);
        EXPECT_EQ(length.S, old.S) << w;
    }
}
