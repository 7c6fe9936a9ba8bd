// How long the windows keep the user waiting, offscreen over the recording services: from a
// press of "Find My Guardian Angel " until the result window has shown and painted, from
// "&Print" until the report window has shown and painted its composed reading, and for a paste
// of a heavy text into the report (a long word, a long run of brackets after an address, many
// addresses) and a key typed after it. Every
// press starts from a window prepared beforehand; QBENCHMARK repeats the steps until the figure
// settles, while a stopwatch times the press alone: the figure reported, per press.
// Run: QT_QPA_PLATFORM=offscreen window_flow_bench
#include "WindowTesting.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmSave.h"

#include <QClipboard>
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

// A shown main window with Anna, born on 14 March 1985, entered.
frmMain& MainWindowWithAnna(Session& session) {
    auto* main = new frmMain(session);
    main->showCentred();
    Child<QLineEdit>(*main, "txtName").setText(QStringLiteral("ANNA"));
    Child<QComboBox>(*main, "cboMonth").setCurrentIndex(2);
    Child<QComboBox>(*main, "cboDate").setCurrentIndex(13);
    Child<QComboBox>(*main, "cboYear").setCurrentText(QStringLiteral("1985"));
    QCoreApplication::processEvents(); // its own paint is not the find's
    return *main;
}

// Texts that the report box must take without keeping the user waiting: a megabyte of letters
// with no blank, one word that no line can hold; an address followed by a hundred thousand
// closing brackets, each of which may end it; three megabytes of short lines, each with an address.
void AddHeavyTexts() {
    QTest::addColumn<QString>("text");
    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    QTest::newRow("unbroken megabyte") << alphabet.repeated((1 << 20) / alphabet.size());
    QTest::newRow("address and 100,000 brackets")
        << QStringLiteral("http://a.example/x") + QString(50'000, u')') + QString(50'000, u']');
    const QString line = QStringLiteral("Visit www.seraphel.example today\n");
    QTest::newRow("3 MB of addresses") << line.repeated(3 * (1 << 20) / line.size());
}

// Shows the report window and gives its box the keyboard.
QTextEdit& ShownReportBox(frmSave& report) {
    report.show();
    QCoreApplication::processEvents();
    auto& box = Child<QTextEdit>(report, "RTB");
    box.setFocus();
    return box;
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
            auto& find = Child<QPushButton>(MainWindowWithAnna(m_program.session()), "cmdFindGurdianAngel");
            resultPaints.paints = 0;

            stopwatch.start();
            find.click();
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
        Child<QPushButton>(MainWindowWithAnna(m_program.session()), "cmdFindGurdianAngel").click();
        const auto results = ShownWindows<frmDisplay>();
        QCOMPARE(results.size(), 1);
        auto& print = Child<QPushButton>(*results.constFirst(), "cmdPrint");
        PaintCounter<frmSave> reportPaints;
        Stopwatch stopwatch;
        bool composed = false;
        m_program.services.whileModalIsShown = [&](QDialog& report) {
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

    void pasteAHeavyText_data() { AddHeavyTexts(); }
    void pasteAHeavyText() {
        QFETCH(QString, text);
        QGuiApplication::clipboard()->setText(text);
        Stopwatch stopwatch;
        QBENCHMARK {
            frmSave report(m_program.services, AngelReading{});
            QTextEdit& box = ShownReportBox(report);
            stopwatch.start();
            box.paste();
            QCoreApplication::processEvents();
            stopwatch.stop();
            QVERIFY(box.toPlainText().size() > text.size());
        }
        stopwatch.report();
    }

    void typeAfterAHeavyText_data() { AddHeavyTexts(); }
    void typeAfterAHeavyText() {
        QFETCH(QString, text);
        frmSave report(m_program.services, AngelReading{});
        QTextEdit& box = ShownReportBox(report);
        box.insertPlainText(text);
        QCoreApplication::processEvents();
        Stopwatch stopwatch;
        QBENCHMARK {
            stopwatch.start();
            QTest::keyClick(&box, Qt::Key_A);
            QCoreApplication::processEvents();
            stopwatch.stop();
        }
        stopwatch.report();
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::WindowFlowBench)
#include "WindowFlowBench.moc"
