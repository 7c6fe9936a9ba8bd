// The main function of a test of the real settings store: the store lives in a temporary
// configuration folder, which must be set before anything opens a settings file, since
// QSettings takes the folder once, at its first use. A temporary runtime folder holds the
// instance lock of a test that claims it. On Windows the store is the registry, which outlives
// the test: it is emptied before and after.
#pragma once

#include "ApplicationName.h"
#include "StoreReadBack.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace seraphel::testing {

// Empties the configuration folder and the store, as before the first start.
inline void EmptyConfigFolder(const QString& configFolder) {
    QDir folder(configFolder);
    folder.removeRecursively();
    folder.mkpath(configFolder);
    ClearStore(ApplicationName());
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
    ClearStore(ApplicationName());
    Test test(configFolder.path());
    const int failures = QTest::qExec(&test, argc, argv);
    ClearStore(ApplicationName());
    return failures;
}

} // namespace seraphel::testing
