#pragma once
// Fixed pictures of the main window, drawn in code: the 18 x 18 language flags of the tool bar,
// the small tool-bar symbols, and the 170 x 84 wing thumbnails that explain the position fields.
#include "i18n/texts.h"

#include <QImage>
#include <QString>

/// Flag of the language: German black-red-gold, the British Union flag, Spanish red-yellow-red.
QImage flagPicture(tv::UiLanguage lang);

enum class ToolSymbol { Open, SaveAs, Save, Print, Calc };
/// An 18 x 18 symbol for a tool button.
QImage toolSymbol(ToolSymbol s);

/// Thumbnail colour of wing 1..5: cyan, fuchsia, lime, purple, maroon.
QColor thumbnailColour(int wing);

/// Draws the thumbnail picture of wing 1..5 over the whole image: silver ground, x and z axes,
/// the wing profile in the wing's thumbnail colour, the two dimension arrows and, for wing 1, the
/// red flight-direction arrow.
void drawWingThumbnail(QImage& image, int wing);

/// Writes a caption over a thumbnail in black at x = 70 % of the width (truncated), y = 2.
void drawThumbnailCaption(QImage& image, const QString& caption);
