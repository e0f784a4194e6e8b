#pragma once
// What the window shows of the project, read-only, for every unit that shows, copies, prints or
// exports it: the document (its texts and the one aircraft derived from them), the texts with a
// planform drag's shape while one runs, the language the window speaks and the units it shows
// figures in. The window is the one
// implementation; the units take it by reference instead of a read hook each.
#include "app/document/project_document.h"
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "model/units.h"

class DocumentView {
public:
    virtual const ProjectDocument& document() const = 0;
    /// The texts the window shows: the document's, with a planform drag's shape while one runs.
    virtual tv::AircraftTexts shownTexts() const = 0;
    virtual tv::UiLanguage language() const = 0;
    virtual const tv::MessageCatalogue& catalogue() const = 0;
    /// The units every figure is shown and typed in (the project itself keeps millimetres).
    virtual const tv::DisplayUnits& units() const = 0;

protected:
    ~DocumentView() = default;
};
