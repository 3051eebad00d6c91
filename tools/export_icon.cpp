// Writes the program's own icon, as the windows draw it, to a PNG file of
// the given size, so that the installed icons are the very picture the
// running program shows.
//
//   tessra_export_icon SIZE OUTPUT.png
//
// Needs a Qt platform; the build runs it on the offscreen one.

#include "windows/AppIcon.h"
#include "windows/Startup.h"

#include <QApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    tessra::PreferOffscreenPlatform();
    QApplication app(argc, argv);
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size <= 0) {
        std::fprintf(stderr, "usage: tessra_export_icon SIZE OUTPUT.png\n");
        return 2;
    }
    const QImage image = tessra::DrawAppIcon(size).toImage();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "tessra_export_icon: could not write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
