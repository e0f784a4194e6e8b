// The live worker under short memory (injected through the memory probe): the refusal comes back
// as the result's lines, as F5 shows them, and the worker goes on.
#include "app/calculation/live_calculation.h"

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <fstream>
#include <future>
#include <optional>
#include <thread>
#include <vector>

namespace {

struct ProbeRestorer {
    ~ProbeRestorer() { tv::setMemoryProbe(nullptr); }
};

std::shared_ptr<LiveResult> calculateLive(tv::UiLanguage lang) {
    std::shared_ptr<LiveResult> got;
    LiveCalculation live([&](std::shared_ptr<LiveResult> r) { got = std::move(r); });
    live.request(tv::defaultAircraftTexts(), lang);
    QElapsedTimer t;
    t.start();
    while (!got && t.elapsed() < 60000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return got;
}

TEST(LiveCalculation, ARefusedMemoryProbeGivesTheRefusalLines) {
    const ProbeRestorer restore;
    const struct Row {
        const char* what;
        std::function<bool(std::size_t)> probe;
        std::size_t lineBytes;
    } rows[] = {
        {"no workspace", [](std::size_t) { return false; }, tv::kWorkspaceBytes},
        {"no room for the lattice", [](std::size_t b) { return b == tv::kWorkspaceBytes; }, 0},
    };
    for (const Row& r : rows) {
        tv::setMemoryProbe(r.probe);
        const auto got = calculateLive(tv::UiLanguage::Spanish);
        ASSERT_TRUE(got) << r.what;
        EXPECT_TRUE(got->refused) << r.what;
        ASSERT_EQ(got->messages.size(), 1u) << r.what;
        EXPECT_EQ(got->messages[0].rfind("No hay memoria suficiente", 0), 0u) << got->messages[0];
        if (r.lineBytes) EXPECT_EQ(got->messages[0], tv::notEnoughMemoryLine(tv::UiLanguage::Spanish, r.lineBytes));
    }
    tv::setMemoryProbe(nullptr);
    const auto got = calculateLive(tv::UiLanguage::English);
    ASSERT_TRUE(got);
    EXPECT_FALSE(got->refused);
    EXPECT_TRUE(got->messages.empty());
}

std::size_t addressSpaceNow() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmSize:", 0) == 0) return std::stoull(line.substr(7)) << 10;
    return 0;
}

// A thread that could not be started (no room for its stack under an address-space limit) left
// the worker busy for ever: the live figures never came and nothing said why.
TEST(LiveCalculation, AThreadThatCannotStartIsARefusalNamingTheAmount) {
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &before), 0);

    // Threads that ended leave their stacks cached for the next ones: these take them first.
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::vector<std::thread> holders;
    for (int i = 0; i < 8; ++i) holders.emplace_back([released] { released.wait(); });
    std::shared_ptr<LiveResult> got;
    std::optional<LiveCalculation> live;
    const std::size_t now = addressSpaceNow();
    ASSERT_GT(now, 0u);
    rlimit tight = before;
    tight.rlim_cur = now + (4u << 20); // less than the thread's stack
    ASSERT_EQ(setrlimit(RLIMIT_AS, &tight), 0);
    live.emplace([&](std::shared_ptr<LiveResult> r) { got = std::move(r); });
    live->request(tv::defaultAircraftTexts(), tv::UiLanguage::English);
    ASSERT_EQ(setrlimit(RLIMIT_AS, &before), 0);
    release.set_value();
    for (std::thread& h : holders) h.join();
    QElapsedTimer t;
    t.start();
    while (!got && t.elapsed() < 60000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(got);
    EXPECT_TRUE(got->refused);
    EXPECT_EQ(got->messages, std::vector<std::string>{tv::notEnoughMemoryLine(tv::UiLanguage::English, kLiveStackBytes)});
    EXPECT_FALSE(live->busy());

    got.reset(); // with the memory back, the next request starts the thread and calculates
    live->request(tv::defaultAircraftTexts(), tv::UiLanguage::English);
    while (!got && t.elapsed() < 60000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(got);
    EXPECT_FALSE(got->refused);
}

} // namespace
