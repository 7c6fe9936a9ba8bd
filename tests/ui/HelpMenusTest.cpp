// The Help and Donate menus of both windows and the about box: which page each control opens,
// the menus' names, captions and access keys, the about box's look and layout rules, and how
// it is shown and closed.
#include "HelpMenus.h"
#include "BuildInfo.h"
#include "FakeWindowServices.h"
#include "LayoutRules.h"
#include "PageTriggers.h"
#include "QtPlatform.h"
#include "Theme.h"
#include "WindowTesting.h"
#include "frmAbout.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <array>
#include <memory>

namespace seraphel {
namespace {

enum class Host { MainWindow, ResultWindow, AboutBox };

HelpMenuVariant VariantOf(Host host) {
    return host == Host::MainWindow ? HelpMenuVariant::MainWindow : HelpMenuVariant::ResultWindow;
}

const char* HostName(Host host) {
    constexpr std::array<const char*, 3> kNames{{"main window", "result window", "about box"}};
    return kNames[static_cast<std::size_t>(host)];
}

// Stands in for the main or the result window: a File menu, then the shared menus, and an
// input that must come through the about box untouched.
std::unique_ptr<QMainWindow> MakeWindow(WindowServices& services, HelpMenuVariant variant) {
    auto window = std::make_unique<QMainWindow>();
    QMenu* file = window->menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"));
    window->setCentralWidget(new QLineEdit(QStringLiteral("Gabriel"), window.get()));
    new HelpMenus(services, *window->menuBar(), variant, *window);
    return window;
}

std::unique_ptr<QWidget> MakeHost(WindowServices& services, Host host) {
    if (host == Host::AboutBox) {
        return std::make_unique<frmAbout>(services, nullptr);
    }
    return MakeWindow(services, VariantOf(host));
}

[[nodiscard]] bool ShowActive(QWidget& widget) {
    widget.show();
    widget.activateWindow();
    return QTest::qWaitForWindowActive(&widget);
}

} // namespace

class HelpMenusTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fake = FakeWindowServices{}; }

    void controlsOpenTheirPageEachTime_data();
    void controlsOpenTheirPageEachTime();
    void menusFollowTheFileMenu_data();
    void menusFollowTheFileMenu();
    void aboutItemShowsAFreshBoxOverTheWindow_data();
    void aboutItemShowsAFreshBoxOverTheWindow();
    void aboutBoxBlocksTheWindowUntilClosed();
    void aboutBoxControlsLookAsDesigned_data();
    void aboutBoxControlsLookAsDesigned();
    void aboutBoxDescribesTheProgram();
    void aboutBoxKeepsTheLayoutRules();
    void aboutBoxClosesOnOkEnterAndEscape_data();
    void aboutBoxClosesOnOkEnterAndEscape();

private:
    FakeWindowServices m_fake;
};

void HelpMenusTest::controlsOpenTheirPageEachTime_data() {
    QTest::addColumn<Host>("host");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("address");
    auto addRows = [](Host host, const auto& triggers) {
        for (const auto& trigger : triggers) {
            QTest::addRow("%s %s", HostName(host), trigger.objectName)
                << host << QString::fromLatin1(trigger.objectName) << test::ExpectedPageAddress(trigger.pageKey);
        }
    };
    addRows(Host::MainWindow, test::kMenuPageTriggers);
    addRows(Host::ResultWindow, test::kMenuPageTriggers);
    addRows(Host::AboutBox, test::kAboutBoxPageTriggers);
}

void HelpMenusTest::controlsOpenTheirPageEachTime() {
    QFETCH(Host, host);
    QFETCH(QString, objectName);
    QFETCH(QString, address);
    const auto window = MakeHost(m_fake, host);
    QVERIFY(ShowActive(*window));

    QVERIFY(test::TriggerControl(*window, objectName));
    QCOMPARE(m_fake.openedAddresses, QStringList{address});
    QVERIFY(test::TriggerControl(*window, objectName));
    QCOMPARE(m_fake.openedAddresses, (QStringList{address, address}));

    QVERIFY(m_fake.modalDialogs.isEmpty());
    QVERIFY(window->isVisible()); // the about box stays open after a link
}

