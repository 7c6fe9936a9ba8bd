// The text form of the date of the last update reminder: the system's short date format, kept
// readable on every later start by a year of four digits or more (two would read back a century
// early), English month and weekday names, and none of the characters that the setting encoding
// would lose (digits other than ASCII, the right-to-left marks of Arabic formats).
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace seraphel {

QString FormatStoredDate(QDate date, const QLocale& locale);

// Reads what FormatStoredDate wrote with any locale. What the given locale's short format reads is
// the date, even where another format reads it nearer to today ("1/12/2026" is 12 January in the
// US, never 1 December). Only a text that it cannot read, as after a change of the system's locale,
// is read in ISO yyyy-MM-dd and every installed locale's short format, the date nearest to today
// counting. Two-digit years, as earlier versions wrote them, are taken in the century nearest to
// today. A text that none of these formats reads, however long or strange, is no date.
std::optional<QDate> ParseStoredDate(const QString& text, const QLocale& locale, QDate today);

// The same date in ISO yyyy-MM-dd, which no locale misreads: written beside the short-format text,
// which earlier versions read.
QString FormatStoredIsoDate(QDate date);

// Reads the short-format text with the ISO copy written beside it. Which format wrote the text
// cannot be told from the text ("12/09/2026" is September in the UK, December in the US): when the
// ISO date is one of the text's readings in any format, it is the date. Otherwise, as for a text
// from an earlier version or one edited by hand, the text is read as above.
std::optional<QDate> ParseStoredDate(const QString& text, const QString& isoText, const QLocale& locale, QDate today);

// The same for a short date format given as a Qt date format string ("M/d/yy", "ddd dd.MM.yyyy",
// 'quoted' literal text), as a system may be set up to use.
QString FormatStoredDateIn(const QString& shortDateFormat, QDate date);
std::optional<QDate> ParseStoredDateIn(const QString& shortDateFormat, const QString& text, QDate today);

} // namespace seraphel
