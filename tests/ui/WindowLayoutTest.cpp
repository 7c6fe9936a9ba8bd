// How the two windows are laid out: every control with its name, container, caption and
// place from the design's twips, the menus, the keyboard order, what a screen reader
// reads, the fixed and centred windows, and that no caption is cut off in the font the
// system actually has.
#include "BuildInfo.h"
#include "Catalogue.h"
#include "Controls.h"
#include "FakePlatform.h"
#include "FindFlow.h"
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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace seraphel {
namespace {

using testing::Child;
using theme::TwipsRect;

struct Placed {
    const char* name;
    const char* container;
    const char* className;
    QString caption;
    QRect twips; // the designed place; a one-line caption may widen its control to the right
};

QString Invitation() {
    return QStringLiteral("Click on") + QString(42, QLatin1Char(' ')) +
           QStringLiteral("to Generate a Reading for your Guardian Angels based on your Date of Birth, Month of Birth "
                          "and your Sun Sign");
}

const QString kCobrand = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  link "
    "here. See \"Help\" for details.Click Here for more info on co-branding.");
const QString kFullBrand = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website. Click here for more details.");

const Placed kMainControls[] = {
    {"Frame4", "client", "QGroupBox", QString(), {20, 0, 7920, 615}},
    {"Label61", "Frame4", "seraphel::LinkLabel", QString(), {100, 120, 7680, 495}}, // as far as the band shows
    {"Label3",
     "client",
     "QLabel",
     QStringLiteral("Seraphel is an interpretation software which helps you to find out your guardian angel based on "
                    "your date of birth and their benefic efftects upon you. Seraphel generates a reading for a person "
                    "based on his/her personal details (Name and Date of Birth)."),
     {120, 600, 7695, 855}},
    {"Frame1", "client", "QGroupBox", QString(), {20, 1400, 7920, 2895}},
    {"Frame6", "Frame1", "QGroupBox", QStringLiteral("Fill Your Details :"), {120, 120, 4815, 1335}},
    {"Label2", "Frame6", "QLabel", QStringLiteral("Name"), {120, 330, 495, 195}},
    {"txtName", "Frame6", "QLineEdit", QString(), {1320, 240, 2175, 375}},
    {"Label1", "Frame6", "QLabel", QStringLiteral("Date of Birth"), {120, 900, 1095, 195}},
    {"cboMonth", "Frame6", "QComboBox", QStringLiteral("January"), {1320, 840, 1400, 315}},
    {"cboDate", "Frame6", "QComboBox", QStringLiteral("1"), {2850, 840, 700, 315}},
    {"cboYear", "Frame6", "QComboBox", QStringLiteral("1901"), {3690, 840, 1000, 315}},
    {"Frame2", "Frame1", "QGroupBox", QStringLiteral("Hemisphere You Live In :"), {5040, 120, 2775, 1335}},
    {"optSouthern", "Frame2", "QRadioButton", QStringLiteral("Southern Hemisphere"), {240, 360, 2175, 255}},
    {"optNorthern", "Frame2", "QRadioButton", QStringLiteral("Northern Hemisphere"), {240, 840, 2175, 255}},
    {"Label4", "Frame1", "QLabel", Invitation(), {240, 1560, 7500, 615}},
    {"cmdFindGurdianAngel",
     "Frame1",
     "QPushButton",
     QStringLiteral("Find My &Guardian Angel "),
     {120, 2160, 7695, 495}},
    {"Frame5", "client", "QGroupBox", QString(), {20, 4275, 7920, 975}},
    {"lblCobrand", "Frame5", "seraphel::LinkLabel", kCobrand, {503, 240, 6945, 615}},
    {"lblFullBrand", "Frame5", "seraphel::LinkLabel", kFullBrand, {503, 240, 6945, 615}},
};

const Placed kDisplayControls[] = {
    {"Frame4", "client", "QGroupBox", QString(), {0, 0, 6495, 615}},
    {"Label61", "Frame4", "seraphel::LinkLabel", QString(), {120, 120, 6360, 495}},
    {"SSTab1", "client", "QTabWidget", QString(), {0, 675, 6495, 3360}},
    {"Frame5", "client", "QGroupBox", QString(), {0, 4000, 6495, 1140}},
    {"lblCobrand", "Frame5", "seraphel::LinkLabel", kCobrand, {120, 165, 4665, 855}},
    {"lblFullBrand", "Frame5", "seraphel::LinkLabel", kFullBrand, {120, 165, 4665, 855}},
    {"cmdFindGurdianAngel", "Frame5", "QPushButton", QStringLiteral("&Back"), {5400, 200, 975, 375}},
    {"cmdPrint", "Frame5", "QPushButton", QStringLiteral("&Print"), {5400, 640, 975, 375}},
    {"Frame1", nullptr, "QGroupBox", QString(), {0, 0, 6255, 2895}},
    {"Frame2", nullptr, "QGroupBox", QString(), {0, 0, 6255, 2895}},
    {"Frame3", nullptr, "QGroupBox", QString(), {0, 0, 6255, 2895}},
    {"txtDOBAngelDescription", "Frame1", "QPlainTextEdit", QString(), {180, 1080, 4575, 1725}},
    {"picByDayOfBirth", "Frame1", "QLabel", QString(), {4920, 1080, 1125, 1725}},
    {"txtAngelDescByMonthOfBirth", "Frame2", "QPlainTextEdit", QString(), {180, 1080, 4575, 1725}},
    {"picByMonthOfBirth", "Frame2", "QLabel", QString(), {4920, 1080, 1125, 1725}},
    {"txtAngelDescriptionBySunSign", "Frame3", "QPlainTextEdit", QString(), {180, 1080, 4575, 1725}},
    {"picBySunSign", "Frame3", "QLabel", QString(), {4920, 1080, 1125, 1725}},
};

// Headings and the value labels under them on the result window's pages.
struct Heading {
    const char* frame;
    const char* name;
    const char* text;
    int left;
    const char* value; // nullptr for the description's heading
    int valueLeft;
};

const Heading kHeadings[] = {
    {"Frame1", "Label2", "Name Of Angel", 960, "lblDobAngel", 1440},
    {"Frame1", "Label1", "Color", 4440, "lblDobColor", 4455},
    {"Frame1", "Label9", "Description Of Your Guardian Angel", 180, nullptr, 0},
    {"Frame2", "Label3", "Name Of Angel", 2527, "lblMonthOfBirthAngel", 3000},
    {"Frame2", "Label8", "Description Of Your Guardian Angel", 180, nullptr, 0},
    {"Frame3", "Label4", "Your Sun Sign", 360, "lblSunSignName", 795},
    {"Frame3", "Label5", "Name Of Angel", 2595, "lblSunSignAngel", 3075},
    {"Frame3", "Label6", "Element", 4920, "lblSunSignElement", 5070},
    {"Frame3", "Label7", "Description Of Your Guardian Angel", 180, nullptr, 0},
};

QString CaptionOf(const QWidget& widget) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        return frame->title();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(&widget)) {
        return list->currentText();
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(&widget)) {
        return box->toPlainText();
    }
    return widget.property("text").toString();
}

