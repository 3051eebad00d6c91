#include "support/SpecialFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <windows.h>

namespace tessra::test {

struct SpecialFiles::System {
    HANDLE pipe = INVALID_HANDLE_VALUE;
    QString readOnly;
};

namespace {
const QByteArray ReadOnlyBytes = "kept\r\n";
} // namespace

SpecialFiles::SpecialFiles(const QString& folder) : system_(std::make_unique<System>()) {
    const QString pipe =
        QStringLiteral(R"(\\.\pipe\tessra-test-%1)").arg(QCoreApplication::applicationPid());
    system_->pipe = CreateNamedPipeW(reinterpret_cast<LPCWSTR>(pipe.utf16()), PIPE_ACCESS_DUPLEX,
                                     PIPE_TYPE_BYTE | PIPE_NOWAIT, 1, 4096, 4096, 0, nullptr);
    EXPECT_NE(system_->pipe, INVALID_HANDLE_VALUE);
    const QDir dir(folder);
    system_->readOnly = dir.filePath("read-only.sav");
    QFile readOnly(system_->readOnly);
    EXPECT_TRUE(readOnly.open(QIODevice::WriteOnly) && readOnly.write(ReadOnlyBytes) > 0);
    readOnly.close();
    EXPECT_TRUE(readOnly.setPermissions(QFileDevice::ReadOwner));
    targets_ = {{"SaveAs", system_->readOnly, "is read-only"},
                {"Load", pipe},
                {"SaveAs", pipe},
                {"Load", dir.filePath("CON")},
                {"SaveAs", dir.filePath("NUL")},
                {"Load", dir.filePath("NUL")},
                {"SaveAs", dir.filePath("COM1")}};
}

SpecialFiles::~SpecialFiles() {
    CloseHandle(system_->pipe);
}

// Nobody has connected to the pipe: a client that did, even one gone since,
// would leave it connected or closing instead of listening. (The pipe does
// not wait: asked, it answers at once.) The read-only file holds what it did.
bool SpecialFiles::Intact() const {
    QFile readOnly(system_->readOnly);
    return !ConnectNamedPipe(system_->pipe, nullptr) && GetLastError() == ERROR_PIPE_LISTENING &&
           readOnly.open(QIODevice::ReadOnly) && readOnly.readAll() == ReadOnlyBytes;
}

struct FailingSaves::System {
    HANDLE held = INVALID_HANDLE_VALUE;
};

FailingSaves::FailingSaves(const QString& path) : system_(std::make_unique<System>()) {
    system_->held = CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()),
                                GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(system_->held, INVALID_HANDLE_VALUE);
}

FailingSaves::~FailingSaves() {
    CloseHandle(system_->held);
}

} // namespace tessra::test
