#pragma once
// Internal to the text tables: one text in its three languages and small composition helpers.
#include "i18n/texts.h"

#include <string>

namespace tv::i18n_detail {

/// One text in English, German and Spanish (the order of the columns of every table here).
struct Tri {
    const char* en;
    const char* de;
    const char* es;
};

inline const char* choose(UiLanguage lang, const Tri& t) { return pick(lang, t.en, t.de, t.es); }

/// A text that carries a number: prefix + number + suffix, each piece per language.
struct NumberedTri {
    Tri prefix;
    Tri suffix;
};

inline std::string numbered(UiLanguage lang, const NumberedTri& t, int n) {
    return choose(lang, t.prefix) + std::to_string(n) + choose(lang, t.suffix);
}

/// The number right-aligned in a field of at least `width` characters (a longer one is written whole).
std::string rightAligned(int n, std::size_t width);

} // namespace tv::i18n_detail
