// How long the windows keep the user waiting, offscreen over the recording platform: from a
// press of "Find My Guardian Angel " until the result window has shown and painted, and from
// "&Print" until the report window has shown and painted its composed reading. Every press
// starts from a window prepared beforehand; QBENCHMARK repeats the steps until the figure
// settles, while a stopwatch times the press alone: the figure reported, per press.
// Run: QT_QPA_PLATFORM=offscreen window_flow_bench
#include "FindFlow.h"
#include "WindowTesting.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmSave.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

namespace seraphel {
namespace {

using testing::Child;
using testing::ShownWindows;

// Counts the paint events that reach a window of one kind or its controls.
template <typename Window> class PaintCounter final : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;

    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            if (auto* widget = qobject_cast<QWidget*>(watched); widget && qobject_cast<Window*>(widget->window())) {
                ++paints;
            }
        }
        return false;
    }
};

// Accumulates the time of the timed steps, for the mean per press.
class Stopwatch final {
public:
    void start() { m_clock.start(); }
    void stop() {
        m_total += m_clock.nsecsElapsed();
        ++m_laps;
    }
    void report() const { QTest::setBenchmarkResult(static_cast<qreal>(m_total) / m_laps, QTest::WalltimeNanoseconds); }

private:
    QElapsedTimer m_clock;
    qint64 m_total = 0;
    int m_laps = 0;
};

// Anna, born on 14 March 1985 in the northern hemisphere.
BirthDetails Anna() {
    BirthDetails details;
    details.personName = "ANNA";
    details.birthYear = 1985;
    details.birthMonthName = "March";
    details.birthMonthIndex = 2;
    details.birthDay = 14;
    details.northernHemisphere = true;
    return details;
}

} // namespace

class WindowFlowBench final : public QObject {
    Q_OBJECT

private:
    testing::ProgramUnderTest m_program;

private slots:
    void init() { m_program.start(); }
    void cleanup() { m_program.stop(); }

    void findToResultShown() {
        PaintCounter<frmDisplay> resultPaints;
        Stopwatch stopwatch;
        QBENCHMARK {
            auto* main = new frmMain(m_program.session());
            main->showCentred();
            Child<QLineEdit>(*main, "txtName").setText(QStringLiteral("ANNA"));
            Child<QComboBox>(*main, "cboMonth").setCurrentIndex(2);
            Child<QComboBox>(*main, "cboDate").setCurrentIndex(13);
            Child<QComboBox>(*main, "cboYear").setCurrentText(QStringLiteral("1985"));
            QCoreApplication::processEvents(); // the main window's own paint is not the find's
            resultPaints.paints = 0;

            stopwatch.start();
            Child<QPushButton>(*main, "cmdFindGurdianAngel").click();
            QCoreApplication::processEvents();
            stopwatch.stop();

            const auto shown = ShownWindows<frmDisplay>();
            QCOMPARE(shown.size(), 1);
            QVERIFY(resultPaints.paints > 0);
            shown.constFirst()->close();
            testing::DeleteClosedWindows();
        }
        stopwatch.report();
    }

    void printToReportShown() {
        BirthDetails details = Anna();
        auto* result = new frmDisplay(m_program.session());
        result->takeOverReading(ReadGuardianAngels(details));
        result->showCentred();
        auto& print = Child<QPushButton>(*result, "cmdPrint");
        PaintCounter<frmSave> reportPaints;
        Stopwatch stopwatch;
        bool composed = false;
        m_program.platform.whileModalIsShown = [&](QDialog& report) {
            QCoreApplication::processEvents();
            stopwatch.stop();
            composed = !Child<QTextEdit>(report, "RTB").document()->isEmpty();
        };
        QBENCHMARK {
            QCoreApplication::processEvents(); // the result window's own paint is not the report's
            reportPaints.paints = 0;
            composed = false;
            stopwatch.start();
            print.click();
            QVERIFY(composed);
            QVERIFY(reportPaints.paints > 0);
        }
        stopwatch.report();
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::WindowFlowBench)
#include "WindowFlowBench.moc"
