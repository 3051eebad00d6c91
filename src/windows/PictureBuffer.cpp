#include "windows/PictureBuffer.h"

#include "platform/QtColor.h"
#include "platform/Twips.h"
#include "windows/FlatFrame.h"

#include <QPainter>

namespace tessra {

PictureBuffer::PictureBuffer() : QWidget(nullptr, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Picture Buffer"));
    setFixedSize(TwipsToPixels(3780), TwipsToPixels(3780));
    image_ = QImage(TwipsToPixels(3570), TwipsToPixels(3600), QImage::Format_RGB32);
    image_.fill(ToQColor(SystemButtonFace));
}

void PictureBuffer::CopyBoard(QWidget* client, const QRect& boardArea) {
    // Drawn off-screen from the widgets themselves rather than copied from
    // the screen, so an overlapping window can never end up in the picture.
    // On a high-density screen the picture keeps every device pixel.
    const qreal ratio = client->devicePixelRatioF();
    const QSize needed = (boardArea.size() * ratio).expandedTo(image_.size());
    if (image_.size() != needed || image_.devicePixelRatio() != ratio) {
        QImage larger(needed, QImage::Format_RGB32);
        larger.fill(ToQColor(SystemButtonFace));
        image_ = larger;
    }
    image_.setDevicePixelRatio(ratio);
    const PictureDrawing picture; // the focus mark is not part of the board
    client->render(&image_, QPoint(0, 0), QRegion(boardArea));
}

} // namespace tessra
