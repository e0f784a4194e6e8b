#pragma once
// The largest aircraft the solver takes: five wings whose lattice comes as close to the
// 3000-panel limit as the sizing allows. Used by the solver benchmarks and written to
// bench/data/aircraft3000.tv4 for the batch calculator.
#include "model/aircraft.h"

namespace tvbench {

/// Wings 1 to 3 are the default aircraft's main wing; wings 4 and 5 the same wing with every
/// length scaled up (chords, spans, offsets) until the lattice sizing gives the most panels that
/// do not exceed 3000. The wings stand one behind the other and 150 mm apart in height, so no
/// wing has to be moved.
tv::AircraftTexts largeAircraftTexts();

/// PanelTotal that the lattice sizing gives for the aircraft (0 when it refuses it).
int panelTotalOf(const tv::AircraftTexts& texts);

} // namespace tvbench
