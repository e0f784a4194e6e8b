// The live worker under short memory (injected through the memory probe): the refusal comes back
// as the result's lines, as F5 shows them, and the worker goes on.
#include "app/calculation/live_calculation.h"

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

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

} // namespace
