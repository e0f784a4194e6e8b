#include "cli/batch.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/wait.h>

using namespace tv;
namespace fs = std::filesystem;

namespace {

struct CalcRun {
    int status;
    std::string out;
};

// Runs the batch calculator as a process; stderr is dropped, stdout collected.
CalcRun runCalc(const std::string& args) {
    const std::string cmd = std::string(TV_CALC_EXE) + " " + args + " 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(cmd.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe.get())) > 0) out.append(buf.data(), n);
    const int raw = pclose(pipe.release());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

class BatchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ws_ = makeSolverWorkspace().release(); }
    static void TearDownTestSuite() { delete ws_; }
    static SolverWorkspace* ws_;
    fs::path dir_ = fs::temp_directory_path() / ("tv_cli_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
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

TEST_F(BatchTest, ExitStatusTellsCalculatedRefusedAndUnreadable) {
    const CalcRun ok = runCalc("--json --margin 10");
    EXPECT_EQ(ok.status, 0);
    const nlohmann::json j = nlohmann::json::parse(ok.out);
    EXPECT_DOUBLE_EQ(j["DesiredMargin"].get<double>(), 10.0);
    EXPECT_EQ(j["File"], "");

    EXPECT_EQ(runCalc((dir_ / "missing.tv4").string()).status, 2);

    // One very slender wing: too many strips, the lattice is refused.
    const fs::path slender = dir_ / "slender.tv4";
    std::ofstream(slender) << "<aircraft>\r\n <wings_count>1</wings_count>\r\n <wing>\r\n  <wing_id>1</wing_id>\r\n"
                              "  <wingsections>2</wingsections>\r\n  <section>\r\n   <section_id>1</section_id>\r\n"
                              "   <y>0</y>\r\n   <chord>20</chord>\r\n  </section>\r\n  <section>\r\n"
                              "   <section_id>2</section_id>\r\n   <y>9000</y>\r\n   <chord>20</chord>\r\n"
                              "  </section>\r\n </wing>\r\n</aircraft>\r\n";
    const CalcRun refused = runCalc("--json " + slender.string());
    EXPECT_EQ(refused.status, 1);
    const nlohmann::json jr = nlohmann::json::parse(refused.out);
    EXPECT_TRUE(jr["AbortCalculation"].get<bool>());
    EXPECT_FALSE(jr["Messages"].empty());

    // Arguments that cannot be understood are refused, a mistyped margin is not read as 0.
    for (const char* bad : {"--lang q", "--margin abc", "--margin 7,5", "--margin", "--margin 1e308", "--margin -101"})
        EXPECT_EQ(runCalc(bad).status, 2) << bad;
}

TEST_F(BatchTest, OneJsonObjectPerFileAndTheWorstStatus) {
    const CalcRun r = runCalc("--json \"\" " + (dir_ / "nothing.tv4").string());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
}

TEST_F(BatchTest, TextReportNamesTheResults) {
    const CalcRun r = runCalc("--lang d");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Neutral point x: 116.5 mm"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Wing 5:"), std::string::npos);
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

// Results that cannot be written are no success: the disk is full.
TEST(BatchOutput, AnUnwritableOutputExitsWithTwo) {
    for (const char* format : {"", "--json"}) {
        const std::string cmd = std::string(TV_CALC_EXE) + " " + format + " >/dev/full 2>/dev/null";
        const int raw = std::system(cmd.c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2) << format;
    }
}
