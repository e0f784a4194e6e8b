#include "files/encoding.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using tv::cp1252ToUtf8;
using tv::utf8ToCp1252;
using tv::unrepresentableCharacters;

TEST(Encoding, KnownCharactersConvertBothWays) {
    struct Row { const char* utf8; const char* cp1252; };
    const Row rows[] = {
        {"abc <x> 123", "abc <x> 123"},
        {"µ", "\xB5"}, {"ä", "\xE4"}, {"ñ", "\xF1"}, {"²", "\xB2"},
        {"€", "\x80"}, {"Ÿ", "\x9F"}, {"ÿ", "\xFF"},
        {"Flügel µm España", "Fl\xFCgel \xB5m Espa\xF1" "a"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(utf8ToCp1252(r.utf8), r.cp1252) << r.utf8;
        EXPECT_EQ(cp1252ToUtf8(r.cp1252), r.utf8) << r.utf8;
    }
}

TEST(Encoding, UnrepresentableAndMalformedTextBecomesOneQuestionMarkEach) {
    EXPECT_EQ(utf8ToCp1252("a→b"), "a?b");
    EXPECT_EQ(utf8ToCp1252("飛行機"), "???");
    EXPECT_EQ(utf8ToCp1252("x😀y"), "x?y");
    EXPECT_EQ(utf8ToCp1252("a\xFF" "b"), "a?b");        // not UTF-8 at all
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");             // cut-off sequence at the end
    EXPECT_EQ(utf8ToCp1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Encoding, CharactersThatWouldBecomeQuestionMarksAreListedOnce) {
    const struct {
        const char* text;
        std::vector<std::string> listed;
    } rows[] = {
        {"plain ASCII, äñµ€ and ?", {}},
        {"a→b→c", {"→"}},
        {"中 x 😀 中 → ≠", {"中", "😀", "→", "≠"}},
    };
    for (const auto& row : rows) EXPECT_EQ(unrepresentableCharacters(row.text), row.listed) << row.text;
}

TEST(Encoding, EveryByteReadsAsValidUtf8AndWritesBackUnchanged) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_EQ(utf8ToCp1252(utf8), all);
    // The undefined bytes become C1 controls, which are valid UTF-8.
    EXPECT_EQ(cp1252ToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");
}

} // namespace
