// The main function of a test of the real settings store: the store lives in a temporary
// configuration folder, which must be set before anything opens a settings file, since
// QSettings takes the folder once, at its first use.
#pragma once

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace seraphel::testing {

// Runs the Qt Test object Test, made with the configuration folder's path.
template <typename Test> int RunInTemporaryConfigFolder(int argc, char** argv) {
    QTemporaryDir configFolder;
    if (!configFolder.isValid()) {
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configFolder.path()));
    QApplication application(argc, argv);
    Test test(configFolder.path());
    return QTest::qExec(&test, argc, argv);
}

} // namespace seraphel::testing
