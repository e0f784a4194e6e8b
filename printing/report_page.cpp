#include "printing/report_page.h"

#include "i18n/balance_window_texts.h"
#include "model/numformat.h"
#include "model/shown_figure.h"
#include "views/view_common.h"

#include <tarvolin_version.h>

#include <algorithm>
#include <cmath>

namespace tv {
namespace {

constexpr int kSummaryTop = 563;
constexpr int kSummaryValueX = 520;
constexpr int kFirstBlockTop = 683;
constexpr int kBlockPitch = 180;
constexpr int kLineStep = 20;
constexpr int kRightLabelX = 320;
constexpr int kRightValueX = 580;

std::string F(double v, int width, int decimals) { return formatFixed(v, width, decimals); }

/// The page's 16-pixel monospace font advances 0.6 of its size a character.
constexpr double kCharAdvance = 9.6;

/// Characters of a label up to its last non-blank (UTF-8 continuation bytes not counted).
int visibleChars(const std::string& label) {
    std::size_t end = label.find_last_not_of(' ');
    end = end == std::string::npos ? 0 : end + 1;
    int chars = 0;
    for (std::size_t i = 0; i < end; ++i) chars += (static_cast<unsigned char>(label[i]) & 0xC0) != 0x80;
    return chars;
}

/// The column of figures whose labels start at labelX: at least `column`, and `blanks` character
/// cells after the end of the longest label, so that no figure covers or runs into its label.
int valueColumn(const std::vector<std::string>& labels, int labelX, int column, int blanks) {
    int widest = 0;
    for (const std::string& label : labels) widest = std::max(widest, visibleChars(label));
    return std::max(column, labelX + static_cast<int>(std::ceil((widest + blanks) * kCharAdvance)));
}

// The section lines of the metric page end in this column; the right column starts at
// kRightLabelX beside them. Longer lines (other units) push it right.
constexpr int kMetricSectionColumns = 33;

// "xf: " and five section fields separated by one blank; sections 3..5 beyond the wing's count
// stay empty, their blanks stay. In mm the fields are bare whole millimetres; in another unit
// they are finer, and the unit follows the last field written ("xf:  0.00  1.18 in").
template <class Value>
std::string sectionLine(const char* prefix, const Wing& wing, const ReportData& d, Value value) {
    const Unit u = d.units.length;
    std::string line = prefix;
    std::string last = line;
    for (int s = 1; s <= kSectionMax; ++s) {
        if (s > 1) line += ' ';
        if (s <= 2 || wing.SectionCount >= s) {
            line += u == Unit::Millimetre ? F(value(s), 5, 0) : F(fromBase(value(s), u), 5, decimalsIn(u, 0));
            last = line;
        }
    }
    return u == Unit::Millimetre ? line : last + " " + unitSymbol(d.lang, u);
}

/// The wing block's left lines: the section lines, then zf and x0.
std::vector<std::string> leftLines(const ReportData& d, int w) {
    const Wing& wing = d.aircraft.Wings[w];
    const double x0 = wing.PositionX;
    const auto single = [&](const char* prefix, int mm) {
        return d.units.length == Unit::Millimetre ? prefix + formatInt(mm, 5)
                                                  : prefix + shownFigure(d.lang, mm, d.units.length, 5, 0, "");
    };
    return {sectionLine("xf: ", wing, d, [&](int s) { return wing.LeadingEdgeX[s] - x0; }),
            sectionLine("lf: ", wing, d, [&](int s) { return wing.StationChord[s]; }),
            sectionLine("yf: ", wing, d, [&](int s) { return wing.StationY[s]; }),
            single("zf: ", wing.PositionZ), single("x0: ", wing.PositionX)};
}

/// The right column's labels: at kRightLabelX, or one blank after the longest left line of any
/// wing block where that runs past the metric page's column.
int rightLabelX(const ReportData& d) {
    int widest = 0;
    for (int w = 1; w <= std::clamp(d.aircraft.WingCount, 0, kWingMax); ++w)
        for (const std::string& line : leftLines(d, w)) widest = std::max(widest, visibleChars(line));
    return widest <= kMetricSectionColumns ? kRightLabelX : static_cast<int>(std::ceil((widest + 1) * kCharAdvance));
}

void appendSummary(std::vector<ReportText>& out, const ReportData& d, const tv::ReportTexts& t) {
    const StabilityNumbers& n = d.numbers;
    const int y = kSummaryTop;
    out.push_back({0, y, t.summary});
    const std::vector<std::string> labels{t.aerodynamicCenter,
                                          t.recommendedHigh + F(n.RecommendedMarginHigh, 0, 0) + "%: ",
                                          t.recommendedLow + F(n.RecommendedMarginLow, 0, 0) + "%: ",
                                          t.desired + F(n.DesiredMargin, 0, 1) + "%: "};
    const double values[] = {d.NeutralPointX, n.CgHigh, n.CgLow, n.CgDesired};
    // The Spanish recommended positions run past kSummaryValueX: their figures move right.
    const int valueX = valueColumn(labels, 0, kSummaryValueX, 2);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int row = y + 20 * int(i + 1);
        out.push_back({0, row, labels[i]});
        out.push_back({valueX, row, shownFigure(d.lang, values[i], d.units.length, 5, 1, " mm")});
    }
}

/// The figures of the wing blocks' right column: at kRightValueX (as far right of the labels as
/// the labels' column was moved), or two blanks after the longest label (the Spanish ones would
/// end one blank before kRightValueX).
int rightValueX(const tv::ReportTexts& t, int labelX) {
    return valueColumn({t.span, t.area, t.aspectRatio, t.meanChord, t.geometricCenter, t.wingAerodynamicCenter,
                        t.liftSlope},
                       labelX, kRightValueX + labelX - kRightLabelX, 2);
}

void appendWingBlock(std::vector<ReportText>& out, const ReportData& d, const tv::ReportTexts& t, int w, int labelX) {
    const Wing& wing = d.aircraft.Wings[w];
    const PlanformData& pf = wing.planform;
    const int y = kFirstBlockTop + kBlockPitch * (w - 1);
    const double x0 = wing.PositionX;
    out.push_back({0, y, t.wingHeading[size_t(w)]});
    int row = y + 20;
    for (std::string& line : leftLines(d, w)) {
        out.push_back({0, row, std::move(line)});
        row += kLineStep;
    }
    const auto length = [&](double mm, int decimals) { return shownFigure(d.lang, mm, d.units.length, 5, decimals, " mm"); };
    const std::pair<const char*, std::string> right[] = {
        {t.span, length(pf.b, 0)},
        {t.area, shownFigure(d.lang, pf.S, d.units.area, 5, 1, " dm**2")},
        {t.aspectRatio, F(pf.lam, 5, 1)},
        {t.meanChord, length(pf.lm, 1)},
        {t.geometricCenter, length(pf.r25, 1)},
        {t.wingAerodynamicCenter, length(d.WingAcX[size_t(w)] - x0, 1)},
        {t.liftSlope, F(d.WingLiftSlope[size_t(w)], 5, 2)},
    };
    row = y + 20;
    const int valueX = rightValueX(t, labelX);
    for (const auto& [label, value] : right) {
        out.push_back({labelX, row, label});
        out.push_back({valueX, row, value});
        row += kLineStep;
    }
}

/// The weight-and-balance block: its heading a blank line below the last wing block, then its
/// lines, each wrapped to the page's width.
void appendBalanceBlock(std::vector<ReportText>& out, const ReportData& d) {
    if (d.balanceLines.empty()) return;
    int y = reportUsedHeight(d.aircraft.WingCount) + kLineStep;
    out.push_back({0, y, balanceWindowTexts(d.lang).reportHeading});
    for (const std::string& line : d.balanceLines)
        for (std::string& piece : wrapReportLine(line)) out.push_back({0, y += kLineStep, std::move(piece)});
}

/// Bytes of the first `chars` characters of the UTF-8 text from `from` (the whole rest when shorter).
std::size_t utf8Bytes(const std::string& text, std::size_t from, int chars) {
    std::size_t i = from;
    for (int n = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && n++ == chars) break;
    return i - from;
}

/// The trim block a blank line below the last line written (its first line names the CG).
void appendTrimBlock(std::vector<ReportText>& out, const ReportData& d) {
    if (d.trimLines.empty()) return;
    int y = d.balanceLines.empty() ? reportUsedHeight(d.aircraft.WingCount) : out.back().y + kLineStep;
    for (const std::string& line : d.trimLines)
        for (std::string& piece : wrapReportLine(line)) out.push_back({0, y += kLineStep, std::move(piece)});
}

} // namespace

