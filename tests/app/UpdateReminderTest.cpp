#include "UpdateReminder.h"
#include "BuildInfo.h"
#include "FakePlatform.h"
#include "SettingCodec.h"
#include "TestOutput.h"

#include <gtest/gtest.h>

namespace seraphel {
namespace {

// "Settings" / EncodeSetting("Duration") and EncodeSetting("DurationISO"), spelled out so that a
// change to either shows here.
const QString kStoredDateKey = QStringLiteral(u"Settings/\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
const QString kStoredIsoDateKey = kStoredDateKey + QStringLiteral(u"\u017E\u00A8\u00A4");
const QString kQuestion = QStringLiteral("There maybe an update to this software available\r"
                                         "Do you want to check for an update?");

class UpdateReminderTest : public ::testing::Test {
protected:
    const QLocale m_us{QStringLiteral("en_US")};
    FakePlatform m_platform;

    QDate today() const { return m_platform.currentDate; }
    void storeRaw(const QString& value) { m_platform.settings.insert(kStoredDateKey, value); }
    void storeText(const QString& text) { storeRaw(EncodeSetting(text)); }
    QString storedText() const { return DecodeSetting(m_platform.settings.value(kStoredDateKey)); }
    void check() { CheckForUpdateReminder(m_platform, m_us); }

    void expectUntouched(const QString& rawValue) {
        EXPECT_TRUE(m_platform.questions.isEmpty());
        EXPECT_EQ(m_platform.calls.count(QStringLiteral("writeSetting")), 0);
        EXPECT_TRUE(m_platform.openedAddresses.isEmpty());
        EXPECT_EQ(m_platform.settings.value(kStoredDateKey), rawValue);
    }
};

TEST_F(UpdateReminderTest, FirstRunStoresTodayAndAsksNothing) {
    check();
    EXPECT_TRUE(m_platform.questions.isEmpty());
    EXPECT_TRUE(m_platform.openedAddresses.isEmpty());
    EXPECT_EQ(m_platform.settings.value(kStoredDateKey),
              QStringLiteral(u"\u2020\u2021\u201E\u0152\u201E\u2021\u2026\u2021\u2039")); // "12/7/2026"
    EXPECT_EQ(DecodeSetting(m_platform.settings.value(kStoredIsoDateKey)), QStringLiteral("2026-12-07"));
    EXPECT_EQ(m_platform.settings.size(), 2);
}

TEST_F(UpdateReminderTest, EmptyValueIsAFirstRun) {
    storeRaw(QString());
    check();
    EXPECT_TRUE(m_platform.questions.isEmpty());
    EXPECT_EQ(storedText(), QStringLiteral("12/7/2026"));
}

TEST_F(UpdateReminderTest, ValueThatDecodesToNothingIsAFirstRun) {
    storeRaw(QStringLiteral("12/7/2026")); // never encoded: every code is below 85
    check();
    EXPECT_TRUE(m_platform.questions.isEmpty());
    EXPECT_EQ(storedText(), QStringLiteral("12/7/2026"));
}

TEST_F(UpdateReminderTest, DefaultUsesTheSystemDateFormat) {
    CheckForUpdateReminder(m_platform, QLocale::system());
    const QString inSystemFormat = storedText();
    m_platform.reset();
    CheckForUpdateReminder(m_platform);
    EXPECT_EQ(storedText(), inSystemFormat);
}

struct DistanceCase {
    const char* what;
    const char* stored; // today is 12/7/2026
    bool asks;
};

class UpdateReminderDistanceTest : public UpdateReminderTest, public ::testing::WithParamInterface<DistanceCase> {};

TEST_P(UpdateReminderDistanceTest, AsksOnlyBeyondFourteenDaysEitherSide) {
    storeText(QString::fromLatin1(GetParam().stored));
    const QString rawBefore = m_platform.settings.value(kStoredDateKey);
    check();
    if (GetParam().asks) {
        ASSERT_EQ(m_platform.questions.size(), 1);
        EXPECT_EQ(m_platform.questions.front().text, kQuestion);
        EXPECT_EQ(m_platform.questions.front().parent, nullptr);
        EXPECT_EQ(storedText(), QStringLiteral("12/7/2026"));
    } else {
        expectUntouched(rawBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(Days, UpdateReminderDistanceTest,
                         ::testing::Values(DistanceCase{"today", "12/7/2026", false},
                                           DistanceCase{"1 day ago", "12/6/2026", false},
                                           DistanceCase{"1 day ahead", "12/8/2026", false},
                                           DistanceCase{"14 days ago", "11/23/2026", false},
                                           DistanceCase{"14 days ahead", "12/21/2026", false},
                                           DistanceCase{"15 days ago", "11/22/2026", true},
                                           DistanceCase{"15 days ahead", "12/22/2026", true},
                                           DistanceCase{"400 days ago", "11/2/2025", true},
                                           DistanceCase{"3650 days ahead", "12/4/2036", true}),
                         DescribedRowName());

TEST_F(UpdateReminderTest, YesStoresTodayThenOpensTheDownloadPage) {
    storeText(QStringLiteral("11/22/2026")); // 15 days ago
    m_platform.nextAnswerYes = true;
    check();
    EXPECT_EQ(storedText(), QStringLiteral("12/7/2026"));
    EXPECT_EQ(m_platform.openedAddresses, QStringList{QString::fromUtf8(build::kBaseUrl) +
                                                      QStringLiteral("/seraphel/ssd.php?page=download-web-page")});
    // The day is stored before the browser takes over.
    EXPECT_EQ(m_platform.calls.mid(m_platform.calls.size() - 2),
              (QStringList{QStringLiteral("writeSetting"), QStringLiteral("openWebAddress")}));
}

TEST_F(UpdateReminderTest, NoStoresTodayAndOpensNothing) {
    storeText(QStringLiteral("11/22/2026")); // 15 days ago
    m_platform.nextAnswerYes = false;
    check();
    EXPECT_EQ(storedText(), QStringLiteral("12/7/2026"));
    EXPECT_TRUE(m_platform.openedAddresses.isEmpty());
}

TEST_F(UpdateReminderTest, AReminderRestartsTheFourteenDays) {
    storeText(QStringLiteral("12/22/2026")); // 15 days ahead
    check();
    ASSERT_EQ(m_platform.questions.size(), 1);
    m_platform.currentDate = today().addDays(14);
    check();
    EXPECT_EQ(m_platform.questions.size(), 1);
    m_platform.currentDate = today().addDays(1);
    check();
    EXPECT_EQ(m_platform.questions.size(), 2);
}

struct UnreadableCase {
    const char* what;
    QString raw; // as the store holds it
};

class UpdateReminderUnreadableTest : public UpdateReminderTest, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UpdateReminderUnreadableTest, StopsWithoutAskingOrWriting) {
    storeRaw(GetParam().raw);
    check();
    expectUntouched(GetParam().raw);
}

INSTANTIATE_TEST_SUITE_P(
    Values, UpdateReminderUnreadableTest,
    ::testing::Values(UnreadableCase{"garbage", EncodeSetting(QStringLiteral("garbage"))},
                      UnreadableCase{"half a date", EncodeSetting(QStringLiteral("12/7/"))},
                      UnreadableCase{"no year", EncodeSetting(QStringLiteral("12/7"))},
                      UnreadableCase{"only a year", EncodeSetting(QStringLiteral("2026"))},
                      UnreadableCase{"date and more", EncodeSetting(QStringLiteral("12/7/2026 and more"))},
                      UnreadableCase{"no locale's format", EncodeSetting(QStringLiteral("7|12|2026"))},
                      UnreadableCase{"a megabyte of digits", EncodeSetting(QString(1 << 20, QLatin1Char('7')))},
                      UnreadableCase{"a date many times",
                                     EncodeSetting(QStringLiteral("11/20/2026")).repeated(100'000)},
                      UnreadableCase{"never encoded text", QStringLiteral("garbage")},
                      UnreadableCase{"a megabyte of the highest code", QString(1 << 20, QChar(0x00FF))},
                      UnreadableCase{"a megabyte of letters", QString(1 << 20, QLatin1Char('z'))}),
    DescribedRowName());

// Formats that write two-digit years: the stored date must read back as this century's, or the
// question would come at every start.
class UpdateReminderLocaleTest : public UpdateReminderTest, public ::testing::WithParamInterface<const char*> {
protected:
    void checkIn(const QLocale& locale) { CheckForUpdateReminder(m_platform, locale); }
};

TEST_P(UpdateReminderLocaleTest, StoredDateKeepsTheFourteenDayRhythm) {
    const QLocale locale(QString::fromLatin1(GetParam()));
    const QDate start = today();
    checkIn(locale);
    EXPECT_TRUE(storedText().contains(QStringLiteral("2026")));
    for (const qint64 days : {0, 1, 14}) {
        m_platform.currentDate = start.addDays(days);
        checkIn(locale);
        EXPECT_TRUE(m_platform.questions.isEmpty()) << days << " days later";
    }
    m_platform.currentDate = start.addDays(15);
    checkIn(locale);
    EXPECT_EQ(m_platform.questions.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Locales, UpdateReminderLocaleTest, ::testing::Values("en_US", "de_DE", "ko_KR", "ar_EG"));

struct ClockCase {
    const char* what;
    QDate today;
    const char* locale;
    const char* storedThen;  // as that day is stored in the locale
    const char* storedToday; // 7 December 2026 there
};

// The clock set far back or far ahead of the last reminder, and then put right again: each
// change asks once and stores the day, which the next start on that day reads back.
class UpdateReminderClockTest : public UpdateReminderTest, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(UpdateReminderClockTest, AsksOnceAndStoresTheDayEitherWay) {
    const QLocale locale(QString::fromLatin1(GetParam().locale));
    const QDate sane = today();
    storeText(QString::fromUtf8(GetParam().storedToday));
    for (const auto& [day, stored] :
         {std::pair{GetParam().today, GetParam().storedThen}, std::pair{sane, GetParam().storedToday}}) {
        const qsizetype asked = m_platform.questions.size();
        m_platform.currentDate = day;
        CheckForUpdateReminder(m_platform, locale);
        ASSERT_EQ(m_platform.questions.size(), asked + 1) << day.toString().toStdString();
        EXPECT_EQ(storedText(), QString::fromUtf8(stored));
        CheckForUpdateReminder(m_platform, locale);
        EXPECT_EQ(m_platform.questions.size(), asked + 1) << "asked again on " << day.toString().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clocks, UpdateReminderClockTest,
    ::testing::Values(ClockCase{"year 1", QDate(1, 1, 1), "en_US", "1/1/0001", "12/7/2026"},
                      ClockCase{"year 49", QDate(49, 6, 15), "de_DE", "15.06.0049", "07.12.2026"},
                      ClockCase{"year 9999", QDate(9999, 12, 31), "en_US", "12/31/9999", "12/7/2026"},
                      ClockCase{"year 10000", QDate(10000, 1, 1), "ko_KR", "10000. 1. 1.", "2026. 12. 7."},
                      ClockCase{"year 30000", QDate(30000, 2, 29), "ar_EG", "29/2/30000", "7/12/2026"},
                      ClockCase{"year 26", QDate(26, 12, 6), "C", "6 Dec 0026", "7 Dec 2026"}),
    DescribedRowName());

// A date written as "12/09/2026" in the UK reads as 9 December in the US: the ISO copy beside it
// keeps the reminder on time after the system's date order changes, either way round.
TEST_F(UpdateReminderTest, ChangedDateOrderKeepsTheDateThatWasStored) {
    for (const auto& [writtenIn, readIn] : {std::pair{"en_GB", "en_US"}, std::pair{"en_US", "en_GB"}}) {
        m_platform.reset();
        m_platform.currentDate = QDate(2026, 9, 12);
        CheckForUpdateReminder(m_platform, QLocale(QString::fromLatin1(writtenIn)));
        m_platform.currentDate = QDate(2026, 12, 10);
        CheckForUpdateReminder(m_platform, QLocale(QString::fromLatin1(readIn)));
        EXPECT_EQ(m_platform.questions.size(), 1) << writtenIn << " to " << readIn;
    }
}

TEST_F(UpdateReminderTest, TwoDigitYearFromAnEarlierVersionStillCounts) {
    storeText(QStringLiteral("11/23/26")); // 14 days ago
    check();
    EXPECT_TRUE(m_platform.questions.isEmpty());
    EXPECT_EQ(m_platform.calls.count(QStringLiteral("writeSetting")), 0);
    storeText(QStringLiteral("11/22/26")); // 15 days ago
    check();
    EXPECT_EQ(m_platform.questions.size(), 1);
    EXPECT_EQ(storedText(), QStringLiteral("12/7/2026"));
}

} // namespace
} // namespace seraphel
