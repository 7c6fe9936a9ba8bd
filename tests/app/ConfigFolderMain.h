// The main function of a test of the real settings store: the store lives in a temporary
// configuration folder, which must be set before anything opens a settings file, since
// QSettings takes the folder once, at its first use. A temporary runtime folder holds the
// instance lock of a test that claims it.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace seraphel::testing {

// Empties the configuration folder, as before the first start.
inline void EmptyConfigFolder(const QString& configFolder) {
    QDir folder(configFolder);
    folder.removeRecursively();
    folder.mkpath(configFolder);
}

// Runs the Qt Test object Test, made with the configuration folder's path.
template <typename Test> int RunInTemporaryConfigFolder(int argc, char** argv) {
    QTemporaryDir configFolder;
    QTemporaryDir runtimeFolder;
    if (!configFolder.isValid() || !runtimeFolder.isValid()) {
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configFolder.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    QApplication application(argc, argv);
    Test test(configFolder.path());
    return QTest::qExec(&test, argc, argv);
}

} // namespace seraphel::testing
