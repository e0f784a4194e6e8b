#pragma once
// Every language-dependent text of the program, in English, German and Spanish, as data.
// Texts are UTF-8 in memory; every blank is part of a text.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

enum class UiLanguage { German, English, Spanish };

/// The selection rule of every three-way text: English if English, else German if German, else Spanish.
inline const char* pick(UiLanguage lang, const char* en, const char* de, const char* es) {
    if (lang == UiLanguage::English) return en;
    if (lang == UiLanguage::German) return de;
    return es;
}

/// Settings letter of a language ("e", "d", "s") and back ("e" English, "d" German, anything else Spanish).
char languageLetter(UiLanguage lang);
UiLanguage languageFromLetter(char c);

/// Strings written by the language procedures and read later by other parts of the program.
struct MessageCatalogue {
    std::string TxtGapQuestion1, TxtGapQuestion2;
    std::array<std::string, 6> TxtWingCaption; // [1..5]
    std::string TxtErrorHeader;
    std::string TxtFlightDirection;
    std::string TxtRemarksPrompt;
    std::string TxtTrapFail1, TxtTrapFail2, TxtTrapFail3, TxtTrapAdvice;
    std::array<std::string, 6> TxtWingFail; // [1..5]
    std::string TxtWingAdvice;
};
const MessageCatalogue& messageCatalogue(UiLanguage lang);

/// objectNames of the pages of PageControl1. The aircraft page is TabSheet5; the wing pages 1..3
/// are TabSheet1..TabSheet3, wings 4 and 5 are TabSheet6 and TabSheet7, the remarks page TabSheet4.
inline constexpr std::array<const char*, 6> kWingTabSheetNames{
    "", "TabSheet1", "TabSheet2", "TabSheet3", "TabSheet6", "TabSheet7"}; // [1..5]
inline constexpr const char* kAircraftTabSheetName = "TabSheet5";
inline constexpr const char* kRemarksTabSheetName = "TabSheet4";

/// A caption for the control (or menu item) with this Qt objectName.
struct ControlText {
    const char* objectName;
    std::string text;
};
/// Captions of labels, radio buttons, buttons, check box and tab sheets of the main window: every
/// wing tab's labels, trapezium-count buttons, copy and insert buttons and tab sheet, then the
/// aircraft page's controls, the remarks tab sheet and the scale controls. Each objectName once.
std::vector<ControlText> windowTexts(UiLanguage lang);
/// Captions of every named row of the menu bar (menuBarEntries), "Info" (Info1) included; the three
/// language items german1, english1 and spain1 keep "deutsch", "english" and "español" in every
/// language, Undo1 and Redo1 read "Undo" and "Redo" until the window names their step.
std::vector<ControlText> menuTexts(UiLanguage lang);
/// Captions drawn onto images: the five wing thumbnails [1..5] when the language is applied (the
/// Spanish one has more blanks than TxtWingCaption, which the recalculation draws) and the
/// flight direction of the aircraft view (not the same text as TxtFlightDirection).
std::string thumbnailCaption(UiLanguage lang, int wing);
std::string aircraftViewFlightDirection(UiLanguage lang);

// ---- Failure lines of the solver -------------------------------------------------------------
/// "Can not calculate Wing  1 / Trapezium  2 " and its advice line; both numbers right-aligned
/// in two characters (a longer number is written whole).
std::vector<std::string> trapeziumFailureLines(UiLanguage lang, int wing, int trapezium);
/// "Can not calculate wing-3. " and "Please change this wing (less aspect ratio)!". A wing
/// number outside 1..5 is composed in the same pattern rather than read from the catalogue.
std::vector<std::string> wingFailureLines(UiLanguage lang, int wing);
/// Header and notice of the automatic z-separation ("Attention:", "Wings are moved ...").
std::vector<std::string> zSeparationNotice(UiLanguage lang);
/// The informational line after the second start of the strip trim: secondStartFailed selects
/// the form "Error Wing1 Trapezium2", otherwise "Error: Wing1 Trapezium2".
std::string stripTrimRetryLine(UiLanguage lang, bool secondStartFailed, int wing, int trapezium);

/// Lines for cases that would otherwise divide by zero or overrun the lattice:
/// "Can not calculate wing-2: it has no area or no span. "
std::string emptyWingLine(UiLanguage lang, int wing);
/// "Wing-2 carries no lift; its results are set to 0. "
std::string wingWithoutLiftLine(UiLanguage lang, int wing);
/// "The aircraft carries no lift: no neutral point. "
std::string noLiftLine(UiLanguage lang);
/// "No wing has a span: no reference wing. "
std::string noReferenceWingLine(UiLanguage lang);
/// "Can not calculate: the lattice needs more than 3000 panels. "
std::string tooManyPanelsLine(UiLanguage lang);

/// "<path> is too large to be a Tarvolin4 project (more than 1 MB). "
std::string tooLargeFileText(UiLanguage lang, const std::string& path);
/// "Not enough memory for the calculation. " (the amount is not known)
std::string notEnoughMemoryLine(UiLanguage lang);
/// "Not enough memory for the calculation (it asked for 421 MB). ": bytes rounded up to MB.
std::string notEnoughMemoryLine(UiLanguage lang, std::size_t bytes);
/// Advice after TxtWingFail for a wing that needs more than 299 chordwise rows (a deep wing of
/// small span): "Please change this wing (less chord relative to its span)!"
std::string chordwiseRowsAdvice(UiLanguage lang);
/// Advice after TxtWingFail for a trapezium whose two chords are 0:
/// "Please give trapezium 2 of this wing a chord!"
std::string zeroChordAdvice(UiLanguage lang, int trapezium);
/// Advice after tooManyPanelsLine, naming the wings whose areas are large against the reference
/// wing's: "Please reduce the area of wing 4, wing 5 relative to wing 1 (the reference wing)!"
std::string panelTotalAdvice(UiLanguage lang, const std::vector<int>& wings, int referenceWing);

