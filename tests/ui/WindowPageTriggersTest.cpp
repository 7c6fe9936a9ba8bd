// Every control of the main and the result window that opens a web page, the about box
// and the report window, driven on the real windows through the recording platform.
#include "FakePlatform.h"
#include "FindFlow.h"
#include "PageTriggers.h"
#include "WindowTesting.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include <functional>

namespace seraphel {
namespace {

using testing::Child;

// The promotional labels of both windows; the two bottom ones lie on each other, so the test
// brings the one it clicks to the front first, as start-up may.
constexpr std::array<test::PageTrigger, 3> kPromotionalTriggers{{
    {"Label61", "home-page"},
    {"lblCobrand", "co-brand"},
    {"lblFullBrand", "fully-branded"},
}};

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

    void verifyTrigger(QWidget& window, const test::PageTrigger& trigger) {
        if (auto* label = window.findChild<QLabel*>(QString::fromLatin1(trigger.objectName))) {
            label->raise();
        }
        const QString expected = test::ExpectedPageAddress(trigger.pageKey);
        for (int time = 1; time <= 2; ++time) {
            QVERIFY2(test::TriggerControl(window, QString::fromLatin1(trigger.objectName)), trigger.objectName);
            QCOMPARE(m_program.platform.openedAddresses, QStringList(time, expected));
        }
        QVERIFY(m_program.platform.modalDialogs.isEmpty());
    }

private slots:
    void init() { m_program.start(); }
    void cleanup() { m_program.stop(); }

    void everyTriggerOpensItsPageOncePerTrigger_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<int>("row");
        const auto addRows = [](const char* windowName, Window window, auto& table) {
            for (std::size_t row = 0; row < table.size(); ++row) {
                QTest::addRow("%s %s", windowName, table[row].objectName) << window << static_cast<int>(row);
            }
        };
        for (const auto& [name, window] : {std::pair{"main", Window::Main}, std::pair{"result", Window::Result}}) {
            addRows(name, window, test::kMenuPageTriggers);
            addRows(name, window, kPromotionalTriggers);
        }
    }

    void everyTriggerOpensItsPageOncePerTrigger() {
        QFETCH(Window, window);
        QFETCH(int, row);
        const auto menuRows = static_cast<int>(test::kMenuPageTriggers.size());
        const test::PageTrigger& trigger = row < menuRows
                                               ? test::kMenuPageTriggers[static_cast<std::size_t>(row)]
                                               : kPromotionalTriggers[static_cast<std::size_t>(row - menuRows)];
        QWidget& shown = show(window);
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        verifyTrigger(shown, trigger);
    }

    void aboutBoxOpensModallyAndLeavesTheWindowAsItWas_data() {
        QTest::addColumn<Window>("window");
        QTest::newRow("main") << Window::Main;
        QTest::newRow("result") << Window::Result;
    }

    void aboutBoxOpensModallyAndLeavesTheWindowAsItWas() {
        QFETCH(Window, window);
        QWidget& shown = show(window);
        if (window == Window::Main) {
            QTest::keyClicks(&Child<QLineEdit>(shown, "txtName"), QStringLiteral("mary"));
            Child<QComboBox>(shown, "cboMonth").setCurrentIndex(4);
        }
        const QString shownAngel = window == Window::Result ? Child<QLabel>(shown, "lblDobAngel").text() : QString();

        bool overTheWindow = false;
        m_program.platform.whileModalIsShown = [&](QDialog& about) { overTheWindow = about.parentWidget() == &shown; };
        QVERIFY(test::TriggerControl(shown, QStringLiteral("mnuAbout")));
        QCOMPARE(m_program.platform.modalDialogs, QStringList{QStringLiteral("frmAbout")});
        QVERIFY(overTheWindow);
        QVERIFY(shown.isVisible());
        if (window == Window::Main) {
            QCOMPARE(Child<QLineEdit>(shown, "txtName").text(), QStringLiteral("MARY"));
            QCOMPARE(Child<QComboBox>(shown, "cboMonth").currentText(), QStringLiteral("May"));
        } else {
            QCOMPARE(Child<QLabel>(shown, "lblDobAngel").text(), shownAngel);
        }
    }

    void printButtonAndMenuOpenTheReportOfWhatTheWindowShows_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("button") << QStringLiteral("cmdPrint");
        QTest::newRow("menu") << QStringLiteral("mnuPrint");
    }

    void printButtonAndMenuOpenTheReportOfWhatTheWindowShows() {
        QFETCH(QString, control);
        auto& result = static_cast<frmDisplay&>(show(Window::Result));
        QVERIFY(QTest::qWaitForWindowExposed(&result));
        Child<QLabel>(result, "lblSunSignName").setText(QStringLiteral("Shown Sign"));

        QString report;
        m_program.platform.whileModalIsShown = [&](QDialog& dialog) {
            report = Child<QTextEdit>(dialog, "RTB").toPlainText();
        };
        QVERIFY(test::TriggerControl(result, control));
        QCOMPARE(m_program.platform.modalDialogs, QStringList{QStringLiteral("frmSave")});
        QVERIFY2(report.contains(QStringLiteral("Your Sun Sign : Shown Sign")), qPrintable(report));
        QVERIFY(report.contains(Child<QLabel>(result, "lblDobAngel").text()));
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::WindowPageTriggersTest)
#include "WindowPageTriggersTest.moc"
