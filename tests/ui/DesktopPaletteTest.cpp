// Whatever colours the desktop gives, the windows keep their selections and focus rings
// legible against what they sit on, and the report's page keeps its light scroll bars.
#include "SampleReading.h"
#include "WindowTesting.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmSave.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace seraphel {
namespace {

using testing::Child;

// The contrast ratio of two colours as the web's accessibility guidelines define it.
double Contrast(const QColor& one, const QColor& other) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QPalette DesktopPalette(const QColor& window, const QColor& text, const QColor& highlight,
                        const QColor& highlightedText) {
    QPalette palette(window);
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase}) {
        palette.setColor(role, window);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, text);
    }
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    return palette;
}

// The colour a control's selection and focus ring sit on.
QColor Ground(const QWidget& control) {
    if (qobject_cast<const QPushButton*>(&control) != nullptr || qobject_cast<const QTabBar*>(&control) != nullptr) {
        return control.palette().color(QPalette::Button);
    }
    if (qobject_cast<const QRadioButton*>(&control) != nullptr) {
        return control.palette().color(QPalette::Window);
    }
    return control.palette().color(QPalette::Base);
}

// The strongest contrast against the ground among the pixels of the control's outer two rows.
double RingContrast(QWidget& control) {
    const QImage image = control.grab().toImage();
    double strongest = 0;
    for (int x = 0; x < image.width(); ++x) {
        for (const int y : {0, 1, image.height() - 2, image.height() - 1}) {
            strongest = std::max(strongest, Contrast(image.pixelColor(x, y), Ground(control)));
        }
    }
    return strongest;
}

} // namespace

class DesktopPaletteTest final : public QObject {
    Q_OBJECT

private:
    testing::ProgramUnderTest m_program;
    QPalette m_original;

    // The three windows with every control that takes the keyboard.
    QList<QWidget*> windows() {
        auto* main = new frmMain(m_program.session());
        auto* result = new frmDisplay(m_program.session());
        result->takeOverReading(test::SampleReading());
        auto* report = new frmSave(m_program.services, test::SampleReading());
        report->setAttribute(Qt::WA_DeleteOnClose);
        const QList<QWidget*> shown{main, result, report};
        for (QWidget* window : shown) {
            window->show();
        }
        return shown;
    }

private slots:
    void init() {
        m_original = QApplication::palette();
        m_program.start();
    }
    void cleanup() {
        m_program.stop();
        QApplication::setPalette(m_original);
    }

    void desktop_data() {
        QTest::addColumn<QPalette>("desktop");
        QTest::newRow("dark") << DesktopPalette({53, 53, 53}, {230, 230, 230}, {42, 130, 218}, Qt::white);
        QTest::newRow("dusk") << DesktopPalette({84, 78, 62}, {240, 240, 240}, {96, 88, 70}, Qt::white);
        QTest::newRow("high contrast black") << DesktopPalette(Qt::black, Qt::white, {26, 235, 255}, Qt::black);
        QTest::newRow("high contrast white") << DesktopPalette(Qt::white, Qt::black, {55, 0, 110}, Qt::white);
    }

    void selectionsAndFocusStandOut_data() { desktop_data(); }
    void selectionsAndFocusStandOut() {
        QFETCH(QPalette, desktop);
        QApplication::setPalette(desktop);
        for (QWidget* window : windows()) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                const bool takesKeys = (control->focusPolicy() & Qt::TabFocus) != 0 && control->isEnabled() &&
                                       control->isVisibleTo(window) && qobject_cast<QScrollBar*>(control) == nullptr;
                if (!takesKeys || control->focusProxy() != nullptr) {
                    continue;
                }
                const QPalette& colours = control->palette();
                const QByteArray name = window->objectName().toLatin1() + '.' + control->objectName().toLatin1() + ' ' +
                                        control->metaObject()->className();
                QVERIFY2(Contrast(colours.color(QPalette::Highlight), Ground(*control)) >= 3, name);
                QVERIFY2(Contrast(colours.color(QPalette::HighlightedText), colours.color(QPalette::Highlight)) >= 4.5,
                         name);
            }
        }
    }

    void theInputsFocusRingsStandOut_data() { desktop_data(); }
    void theInputsFocusRingsStandOut() {
        QFETCH(QPalette, desktop);
        QApplication::setPalette(desktop);
        auto* main = new frmMain(m_program.session());
        main->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(main));
        // The ring as the keyboard brings it: the name box has the focus, a Tab moves it to the month.
        for (const char* name : {"txtName", "cboMonth"}) {
            auto& control = Child<QWidget>(*main, name);
            QVERIFY2(control.hasFocus(), name);
            QVERIFY2(RingContrast(control) >= 3, name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    void theReportsScrollBarsTakeThePagesColours_data() { desktop_data(); }
    void theReportsScrollBarsTakeThePagesColours() {
        QFETCH(QPalette, desktop);
        QApplication::setPalette(desktop);
        frmSave report(m_program.services, test::SampleReading());
        auto& box = Child<QTextEdit>(report, "RTB");
        for (const QScrollBar* bar : {box.verticalScrollBar(), box.horizontalScrollBar()}) {
            const QPalette& colours = bar->palette();
            for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
                QCOMPARE(colours.color(role), QColor(Qt::white));
            }
            for (const auto role : {QPalette::WindowText, QPalette::ButtonText}) {
                QCOMPARE(colours.color(role), QColor(Qt::black));
            }
        }
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::DesktopPaletteTest)
#include "DesktopPaletteTest.moc"