/// The input fields of a wing that hold a length or a position, for the lines below.
enum class GeometryField { RootOffset, Chord, Span, XOffset, PositionX, PositionZ };
/// "Can not calculate wing-2: chord 3 is 5000000 mm, beyond the limit of ±1000000 mm. "; `index` is
/// the section (chord, x offset) or trapezium (span) and is left out for the other fields.
std::string lengthBeyondLimitLine(UiLanguage lang, int wing, GeometryField field, int index, long long value,
                                  long long limit);
/// The same with the value and the limit given as figures with their unit ("196.850 in").
std::string lengthBeyondLimitLine(UiLanguage lang, int wing, GeometryField field, int index, const std::string& value,
                                  const std::string& limit);
/// "Can not calculate wing-3: it can not be moved far enough in z-direction. "
std::string separationImpossibleLine(UiLanguage lang, int wing);

// ---- Files and the batch calculator ------------------------------------------------------------
/// "plane.tv4 is not a Tarvolin4 project": a file without any of the project's tags.
std::string notAProjectText(UiLanguage lang, const std::string& path);
/// "plane.tv4: the file is read-only and was not changed".
std::string readOnlyFileText(UiLanguage lang, const std::string& path);
/// The number with its thousands marked as the language does: "9,970" in English, "9.970" in
/// German and Spanish.
std::string groupedNumber(UiLanguage lang, std::size_t n);
/// A save refused because the file would exceed what "Open" reads: "plane.tv4: not saved: the
/// project would be 1,114,231 bytes, and a project holds at most 1,048,576 bytes (1 MB). ...".
std::string projectTooLargeToSaveText(UiLanguage lang, const std::string& path, std::size_t bytes, std::size_t limit);
/// A project opened with more weight rows than the table holds: "plane.tv4: the weight table
/// holds 30 rows; 9,970 were left out. A save keeps only the rows read."
std::string balanceRowsLeftOutText(UiLanguage lang, const std::string& path, int rowMax, std::size_t leftOut);
/// The warning before a save: the listed characters will be written as "?".
std::string replacedCharactersText(UiLanguage lang, const std::string& characters);

/// Labels of the batch calculator's text report.
struct BatchReportTexts {
    const char* project;          // "Project: "
    const char* builtIn;          // "(built-in default aircraft)"
    const char* wings;            // "Wings: "
    const char* panels;           // ", panels: "
    const char* wing;             // "Wing " (followed by the number and ":")
    const char* chordwisePanels;  // "chordwise panels "
    const char* strips;           // ", strips "
    const char* aerodynamicCentre; // ", aerodynamic centre x "
    const char* y;                // " y "
    const char* liftSlope;        // ", lift slope "
    const char* noResult;         // the line of a refused or failed run
    const char* neutralPoint;     // "Neutral point x: "
    const char* referenceArea;    // "Reference area: "
    const char* referenceChord;   // ", reference chord: "
    const char* recommended;      // "Recommended centre of gravity: "
    const char* to;               // " to "
    const char* cgFor;            // "Centre of gravity for "
};
const BatchReportTexts& batchReportTexts(UiLanguage lang);

// ---- Stability results ----------------------------------------------------------------------
struct StabilityTexts {
    const char* referenceAreaPrefix;   // "Reference area (S): "
    const char* referenceAreaSuffix;   // "dm^2 "
    const char* referenceLengthPrefix; // "Reference length (lµ): "
    const char* referenceLengthSuffix; // "mm "
    const char* cgPrefix;              // "x_CG (" (German "x_SP (")
    const char* neutralPointPrefix;    // "x_AC: "
    const char* marginLabelPrefix;     // "%  AC-CG= " (German and Spanish "%  NP-SP= ")
    const char* marginRefused;         // "Static margin: -100 to 100 % only"
};
const StabilityTexts& stabilityTexts(UiLanguage lang);

// ---- Printed report -------------------------------------------------------------------------
struct ReportTexts {
    const char* summary;
    const char* aerodynamicCenter;
    const char* recommendedHigh; // followed by the margin and "%: "
    const char* recommendedLow;
    const char* desired;
    std::array<const char*, 6> wingHeading; // [1..5]
    const char* span;
    const char* area;
    const char* aspectRatio;
    const char* meanChord;
    const char* geometricCenter;
    const char* wingAerodynamicCenter;
    const char* liftSlope;
};
const ReportTexts& reportTexts(UiLanguage lang);

// ---- Printing failures and the PDF export ----------------------------------------------------
struct PrintingTexts {
    const char* printFailed;   // followed by the printer's name in quotes, ": " and the reason
    const char* printerGone;   // the printer or the print system is no longer there
    const char* beginRefused;  // the print system did not open the document
    const char* endFailed;     // the document could not be finished and sent
    const char* pdfFilter;     // file-dialog filter of the PDF export
    const char* pdfFailed;     // followed by "path: reason"
};
const PrintingTexts& printingTexts(UiLanguage lang);

// ---- About window ---------------------------------------------------------------------------
struct AboutTexts {
    const char* purpose1;  // Label1
    const char* purpose2;  // Label2
    const char* purpose3;  // Label7
    const char* creditIdea;        // Label3
    const char* mailIdea;          // Label4
    const char* creditRealisation; // Label5
    const char* mailRealisation;   // Label6
    const char* availability;      // Label10
    const char* webAddress;        // Label11
};
const AboutTexts& aboutTexts(UiLanguage lang);

} // namespace tv
