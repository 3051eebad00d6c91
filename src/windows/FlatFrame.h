#pragma once

#include <QRect>

class QColor;
class QPainter;
class QWidget;

namespace tessra {

// The single-line border of the flat boxes and the mark of the focused box,
// drawn in whole device pixels.
//
// At a fractional scale factor a box can start part-way into a device
// pixel. The raster engine rounds the box's clip and its background fill to
// whole pixels, but a one-pixel pen line along the box's edge stays centred
// on the fractional position and lands partly or wholly on the pixel row
// just outside the clip, where it is cut away. So the frame is filled as
// whole device pixels counted from the pixels the background fill covers.

// The device pixels that a fill of the logical rectangle covers.
QRect DevicePixels(const QPainter& painter, const QRectF& rect);

// The frame: black, one logical pixel wide in whole device pixels, along
// the outermost device pixels of the box.
void DrawFlatFrame(QPainter& painter, const QWidget& box);

// The focus mark: a ring two logical pixels wide, one pixel inside the
// frame, in black on a light background and in white on a dark one, so it
// stands out on whatever colour the user gave the box. Drawn within the
// part of the box that later siblings (drawn over it) leave uncovered, and
// not while a picture of the board is taken.
void DrawFocusMark(QPainter& painter, const QWidget& box, const QColor& background);

// While one of these lives, focus marks are left out: the board's picture
// shows the cells as they are, not where the keyboard happens to be.
class PictureDrawing {
  public:
    PictureDrawing();
    ~PictureDrawing();
    PictureDrawing(const PictureDrawing&) = delete;
    PictureDrawing& operator=(const PictureDrawing&) = delete;
};

} // namespace tessra
