// The text form of the date of the last update reminder. It follows the system's short date
// format, with two changes that keep it readable on every later start: the year has four digits
// or more (a two-digit year would read back a century early), and the digits are ASCII (other
// digits do not survive the setting encoding). Format characters that the encoding would lose,
// such as the right-to-left marks of Arabic formats, are left out for the same reason; names of
// months and weekdays, where a format has them, are the English ones.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace seraphel {

QString FormatStoredDate(QDate date, const QLocale& locale);

// Reads what FormatStoredDate wrote with any locale: the system's locale may have changed since
// the date was written. The text is read in the short format of the given locale, of every
// installed locale and in ISO yyyy-MM-dd; where several formats read it, as "12/9/2026" reads as
// 9 December and as 12 September, the date nearest to today counts (a reminder a little late
// rather than at once or never). Two-digit years, as earlier versions wrote them where the format
// has them, are taken in the century that puts the date nearest to today. A text that none of
// these formats reads, however long or strange, is no date.
std::optional<QDate> ParseStoredDate(const QString& text, const QLocale& locale, QDate today);

// The same for a short date format given as a Qt date format string ("M/d/yy", "ddd dd.MM.yyyy",
// 'quoted' literal text), as a system may be set up to use.
QString FormatStoredDateIn(const QString& shortDateFormat, QDate date);
std::optional<QDate> ParseStoredDateIn(const QString& shortDateFormat, const QString& text, QDate today);

} // namespace seraphel
