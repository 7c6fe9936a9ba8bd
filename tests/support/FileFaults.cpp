#include "FileFaults.h"

#include <QFile>

#ifndef Q_OS_WIN
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace seraphel::testing {

#ifdef Q_OS_WIN

bool HasPosixFileSystem() {
    return false;
}

bool MakeNamedPipe(const QString&) {
    return false;
}

bool RunsAsSuperuser() {
    return false;
}

FileSizeLimit::FileSizeLimit(qint64) {}

FileSizeLimit::~FileSizeLimit() = default;

#else

bool HasPosixFileSystem() {
    return true;
}

bool MakeNamedPipe(const QString& path) {
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool RunsAsSuperuser() {
    return geteuid() == 0;
}

FileSizeLimit::FileSizeLimit(qint64 bytes) {
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0) {
        return;
    }
    m_saved = static_cast<qint64>(limit.rlim_cur);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    m_inForce = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    if (m_inForce && getrlimit(RLIMIT_FSIZE, &limit) == 0) {
        limit.rlim_cur = static_cast<rlim_t>(m_saved);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
}

#endif

} // namespace seraphel::testing
