// The stored date of the last update reminder: the system's short date format, but with a year of
// four digits or more (two would read back a century early), English names, and no character that
// the setting encoding would lose (non-ASCII digits, right-to-left marks).
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace seraphel {

QString FormatStoredDate(QDate date, const QLocale& locale);

// Reads what FormatStoredDate wrote. The locale's own reading wins even where another format's is
// nearer to today ("1/12/2026" is 12 January in the US); text it cannot read, as after a change of
// locale, is read in ISO and every installed locale's format, nearest to today winning. Two-digit
// years (earlier versions) fall in the century nearest to today.
std::optional<QDate> ParseStoredDate(const QString& text, const QLocale& locale, QDate today);

// yyyy-MM-dd, which no locale misreads; stored beside the short-format text that earlier versions read.
QString FormatStoredIsoDate(QDate date);

// The text alone cannot tell which format wrote it ("12/09/2026": September in the UK, December in
// the US). The ISO date is the date when it is one of the text's readings; otherwise as above.
std::optional<QDate> ParseStoredDate(const QString& text, const QString& isoText, const QLocale& locale, QDate today);

// The same for a Qt date format string ("M/d/yy", "ddd dd.MM.yyyy", 'quoted' literal text).
QString FormatStoredDateIn(const QString& shortDateFormat, QDate date);
std::optional<QDate> ParseStoredDateIn(const QString& shortDateFormat, const QString& text, QDate today);

} // namespace seraphel
