// File-system faults that tests put in the program's way, where the system has them: Windows
// has no named pipes in its file system and no superuser who writes past every permission.
#pragma once

#include <QString>

namespace seraphel::testing {

// True where the file system can hold named pipes (and QFile::link makes real symbolic links).
bool HasPosixFileSystem();
// Makes a named pipe at path; false where it cannot be made.
bool MakeNamedPipe(const QString& path);
// While it lives, no file this process writes grows past a size: the disk seems full there,
// where the process ignores SIGXFSZ; otherwise the system ends the process at the limit.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    // False where the system has no such limit.
    bool inForce() const { return m_inForce; }

private:
    bool m_inForce = false;
    qint64 m_saved = 0;
};

// Whether the test runs as the superuser, whom no permission stops from writing.
bool RunsAsSuperuser();

} // namespace seraphel::testing
