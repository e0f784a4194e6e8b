#pragma once
// The first step of the calculation: lengths and positions beyond any model aircraft are refused
// before anything is sized or laid out.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "model/units.h"
#include "solver/workspace.h"

namespace tv {

/// Inputs: ac.WingCount; for wings 1..WingCount RootOffset, Chord[1..SectionCount],
/// TrapeziumSpan[1..TrapeziumCount], XOffset[2..SectionCount], PositionX, PositionZ (mm).
/// Failure: for every such value beyond ±kLengthLimit one line naming the wing and the field
/// (lengthBeyondLimitLine, the value and the limit in `length`) is appended to ws.Messages and
/// AbortCalculation is set. Returns true when every value lies within the limit.
bool checkLengthLimits(const Aircraft& ac, SolverWorkspace& ws, UiLanguage lang, Unit length = Unit::Millimetre);

} // namespace tv
