// The single-instance claim, held while the program runs, in a place that no other user shares:
// on Windows a mutex named in the user's session, which no file can block; elsewhere lock files
// (InstanceLockFile) in a folder that only the user can write, the first with a spare beside it
// for when something other than a file stands at its place.
#pragma once

#include <QString>

#include <memory>

namespace seraphel {

class InstanceLock final {
public:
    explicit InstanceLock(const QString& applicationName);
    ~InstanceLock();

    // True when no other instance runs: the claim is then held or, where nothing can hold it (no
    // writable folder, nothing but other things at every place), the program runs without it.
    bool claim() { return held() || claimAnew(); }
    bool held() const { return m_hold != nullptr; }

private:
    struct Hold; // what the platform holds the claim by, once it has it

    // Sets m_hold when the platform's claim is held.
    bool claimAnew();

    QString m_applicationName;
    std::unique_ptr<Hold> m_hold;
};

} // namespace seraphel
