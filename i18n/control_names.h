#pragma once
// The objectNames of the main window's per-wing controls, one row per wing 1..5 (row 0 unused):
// the window builder names its controls from this table, the text tables caption them by it and
// the tests find them by it.
#include "i18n/texts.h"

#include <array>

namespace tv {

struct WingControlNames {
    const char* diagram;      // dimension diagram image, 750 x 200
    const char* planform;     // planform view image
    std::array<const char*, 5> trapezium; // radio buttons for 1..4 trapezia ([0] unused)
    const char* spanCaption;  // "wing span (b):" and the other result captions
    const char* areaCaption;
    const char* meanChordCaption;
    const char* centreCaption;
    const char* aspectCaption;
    const char* anpCaption;   // "aerodynamic center (anp):"
    const char* yCaption;     // " y: "
    const char* tabSheet;     // the wing's page (kWingTabSheetNames)
    const char* copyButton;   // "copy wing w"
    const char* insertButton; // "insert copied wing"
};

inline constexpr std::array<WingControlNames, 6> kWingControlNames{{
    {},
    {"Image_W", "Image1", {"", "RadioButton4", "RadioButton5", "RadioButton6", "RadioButton41t"}, "Label1",
     "Label2", "Label3", "Label4", "Label5", "Label25", "Label37", kWingTabSheetNames[1], "Button_C1", "Button_P1"},
    {"Image_W2", "Image11", {"", "RadioButton7", "RadioButton8", "RadioButton9", "RadioButton42t"}, "Label6",
     "Label7", "Label8", "Label9", "Label10", "Label26", "Label38", kWingTabSheetNames[2], "Button_C2", "Button_P2"},
    {"Image_W3", "Image111", {"", "RadioButton10", "RadioButton11", "RadioButton12", "RadioButton43t"},
     "Label16", "Label17", "Label18", "Label19", "Label20", "Label27", "Label39", kWingTabSheetNames[3], "Button_C3",
     "Button_P3"},
    {"Image_W4", "Image1111", {"", "RadioButton_4t1", "RadioButton_4t2", "RadioButton_4t3", "RadioButton_4t4"},
     "Label31", "Label32", "Label33", "Label35", "Label34", "Label36", "Label40", kWingTabSheetNames[4], "Button_C4",
     "Button_P4"},
    {"Image_W5", "Image11111", {"", "RadioButton_5t1", "RadioButton_5t2", "RadioButton_5t3", "RadioButton_5t4"},
     "Label43", "Label44", "Label45", "Label47", "Label46", "Label48", "Label41", kWingTabSheetNames[5], "Button_C5",
     "Button_P5"},
}};

/// The wing-count radio buttons for 1..5 wings ([0] unused).
inline constexpr std::array<const char*, 6> kWingCountButtonNames{"", "RadioButton1", "RadioButton2",
                                                                   "RadioButton3", "RB_W4", "RB_W5"};

} // namespace tv
