#include "SettingsStore.h"

#include "ApplicationName.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace seraphel {
namespace {

bool IsFileOrNothing(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() || !info.exists();
}

// Whether the store can be written without waiting on its lock, which a crash during a write leaves
// in the way for half a minute. Only an instance of the program writes the store: while this one is
// the only one, a lock there is such a leftover and is taken over at once; else it may be in use.
bool StoreLockFree(const QString& path, bool onlyInstance) {
    const QFileInfo lock(path);
    if (!lock.exists() && !lock.isSymLink()) {
        return true;
    }
    return onlyInstance && QFile::remove(path);
}

} // namespace

SettingsStore::SettingsStore(bool onlyInstance) {
    // Where the store keeps its file and the lock it writes under, on systems without a
    // registry. Reading a pipe there would wait for ever, before any window shows, and a
    // folder cannot be read at all: with anything but a file there, nothing is stored.
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
                         ApplicationName() + QLatin1Char('/') + ApplicationName() + QStringLiteral(".conf");
    const QString lock = file + QStringLiteral(".lock");
    if (!IsFileOrNothing(file) || !IsFileOrNothing(lock) || !StoreLockFree(lock, onlyInstance)) {
        return;
    }
    // The application name as both organisation and application: the registry key
    // HKEY_CURRENT_USER\Software\<name>\<name> with one subkey per section on Windows,
    // ~/.config/<name>/<name>.conf elsewhere. An organisation alone would put the values
    // under "OrganizationDefaults" on Windows.
    m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, ApplicationName(),
                                             ApplicationName());
    // Only the user's own store: no system-wide file or machine key is read.
    m_settings->setFallbacksEnabled(false);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(const QString& section, const QString& name) const {
    return m_settings ? m_settings->value(section + QLatin1Char('/') + name).toString() : QString();
}

void SettingsStore::write(const QString& section, const QString& name, const QString& value) {
    if (m_settings) {
        m_settings->setValue(section + QLatin1Char('/') + name, value);
        m_settings->sync();
    }
}

} // namespace seraphel