void VerifyPlacement(const QWidget& window, const Placed& placed) {
    const auto& widget = Child<QWidget>(window, placed.name);
    const QString what = QString::fromLatin1(placed.name);
    QVERIFY2(widget.inherits(placed.className), qPrintable(what));
    if (placed.container != nullptr) {
        QCOMPARE(widget.parentWidget()->objectName(), QString::fromLatin1(placed.container));
        const QRect expected =
            TwipsRect(placed.twips.x(), placed.twips.y(), placed.twips.width(), placed.twips.height());
        QCOMPARE(widget.pos(), expected.topLeft());
        QCOMPARE(widget.height(), expected.height());
        QVERIFY2(widget.width() >= expected.width(), qPrintable(what));
    } else { // a page's frame: where the tab control's style leaves room for it
        QCOMPARE(widget.size(), TwipsRect(0, 0, placed.twips.width(), placed.twips.height()).size());
    }
    if (!placed.caption.isNull()) {
        QCOMPARE(CaptionOf(widget), placed.caption);
    }
}

QString AccessibleText(QObject& object, QAccessible::Text text) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&object);
    return accessible != nullptr ? accessible->text(text) : QStringLiteral("<not accessible>");
}

QStringList ActionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        texts.append(action->objectName() + QLatin1Char('=') + action->text());
    }
    return texts;
}

