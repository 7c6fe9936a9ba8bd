// The update reminder across a change of the system's locale, through the real settings store:
// a date written in one locale's short format is read in another's on a later start, and the
// reminder comes at most once too early and never stops coming. The store lives in a temporary
// configuration folder, set before anything opens it.
#include "ConfigFolderMain.h"
#include "FakePlatform.h"
#include "SettingCodec.h"
#include "UpdateReminder.h"

#include <QTest>

namespace seraphel {

class ReminderLocaleTest final : public QObject {
    Q_OBJECT

public:
    explicit ReminderLocaleTest(QString configFolder)
        : m_configFolder(std::move(configFolder)) {}

private:
    QString m_configFolder;

private slots:
    void cleanup() { testing::EmptyConfigFolder(m_configFolder); }

    void laterStartInAnotherLocale_data() {
        QTest::addColumn<QString>("writtenIn");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("readIn");
        QTest::addColumn<int>("daysLater");
        QTest::addColumn<bool>("asks");
        const QString us = QStringLiteral("en_US");
        const QString usText = QStringLiteral("12/9/2026");
        // The British format reads the text as 12 September: once too early, then on time.
        QTest::newRow("US to British, same day") << us << usText << QStringLiteral("en_GB") << 0 << true;
        QTest::newRow("US to German, same day") << us << usText << QStringLiteral("de_DE") << 0 << false;
        QTest::newRow("US to German, 30 days") << us << usText << QStringLiteral("de_DE") << 30 << true;
        QTest::newRow("Japanese to US, 100 days")
            << QStringLiteral("ja_JP") << QStringLiteral("2026/12/09") << us << 100 << true;
    }

    void laterStartInAnotherLocale() {
        QFETCH(QString, writtenIn);
        QFETCH(QString, written);
        QFETCH(QString, readIn);
        QFETCH(int, daysLater);
        QFETCH(bool, asks);
        const QDate firstDay(2026, 12, 9);
        const QString section = QStringLiteral("Settings");
        const QString name = EncodeSetting(QStringLiteral("Duration"));
        {
            SettingsStore store(false);
            FakePlatform first;
            first.realStore = &store;
            first.currentDate = firstDay;
            CheckForUpdateReminder(first, QLocale(writtenIn));
        }
        SettingsStore store(false); // the later start opens the store anew
        FakePlatform later;
        later.realStore = &store;
        QCOMPARE(DecodeSetting(later.readSetting(section, name)), written);
        later.currentDate = firstDay.addDays(daysLater);
        CheckForUpdateReminder(later, QLocale(readIn));
        QCOMPARE(later.questions.size(), asks ? 1 : 0);
        // A reminder stores the day anew, in the locale now in force.
        QCOMPARE(DecodeSetting(later.readSetting(section, name)) == written, !asks);
    }
};

} // namespace seraphel

int main(int argc, char** argv) {
    return seraphel::testing::RunInTemporaryConfigFolder<seraphel::ReminderLocaleTest>(argc, argv);
}

#include "ReminderLocaleTest.moc"
