#pragma once
// The calculation as the project commands see it: a save writes the neutral point only while it
// belongs to the texts written, and an opened project's stored neutral point is handed over for
// the texts it was read into. The calculation above the document implements it, so that the
// document never sees the calculation's headers.
#include "model/aircraft.h"

#include <optional>

class NeutralPointStore {
public:
    /// The neutral point of texts (calculated, or read with the project), else none.
    virtual std::optional<tv::ReferenceValues> neutralPointFor(const tv::AircraftTexts& texts) const = 0;
    /// The neutral point a project stored, for the texts it was read into (zero area: none).
    virtual void adoptProjectNeutralPoint(const tv::AircraftTexts& texts, const tv::ReferenceValues& reference) = 0;

protected:
    ~NeutralPointStore() = default;
};
