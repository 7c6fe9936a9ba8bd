// The main window's check of the name and the date before a find: that the lists feed the
// engine's check (whose every month and day its own test covers), the messages, where the
// focus goes, and what stays.
#include "FakeWindowServices.h"
#include "Session.h"
#include "WindowTesting.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace seraphel {
namespace {

using testing::Child;

const QString kMissingName = QStringLiteral("Please Enter Your Name");
const QString kBadFebruary = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kBadThirtyDayMonth = QStringLiteral("Please Enter Correct Date Or Month !");

} // namespace

class InputValidationTest final : public QObject {
    Q_OBJECT

private:
    testing::ProgramUnderTest m_program;
    frmMain* m_window = nullptr;

    QLineEdit& nameBox() const { return Child<QLineEdit>(*m_window, "txtName"); }
    QComboBox& list(const char* name) const { return Child<QComboBox>(*m_window, name); }
    QPushButton& findButton() const { return Child<QPushButton>(*m_window, "cmdFindGurdianAngel"); }

    void enter(const QString& name, int month, int day, const QString& year) const {
        nameBox().setText(name);
        list("cboMonth").setCurrentIndex(month);
        list("cboDate").setCurrentIndex(day - 1);
        list("cboYear").setCurrentText(year);
    }

private slots:
    void init() {
        m_program.start();
        m_window = new frmMain(m_program.session());
        m_window->showCentred();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup() { m_program.stop(); }

    // One date of each answer, read from the month, day and year lists as shown.
    void eachAnswerOfTheDateCheck_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("expectedMessage");
        QTest::newRow("2000-12-31") << QStringLiteral("2000") << 11 << 31 << QString();
        QTest::newRow("2000-02-29 leap") << QStringLiteral("2000") << 1 << 29 << QString();
        QTest::newRow("1999-02-29") << QStringLiteral("1999") << 1 << 29 << kBadFebruary;
        QTest::newRow("1999-11-31") << QStringLiteral("1999") << 10 << 31 << kBadThirtyDayMonth;
    }

    void eachAnswerOfTheDateCheck() {
        QFETCH(QString, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, expectedMessage);
        enter(QStringLiteral("ANNA"), month, day, year);
        QCOMPARE(m_window->ValidateInput(), expectedMessage.isEmpty());
        QCOMPARE(m_program.messages(), expectedMessage.isEmpty() ? QStringList{} : QStringList{expectedMessage});
        if (!expectedMessage.isEmpty()) {
            QCOMPARE(m_program.services.informationMessages.constFirst().parent, m_window);
        }
    }

    void anEmptyNameIsAskedForAndGetsTheFocus() {
        enter(QString(), 1, 30, QStringLiteral("1999")); // the name comes first, the bad date is not mentioned
        findButton().setFocus();
        QTest::mouseClick(&findButton(), Qt::LeftButton);
        QCOMPARE(m_program.messages(), QStringList{kMissingName});
        QVERIFY(nameBox().hasFocus());
        QCOMPARE(testing::ShownWindows<frmMain>(), QList<frmMain*>{m_window});
        QVERIFY(testing::ShownWindows<frmDisplay>().isEmpty());
    }

    void aRefusedDateKeepsTheFocusAndEverySelection() {
        enter(QStringLiteral("ANNA"), 3, 31, QStringLiteral("1985"));
        findButton().setFocus();
        QTest::mouseClick(&findButton(), Qt::LeftButton);
        QCOMPARE(m_program.messages(), QStringList{kBadThirtyDayMonth});
        QVERIFY(findButton().hasFocus());
        QCOMPARE(nameBox().text(), QStringLiteral("ANNA"));
        QCOMPARE(list("cboMonth").currentText(), QStringLiteral("April"));
        QCOMPARE(list("cboDate").currentText(), QStringLiteral("31"));
        QCOMPARE(list("cboYear").currentText(), QStringLiteral("1985"));
        QCOMPARE(testing::ShownWindows<frmMain>(), QList<frmMain*>{m_window});
        QVERIFY(testing::ShownWindows<frmDisplay>().isEmpty());
    }

    void aNameOfBlanksPassesAndIsStoredEmpty() {
        enter(QStringLiteral("   "), 0, 31, QStringLiteral("1950"));
        QTest::mouseClick(&findButton(), Qt::LeftButton);
        QVERIFY(m_program.messages().isEmpty());
        QCOMPARE(testing::ShownWindows<frmDisplay>().size(), 1);
        QCOMPARE(m_program.session().birthDetails().personName, std::string{});
    }

    void theFindMenuItemChecksAsTheButtonDoes() {
        enter(QStringLiteral("ANNA"), 1, 31, QStringLiteral("2000"));
        Child<QAction>(*m_window, "mnuFind").trigger();
        QCOMPARE(m_program.messages(), QStringList{kBadFebruary});
        enter(QString(), 0, 1, QStringLiteral("2000"));
        Child<QAction>(*m_window, "mnuFind").trigger();
        QCOMPARE(m_program.messages(), (QStringList{kBadFebruary, kMissingName}));
        QVERIFY(testing::ShownWindows<frmDisplay>().isEmpty());
    }

    void theAccessKeyFindsAsTheButtonDoes() {
        enter(QString(), 0, 1, QStringLiteral("2000"));
        QTest::keyClick(m_window, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(m_program.messages(), QStringList{kMissingName}); // the button shows itself pressed a moment first
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::InputValidationTest)
#include "InputValidationTest.moc"
