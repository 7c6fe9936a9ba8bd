// The single-instance claim, held while the program runs, in a place of the user's own that no
// other user shares: on Windows a mutex named in the user's session, which no file can block;
// elsewhere lock files (InstanceLockFile) in a folder that only the user can write, the runtime
// folder or, where the desktop gives none, a folder of the program's own in the user's cache.
// The first lock file has a second one beside it, for when something other than a file stands
// at its place; a start claims every place that can hold a lock, so that two starts that find
// different things at the places still never both run.
#pragma once

#include <QString>

#include <memory>

namespace seraphel {

class InstanceLock final {
public:
    explicit InstanceLock(const QString& applicationName);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when no other instance runs: the claim is held from then on, or, where nothing can
    // hold it (no writable folder, nothing but other things at every place), the program runs
    // without it. False when another instance holds it.
    bool claim();
    // Whether this object holds the claim, so that no other instance of the program runs.
    bool held() const;

private:
    struct Hold; // what the platform holds the claim by

    QString m_applicationName;
    std::unique_ptr<Hold> m_hold;
};

} // namespace seraphel
