#include "model/units.h"

#include "i18n/unit_texts.h"
#include "model/numformat.h"
#include "model/parse.h"

#include <array>
#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace tv {
namespace {

struct UnitRow {
    Unit unit;
    Quantity quantity;
    const char* key;
    double basePerUnit;
    int fieldDecimals; // decimals of a length field: enough for an exact round trip of whole mm
    int extraDecimals; // decimals beyond the metric default's for a figure of the same fineness
};

constexpr double kOunce = 28.349523125;       // g, exact
constexpr double kSquareFoot = 9.290304;      // dm², exact
constexpr double kCubicFoot = 28.316846592;   // dm³, exact

constexpr std::array<UnitRow, 17> kUnits{{
    {Unit::Millimetre, Quantity::Length, "mm", 1.0, 0, 0},
    {Unit::Centimetre, Quantity::Length, "cm", 10.0, 1, 1},
    {Unit::Inch, Quantity::Length, "in", 25.4, 3, 2},
    {Unit::SquareDecimetre, Quantity::Area, "dm2", 10000.0, 0, 0},
    {Unit::SquareCentimetre, Quantity::Area, "cm2", 100.0, 0, -2},
    {Unit::SquareInch, Quantity::Area, "in2", 645.16, 0, -1},
    {Unit::SquareFoot, Quantity::Area, "ft2", 92903.04, 0, 1},
    {Unit::Gram, Quantity::Mass, "g", 1.0, 0, 0},
    {Unit::Kilogram, Quantity::Mass, "kg", 1000.0, 0, 3},
    {Unit::Ounce, Quantity::Mass, "oz", kOunce, 0, 2},
    {Unit::GramPerDm2, Quantity::WingLoading, "g/dm2", 1.0, 0, 0},
    {Unit::OuncePerFt2, Quantity::WingLoading, "oz/ft2", kOunce / kSquareFoot, 0, 1},
    {Unit::GramPerDm3, Quantity::CubicLoading, "g/dm3", 1.0, 0, 0},
    {Unit::OuncePerFt3, Quantity::CubicLoading, "oz/ft3", kOunce / kCubicFoot, 0, 0},
    {Unit::MetrePerSecond, Quantity::Speed, "m/s", 1.0, 0, 0},
    {Unit::KilometrePerHour, Quantity::Speed, "km/h", 1.0 / 3.6, 0, 0},
    {Unit::MilePerHour, Quantity::Speed, "mph", 0.44704, 0, 0},
}};

const UnitRow& row(Unit u) { return kUnits[static_cast<size_t>(u)]; }

/// A spelling a designer may type after a number, and what it stands for.
struct TypedUnit {
    const char* spelling; // lower case
    Quantity quantity;
    double basePerUnit;
};

// Spellings beyond the keys and the symbols of the three languages, and units that are only typed.
constexpr TypedUnit kTypedOnly[] = {
    {"\"", Quantity::Length, 25.4},         {"\xE2\x80\xB3", Quantity::Length, 25.4}, // ″
    {"inch", Quantity::Length, 25.4},       {"inches", Quantity::Length, 25.4},
    {"zoll", Quantity::Length, 25.4},       {"pulgada", Quantity::Length, 25.4},
    {"pulgadas", Quantity::Length, 25.4},   {"m", Quantity::Length, 1000.0},
    {"ft", Quantity::Length, 304.8},        {"kmh", Quantity::Speed, 1.0 / 3.6},
    {"lb", Quantity::Mass, 453.59237},
};

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string replaced(std::string s, std::string_view from, std::string_view to) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) s.replace(at, from.size(), to);
    return s;
}

/// The unit a typed spelling names: its key, "dm^2" or "dm²" for "dm2", any language's symbol.
std::optional<TypedUnit> typedUnit(std::string_view spelling) {
    const std::string s = lowerAscii(spelling);
    if (s.empty()) return std::nullopt;
    for (const TypedUnit& t : kTypedOnly)
        if (s == t.spelling) return t;
    for (const UnitRow& r : kUnits) {
        const TypedUnit t{r.key, r.quantity, r.basePerUnit};
        const std::string key = r.key;
        if (s == key || s == replaced(replaced(key, "2", "^2"), "3", "^3") ||
            s == replaced(replaced(key, "2", "\xC2\xB2"), "3", "\xC2\xB3"))
            return t;
        for (UiLanguage lang : {UiLanguage::English, UiLanguage::German, UiLanguage::Spanish})
            if (s == lowerAscii(unitWords(lang, key).symbol)) return t;
    }
    return std::nullopt;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

struct NumberWithUnit {
    double value;   // in the unit written
    TypedUnit unit;
};

/// "12.5in", " -3 mm ", "1e3 g": a decimal number, blanks allowed, then a unit it knows; nothing
/// for any other text.
std::optional<NumberWithUnit> numberWithUnit(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec == std::errc::invalid_argument) return std::nullopt;
    if (ec == std::errc::result_out_of_range) value = HUGE_VAL; // refused as beyond any limit
    const auto unit = typedUnit(trimmed(text.substr(static_cast<size_t>(end - text.data()))));
    if (!unit) return std::nullopt;
    return NumberWithUnit{negative ? -value : value, *unit};
}

} // namespace

