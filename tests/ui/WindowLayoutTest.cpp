// How the two windows are laid out: the layout rules over every control (inside its
// container, apart from its neighbours, its caption not cut off in the font the system
// actually has, captions and access keys not repeated) with a few controls pinned to the
// design's twips, the lists, the menus, the keyboard order, what a screen reader reads,
// and the fixed and centred windows.
#include "Catalogue.h"
#include "Controls.h"
#include "FakeWindowServices.h"
#include "FindFlow.h"
#include "LayoutRules.h"
#include "Session.h"
#include "Theme.h"
#include "WindowTesting.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "modHelp.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace seraphel {
namespace {

using testing::Child;
using theme::TwipsRect;

QString Invitation() {
    return QStringLiteral("Click on") + QString(42, QLatin1Char(' ')) +
           QStringLiteral("to Generate a Reading for your Guardian Angels based on your Date of Birth, Month of Birth "
                          "and your Sun Sign");
}

// The overlaps the designs mean. In the bottom band the two offers lie on one another, the
// one in front hiding the other; the yellow words stand in the gap of the invitation's first
// line. The others are the design's edges: the bands, the introduction, the input frame, the
// invitation, the find button and the tab control each reach a few pixels over the next.
const QStringList kMainOverlaps{
    QStringLiteral("lblCobrand/lblFullBrand"), QStringLiteral("Label4/Label5"),
    QStringLiteral("Frame4/Label3"),           QStringLiteral("Label3/Frame1"),
    QStringLiteral("Frame1/Frame5"),           QStringLiteral("Label4/cmdFindGurdianAngel")};
const QStringList kResultOverlaps{QStringLiteral("lblCobrand/lblFullBrand"), QStringLiteral("SSTab1/Frame5")};

// Where a control stands: its container's name and its rectangle there.
std::pair<QString, QRect> PlaceOf(const QWidget& window, const char* name) {
    const auto& control = Child<QWidget>(window, name);
    return {control.parentWidget()->objectName(), control.geometry()};
}

// The heading over a value on its page: the nearest label above it that reaches over its left edge.
const QLabel* HeadingOver(const QLabel& value) {
    const QLabel* heading = nullptr;
    for (const QLabel* label : value.parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect over = label->geometry();
        if (over.bottom() < value.y() && over.left() <= value.x() && over.right() >= value.x() &&
            (heading == nullptr || over.bottom() > heading->geometry().bottom())) {
            heading = label;
        }
    }
    return heading;
}

QString AccessibleText(QObject& object, QAccessible::Text text) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&object);
    return accessible != nullptr ? accessible->text(text) : QStringLiteral("<not accessible>");
}

// The columns of the image in which some pixel is of the colour (red, green, blue each
// above 170 or below 90, as the colour has them): anti-aliased edges do not count.
std::pair<int, int> ColumnsOf(const QImage& image, const QColor& colour) {
    auto close = [](int channel, int wanted) { return wanted > 128 ? channel > 170 : channel < 90; };
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (close(pixel.red(), colour.red()) && close(pixel.green(), colour.green()) &&
                close(pixel.blue(), colour.blue())) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

// Draws the first line of the sentence with the words laid over it, and checks on the
// pixels that the words stand between "Click on" and "to" without touching either.
void VerifyWordsSitInTheGap(const QLabel& sentence, const QLabel& words) {
    const QFontMetrics sentenceMetrics(sentence.font());
    const QFontMetrics wordsMetrics(words.font());
    QCOMPARE(words.y() + wordsMetrics.ascent(), sentence.y() + sentenceMetrics.ascent()); // one baseline

    QWidget* container = sentence.parentWidget();
    const QRect firstLine(sentence.x(), sentence.y(), sentence.width(), sentenceMetrics.height());
    const QImage shown = container->grab(firstLine).toImage();
    const int gapStart = sentenceMetrics.horizontalAdvance(QStringLiteral("Click on"));
    const int gapEnd = sentenceMetrics.horizontalAdvance(sentence.text().left(50)); // "to" starts here
    const auto [yellowFirst, yellowLast] = ColumnsOf(shown, theme::kHighlightText);
    QVERIFY2(yellowLast >= yellowFirst, "the words are drawn");
    QVERIFY2(yellowFirst > gapStart, qPrintable(QStringLiteral("%1 > %2").arg(yellowFirst).arg(gapStart)));
    QVERIFY2(yellowLast < gapEnd, qPrintable(QStringLiteral("%1 < %2").arg(yellowLast).arg(gapEnd)));
    // Cyan shows on both sides of the words, nowhere under them.
    const QImage before = shown.copy(0, 0, yellowFirst, shown.height());
    const QImage after = shown.copy(yellowLast + 1, 0, shown.width() - yellowLast - 1, shown.height());
    const QImage under = shown.copy(yellowFirst, 0, yellowLast - yellowFirst + 1, shown.height());
    QVERIFY(ColumnsOf(before, theme::kInvitationText).second >= 0);
    QVERIFY(ColumnsOf(after, theme::kInvitationText).second >= 0);
    QCOMPARE(ColumnsOf(under, theme::kInvitationText).second, -1);
}

} // namespace

