// The exports of a finished calculation: the AVL deck read back with a small reader of our own
// (keywords, counts, numbers) must describe the lattice we solved, panel for panel.
#include "exports/lattice_export.h"
#include "model/planform.h"
#include "solver/calculation.h"
#include "tests/solver/solver_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace tv {
namespace {

// ---- A small deck reader: enough of the format to check what we write ----------------------

struct ReadSurface {
    std::string name;
    int nchord = 0;
    double cspace = -1;
    int component = 0;
    double yduplicate = -1;
    double dx = 0, dy = 0, dz = 0;
    std::vector<std::vector<double>> sections; // Xle Yle Zle Chord Ainc Nspan Sspace
};

struct ReadDeck {
    std::string title;
    std::vector<std::vector<double>> header; // Mach; iYsym iZsym Zsym; Sref Cref Bref; Xref Yref Zref
    std::vector<ReadSurface> surfaces;
};

std::vector<double> numbers(const std::string& line) {
    std::istringstream in(line);
    in.imbue(std::locale::classic());
    std::vector<double> v;
    double x;
    while (in >> x) v.push_back(x);
    return v;
}

ReadDeck readDeck(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) {
        const auto first = l.find_first_not_of(" \t");
        if (first == std::string::npos || l[first] == '#' || l[first] == '!') continue;
        lines.push_back(l.substr(0, l.find('!'))); // the rest of a line after "!" is a comment too
    }
    ReadDeck d;
    std::size_t i = 0;
    if (i < lines.size()) d.title = lines[i++];
    while (i < lines.size() && d.header.size() < 4) d.header.push_back(numbers(lines[i++]));
    while (i < lines.size()) {
        const std::string key = lines[i++];
        const std::string value = i < lines.size() ? lines[i] : std::string();
        if (key == "SURFACE") {
            d.surfaces.emplace_back();
            d.surfaces.back().name = value;
            const auto n = numbers(lines.at(++i));
            d.surfaces.back().nchord = int(n.at(0));
            d.surfaces.back().cspace = n.at(1);
            ++i;
            continue;
        }
        if (d.surfaces.empty()) throw std::runtime_error("keyword before SURFACE: " + key);
        ReadSurface& s = d.surfaces.back();
        const auto n = numbers(value);
        if (key == "COMPONENT") s.component = int(n.at(0));
        else if (key == "YDUPLICATE") s.yduplicate = n.at(0);
        else if (key == "TRANSLATE") s.dx = n.at(0), s.dy = n.at(1), s.dz = n.at(2);
        else if (key == "SECTION") s.sections.push_back(n);
        else throw std::runtime_error("unknown keyword " + key);
        ++i;
    }
    return d;
}

// ---- Aircraft of the rows ----------------------------------------------------------------

struct Row {
    const char* name;
    AircraftTexts texts;
    bool wingsMoved = false;
};

std::vector<Row> rows() {
    std::vector<Row> r;
    r.push_back({"default aircraft", defaultAircraftTexts()});
    AircraftTexts t = defaultAircraftTexts();
    // Wing 2 lies in wing 1's plane, overlapping it: the calculation moves it in height.
    t.WingCount = 2;
    t.wings[1] = testing::trapeziumWing(220, 140, 700, 60, 0, 0, 0);
    t.wings[2] = testing::trapeziumWing(150, 150, 300, 0, 0, 100, 0);
    r.push_back({"separated wings", t, true});
    // A wing 40 mm off the centre line with a rectangular tail far behind.
    t.wings[1] = testing::trapeziumWing(250, 120, 800, 80, 40, 0, 0);
    t.wings[2] = testing::trapeziumWing(120, 120, 250, 0, 0, 700, 30);
    r.push_back({"root gap", t});
    return r;
}

class AvlDeckTest : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() { ws_ = makeSolverWorkspace().release(); }
    static void TearDownTestSuite() { delete ws_; }
    static SolverWorkspace* ws_;
};
SolverWorkspace* AvlDeckTest::ws_ = nullptr;

