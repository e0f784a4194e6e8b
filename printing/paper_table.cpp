#include "printing/paper_table.h"

#include <array>

namespace tv {
namespace {

// Indexed by code - 1. The names of 16 and 17 carry inch marks. Code 17 is the Tabloid paper
// again; a Qt size maps back to the first code that holds it.
const std::array<StandardPaper, 41> kPapers{{
    {1, "Letter", 2159, 2794, QPageSize::Letter},
    {2, "Letter Small", 2159, 2794, QPageSize::LetterSmall},
    {3, "Tabloid", 2794, 4318, QPageSize::Tabloid},
    {4, "Ledger", 4318, 2794, QPageSize::Ledger},
    {5, "Legal", 2159, 3556, QPageSize::Legal},
    {6, "Statement", 1397, 2159, QPageSize::Statement},
    {7, "Executive", 1842, 2667, QPageSize::ExecutiveStandard},
    {8, "A3", 2970, 4200, QPageSize::A3},
    {9, "A4", 2100, 2970, QPageSize::A4},
    {10, "A4 (small)", 2100, 2970, QPageSize::A4Small},
    {11, "A5", 1480, 2100, QPageSize::A5},
    {12, "B4", 2500, 3540, QPageSize::B4},
    {13, "B5", 1820, 2570, QPageSize::JisB5},
    {14, "Folie", 2159, 3302, QPageSize::Folio},
    {15, "Quarto", 2150, 2750, QPageSize::Quarto},
    {16, "10\"x14\"", 2540, 3556, QPageSize::Imperial10x14},
    {17, "11\"x17\"", 2794, 4318, QPageSize::Tabloid},
    {18, "Note", 2159, 2794, QPageSize::Note},
    {19, "Umschlag #9", 984, 2254, QPageSize::Envelope9},
    {20, "Umschlag #10", 1048, 2413, QPageSize::Envelope10},
    {21, "Umschlag #11", 1143, 2635, QPageSize::Envelope11},
    {22, "Umschlag #12", 1207, 2794, QPageSize::Envelope12},
    {23, "Umschlag #14", 1270, 2921, QPageSize::Envelope14},
    {24, "C Sheet", 4318, 5588, QPageSize::AnsiC},
    {25, "D Sheet", 5588, 8636, QPageSize::AnsiD},
    {26, "E Sheet", 8636, 11176, QPageSize::AnsiE},
    {27, "Umschlag DL", 1100, 2200, QPageSize::EnvelopeDL},
    {28, "Umschlag C5", 1620, 2290, QPageSize::EnvelopeC5},
    {29, "Umschlag C3", 3240, 4580, QPageSize::EnvelopeC3},
    {30, "Umschlag C4", 2290, 3240, QPageSize::EnvelopeC4},
    {31, "Umschlag C6", 1140, 1620, QPageSize::EnvelopeC6},
    {32, "Umschlag C65", 1140, 2290, QPageSize::EnvelopeC65},
    {33, "Umschlag B4", 2500, 3530, QPageSize::EnvelopeB4},
    {34, "Umschlag B5", 1760, 2500, QPageSize::EnvelopeB5},
    {35, "Umschlag B6", 1760, 1250, QPageSize::EnvelopeB6},
    {36, "Italienischer Umschlag", 1100, 2300, QPageSize::EnvelopeItalian},
    {37, "Umschlag Monarch", 984, 1905, QPageSize::EnvelopeMonarch},
    {38, "Umschlag 6¾", 921, 1651, QPageSize::EnvelopePersonal},
    {39, "US Std. Fanfold", 3778, 2794, QPageSize::FanFoldUS},
    {40, "German Std. Fanfold", 2159, 3048, QPageSize::FanFoldGerman},
    {41, "German Legal Fanfold", 2159, 3302, QPageSize::FanFoldGermanLegal},
}};

} // namespace

const StandardPaper* standardPaper(int code) {
    if (code < 1 || code > int(kPapers.size())) return nullptr;
    return &kPapers[code - 1];
}

int standardPaperCode(QPageSize::PageSizeId id) {
    for (const StandardPaper& p : kPapers)
        if (p.qt == id) return p.code;
    return 0;
}

} // namespace tv
