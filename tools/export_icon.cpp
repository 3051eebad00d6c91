// Writes the program's own icon, as the windows draw it, to a PNG file of
// the given size, or to a Windows icon file holding every size listed, so
// that the installed icons are the very picture the running program shows.
//
//   tessra_export_icon SIZE OUTPUT.png
//   tessra_export_icon SIZE,SIZE,... OUTPUT.ico
//
// Needs a Qt platform; the build runs it on the offscreen one.

#include "windows/AppIcon.h"
#include "windows/Startup.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdio>

namespace {

QByteArray Png(int size) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tessra::DrawAppIcon(size).toImage().save(&buffer, "PNG");
    return png;
}

template <typename T> void Append(QByteArray& bytes, T value) {
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An icon file of PNG images, one per size, as Windows reads them since
// Vista. (Qt's own icon writer puts a single image in a file.)
QByteArray Ico(const QList<int>& sizes) {
    constexpr int HeaderSize = 6;
    constexpr int EntrySize = 16;
    QByteArray header;
    Append<quint16>(header, 0); // reserved
    Append<quint16>(header, 1); // an icon, not a cursor
    Append<quint16>(header, static_cast<quint16>(sizes.size()));
    QByteArray images;
    for (const int size : sizes) {
        const QByteArray png = Png(size);
        const quint8 side = size >= 256 ? 0 : static_cast<quint8>(size); // 0 means 256
        Append<quint8>(header, side);
        Append<quint8>(header, side);
        Append<quint8>(header, 0); // no colour table
        Append<quint8>(header, 0);
        Append<quint16>(header, 1);  // planes
        Append<quint16>(header, 32); // bits per pixel
        Append<quint32>(header, static_cast<quint32>(png.size()));
        Append<quint32>(
            header, static_cast<quint32>(HeaderSize + EntrySize * sizes.size() + images.size()));
        images += png;
    }
    return header + images;
}

} // namespace

int main(int argc, char* argv[]) {
    tessra::PreferOffscreenPlatform();
    QApplication app(argc, argv);
    QList<int> sizes;
    for (const QByteArray& size : QByteArray(argc == 3 ? argv[1] : "").split(',')) {
        const int side = size.toInt();
        if (side > 0 && side <= 256) {
            sizes << side;
        } else {
            sizes.clear();
            break;
        }
    }
    const QString output = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    const bool ico = output.endsWith(QLatin1String(".ico"));
    if (sizes.isEmpty() || (!ico && sizes.size() != 1)) {
        std::fprintf(stderr, "usage: tessra_export_icon SIZE OUTPUT.png\n"
                             "       tessra_export_icon SIZE,SIZE,... OUTPUT.ico\n");
        return 2;
    }
    QFile file(output);
    const QByteArray bytes = ico ? Ico(sizes) : Png(sizes.first());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "tessra_export_icon: could not write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
