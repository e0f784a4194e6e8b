#pragma once
// Texts of the first minutes with the program: starting a new aircraft, undo and redo with the
// name of the step, the recent projects, the pointer position in the status line and the
// standard commands added to the menus.
#include "i18n/texts.h"

#include <string>
#include <vector>

namespace tv {

/// What an undo step changed; the menu names it ("Undo span 2 of wing 1").
enum class EditKind {
    Field,            // one input field: wing, field (0..15 in the order of model WingField)
    TrapeziumCount,   // wing
    WingCount,
    MouseEdit,        // a drag on the planform view of wing
    Scaling,
    InsertWing,       // the copied wing inserted into wing
    ExchangeWings,    // wing and other
    Remarks,
    HeightSeparation, // the calculation moved wings in height
    Balance,          // My CG or the weight-and-balance table
    Trim,             // a trim setting: wing (0: mass, density), field
};

struct EditStep {
    EditKind kind = EditKind::Field;
    int wing = 0;  // 1..5 where the kind names a wing
    int field = 0; // Field: 0..15; ExchangeWings: the other wing
    bool operator==(const EditStep&) const = default;
};

/// "span 2 of wing 1", "wing count", "exchange of wings 1 and 3".
std::string editStepName(UiLanguage lang, const EditStep& step);
/// "Undo span 2 of wing 1" / "Undo" without a step; the same for redo.
std::string undoText(UiLanguage lang, const EditStep* step);
std::string redoText(UiLanguage lang, const EditStep* step);

/// The greyed entry of an empty recent list: "(none)".
std::string noRecentProjectsText(UiLanguage lang);
/// "The project <path> no longer exists; it was removed from the recent projects."
std::string recentProjectMissingText(UiLanguage lang, const std::string& path);

/// The starting aircraft offered by "New" (index 0..kStartingAircraftCount-1): name and one line.
inline constexpr int kStartingAircraftCount = 5;
struct StartingAircraftText {
    std::string name;
    std::string description;
};
StartingAircraftText startingAircraftText(UiLanguage lang, int index);
/// "The starting aircraft glider-2m.tv4 is missing from the program's examples."
std::string startingAircraftMissingText(UiLanguage lang, const std::string& fileName);
/// Title and prompt of the choice.
std::string newAircraftTitle(UiLanguage lang);
std::string newAircraftPrompt(UiLanguage lang);

/// The status line over the views: "x 123 mm, y 456 mm (x from the root leading edge of wing 1)".
std::string pointerPositionText(UiLanguage lang, int xMm, int yMm);
/// The same from the longest form to the shortest, for a narrow status line: the whole text, the
/// note shortened ("x 123 mm, y 456 mm (x from wing 1's root LE)"), the figures alone.
std::vector<std::string> pointerPositionForms(UiLanguage lang, int xMm, int yMm);
/// The same forms for figures written with their unit ("0.47 in").
std::vector<std::string> pointerPositionForms(UiLanguage lang, const std::string& x, const std::string& y);
/// Tooltip of a length measured along x from wing w's root leading edge:
/// "x from the root leading edge of wing 1".
std::string xOriginNote(UiLanguage lang, int wing);

/// The results box over a neutral point read with the project: what it is, and that the calculate
/// command gives the lattice, the loads and the % MAC figures.
std::vector<std::string> storedNeutralPointLines(UiLanguage lang);

} // namespace tv
