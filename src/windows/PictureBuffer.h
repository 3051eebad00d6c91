#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

namespace tessra {

// The hidden window that holds the board picture of the last snapshot.
// It is never shown; its image is what a snapshot saves.
class PictureBuffer : public QWidget {
    Q_OBJECT
  public:
    PictureBuffer();

    // Draws the board area of the main window's client widget into the top
    // left of the image; the rest keeps the buffer's background.
    void CopyBoard(QWidget* client, const QRect& boardArea);
    const QImage& Picture1() const { return image_; }

  private:
    QImage image_;
};

} // namespace tessra
