#include "files/projectfile.h"
#include "model/numformat.h"
#include "model/parse.h"
#include "model/planform.h"
#include "report/json_report.h"

#include <algorithm>
#include <cmath>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <gtest/gtest.h>
#include <memory>
#include <regex>
#include <string>
#include <sstream>
#include <sys/wait.h>
#include <vector>

using namespace tv;
namespace fs = std::filesystem;

namespace {

struct CalcRun {
    int status;
    std::string out;
};

// Runs the batch calculator as a process; stdout collected, stderr into `err` when given.
CalcRun runCalc(const std::string& args, std::string* err = nullptr) {
    const std::string errFile = fs::temp_directory_path() / ("tv_cli_err_" + std::to_string(::getpid()));
    const std::string cmd = std::string(TV_CALC_EXE) + " " + args + " 2>" + errFile;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(cmd.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe.get())) > 0) out.append(buf.data(), n);
    const int raw = pclose(pipe.release());
    if (err) *err = std::string(std::istreambuf_iterator<char>(std::ifstream(errFile).rdbuf()), {});
    fs::remove(errFile);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

std::vector<nlohmann::json> jsonLines(const std::string& out) {
    std::vector<nlohmann::json> records;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) records.push_back(nlohmann::json::parse(line));
    return records;
}

class BatchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ws_ = makeSolverWorkspace().release(); }
    static void TearDownTestSuite() { delete ws_; }
    static SolverWorkspace* ws_;
    fs::path dir_ = fs::temp_directory_path() / ("tv_cli_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
    /// One very slender wing (20 mm chord, 9 m half span): too many strips, the lattice is refused.
    fs::path writeSlenderProject() const {
        const fs::path slender = dir_ / "slender.tv4";
        std::ofstream(slender) << "<aircraft>\r\n <wings_count>1</wings_count>\r\n <wing>\r\n  <wing_id>1</wing_id>\r\n"
                                  "  <wingsections>2</wingsections>\r\n  <section>\r\n   <section_id>1</section_id>\r\n"
                                  "   <y>0</y>\r\n   <chord>20</chord>\r\n  </section>\r\n  <section>\r\n"
                                  "   <section_id>2</section_id>\r\n   <y>9000</y>\r\n   <chord>20</chord>\r\n"
                                  "  </section>\r\n </wing>\r\n</aircraft>\r\n";
        return slender;
    }
};
SolverWorkspace* BatchTest::ws_ = nullptr;

} // namespace

TEST_F(BatchTest, DefaultAircraftGivesTheKnownNeutralPoint) {
    AircraftTexts texts;
    ASSERT_FALSE(loadAircraftTexts("", texts));
    const BatchResult r = calculateProject("", texts, *ws_, UiLanguage::English, 7.5);
    ASSERT_TRUE(r.calculated);
    EXPECT_EQ(ws_->PanelTotal, 1144);
    EXPECT_NEAR(ws_->NeutralPointX, 116.5, 0.05);
    EXPECT_NEAR(ws_->ReferenceChord, 329.7, 0.05);
    const nlohmann::json j = jsonReport(r, *ws_);
    for (const char* key : {"File", "PanelTotal", "NeutralPointX", "ReferenceArea", "ReferenceChord",
                            "RecommendedMarginLow", "RecommendedMarginHigh", "DesiredMargin", "CgLow", "CgHigh",
                            "CgDesired", "WingsShifted", "AbortCalculation", "Messages", "Wings"})
        EXPECT_TRUE(j.contains(key)) << key;
    ASSERT_EQ(j["Wings"].size(), 5u);
    EXPECT_EQ(j["Wings"][0]["TrapeziumStrips"].size(), 4u);
    EXPECT_DOUBLE_EQ(j["CgDesired"].get<double>(), r.stability.CgDesired);
    EXPECT_NEAR(j["CgDesired"].get<double>(), ws_->NeutralPointX - 0.075 * ws_->ReferenceChord, 1e-9);
}

