#pragma once
// Scaling of the whole aircraft by one factor: the 80 fields in the order they are rewritten,
// and the text a field gets.
#include "model/aircraft.h"

#include <array>
#include <string>
#include <string_view>

struct ScaledField {
    int wing;           // 1..5
    tv::WingField field;
};

/// The 80 fields: PositionX of wings 1..5, PositionZ of wings 1..5, then per wing its 14 planform
/// fields: root offset, spans 1..3, chords 1..4, x offsets 2..4, chord 5, x offset 5, span 4.
const std::array<ScaledField, 80>& scalingOrder();

/// The field's integer (lenient parse, sign kept) times the factor, rounded half to even,
/// written as a plain decimal integer. Results beyond the 32-bit range saturate.
std::string scaledFieldText(std::string_view text, double factor);
