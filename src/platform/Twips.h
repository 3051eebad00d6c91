#pragma once

#include <QRect>

namespace tessra {

// Window layouts are given in twips (1/1440 inch). These convert them to
// pixels through the screen's logical DPI: 15 twips to the pixel at 96 dpi.
int TwipsToPixels(int twips, double dpi);
int TwipsToPixels(int twips); // at the primary screen's logical DPI
QRect TwipsRect(int left, int top, int width, int height);

} // namespace tessra
