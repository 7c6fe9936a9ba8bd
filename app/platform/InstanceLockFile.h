// One lock file of the single-instance claim, held while the program runs. A lock left by a
// killed instance, or left empty or damaged by a crash while it was written, is taken over; a
// lock that a running instance holds, or has just begun to write, refuses the claim. Two starts
// that find the same damaged lock never both get through.
#pragma once

#include <QLockFile>
#include <QString>

#include <functional>

namespace seraphel {

class InstanceLockFile final {
public:
    // Unusable: nothing can hold a lock at this place (no writable folder, something other than
    // a file there, a damaged lock that cannot be removed).
    enum class Claim { Held, Refused, Unusable };

    explicit InstanceLockFile(const QString& path);

    // Refused when another instance holds the lock.
    Claim claim();
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
