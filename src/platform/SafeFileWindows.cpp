// Whole-file reads and writes on Windows, through the wide-character API so
// that every file name works, whatever the system's ANSI code page. Only
// files on a disk are read or replaced: a pipe, the console or a device
// (NUL, COM1) would swallow a save or never answer a read.

#include "platform/SafeFile.h"

#include <QDir>
#include <QRandomGenerator>
#include <algorithm>
#include <string>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace tessra {

namespace {

QString SystemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    QString message = length > 0 ? QString::fromWCharArray(text, static_cast<qsizetype>(length))
                                 : QStringLiteral("Windows error %1.").arg(code);
    LocalFree(text);
    return message.trimmed();
}

QString LastError() {
    return SystemMessage(GetLastError());
}

class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { Close(); }
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() {
        const bool closed = !Valid() || CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

std::wstring Native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// Windows itself says which names are devices: it makes "C:\x\NUL" and
// "COM1.sav" into "\\.\NUL" and "\\.\COM1", and pipes are "\\.\pipe\...".
// Opening one can have effects of its own (a serial line's signals), so a
// device is refused by its name before anything is opened; what gets past
// this is still asked by its handle.
bool NamesDevice(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return false; // the open that follows reports what is wrong
    }
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
    const bool deviceSpace = full.starts_with(LR"(\\.\)") || full.starts_with(LR"(\\?\)");
    const bool drivePath = full.size() >= 7 && full[5] == L':' && full[6] == L'\\';
    const bool sharePath = full.starts_with(LR"(\\?\UNC\)");
    return deviceSpace && !drivePath && !sharePath;
}

bool IsDiskFile(HANDLE handle) {
    return GetFileType(handle) == FILE_TYPE_DISK;
}

const QString NotAFileOnDisk = QStringLiteral(
    "It is not a regular file (it is a folder, a pipe or a device), and Tessra replaces only "
    "regular files.");

// Removes the temporary file of a save that did not complete.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.empty()) {
            DeleteFileW(path_.c_str());
        }
    }
    const std::wstring& Path() const { return path_; }
    void Keep() { path_.clear(); }

  private:
    std::wstring path_;
};

// A new file beside target, named after it, that no one else has open.
HANDLE CreateBeside(const std::wstring& target, std::wstring& created) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = target + L"." +
                  QString::number(QRandomGenerator::global()->generate(), 36).toStdWString() +
                  L".tmp";
        const HANDLE handle = CreateFileW(created.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return handle;
        }
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE handle, QByteArrayView bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<qint64>(bytes.size() - done, 1 << 20));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

} // namespace

WholeFile ReadWholeFile(const QString& path, qint64 maxBytes) {
    const std::wstring native = Native(path);
    const DWORD attributes = GetFileAttributesW(native.c_str());
    if (NamesDevice(native) ||
        (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))) {
        return WholeFile::Refused(WholeFile::Status::NotRegular);
    }
    // Others may go on reading and writing it, as they may on Linux.
    const Handle file(CreateFileW(native.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) {
        return WholeFile::Refused(WholeFile::Status::Failed, 0, LastError());
    }
    if (!IsDiskFile(file.Get())) {
        return WholeFile::Refused(WholeFile::Status::NotRegular);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) {
        return WholeFile::Refused(WholeFile::Status::Failed, 0, LastError());
    }
    if (size.QuadPart > maxBytes) {
        return WholeFile::Refused(WholeFile::Status::TooLarge, size.QuadPart);
    }
    // Bounded whatever the size said: the file may be growing meanwhile.
    WholeFile whole;
    whole.bytes.resize(maxBytes + 1);
    qint64 total = 0;
    while (total < whole.bytes.size()) {
        DWORD got = 0;
        const DWORD wanted =
            static_cast<DWORD>(std::min<qint64>(whole.bytes.size() - total, 1 << 20));
        if (!ReadFile(file.Get(), whole.bytes.data() + total, wanted, &got, nullptr)) {
            return WholeFile::Refused(WholeFile::Status::Failed, 0, LastError());
        }
        if (got == 0) {
            break;
        }
        total += got;
    }
    if (total > maxBytes) {
        return WholeFile::Refused(WholeFile::Status::TooLarge, -1);
    }
    whole.bytes.truncate(total);
    whole.status = WholeFile::Status::Read;
    return whole;
}

QString WriteWholeFile(const QString& path, QByteArrayView bytes) {
    const std::wstring target = Native(path);
    if (NamesDevice(target)) {
        return NotAFileOnDisk;
    }
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            return NotAFileOnDisk;
        }
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            return QStringLiteral("The file is read-only.");
        }
        // Asked by a handle with no access to its contents, which opens
        // even a file that another program is writing.
        const Handle existing(CreateFileW(target.c_str(), 0,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
        if (existing.Valid() && !IsDiskFile(existing.Get())) {
            return NotAFileOnDisk;
        }
    }

    std::wstring created;
    Handle file(CreateBeside(target, created));
    if (!file.Valid()) {
        return LastError();
    }
    TemporaryFile temporary(created);
    if (!WriteAll(file.Get(), bytes)) {
        const DWORD error = GetLastError();
        return error == ERROR_SUCCESS
                   ? QStringLiteral("Not all of the file could be written (is the disk full?).")
                   : SystemMessage(error);
    }
    // On the disk before it takes the old file's place, so that a power cut
    // leaves the old file or the new one, never an empty one.
    if (!FlushFileBuffers(file.Get()) || !file.Close()) {
        return LastError();
    }
    if (!MoveFileExW(temporary.Path().c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return LastError();
    }
    temporary.Keep();
    return {};
}

void IgnoreFileSizeLimitSignal() {}

} // namespace tessra
