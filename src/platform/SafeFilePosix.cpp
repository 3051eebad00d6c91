// Whole-file reads and writes on POSIX systems: descriptors asked what they
// are with fstat, and QSaveFile for the write-then-rename.

#include "platform/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessra {

namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int Get() const { return fd_; }

  private:
    int fd_;
};

} // namespace

WholeFile ReadWholeFile(const QString& path, qint64 maxBytes) {
    const QByteArray native = QFile::encodeName(path);
    // Something that is already no regular file is not even opened: opening
    // a device can have effects of its own.
    struct stat info {};
    if (::stat(native.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return WholeFile::Refused(WholeFile::Status::NotRegular);
    }
    // Without waiting: a named pipe put at the path after that check would
    // hold a blocking open until somebody writes to it. What was opened is
    // then asked by its descriptor, which no rename can swap.
    const Descriptor fd(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0) {
        return WholeFile::Refused(WholeFile::Status::Failed, 0, qt_error_string(errno));
    }
    if (::fstat(fd.Get(), &info) != 0) {
        return WholeFile::Refused(WholeFile::Status::Failed, 0, qt_error_string(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return WholeFile::Refused(WholeFile::Status::NotRegular);
    }
    if (info.st_size > maxBytes) {
        return WholeFile::Refused(WholeFile::Status::TooLarge, info.st_size);
    }
    // A pseudo file may say it is empty and never end, so the read is
    // bounded whatever the size said; and it stays non-blocking, so a file
    // that would wait for more (the kernel log) fails instead.
    WholeFile file;
    file.bytes.resize(maxBytes + 1);
    qint64 total = 0;
    while (total < file.bytes.size()) {
        const ssize_t got = ::read(fd.Get(), file.bytes.data() + total,
                                   static_cast<std::size_t>(file.bytes.size() - total));
        if (got > 0) {
            total += got;
        } else if (got == 0) {
            break;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return WholeFile::Refused(
                WholeFile::Status::Failed, 0,
                QStringLiteral("It does not give its contents at once, the way a "
                               "file on disk does."));
        } else if (errno != EINTR) {
            return WholeFile::Refused(WholeFile::Status::Failed, 0, qt_error_string(errno));
        }
    }
    if (total > maxBytes) {
        return WholeFile::Refused(WholeFile::Status::TooLarge,
                                  info.st_size > maxBytes ? info.st_size : -1);
    }
    file.bytes.truncate(total);
    file.status = WholeFile::Status::Read;
    return file;
}

QString WriteWholeFile(const QString& path, QByteArrayView bytes) {
    // QSaveFile renames its new file over whatever the path names, so a
    // pipe or a device would silently become a regular file. A symbolic
    // link to a regular file counts as that file (QSaveFile writes through
    // it); a dangling one is created as before.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        return QStringLiteral("It is not a regular file (it is a folder, a pipe or a device), "
                              "and Tessra replaces only regular files.");
    }
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

void IgnoreFileSizeLimitSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace tessra
