#pragma once
// Twips and pixels.
#include <QRect>

namespace formsqt {

// The windows measure in twips, 1440 to the inch: 15 to a pixel on a screen of
// 96 dots per inch, fewer on a denser one, so that a form keeps its size in
// inches whatever the screen's logical dpi.
double PixelsPerTwip();
int ToPixels(double twips);
double ToTwips(int pixels);
QRect ToPixels(int left, int top, int width, int height);

}  // namespace formsqt
