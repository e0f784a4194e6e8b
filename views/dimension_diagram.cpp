#include "views/dimension_diagram.h"

#include "views/arrows.h"
#include "views/view_common.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>

namespace tv {
namespace {

constexpr int kReferenceRow = 31; // the spanwise reference line

// Corners of trapezium k's white polygon.
constexpr std::array<std::array<QPoint, 4>, 5> kTrapeziumPolygon{{
    {},
    {{{107, 31}, {314, 72}, {314, 187}, {107, 196}}},
    {{{314, 72}, {519, 86}, {519, 187}, {314, 187}}},
    {{{519, 86}, {619, 115}, {619, 175}, {519, 187}}},
    {{{619, 115}, {688, 145}, {688, 195}, {619, 175}}},
}};

void drawTrapezia(QPainter& p, int count) {
    setPen(p, kAqua, 4);
    p.setBrush(Qt::white);
    for (int k = 1; k <= count; ++k) p.drawPolygon(kTrapeziumPolygon[k].data(), 4);
}

void drawDimensionArrows(QPainter& p, int count) {
    setPen(p, Qt::black, 1);
    p.setBrush(Qt::black);
    PfeilH2(p, 3, kReferenceRow, 740, kReferenceRow);
    PfeilV1(p, 3, 1, 3, 199);
    PfeilH2(p, 3, kReferenceRow, 107, kReferenceRow);
    PfeilV2(p, 107, kReferenceRow, 107, 196);
    for (int k = 1; k <= count; ++k) {
        const DiagramTrapezium t = diagramTrapezium(k);
        PfeilH2(p, t.xi, kReferenceRow, t.xo, kReferenceRow);
        PfeilV1(p, t.xo, kReferenceRow, t.xo, t.yl);
        PfeilV2(p, t.xo, t.yl, t.xo, t.yt);
    }
}

void drawFlightDirection(QPainter& p, UiLanguage lang) {
    setPen(p, Qt::red, 1);
    p.setBrush(Qt::red);
    p.drawLine(10, 26, 10, 1);
    const QPoint head[3] = {{10, 1}, {12, 12}, {8, 12}};
    p.drawPolygon(head, 3);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(kSilver);
    textOut(p, 17, 1, diagramFlightCaption(lang));
    p.setBackgroundMode(Qt::TransparentMode);
}

} // namespace

DiagramTrapezium diagramTrapezium(int k) {
    static constexpr std::array<DiagramTrapezium, 5> kTable{{
        {0, 0, 0, 0}, {107, 314, 72, 187}, {314, 519, 86, 187}, {519, 619, 115, 175}, {619, 688, 145, 195}}};
    return kTable[std::clamp(k, 1, 4)];
}

std::string diagramFlightCaption(UiLanguage lang) {
    // The catalogue's caption pads with blanks for the aircraft view; the diagram draws it opaque,
    // so the padding is cut off here.
    std::string text = messageCatalogue(lang).TxtFlightDirection;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::array<std::string, 2> diagramAxisNames(UiLanguage lang, Unit length) {
    if (length == Unit::Millimetre) return {"x", "y"};
    const std::string unit = " (" + unitSymbol(lang, length) + ")";
    return {"x" + unit, "y" + unit};
}

void DimensionDiagram(QPainter& p, int trapeziumCount, UiLanguage lang, Unit length) {
    const int count = std::clamp(trapeziumCount, 1, 4);
    p.setRenderHint(QPainter::Antialiasing, false);
    clearImage(p, kDiagramSize, kSilver, kSilver);
    drawTrapezia(p, count);
    drawDimensionArrows(p, count);
    drawFlightDirection(p, lang);
    setPen(p, Qt::black, 1);
    const auto [x, y] = diagramAxisNames(lang, length);
    textOut(p, 8, 174, x);
    // The y axis's name ends where its letter alone ends, at the arrow's head.
    const QFontMetrics fm = p.fontMetrics();
    const int yEnd = 722 + fm.horizontalAdvance(QStringLiteral("y"));
    textOut(p, yEnd - fm.horizontalAdvance(QString::fromStdString(y)), 15, y);
}

} // namespace tv
