// How the main and the result window wire in what others build: the Help menus of their
// kind (whose items, pages and about box the menus' own test covers) and the report window,
// driven on the real windows through the recording platform.
#include "FakeWindowServices.h"
#include "FindFlow.h"
#include "HelpMenus.h"
#include "PageTriggers.h"
#include "WindowTesting.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>

namespace seraphel {
namespace {

using testing::Child;

enum class Window { Main, Result };

} // namespace

class WindowPageTriggersTest final : public QObject {
    Q_OBJECT

private:
    testing::ProgramUnderTest m_program;

    QWidget& show(Window kind) {
        QWidget* window = nullptr;
        if (kind == Window::Main) {
            window = new frmMain(m_program.session());
        } else {
            BirthDetails details;
            details.birthYear = 1985;
            details.birthMonthName = "March";
            details.birthMonthIndex = 2;
            details.birthDay = 14;
            auto* result = new frmDisplay(m_program.session());
            result->takeOverReading(ReadGuardianAngels(details));
            window = result;
        }
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        return *window;
    }

private slots:
    void init() { m_program.start(); }
    void cleanup() { m_program.stop(); }

    void helpMenusOfTheWindowsKindOpenTheirPages_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<HelpMenuVariant>("kind"); // the two kinds differ in the update item's caption
        QTest::newRow("main") << Window::Main << HelpMenuVariant::MainWindow;
        QTest::newRow("result") << Window::Result << HelpMenuVariant::ResultWindow;
    }

    void helpMenusOfTheWindowsKindOpenTheirPages() {
        QFETCH(Window, window);
        QFETCH(HelpMenuVariant, kind);
        QWidget& shown = show(window);
        QMenuBar menusOfTheKind;
        new HelpMenus(m_program.services, menusOfTheKind, kind, menusOfTheKind);
        QCOMPARE(Child<QAction>(shown, "mnuUpdate").text(), Child<QAction>(menusOfTheKind, "mnuUpdate").text());

        QVERIFY(test::TriggerControl(shown, QStringLiteral("mnuOnline")));
        QCOMPARE(m_program.services.openedAddresses, QStringList{test::ExpectedPageAddress("help-web-page")});
    }

    void printButtonAndMenuOpenTheReportOfTheReading_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("button") << QStringLiteral("cmdPrint");
        QTest::newRow("menu") << QStringLiteral("mnuPrint");
    }

    void printButtonAndMenuOpenTheReportOfTheReading() {
        QFETCH(QString, control);
        auto& result = static_cast<frmDisplay&>(show(Window::Result));
        QVERIFY(QTest::qWaitForWindowExposed(&result));
        m_program.session().angelReading().lblSunSignName = "Shown Sign";

        QString report;
        m_program.services.whileModalIsShown = [&](QDialog& dialog) {
            report = Child<QTextEdit>(dialog, "RTB").toPlainText();
        };
        QVERIFY(test::TriggerControl(result, control));
        QCOMPARE(m_program.services.modalDialogs, QStringList{QStringLiteral("frmSave")});
        QVERIFY2(report.contains(QStringLiteral("Your Sun Sign : Shown Sign")), qPrintable(report));
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::WindowPageTriggersTest)
#include "WindowPageTriggersTest.moc"
