#include "exports/lattice_export.h"

#include "trim/strip_settings.h"

#include <cmath>

namespace tv {

namespace {

// The strip edge of strip s of wing w: inner (outer = false) or outer edge, in the surface frame.
AvlSection stripEdge(const SolverWorkspace& ws, const Wing& wing, int s, int w, bool outer) {
    const int n = ws.ChordwisePanels[w];
    const PanelArray& x = outer ? ws.PanelXRight : ws.PanelXLeft;
    AvlSection c;
    c.Xle = x(1, s, w) - wing.PositionX;
    c.Yle = outer ? ws.StripYRight(s, w) : ws.StripYLeft(s, w);
    c.Chord = x(n + 1, s, w) - x(1, s, w);
    return c;
}

/// Whether any section of a wing in use has a moment coefficient.
bool hasSectionMoments(const Aircraft& ac, const TrimSettings& s) {
    for (int w = 1; w <= ac.WingCount && w <= kWingMax; ++w)
        for (int k = 1; k <= ac.Wings[w].SectionCount && k <= kSectionMax; ++k)
            if (s.Wings[w].Sections[k].Cm0 != 0) return true;
    return false;
}

std::vector<AvlSection> surfaceSections(const SolverWorkspace& ws, const Wing& wing, int w) {
    std::vector<AvlSection> out;
    int s = 0; // last strip laid out
    for (int t = 1; t <= kTrapeziumMax; ++t) {
        const int strips = ws.TrapeziumStrips[t][w];
        if (strips <= 0 || s + strips > ws.SpanwiseStrips[w]) continue;
        const int first = s + 1, last = s + strips;
        if (out.empty()) out.push_back(stripEdge(ws, wing, first, w, false));
        const bool constantChord = stripEdge(ws, wing, first, w, false).Chord == stripEdge(ws, wing, last, w, true).Chord;
        if (constantChord) {
            out.back().Nspan = strips;
            out.push_back(stripEdge(ws, wing, last, w, true));
        } else {
            for (int i = first; i <= last; ++i) {
                out.back().Nspan = 1;
                out.push_back(stripEdge(ws, wing, i, w, true));
            }
        }
        s = last;
    }
    return out;
}

} // namespace

AvlDeck avlDeckFromLattice(const Aircraft& ac, const SolverWorkspace& ws, const std::string& title,
                           const std::array<std::string, kWingMax + 1>& names, bool neutralPointKnown) {
    AvlDeck d;
    d.title = title;
    d.Sref = ws.ReferenceArea;
    d.Cref = ws.ReferenceChord;
    const int r = ws.ReferenceWing;
    if (r >= 1 && r <= kWingMax && ws.SpanwiseStrips[r] > 0) d.Bref = 2 * ws.StripYRight(ws.SpanwiseStrips[r], r);
    d.neutralPointKnown = neutralPointKnown && std::isfinite(ws.NeutralPointX);
    d.Xref = d.neutralPointKnown ? ws.NeutralPointX : 0.0;
    const TrimSettings settings = trimSettings(ac.Trim);
    d.sectionMoments = hasSectionMoments(ac, settings);
    for (int w = 1; w <= ac.WingCount && w <= kWingMax; ++w) {
        AvlSurface s;
        s.name = names[w];
        s.Nchord = ws.ChordwisePanels[w];
        s.dx = ac.Wings[w].PositionX;
        s.dz = ws.SolverWingZ[w];
        s.sections = surfaceSections(ws, ac.Wings[w], w);
        for (AvlSection& c : s.sections) c.Ainc = settingAngleAt(ac.Wings[w], settings.Wings[w], c.Yle);
        d.surfaces.push_back(std::move(s));
    }
    return d;
}

std::array<std::string, kWingMax + 1> exportWingNames(UiLanguage lang) {
    std::array<std::string, kWingMax + 1> names;
    for (int w = 1; w <= kWingMax; ++w) {
        const std::string& caption = messageCatalogue(lang).TxtWingCaption[w];
        const auto first = caption.find_first_not_of(' ');
        const auto last = caption.find_last_not_of(' ');
        names[w] = first == std::string::npos ? std::to_string(w) : caption.substr(first, last - first + 1);
    }
    return names;
}

std::vector<LoadRow> loadRows(const std::vector<StripLoad>& strips, const std::array<std::string, kWingMax + 1>& names) {
    std::vector<LoadRow> out;
    out.reserve(strips.size());
    for (const StripLoad& s : strips)
        out.push_back({names[s.wing], s.strip, s.y, s.width, s.chord, s.cl, s.load});
    return out;
}

} // namespace tv
