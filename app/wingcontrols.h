#pragma once
// Names of the per-wing controls of the main window, one row per wing 1..5 (row 0 unused).
// The program's own control names; tests find the controls by them. The tab sheets' names are
// those of the text tables (tv::kWingTabSheetNames), so captions and pages agree.

struct WingControlNames {
    const char* diagram;     // dimension diagram image, 750 x 200
    const char* planform;    // planform view image
    const char* trapezium[5]; // radio buttons for 1..4 trapezia ([0] unused)
    const char* spanCaption, *areaCaption, *meanChordCaption, *centreCaption, *aspectCaption;
    const char* anpCaption;  // "aerodynamic center (anp):"
    const char* yCaption;    // " y: "
};

inline constexpr WingControlNames kWingControls[6] = {
    {},
    {"Image_W", "Image1", {"", "RadioButton4", "RadioButton5", "RadioButton6", "RadioButton41t"},
     "Label1", "Label2", "Label3", "Label4", "Label5", "Label25", "Label37"},
    {"Image_W2", "Image11", {"", "RadioButton7", "RadioButton8", "RadioButton9", "RadioButton42t"},
     "Label6", "Label7", "Label8", "Label9", "Label10", "Label26", "Label38"},
    {"Image_W3", "Image111",
     {"", "RadioButton10", "RadioButton11", "RadioButton12", "RadioButton43t"},
     "Label16", "Label17", "Label18", "Label19", "Label20", "Label27", "Label39"},
    {"Image_W4", "Image1111",
     {"", "RadioButton_4t1", "RadioButton_4t2", "RadioButton_4t3", "RadioButton_4t4"},
     "Label31", "Label32", "Label33", "Label35", "Label34", "Label36", "Label40"},
    {"Image_W5", "Image11111",
     {"", "RadioButton_5t1", "RadioButton_5t2", "RadioButton_5t3", "RadioButton_5t4"},
     "Label43", "Label44", "Label45", "Label47", "Label46", "Label48", "Label41"},
};

inline constexpr const char* kWingCountButtonNames[6] = {"", "RadioButton1", "RadioButton2", "RadioButton3",
                                                         "RB_W4", "RB_W5"};

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
