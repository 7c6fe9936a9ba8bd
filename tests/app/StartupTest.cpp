// Start-up through the recording platform: the refused second instance, the main window
// shown after the random seed, the draw that brings a promotional label to the front, and
// ShutdownAll.
#include "Startup.h"
#include "FakePlatform.h"
#include "Session.h"
#include "WindowTesting.h"
#include "frmMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

namespace seraphel {
namespace {

using testing::Child;
using testing::ShownWindows;

// The label that a click on the bottom band's offers reaches.
QString FrontOffer(const frmMain& window) {
    const QLabel& cobrand = Child<QLabel>(window, "lblCobrand");
    const QWidget* hit = cobrand.parentWidget()->childAt(cobrand.geometry().center());
    return hit != nullptr ? hit->objectName() : QString();
}

// The smallest r whose x = 6r + 1 (as the program computes it) is not below the limit.
double FirstDrawReaching(double limit) {
    double r = (limit - 1) / 6;
    while (6 * r + 1 >= limit) {
        r = std::nextafter(r, 0.0);
    }
    while (6 * r + 1 < limit) {
        r = std::nextafter(r, 1.0);
    }
    return r;
}

} // namespace

class StartupTest final : public QObject {
    Q_OBJECT

private:
    testing::ProgramOn<FakePlatform> m_program;

private slots:
    void init() { m_program.start(); }

    void cleanup() { m_program.stop(); }

    void aSecondInstanceSaysSoAndShowsNoWindow() {
        m_program.services.anotherInstanceRuns = true;
        QVERIFY(!Startup(m_program.services, m_program.session()).run());
        QCOMPARE(m_program.services.informationMessages.size(), 1);
        QCOMPARE(m_program.services.informationMessages.constFirst().text,
                 QStringLiteral("Application is already running"));
        QCOMPARE(m_program.services.informationMessages.constFirst().parent, nullptr);
        QVERIFY(!m_program.services.calls.contains(QStringLiteral("seedRandomFromClock")));
        QCOMPARE(QApplication::topLevelWidgets().count(), 0);
    }

    void aStartShowsTheMainWindowInItsInitialState() {
        m_program.services.randomDraws = {0.5};
        QSignalSpy ended(&m_program.session(), &Session::ended);
        QVERIFY(Startup(m_program.services, m_program.session()).run());
        QVERIFY(m_program.services.calls.contains(QStringLiteral("seedRandomFromClock")));
        QVERIFY(m_program.services.randomDraws.empty()); // one draw, for the promotional label
        QVERIFY(m_program.services.informationMessages.isEmpty());
        const auto shown = ShownWindows<frmMain>();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(Child<QLineEdit>(*shown.constFirst(), "txtName").text(), QString());
        QCOMPARE(ended.count(), 0);
    }

    void theDrawRoundsHalvesToEven_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0.0 << 1;
        QTest::newRow("largest draw") << std::nextafter(1.0, 0.0) << 7;
        QTest::newRow("x = 2.5 exactly") << 0.25 << 2;
        QTest::newRow("x = 5.5 exactly") << 0.75 << 6;
        QTest::newRow("x = 4 exactly") << 0.5 << 4;
        // Around each half, with x computed as the program computes it.
        const int evenOf[] = {2, 2, 4, 4, 6, 6}; // 1.5, 2.5, ... 6.5
        for (int whole = 1; whole <= 6; ++whole) {
            const double half = whole + 0.5;
            const double first = FirstDrawReaching(half);
            const double below = std::nextafter(first, 0.0);
            QTest::addRow("just below %.1f", half) << below << whole;
            if (6 * first + 1 == half) {
                QTest::addRow("at %.1f", half) << first << evenOf[whole - 1];
                QTest::addRow("just above %.1f", half) << FirstDrawReaching(std::nextafter(half, 8.0)) << whole + 1;
            } else {
                QTest::addRow("just above %.1f", half) << first << whole + 1;
            }
        }
    }

    void theDrawRoundsHalvesToEven() {
        QFETCH(double, r);
        QFETCH(int, number);
        QCOMPARE(CoBrandNumber(r), number);
    }

    void theDrawBringsAnOfferToTheFront_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("front");
        const QString cobrand = QStringLiteral("lblCobrand");
        const QString fullBrand = QStringLiteral("lblFullBrand");
        QTest::newRow("1") << 0.0 << cobrand;
        QTest::newRow("2") << 0.2 << fullBrand;
        QTest::newRow("3") << 0.3 << cobrand;
        QTest::newRow("4") << 0.5 << fullBrand;
        QTest::newRow("5") << 0.7 << cobrand;
        QTest::newRow("6") << 0.8 << fullBrand;
        QTest::newRow("7 leaves the window's own order") << 0.95 << fullBrand;
    }

    void theDrawBringsAnOfferToTheFront() {
        QFETCH(double, r);
        QFETCH(QString, front);
        m_program.services.randomDraws = {r};
        QVERIFY(Startup(m_program.services, m_program.session()).run());
        QCOMPARE(FrontOffer(*ShownWindows<frmMain>().constFirst()), front);
    }

    void aDrawOfSevenChangesNothing() {
        auto* window = new frmMain(m_program.session());
        window->showCentred();
        window->bringOfferToFront(PromoOffer::Cobrand);
        m_program.services.randomDraws = {0.95};
        CoBrand_Randomize(m_program.services, *window);
        QCOMPARE(FrontOffer(*window), QStringLiteral("lblCobrand"));
    }

    void shutdownAllClosesEveryWindow() {
        auto* first = new frmMain(m_program.session());
        first->showCentred();
        auto* hidden = new frmMain(m_program.session());
        QPointer<frmMain> firstAlive = first;
        QPointer<frmMain> hiddenAlive = hidden;
        ShutdownAll();
        testing::DeleteClosedWindows();
        QVERIFY(firstAlive.isNull());
        QVERIFY(hiddenAlive.isNull());
        QCOMPARE(QApplication::topLevelWidgets().count(), 0);
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::StartupTest)
#include "StartupTest.moc"
