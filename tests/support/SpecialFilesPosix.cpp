#include "support/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace tessra::test {

struct SpecialFiles::System {
    QString pipe;
};

SpecialFiles::SpecialFiles(const QString& folder) : system_(std::make_unique<System>()) {
    system_->pipe = QDir(folder).filePath("pipe.sav");
    const QString link = QDir(folder).filePath("to-pipe.sav");
    EXPECT_EQ(mkfifo(QFile::encodeName(system_->pipe).constData(), 0600), 0);
    EXPECT_TRUE(QFile::link(system_->pipe, link));
    targets_ = {{"Load", system_->pipe}, {"SaveAs", link}};
}

SpecialFiles::~SpecialFiles() = default;

bool SpecialFiles::Intact() const {
    struct stat info {};
    return lstat(QFile::encodeName(system_->pipe).constData(), &info) == 0 &&
           S_ISFIFO(info.st_mode);
}

struct FailingSaves::System {
    rlimit previous{};
};

FailingSaves::FailingSaves(const QString&) : system_(std::make_unique<System>()) {
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &system_->previous), 0);
    rlimit lowered = system_->previous;
    lowered.rlim_cur = 100; // bytes; a puzzle file holds thousands
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &lowered), 0);
}

FailingSaves::~FailingSaves() {
    setrlimit(RLIMIT_FSIZE, &system_->previous);
}

} // namespace tessra::test
