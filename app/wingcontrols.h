#pragma once
// Places of the per-wing controls of the main window; their names are the text tables'
// (tv::kWingControlNames), so the builder, the captions and the tests share one table.
#include "i18n/control_names.h"

/// Position of each of the 14 planform fields over the dimension diagram (design pixels, relative
/// to the diagram's top-left corner), indexed by tv::WingField (positions have none).
struct FieldPlace {
    int x, y;
};
inline constexpr FieldPlace kDiagramFieldPlace[14] = {
    {32, 24},  // RootOffset
    {80, 96},  // Chord1
    {192, 24}, // Span1
    {288, 112}, // Chord2
    {288, 37}, // XOffset2
    {384, 24}, // Span2
    {488, 120}, // Chord3
    {488, 40}, // XOffset3
    {552, 24}, // Span3
    {592, 136}, // Chord4
    {592, 64}, // XOffset4
    {632, 24}, // Span4
    {664, 160}, // Chord5
    {664, 72}, // XOffset5
};
/// Station labels L_w_1 .. L_w_5 over the diagram columns 107, 314, 519, 619, 688. The root's
/// sits lower, under the flight-direction caption, which runs past column 103 in every language.
inline constexpr FieldPlace kStationPlace[6] = {{0, 0}, {103, 15}, {299, 8}, {494, 8}, {603, 8}, {688, 8}};

/// Which trapezium (1..4) a planform field belongs to: 1 for the fields always shown
/// (root offset, chord 1, span 1, chord 2, x offset 2), k for span k, chord k+1, x offset k+1.
inline constexpr int kFieldTrapezium[14] = {1, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4};
