// The claim by lock files in a folder that only the user can write.
#include "InstanceLock.h"
#include "InstanceLockFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace seraphel {
namespace {

// Whether path is a folder of the user's, and not a link to one, in which nobody else can put
// or remove a lock.
bool OnlyTheUserWrites(const QString& path) {
    struct stat folder {};
    return ::lstat(QFile::encodeName(path).constData(), &folder) == 0 && S_ISDIR(folder.st_mode) &&
           folder.st_uid == ::geteuid() && (folder.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The runtime folder, which is made for such files and which Qt accepts only as the user's
// alone; where there is none, the program's own folder in the user's cache, made for the user
// alone, rather than a temporary folder that every user shares. Empty when neither can be had.
QString LockFolder(const QString& applicationName) {
    if (QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation); !runtime.isEmpty()) {
        return runtime;
    }
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString folder = cache + QLatin1Char('/') + applicationName;
    QDir().mkpath(cache);
    QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return OnlyTheUserWrites(folder) ? folder : QString();
}

} // namespace

struct InstanceLock::Hold {
    explicit Hold(std::vector<std::unique_ptr<InstanceLockFile>> held)
        : files(std::move(held)) {}

    std::vector<std::unique_ptr<InstanceLockFile>> files; // the ones held
};

InstanceLock::InstanceLock(const QString& applicationName)
    : m_applicationName(applicationName) {}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::claimAnew() {
    const QString folder = LockFolder(m_applicationName);
    if (folder.isEmpty()) {
        return true; // nowhere to hold the claim: run without it
    }
    // Every place that can hold a lock is claimed, so that an instance is found at any place a
    // later start can use. Every start goes in the same order and, at the first place that
    // another holds, gives up the places it got: two starts at the same moment never both run.
    std::vector<std::unique_ptr<InstanceLockFile>> claimed;
    for (const QString& suffix : {QStringLiteral(".lock"), QStringLiteral("-spare.lock")}) {
        auto file = std::make_unique<InstanceLockFile>(folder + QLatin1Char('/') + m_applicationName + suffix);
        const InstanceLockFile::Claim result = file->claim();
        if (result == InstanceLockFile::Claim::Refused) {
            return false; // the places got so far are given up with their files
        }
        if (result == InstanceLockFile::Claim::Held) {
            claimed.push_back(std::move(file));
        }
    }
    if (!claimed.empty()) {
        m_hold = std::make_unique<Hold>(std::move(claimed));
    }
    return true;
}

} // namespace seraphel
