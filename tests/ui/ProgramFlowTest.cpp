// The way through the program's two windows: a find hands the reading to the result window,
// Back gives a fresh main window, and only the user's closing of the shown window ends the
// program.
#include "Catalogue.h"
#include "FakeWindowServices.h"
#include "PageTriggers.h"
#include "Pictures.h"
#include "Session.h"
#include "WindowTesting.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <memory>

namespace seraphel {
namespace {

using testing::Child;
using testing::ShownWindows;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Clicks where the user would, so the label in front is the one that gets the click.
void ClickAtCentreOf(const QWidget& control) {
    QWidget* window = control.window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control.mapTo(window, control.rect().center()));
}

} // namespace

class ProgramFlowTest final : public QObject {
    Q_OBJECT

private:
    testing::ProgramUnderTest m_program;
    std::unique_ptr<QSignalSpy> m_ended;

    frmMain& showMainWindow() {
        auto* window = new frmMain(m_program.session());
        window->showCentred();
        return *window;
    }

    // Anna, born on 14 March 1985 in the northern hemisphere, typed as a user would.
    static void enterAnna(frmMain& window) {
        QTest::keyClicks(&Child<QLineEdit>(window, "txtName"), QStringLiteral(" anna "));
        Child<QComboBox>(window, "cboMonth").setCurrentIndex(2);
        Child<QComboBox>(window, "cboDate").setCurrentIndex(13);
        Child<QComboBox>(window, "cboYear").setCurrentText(QStringLiteral("1985"));
        QTest::mouseClick(&Child<QRadioButton>(window, "optNorthern"), Qt::LeftButton);
    }

    frmDisplay& findFor(frmMain& window) {
        enterAnna(window);
        QTest::mouseClick(&Child<QPushButton>(window, "cmdFindGurdianAngel"), Qt::LeftButton);
        testing::DeleteClosedWindows();
        const auto shown = ShownWindows<frmDisplay>();
        if (shown.size() != 1) {
            qFatal("the find showed %lld result windows", static_cast<long long>(shown.size()));
        }
        return *shown.constFirst();
    }

    static void verifyInitialState(const frmMain& window) {
        QCOMPARE(Child<QLineEdit>(window, "txtName").text(), QString());
        QCOMPARE(Child<QComboBox>(window, "cboMonth").currentText(), QStringLiteral("January"));
        QCOMPARE(Child<QComboBox>(window, "cboDate").currentText(), QStringLiteral("1"));
        QCOMPARE(Child<QComboBox>(window, "cboYear").currentText(), QStringLiteral("1901"));
        QVERIFY(Child<QRadioButton>(window, "optSouthern").isChecked());
        QVERIFY(!Child<QRadioButton>(window, "optNorthern").isChecked());
    }

private slots:
    void init() {
        m_program.start();
        m_ended = std::make_unique<QSignalSpy>(&m_program.session(), &Session::ended);
    }

    void cleanup() {
        m_program.stop();
        m_ended.reset();
    }