std::vector<std::string> wrapReportLine(const std::string& line, int columns) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::string indent = out.empty() ? "" : "  ";
        const int room = std::max(1, columns - int(indent.size()));
        std::size_t take = utf8Bytes(line, at, room);
        if (at + take < line.size()) {
            // Break at the last blank that leaves a piece; a piece without one is cut.
            const std::size_t blank = line.rfind(' ', at + take);
            if (blank != std::string::npos && blank > at) take = blank - at;
        }
        out.push_back(indent + line.substr(at, take));
        at += take;
        while (at < line.size() && line[at] == ' ') ++at;
    }
    return out;
}

std::vector<ReportText> reportPageTexts(const ReportData& d) {
    const tv::ReportTexts& t = tv::reportTexts(d.lang);
    std::vector<ReportText> out{{0, 0, std::string("Tarvolin4  V") + tv::kProgramVersion + " "}, {0, 20, d.projectFileName}};
    appendSummary(out, d, t);
    const int labelX = rightLabelX(d);
    for (int w = 1; w <= std::clamp(d.aircraft.WingCount, 0, kWingMax); ++w) appendWingBlock(out, d, t, w, labelX);
    appendBalanceBlock(out, d);
    appendTrimBlock(out, d);
    return out;
}

int reportUsedHeight(int wingCount) {
    // The last line of a block is 140 below its top; one line of text is 20 high.
    return kFirstBlockTop + kBlockPitch * (std::clamp(wingCount, 1, kWingMax) - 1) + 140 + kLineStep;
}