TEST_F(BatchTest, ExactSolveGivesTheSameNeutralPoint) {
    const CalcRun refined = runCalc("--json"), exact = runCalc("--json --exact-solve");
    ASSERT_EQ(refined.status, 0);
    ASSERT_EQ(exact.status, 0);
    const double a = nlohmann::json::parse(refined.out)["NeutralPointX"].get<double>();
    const double b = nlohmann::json::parse(exact.out)["NeutralPointX"].get<double>();
    EXPECT_NEAR(a, b, 1e-9);
}

TEST_F(BatchTest, ExitStatusTellsCalculatedRefusedAndUnreadable) {
    const CalcRun ok = runCalc("--json --margin 10");
    EXPECT_EQ(ok.status, 0);
    const nlohmann::json j = nlohmann::json::parse(ok.out);
    EXPECT_DOUBLE_EQ(j["DesiredMargin"].get<double>(), 10.0);
    EXPECT_EQ(j["File"], "");

    EXPECT_EQ(runCalc((dir_ / "missing.tv4").string()).status, 2);

    // One very slender wing: too many strips, the lattice is refused.
    const fs::path slender = writeSlenderProject();
    const CalcRun refused = runCalc("--json " + slender.string());
    EXPECT_EQ(refused.status, 1);
    const nlohmann::json jr = nlohmann::json::parse(refused.out);
    EXPECT_TRUE(jr["AbortCalculation"].get<bool>());
    EXPECT_FALSE(jr["Messages"].empty());

    // Arguments that cannot be understood are refused, a mistyped margin is not read as 0.
    for (const char* bad : {"--lang q", "--margin abc", "--margin 7,5", "--margin", "--margin 1e308", "--margin -101"})
        EXPECT_EQ(runCalc(bad).status, 2) << bad;
}

TEST_F(BatchTest, EveryFileGetsOneJsonLineWhateverItsNameOrContents) {
    const fs::path latin1 = dir_ / "Fl\xfcgel.tv4"; // not valid UTF-8
    fs::copy_file(fs::path(TV_TEST_DATA) / "../../examples/two-wing.tv4", latin1);
    std::ofstream(dir_ / "empty.tv4").flush();
    std::string err;
    const CalcRun r = runCalc("--json \"\" '" + latin1.string() + "' " + (dir_ / "missing.tv4").string() + " " +
                                  (dir_ / "empty.tv4").string() + " --margin 12",
                              &err);
    EXPECT_EQ(r.status, 2);
    const std::vector<nlohmann::json> records = jsonLines(r.out);
    ASSERT_EQ(records.size(), 4u) << r.out;
    EXPECT_TRUE(records[0]["NeutralPointX"].is_number());
    EXPECT_EQ(records[1]["File"], (dir_ / "Fl\xef\xbf\xbdgel.tv4").string()); // the byte replaced by U+FFFD
    EXPECT_TRUE(records[1]["NeutralPointX"].is_number());
    for (size_t i : {2u, 3u}) {
        EXPECT_TRUE(records[i].contains("Error")) << records[i];
        EXPECT_FALSE(records[i].contains("NeutralPointX")) << records[i];
    }
    EXPECT_NE(err.find("missing.tv4"), std::string::npos) << err;
    EXPECT_NE(err.find("empty.tv4 is not a Tarvolin4 project"), std::string::npos) << err;
}

TEST_F(BatchTest, ARefusedRunHasNoPositionsButItsMarginsAndTheRefusedCount) {
    // Wing 4 of 18 m^2 sized against a wing 1 of 2 mm^2: billions of panels, refused by count.
    AircraftTexts texts = defaultAircraftTexts();
    texts.WingCount = 4;
    for (int w = 1; w <= 4; ++w) {
        WingTexts& t = texts.wings[w];
        for (auto& f : t.field) f = "0";
        t.TrapeziumCount = 1;
        const char* size = w == 4 ? "3000" : "1";
        t[WingField::Chord1] = t[WingField::Chord2] = t[WingField::Span1] = size;
        t[WingField::PositionX] = std::to_string(5000 * w);
    }
    const BatchResult r = calculateProject("huge.tv4", texts, *ws_, UiLanguage::English, 12.5);
    ASSERT_FALSE(r.calculated);
    const nlohmann::json j = jsonReport(r, *ws_);
    for (const char* key : {"NeutralPointX", "ReferenceArea", "ReferenceChord", "CgLow", "CgHigh", "CgDesired"})
        EXPECT_TRUE(j[key].is_null()) << key;
    EXPECT_TRUE(j["Wings"][0]["WingAcX"].is_null());
    EXPECT_DOUBLE_EQ(j["DesiredMargin"].get<double>(), 12.5);
    EXPECT_DOUBLE_EQ(j["RecommendedMarginHigh"].get<double>(), 16);
    int64_t panels = 0;
    for (const auto& w : j["Wings"]) panels += w["SpanwiseStrips"].get<int64_t>() * w["ChordwisePanels"].get<int64_t>();
    EXPECT_GT(panels, int64_t{1} << 31);
    EXPECT_EQ(j["PanelTotal"].get<int64_t>(), panels);
}

