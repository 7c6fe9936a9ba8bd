// The per-user settings store: the registry on Windows, a file in the user's configuration
// folder elsewhere, addressed by section and value name under the program's own name.
#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace seraphel {

class SettingsStore final {
public:
    // Opens the store. onlyInstance: no other instance of the program runs, so a lock found
    // where the store writes under one is a leftover of a crash, taken over at once.
    explicit SettingsStore(bool onlyInstance);
    ~SettingsStore();

    // A missing value reads as an empty string; failures are not reported.
    QString read(const QString& section, const QString& name) const;
    void write(const QString& section, const QString& name, const QString& value);

private:
    // None when what stands at the file's place cannot be read, or when its lock could only
    // be had by waiting: the store is then not used this time, as one that fails.
    std::unique_ptr<QSettings> m_settings;
};

} // namespace seraphel