// Each caption fits its control, and each control lies wholly inside its container.
void VerifyNothingIsCutOff(const QWidget& window) {
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QString what = widget->objectName();
        if (widget->isWindow() || widget->isHidden() || what.isEmpty() || what.startsWith(QLatin1String("qt_"))) {
            continue;
        }
        if (qobject_cast<const QLabel*>(widget) != nullptr || qobject_cast<const QAbstractButton*>(widget) != nullptr ||
            qobject_cast<const QGroupBox*>(widget) != nullptr || qobject_cast<const QComboBox*>(widget) != nullptr) {
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(what));
        }
        const QFontMetrics metrics(widget->font());
        if (const auto* label = qobject_cast<const QLabel*>(widget); label != nullptr && !label->text().isEmpty()) {
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(what));
            } else {
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(what));
                QVERIFY2(label->sizeHint().height() <= label->height(), qPrintable(what));
            }
        } else if (const auto* option = qobject_cast<const QRadioButton*>(widget)) {
            QVERIFY2(option->sizeHint().width() <= option->width(), qPrintable(what));
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            const int text = metrics.horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
            QVERIFY2(text + margin <= button->width(), qPrintable(what));
            QVERIFY2(metrics.height() + margin <= button->height(), qPrintable(what));
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
            QVERIFY2(metrics.horizontalAdvance(frame->title()) + 2 * metrics.averageCharWidth() <= frame->width(),
                     qPrintable(what));
        } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
            QStyleOptionComboBox listOption;
            listOption.initFrom(list);
            const QRect field =
                list->style()->subControlRect(QStyle::CC_ComboBox, &listOption, QStyle::SC_ComboBoxEditField, list);
            for (int item = 0; item < list->count(); ++item) {
                QVERIFY2(metrics.horizontalAdvance(list->itemText(item)) <= field.width(),
                         qPrintable(what + QLatin1Char(' ') + list->itemText(item)));
            }
        }
    }
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

    void mainWindowControls() {
        const frmMain& window = showMain();
        for (const Placed& placed : kMainControls) {
            VerifyPlacement(window, placed);
        }
        QCOMPARE(Child<QLineEdit>(window, "txtName").maxLength(), 32767); // no limit of its own
        QCOMPARE(Child<QPushButton>(window, "cmdFindGurdianAngel").font().bold(), true);
        // One line of invitation to the discussion board, naming the web site.
        const QString banner = Child<QLabel>(window, "Label61").text();
        QVERIFY(banner.contains(QStringLiteral("discussion board")));
        QVERIFY(banner.endsWith(WebSiteHost()));
        QVERIFY(!banner.contains(QLatin1Char('\n')));
    }

    void mainWindowLists() {
        const frmMain& window = showMain();
        const auto& months = Child<QComboBox>(window, "cboMonth");
        QCOMPARE(months.count(), 12);
        for (int month = 0; month < 12; ++month) {
            QCOMPARE(months.itemText(month).toStdString(),
                     std::string{kMonthNames.at(static_cast<std::size_t>(month))});
        }
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

    void resultWindowControls() {
        const frmDisplay& window = showDisplay();
        for (const Placed& placed : kDisplayControls) {
            VerifyPlacement(window, placed);
        }
        for (const Heading& heading : kHeadings) {
            const auto& label = Child<QLabel>(window, heading.name);
            QCOMPARE(label.parentWidget()->objectName(), QString::fromLatin1(heading.frame));
            QCOMPARE(label.text(), QString::fromLatin1(heading.text));
            const int top = heading.value != nullptr ? 180 : 840;
            QCOMPARE(label.pos(), TwipsRect(heading.left, top, 0, 0).topLeft());
            if (heading.value != nullptr) {
                const auto& value = Child<QLabel>(*label.parentWidget(), heading.value);
                QCOMPARE(value.pos(), TwipsRect(heading.valueLeft, 500, 0, 0).topLeft());
                QCOMPARE(value.text(), QStringLiteral("Sorry"));
                QCOMPARE(value.palette().color(QPalette::WindowText), theme::kValueText);
            }
        }
        const auto& tabs = Child<QTabWidget>(window, "SSTab1");
        QCOMPARE(tabs.count(), 3);
        QCOMPARE(tabs.tabText(0), QStringLiteral("By Day Of Birth"));
        QCOMPARE(tabs.tabText(1), QStringLiteral("By Month Of Birth"));
        QCOMPARE(tabs.tabText(2), QStringLiteral("By Sun Sign"));
        QCOMPARE(tabs.currentIndex(), 0);
        for (int page = 0; page < 3; ++page) {
            const QWidget& frame = Child<QWidget>(*tabs.widget(page), page == 0   ? "Frame1"
                                                                      : page == 1 ? "Frame2"
                                                                                  : "Frame3");
            QVERIFY(tabs.widget(page)->rect().contains(frame.geometry()));
        }
    }

    void menus() {
        frmMain& main = showMain();
        QCOMPARE(ActionTexts(main.menuBar()->actions()).constFirst(), QStringLiteral("mnuFile=&File"));
        QCOMPARE(ActionTexts(Child<QMenu>(main, "mnuFile").actions()),
                 (QStringList{QStringLiteral("mnuFind=Find My &Guardian Angel "), QStringLiteral("mnuExit=E&xit")}));
        frmDisplay& display = showDisplay();
        QCOMPARE(ActionTexts(display.menuBar()->actions()).constFirst(), QStringLiteral("mnuFile=&File"));
        QCOMPARE(ActionTexts(Child<QMenu>(display, "mnuFile").actions()),
                 (QStringList{QStringLiteral("mnuPrint=Print"), QStringLiteral("mnuBack=&Back"),
                              QStringLiteral("mnuExit=E&xit")}));
    }

    void windowsAreFixedAndCentred() {
        verifyFixedCentredWindow(showMain(), {7950, 5265});
        verifyFixedCentredWindow(showDisplay(), {6510, 5145});
    }

    void keyboardOrder() {
        frmMain& main = showMain();
        const QStringList designed{QStringLiteral("txtName"),
                                   QStringLiteral("cboMonth"),
                                   QStringLiteral("cboDate"),
                                   QStringLiteral("cboYear"),
                                   QStringLiteral("optSouthern"),
                                   QStringLiteral("optNorthern"),
                                   QStringLiteral("cmdFindGurdianAngel")};
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
        const struct {
            const char* control;
            const char* name;
        } kMainNames[] = {
            {"txtName", "Name"},
            {"optSouthern", "Southern Hemisphere"},
            {"optNorthern", "Northern Hemisphere"},
            {"cmdFindGurdianAngel", "Find My Guardian Angel "},
        };
        for (const auto& [control, name] : kMainNames) {
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
        for (const Heading& heading : kHeadings) {
            if (heading.value == nullptr) {
                continue;
            }
            auto& value = Child<QLabel>(display, heading.value);
            QCOMPARE(AccessibleText(value, QAccessible::Name), value.text()); // the value itself, never its heading
            QCOMPARE(AccessibleText(value, QAccessible::Description), QString::fromLatin1(heading.text));
        }
        QCOMPARE(AccessibleText(Child<QLabel>(display, "lblSunSignName"), QAccessible::Name), QStringLiteral("Pisces"));
        QAccessibleInterface* tabs =
            QAccessible::queryAccessibleInterface(Child<QTabWidget>(display, "SSTab1").tabBar());
        QVERIFY(tabs != nullptr);
        QCOMPARE(tabs->childCount() >= 3, true);
        QCOMPARE(tabs->child(1)->text(QAccessible::Name), QStringLiteral("By Month Of Birth"));
    }

    void noCaptionIsCutOff() {
        VerifyNothingIsCutOff(showMain());
        frmDisplay& display = showDisplay();
        VerifyNothingIsCutOff(display);
        // Every name, colour, sign and element that a reading can show.
        for (const bool northern : {false, true}) {
            for (std::int16_t month = 0; month < 12; ++month) {
                for (const std::int16_t day : {1, 10, 19, 28}) {
                    for (const std::int16_t year : {1950, 1951, 1952, 1953, 1954, 1955, 1956}) {
                        BirthDetails details{"ANNA", year, std::string{kMonthNames.at(static_cast<std::size_t>(month))},
                                             month,  day,  northern,
                                             {}};
                        display.takeOverReading(ReadGuardianAngels(details));
                        VerifyNothingIsCutOff(display);
                    }
                }
            }
        }
    }

    void theYellowWordsSitInTheGap() {
        const frmMain& main = showMain();
        const auto& sentence = Child<QLabel>(main, "Label4");
        const auto& words = Child<QLabel>(main, "Label5");
        QCOMPARE(words.text(), QStringLiteral("Find MY Guardian Angel"));
        QCOMPARE(words.x() - sentence.x(),
                 QFontMetrics(sentence.font()).horizontalAdvance(QStringLiteral("Click on ")));
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