TEST_F(BatchTest, TextReportFollowsTheLanguage) {
    const struct {
        const char* letter;
        const char* neutralPoint;
        const char* wing5;
    } rows[] = {{"e", "Neutral point x: 116.5 mm", "Wing 5:"},
                {"d", "Neutralpunkt x: 116.5 mm", "Flügel 5:"},
                {"s", "Punto neutro x: 116.5 mm", "Ala 5:"}};
    for (const auto& row : rows) {
        const CalcRun r = runCalc(std::string("--lang ") + row.letter);
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find(row.neutralPoint), std::string::npos) << r.out;
        EXPECT_NE(r.out.find(row.wing5), std::string::npos) << r.out;
    }
}

namespace {

std::string fileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The fields of one CSV line (no quoted fields: the rows checked here have none).
std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> f(1);
    for (char c : line)
        if (c == ',') f.emplace_back();
        else f.back().push_back(c);
    return f;
}

} // namespace

TEST_F(BatchTest, CsvSummedOverStripsGivesTheWingLifts) {
    const fs::path csv = dir_ / "loads.csv";
    const CalcRun r = runCalc("--json --csv " + csv.string());
    ASSERT_EQ(r.status, 0);
    const nlohmann::json j = nlohmann::json::parse(r.out);
    std::istringstream in(fileText(csv));
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "wing,strip,y_mm,width_mm,chord_mm,cl,load\r");
    std::map<std::string, double> lift; // both halves: twice the sum of cl * chord * width
    int rows = 0;
    while (std::getline(in, line)) {
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        const auto f = csvFields(line);
        ASSERT_EQ(f.size(), 7u) << line;
        lift[f[0]] += 2 * std::stod(f[5]) * std::stod(f[4]) * std::stod(f[3]);
        EXPECT_NEAR(std::stod(f[6]), std::stod(f[5]) * std::stod(f[4]) / j["ReferenceChord"].get<double>(), 1e-12);
        ++rows;
    }
    int strips = 0;
    for (const auto& w : j["Wings"]) {
        const std::string name = "Wing-" + std::to_string(w["Wing"].get<int>());
        EXPECT_NEAR(lift[name], w["WingLift"].get<double>(), 1e-9 * w["WingLift"].get<double>()) << name;
        EXPECT_NEAR(w["WingLift"].get<double>() / w["S"].get<double>(), w["WingLiftSlope"].get<double>(), 1e-6);
        strips += w["SpanwiseStrips"].get<int>();
    }
    EXPECT_EQ(rows, strips);
}

