#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace tessra::test {

// What a load or a save must refuse at once and leave as it was: paths that
// name no file on a disk, made in `folder` for a test. On POSIX systems a
// named pipe, which would block an open until somebody writes to it, and a
// link to it, through which a save would replace the pipe with a file. On
// Windows a named pipe that this process serves, the console and the null
// and serial devices, which Windows finds in every folder, and a read-only
// file, which a save must not replace.
class SpecialFiles {
  public:
    struct Target {
        const char* menuItem; // "Load" or "SaveAs"
        QString path;
        const char* why = "not a regular file"; // in the message
    };

    explicit SpecialFiles(const QString& folder);
    SpecialFiles(const SpecialFiles&) = delete;
    SpecialFiles& operator=(const SpecialFiles&) = delete;
    ~SpecialFiles();

    const std::vector<Target>& Targets() const { return targets_; }
    // Each is still what it was made as.
    bool Intact() const;

  private:
    struct System;
    std::unique_ptr<System> system_;
    std::vector<Target> targets_;
};

// Makes every save to `path` fail after it has begun, for as long as it
// lives, as a full disk would. On POSIX systems a file size limit (`ulimit
// -f`) stops the write part-way; on Windows, which has no such limit,
// another program holds the file open and shares it with nobody, so that
// the file written beside it cannot take its place.
class FailingSaves {
  public:
    explicit FailingSaves(const QString& path);
    FailingSaves(const FailingSaves&) = delete;
    FailingSaves& operator=(const FailingSaves&) = delete;
    ~FailingSaves();

  private:
    struct System;
    std::unique_ptr<System> system_;
};

} // namespace tessra::test
