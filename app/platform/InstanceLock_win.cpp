// The claim on Windows: a named mutex in the user's session. The system removes it with the
// last handle, which a killed instance's end closes, and it lives in no folder in which a file
// could stand in its way.
#include "InstanceLock.h"

#include <windows.h>

#include <string>

namespace seraphel {

struct InstanceLock::Hold {
    explicit Hold(HANDLE held)
        : mutex(held) {}
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    ~Hold() { CloseHandle(mutex); }

    HANDLE mutex; // open until the program ends
};

InstanceLock::InstanceLock(const QString& applicationName)
    : m_applicationName(applicationName) {}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::claimAnew() {
    const std::wstring name =
        (QStringLiteral("Local\\") + m_applicationName + QStringLiteral(".instance")).toStdWString();
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    if (mutex == nullptr) {
        // Denied: an instance of the user's runs with rights above this one's and keeps it to
        // itself. Any other failure leaves nothing to hold the claim by: run without it.
        return GetLastError() != ERROR_ACCESS_DENIED;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    m_hold = std::make_unique<Hold>(mutex);
    return true;
}

} // namespace seraphel
