// The real settings store and message box of QtPlatform. The store lives in a temporary
// configuration folder, set before anything opens a settings file.
#include "ApplicationName.h"
#include "ConfigFolderMain.h"
#include "QtPlatform.h"
#include "SettingCodec.h"
#include "StoredDate.h"
#include "UpdateReminder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace seraphel {
namespace {

const QString kSection = QStringLiteral("Settings");
const QString kEncodedDuration = QStringLiteral(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
const QString kEncodedDurationIso = kEncodedDuration + QStringLiteral(u"\u017E\u00A8\u00A4");

} // namespace

class QtPlatformSettingsTest final : public QObject {
    Q_OBJECT

public:
    explicit QtPlatformSettingsTest(QString configFolder)
        : m_configFolder(std::move(configFolder)) {}

private slots:
    void firstReminderStoresTheEncodedDate();
    void storeKeepsEveryCharacterOfAnEncodedDate();
    void freshPlatformReadsTheValueBack();
    void missingValueReadsEmpty();
    void questionShowsTheCarriageReturnAsALineBreak_data();
    void questionShowsTheCarriageReturnAsALineBreak();
    void leftoverStoreLockHoldsNothingUp_data();
    void leftoverStoreLockHoldsNothingUp();
    void cleanup();

private:
    QString settingsFile() const {
        return m_configFolder + QLatin1Char('/') + ApplicationName() + QLatin1Char('/') + ApplicationName() +
               QStringLiteral(".conf");
    }
    // The store's "Settings" section as the system keeps it, read without Qt.
    QMap<QString, QString> storedSection() const;

    QString m_configFolder;
};

QMap<QString, QString> QtPlatformSettingsTest::storedSection() const {
    return testing::ReadStoredSection(ApplicationName(), kSection);
}

void QtPlatformSettingsTest::firstReminderStoresTheEncodedDate() {
    QVERIFY(storedSection().isEmpty());
    const QDate before = QDate::currentDate();
    {
        QtPlatform platform;
        CheckForUpdateReminder(platform);
    }
    const QDate after = QDate::currentDate();

    const QMap<QString, QString> section = storedSection();
    QCOMPARE(section.keys(), (QStringList{kEncodedDuration, kEncodedDurationIso}));
    const auto storedOn = [&section](QDate day) {
        return section.value(kEncodedDuration) == EncodeSetting(FormatStoredDate(day, QLocale::system())) &&
               section.value(kEncodedDurationIso) == EncodeSetting(FormatStoredIsoDate(day));
    };
    QVERIFY2(storedOn(before) || storedOn(after), qPrintable(DecodeSetting(section.value(kEncodedDuration))));
}

void QtPlatformSettingsTest::storeKeepsEveryCharacterOfAnEncodedDate() {
    // Every digit, the usual separators and a month name: among them U+008D, the code of "8".
    const QString value = EncodeSetting(QStringLiteral("10.23/4-5 6789 Dec"));
    {
        QtPlatform platform;
        platform.writeSetting(kSection, kEncodedDuration, value);
    }
    QCOMPARE(storedSection().value(kEncodedDuration), value);
}

void QtPlatformSettingsTest::freshPlatformReadsTheValueBack() {
    const QString value = EncodeSetting(QStringLiteral("2/29/2028"));
    {
        QtPlatform platform;
        platform.writeSetting(kSection, kEncodedDuration, value);
    }
    QtPlatform platform;
    QCOMPARE(platform.readSetting(kSection, kEncodedDuration), value);
}

void QtPlatformSettingsTest::missingValueReadsEmpty() {
    QtPlatform platform;
    QCOMPARE(platform.readSetting(kSection, EncodeSetting(QStringLiteral("Missing"))), QString());
    QCOMPARE(platform.readSetting(QStringLiteral("Nowhere"), kEncodedDuration), QString());
}

void QtPlatformSettingsTest::questionShowsTheCarriageReturnAsALineBreak_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("reminder, No") << QStringLiteral("There maybe an update to this software available\r"
                                                    "Do you want to check for an update?")
                                  << QStringLiteral("There maybe an update to this software available\n"
                                                    "Do you want to check for an update?")
                                  << false;
    QTest::newRow("reminder, Yes") << QStringLiteral("first\rsecond") << QStringLiteral("first\nsecond") << true;
    QTest::newRow("CR LF kept") << QStringLiteral("first\r\nsecond") << QStringLiteral("first\r\nsecond") << false;
    QTest::newRow("CR at the end") << QStringLiteral("first\r") << QStringLiteral("first\n") << false;
}

void QtPlatformSettingsTest::questionShowsTheCarriageReturnAsALineBreak() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(bool, answerYes);

    QString shownText;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        shownText = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(answerYes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    QtPlatform platform;
    QCOMPARE(platform.askYesNo(nullptr, text), answerYes);
    QCOMPARE(shownText, shown);
    QCOMPARE(title, QStringLiteral("Seraphel"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
}

void QtPlatformSettingsTest::leftoverStoreLockHoldsNothingUp_data() {
    QTest::addColumn<QByteArray>("leftover"); // empty: a link to nowhere
    QTest::addColumn<bool>("claimed");
    QTest::newRow("empty") << QByteArray("\n") << true;
    QTest::newRow("garbage") << QByteArray("\xff\x01garbage\n\n\n") << true;
    QTest::newRow("link to nowhere") << QByteArray() << true;
    // Without the single-instance claim another instance may be writing: the store is left
    // alone this time.
    QTest::newRow("empty, without the claim") << QByteArray("\n") << false;
}

// A kill during a write leaves the store's lock behind, empty or half-written, and the store
// would wait on it until it is half a minute old: the test's time limit guards against that.
void QtPlatformSettingsTest::leftoverStoreLockHoldsNothingUp() {
    QFETCH(QByteArray, leftover);
    QFETCH(bool, claimed);
#ifdef Q_OS_WIN
    QSKIP("the store is the registry on Windows, which keeps no lock file beside the values");
#endif
    const QString lock = settingsFile() + QStringLiteral(".lock");
    QVERIFY(QDir().mkpath(QFileInfo(lock).path()));
    QFile file(lock);
    QVERIFY(leftover.isEmpty() ? QFile::link(lock + QStringLiteral(".gone"), lock)
                               : file.open(QIODevice::WriteOnly) && file.write(leftover) == leftover.size());
    file.close();
    const QString value = EncodeSetting(QStringLiteral("2/29/2028"));
    {
        QtPlatform platform;
        QVERIFY(!claimed || platform.claimSingleInstance());
        platform.writeSetting(kSection, kEncodedDuration, value);
    }
    QCOMPARE(storedSection().value(kEncodedDuration), claimed ? value : QString());
    QCOMPARE(QFileInfo(lock).isSymLink() || QFileInfo::exists(lock), !claimed);
}

void QtPlatformSettingsTest::cleanup() {
    testing::EmptyConfigFolder(m_configFolder);
}

} // namespace seraphel

int main(int argc, char** argv) {
    return seraphel::testing::RunInTemporaryConfigFolder<seraphel::QtPlatformSettingsTest>(argc, argv);
}

#include "QtPlatformSettingsTest.moc"
