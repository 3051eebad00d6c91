#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <utility>

namespace tessra {

// What a bounded read of a whole file found.
struct WholeFile {
    enum class Status {
        Read,       // bytes holds the whole file
        NotRegular, // a folder, a pipe, a device or a socket
        TooLarge,   // more than the bytes allowed
        Failed,     // reason says why
    };
    Status status = Status::Failed;
    QByteArray bytes;
    // TooLarge: the size the file gave, or -1 when it said less than it
    // held (a file growing meanwhile, or a pseudo file without an end).
    qint64 size = 0;
    QString reason;

    static WholeFile Refused(Status status, qint64 size = 0, QString reason = {}) {
        WholeFile file;
        file.status = status;
        file.size = size;
        file.reason = std::move(reason);
        return file;
    }
};

// Reads a whole regular file of at most maxBytes without ever waiting: a
// path that names a pipe or a device, or becomes one between any check and
// the open, is refused at once, and so is a file whose reads would wait (a
// kernel log that looks like an empty regular file). At most maxBytes + 1
// bytes are read, however long the file turns out to be.
WholeFile ReadWholeFile(const QString& path, qint64 maxBytes);

// Writes bytes to path as a whole or not at all: they go to a file beside
// it, which replaces the old file in one step once every byte is on disk.
// Only a regular file, or a symbolic link to one, is replaced; anything else
// at path (a folder, a pipe, a device such as NUL on Windows) is left as it
// is and refused, and so is a read-only file. On failure the old file is
// untouched, nothing is left beside it, and the result is the reason; on
// success it is empty.
QString WriteWholeFile(const QString& path, QByteArrayView bytes);

// A write past the process's file size limit (`ulimit -f`) raises SIGXFSZ,
// whose default action ends the program on the spot and loses unsaved work.
// Ignored, the write fails with an error instead, and a save reports it like
// a full disk. Call once at start; does nothing on Windows, which has no such
// signal.
void IgnoreFileSizeLimitSignal();

} // namespace tessra