class WindowLayoutTest final : public QObject {
    Q_OBJECT

private:
    testing::ProgramUnderTest m_program;

    frmMain& showMain() {
        auto* window = new frmMain(m_program.session());
        window->showCentred();
        return *window;
    }

    frmDisplay& showDisplay() {
        auto* window = new frmDisplay(m_program.session());
        window->showCentred();
        return *window;
    }

    static void verifyFixedCentredWindow(const QMainWindow& window, QSize clientTwips) {
        QCOMPARE(window.windowTitle(), QStringLiteral("Seraphel v2.00"));
        QCOMPARE(window.centralWidget()->size(), TwipsRect(0, 0, clientTwips.width(), clientTwips.height()).size());
        QCOMPARE(window.minimumSize(), window.size());
        QCOMPARE(window.maximumSize(), window.size());
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));
        const QPoint offCentre = window.frameGeometry().center() - window.screen()->availableGeometry().center();
        QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
        QVERIFY2(offCentre.manhattanLength() <= 1,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
        QCOMPARE(window.centralWidget()->palette().color(QPalette::Window), theme::kWindowBackground);
        QCOMPARE(window.font().family(), theme::VerdanaFont(8).family());
    }

    // The widgets that Tab visits from the first, in order, until it comes round again.
    static QStringList tabOrderFrom(QWidget& window, QWidget& first) {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) {
            return {QStringLiteral("<window not active>")};
        }
        first.setFocus(Qt::TabFocusReason);
        QStringList order{first.objectName()};
        for (int step = 0; step < 12; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == &first) {
                break;
            }
            order.append(QApplication::focusWidget()->objectName());
        }
        return order;
    }

