#include "i18n/control_names.h"
#include "i18n/menu_bar.h"
#include "i18n/texts.h"
#include "utf8_check.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using tv::UiLanguage;
constexpr UiLanguage kAll[] = {UiLanguage::English, UiLanguage::German, UiLanguage::Spanish};

std::map<std::string, std::vector<std::string>> byName(const std::vector<tv::ControlText>& texts) {
    std::map<std::string, std::vector<std::string>> m;
    for (const auto& t : texts) m[t.objectName].push_back(t.text);
    return m;
}

std::string captionOf(const std::vector<tv::ControlText>& texts, const std::string& name) {
    for (const auto& t : texts)
        if (name == t.objectName) return t.text;
    ADD_FAILURE() << "no caption for " << name;
    return {};
}

// The controls whose captions the language switch sets, by objectName: per wing those of the
// window's name table that carry a caption, then the aircraft page's.
std::vector<std::string> expectedWindowNames() {
    std::vector<std::string> names;
    for (int w = 1; w <= 5; ++w) {
        const tv::WingControlNames& c = tv::kWingControlNames[w];
        for (const char* n : {c.spanCaption, c.areaCaption, c.meanChordCaption, c.centreCaption, c.aspectCaption,
                              c.anpCaption, c.tabSheet, c.copyButton, c.insertButton})
            names.push_back(n);
        for (int k = 1; k <= 4; ++k) names.push_back(c.trapezium[k]);
    }
    for (int n = 1; n <= 5; ++n) names.push_back(tv::kWingCountButtonNames[n]);
    for (const char* n : {"RadioButton15", "RadioButton16", "Label22", "Label23", "Label_w", "Button4", "CheckBoxA",
                          "Label_Press", "LscaleF", "Bscale1", tv::kAircraftTabSheetName, tv::kRemarksTabSheetName})
        names.push_back(n);
    return names;
}

// Every named row of the menu bar: separators have no name, every other row has one.
std::vector<std::string> expectedMenuNames() {
    std::vector<std::string> names;
    for (const tv::MenuEntry& e : tv::menuBarEntries()) {
        EXPECT_EQ(e.objectName == nullptr, e.row == tv::MenuRow::Separator);
        if (e.objectName) names.push_back(e.objectName);
    }
    return names;
}

void expectEachNameOnceWithCaption(const std::vector<tv::ControlText>& texts,
                                   const std::vector<std::string>& names, const char* lang) {
    const auto m = byName(texts);
    EXPECT_EQ(m.size(), texts.size()) << lang << ": an objectName occurs twice";
    EXPECT_EQ(m.size(), names.size()) << lang;
    for (const std::string& n : names) {
        auto it = m.find(n);
        ASSERT_NE(it, m.end()) << lang << " lacks " << n;
        ASSERT_EQ(it->second.size(), 1u) << lang << " " << n;
        EXPECT_FALSE(it->second[0].empty()) << lang << " " << n;
        EXPECT_TRUE(isValidUtf8(it->second[0])) << lang << " " << n;
    }
}

TEST(WindowTexts, EveryControlOnceWithCaptionInEveryLanguage) {
    const char* label[] = {"English", "German", "Spanish"};
    for (int i = 0; i < 3; ++i) {
        expectEachNameOnceWithCaption(tv::windowTexts(kAll[i]), expectedWindowNames(), label[i]);
        expectEachNameOnceWithCaption(tv::menuTexts(kAll[i]), expectedMenuNames(), label[i]);
    }
}

TEST(WindowTexts, TabSheetNamesAreDistinct) {
    std::map<std::string, int> seen;
    for (int w = 1; w <= 5; ++w) ++seen[tv::kWingTabSheetNames[w]];
    ++seen[tv::kAircraftTabSheetName];
    ++seen[tv::kRemarksTabSheetName];
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_STREQ(tv::kAircraftTabSheetName, "TabSheet5");
}

struct CaptionRow {
    UiLanguage lang;
    const char* objectName;
    const char* expected;
};

TEST(WindowTexts, CaptionsKeepTheirBlanks) {
    const CaptionRow rows[] = {
        {UiLanguage::English, "Label_w", "- calculation is running -"},
        {UiLanguage::German, "Label_w", "  - Berechnung läuft - "},
        {UiLanguage::Spanish, "TabSheet5", " avión "},
        {UiLanguage::English, tv::kWingTabSheetNames[1], "  Wing 1 "},
        {UiLanguage::German, tv::kWingTabSheetNames[5], " Flügel 5 "},
        {UiLanguage::English, "Button_C2", " copy wing 2 "},
        {UiLanguage::German, "Button_C4", "Flügel 4 kopieren"},
        {UiLanguage::Spanish, "RadioButton1", " 1 ala"},
        {UiLanguage::Spanish, "RB_W5", " 5 alas"},
        {UiLanguage::English, "RadioButton_5t4", "4 trapeziums"},
        // Wing 4's Spanish aspect-ratio label has a round bracket, the others a square one.
        {UiLanguage::Spanish, "Label34", "proporción de aspecto (lam):"},
        {UiLanguage::Spanish, "Label46", "proporción de aspecto [lam):"},
        {UiLanguage::German, "Label3", "Bezugstiefe (lµ):"},
    };
    for (const CaptionRow& r : rows)
        EXPECT_EQ(captionOf(tv::windowTexts(r.lang), r.objectName), r.expected) << r.objectName;
}

TEST(MenuTexts, CaptionsKeepTheirBlanks) {
    const CaptionRow rows[] = {
        {UiLanguage::Spanish, "wing21", " ala-2 "},
        {UiLanguage::English, "chng4", "Exchange Wing 3<->4"},
        {UiLanguage::German, "chng2", "Tausche Flügel 1<->3"},
        // The language menu carries the other language's word.
        {UiLanguage::English, "Langu1", "Sprache"},
        {UiLanguage::German, "Langu1", "Language"},
        {UiLanguage::Spanish, "Info1", "información"},
        {UiLanguage::German, "SpanLoading1", "Auftriebsverteilung"},
        {UiLanguage::Spanish, "Recent1", "Proyectos recientes"},
    };
    for (const CaptionRow& r : rows)
        EXPECT_EQ(captionOf(tv::menuTexts(r.lang), r.objectName), r.expected) << r.objectName;
}

TEST(MenuTexts, LanguageItemsAreTheSameInEveryLanguage) {
    for (UiLanguage lang : kAll) {
        const auto menu = tv::menuTexts(lang);
        EXPECT_EQ(captionOf(menu, "german1"), "deutsch");
        EXPECT_EQ(captionOf(menu, "english1"), "english");
        EXPECT_EQ(captionOf(menu, "spain1"), "español");
    }
}

} // namespace
