#include "InstanceLockFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <utility>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Contended: another start holds the lock or is taking it over at this moment, and will run.
enum class Removal { Done, Failed, Contended };

// The lock at path, opened without following a link or waiting on a pipe; -1 when it cannot be.
int OpenLock(const QByteArray& path) {
    return ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
}

// A holder keeps its lock flocked from its creation on, as does a start removing a damaged lock.
// Looking shares the flock, so that two starts looking at once do not take each other for holders.
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
        removal = errno == EWOULDBLOCK ? Removal::Contended : Removal::Failed;
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

} // namespace

InstanceLockFile::InstanceLockFile(const QString& path)
    : m_path(path)
    , m_lock(path) {
    // A lock left by a killed process is detected as stale and taken over. Without an age
    // limit, since an age limit would take a running instance's lock as well.
    m_lock.setStaleLockTime(0);
}

InstanceLockFile::Claim InstanceLockFile::claim() {
    if (m_lock.isLocked()) {
        return Claim::Held;
    }
    // Only a regular file can be an instance's lock. Anything else there (a folder, or a pipe,
    // whose reading would wait for ever) holds nobody, and leaves no room for a lock.
    if (const QFileInfo existing(m_path); existing.exists() && !existing.isFile()) {
        return Claim::Unusable;
    }
    Attempt result = attempt();
    if (result == Attempt::Damaged) {
        if (m_beforeTakeover) {
            m_beforeTakeover();
        }
        // After a removal that failed, what is at the lock's place now decides.
        result = RemoveDamagedLock(m_lock, m_path) == Removal::Contended ? Attempt::Refused : attempt();
    }
    if (result == Attempt::Held) {
        return Claim::Held;
    }
    // Still damaged: a lock that could not be removed.
    return result == Attempt::Refused ? Claim::Refused : Claim::Unusable;
}

bool InstanceLockFile::held() const {
    return m_lock.isLocked();
}

void InstanceLockFile::setBeforeTakeover(std::function<void()> hook) {
    m_beforeTakeover = std::move(hook);
}

InstanceLockFile::Attempt InstanceLockFile::attempt() {
    if (m_lock.tryLock(0)) {
        return Attempt::Held;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        return Attempt::Unwritable; // no writable folder
    }
    if (LockedByAProcess(m_path) || NamesAnInstance(m_lock, m_path)) {
        return Attempt::Refused;
    }
    // Left empty by a crash, or garbage: it would otherwise refuse every start.
    return Attempt::Damaged;
}

} // namespace seraphel
