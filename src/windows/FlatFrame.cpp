#include "windows/FlatFrame.h"

#include <QColor>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <cmath>

namespace tessra {

namespace {

int pictureDrawings = 0;

// Device pixels per logical pixel of the painter.
double Scale(const QPainter& painter) {
    return std::abs(painter.deviceTransform().m11());
}

// Whole device pixels for a line one logical pixel wide: never thinner than
// one device pixel, never wider than one logical pixel.
int FrameWidth(const QPainter& painter) {
    return std::max(1, static_cast<int>(std::floor(Scale(painter) + 1e-6)));
}

// Relative luminance as contrast ratios are reckoned with, 0 to 1.
double RelativeLuminance(const QColor& color) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

// Paints in device pixels for as long as it lives.
class DeviceSpace {
  public:
    explicit DeviceSpace(QPainter& painter) : painter_(painter) {
        painter_.save();
        painter_.setWorldTransform(painter_.deviceTransform().inverted(), true);
        painter_.setRenderHint(QPainter::Antialiasing, false);
    }
    ~DeviceSpace() { painter_.restore(); }
    DeviceSpace(const DeviceSpace&) = delete;
    DeviceSpace& operator=(const DeviceSpace&) = delete;

    // A ring inside the device rectangle, with its width on each side.
    void Ring(const QRect& r, const QMargins& width, const QColor& color) {
        painter_.fillRect(QRect(r.left(), r.top(), r.width(), width.top()), color);
        painter_.fillRect(
            QRect(r.left(), r.bottom() - width.bottom() + 1, r.width(), width.bottom()), color);
        painter_.fillRect(QRect(r.left(), r.top(), width.left(), r.height()), color);
        painter_.fillRect(QRect(r.right() - width.right() + 1, r.top(), width.right(), r.height()),
                          color);
    }

  private:
    QPainter& painter_;
};

// The largest rectangle of the box that no later sibling covers; siblings
// are stacked in the order of their parent's children.
QRect UncoveredRect(const QWidget& box) {
    QRegion uncovered(box.rect());
    if (const QWidget* parent = box.parentWidget()) {
        bool later = false;
        for (const QObject* child : parent->children()) {
            if (child == &box) {
                later = true;
                continue;
            }
            const auto* sibling = qobject_cast<const QWidget*>(child);
            if (later && sibling != nullptr && !sibling->isWindow() && sibling->isVisible()) {
                uncovered -= sibling->geometry().translated(-box.pos());
            }
        }
    }
    QRect largest;
    for (const QRect& r : uncovered) {
        if (r.width() * r.height() > largest.width() * largest.height()) {
            largest = r;
        }
    }
    return largest;
}

} // namespace

QRect DevicePixels(const QPainter& painter, const QRectF& rect) {
    const QTransform& toDevice = painter.deviceTransform();
    const QPoint topLeft = toDevice.map(rect.topLeft()).toPoint();
    const QPoint bottomRight = toDevice.map(rect.bottomRight()).toPoint();
    return {topLeft, bottomRight - QPoint(1, 1)};
}

void DrawFlatFrame(QPainter& painter, const QWidget& box) {
    const QRect device = DevicePixels(painter, QRectF(box.rect()));
    const int width = FrameWidth(painter);
    DeviceSpace(painter).Ring(device, QMargins(width, width, width, width), Qt::black);
}

void DrawFocusMark(QPainter& painter, const QWidget& box, const QColor& background) {
    if (pictureDrawings > 0) {
        return;
    }
    const QRect whole = DevicePixels(painter, QRectF(box.rect()));
    const QRect shown = DevicePixels(painter, QRectF(UncoveredRect(box)));
    // Inside the box's own frame; where a sibling covers an edge, its frame
    // is the line there.
    const int frame = FrameWidth(painter);
    const auto inset = [frame](int edge, int shownEdge) { return edge == shownEdge ? frame : 0; };
    const int gap = std::max(1, static_cast<int>(std::lround(Scale(painter))));
    const int ring = std::max(2, static_cast<int>(std::lround(2 * Scale(painter))));
    const QRect outer = shown.adjusted(
        inset(whole.left(), shown.left()) + gap, inset(whole.top(), shown.top()) + gap,
        -inset(whole.right(), shown.right()) - gap, -inset(whole.bottom(), shown.bottom()) - gap);
    // Black or white, whichever contrasts more with the background: both
    // contrast equally at a relative luminance of about 0.18.
    const QColor mark = RelativeLuminance(background) > 0.18 ? Qt::black : Qt::white;
    DeviceSpace(painter).Ring(outer, QMargins(ring, ring, ring, ring), mark);
}

PictureDrawing::PictureDrawing() {
    ++pictureDrawings;
}

PictureDrawing::~PictureDrawing() {
    --pictureDrawings;
}

} // namespace tessra
