#include "platform/SafeFile.h"
#include "windows/Form1.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    tessra::IgnoreFileSizeLimitSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessra"));
    // One look on every desktop: the board is laid out to the pixel.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    tessra::Form1 window;
    window.show();
    return QApplication::exec();
}