    void aFindHandsTheReadingToTheResultWindow() {
        QPointer<frmMain> main = &showMainWindow();
        frmDisplay& result = findFor(*main);

        QVERIFY(main.isNull());
        QCOMPARE(ShownWindows<frmMain>().size(), 0);
        QCOMPARE(m_ended->count(), 0);
        QCOMPARE(Child<QTabWidget>(result, "SSTab1").currentIndex(), 0);

        const BirthDetails& details = m_program.session().birthDetails();
        QCOMPARE(details.personName, std::string{"ANNA"});
        QCOMPARE(int{details.birthYear}, 1985);
        QCOMPARE(details.birthMonthName, std::string{"March"});
        QCOMPARE(int{details.birthMonthIndex}, 2);
        QCOMPARE(int{details.birthDay}, 14);
        QVERIFY(details.northernHemisphere);
        QCOMPARE(details.weekdayName, std::string{"Thursday"});

        // Thursday's angel, the northern March angel, and the angel of the water signs.
        const AngelReading& reading = m_program.session().angelReading();
        QCOMPARE(Child<QLabel>(result, "lblDobAngel").text(), QStringLiteral("St.Micheal"));
        QCOMPARE(Child<QLabel>(result, "lblDobColor").text(), QStringLiteral("Orange, white, gold"));
        QCOMPARE(Child<QLabel>(result, "lblMonthOfBirthAngel").text(), QStringLiteral("St.Machidiel"));
        QCOMPARE(Child<QLabel>(result, "lblSunSignName").text(), QStringLiteral("Pisces"));
        QCOMPARE(Child<QLabel>(result, "lblSunSignElement").text(), QStringLiteral("Water"));
        QCOMPARE(Child<QLabel>(result, "lblSunSignAngel").text(), QStringLiteral("St.Gabriel"));
        QCOMPARE(reading.picByDayOfBirth, PictureIndex{9});
        QCOMPARE(reading.picByMonthOfBirth, PictureIndex{10});
        QCOMPARE(reading.picBySunSign, PictureIndex{6});
        const QString dayText = Child<QPlainTextEdit>(result, "txtDOBAngelDescription").toPlainText();
        QVERIFY(dayText.startsWith(QStringLiteral("Michael is the angel for the month of September.")));
        QCOMPARE(dayText, Text(reading.txtDOBAngelDescription));
        // The month's reading has two paragraphs, CR LF CR LF apart: the box shows one blank line between.
        const QString monthText = Child<QPlainTextEdit>(result, "txtAngelDescByMonthOfBirth").toPlainText();
        QVERIFY(monthText.startsWith(QStringLiteral("Machidiel- the angel of March")));
        QVERIFY(monthText.contains(QStringLiteral(".\n\nStamina and courage are brought about by the Angel of March")));
        QCOMPARE(monthText,
                 Text(reading.txtAngelDescByMonthOfBirth).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        const QString sunText = Child<QPlainTextEdit>(result, "txtAngelDescriptionBySunSign").toPlainText();
        QVERIFY(sunText.startsWith(QStringLiteral("The name Gabriel means the 'messenger of God'.")));
        QCOMPARE(sunText, Text(reading.txtAngelDescriptionBySunSign));
    }

    void theResultWindowShowsEachPictureAtItsOwnSize() {
        frmDisplay& result = findFor(showMainWindow());
        const AngelReading& reading = m_program.session().angelReading();
        for (const auto& [control, index] : {std::pair{"picByDayOfBirth", reading.picByDayOfBirth},
                                             std::pair{"picByMonthOfBirth", reading.picByMonthOfBirth},
                                             std::pair{"picBySunSign", reading.picBySunSign}}) {
            const QLabel& box = Child<QLabel>(result, control);
            QVERIFY2(index.has_value(), control);
            const QPixmap shown = box.pixmap();
            QVERIFY2(!shown.isNull(), control);
            QCOMPARE(shown.deviceIndependentSize().toSize(), kAngelPictureSize);
            QCOMPARE(shown.toImage(), AngelPixmap(index, 1).toImage());
            QCOMPARE(box.alignment(), Qt::AlignLeft | Qt::AlignTop);
        }
    }

    void everyPictureIsBuiltIn() {
        for (int index = 1; index <= kPictureCount; ++index) {
            const QPixmap picture = AngelPixmap(static_cast<std::int16_t>(index), 1);
            QVERIFY2(!picture.isNull(), qPrintable(QString::number(index)));
            QCOMPARE(picture.size(), kAngelPictureSize);
        }
        QVERIFY(AngelPixmap(std::nullopt, 1).isNull());
        QCOMPARE(QPixmap(QStringLiteral(":/pictures/angel06@2x.jpg")).size(), kAngelPictureSize * 2); // dense screens
        QCOMPARE(ProgramIcon().availableSizes().size(), 6);
    }

    void aReadingLeftUnsetShowsTheDesignedContent() {
        frmDisplay result(m_program.session());
        result.takeOverReading(AngelReading{});
        for (const char* label : {"lblDobAngel", "lblDobColor", "lblMonthOfBirthAngel", "lblSunSignName",
                                  "lblSunSignElement", "lblSunSignAngel"}) {
            QCOMPARE(Child<QLabel>(result, label).text(), QStringLiteral("Sorry"));
        }
        for (const char* box :
             {"txtDOBAngelDescription", "txtAngelDescByMonthOfBirth", "txtAngelDescriptionBySunSign"}) {
            QCOMPARE(Child<QPlainTextEdit>(result, box).toPlainText(), QString());
        }
        for (const char* picture : {"picByDayOfBirth", "picByMonthOfBirth", "picBySunSign"}) {
            QVERIFY(Child<QLabel>(result, picture).pixmap().isNull());
        }
    }

    void descriptionBoxesAreReadOnlyWithAVerticalScrollBar() {
        frmDisplay& result = findFor(showMainWindow());
        for (const char* name :
             {"txtDOBAngelDescription", "txtAngelDescByMonthOfBirth", "txtAngelDescriptionBySunSign"}) {
            auto& box = Child<QPlainTextEdit>(result, name);
            QVERIFY(box.isReadOnly());
            QCOMPARE(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(box.lineWrapMode(), QPlainTextEdit::WidgetWidth);
            const QString before = box.toPlainText();
            QTest::keyClicks(&box, QStringLiteral("xyz"));
            QCOMPARE(box.toPlainText(), before);
        }
    }

    void theReportTakesEachFieldOfTheReading() {
        frmDisplay& result = findFor(showMainWindow());
        QString report;
        m_program.services.whileModalIsShown = [&](QDialog& dialog) {
            report = Child<QTextEdit>(dialog, "RTB").toPlainText();
        };
        result.cmdPrint_Click();
        const AngelReading& reading = m_program.session().angelReading();
        for (const std::string& text :
             {reading.lblDobAngel, reading.lblDobColor, reading.lblMonthOfBirthAngel, reading.lblSunSignName,
              reading.lblSunSignAngel, reading.lblSunSignElement, reading.txtDOBAngelDescription,
              reading.txtAngelDescByMonthOfBirth, reading.txtAngelDescriptionBySunSign}) {
            QVERIFY2(report.contains(Text(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))), text.c_str());
        }
        QVERIFY(report.contains(QStringLiteral("Name Of Angel : St.Micheal\n\nColor : Orange, white, gold\n")));
    }

    void backGivesAFreshMainWindow_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("button") << false;
        QTest::newRow("File menu") << true;
    }