TEST_P(AvlDeckTest, DeckDescribesTheSolvedLattice) {
    const Row row = rows()[GetParam()];
    SCOPED_TRACE(row.name);
    Aircraft ac = computeAircraft(row.texts);
    const Aircraft before = ac;
    SolverWorkspace& ws = *ws_;
    runCalculation(ac, ws, UiLanguage::English);
    ASSERT_FALSE(ws.AbortCalculation) << (ws.Messages.empty() ? "" : ws.Messages.front());
    EXPECT_EQ(ws.WingsShifted, row.wingsMoved);
    const ReadDeck d = readDeck(avlDeckBytes(avlDeckFromLattice(ac, ws, "My plane", exportWingNames(UiLanguage::English), true)));

    EXPECT_EQ(d.title, "My plane");
    ASSERT_EQ(d.header.size(), 4u);
    EXPECT_EQ(d.header[0], std::vector<double>{0.0});
    EXPECT_EQ(d.header[1], (std::vector<double>{0, 0, 0}));
    const int r = ws.ReferenceWing;
    EXPECT_NEAR(d.header[2].at(0), ws.ReferenceArea, 1e-4);
    EXPECT_NEAR(d.header[2].at(1), ws.ReferenceChord, 1e-4);
    EXPECT_NEAR(d.header[2].at(2), ac.Wings[r].planform.b, 1e-4);
    EXPECT_NEAR(d.header[3].at(0), ws.NeutralPointX, 1e-4);

    ASSERT_EQ(int(d.surfaces.size()), ac.WingCount);
    int panels = 0;
    for (int w = 1; w <= ac.WingCount; ++w) {
        const ReadSurface& s = d.surfaces[w - 1];
        SCOPED_TRACE(s.name);
        EXPECT_EQ(s.name, "Wing-" + std::to_string(w));
        EXPECT_EQ(s.nchord, ws.ChordwisePanels[w]);
        EXPECT_EQ(s.cspace, 0.0);
        EXPECT_EQ(s.component, 1);
        EXPECT_EQ(s.yduplicate, 0.0);
        EXPECT_EQ(s.dx, ac.Wings[w].PositionX);
        EXPECT_EQ(s.dz, ws.SolverWingZ[w]); // the height the lattice had, moved or not
        EXPECT_EQ(s.dz, ac.Wings[w].PositionZ);
        // The strip edges the sections imply (Nspan equal strips between a pair), with the leading
        // edge and chord interpolated between the pair, against the lattice's own edges.
        int strip = 0;
        for (std::size_t i = 0; i + 1 < s.sections.size(); ++i) {
            const auto& a = s.sections[i];
            const auto& b = s.sections[i + 1];
            const int nspan = int(a.at(5));
            EXPECT_EQ(a.at(6), 0.0);
            for (int j = 1; j <= nspan; ++j) {
                ++strip;
                ASSERT_LE(strip, ws.SpanwiseStrips[w]);
                const auto at = [&](int col, double f) { return a.at(col) + f * (b.at(col) - a.at(col)); };
                const double f0 = double(j - 1) / nspan, f1 = double(j) / nspan;
                const int n = ws.ChordwisePanels[w];
                EXPECT_NEAR(at(1, f0), ws.StripYLeft(strip, w), 2e-4);
                EXPECT_NEAR(at(1, f1), ws.StripYRight(strip, w), 2e-4);
                EXPECT_NEAR(s.dx + at(0, f0), ws.PanelXLeft(1, strip, w), 2e-4);
                EXPECT_NEAR(s.dx + at(0, f1) + at(3, f1), ws.PanelXRight(n + 1, strip, w), 2e-4);
            }
            panels += nspan * s.nchord;
        }
        EXPECT_EQ(strip, ws.SpanwiseStrips[w]);
        EXPECT_EQ(s.sections.front().at(1), before.Wings[w].StationY[1]);
    }
    EXPECT_EQ(panels, ws.PanelTotal);
}

INSTANTIATE_TEST_SUITE_P(Aircraft, AvlDeckTest, ::testing::Range(0, 3));

TEST(LoadTable, FieldsQuotedAsCsvWantsAndNumbersReadBack) {
    const struct {
        const char* in;
        const char* out;
    } rows[] = {
        {"Wing-1", "Wing-1"}, {"", ""}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""}, {"cr\r", "\"cr\r\""}, {"Flügel-1", "Flügel-1"},
    };
    for (const auto& r : rows) EXPECT_EQ(csvField(r.in), r.out) << r.in;

    const double y = 0.1 + 0.2; // not a short decimal: must still read back exactly
    const std::string table = loadTableBytes({{"x,y", 3, y, 1e-7, 250, -0.5, 1e300}});
    EXPECT_EQ(table, "wing,strip,y_mm,width_mm,chord_mm,cl,load\r\n\"x,y\",3,0.30000000000000004,1e-07,250,-0.5,1e+300\r\n");
}