void HelpMenusTest::menusFollowTheFileMenu_data() {
    QTest::addColumn<HelpMenuVariant>("variant");
    QTest::addColumn<QStringList>("helpItems");
    QTest::newRow("main window") << HelpMenuVariant::MainWindow
                                 << QStringList{QStringLiteral("mnuOnline=&Online Help"),
                                                QStringLiteral("mnuVisit=&Visit Us Online"),
                                                QStringLiteral("mnuHelp1=-"),
                                                QStringLiteral("mnuUpdate=Check for Software &Update"),
                                                QStringLiteral("mnuHelp2=-"),
                                                QStringLiteral("mnuAbout=&About Software")};
    QTest::newRow("result window") << HelpMenuVariant::ResultWindow
                                   << QStringList{QStringLiteral("mnuOnline=&Online Help"),
                                                  QStringLiteral("mnuVisit=&Visit Us Online"),
                                                  QStringLiteral("mnuFileSep1=-"),
                                                  QStringLiteral("mnuUpdate=&Check for Software Update"),
                                                  QStringLiteral("mnuFileSep2=-"),
                                                  QStringLiteral("mnuAbout=&About Software")};
}

void HelpMenusTest::menusFollowTheFileMenu() {
    QFETCH(HelpMenuVariant, variant);
    QFETCH(QStringList, helpItems);
    const auto window = MakeWindow(m_fake, variant);
    QVERIFY(ShowActive(*window));
    QMenuBar& bar = *window->menuBar();

    const QList<QAction*> topLevel = bar.actions();
    QCOMPARE(testing::DescribeItems(topLevel),
             (QStringList{QStringLiteral("=&File"), QStringLiteral("=&Help"), QStringLiteral("mnuDonate=&Donate"),
                          QStringLiteral("mkmoney=Make Money &Online")}));
    QCOMPARE(topLevel[1]->menu()->objectName(), QStringLiteral("mnuHelp"));
    QCOMPARE(testing::DescribeItems(topLevel[1]->menu()->actions()), helpItems);
    for (const QAction* item : topLevel[1]->menu()->actions()) {
        QVERIFY2(item->isVisible(), qPrintable(item->objectName()));
    }

    QVERIFY(topLevel[2]->menu() == nullptr);
    QVERIFY(!bar.actionGeometry(topLevel[2]).isEmpty());

    QVERIFY(topLevel[3]->menu() == nullptr);
    QVERIFY(!topLevel[3]->isVisible());
    QVERIFY(bar.actionGeometry(topLevel[3]).isEmpty()); // takes no room on the bar
}

void HelpMenusTest::aboutItemShowsAFreshBoxOverTheWindow_data() {
    QTest::addColumn<HelpMenuVariant>("variant");
    QTest::newRow("main window") << HelpMenuVariant::MainWindow;
    QTest::newRow("result window") << HelpMenuVariant::ResultWindow;
}

void HelpMenusTest::aboutItemShowsAFreshBoxOverTheWindow() {
    QFETCH(HelpMenuVariant, variant);
    const auto window = MakeWindow(m_fake, variant);
    QVERIFY(ShowActive(*window));
    const auto* input = qobject_cast<QLineEdit*>(window->centralWidget());
    const QStringList menusBefore = testing::DescribeItems(window->menuBar()->actions());

    QList<const QWidget*> owners;
    m_fake.whileModalIsShown = [&owners](QDialog& box) { owners.append(box.parentWidget()); };
    QVERIFY(test::TriggerControl(*window, QStringLiteral("mnuAbout")));
    QVERIFY(test::TriggerControl(*window, QStringLiteral("mnuAbout")));

    QCOMPARE(m_fake.modalDialogs, (QStringList{QStringLiteral("frmAbout"), QStringLiteral("frmAbout")}));
    QCOMPARE(owners, (QList<const QWidget*>{window.get(), window.get()}));
    QVERIFY(window->findChild<frmAbout*>() == nullptr); // gone once closed: the next showing starts afresh
    QVERIFY(m_fake.openedAddresses.isEmpty());
    QVERIFY(window->isVisible());
    QCOMPARE(input->text(), QStringLiteral("Gabriel"));
    QCOMPARE(testing::DescribeItems(window->menuBar()->actions()), menusBefore);
}

