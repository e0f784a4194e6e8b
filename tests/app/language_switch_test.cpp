// A language chosen reaches the texts that the caption tables do not carry: the span loading
// window's title, where lengths along x are measured from, the undo caption and the margin label.
#include "window_fixture.h"

#include "app/span_loading_window.h"

#include "i18n/export_texts.h"
#include "i18n/session_texts.h"
#include "stability/stability.h"

#include <QAction>

#include <functional>

TEST_F(WindowTest, TheChosenLanguageReachesTheTextsBesideTheCaptionTables) {
    TForm1& f = make();
    setText("Edit4", "336"); // an edit to undo
    f.Button4Click();
    ASSERT_TRUE(f.neutralPointKnown());
    struct Row {
        const char* name;
        std::function<QString()> shown;
        std::function<std::string(tv::UiLanguage)> expected;
    };
    const Row rows[] = {
        {"span loading title", [&] { return f.spanLoadingWindow()->windowTitle(); },
         [](tv::UiLanguage l) { return std::string(tv::spanLoadingTexts(l).title); }},
        {"aircraft view", [&] { return get("Image2")->toolTip(); }, [](tv::UiLanguage l) { return tv::xOriginNote(l, 1); }},
        {"wing 3", [&] { return get("Label_anp3")->toolTip(); }, [](tv::UiLanguage l) { return tv::xOriginNote(l, 3); }},
        {"undo", [&] { return get<QAction>("Undo1")->text(); },
         [&](tv::UiLanguage l) { return tv::undoText(l, f.history().undoStep()); }},
        {"margin", [&] { return text("Label21"); },
         [&](tv::UiLanguage l) { return tv::marginLabelText(l, f.reference().NeutralPointX, f.stabilityNumbers()); }},
    };
    const std::pair<const char*, tv::UiLanguage> languages[] = {
        {"german1", tv::UiLanguage::German}, {"spain1", tv::UiLanguage::Spanish}, {"english1", tv::UiLanguage::English}};
    for (const auto& [item, lang] : languages) {
        trigger(item);
        ASSERT_EQ(f.uiLanguage(), lang);
        for (const Row& r : rows) EXPECT_EQ(r.shown().toStdString(), r.expected(lang)) << item << ": " << r.name;
    }
}
