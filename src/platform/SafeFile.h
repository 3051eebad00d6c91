#pragma once

#include <QByteArrayView>
#include <QString>

namespace tessra {

// Writes bytes to path as a whole or not at all: they go to a file beside
// it, which replaces the old file only once every byte is on disk. On
// failure the old file is untouched and the result is the reason; on
// success it is empty.
QString WriteWholeFile(const QString& path, QByteArrayView bytes);

} // namespace tessra
