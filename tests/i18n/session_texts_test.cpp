// The names of undo steps and the texts of New, the recent projects and the status line.
#include "i18n/session_texts.h"
#include "utf8_check.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using tv::EditKind;
using tv::UiLanguage;
constexpr UiLanguage kAll[] = {UiLanguage::English, UiLanguage::German, UiLanguage::Spanish};

// Every step the window records, each field of one wing included.
std::vector<tv::EditStep> everyStep() {
    std::vector<tv::EditStep> steps;
    for (int f = 0; f < 16; ++f) steps.push_back({EditKind::Field, 2, f});
    for (EditKind k : {EditKind::TrapeziumCount, EditKind::WingCount, EditKind::MouseEdit, EditKind::Scaling,
                       EditKind::InsertWing, EditKind::ExchangeWings, EditKind::Remarks, EditKind::HeightSeparation,
                       EditKind::Balance})
        steps.push_back({k, 2, 3});
    return steps;
}

TEST(SessionTexts, EveryUndoStepHasItsOwnNameInEveryLanguage) {
    for (UiLanguage lang : kAll) {
        std::set<std::string> names;
        for (const tv::EditStep& step : everyStep()) {
            const std::string undo = tv::undoText(lang, &step);
            EXPECT_TRUE(isValidUtf8(undo)) << undo;
            EXPECT_GT(undo.size(), tv::undoText(lang, nullptr).size() + 1) << undo;
            EXPECT_TRUE(names.insert(tv::editStepName(lang, step)).second) << "named twice: " << undo;
        }
    }
}

TEST(SessionTexts, StartingAircraftAndMenusAreNamedInEveryLanguage) {
    for (UiLanguage lang : kAll) {
        std::set<std::string> names;
        for (int i = 0; i < tv::kStartingAircraftCount; ++i) {
            const tv::StartingAircraftText t = tv::startingAircraftText(lang, i);
            EXPECT_TRUE(isValidUtf8(t.name) && isValidUtf8(t.description));
            EXPECT_FALSE(t.description.empty());
            EXPECT_TRUE(names.insert(t.name).second) << t.name;
        }
        // Each shorter pointer form keeps the figures and is shorter than the one before.
        const std::vector<std::string> forms = tv::pointerPositionForms(lang, -12, 3);
        ASSERT_EQ(forms.size(), 3u);
        EXPECT_EQ(forms.front(), tv::pointerPositionText(lang, -12, 3));
        for (std::size_t i = 0; i < forms.size(); ++i) {
            EXPECT_TRUE(isValidUtf8(forms[i]));
            EXPECT_EQ(forms[i].rfind("x -12 mm, y 3 mm", 0), 0u) << forms[i];
            if (i > 0) EXPECT_LT(forms[i].size(), forms[i - 1].size());
        }
        EXPECT_NE(tv::recentProjectMissingText(lang, "/a/b.tv4").find("/a/b.tv4"), std::string::npos);
        EXPECT_NE(tv::startingAircraftMissingText(lang, "c.tv4").find("c.tv4"), std::string::npos);
    }
}

} // namespace