    void backGivesAFreshMainWindow() {
        QFETCH(bool, byMenu);
        QPointer<frmDisplay> result = &findFor(showMainWindow());
        Child<QTabWidget>(*result, "SSTab1").setCurrentIndex(2);
        if (byMenu) {
            Child<QAction>(*result, "mnuBack").trigger();
        } else {
            QTest::mouseClick(&Child<QPushButton>(*result, "cmdFindGurdianAngel"), Qt::LeftButton);
        }
        testing::DeleteClosedWindows();

        QVERIFY(result.isNull());
        QCOMPARE(ShownWindows<frmDisplay>().size(), 0);
        const auto mains = ShownWindows<frmMain>();
        QCOMPARE(mains.size(), 1);
        verifyInitialState(*mains.constFirst());
        QCOMPARE(m_ended->count(), 0);
        QCOMPARE(m_program.session().birthDetails().personName, std::string{"ANNA"}); // kept until the next find

        // The next find starts again on the first tab.
        QCOMPARE(Child<QTabWidget>(findFor(*mains.constFirst()), "SSTab1").currentIndex(), 0);
    }

    void theAccessKeyGoesBack() {
        frmDisplay& result = findFor(showMainWindow());
        result.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&result));
        QTest::keyClick(&result, Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(ShownWindows<frmMain>().size(), 1); // the button shows itself pressed a moment first
        QCOMPARE(ShownWindows<frmDisplay>().size(), 0);
    }

    void theUserClosingTheShownWindowEndsTheProgram_data() {
        QTest::addColumn<bool>("resultWindow");
        QTest::addColumn<bool>("byExit");
        QTest::newRow("main window, close box") << false << false;
        QTest::newRow("main window, Exit") << false << true;
        QTest::newRow("result window, close box") << true << false;
        QTest::newRow("result window, Exit") << true << true;
    }

    void theUserClosingTheShownWindowEndsTheProgram() {
        QFETCH(bool, resultWindow);
        QFETCH(bool, byExit);
        QMainWindow* shown = &showMainWindow();
        if (resultWindow) {
            shown = &findFor(*static_cast<frmMain*>(shown));
        }
        QCOMPARE(m_ended->count(), 0);
        QPointer<QMainWindow> window = shown;
        if (byExit) {
            Child<QAction>(*shown, "mnuExit").trigger();
        } else {
            shown->close();
        }
        testing::DeleteClosedWindows();
        QCOMPARE(m_ended->count(), 1);
        QVERIFY(window.isNull());
        QCOMPARE(ShownWindows<frmMain>().size() + ShownWindows<frmDisplay>().size(), 0);
    }

    void findAndBackNeverEndTheProgram() {
        frmMain* main = &showMainWindow();
        for (int round = 0; round < 3; ++round) {
            Child<QAction>(findFor(*main), "mnuBack").trigger();
            testing::DeleteClosedWindows();
            main = ShownWindows<frmMain>().constFirst();
        }
        QCOMPARE(m_ended->count(), 0);
        const auto windows = QApplication::topLevelWidgets();
        QCOMPARE(
            std::ranges::count_if(
                windows, [](const QWidget* widget) { return qobject_cast<const QMainWindow*>(widget) != nullptr; }),
            1);
    }

    void promotionalLabelsOpenTheirPages_data() {
        QTest::addColumn<bool>("resultWindow");
        QTest::newRow("main window") << false;
        QTest::newRow("result window") << true;
    }

    void promotionalLabelsOpenTheirPages() {
        QFETCH(bool, resultWindow);
        QWidget* window = &showMainWindow();
        if (resultWindow) {
            window = &findFor(*static_cast<frmMain*>(window));
        }
        auto& cobrand = Child<QLabel>(*window, "lblCobrand");
        auto& fullBrand = Child<QLabel>(*window, "lblFullBrand");
        QCOMPARE(cobrand.geometry(), fullBrand.geometry());

        ClickAtCentreOf(Child<QLabel>(*window, "Label61"));
        ClickAtCentreOf(fullBrand); // in front as the window lays them
        cobrand.raise();
        ClickAtCentreOf(fullBrand); // the same spot, now covered by the co-branding offer
        ClickAtCentreOf(fullBrand);
        QCOMPARE(m_program.services.openedAddresses,
                 (QStringList{test::ExpectedPageAddress("home-page"), test::ExpectedPageAddress("fully-branded"),
                              test::ExpectedPageAddress("co-brand"), test::ExpectedPageAddress("co-brand")}));
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::ProgramFlowTest)
#include "ProgramFlowTest.moc"
