#include "StoredDate.h"
#include "SettingCodec.h"
#include "TestOutput.h"

#include <gtest/gtest.h>

namespace seraphel {
namespace {

const QDate kToday(2026, 12, 7);

QString ShortFormatOf(const char* localeName) {
    return QLocale(QString::fromLatin1(localeName)).dateFormat(QLocale::ShortFormat);
}

struct FormatCase {
    const char* what;
    QString format;
    QString todayText; // kToday as stored
};

// The locales' own formats: two-digit years (US, German, Korean), digits that are not ASCII
// (Arabic, Persian), right-to-left marks, a month name. Then formats a system may be set up to
// use: a Cyrillic letter the encoding would lose (as Bulgarian formats have had), names,
// quoting, odd runs of letters.
const FormatCase kFormats[] = {
    {"US", ShortFormatOf("en_US"), QStringLiteral("12/7/2026")},
    {"German", ShortFormatOf("de_DE"), QStringLiteral("07.12.2026")},
    {"Korean", ShortFormatOf("ko_KR"), QStringLiteral("2026. 12. 7.")},
    {"Arabic", ShortFormatOf("ar_EG"), QStringLiteral("7/12/2026")},
    {"Persian", ShortFormatOf("fa_IR"), QStringLiteral("2026/12/7")},
    {"Japanese", ShortFormatOf("ja_JP"), QStringLiteral("2026/12/07")},
    {"C", ShortFormatOf("C"), QStringLiteral("7 Dec 2026")},
    {"Cyrillic letter", QStringLiteral(u"d.MM.yy '\u0433'."), QStringLiteral("7.12.2026 .")},
    {"short weekday", QStringLiteral("ddd dd.MM.yyyy"), QStringLiteral("Mon 07.12.2026")},
    {"long names", QStringLiteral("dddd, MMMM d, yy"), QStringLiteral("Monday, December 7, 2026")},
    {"quoted letters", QStringLiteral("d 'de' MMMM 'de' yyyy"), QStringLiteral("7 de December de 2026")},
    {"doubled quote", QStringLiteral("d''M''yy"), QStringLiteral("7'12'2026")},
    {"quote inside quotes", QStringLiteral("'o''clock' d/M/y"), QStringLiteral("o'clock 7/12/2026")},
    {"unterminated quote", QStringLiteral("d/M/yyyy 'at"), QStringLiteral("7/12/2026 at")},
    {"five year letters", QStringLiteral("yyyyy-M-d"), QStringLiteral("2026-12-7")},
    {"other letters kept as text", QStringLiteral("d/M/yy g"), QStringLiteral("7/12/2026 g")},
};

class StoredDateFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(StoredDateFormatTest, WritesFourDigitYearsInAsciiDigits) {
    EXPECT_EQ(FormatStoredDateIn(GetParam().format, kToday), GetParam().todayText);
}

TEST_P(StoredDateFormatTest, EveryDayOfSeveralYearsReadsBackThroughTheEncoding) {
    const QString& format = GetParam().format;
    for (QDate date(1999, 1, 1); date <= QDate(2031, 12, 31); date = date.addDays(1)) {
        const QString stored = DecodeSetting(EncodeSetting(FormatStoredDateIn(format, date)));
        const std::optional<QDate> read = ParseStoredDateIn(format, stored, kToday);
        ASSERT_TRUE(read.has_value()) << stored.toStdString();
        ASSERT_EQ(*read, date) << stored.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, StoredDateFormatTest, ::testing::ValuesIn(kFormats), DescribedRowName());

TEST(StoredDateTest, LocaleGivesItsShortFormat) {
    const QLocale german(QStringLiteral("de_DE"));
    EXPECT_EQ(FormatStoredDate(kToday, german), QStringLiteral("07.12.2026"));
    EXPECT_EQ(ParseStoredDate(QStringLiteral("07.12.2026"), german, kToday), kToday);
}

struct LocaleChangeCase {
    const char* what;
    QString text;
    const char* readIn;
    QDate today;
    std::optional<QDate> expected;
    QString isoCopy = {}; // none, as from an earlier version
};

class StoredDateLocaleChangeTest : public ::testing::TestWithParam<LocaleChangeCase> {};

TEST_P(StoredDateLocaleChangeTest, ReadsAsTheIsoCopyOrInTheLocaleFirstThenInAnyLocaleNearestToToday) {
    const LocaleChangeCase& row = GetParam();
    EXPECT_EQ(ParseStoredDate(row.text, row.isoCopy, QLocale(QString::fromLatin1(row.readIn)), row.today),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, StoredDateLocaleChangeTest,
    ::testing::Values(
        LocaleChangeCase{"US date in the US, where 1 December is nearer", QStringLiteral("1/12/2026"), "en_US",
                         QDate(2026, 12, 10), QDate(2026, 1, 12)},
        LocaleChangeCase{"US date that the British format reads too", QStringLiteral("12/9/2026"), "en_GB",
                         QDate(2026, 12, 9), QDate(2026, 9, 12)},
        LocaleChangeCase{"US date that the British format cannot read", QStringLiteral("12/31/2026"), "en_GB", kToday,
                         QDate(2026, 12, 31)},
        LocaleChangeCase{"German date read in the US", QStringLiteral("09.12.2026"), "en_US", kToday,
                         QDate(2026, 12, 9)},
        LocaleChangeCase{"Japanese date read in Germany", QStringLiteral("2026/12/09"), "de_DE", kToday,
                         QDate(2026, 12, 9)},
        LocaleChangeCase{"ISO date", QStringLiteral("2026-12-09"), "C", kToday, QDate(2026, 12, 9)},
        LocaleChangeCase{"earlier two-digit German year", QStringLiteral("09.12.26"), "en_US", kToday,
                         QDate(2026, 12, 9)},
        LocaleChangeCase{"no locale's format", QStringLiteral("9|12|2026"), "en_US", kToday, std::nullopt},
        LocaleChangeCase{"British date with its ISO copy read in the US", QStringLiteral("12/09/2026"), "en_US",
                         QDate(2026, 12, 10), QDate(2026, 9, 12), QStringLiteral("2026-09-12")},
        LocaleChangeCase{"ISO copy that the text does not read, as after a hand edit", QStringLiteral("12/01/2026"),
                         "en_US", QDate(2026, 12, 10), QDate(2026, 12, 1), QStringLiteral("2026-09-12")},
        LocaleChangeCase{"unreadable ISO copy", QStringLiteral("12/09/2026"), "en_US", QDate(2026, 12, 10),
                         QDate(2026, 12, 9), QStringLiteral("2026-13-09")},
        LocaleChangeCase{"unreadable text beside an ISO copy", QStringLiteral("12/09"), "en_US", kToday, std::nullopt,
                         QStringLiteral("2026-12-09")}),
    DescribedRowName());

struct ReadCase {
    const char* what;
    QString format;
    QString text;
    QDate today;
    std::optional<QDate> expected;
};

class StoredDateReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(StoredDateReadTest, ReadsTheDateOrNone) {
    EXPECT_EQ(ParseStoredDateIn(GetParam().format, GetParam().text, GetParam().today), GetParam().expected);
}

const QString kUs = ShortFormatOf("en_US");
const QString kGerman = ShortFormatOf("de_DE");
const QString kKorean = ShortFormatOf("ko_KR");
const QString kArabic = ShortFormatOf("ar_EG");
const QString kMonthName = ShortFormatOf("C");
const QString kLongNames = QStringLiteral("dddd, MMMM d, yy");

// Two-digit years, as earlier versions wrote them, land in the century nearest to today.
INSTANTIATE_TEST_SUITE_P(
    EarlierTwoDigitYears, StoredDateReadTest,
    ::testing::Values(
        ReadCase{"US this year", kUs, QStringLiteral("11/23/26"), kToday, QDate(2026, 11, 23)},
        ReadCase{"German this year", kGerman, QStringLiteral("23.11.26"), kToday, QDate(2026, 11, 23)},
        ReadCase{"Korean this year", kKorean, QStringLiteral("26. 11. 23."), kToday, QDate(2026, 11, 23)},
        ReadCase{"leap day of 2000", kUs, QStringLiteral("2/29/00"), kToday, QDate(2000, 2, 29)},
        ReadCase{"last century", kUs, QStringLiteral("12/31/99"), kToday, QDate(1999, 12, 31)},
        ReadCase{"fifty years back", kUs, QStringLiteral("1/1/76"), kToday, QDate(1976, 1, 1)},
        ReadCase{"forty-nine years ahead", kUs, QStringLiteral("1/1/75"), kToday, QDate(2075, 1, 1)},
        ReadCase{"with names", kLongNames, QStringLiteral("Monday, December 7, 26"), kToday, QDate(2026, 12, 7)},
        ReadCase{"two-digit year in a four-digit format", kArabic, QStringLiteral("7/12/26"), kToday, std::nullopt}),
    DescribedRowName());

// A clock set far back or far ahead: two-digit years stay within the calendar, from the year 1
// on, and a year past 9999 is read with all its digits, unless a number follows it at once.
INSTANTIATE_TEST_SUITE_P(
    FarOffClocks, StoredDateReadTest,
    ::testing::Values(
        ReadCase{"year 8, two digits", kUs, QStringLiteral("1/1/76"), QDate(8, 9, 1), QDate(76, 1, 1)},
        ReadCase{"year 1, two digits", kUs, QStringLiteral("12/31/99"), QDate(1, 1, 1), QDate(99, 12, 31)},
        ReadCase{"year 1, year 00", kUs, QStringLiteral("1/1/00"), QDate(1, 1, 1), QDate(100, 1, 1)},
        ReadCase{"year 1, four digits", kUs, QStringLiteral("1/1/0001"), QDate(1, 1, 1), QDate(1, 1, 1)},
        ReadCase{"year 9999, year 00", kUs, QStringLiteral("1/1/00"), QDate(9999, 12, 31), QDate(10000, 1, 1)},
        ReadCase{"five-digit year", kUs, QStringLiteral("12/7/20261"), kToday, QDate(20261, 12, 7)},
        ReadCase{"five digits, German", kGerman, QStringLiteral("07.12.12026"), kToday, QDate(12026, 12, 7)},
        ReadCase{"a number right after the year", QStringLiteral("yyyyMMdd"), QStringLiteral("20261207"), kToday,
                 QDate(2026, 12, 7)},
        ReadCase{"five digits before a number", QStringLiteral("yyyyMMdd"), QStringLiteral("120261207"), kToday,
                 std::nullopt}),
    DescribedRowName());

INSTANTIATE_TEST_SUITE_P(
    Unreadable, StoredDateReadTest,
    ::testing::Values(ReadCase{"garbage", kUs, QStringLiteral("garbage"), kToday, std::nullopt},
                      ReadCase{"half a date", kUs, QStringLiteral("12/7/"), kToday, std::nullopt},
                      ReadCase{"no year", kUs, QStringLiteral("12/7"), kToday, std::nullopt},
                      ReadCase{"three-digit year", kUs, QStringLiteral("12/7/202"), kToday, std::nullopt},
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
                      ReadCase{"only a month name", kMonthName, QStringLiteral("Dec"), kToday, std::nullopt},
                      ReadCase{"unknown weekday name", QStringLiteral("ddd dd.MM.yyyy"),
                               QStringLiteral("Mox 07.12.2026"), kToday, std::nullopt},
                      ReadCase{"unknown month name", kMonthName, QStringLiteral("7 Dez 2026"), kToday, std::nullopt}),
    DescribedRowName());

TEST(StoredDateTest, YearsFromOneToPast9999ReadBackInEveryLocale) {
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        for (const QDate date :
             {QDate(1, 1, 1), QDate(99, 12, 31), QDate(9999, 12, 31), QDate(10000, 1, 1), QDate(123456, 6, 30)}) {
            const QString stored = FormatStoredDate(date, locale);
            ASSERT_EQ(ParseStoredDate(stored, locale, date), date)
                << locale.name().toStdString() << " " << stored.toStdString();
        }
    }
}

TEST(StoredDateTest, VeryLongTextIsNoDate) {
    const QString megabyteOfDigits(1 << 20, QLatin1Char('1'));
    EXPECT_EQ(ParseStoredDateIn(kUs, megabyteOfDigits, kToday), std::nullopt);
    EXPECT_EQ(ParseStoredDateIn(kUs, QStringLiteral("12/7/2026").repeated(100'000), kToday), std::nullopt);
    EXPECT_EQ(ParseStoredDateIn(kUs, QString(1 << 20, QChar(0xFFFF)), kToday), std::nullopt);
}

TEST(StoredDateTest, LeadingZerosAreAcceptedWhereTheFormatHasNone) {
    EXPECT_EQ(ParseStoredDateIn(kUs, QStringLiteral("01/07/2026"), kToday), QDate(2026, 1, 7));
    EXPECT_EQ(ParseStoredDateIn(kGerman, QStringLiteral("7.1.2026"), kToday), QDate(2026, 1, 7));
}

} // namespace
} // namespace seraphel
