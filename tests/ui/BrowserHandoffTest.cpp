// On a real X display, Help -> "&Online Help" hands exactly the help page's address to the
// user's browser. Qt passes web addresses to xdg-open, which, with no desktop environment and
// no registered browser, runs $BROWSER: here a script that writes down what it was given.
#include "HelpMenus.h"
#include "PageTriggers.h"
#include "QtPlatform.h"

#include <QFile>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace seraphel {
namespace {

constexpr int kBrowserStartLimitMs = 5000;

// The browser stand-in appends each address it is asked to open, one a line.
constexpr char kRecorderScript[] = "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened.txt\"\n";

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

void BrowserHandoffTest::onlineHelpOpensTheHelpPageInTheBrowser() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty(), "xdg-utils is not installed");

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString recorder = folder.filePath(QStringLiteral("record-browser"));
    QFile script(recorder);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(kRecorderScript);
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    // xdg-open reads these when it starts: no desktop environment, no handler registered for
    // https anywhere it looks, so the choice falls to $BROWSER.
    const QByteArray empty = folder.path().toLocal8Bit();
    qputenv("BROWSER", recorder.toLocal8Bit());
    qputenv("XDG_CURRENT_DESKTOP", "X-Generic");
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
        qputenv(variable, empty);
    }

    QtPlatform platform;
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    new HelpMenus(platform, *window.menuBar(), HelpMenuVariant::MainWindow, window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(test::TriggerControl(window, QStringLiteral("mnuOnline")));
    QTRY_COMPARE_WITH_TIMEOUT(ReadAll(folder.filePath(QStringLiteral("opened.txt"))),
                              test::ExpectedPageAddress("help-web-page") + QLatin1Char('\n'), kBrowserStartLimitMs);
}

} // namespace seraphel

QTEST_MAIN(seraphel::BrowserHandoffTest)
#include "BrowserHandoffTest.moc"
