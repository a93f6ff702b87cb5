// Text that reads over whatever lies behind it: the contrast of two colours
// as readers' guidelines measure it, the thin outline drawn around letters
// that sit on a picture, and which labels need one.
#pragma once

#include <QColor>
#include <QImage>

namespace ui {
class Window;
class Element;
}  // namespace ui

namespace platform::qt {

// Text stands out from what is right around it when the two are at least
// this far apart (the AA level of the web's accessibility guidelines).
constexpr double kReadableContrast = 4.5;

// Relative luminance of a colour, 0 for black to 1 for white.
double luminance(QColor c);
// The contrast ratio of two colours, from 1 (the same) to 21 (black and white).
double contrastRatio(QColor a, QColor b);
// Black for light letters, white for dark ones: whichever stands further apart.
QColor outlineColour(QColor text);

// The outline of the letters drawn in `letters` (only their alpha counts):
// an image of the same size and pixel ratio, `colour` wherever a letter lies
// within `radius` device pixels, with soft edges one pixel wide.
QImage outlineOf(const QImage& letters, int radius, QColor colour);
// Works `outline`, the outline of letters since changed within `changed`
// (device pixels), out again around that change alone: a readout that
// changes a digit redraws that digit's outline. `letters` are the letters
// as they are now.
void redoOutline(QImage& outline, const QImage& letters, QRect changed, int radius, QColor colour);

// Whether `label`, an element of `window`, needs an outline to read: it is
// drawn over a picture, or over a plain colour its letters do not stand out
// from.
bool needsOutline(const ui::Window& window, const ui::Element& label);

}  // namespace platform::qt
