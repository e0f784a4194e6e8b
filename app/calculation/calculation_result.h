#pragma once
// The one result the window shows: a calculation (or a neutral point read from a project), every
// figure derived from it, and the model texts it belongs to. Whatever is shown, copied, printed,
// exported or saved reads this value, and only while its texts are the window's texts.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "model/units.h"
#include "solver/workspace.h"
#include "stability/stability.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

/// Where a result came from.
enum class ResultSource {
    Command,     // the calculate command
    Live,        // the live neutral point's worker
    ProjectFile, // the neutral point stored in an opened project: no lattice, no loads
};

struct CalculationResult {
    ResultSource source = ResultSource::Command;
    tv::AircraftTexts texts;      // the model calculated, as it was typed
    tv::AircraftTexts movedTexts; // the same with the heights the separation moved written in
    tv::Aircraft aircraft;        // computed from texts, after the separation
    std::unique_ptr<tv::SolverWorkspace> ws; // lattice, loads and messages; null for a project file
    bool usable = false;      // the run finished without a failure (neutral point, loads)
    bool retry = false;       // refused for want of memory: the next calculate command tries again
    tv::UiLanguage lang = tv::UiLanguage::English; // of the messages
    tv::Unit lengthUnit = tv::Unit::Millimetre;    // of a refused length in them
    std::vector<std::string> messages;             // the run's lines, as the results box shows them
    tv::ReferenceValues reference;                 // NeutralPointX, ReferenceChord, ReferenceArea
    std::array<double, tv::kWingMax + 1> WingAcX{}, WingAcY{}; // [1..5] mm
    tv::StabilityNumbers numbers;                  // margins and CG positions for the desired margin

    /// A neutral point belongs to the model (calculated, or read with the project).
    bool neutralPointKnown() const { return usable || (source == ResultSource::ProjectFile && reference.ReferenceArea > 0); }
    /// Lattice and loads of the model are in memory.
    bool latticeKnown() const { return usable && ws; }
};

/// The same aircraft for the calculation: wing count, every wing's fields and trapezium count (the
/// remarks do not take part).
bool sameModel(const tv::AircraftTexts& a, const tv::AircraftTexts& b);
/// The result belongs to texts: the model as calculated, or with the moved heights written back.
bool belongsTo(const CalculationResult& r, const tv::AircraftTexts& texts);

// A result read where there may be none: nothing is known, and the figures are zero.
bool hasNeutralPoint(const CalculationResult* r);
bool hasLattice(const CalculationResult* r);
/// Reference values and centre-of-gravity figures of a result with a neutral point, else zeros.
const tv::ReferenceValues& referenceOf(const CalculationResult* r);
const tv::StabilityNumbers& numbersOf(const CalculationResult* r);
/// The result's workspace: lattice, loads and messages (none for a project file's neutral point).
const tv::SolverWorkspace* workspaceOf(const CalculationResult* r);
