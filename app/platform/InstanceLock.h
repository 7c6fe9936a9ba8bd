// The single-instance claim: a lock file in a per-user folder, held while the program runs.
// A lock left by a killed instance, or left empty or damaged by a crash while it was written,
// is taken over; a lock that a running instance holds, or has just begun to write, refuses
// the claim. Two starts that find the same damaged lock never both get through.
#pragma once

#include <QLockFile>
#include <QString>

#include <functional>

namespace seraphel {

// Where the program named applicationName keeps its lock: in the runtime folder, which is made
// for such files, and on Windows, whose runtime location is the home folder, among the
// program's local data.
QString InstanceLockPath(const QString& applicationName);

class InstanceLock final {
public:
    explicit InstanceLock(const QString& path);
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when no other instance runs: the lock is held from then on, or, where nothing can
    // hold it (no writable folder, something other than a file at its place, a damaged lock
    // that cannot be removed), the program runs without it. False when another instance holds it.
    bool claim();
    // Whether this object holds the lock, so that no other instance of the program runs.
    bool held() const;

    // Runs when a damaged lock has been found to name no running instance, before it is taken
    // over: lets a test bring in another start at the worst moment.
    void setBeforeTakeover(std::function<void()> hook);

private:
    enum class Attempt { Held, Refused, Damaged, Unwritable };
    Attempt attempt();

    QString m_path;
    QLockFile m_lock;
    std::function<void()> m_beforeTakeover;
};

} // namespace seraphel
