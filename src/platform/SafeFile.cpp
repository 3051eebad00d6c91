#include "platform/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <csignal>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tessra {

namespace {

WholeFile Refused(WholeFile::Status status, qint64 size = 0, QString reason = {}) {
    WholeFile file;
    file.status = status;
    file.size = size;
    file.reason = std::move(reason);
    return file;
}

#ifdef Q_OS_UNIX

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

WholeFile ReadWholeFileUnix(const QString& path, qint64 maxBytes) {
    const QByteArray native = QFile::encodeName(path);
    // Something that is already no regular file is not even opened: opening
    // a device can have effects of its own.
    struct stat info {};
    if (::stat(native.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return Refused(WholeFile::Status::NotRegular);
    }
    // Without waiting: a named pipe put at the path after that check would
    // hold a blocking open until somebody writes to it. What was opened is
    // then asked by its descriptor, which no rename can swap.
    const Descriptor fd(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0) {
        return Refused(WholeFile::Status::Failed, 0, qt_error_string(errno));
    }
    if (::fstat(fd.Get(), &info) != 0) {
        return Refused(WholeFile::Status::Failed, 0, qt_error_string(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return Refused(WholeFile::Status::NotRegular);
    }
    if (info.st_size > maxBytes) {
        return Refused(WholeFile::Status::TooLarge, info.st_size);
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
            return Refused(WholeFile::Status::Failed, 0,
                           QStringLiteral("It does not give its contents at once, the way a "
                                          "file on disk does."));
        } else if (errno != EINTR) {
            return Refused(WholeFile::Status::Failed, 0, qt_error_string(errno));
        }
    }
    if (total > maxBytes) {
        return Refused(WholeFile::Status::TooLarge, info.st_size > maxBytes ? info.st_size : -1);
    }
    file.bytes.truncate(total);
    file.status = WholeFile::Status::Read;
    return file;
}

#else

// Elsewhere a path cannot be swapped for a named pipe under us in the same
// way; Qt's own checks and a bounded read do.
WholeFile ReadWholeFileQt(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return Refused(WholeFile::Status::NotRegular);
    }
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        return Refused(WholeFile::Status::Failed, 0, source.errorString());
    }
    if (source.size() > maxBytes) {
        return Refused(WholeFile::Status::TooLarge, source.size());
    }
    WholeFile file;
    file.bytes = source.read(maxBytes + 1);
    if (source.error() != QFileDevice::NoError) {
        return Refused(WholeFile::Status::Failed, 0, source.errorString());
    }
    if (file.bytes.size() > maxBytes) {
        return Refused(WholeFile::Status::TooLarge, -1);
    }
    file.status = WholeFile::Status::Read;
    return file;
}

#endif

} // namespace

WholeFile ReadWholeFile(const QString& path, qint64 maxBytes) {
#ifdef Q_OS_UNIX
    return ReadWholeFileUnix(path, maxBytes);
#else
    return ReadWholeFileQt(path, maxBytes);
#endif
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
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

#ifdef Q_OS_UNIX

ScopedFileSizeLimit::ScopedFileSizeLimit(qint64 bytes) {
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0) {
        return;
    }
    previous_ = limit.rlim_cur;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

ScopedFileSizeLimit::~ScopedFileSizeLimit() {
    rlimit limit{};
    if (active_ && getrlimit(RLIMIT_FSIZE, &limit) == 0) {
        limit.rlim_cur = static_cast<rlim_t>(previous_);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
}

#else

ScopedFileSizeLimit::ScopedFileSizeLimit(qint64) {}
ScopedFileSizeLimit::~ScopedFileSizeLimit() = default;

#endif

} // namespace tessra