int reportUsedHeight(const ReportData& d) {
    if (d.balanceLines.empty() && d.trimLines.empty()) return reportUsedHeight(d.aircraft.WingCount);
    const std::vector<ReportText> texts = reportPageTexts(d);
    const int textEnd = texts.back().y + kLineStep;
    return d.trimCurvePicture.isNull() ? textEnd : textEnd + kLineStep + kTrimCurvePictureSize.height();
}

QSize reportPageSize(const ReportData& d) {
    return {kReportPageSize.width(), std::max(kReportPageSize.height(), reportUsedHeight(d))};
}

void drawReportPage(QPainter& p, const ReportData& d) {
    p.save();
    p.fillRect(QRect(QPoint(0, 0), reportPageSize(d)), Qt::white);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (!d.aircraftPicture.isNull()) p.drawImage(kAircraftPictureRect, d.aircraftPicture);
    if (!d.view3DPicture.isNull()) p.drawImage(kView3DPictureRect, d.view3DPicture);
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(16); // 12 points at the bitmap's 96 pixels per inch
    p.setFont(font);
    p.setPen(Qt::black);
    p.setBackground(Qt::white);
    p.setBackgroundMode(Qt::OpaqueMode);
    const std::vector<ReportText> texts = reportPageTexts(d);
    for (const ReportText& t : texts) textOut(p, t.x, t.y, t.text);
    if (!d.trimCurvePicture.isNull() && !d.trimLines.empty())
        p.drawImage(QRect(QPoint(0, texts.back().y + 2 * kLineStep), kTrimCurvePictureSize), d.trimCurvePicture);
    p.restore();
}

QImage composeReportPage(const ReportData& d) {
    QImage page(reportPageSize(d), QImage::Format_RGB32);
    QPainter p(&page);
    drawReportPage(p, d);
    p.end();
    return page;
}

} // namespace tv
