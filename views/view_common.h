#pragma once
// Colours and small pixel helpers shared by every drawing of the views.
#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <string>

namespace tv {

/// The three system colours the drawings use; the window passes its palette's values
/// (ToolTipBase, Light, Base), a test passes fixed ones.
struct SystemColours {
    QColor toolTipBackground{255, 255, 225}; // background of every view
    QColor light3D{227, 227, 227};           // reference outline, first result line with a lattice
    QColor windowBackground{255, 255, 255};  // input fields that are not highlighted
};

inline const QColor kGreyOutline{128, 128, 128};
inline const QColor kSilver{192, 192, 192};
inline const QColor kAqua{0, 255, 255};

/// Colour of wing 1..5: blue, fuchsia, green, purple, maroon (black for any other index).
QColor wingColour(int w);

/// A pixel coordinate from a real one, cut towards zero; values beyond +-1e6 are clamped first so
/// that a degenerate scale never overflows the integer conversion.
int truncPixel(double v);
/// The same, rounded to the nearest integer with halves to the even neighbour.
int roundPixel(double v);

/// Writes text with its top-left corner at (x, y), as a canvas text-out does; opaque on the
/// painter's background when the painter's background mode is opaque.
void textOut(QPainter& p, int x, int y, const std::string& utf8);

/// Sets the pen to a solid cosmetic pen of the colour and width; no antialiasing is used anywhere.
void setPen(QPainter& p, const QColor& c, int width = 1);

/// Fills the whole image area (0, 0, size) with fill and draws a one-pixel outline around it.
void clearImage(QPainter& p, QSize size, const QColor& fill, const QColor& outline);

} // namespace tv
