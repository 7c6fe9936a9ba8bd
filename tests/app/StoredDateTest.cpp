#include "StoredDate.h"
#include "SettingCodec.h"
#include "TestOutput.h"

#include <gtest/gtest.h>

namespace seraphel {
namespace {

const QDate kToday(2026, 12, 7);

struct LocaleCase {
    const char* what;
    QLocale locale;
    QString todayText; // kToday as stored
};

// Two-digit-year formats (US, German, Korean, Bulgarian), digits that are not ASCII (Arabic,
// Persian), right-to-left marks and a Cyrillic letter the encoding would lose, a month name.
const LocaleCase kLocales[] = {
    {"US", QLocale(QStringLiteral("en_US")), QStringLiteral("12/7/2026")},
    {"German", QLocale(QStringLiteral("de_DE")), QStringLiteral("07.12.2026")},
    {"Korean", QLocale(QStringLiteral("ko_KR")), QStringLiteral("2026. 12. 7.")},
    {"Arabic", QLocale(QStringLiteral("ar_EG")), QStringLiteral("7/12/2026")},
    {"Persian", QLocale(QStringLiteral("fa_IR")), QStringLiteral("2026/12/7")},
    {"Bulgarian", QLocale(QStringLiteral("bg_BG")), QStringLiteral("7.12.2026 .")},
    {"Japanese", QLocale(QStringLiteral("ja_JP")), QStringLiteral("2026/12/07")},
    {"month name", QLocale::c(), QStringLiteral("7 Dec 2026")},
};

class StoredDateLocaleTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(StoredDateLocaleTest, WritesFourDigitYearsInAsciiDigits) {
    EXPECT_EQ(FormatStoredDate(kToday, GetParam().locale), GetParam().todayText);
}

TEST_P(StoredDateLocaleTest, EveryDayOfSeveralYearsReadsBackThroughTheEncoding) {
    const QLocale& locale = GetParam().locale;
    for (QDate date(1999, 1, 1); date <= QDate(2031, 12, 31); date = date.addDays(1)) {
        const QString stored = DecodeSetting(EncodeSetting(FormatStoredDate(date, locale)));
        const std::optional<QDate> read = ParseStoredDate(stored, locale, kToday);
        ASSERT_TRUE(read.has_value()) << stored.toStdString();
        ASSERT_EQ(*read, date) << stored.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, StoredDateLocaleTest, ::testing::ValuesIn(kLocales), DescribedRowName());

struct ReadCase {
    const char* what;
    QLocale locale;
    QString text;
    QDate today;
    std::optional<QDate> expected;
};

class StoredDateReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(StoredDateReadTest, ReadsTheDateOrNone) {
    EXPECT_EQ(ParseStoredDate(GetParam().text, GetParam().locale, GetParam().today), GetParam().expected);
}

const QLocale kUs(QStringLiteral("en_US"));
const QLocale kGerman(QStringLiteral("de_DE"));
const QLocale kKorean(QStringLiteral("ko_KR"));
const QLocale kArabic(QStringLiteral("ar_EG"));

// Two-digit years, as earlier versions wrote them, land in the century nearest to today.
INSTANTIATE_TEST_SUITE_P(
    EarlierTwoDigitYears, StoredDateReadTest,
    ::testing::Values(ReadCase{"US this year", kUs, QStringLiteral("11/23/26"), kToday, QDate(2026, 11, 23)},
                      ReadCase{"German this year", kGerman, QStringLiteral("23.11.26"), kToday, QDate(2026, 11, 23)},
                      ReadCase{"Korean this year", kKorean, QStringLiteral("26. 11. 23."), kToday, QDate(2026, 11, 23)},
                      ReadCase{"leap day of 2000", kUs, QStringLiteral("2/29/00"), kToday, QDate(2000, 2, 29)},
                      ReadCase{"last century", kUs, QStringLiteral("12/31/99"), kToday, QDate(1999, 12, 31)},
                      ReadCase{"fifty years back", kUs, QStringLiteral("1/1/76"), kToday, QDate(1976, 1, 1)},
                      ReadCase{"forty-nine years ahead", kUs, QStringLiteral("1/1/75"), kToday, QDate(2075, 1, 1)},
                      ReadCase{"two-digit year in a four-digit format", kArabic, QStringLiteral("7/12/26"), kToday,
                               std::nullopt}),
    DescribedRowName());

INSTANTIATE_TEST_SUITE_P(
    Unreadable, StoredDateReadTest,
    ::testing::Values(ReadCase{"garbage", kUs, QStringLiteral("garbage"), kToday, std::nullopt},
                      ReadCase{"half a date", kUs, QStringLiteral("12/7/"), kToday, std::nullopt},
                      ReadCase{"no year", kUs, QStringLiteral("12/7"), kToday, std::nullopt},
                      ReadCase{"three-digit year", kUs, QStringLiteral("12/7/202"), kToday, std::nullopt},
                      ReadCase{"five-digit year", kUs, QStringLiteral("12/7/20261"), kToday, std::nullopt},
                      ReadCase{"three-digit day", kUs, QStringLiteral("12/007/2026"), kToday, std::nullopt},
                      ReadCase{"month 13", kUs, QStringLiteral("13/7/2026"), kToday, std::nullopt},
                      ReadCase{"month 0", kUs, QStringLiteral("0/7/2026"), kToday, std::nullopt},
                      ReadCase{"day 0", kUs, QStringLiteral("12/0/2026"), kToday, std::nullopt},
                      ReadCase{"30 February", kUs, QStringLiteral("2/30/2024"), kToday, std::nullopt},
                      ReadCase{"29 February of a common year", kUs, QStringLiteral("2/29/2026"), kToday, std::nullopt},
                      ReadCase{"year 0", kUs, QStringLiteral("12/7/0000"), kToday, std::nullopt},
                      ReadCase{"trailing blank", kUs, QStringLiteral("12/7/2026 "), kToday, std::nullopt},
                      ReadCase{"leading blank", kUs, QStringLiteral(" 12/7/2026"), kToday, std::nullopt},
                      ReadCase{"trailing text", kUs, QStringLiteral("12/7/2026x"), kToday, std::nullopt},
                      ReadCase{"other separators", kUs, QStringLiteral("12-7-2026"), kToday, std::nullopt},
                      ReadCase{"another locale's order", kGerman, QStringLiteral("12/7/2026"), kToday, std::nullopt},
                      ReadCase{"sign before the year", kUs, QStringLiteral("12/7/-026"), kToday, std::nullopt},
                      ReadCase{"Arabic-Indic digits", kArabic,
                               QStringLiteral(u"\u0667/\u0661\u0662/\u0662\u0660\u0662\u0666"), kToday, std::nullopt},
                      ReadCase{"control characters", kUs, QStringLiteral(u"\u0001\u0000\u007F"), kToday, std::nullopt},
                      ReadCase{"only a month name", QLocale::c(), QStringLiteral("Dec"), kToday, std::nullopt},
                      ReadCase{"unknown month name", QLocale::c(), QStringLiteral("7 Dez 2026"), kToday, std::nullopt}),
    DescribedRowName());

TEST(StoredDateTest, VeryLongTextIsNoDate) {
    const QString megabyteOfDigits(1 << 20, QLatin1Char('1'));
    EXPECT_EQ(ParseStoredDate(megabyteOfDigits, kUs, kToday), std::nullopt);
    EXPECT_EQ(ParseStoredDate(QStringLiteral("12/7/2026").repeated(100'000), kUs, kToday), std::nullopt);
    EXPECT_EQ(ParseStoredDate(QString(1 << 20, QChar(0xFFFF)), kUs, kToday), std::nullopt);
}

TEST(StoredDateTest, LeadingZerosAreAcceptedWhereTheFormatHasNone) {
    EXPECT_EQ(ParseStoredDate(QStringLiteral("01/07/2026"), kUs, kToday), QDate(2026, 1, 7));
    EXPECT_EQ(ParseStoredDate(QStringLiteral("7.1.2026"), kGerman, kToday), QDate(2026, 1, 7));
}

} // namespace
} // namespace seraphel
