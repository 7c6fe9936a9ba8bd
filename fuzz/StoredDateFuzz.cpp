// Any stored text, read in the short date format of any locale Qt knows and on any day from
// the year 1 on: ParseStoredDate gives no date or a valid one, and a date it gives, written by
// FormatStoredDate on that day, reads back as the same date on that day. (On other days a text
// that more than one locale's format reads gives the reading nearest to the day.)
#include "StoredDate.h"

#include <QList>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kHeader = 5; // two bytes choose the locale, three the day it is

// One locale for each short date format that Qt's locales use.
const std::vector<QLocale>& Locales() {
    static const std::vector<QLocale> locales = [] {
        std::vector<QLocale> distinct;
        QStringList formats;
        for (const QLocale& locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            const QString format = locale.dateFormat(QLocale::ShortFormat);
            if (!formats.contains(format)) {
                formats.append(format);
                distinct.push_back(locale);
            }
        }
        return distinct;
    }();
    return locales;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeader) {
        return 0;
    }
    const std::vector<QLocale>& locales = Locales();
    const QLocale& locale = locales[(data[0] | data[1] << 8) % locales.size()];
    const QDate today = QDate(1, 1, 1).addDays(data[2] | data[3] << 8 | data[4] << 16);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + kHeader), static_cast<qsizetype>(size - kHeader));

    const std::optional<QDate> date = seraphel::ParseStoredDate(text, locale, today);
    if (!date) {
        return 0;
    }
    if (!date->isValid() ||
        seraphel::ParseStoredDate(seraphel::FormatStoredDate(*date, locale), locale, *date) != date) {
        std::abort();
    }
    return 0;
}
