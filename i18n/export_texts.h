#pragma once
// Texts of the exports and of the span-loading picture, in the three languages.
#include "i18n/texts.h"

#include <string>
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

/// An output refused because it is the same file as one the run read or holds open:
/// "<output>: not written, it is the same file as <input>, which is open or was read".
std::string outputIsInputText(UiLanguage lang, const std::string& output, const std::string& input);
/// An export refused over a project file: "<output>: not written, it is a Tarvolin4 project ...".
std::string exportOverProjectText(UiLanguage lang, const std::string& output);
/// An output refused because its name ends in "/" or names a folder.
std::string outputIsFolderText(UiLanguage lang, const std::string& output);
/// The window's export (AVL, CSV, PDF) asked for while no calculated result belongs to the model
/// (the calculation was refused or failed): why nothing was written.
std::string exportWithoutResultText(UiLanguage lang);
/// The window's "Open" of a file that cannot be opened: "<path> cannot be opened: <reason>".
std::string projectNotOpenedText(UiLanguage lang, const std::string& path, const std::string& reason);
/// The window's "Open" of a name the system's encoding cannot carry.
std::string unusableFileNameText(UiLanguage lang, const std::string& shownName);

} // namespace tv
