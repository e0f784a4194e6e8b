#pragma once
// A plain-text geometry deck for the vortex-lattice program AVL: header (title, Mach, symmetry,
// reference values, reference point) and one SURFACE block per wing, lengths in millimetres.
// The deck is a value (AvlDeck) so that writing it needs nothing of the solver; solver-side code
// fills it from the lattice (exports/lattice_export.h).
#include "files/fileio.h"

#include <optional>
#include <string>
#include <vector>

namespace tv {

/// One SECTION line: leading edge (surface frame, mm), chord (mm), and the strips up to the next
/// section (equally spaced; the last section's count is not read by AVL and written as 1).
struct AvlSection {
    double Xle = 0, Yle = 0, Zle = 0, Chord = 0;
    int Nspan = 1;
    double Ainc = 0; // degrees: incidence + twist - zero-lift angle at this section's y
};

/// One SURFACE: mirrored about y = 0 (YDUPLICATE 0.0), in COMPONENT 1, moved by TRANSLATE.
struct AvlSurface {
    std::string name;
    int Nchord = 1;         // chordwise panels, equally spaced (Cspace 0.0)
    double dx = 0, dz = 0;  // TRANSLATE, mm
    std::vector<AvlSection> sections; // root to tip
};

struct AvlDeck {
    std::string title;
    double Sref = 0, Cref = 0, Bref = 0; // mm^2 (both halves), mm, mm
    double Xref = 0;                     // mm; the neutral point when neutralPointKnown
    bool neutralPointKnown = false;
    bool sectionMoments = false; // an airfoil has a moment coefficient, which the flat deck cannot hold
    std::vector<AvlSurface> surfaces;
};

/// The deck's text, LF line ends, numbers with "." and four decimals whatever the locale.
/// A title or name with a line break keeps only its first line (the deck reads one line each);
/// one that AVL would skip as blank or as a comment is "-" or gets "- " in front.
std::string avlDeckBytes(const AvlDeck& deck);

/// Writes the deck safely over `path` (temporary file, then rename; a device or pipe is written
/// into, "-" is standard output); the error names path and reason.
std::optional<FileError> writeAvlDeck(const std::string& path, const AvlDeck& deck,
                                      const FileOps& ops = systemFileOps());

} // namespace tv
