// On a real X display with a dead-key layout (US international), a dead acute then "e"
// reaches the name box composed, as an input-method commit: the key filter refuses the
// accented letter as it refuses it typed on a key of its own.
#include "WindowTesting.h"
#include "frmMain.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

namespace seraphel {
namespace {

QStringList Words(const char* line) {
    return QString::fromLatin1(line).split(QLatin1Char(' '));
}

} // namespace

class DeadKeyTest final : public QObject {
    Q_OBJECT

private slots:
    void aComposedAccentedLetterIsRefused();
};

void DeadKeyTest::aComposedAccentedLetterIsRefused() {
#ifdef Q_OS_WIN
    QSKIP("the dead key is made by X's keyboard layout (setxkbmap) and composed by Qt's X input method, "
          "neither of which a Windows program uses");
#endif
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    // The apostrophe key becomes a dead acute; the program follows the change of layout.
    QCOMPARE(QProcess::execute(QStringLiteral("setxkbmap"), Words("-layout us -variant intl")), 0);

    testing::ProgramUnderTest program;
    program.start();
    auto* window = new frmMain(program.session());
    window->showCentred();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    const auto& nameBox = testing::Child<QLineEdit>(*window, "txtName");
    QVERIFY(nameBox.hasFocus());

    // Typed while the window handles its events, as a person types.
    QProcess typing;
    typing.start(QStringLiteral("xdotool"), Words("key --delay 40 a dead_acute e b"));
    QVERIFY(typing.waitForStarted());
    QTRY_COMPARE(typing.state(), QProcess::NotRunning);
    QCOMPARE(typing.exitCode(), 0);
    QTRY_COMPARE(nameBox.text(), QStringLiteral("AB"));
    QCOMPARE(program.messages(), QStringList{QStringLiteral("Please Enter only Letters")});
    program.stop();
}

} // namespace seraphel

QTEST_MAIN(seraphel::DeadKeyTest)
#include "DeadKeyTest.moc"
