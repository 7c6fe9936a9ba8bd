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

// Reads what FormatStoredDate wrote with any locale. The text is read in the given locale's short
// format first: what it reads there is the date, even where another format would read it nearer
// to today ("1/12/2026" is 12 January in the US, never 1 December). Only a text that this format
// cannot read, as after a change of the system's locale, is read in ISO yyyy-MM-dd and every
// installed locale's short format, and where several of these read it the date nearest to today
// counts. Two-digit years, as earlier versions wrote them where the format has them, are taken in
// the century that puts the date nearest to today. A text that none of these formats reads,
// however long or strange, is no date.
std::optional<QDate> ParseStoredDate(const QString& text, const QLocale& locale, QDate today);

// The same for a short date format given as a Qt date format string ("M/d/yy", "ddd dd.MM.yyyy",
// 'quoted' literal text), as a system may be set up to use.
QString FormatStoredDateIn(const QString& shortDateFormat, QDate date);
std::optional<QDate> ParseStoredDateIn(const QString& shortDateFormat, const QString& text, QDate today);

} // namespace seraphel
