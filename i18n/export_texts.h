#pragma once
// Texts of the exports and of the span-loading picture, in the three languages.
#include "i18n/texts.h"

#include <vector>

namespace tv {

struct SpanLoadingTexts {
    const char* title;      // "Span loading": menu item, window title and heading of the plot
    const char* spanAxis;   // "span station y [mm]"
    const char* loadAxis;   // "c·cl / c_ref [1/rad]"
    const char* elliptic;   // legend of the dashed reference
    const char* noLoads;    // shown instead of the plot while no calculation belongs to the model
};
const SpanLoadingTexts& spanLoadingTexts(UiLanguage lang);

/// File-dialog filters of the two exports: "AVL geometry (*.avl)", "CSV tables (*.csv)".
const char* avlFileFilter(UiLanguage lang);
const char* csvFileFilter(UiLanguage lang);

} // namespace tv
