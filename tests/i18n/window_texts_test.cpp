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

// The controls whose captions the language switch sets, by objectName.
std::vector<std::string> expectedWindowNames() {
    std::vector<std::string> names = {
        "Label1", "Label6", "Label16", "Label31", "Label43",  // span
        "Label2", "Label7", "Label17", "Label32", "Label44",  // area
        "Label3", "Label8", "Label18", "Label33", "Label45",  // mean chord
        "Label4", "Label9", "Label19", "Label35", "Label47",  // geometric centre
        "Label5", "Label10", "Label20", "Label34", "Label46", // aspect ratio
        "Label25", "Label26", "Label27", "Label36", "Label48", // aerodynamic centre
        "RadioButton4", "RadioButton5", "RadioButton6", "RadioButton41t",
        "RadioButton7", "RadioButton8", "RadioButton9", "RadioButton42t",
        "RadioButton10", "RadioButton11", "RadioButton12", "RadioButton43t",
        "RadioButton_4t1", "RadioButton_4t2", "RadioButton_4t3", "RadioButton_4t4",
        "RadioButton_5t1", "RadioButton_5t2", "RadioButton_5t3", "RadioButton_5t4",
        "RadioButton1", "RadioButton2", "RadioButton3", "RB_W4", "RB_W5",
        "RadioButton15", "RadioButton16", "Label22", "Label23", "Label_w", "Button4",
        "CheckBoxA", "Label_Press", "LscaleF", "Bscale1", tv::kAircraftTabSheetName,
        tv::kRemarksTabSheetName};
    for (int w = 1; w <= 5; ++w) {
        names.push_back(tv::kWingTabSheetNames[w]);
        names.push_back("Button_C" + std::to_string(w));
        names.push_back("Button_P" + std::to_string(w));
    }
    return names;
}

std::vector<std::string> expectedMenuNames() {
    return {"Open1", "Open2", "Save2", "Save3", "Print1", "ExportPdf1", "Exit1", "EEdit1", "wing11", "wing21",
            "wing31", "aircraft1", "CopyWing1", "InsertCopiedWing1", "chng1", "chng2", "chng3",
            "chng4", "chng5", "Mscale1", "Langu1", "Info1", "german1", "english1", "spain1"};
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
