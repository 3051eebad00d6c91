// Writes the program's own icon, as the windows draw it, to a PNG file so
// that the installed icon is the very picture the running program shows.
//
//   tessra_export_icon OUTPUT.png
//
// Needs a Qt platform; the build runs it with QT_QPA_PLATFORM=offscreen.

#include "windows/AppIcon.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessra_export_icon OUTPUT.png\n");
        return 2;
    }
    constexpr int Size = 32;
    // The 32x32 member of the icon, not a scaled copy: a device pixel ratio
    // other than 1 would make QIcon hand out a larger pixmap.
    const QPixmap pixmap = tessra::AppIcon().pixmap(QSize(Size, Size), 1.0);
    const QImage image = pixmap.toImage();
    if (image.width() != Size || image.height() != Size) {
        std::fprintf(stderr, "tessra_export_icon: the icon came out %dx%d, not %dx%d\n",
                     image.width(), image.height(), Size, Size);
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "tessra_export_icon: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
