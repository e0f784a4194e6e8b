#include "model/aircraft.h"

namespace tv {
namespace {

// One row per input, one column per wing 1..5; rows in WingField order.
constexpr const char* kFieldNames[kWingFieldCount][kWingMax] = {
    {"Edit01", "Edit02", "Edit03", "Edit04", "Edit05"},           // RootOffset
    {"Edit4", "Edit14", "Edit24", "Edit34", "Edit44"},            // Chord[1]
    {"Edit1", "Edit11", "Edit21", "Edit31", "Edit41"},            // TrapeziumSpan[1]
    {"Edit5", "Edit15", "Edit25", "Edit35", "Edit45"},            // Chord[2]
    {"Edit8", "Edit18", "Edit28", "Edit38", "Edit48"},            // XOffset[2]
    {"Edit2", "Edit12", "Edit22", "Edit32", "Edit42"},            // TrapeziumSpan[2]
    {"Edit6", "Edit16", "Edit26", "Edit36", "Edit46"},            // Chord[3]
    {"Edit9", "Edit19", "Edit29", "Edit39", "Edit49"},            // XOffset[3]
    {"Edit3", "Edit13", "Edit23", "Edit33", "Edit43"},            // TrapeziumSpan[3]
    {"Edit7", "Edit17", "Edit27", "Edit37", "Edit47"},            // Chord[4]
    {"Edit10", "Edit20", "Edit30", "Edit40", "Edit50"},           // XOffset[4]
    {"Edit14y", "Edit24y", "Edit34y", "Edit44y", "Edit54y"},      // TrapeziumSpan[4]
    {"Edit14x", "Edit24x", "Edit34x", "Edit44x", "Edit54x"},      // Chord[5]
    {"Edit14xx", "Edit24xx", "Edit34xx", "Edit44xx", "Edit54xx"}, // XOffset[5]
    {"Edit_x1", "Edit_x2", "Edit_x3", "Edit_x4", "Edit_x5"},      // PositionX
    {"Edit_z1", "Edit_z2", "Edit_z3", "Edit_z4", "Edit_z5"},      // PositionZ
};

constexpr const char* kDefaultTexts[kWingFieldCount][kWingMax] = {
    {"0", "0", "0", "0", "300"},          // RootOffset
    {"335", "135", "335", "1850", "600"}, // Chord[1]
    {"220", "105", "220", "25", "38"},    // TrapeziumSpan[1]
    {"335", "282", "335", "1550", "680"}, // Chord[2]
    {"0", "0", "0", "0", "-80"},          // XOffset[2]
    {"764", "210", "764", "50", "38"},    // TrapeziumSpan[2]
    {"335", "282", "335", "1100", "600"}, // Chord[3]
    {"131", "0", "131", "10", "0"},       // XOffset[3]
    {"50", "75", "50", "25", "8"},        // TrapeziumSpan[3]
    {"295", "180", "295", "700", "300"},  // Chord[4]
    {"140", "48", "140", "40", "200"},    // XOffset[4]
    {"66", "18", "66", "15", "5"},        // TrapeziumSpan[4]
    {"120", "50", "120", "20", "100"},    // Chord[5]
    {"215", "116", "215", "70", "300"},   // XOffset[5]
    {"0", "1167", "-135", "-400", "-135"}, // PositionX
    {"-190", "0", "240", "-60", "-350"},  // PositionZ
};

constexpr int kDefaultTrapeziumCounts[kWingMax] = {4, 4, 4, 3, 2};

constexpr WingField kChordFields[kSectionMax + 1] = {WingField::Chord1, WingField::Chord1, WingField::Chord2,
                                                     WingField::Chord3, WingField::Chord4, WingField::Chord5};
constexpr WingField kSpanFields[kTrapeziumMax + 1] = {WingField::Span1, WingField::Span1, WingField::Span2,
                                                      WingField::Span3, WingField::Span4};
constexpr WingField kXOffsetFields[kSectionMax + 1] = {WingField::XOffset2, WingField::XOffset2,
                                                       WingField::XOffset2, WingField::XOffset3,
                                                       WingField::XOffset4, WingField::XOffset5};

int clampIndex(int i, int lo, int hi) { return i < lo ? lo : (i > hi ? hi : i); }

} // namespace

WingField chordField(int s) { return kChordFields[clampIndex(s, 1, kSectionMax)]; }
WingField spanField(int k) { return kSpanFields[clampIndex(k, 1, kTrapeziumMax)]; }
WingField xOffsetField(int s) { return kXOffsetFields[clampIndex(s, 2, kSectionMax)]; }

const char* wingFieldName(int wing, WingField f) {
    return kFieldNames[static_cast<int>(f)][clampIndex(wing, 1, kWingMax) - 1];
}

const char* defaultFieldText(int wing, WingField f) {
    return kDefaultTexts[static_cast<int>(f)][clampIndex(wing, 1, kWingMax) - 1];
}

int defaultTrapeziumCount(int wing) { return kDefaultTrapeziumCounts[clampIndex(wing, 1, kWingMax) - 1]; }

AircraftTexts defaultAircraftTexts() {
    AircraftTexts a;
    a.WingCount = kDefaultWingCount;
    for (int w = 1; w <= kWingMax; ++w) {
        for (int f = 0; f < kWingFieldCount; ++f)
            a.wings[w].field[f] = defaultFieldText(w, static_cast<WingField>(f));
        a.wings[w].TrapeziumCount = defaultTrapeziumCount(w);
    }
    return a;
}

} // namespace tv
