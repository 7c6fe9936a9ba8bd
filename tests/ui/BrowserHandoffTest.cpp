// On a real display, Help -> "&Online Help" hands exactly the help page's address to the
// user's browser. On X, Qt passes web addresses to xdg-open, which, with no desktop environment
// and no registered browser, runs $BROWSER: here a script that writes down what it was given.
// On Windows, Qt asks the shell to "Open" the address, which runs the command registered for
// https: here this test program itself, started with --record, writing the address down.
#include "HelpMenus.h"
#include "PageTriggers.h"
#include "QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace seraphel {
namespace {

constexpr int kBrowserStartLimitMs = 5000;
// wine may take a good while to show its first window.
constexpr int kWindowShownLimitMs = 30000;

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class BrowserHandoffTest final : public QObject {
    Q_OBJECT

private slots:
    void onlineHelpOpensTheHelpPageInTheBrowser();
};

namespace {

#ifdef Q_OS_WIN

constexpr char kExpectedPlatform[] = "windows";
// The command the shell runs to open https addresses. wine looks only at the machine's classes,
// not the user's, so the test registers its recorder there and puts the old command back after.
const QString kHttpsOpenCommand = QStringLiteral("HKEY_CLASSES_ROOT\\https\\shell\\open\\command");

bool InstallRecordingBrowser(const QString& folder, std::function<void()>& uninstall) {
    QSettings command(kHttpsOpenCommand, QSettings::NativeFormat);
    const QVariant previous = command.value(QStringLiteral("Default"));
    command.setValue(QStringLiteral("Default"),
                     QStringLiteral("\"%1\" --record \"%2\" \"%3\"")
                         .arg(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()),
                              QDir::toNativeSeparators(folder + QStringLiteral("/opened.txt")), QStringLiteral("%1")));
    command.sync();
    uninstall = [previous] {
        QSettings restored(kHttpsOpenCommand, QSettings::NativeFormat);
        if (previous.isValid()) {
            restored.setValue(QStringLiteral("Default"), previous);
        } else {
            restored.remove(QStringLiteral("Default"));
        }
    };
    return command.status() == QSettings::NoError;
}

#else

constexpr char kExpectedPlatform[] = "xcb";

// The browser stand-in appends each address it is asked to open, one a line.
constexpr char kRecorderScript[] = "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened.txt\"\n";

bool InstallRecordingBrowser(const QString& folder, std::function<void()>&) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) {
        qWarning("xdg-utils is not installed");
        return false;
    }
    const QString recorder = folder + QStringLiteral("/record-browser");
    QFile script(recorder);
    if (!script.open(QIODevice::WriteOnly)) {
        return false;
    }
    script.write(kRecorderScript);
    script.close();
    // xdg-open reads these when it starts: no desktop environment, no handler registered for
    // https anywhere it looks, so the choice falls to $BROWSER.
    const QByteArray empty = folder.toLocal8Bit();
    qputenv("BROWSER", recorder.toLocal8Bit());
    qputenv("XDG_CURRENT_DESKTOP", "X-Generic");
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
        qputenv(variable, empty);
    }
    return script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

#endif

} // namespace

void BrowserHandoffTest::onlineHelpOpensTheHelpPageInTheBrowser() {
    QCOMPARE(QGuiApplication::platformName(), QString::fromLatin1(kExpectedPlatform));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    std::function<void()> uninstall = [] {};
    const auto uninstallAtTheEnd = qScopeGuard([&uninstall] { uninstall(); });
    QVERIFY(InstallRecordingBrowser(folder.path(), uninstall));

    QtPlatform platform;
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    new HelpMenus(platform, *window.menuBar(), HelpMenuVariant::MainWindow, window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window, kWindowShownLimitMs));

    QVERIFY(test::TriggerControl(window, QStringLiteral("mnuOnline")));
    QTRY_COMPARE_WITH_TIMEOUT(ReadAll(folder.filePath(QStringLiteral("opened.txt"))),
                              test::ExpectedPageAddress("help-web-page") + QLatin1Char('\n'), kBrowserStartLimitMs);
}

} // namespace seraphel

// Started as the browser with --record <file> <address>: appends the address to the file.
int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--record") == 0) {
        QFile opened(QString::fromLocal8Bit(argv[2]));
        return opened.open(QIODevice::Append) && opened.write(QByteArray(argv[3]) + '\n') > 0 ? 0 : 1;
    }
    QApplication application(argc, argv);
    seraphel::BrowserHandoffTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "BrowserHandoffTest.moc"