Quantity quantityOf(Unit u) { return row(u).quantity; }
const char* unitKey(Unit u) { return row(u).key; }
double basePerUnit(Unit u) { return row(u).basePerUnit; }
double fromBase(double base, Unit u) { return base / row(u).basePerUnit; }
double toBase(double value, Unit u) { return value * row(u).basePerUnit; }
int decimalsIn(Unit u, int baseDecimals) { return std::max(0, baseDecimals + row(u).extraDecimals); }

std::optional<Unit> unitFromKey(std::string_view key) {
    for (const UnitRow& r : kUnits)
        if (key == r.key) return r.unit;
    return std::nullopt;
}

Unit DisplayUnits::of(Quantity q) const {
    switch (q) {
    case Quantity::Length: return length;
    case Quantity::Area: return area;
    case Quantity::Mass: return mass;
    case Quantity::WingLoading: return wingLoading;
    case Quantity::CubicLoading: return cubicLoading;
    case Quantity::Speed: return speed;
    }
    return length;
}

void DisplayUnits::set(Unit u) {
    switch (quantityOf(u)) {
    case Quantity::Length: length = u; break;
    case Quantity::Area: area = u; break;
    case Quantity::Mass: mass = u; break;
    case Quantity::WingLoading: wingLoading = u; break;
    case Quantity::CubicLoading: cubicLoading = u; break;
    case Quantity::Speed: speed = u; break;
    }
}

std::optional<DisplayUnits> parseUnitsChoice(std::string_view text) {
    DisplayUnits units;
    bool first = true;
    for (size_t start = 0; start <= text.size();) {
        const size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view item = trimmed(text.substr(start, comma - start));
        if (first && item == "metric") units = kMetricUnits;
        else if (first && item == "imperial") units = kImperialUnits;
        else if (const auto u = unitFromKey(item)) units.set(*u);
        else return std::nullopt;
        first = false;
        start = comma + 1;
    }
    return units;
}

std::string unitSymbol(UiLanguage lang, Unit u) {
    const char* symbol = unitWords(lang, unitKey(u)).symbol;
    return symbol ? symbol : unitKey(u);
}

std::string measureText(UiLanguage lang, double base, Unit u, int baseDecimals) {
    return formatFixed(fromBase(base, u), 0, decimalsIn(u, baseDecimals)) + " " + unitSymbol(lang, u);
}

std::string measureText(UiLanguage lang, double value, Unit from, Unit to, int decimals) {
    if (from == to) return formatFixed(value, 0, decimals) + " " + unitSymbol(lang, to);
    return measureText(lang, toBase(value, from), to, decimals);
}

std::string lengthFieldText(int64_t mm, Unit u) {
    if (row(u).fieldDecimals == 0 && row(u).basePerUnit == 1.0) return formatInt(mm);
    return formatFixed(fromBase(double(mm), u), 0, row(u).fieldDecimals);
}

namespace {

LengthReading withinLimit(double mm, Unit chosen, int64_t limitMm, UiLanguage lang) {
    const int64_t whole = std::isfinite(mm) ? roundHalfEven(mm) : INT64_MAX;
    if (whole != INT64_MIN && std::llabs(whole) <= limitMm) return {true, whole, {}};
    return {false, 0, std::string(beyondFieldLimitWords(lang)) + "±" + lengthFieldText(limitMm, chosen) + " " +
                          unitSymbol(lang, chosen)};
}

} // namespace

LengthReading readLengthField(std::string_view text, Unit chosen, int64_t limitMm, UiLanguage lang) {
    if (const auto typed = numberWithUnit(text); typed && typed->unit.quantity == Quantity::Length)
        return withinLimit(typed->value * typed->unit.basePerUnit, chosen, limitMm, lang);
    if (chosen == Unit::Millimetre) return {true, parseLenientInt(text), {}};
    return withinLimit(toBase(parseReal(text), chosen), chosen, limitMm, lang);
}

std::optional<double> readEntry(std::string_view text, Unit chosen) {
    if (const auto typed = numberWithUnit(text))
        return typed->unit.quantity == quantityOf(chosen) && std::isfinite(typed->value)
                   ? std::optional<double>(typed->value * typed->unit.basePerUnit)
                   : std::nullopt;
    const std::optional<double> v = parseStrictReal(text);
    if (!v) return std::nullopt;
    return toBase(*v, chosen);
}

} // namespace tv
