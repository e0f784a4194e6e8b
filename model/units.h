#pragma once
// The units figures are shown and typed in. The model, the files, undo and the solver keep whole
// millimetres, grams and mm²; this is the one table that converts between them and the units the
// designer chose. Every unit has a stable ASCII key ("in", "ft2", "oz/ft2") for files and options;
// what is written after a shown figure comes from i18n/unit_texts.h in the window's language.
#include "i18n/texts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tv {

enum class Quantity { Length, Area, Mass, WingLoading, CubicLoading, Speed };
inline constexpr int kQuantityCount = 6;

/// Every unit of every quantity. The base units the core computes in are mm, mm², g, g/dm², g/dm³
/// and m/s; the first unit of each quantity is its metric default.
enum class Unit {
    Millimetre, Centimetre, Inch,
    SquareDecimetre, SquareCentimetre, SquareInch, SquareFoot,
    Gram, Kilogram, Ounce,
    GramPerDm2, OuncePerFt2,
    GramPerDm3, OuncePerFt3,
    MetrePerSecond, KilometrePerHour, MilePerHour
};

Quantity quantityOf(Unit u);
/// The stable ASCII key: "mm", "cm", "in", "dm2", "cm2", "in2", "ft2", "g", "kg", "oz", "g/dm2",
/// "oz/ft2", "g/dm3", "oz/ft3", "m/s", "km/h", "mph".
const char* unitKey(Unit u);
/// The unit of that key, nothing for any other text.
std::optional<Unit> unitFromKey(std::string_view key);
/// Base units in one of this unit (25.4 for the inch: mm per inch; 10000 for dm²: mm² per dm²).
double basePerUnit(Unit u);

/// A base value (mm, mm², g, g/dm², g/dm³, m/s) in unit u, and back.
double fromBase(double base, Unit u);
double toBase(double value, Unit u);

/// Decimals a figure needs in unit u to be at least as fine as with `baseDecimals` in the metric
/// default: +1 for cm, +2 for inches (0.001 in is finer than 0.1 mm), −2 for cm², never below 0.
int decimalsIn(Unit u, int baseDecimals);

/// The units chosen for each quantity.
struct DisplayUnits {
    Unit length = Unit::Millimetre;
    Unit area = Unit::SquareDecimetre;
    Unit mass = Unit::Gram;
    Unit wingLoading = Unit::GramPerDm2;
    Unit cubicLoading = Unit::GramPerDm3;
    Unit speed = Unit::MetrePerSecond;

    Unit of(Quantity q) const;
    /// Puts u in the place of its own quantity.
    void set(Unit u);
    bool operator==(const DisplayUnits&) const = default;
};

/// mm, dm², g, g/dm², g/dm³, m/s: everything as the program has always shown it.
inline constexpr DisplayUnits kMetricUnits{};
/// in, in², oz, oz/ft², oz/ft³, mph.
inline constexpr DisplayUnits kImperialUnits{Unit::Inch,        Unit::SquareInch,  Unit::Ounce,
                                             Unit::OuncePerFt2, Unit::OuncePerFt3, Unit::MilePerHour};

/// "metric", "imperial", or a comma-separated list starting with either or with unit keys that
/// change one quantity each ("imperial,g", "metric,in,mph"): nothing when an item is unknown.
std::optional<DisplayUnits> parseUnitsChoice(std::string_view text);

/// The symbol written after a figure in `lang` ("in", German "in", Spanish "pulg").
std::string unitSymbol(UiLanguage lang, Unit u);

/// A base value as a figure in unit u: `baseDecimals` are the decimals of the metric default,
/// decimalsIn gives those of u; "12.5 mm", "0.492 in", "8.19 oz/ft²".
std::string measureText(UiLanguage lang, double base, Unit u, int baseDecimals);
/// A value given in unit `from` as a figure in `to`; when the two are the same the value is written
/// as it is (no round trip through the base unit), so metric figures stay exactly as before.
std::string measureText(UiLanguage lang, double value, Unit from, Unit to, int decimals);

// ---- Length fields -------------------------------------------------------------------------

/// A stored whole-millimetre value as a length field shows it in unit u: mm as an integer ("318"),
/// cm with 1 decimal ("31.8"), inches with 3 ("12.520"), so that reading the text back
/// (readLengthField) gives the same millimetre for every value.
std::string lengthFieldText(int64_t mm, Unit u);

/// What a typed length gives: a whole number of millimetres, or a refusal that gives the field's
/// limit in the chosen unit ("the value lies beyond the limit of ±39370.079 in").
struct LengthReading {
    bool ok = true;
    int64_t mm = 0;
    std::string refusal; // when refused, in the language asked for
};

/// Reads a typed length into the nearest whole millimetre (exact halves to even).
/// A number with a unit after it ("12.5in", "318 mm", "12.5\"", "2 ft", "31.8 cm") is read in
/// that unit whatever `chosen` is. Any other text keeps the field's lenient reading in `chosen`:
/// in mm exactly parseLenientInt (never refused here: the calculation checks its limits), in cm
/// and inches parseReal ("12,5" -> 12, "abc" -> 0).
/// A converted value beyond ±limitMm is refused, the limit written in `chosen` and `lang`.
LengthReading readLengthField(std::string_view text, Unit chosen, int64_t limitMm,
                              UiLanguage lang = UiLanguage::English);

/// A number with an optional unit after it as a strict entry (the balance table's masses, a
/// target speed): the whole text must be a number (parseStrictReal) in `chosen`, or a number
/// followed by a unit of the same quantity as `chosen`; the value in base units, nothing otherwise.
std::optional<double> readEntry(std::string_view text, Unit chosen);

} // namespace tv
