#include "platform/SafeFile.h"

#include <QSaveFile>

namespace tessra {

QString WriteWholeFile(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk, a size limit) shows in the
    // count written here: a buffered QSaveFile can report success after
    // writing only part of the data at commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    const qint64 written = file.write(bytes.data(), bytes.size());
    if (written != bytes.size()) {
        QString reason = file.errorString();
        file.cancelWriting();
        return written < 0 || reason.isEmpty() || reason == QLatin1String("Unknown error")
                   ? QStringLiteral("Not all of the file could be written (is the disk full?).")
                   : reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

} // namespace tessra
