// Reads the program's settings store back as the system keeps it, without Qt's settings
// classes: on Windows the registry key HKEY_CURRENT_USER\Software\<name>\<name>\<section>,
// exported by reg.exe; elsewhere the INI file ~/.config/<name>/<name>.conf, read by Python's
// INI reader (read_ini.py).
#pragma once

#include <QMap>
#include <QString>

namespace seraphel::testing {

// The values of one section, by name; empty when the section or the store is missing.
QMap<QString, QString> ReadStoredSection(const QString& applicationName, const QString& section);

// Removes everything the store holds for the application, so that a test starts from a first run.
void ClearStore(const QString& applicationName);

} // namespace seraphel::testing
