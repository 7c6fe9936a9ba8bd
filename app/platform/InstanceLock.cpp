#include "InstanceLock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace seraphel {
namespace {

// A lock that the holder has not finished writing reads as damaged for a moment.
constexpr qint64 kLockWritingSeconds = 2;

// Whether a lock that could not be taken says that it belongs to an instance: its content names
// its process (the lock's own check found that process running), or it was written a moment ago.
bool NamesAnInstance(const QLockFile& lock, const QString& path) {
    qint64 process = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&process, &host, &application)) {
        return true;
    }
    const QDateTime written = QFileInfo(path).lastModified();
    const qint64 age = written.isValid() ? written.secsTo(QDateTime::currentDateTime()) : kLockWritingSeconds;
    return age >= 0 && age < kLockWritingSeconds;
}

// How the removal of a damaged lock went. Contended: another start holds the lock or is taking
// it over at this moment, and will run.
enum class Removal { Done, Failed, Contended };

#ifdef Q_OS_WIN

// A holder keeps its lock open and lets nobody remove it: a lock that can be removed is
// nobody's, whatever it says, and no other sign of a holder is needed.
bool LockedByAProcess(const QString&) {
    return false;
}

Removal RemoveDamagedLock(QLockFile& lock, const QString&) {
    return lock.removeStaleLockFile() ? Removal::Done : Removal::Failed;
}

#else

// The lock at path, opened without following a link or waiting on a pipe; -1 when it cannot be.
int OpenLock(const QByteArray& path) {
    return ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
}

// A holder keeps its lock flocked from the moment it creates it, and so does a start that is
// removing a damaged lock. Looking shares the flock, so that two starts looking at once do not
// take each other for holders.
bool LockedByAProcess(const QString& path) {
    const int file = OpenLock(QFile::encodeName(path));
    if (file < 0) {
        return false;
    }
    const bool locked = ::flock(file, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(file);
    return locked;
}

// Whether the file opened is still the file at path, and not one put there since.
bool StillAtPlace(int file, const QByteArray& path) {
    struct stat opened {};
    struct stat atPlace {};
    return ::fstat(file, &opened) == 0 && ::lstat(path.constData(), &atPlace) == 0 && opened.st_dev == atPlace.st_dev &&
           opened.st_ino == atPlace.st_ino;
}

// Removes the damaged lock only while the file at its place is still a damaged lock: another
// start may have taken it over since it was judged, and put its own lock there. Under the flock
// of the file that is at the place now, no other start can remove or replace it, so the file
// judged here is the file removed.
Removal RemoveDamagedLock(const QLockFile& lock, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int file = OpenLock(name);
    if (file < 0) {
        return Removal::Failed;
    }
    Removal removal = Removal::Failed;
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            removal = Removal::Contended;
        }
    } else if (StillAtPlace(file, name)) {
        if (NamesAnInstance(lock, path)) {
            removal = Removal::Contended; // written since it was judged
        } else if (::unlink(name.constData()) == 0) {
            removal = Removal::Done;
        }
    }
    ::close(file);
    return removal;
}

#endif

} // namespace

QString InstanceLockPath(const QString& applicationName) {
#ifdef Q_OS_WIN
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') + applicationName;
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
#endif
    return folder + QLatin1Char('/') + applicationName + QStringLiteral(".lock");
}

InstanceLock::InstanceLock(const QString& path)
    : m_path(path)
    , m_lock(path) {
    // A lock left by a killed process is detected as stale and taken over. Without an age
    // limit, since an age limit would take a running instance's lock as well.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::claim() {
    if (m_lock.isLocked()) {
        return true;
    }
    // Only a regular file can be an instance's lock. Anything else there (a folder, or a pipe,
    // whose reading would wait for ever) holds nobody: run without the claim.
    if (const QFileInfo existing(m_path); existing.exists() && !existing.isFile()) {
        return true;
    }
    // The folder may be the program's own, which does not exist before its first start.
    QDir().mkpath(QFileInfo(m_path).path());
    Attempt result = attempt();
    if (result == Attempt::Damaged) {
        if (m_beforeTakeover) {
            m_beforeTakeover();
        }
        // After a removal that failed, what is at the lock's place now decides.
        result = RemoveDamagedLock(m_lock, m_path) == Removal::Contended ? Attempt::Refused : attempt();
    }
    return result != Attempt::Refused;
}

bool InstanceLock::held() const {
    return m_lock.isLocked();
}

void InstanceLock::setBeforeTakeover(std::function<void()> hook) {
    m_beforeTakeover = std::move(hook);
}

InstanceLock::Attempt InstanceLock::attempt() {
    if (m_lock.tryLock(0)) {
        return Attempt::Held;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        return Attempt::Unwritable; // no writable folder: run rather than refuse to start
    }
    if (LockedByAProcess(m_path) || NamesAnInstance(m_lock, m_path)) {
        return Attempt::Refused;
    }
    // Left empty by a crash, or garbage: it would otherwise refuse every start.
    return Attempt::Damaged;
}

} // namespace seraphel
