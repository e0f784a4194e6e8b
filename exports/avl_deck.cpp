#include "exports/avl_deck.h"

#include "model/numformat.h"

#include <algorithm>

namespace tv {

namespace {

std::string num(double v) { return formatFixed(v, 0, 4); }

// The deck reads a title and a surface name as one line each, and AVL skips a blank line and a
// line whose first non-blank character is '#' or '!' as a comment: such a title would be skipped
// and every header line after it read as the one before (the Mach number as the title, ...).
// AVL also cuts a line at '!': every '!' is written as '|', so the whole title arrives.
// A blank line becomes "-", a comment-like one gets "- " in front; leading blanks are dropped.
std::string oneLine(const std::string& text) {
    std::string line = text.substr(0, text.find_first_of("\r\n"));
    std::replace(line.begin(), line.end(), '!', '|');
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) return "-";
    if (line[first] == '#') return "- " + line.substr(first);
    return line.substr(first);
}

void line(std::string& out, const std::string& text) {
    out += text;
    out += '\n';
}

void appendSurface(std::string& out, const AvlSurface& s) {
    line(out, "#==============================================================");
    line(out, "SURFACE");
    line(out, oneLine(s.name));
    line(out, "!Nchord  Cspace");
    line(out, std::to_string(s.Nchord) + "  0.0");
    line(out, "COMPONENT");
    line(out, "1");
    line(out, "YDUPLICATE");
    line(out, "0.0");
    line(out, "TRANSLATE");
    line(out, num(s.dx) + "  0.0  " + num(s.dz));
    for (std::size_t i = 0; i < s.sections.size(); ++i) {
        const AvlSection& c = s.sections[i];
        const int nspan = i + 1 < s.sections.size() ? c.Nspan : 1;
        line(out, "SECTION");
        line(out, "!Xle  Yle  Zle  Chord  Ainc  Nspan  Sspace");
        line(out, num(c.Xle) + "  " + num(c.Yle) + "  " + num(c.Zle) + "  " + num(c.Chord) + "  " + num(c.Ainc) + "  " +
                      std::to_string(nspan) + "  0.0");
    }
}

} // namespace

std::string avlDeckBytes(const AvlDeck& deck) {
    std::string out;
    line(out, oneLine(deck.title));
    line(out, "# Geometry written by Tarvolin4; all lengths in millimetres.");
    line(out, "# Flat-plate surfaces, equal chordwise spacing, one section per strip edge of tapered panels:");
    line(out, "# the lattice of Tarvolin4's own calculation, panel for panel.");
    line(out, "# Ainc = incidence + twist - zero-lift angle of the sections: the same linear problem as the trim.");
    if (deck.sectionMoments)
        line(out, "# The airfoils' moment coefficients Cm0 have no place in a flat deck: AVL's Cm leaves them out.");
    line(out, "!Mach");
    line(out, "0.0");
    line(out, "!iYsym  iZsym  Zsym");
    line(out, "0  0  0.0");
    line(out, "!Sref  Cref  Bref");
    line(out, num(deck.Sref) + "  " + num(deck.Cref) + "  " + num(deck.Bref));
    line(out, deck.neutralPointKnown ? "!Xref  Yref  Zref   (Xref: the neutral point)" : "!Xref  Yref  Zref");
    line(out, num(deck.Xref) + "  0.0  0.0");
    for (const AvlSurface& s : deck.surfaces) appendSurface(out, s);
    return out;
}

std::optional<FileError> writeAvlDeck(const std::string& path, const AvlDeck& deck, const FileOps& ops) {
    return writeOutputFile(path, avlDeckBytes(deck), ops);
}

} // namespace tv