TEST_F(BatchTest, ExportsAreWrittenOnlyForACalculatedProject) {
    const fs::path deck = dir_ / "plane.avl";
    EXPECT_EQ(runCalc("--avl " + deck.string()).status, 0);
    EXPECT_EQ(fileText(deck).rfind("Unknown\n", 0), 0u);

    struct Case {
        const char* name;
        std::string args;
        int status;
    };
    const fs::path slender = writeSlenderProject();
    const fs::path out = dir_ / "out.file";
    const Case cases[] = {
        {"refused calculation", "--csv " + out.string() + " " + slender.string(), 1},
        {"folder missing", "--avl " + (dir_ / "no" / "deck.avl").string(), 2},
        {"two projects", "--csv " + out.string() + " \"\" \"\"", 2},
        {"no file name", "--avl", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(runCalc(c.args).status, c.status) << c.name;
        EXPECT_FALSE(fs::exists(out)) << c.name;
    }
}

// ---- Balance figures ---------------------------------------------------------------------------

namespace {

const std::string kTwoWing = std::string(TV_TEST_DATA) + "/../../examples/two-wing.tv4";

} // namespace

TEST_F(BatchTest, CgOptionGivesTheMarginAndVerdict) {
    const CalcRun json = runCalc("--json --cg 200 " + kTwoWing), text = runCalc("--cg 200 " + kTwoWing);
    ASSERT_EQ(json.status, 0);
    const nlohmann::json j = nlohmann::json::parse(json.out);
    const double np = j["NeutralPointX"].get<double>(), c = j["ReferenceChord"].get<double>();
    EXPECT_DOUBLE_EQ(j["MyCgX"].get<double>(), 200);
    EXPECT_NEAR(j["StaticMargin"].get<double>(), (np - 200) / c * 100, 1e-9);
    EXPECT_NEAR(j["StaticMarginMm"].get<double>(), np - 200, 1e-9);
    EXPECT_EQ(j["Verdict"], "nose-heavy"); // 200 lies ahead of CgHigh 213.8
    EXPECT_NEAR(j["MyCgPercentMac"].get<double>(), (200 - j["MacLeadingEdgeX"].get<double>()) / j["MacLength"].get<double>() * 100, 1e-9);
    EXPECT_NE(text.out.find("My CG: 200.0 mm = "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("nose-heavy: more margin than recommended"), std::string::npos) << text.out;

    // At the limits as the report gives them, and at the neutral point, in process.
    AircraftTexts texts;
    ASSERT_FALSE(loadAircraftTexts(kTwoWing, texts));
    const StabilityNumbers n = calculateProject(kTwoWing, texts, *ws_, UiLanguage::English, 7.5).stability;
    const std::pair<double, const char*> rows[] = {{n.CgLow, "inside"}, {n.CgHigh, "inside"},
                                                   {n.CgHigh - 0.1, "nose-heavy"}, {n.CgLow + 0.1, "too-far-aft"},
                                                   {np, "unstable"}};
    for (const auto& [cg, verdict] : rows) {
        texts.Balance.MyCg = formatFixed(cg, 0, 12);
        const BatchResult r = calculateProject(kTwoWing, texts, *ws_, UiLanguage::English, 7.5);
        EXPECT_EQ(jsonReport(r, *ws_)["Verdict"], verdict) << cg;
    }

    // A failed run has no margin; a mistyped or absurd CG is refused as an argument.
    const CalcRun failed = runCalc("--cg 90 " + writeSlenderProject().string());
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.out.find("Static margin: not calculated"), std::string::npos) << failed.out;
    for (const char* bad : {"--cg abc", "--cg 7,5", "--cg 2e6", "--cg", "--cg nan"})
        EXPECT_EQ(runCalc(bad).status, 2) << bad;
}

TEST_F(BatchTest, AProjectWithATableGivesTheMassFigures) {
    AircraftTexts texts;
    ASSERT_FALSE(loadAircraftTexts(kTwoWing, texts));
    texts.Balance.MyCgFromTable = true;
    texts.Balance.Rows = {{"Airframe", "1500", "250"}, {"Battery", "500", "150"}, {"Servo", "20 g", "300"}};
    const fs::path project = dir_ / "table.tv4";
    ASSERT_FALSE(writeProjectFile(project.string(), computeAircraft(texts), std::nullopt));
    const CalcRun run = runCalc("--json --lang d " + project.string());
    ASSERT_EQ(run.status, 0);
    const nlohmann::json j = nlohmann::json::parse(run.out);
    EXPECT_DOUBLE_EQ(j["TotalMass"].get<double>(), 2000);
    EXPECT_DOUBLE_EQ(j["MassCgX"].get<double>(), 225); // (1500 * 250 + 500 * 150) / 2000
    EXPECT_DOUBLE_EQ(j["MyCgX"].get<double>(), 225);
    EXPECT_EQ(j["Verdict"], "inside");
    const double dm2 = j["ReferenceArea"].get<double>() / 10000;
    EXPECT_NEAR(j["WingLoading"].get<double>(), 2000 / dm2, 1e-9);
    EXPECT_NEAR(j["CubicWingLoading"].get<double>(), 2000 / std::pow(dm2, 1.5), 1e-9);
    ASSERT_EQ(j["BalanceMessages"].size(), 1u);
    EXPECT_EQ(j["BalanceMessages"][0], "Zeile 3 (Servo): die Masse ist keine Zahl; die Zeile zählt nicht mit");
    ASSERT_EQ(j["TailVolumes"].size(), 1u);
    EXPECT_EQ(j["TailVolumes"][0]["Role"], "tail");
    // Without a table: no mass, no loading.
    const nlohmann::json plain = nlohmann::json::parse(runCalc("--json " + kTwoWing).out);
    EXPECT_DOUBLE_EQ(plain["TotalMass"].get<double>(), 0);
    EXPECT_TRUE(plain["WingLoading"].is_null());
    EXPECT_TRUE(plain["MyCgX"].is_null());
}

// A wing with a centre gap: the lattice's reference chord is the mean chord of the outline with the
// gap filled, so the % MAC of the neutral point less that of the desired CG is the desired margin.
TEST_F(BatchTest, AGapWingsPercentMacAndMarginMeasureWithOneChord) {
    AircraftTexts texts = defaultAircraftTexts();
    texts.WingCount = 1;
    WingTexts& w = texts.wings[1];
    w.TrapeziumCount = 1;
    for (const auto& [field, value] : {std::pair{WingField::RootOffset, "50"}, {WingField::Chord1, "300"},
                                       {WingField::Chord2, "100"}, {WingField::Span1, "600"},
                                       {WingField::XOffset2, "150"}, {WingField::PositionX, "0"}})
        w[field] = value;
    const BatchResult r = calculateProject("", texts, *ws_, UiLanguage::English, 10);
    ASSERT_TRUE(r.calculated);
    ASSERT_TRUE(r.balance.Mac && r.balance.Desired);
    EXPECT_NEAR(ws_->ReferenceChord, 6100.0 / 27, 1e-9);
    EXPECT_NEAR(meanChord(r.aircraft.Wings[1])->Length, ws_->ReferenceChord, 1e-9) << "the same filled outline";
    const double npPercentMac = cgMeasures(ws_->NeutralPointX, *r.balance.Mac).PercentMac;
    EXPECT_NEAR(npPercentMac - r.balance.Desired->PercentMac, 10, 1e-9);
}

// Under a memory limit the calculation either runs or says that the memory is missing and exits
// 1; it never hangs (timeout's 124) or aborts (134). The largest lattice needs the most memory.
TEST(BatchMemory, AMemoryLimitGivesAMessageNotAHang) {
#if defined(__SANITIZE_ADDRESS__) || defined(__has_feature)
#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any such limit";
#endif
#endif
    const std::string project = std::string(TV_TEST_DATA) + "/../../bench/data/aircraft3000.tv4";
    for (int kilobytes : {150000, 250000, 350000}) {
        const std::string cmd = "ulimit -v " + std::to_string(kilobytes) + "; exec timeout 120 " + TV_CALC_EXE +
                                " " + project + " >/dev/null 2>&1";
        const int raw = std::system(cmd.c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        EXPECT_TRUE(status == 0 || status == 1) << kilobytes << " kB: exit " << status;
        if (kilobytes == 150000) {
            EXPECT_EQ(status, 1);
        }
    }
}

// The factorisation recurses deeper than a 4 MB stack: a soft limit that small is raised, a hard
// one refuses the calculation with a message. Both ended in SIGSEGV, and so did the fill's threads,
// whose stacks take the size the program starts with, under 128 kB.
TEST(BatchMemory, ASmallStackLimitCalculatesOrSaysWhy) {
    const struct {
        const char* limit;
        int status;
    } rows[] = {{"ulimit -Ss 4096", 0}, {"ulimit -Ss 128", 0}, {"ulimit -Ss 4096; ulimit -Hs 4096", 1}};
    for (const auto& r : rows) {
        const std::string cmd = std::string(r.limit) + "; exec " + TV_CALC_EXE + " >/dev/null 2>&1";
        const int raw = std::system(cmd.c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw), r.status) << r.limit;
    }
}

// Results that cannot be written are no success: the disk is full.
TEST(BatchOutput, AnUnwritableOutputExitsWithTwo) {
    for (const char* format : {"", "--json"}) {
        const std::string cmd = std::string(TV_CALC_EXE) + " " + format + " >/dev/full 2>/dev/null";
        const int raw = std::system(cmd.c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2) << format;
    }
}

namespace {

/// The glider example with a cambered wing and a flat tail, saved with its trim settings.
fs::path trimmedProject(const fs::path& dir) {
    AircraftTexts texts;
    EXPECT_FALSE(loadAircraftTexts(std::string(TV_TEST_DATA) + "/../../examples/glider-2m.tv4", texts));
    for (int s = 1; s <= kSectionMax; ++s) texts.Trim.Wings[1].Sections[s].Airfoil = "NACA 2412";
    texts.Trim.Mass = "1500";
    const fs::path project = dir / "trimmed.tv4";
    EXPECT_FALSE(writeProjectFile(project.string(), computeAircraft(texts), std::nullopt));
    return project;
}

} // namespace

TEST_F(BatchTest, TrimAtATargetLiftGivesTheDecalageSpeedAndEveryKey) {
    const fs::path project = trimmedProject(dir_);
    const CalcRun run = runCalc("--json --trim-cl 0.5 " + project.string());
    ASSERT_EQ(run.status, 0);
    const nlohmann::json j = nlohmann::json::parse(run.out);
    const nlohmann::json& t = j["Trim"];
    EXPECT_TRUE(t["Problem"].is_null());
    EXPECT_NEAR(t["CL"].get<double>(), 0.5, 1e-9);
    EXPECT_GT(t["Decalage"].get<double>(), 0); // a cambered wing and a symmetric tail
    EXPECT_LT(t["Decalage"].get<double>(), 3);
    const double v = std::sqrt(2 * 1.5 * 9.81 / (1.225 * j["ReferenceArea"].get<double>() * 1e-6 * 0.5));
    EXPECT_NEAR(t["Speed"].get<double>(), v, 1e-9);
    EXPECT_DOUBLE_EQ(t["CgX"].get<double>(), j["CgDesired"].get<double>());
    for (const char* key : {"Alpha", "VariableTrim", "CDi", "SpanEfficiency", "CLalpha", "HigherClWing"})
        EXPECT_TRUE(t[key].is_number()) << key;
    EXPECT_EQ(t["Wings"].size(), 2u);
    EXPECT_EQ(t["Curve"].size(), 17u);
    // The same at the speed it gives; the CG of --cg behind the neutral point has no stable trim.
    const nlohmann::json atSpeed = nlohmann::json::parse(runCalc("--json --trim-speed " + formatFixed(v, 0, 9) + " " + project.string()).out);
    EXPECT_NEAR(atSpeed["Trim"]["CL"].get<double>(), 0.5, 1e-6);
    const double behind = j["NeutralPointX"].get<double>() + 10;
    const nlohmann::json aft = nlohmann::json::parse(runCalc("--json --trim --cg " + formatFixed(behind, 0, 1) + " " + project.string()).out);
    EXPECT_EQ(aft["Trim"]["Problem"], "no-stable-trim");
    EXPECT_TRUE(aft["Trim"]["CL"].is_null());
    EXPECT_TRUE(runCalc("--trim " + project.string()).out.find("Trim at CG") != std::string::npos);
}

TEST_F(BatchTest, TrimOptionsOutsideTheirRangeAreRefused) {
    for (const char* args : {"--mass 0", "--mass -5", "--trim-cl abc", "--trim-speed 0", "--trim-wing 6",
                             "--trim-wing 1.5", "--trim-cl 0.5 --trim-speed 10", "--trim-cl"}) {
        std::string err;
        EXPECT_EQ(runCalc(args, &err).status, 2) << args;
        EXPECT_NE(err.find("usage"), std::string::npos) << args;
    }
}

namespace {

/// The number after the first `label` in the report.
double figureAfter(const std::string& report, const std::string& label) {
    const size_t at = report.find(label);
    EXPECT_NE(at, std::string::npos) << label;
    return at == std::string::npos ? NAN : parseReal(std::string_view(report).substr(at + label.size()));
}

} // namespace

// The imperial report says what the metric one says, in the other units: a few figures converted by
// hand agree to the decimals written, no metric unit is left, and the JSON does not change.
TEST_F(BatchTest, ImperialReportIsTheMetricOneConverted) {
    AircraftTexts texts;
    ASSERT_FALSE(loadAircraftTexts(trimmedProject(dir_).string(), texts));
    texts.Balance.MyCgFromTable = true;
    texts.Balance.Rows = {{"Airframe", "1300", "80"}, {"Battery", "200", "-40"}};
    const fs::path project = dir_ / "weighed.tv4";
    ASSERT_FALSE(writeProjectFile(project.string(), computeAircraft(texts), std::nullopt));
    const std::string args = "--trim-cl 0.5 " + project.string();
    const std::string metric = runCalc(args).out;
    const CalcRun imperial = runCalc("--units imperial " + args);
    ASSERT_EQ(imperial.status, 0);
    const struct {
        const char* label;
        double perImperialUnit; // metric units in one imperial unit
        int metricDecimals, imperialDecimals;
    } rows[] = {
        {"Neutral point x: ", 25.4, 1, 3},
        {"Reference area: ", 645.16 / 10000, 2, 1},
        {"Total mass: ", 28.349523125, 1, 3},
        {"Wing loading: ", 28.349523125 / 9.290304, 1, 2},
        {"Trim at CG ", 25.4, 1, 3},
        {", speed ", 0.44704, 1, 1},
    };
    for (const auto& r : rows) {
        const double m = figureAfter(metric, r.label), i = figureAfter(imperial.out, r.label);
        const double tolerance = 0.5 * std::pow(10, -r.imperialDecimals) + 0.5 * std::pow(10, -r.metricDecimals) / r.perImperialUnit;
        EXPECT_NEAR(i, m / r.perImperialUnit, tolerance) << r.label;
    }
    const std::regex metricUnit(R"(\d (mm|g|dm\^2|g/dm²|g/dm³|dm²|m/s)(?=[\s,):]|$))");
    EXPECT_FALSE(std::regex_search(imperial.out, metricUnit)) << imperial.out;
    EXPECT_NE(imperial.out.find(" in = "), std::string::npos) << "the CG measures in inches";
    EXPECT_EQ(runCalc("--json --units imperial " + args).out, runCalc("--json " + args).out);
    EXPECT_EQ(runCalc("--units metric " + args).out, metric);
    EXPECT_FALSE(std::regex_search(runCalc("--units imperial,mm " + args).out, std::regex(R"(\d in(?=[\s,):]|$))")))
        << "lengths in mm, the rest imperial";
}

TEST_F(BatchTest, UnitsOptionsAreCheckedAndTakeUnits) {
    for (const char* args : {"--units", "--units stone", "--units Imperial", "--units metric,furlong"}) {
        std::string err;
        EXPECT_EQ(runCalc(args, &err).status, 2) << args;
        EXPECT_NE(err.find("usage"), std::string::npos) << args;
    }
    const std::string project = trimmedProject(dir_).string();
    const auto trimSpeed = [&](const std::string& options) {
        return nlohmann::json::parse(runCalc("--json --trim-cl 0.5 " + options + " " + project).out)["Trim"]["Speed"].get<double>();
    };
    EXPECT_NEAR(trimSpeed("--mass 1500"), trimSpeed("--mass 1.5kg"), 1e-9);
    EXPECT_NEAR(trimSpeed("--mass 3000"), trimSpeed("--mass 105.82oz"), 1e-3); // 105.82 oz = 2999.95 g
}