void HelpMenusTest::aboutBoxBlocksTheWindowUntilClosed() {
    QtPlatform platform; // its runModal really waits for the box
    const auto window = MakeWindow(platform, HelpMenuVariant::MainWindow);
    QVERIFY(ShowActive(*window));

    QString modalName; // of the box that is modal while the item waits
    QTimer::singleShot(0, window.get(), [&] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            modalName = modal->objectName();
            modal->reject();
        }
    });
    QVERIFY(test::TriggerControl(*window, QStringLiteral("mnuAbout")));

    QCOMPARE(modalName, QStringLiteral("frmAbout"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void HelpMenusTest::aboutBoxControlsLookAsDesigned_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("link"); // underlined light cyan

    const QString host = QUrl(QString::fromUtf8(build::kBaseUrl)).host();
    QTest::newRow("Label2") << "Label2"
                            << "Seraphel v2.00" << 9.75 << true << false;
    QTest::newRow("Label3") << "Label3"
                            << "Home Business Opportunity. Start your own Internet business and make money online. "
                               "Get this software fully branded for your website."
                            << 8.25 << true << false;
    QTest::newRow("lblHomePage") << "lblHomePage" << QStringLiteral("Click here to visit ") + host << 8.25 << false
                                 << true;
    QTest::newRow("lblCobrand") << "lblCobrand"
                                << "Click here for more details." << 8.25 << false << true;
}

void HelpMenusTest::aboutBoxControlsLookAsDesigned() {
    QFETCH(QString, objectName);
    QFETCH(QString, text);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);
    QFETCH(bool, link);
    frmAbout box(m_fake, nullptr);
    const auto* label = box.findChild<QLabel*>(objectName);
    QVERIFY(label != nullptr);

    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().pointSizeF(), pointSize);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().underline(), link);
    QCOMPARE(label->palette().color(QPalette::WindowText), link ? QColor(128, 255, 255) : QColor(Qt::white));
    QVERIFY(!label->autoFillBackground());
    if (link) { // only its text is clickable
        QCOMPARE(label->width(), label->sizeHint().width());
    }
}

void HelpMenusTest::aboutBoxDescribesTheProgram() {
    frmAbout box(m_fake, nullptr);
    QCOMPARE(box.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Seraphel v2.00"));
    QCOMPARE(box.size(), QSize(433, 272)); // 6495 x 4080 twips
    QCOMPARE(box.palette().color(QPalette::Window), QColor(79, 71, 36));

    const auto* paragraph = box.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(paragraph != nullptr);
    const QString text = paragraph->text();
    QVERIFY(text.startsWith(QStringLiteral("Seraphel is a divination software which interprets your ")));
    QCOMPARE(text.count(QStringLiteral("Seraphel")), 2);
    QCOMPARE(text.count(QStringLiteral(". ")) + (text.endsWith(QLatin1Char('.')) ? 1 : 0), 4);
    QVERIFY2(text.size() >= 450 && text.size() <= 550, qPrintable(QString::number(text.size())));
    QCOMPARE(paragraph->font().pointSizeF(), 8.25);

    const auto* ok = box.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QVERIFY(ok->isDefault());
    QVERIFY(ok->font().bold());
    QCOMPARE(ok->geometry(), theme::TwipsRect(5040, 3600, 1260, 345));

    const auto* icon = box.findChild<QLabel*>(QStringLiteral("picIcon"));
    QVERIFY(icon != nullptr);
    QCOMPARE(icon->size(), QSize(32, 32));
    QVERIFY(!icon->pixmap().isNull());
    const auto* line = box.findChild<QFrame*>(QStringLiteral("Line2"));
    QVERIFY(line != nullptr);
    QCOMPARE(line->frameShape(), QFrame::HLine);
    QVERIFY(line->geometry().top() > box.findChild<QLabel*>(QStringLiteral("Label2"))->geometry().bottom());
    QVERIFY(line->geometry().top() > icon->geometry().bottom());
    QVERIFY(line->geometry().bottom() < paragraph->geometry().top());
}

void HelpMenusTest::aboutBoxKeepsTheLayoutRules() {
    frmAbout box(m_fake, nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(testing::LayoutFaults(box), QString());
    const auto* ok = box.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QVERIFY(ok->fontMetrics().horizontalAdvance(QStringLiteral("OK")) < ok->width() / 2);
}

void HelpMenusTest::aboutBoxClosesOnOkEnterAndEscape_data() {
    QTest::addColumn<int>("key"); // 0: a mouse click on OK
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void HelpMenusTest::aboutBoxClosesOnOkEnterAndEscape() {
    QFETCH(int, key);
    frmAbout box(m_fake, nullptr);
    QVERIFY(ShowActive(box));

    if (key == 0) {
        QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    } else {
        QTest::keyClick(&box, static_cast<Qt::Key>(key));
    }
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted)); // OK is both the default and the cancel button
    QVERIFY(m_fake.openedAddresses.isEmpty());
}

} // namespace seraphel

QTEST_MAIN(seraphel::HelpMenusTest)
#include "HelpMenusTest.moc"