TEST(AvlDeck, TitleAndNamesKeepOneLineAndNumbersTheirPoint) {
    AvlDeck deck;
    deck.title = "two\nlines";
    deck.Xref = 116.54321;
    AvlSurface s;
    s.name = "";
    s.sections = {{0, 0, 0, 200, 3}, {10, 500, 0, 150, 3}};
    deck.surfaces = {s};
    const ReadDeck d = readDeck(avlDeckBytes(deck));
    EXPECT_EQ(d.title, "two");
    ASSERT_EQ(d.surfaces.size(), 1u);
    EXPECT_EQ(d.surfaces[0].name, "-");
    EXPECT_EQ(d.header[3].at(0), 116.5432);
    EXPECT_EQ(d.surfaces[0].sections.at(0).at(5), 3);
    EXPECT_EQ(d.surfaces[0].sections.at(1).at(5), 1); // the last section's count is not read: 1
}

// Read by AVL's rules (blank lines and lines starting with '#' or '!' skipped, a line cut at '!'),
// the title line is never lost nor cut short: the header keeps its four numeric lines after it and the surface its name.
TEST(AvlDeck, ATitleThatLooksLikeACommentOrBlankKeepsTheHeaderInPlace) {
    const struct {
        const char* title;
        const char* read;
    } rows[] = {{"#3 glider", "- #3 glider"}, {"!plane", "|plane"}, {"Fox! Mk 2", "Fox| Mk 2"}, {" ! x", "| x"}, {"  # spaced", "- # spaced"},
                {"", "-"}, {"   ", "-"}, {"\t", "-"}, {"\r\nsecond", "-"}, {"  lead", "lead"}, {"plain", "plain"}};
    for (const auto& r : rows) {
        AvlDeck deck;
        deck.title = r.title;
        deck.Sref = 7000;
        deck.Xref = 116.5;
        AvlSurface s;
        s.name = r.title;
        s.sections = {{0, 0, 0, 200, 3}, {10, 500, 0, 150, 3}};
        deck.surfaces = {s};
        const ReadDeck d = readDeck(avlDeckBytes(deck));
        EXPECT_EQ(d.title, r.read) << r.title;
        ASSERT_EQ(d.header.size(), 4u) << r.title;
        EXPECT_EQ(d.header[0], std::vector<double>{0.0}) << r.title; // Mach
        EXPECT_EQ(d.header[2].at(0), 7000) << r.title;             // Sref
        EXPECT_EQ(d.header[3].at(0), 116.5) << r.title;            // Xref
        ASSERT_EQ(d.surfaces.size(), 1u) << r.title;
        EXPECT_EQ(d.surfaces[0].name, r.read) << r.title;
    }
}

} // namespace
} // namespace tv

namespace tv {
namespace {

// A wing with incidence, tip twist and airfoils: each section line carries i + t - alpha0 at its
// own y, and the deck says that the airfoils' moments are not in it.
TEST(AvlDeck, SectionsCarryIncidenceTwistAndZeroLiftAngle) {
    Aircraft ac = testing::aircraftOf({testing::trapeziumWing(300, 150, 900)});
    ac.Trim.Wings[1].Incidence = "2";
    ac.Trim.Wings[1].Sections[1] = {"0", "", "-3", "-0.05"};
    ac.Trim.Wings[1].Sections[2] = {"-4", "", "1", "0.02"};
    SolverWorkspace& ws = testing::sharedWorkspace();
    runCalculation(ac, ws, UiLanguage::English);
    ASSERT_TRUE(resultsUsable(ws));
    const std::string bytes = avlDeckBytes(avlDeckFromLattice(ac, ws, "t", exportWingNames(UiLanguage::English), true));
    const ReadDeck d = readDeck(bytes);
    ASSERT_EQ(d.surfaces.size(), 1u);
    for (const std::vector<double>& s : d.surfaces[0].sections) {
        const double f = s.at(1) / 900; // the section's fraction of the half span
        EXPECT_NEAR(s.at(4), 2 + (-4 * f) - (-3 + 4 * f), 1e-4) << s.at(1);
    }
    EXPECT_NE(bytes.find("Cm0"), std::string::npos);
}

} // namespace
} // namespace tv
