#include "i18n/texts.h"
#include "utf8_check.h"

#include <gtest/gtest.h>

namespace {

using tv::UiLanguage;
constexpr UiLanguage kAll[] = {UiLanguage::English, UiLanguage::German, UiLanguage::Spanish};

TEST(Language, PickChoosesEnglishThenGermanThenSpanish) {
    EXPECT_STREQ(tv::pick(UiLanguage::English, "e", "d", "s"), "e");
    EXPECT_STREQ(tv::pick(UiLanguage::German, "e", "d", "s"), "d");
    EXPECT_STREQ(tv::pick(UiLanguage::Spanish, "e", "d", "s"), "s");
}

TEST(Language, LetterRoundTripAndUnknownLettersGiveSpanish) {
    for (UiLanguage lang : kAll) EXPECT_EQ(tv::languageFromLetter(tv::languageLetter(lang)), lang);
    EXPECT_EQ(tv::languageLetter(UiLanguage::English), 'e');
    EXPECT_EQ(tv::languageLetter(UiLanguage::German), 'd');
    EXPECT_EQ(tv::languageLetter(UiLanguage::Spanish), 's');
    // Only the lower-case letters select English or German.
    for (char c : {'s', 'E', 'D', 'x', ' ', '\0', '\xff'})
        EXPECT_EQ(tv::languageFromLetter(c), UiLanguage::Spanish) << int(c);
}

TEST(Utf8Check, RejectsBrokenSequences) {
    EXPECT_TRUE(isValidUtf8("Flügel µ ñ ¡"));
    EXPECT_FALSE(isValidUtf8("\xb5"));          // a lone Windows-1252 micro sign
    EXPECT_FALSE(isValidUtf8("Fl\xc3"));        // truncated at the end
    EXPECT_FALSE(isValidUtf8("\xc0\xaf"));      // overlong
    EXPECT_FALSE(isValidUtf8("\xed\xa0\x80"));  // surrogate
}

// ---- Message catalogue: texts whose blanks are significant ------------------------------------

struct CatalogueRow {
    const char* name;
    UiLanguage lang;
    std::string tv::MessageCatalogue::*entry;
    const char* expected;
};

TEST(MessageCatalogue, TextsKeepTheirBlanks) {
    using C = tv::MessageCatalogue;
    const CatalogueRow rows[] = {
        {"gap question 1 en", UiLanguage::English, &C::TxtGapQuestion1, "Are you sure this wing shall   "},
        {"gap question 2 es", UiLanguage::Spanish, &C::TxtGapQuestion2, "ala tenga un hueco en el medio?   "},
        {"error header es", UiLanguage::Spanish, &C::TxtErrorHeader, "punto flaco"},
        {"flight direction de", UiLanguage::German, &C::TxtFlightDirection, " Flugrichtung              "},
        {"flight direction es", UiLanguage::Spanish, &C::TxtFlightDirection, "dirección de vuelo"},
        {"trap fail 3 en", UiLanguage::English, &C::TxtTrapFail3, " "},
        {"trap fail 3 de", UiLanguage::German, &C::TxtTrapFail3, " nicht berechnen."},
        {"trap fail 2 es", UiLanguage::Spanish, &C::TxtTrapFail2, " el trapecio "},
    };
    for (const CatalogueRow& r : rows)
        EXPECT_EQ(tv::messageCatalogue(r.lang).*r.entry, r.expected) << r.name;
}

TEST(MessageCatalogue, DrawnCaptionsDifferFromTheCatalogueWhereTheyShould) {
    EXPECT_EQ(tv::thumbnailCaption(UiLanguage::Spanish, 2), "  ala-2   ");
    EXPECT_EQ(tv::messageCatalogue(UiLanguage::Spanish).TxtWingCaption[2], " ala-2  ");
    EXPECT_NE(tv::thumbnailCaption(UiLanguage::Spanish, 2),
              tv::messageCatalogue(UiLanguage::Spanish).TxtWingCaption[2]);
    for (UiLanguage lang : {UiLanguage::English, UiLanguage::German})
        for (int w = 1; w <= 5; ++w)
            EXPECT_EQ(tv::thumbnailCaption(lang, w), tv::messageCatalogue(lang).TxtWingCaption[w]);
    EXPECT_EQ(tv::aircraftViewFlightDirection(UiLanguage::English), "flight direction        ");
    EXPECT_EQ(tv::aircraftViewFlightDirection(UiLanguage::Spanish), "dirección de vuelo  ");
    EXPECT_EQ(tv::messageCatalogue(UiLanguage::English).TxtFlightDirection, " flight direction           ");
}

TEST(MessageCatalogue, EveryEntryIsValidUtf8AndMicroSignIsTwoBytes) {
    for (UiLanguage lang : kAll) {
        const tv::MessageCatalogue& c = tv::messageCatalogue(lang);
        for (const std::string* s : {&c.TxtGapQuestion1, &c.TxtGapQuestion2, &c.TxtErrorHeader,
                                     &c.TxtFlightDirection, &c.TxtRemarksPrompt, &c.TxtTrapFail1,
                                     &c.TxtTrapFail2, &c.TxtTrapFail3, &c.TxtTrapAdvice, &c.TxtWingAdvice})
            EXPECT_TRUE(!s->empty() && isValidUtf8(*s)) << *s;
        for (int w = 1; w <= 5; ++w) {
            EXPECT_TRUE(isValidUtf8(c.TxtWingCaption[w]));
            EXPECT_TRUE(isValidUtf8(c.TxtWingFail[w]));
        }
    }
    EXPECT_EQ(std::string(tv::stabilityTexts(UiLanguage::English).referenceLengthPrefix),
              "Reference length (l\xc2\xb5): ");
}

// ---- Failure lines ------------------------------------------------------------------------------

TEST(FailureLines, TrapeziumNumbersAreRightAlignedInTwo) {
    const auto en = tv::trapeziumFailureLines(UiLanguage::English, 1, 2);
    ASSERT_EQ(en.size(), 2u);
    EXPECT_EQ(en[0], "Can not calculate Wing  1 / Trapezium  2 ");
    EXPECT_EQ(en[1], "Please change this trapezium (more chord length at tip)!");
    EXPECT_EQ(tv::trapeziumFailureLines(UiLanguage::German, 3, 4)[0], "Kann Flügel  3 / Trapez  4 nicht berechnen.");
    EXPECT_EQ(tv::trapeziumFailureLines(UiLanguage::Spanish, 5, 1)[0],
              "No se puede calcular ala  5 el trapecio  1 ");
    // Wider numbers are written whole, not cut.
    EXPECT_EQ(tv::trapeziumFailureLines(UiLanguage::English, 12, 123)[0],
              "Can not calculate Wing 12 / Trapezium 123 ");
    EXPECT_EQ(tv::trapeziumFailureLines(UiLanguage::English, -1, 0)[0],
              "Can not calculate Wing -1 / Trapezium  0 ");
}

TEST(FailureLines, WingFailureIsCatalogueLineThenAdvice) {
    EXPECT_EQ(tv::wingFailureLines(UiLanguage::English, 4)[0], "Can not calculate wing-4. ");
    for (UiLanguage lang : kAll)
        for (int w = 1; w <= 5; ++w) {
            const auto lines = tv::wingFailureLines(lang, w);
            ASSERT_EQ(lines.size(), 2u);
            EXPECT_EQ(lines[0], tv::messageCatalogue(lang).TxtWingFail[w]);
            EXPECT_EQ(lines[1], tv::messageCatalogue(lang).TxtWingAdvice);
        }
    // Numbers outside the catalogue are composed, never read beyond it.
    EXPECT_EQ(tv::wingFailureLines(UiLanguage::English, 0)[0], "Can not calculate wing-0. ");
    EXPECT_EQ(tv::wingFailureLines(UiLanguage::German, 6)[0], "Kann Flügel-6 nicht berechnen.");
}

TEST(FailureLines, ZSeparationNoticeIsHeaderThenNotice) {
    const auto es = tv::zSeparationNotice(UiLanguage::Spanish);
    ASSERT_EQ(es.size(), 2u);
    EXPECT_EQ(es[0], "Ojo! ");
    EXPECT_EQ(es[1], "Atención: ¡Las alas se movieron automáticamente en dirección Z!");
    EXPECT_EQ(tv::zSeparationNotice(UiLanguage::German)[1], "Flügel wurden automatisch in z-Richtung verschoben!");
}

TEST(FailureLines, StripTrimRetryFormsHaveNoLeadingBlanksInNumbers) {
    struct Row {
        UiLanguage lang;
        bool failed;
        const char* expected;
    } rows[] = {
        {UiLanguage::English, true, "Error Wing1 Trapezium2"},
        {UiLanguage::English, false, "Error: Wing1 Trapezium2"},
        {UiLanguage::German, true, "Fehler: Flügel1 Trapez2"},
        {UiLanguage::German, false, "Fehler: Flügel 1 Trapez 2"},
        {UiLanguage::Spanish, true, "punto flaco 1 trapecio2"},
        {UiLanguage::Spanish, false, "punto flaco: ala 1 trapecio 2"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(tv::stripTrimRetryLine(r.lang, r.failed, 1, 2), r.expected) << r.expected;
}

// ---- Stability, report, about -----------------------------------------------------------------

TEST(StabilityTexts, TwoWayChoicesSplitAsDescribed) {
    const auto& en = tv::stabilityTexts(UiLanguage::English);
    const auto& de = tv::stabilityTexts(UiLanguage::German);
    const auto& es = tv::stabilityTexts(UiLanguage::Spanish);
    // Centre of gravity: German alone differs.
    EXPECT_STREQ(de.cgPrefix, "x_SP (");
    EXPECT_STREQ(en.cgPrefix, "x_CG (");
    EXPECT_STREQ(es.cgPrefix, en.cgPrefix);
    // Margin label: English alone differs.
    EXPECT_STREQ(en.marginLabelPrefix, "%  AC-CG= ");
    EXPECT_STREQ(de.marginLabelPrefix, "%  NP-SP= ");
    EXPECT_STREQ(es.marginLabelPrefix, de.marginLabelPrefix);
    EXPECT_STREQ(de.neutralPointPrefix, "x_NP: ");
    EXPECT_STREQ(es.neutralPointPrefix, "x_PN: ");
    for (const auto* t : {&en, &de, &es}) {
        EXPECT_STREQ(t->referenceAreaSuffix, "dm^2 ");
        EXPECT_STREQ(t->referenceLengthSuffix, "mm ");
    }
}

TEST(ReportTexts, LabelsKeepTheirBlanks) {
    const auto& en = tv::reportTexts(UiLanguage::English);
    const auto& de = tv::reportTexts(UiLanguage::German);
    const auto& es = tv::reportTexts(UiLanguage::Spanish);
    EXPECT_STREQ(en.recommendedLow, "recomemnded center of gravity by stab =  ");
    EXPECT_STREQ(de.aerodynamicCenter, "Neutralpunkt:        ");
    EXPECT_STREQ(de.meanChord, "Bezugstiefe:       ");
    EXPECT_STREQ(es.wingHeading[2], "ala-2: ");
    EXPECT_STREQ(es.wingHeading[3], "ala-3:");
}

TEST(AboutTexts, PurposeLinesExactAndAddressesSharedByAllLanguages) {
    EXPECT_STREQ(tv::aboutTexts(UiLanguage::English).purpose1, "   Tarvolin calculates the aerodynamic center   ");
    EXPECT_STREQ(tv::aboutTexts(UiLanguage::German).purpose2, "Flugzeugs und schlägt einen günstigen ");
    EXPECT_STREQ(tv::aboutTexts(UiLanguage::Spanish).purpose3, "para el centro de gravedad. ");
    const auto& en = tv::aboutTexts(UiLanguage::English);
    for (UiLanguage lang : kAll) {
        const auto& t = tv::aboutTexts(lang);
        EXPECT_STREQ(t.mailIdea, en.mailIdea);
        EXPECT_STREQ(t.mailRealisation, en.mailRealisation);
        EXPECT_STREQ(t.webAddress, en.webAddress);
        for (const char* s : {t.purpose1, t.purpose2, t.purpose3, t.creditIdea, t.creditRealisation,
                              t.availability})
            EXPECT_TRUE(*s != '\0' && isValidUtf8(s)) << s;
    }
    EXPECT_STRNE(tv::aboutTexts(UiLanguage::German).availability, en.availability);
}

} // namespace

TEST(FileTexts, RowsLeftOutAgreeWithTheirCount) {
    struct Row {
        tv::UiLanguage lang;
        std::size_t leftOut;
        const char* expected;
    } rows[] = {
        {tv::UiLanguage::English, 1, "p: the weight table holds 30 rows; 1 was left out."},
        {tv::UiLanguage::English, 9970, "p: the weight table holds 30 rows; 9,970 were left out."},
        {tv::UiLanguage::German, 1, "p: die Gewichtstabelle fasst 30 Zeilen; 1 wurde weggelassen."},
        {tv::UiLanguage::Spanish, 1, "p: la tabla de pesos admite 30 filas; se omitió 1."},
        {tv::UiLanguage::Spanish, 2, "p: la tabla de pesos admite 30 filas; se omitieron 2."},
    };
    for (const Row& r : rows)
        EXPECT_EQ(tv::balanceRowsLeftOutText(r.lang, "p", 30, r.leftOut).rfind(r.expected, 0), 0u)
            << tv::balanceRowsLeftOutText(r.lang, "p", 30, r.leftOut);
}