private slots:
    void init() { m_program.start(); }

    void cleanup() { m_program.stop(); }

    void mainWindowKeepsTheLayoutRules() {
        const frmMain& window = showMain();
        QCOMPARE(testing::LayoutFaults(window, kMainOverlaps), QString());
        QCOMPARE(PlaceOf(window, "txtName"), std::pair(QStringLiteral("Frame6"), TwipsRect(1320, 240, 2175, 375)));
        QCOMPARE(PlaceOf(window, "cmdFindGurdianAngel"),
                 std::pair(QStringLiteral("Frame1"), TwipsRect(120, 2160, 7695, 495)));
        QCOMPARE(Child<QLineEdit>(window, "txtName").maxLength(), 32767); // no limit of its own
        QCOMPARE(Child<QPushButton>(window, "cmdFindGurdianAngel").font().bold(), true);
        // Captions whose blanks and spelling are the design's own.
        QCOMPARE(Child<QGroupBox>(window, "Frame6").title(), QStringLiteral("Fill Your Details :"));
        QCOMPARE(Child<QGroupBox>(window, "Frame2").title(), QStringLiteral("Hemisphere You Live In :"));
        QVERIFY(Child<QLabel>(window, "Label3").text().contains(QStringLiteral("their benefic efftects upon you")));
        QVERIFY(Child<QLabel>(window, "lblCobrand").text().contains(QStringLiteral("name &  link here.")));
        // One line of invitation to the discussion board, naming the web site.
        const QString banner = Child<QLabel>(window, "Label61").text();
        QVERIFY(banner.contains(QStringLiteral("discussion board")));
        QVERIFY(banner.endsWith(WebSiteHost()));
        QVERIFY(!banner.contains(QLatin1Char('\n')));
    }

    void mainWindowLists() {
        const frmMain& window = showMain();
        const auto& months = Child<QComboBox>(window, "cboMonth");
        QStringList monthItems;
        for (int month = 0; month < months.count(); ++month) {
            monthItems << months.itemText(month);
        }
        QCOMPARE(monthItems,
                 (QStringList{QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
                              QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"),
                              QStringLiteral("July"), QStringLiteral("August"), QStringLiteral("September"),
                              QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")}));
        const auto& days = Child<QComboBox>(window, "cboDate");
        QCOMPARE(days.count(), 31);
        for (int day = 1; day <= 31; ++day) {
            QCOMPARE(days.itemText(day - 1), QString::number(day));
        }
        const auto& years = Child<QComboBox>(window, "cboYear");
        QCOMPARE(years.count(), 150);
        QCOMPARE(years.itemText(0), QStringLiteral("1901"));
        QCOMPARE(years.itemText(149), QStringLiteral("2050"));
        for (int item = 1; item < years.count(); ++item) {
            QCOMPARE(years.itemText(item).toInt(), years.itemText(item - 1).toInt() + 1);
        }
        for (const QComboBox* list : {&months, &days, &years}) {
            QVERIFY(!list->isEditable());
            QCOMPARE(list->palette().color(QPalette::Text), theme::kValueText);
            QCOMPARE(list->palette().color(QPalette::Base), theme::kWindowBackground);
        }
    }

    void resultWindowKeepsTheLayoutRulesOnEveryPageWhateverTheReading() {
        frmDisplay& window = showDisplay();
        auto& tabs = Child<QTabWidget>(window, "SSTab1");
        QCOMPARE(PlaceOf(window, "SSTab1"), std::pair(QStringLiteral("client"), TwipsRect(0, 675, 6495, 3360)));
        QCOMPARE(PlaceOf(window, "cmdFindGurdianAngel"),
                 std::pair(QStringLiteral("Frame5"), TwipsRect(5400, 200, 975, 375)));
        QCOMPARE(tabs.count(), 3);
        QCOMPARE(tabs.tabText(0), QStringLiteral("By Day Of Birth"));
        QCOMPARE(tabs.tabText(1), QStringLiteral("By Month Of Birth"));
        QCOMPARE(tabs.tabText(2), QStringLiteral("By Sun Sign"));
        for (const char* frame : {"Frame1", "Frame2", "Frame3"}) {
            QCOMPARE(Child<QWidget>(window, frame).size(), TwipsRect(0, 0, 6255, 2895).size());
        }
        for (const QLabel* value : tabs.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lbl")))) {
            QCOMPARE(value->palette().color(QPalette::WindowText), theme::kValueText);
        }
        // Every name, colour, sign and element that a reading can show, on each page.
        for (const bool northern : {false, true}) {
            for (std::int16_t month = 0; month < 12; ++month) {
                for (const std::int16_t day : {1, 10, 19, 28}) {
                    for (std::int16_t year = 1950; year <= 1956; ++year) {
                        BirthDetails details{"ANNA", year, std::string{kMonthNames.at(static_cast<std::size_t>(month))},
                                             month,  day,  northern,
                                             {}};
                        window.takeOverReading(ReadGuardianAngels(details));
                        for (int page = 0; page < tabs.count(); ++page) {
                            tabs.setCurrentIndex(page);
                            QCOMPARE(testing::LayoutFaults(window, kResultOverlaps), QString());
                        }
                    }
                }
            }
        }
    }

    void menus() {
        frmMain& main = showMain();
        QCOMPARE(testing::DescribeItems(main.menuBar()->actions()).constFirst(), QStringLiteral("mnuFile=&File"));
        QCOMPARE(testing::DescribeItems(Child<QMenu>(main, "mnuFile").actions()),
                 (QStringList{QStringLiteral("mnuFind=Find My &Guardian Angel "), QStringLiteral("mnuExit=E&xit")}));
        frmDisplay& display = showDisplay();
        QCOMPARE(testing::DescribeItems(display.menuBar()->actions()).constFirst(), QStringLiteral("mnuFile=&File"));
        QCOMPARE(testing::DescribeItems(Child<QMenu>(display, "mnuFile").actions()),
                 (QStringList{QStringLiteral("mnuPrint=Print"), QStringLiteral("mnuBack=&Back"),
                              QStringLiteral("mnuExit=E&xit")}));
    }

    void windowsAreFixedAndCentred() {
        verifyFixedCentredWindow(showMain(), {7950, 5265});
        verifyFixedCentredWindow(showDisplay(), {6510, 5145});
    }

    void keyboardOrder() {
        frmMain& main = showMain();
        const QStringList designed =
            QStringLiteral("txtName cboMonth cboDate cboYear optSouthern optNorthern cmdFindGurdianAngel").split(u' ');
        QStringList chain;
        for (QWidget* widget = &Child<QWidget>(main, "txtName"); chain.size() < designed.size();
             widget = widget->nextInFocusChain()) {
            if (widget->focusPolicy() & Qt::TabFocus) {
                chain.append(widget->objectName());
            }
        }
        QCOMPARE(chain, designed);
        // Tab stops at the chosen one of the two options only, as on Windows.
        QStringList tabbed = designed;
        tabbed.removeAll(QStringLiteral("optNorthern"));
        QCOMPARE(tabOrderFrom(main, Child<QWidget>(main, "txtName")), tabbed);
        QTest::mouseClick(&Child<QRadioButton>(main, "optNorthern"), Qt::LeftButton);
        tabbed = designed;
        tabbed.removeAll(QStringLiteral("optSouthern"));
        QCOMPARE(tabOrderFrom(main, Child<QWidget>(main, "txtName")), tabbed);
        main.close();
        frmDisplay& display = showDisplay();
        QWidget& tabBar = *Child<QTabWidget>(display, "SSTab1").tabBar();
        QCOMPARE(tabOrderFrom(display, tabBar).mid(1),
                 (QStringList{QStringLiteral("txtDOBAngelDescription"), QStringLiteral("cmdFindGurdianAngel"),
                              QStringLiteral("cmdPrint")}));
    }

    void theNameBoxHasTheFocusAtStart() {
        frmMain& main = showMain();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QCOMPARE(QApplication::focusWidget(), &Child<QWidget>(main, "txtName"));
    }

    void screenReadersReadTheCaptions() {
        frmMain& main = showMain();
        // A list's accessible name is its chosen item on this desktop; its caption is the description.
        for (const auto& [control, caption] :
             {std::pair{"cboMonth", "Month of Birth"}, std::pair{"cboDate", "Day of Birth"},
              std::pair{"cboYear", "Year of Birth"}}) {
            auto& list = Child<QComboBox>(main, control);
            QCOMPARE(list.accessibleName(), QString::fromLatin1(caption));
            QCOMPARE(AccessibleText(list, QAccessible::Description), QString::fromLatin1(caption));
        }
        for (const auto& [control, name] :
             {std::pair{"txtName", "Name"}, std::pair{"optSouthern", "Southern Hemisphere"},
              std::pair{"optNorthern", "Northern Hemisphere"},
              std::pair{"cmdFindGurdianAngel", "Find My Guardian Angel "}}) {
            QCOMPARE(AccessibleText(Child<QWidget>(main, control), QAccessible::Name), QString::fromLatin1(name));
        }

        frmDisplay& display = showDisplay();
        for (const auto& [control, name] :
             {std::pair{"cmdFindGurdianAngel", "Back"}, std::pair{"cmdPrint", "Print"},
              std::pair{"txtDOBAngelDescription", "Description Of Your Guardian Angel"}}) {
            QCOMPARE(AccessibleText(Child<QWidget>(display, control), QAccessible::Name), QString::fromLatin1(name));
        }
        BirthDetails details{"ANNA", 1985, "March", 2, 14, true, {}};
        display.takeOverReading(ReadGuardianAngels(details));
        // A value is read as itself, never as its heading, which is its description.
        const auto values =
            Child<QTabWidget>(display, "SSTab1").findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lbl")));
        QCOMPARE(values.size(), 6);
        for (QLabel* value : values) {
            const QLabel* heading = HeadingOver(*value);
            QVERIFY2(heading != nullptr, qPrintable(value->objectName()));
            QCOMPARE(AccessibleText(*value, QAccessible::Name), value->text());
            QCOMPARE(AccessibleText(*value, QAccessible::Description), heading->text());
        }
        QAccessibleInterface* tabs =
            QAccessible::queryAccessibleInterface(Child<QTabWidget>(display, "SSTab1").tabBar());
        QVERIFY(tabs != nullptr);
        QCOMPARE(tabs->childCount() >= 3, true);
        QCOMPARE(tabs->child(1)->text(QAccessible::Name), QStringLiteral("By Month Of Birth"));
    }

    void theYellowWordsSitInTheGap() {
        const frmMain& main = showMain();
        const auto& sentence = Child<QLabel>(main, "Label4");
        const auto& words = Child<QLabel>(main, "Label5");
        QCOMPARE(words.text(), QStringLiteral("Find MY Guardian Angel"));
        VerifyWordsSitInTheGap(sentence, words);
    }

    void theYellowWordsSitInTheGapWhateverTheFont_data() {
        QTest::addColumn<QFont>("sentenceFont");
        QTest::addColumn<QFont>("wordsFont");
        const auto font = [](const char* family, qreal size, bool bold) {
            QFont chosen(QString::fromLatin1(family));
            chosen.setPointSizeF(size);
            chosen.setBold(bold);
            return chosen;
        };
        QTest::newRow("monospace") << font("DejaVu Sans Mono", 8, false) << font("DejaVu Sans Mono", 8, false);
        QTest::newRow("serif, large") << font("DejaVu Serif", 12, false) << font("DejaVu Serif", 12, false);
        QTest::newRow("bold words") << font("DejaVu Sans", 8, false) << font("DejaVu Sans", 8, true);
        QTest::newRow("words far too large") << font("DejaVu Sans", 8, false) << font("DejaVu Sans", 20, true);
    }

    void theYellowWordsSitInTheGapWhateverTheFont() {
        QFETCH(QFont, sentenceFont);
        QFETCH(QFont, wordsFont);
        QWidget frame;
        controls::SetBackground(frame, theme::kWindowBackground);
        frame.resize(600, 120);
        QLabel sentence(&frame);
        controls::SetUpLabel(sentence, Invitation(), theme::kInvitationText);
        sentence.setGeometry(16, 10, 500, 80);
        sentence.setFont(sentenceFont);
        sentence.setWordWrap(true);
        QLabel words(&frame);
        controls::SetUpLabel(words, QStringLiteral("Find MY Guardian Angel"), theme::kHighlightText);
        words.setFont(wordsFont);
        controls::LayIntoGap(sentence, 8, 42, words);
        VerifyWordsSitInTheGap(sentence, words);
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::WindowLayoutTest)
#include "WindowLayoutTest.moc"
