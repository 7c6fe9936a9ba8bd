#include "StoredDate.h"

#include "SettingCodec.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace seraphel {
namespace {

enum class Field { Literal, Day, Weekday, Month, Year };

constexpr int kTwoDigits = 2;
constexpr int kFourDigits = 4;
constexpr int kMostYearDigits = 9; // within an int
constexpr int kShortName = 3;      // "ddd", "MMM"
constexpr int kLongName = 4;       // "dddd", "MMMM"
constexpr int kDaysInWeek = 7;
constexpr int kMonthsInYear = 12;
constexpr int kYearsInCentury = 100;
constexpr QChar kQuote = u'\'';

struct Token {
    Field field;
    // Day and Month: the number of pattern letters (1 or 2 digits, 3 or 4 for a name);
    // Weekday: 3 or 4; Year: 2 or 4, as the locale writes it.
    int width = 0;
    QString literal;
};

constexpr QStringView kFieldLetters = u"dMy";
constexpr std::array<Field, 3> kFieldOfLetter{Field::Day, Field::Month, Field::Year};

Token FieldToken(Field field, int run) {
    if (field == Field::Year) {
        return {Field::Year, run == kTwoDigits ? kTwoDigits : kFourDigits, {}};
    }
    return {field == Field::Day && run >= kShortName ? Field::Weekday : field, std::min(run, kLongName), {}};
}

// A literal that the setting encoding would lose is dropped here, so the text written is the
// text read back.
void AppendLiteral(std::vector<Token>& tokens, QChar character) {
    const QString text(character);
    if (DecodeSetting(EncodeSetting(text)) != text) {
        return;
    }
    if (!tokens.empty() && tokens.back().field == Field::Literal) {
        tokens.back().literal += character;
    } else {
        tokens.push_back({Field::Literal, 0, text});
    }
}

// Splits a Qt date format into its fields and literal text ('quoted' text is literal, '' a quote).
std::vector<Token> Tokenize(const QString& format) {
    std::vector<Token> tokens;
    bool quoted = false;
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar character = format.at(i);
        if (character == kQuote) {
            const bool doubled = i + 1 < format.size() && format.at(i + 1) == kQuote;
            if (doubled) {
                AppendLiteral(tokens, kQuote);
            } else {
                quoted = !quoted;
            }
            i += doubled ? 2 : 1;
            continue;
        }
        const qsizetype letter = kFieldLetters.indexOf(character);
        if (quoted || letter < 0) {
            AppendLiteral(tokens, character);
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == character) {
            ++run;
        }
        tokens.push_back(FieldToken(kFieldOfLetter[static_cast<std::size_t>(letter)], static_cast<int>(run)));
        i += run;
    }
    return tokens;
}

QLocale::FormatType NameFormat(int width) {
    return width == kShortName ? QLocale::ShortFormat : QLocale::LongFormat;
}

bool IsName(const Token& token) {
    return token.width >= kShortName;
}

bool IsNumber(const Token& token) {
    return (token.field == Field::Day || token.field == Field::Month) && !IsName(token);
}

QString Number(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

// Names are the C locale's: English, in ASCII, the same on every system.
const QLocale& NameLocale() {
    static const QLocale names = QLocale::c();
    return names;
}

class TextCursor final {
public:
    explicit TextCursor(QStringView text)
        : m_text(text) {}

    bool atEnd() const { return m_position == m_text.size(); }

    bool skip(const QString& literal) {
        if (!m_text.sliced(m_position).startsWith(literal)) {
            return false;
        }
        m_position += literal.size();
        return true;
    }

    // Reads up to maxDigits ASCII digits into value; returns how many were read.
    int readNumber(int maxDigits, int& value) {
        int digits = 0;
        value = 0;
        while (digits < maxDigits && m_position < m_text.size() && m_text.at(m_position) >= u'0' &&
               m_text.at(m_position) <= u'9') {
            value = value * 10 + (m_text.at(m_position).unicode() - u'0');
            ++m_position;
            ++digits;
        }
        return digits;
    }

    // The 1-based number of the first of count names found here, or 0.
    template <typename NameOf> int readName(int count, const NameOf& nameOf) {
        for (int number = 1; number <= count; ++number) {
            if (skip(nameOf(number))) {
                return number;
            }
        }
        return 0;
    }

private:
    QStringView m_text;
    qsizetype m_position = 0;
};

// The year ending in these two digits nearest to the current year, and from the year 1 on: a
// clock set to the first years of the calendar would otherwise reach back before it.
int NearestCentury(int twoDigitYear, int currentYear) {
    const int first = currentYear - kYearsInCentury / 2;
    const int year = first + ((twoDigitYear - first) % kYearsInCentury + kYearsInCentury) % kYearsInCentury;
    return year < 1 ? year + kYearsInCentury : year;
}

QString IsoFormat() {
    return QStringLiteral("yyyy-MM-dd");
}

// The short formats another locale may have written the date in, each once: ISO 8601 and every
// installed locale's (six hundred locales share a few dozen formats), without the current one.
std::vector<QString> OtherStoredDateFormats(const QString& currentFormat) {
    std::vector<QString> formats{IsoFormat()};
    for (const QLocale& installed :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        QString format = installed.dateFormat(QLocale::ShortFormat);
        if (format != currentFormat && std::ranges::find(formats, format) == formats.end()) {
            formats.push_back(std::move(format));
        }
    }
    return formats;
}

} // namespace

QString FormatStoredDate(QDate date, const QLocale& locale) {
    return FormatStoredDateIn(locale.dateFormat(QLocale::ShortFormat), date);
}

std::optional<QDate> ParseStoredDate(const QString& text, const QLocale& locale, QDate today) {
    const QString currentFormat = locale.dateFormat(QLocale::ShortFormat);
    if (const std::optional<QDate> date = ParseStoredDateIn(currentFormat, text, today)) {
        return date;
    }
    std::optional<QDate> nearest;
    for (const QString& format : OtherStoredDateFormats(currentFormat)) {
        const std::optional<QDate> date = ParseStoredDateIn(format, text, today);
        if (date && (!nearest || std::abs(today.daysTo(*date)) < std::abs(today.daysTo(*nearest)))) {
            nearest = date;
        }
    }
    return nearest;
}

QString FormatStoredIsoDate(QDate date) {
    return FormatStoredDateIn(IsoFormat(), date);
}

std::optional<QDate> ParseStoredDate(const QString& text, const QString& isoText, const QLocale& locale, QDate today) {
    const std::optional<QDate> iso = ParseStoredDateIn(IsoFormat(), isoText, today);
    if (!iso) {
        return ParseStoredDate(text, locale, today);
    }
    const QString currentFormat = locale.dateFormat(QLocale::ShortFormat);
    const auto readsAsIso = [&](const QString& format) { return ParseStoredDateIn(format, text, today) == iso; };
    // The locale's own format first: it wrote the text unless the locale has changed since.
    if (readsAsIso(currentFormat) || std::ranges::any_of(OtherStoredDateFormats(currentFormat), readsAsIso)) {
        return iso;
    }
    return ParseStoredDate(text, locale, today);
}

QString FormatStoredDateIn(const QString& shortDateFormat, QDate date) {
    QString text;
    for (const Token& token : Tokenize(shortDateFormat)) {
        switch (token.field) {
        case Field::Literal:
            text += token.literal;
            break;
        case Field::Day:
            text += Number(date.day(), token.width);
            break;
        case Field::Weekday:
            text += NameLocale().dayName(date.dayOfWeek(), NameFormat(token.width));
            break;
        case Field::Month:
            text += IsName(token) ? NameLocale().monthName(date.month(), NameFormat(token.width))
                                  : Number(date.month(), token.width);
            break;
        case Field::Year:
            text += Number(date.year(), kFourDigits);
            break;
        }
    }
    return text;
}

std::optional<QDate> ParseStoredDateIn(const QString& shortDateFormat, const QString& text, QDate today) {
    TextCursor cursor(text);
    int year = 0;
    int month = 0;
    int day = 0;
    bool twoDigitYear = false;
    const std::vector<Token> tokens = Tokenize(shortDateFormat);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        const QLocale::FormatType names = NameFormat(token.width);
        bool read = false;
        switch (token.field) {
        case Field::Literal:
            read = cursor.skip(token.literal);
            break;
        case Field::Day:
            read = cursor.readNumber(kTwoDigits, day) > 0;
            break;
        case Field::Weekday:
            // The weekday follows from the date; it only has to be there.
            read = cursor.readName(kDaysInWeek, [names](int n) { return NameLocale().dayName(n, names); }) > 0;
            break;
        case Field::Month:
            if (IsName(token)) {
                month = cursor.readName(kMonthsInYear, [names](int n) { return NameLocale().monthName(n, names); });
                read = month > 0;
            } else {
                read = cursor.readNumber(kTwoDigits, month) > 0;
            }
            break;
        case Field::Year: {
            // A clock set past the year 9999 writes five digits: the year takes every digit
            // there is, unless a number follows at once ("yyyyMMdd"), which only four leave.
            const bool numberFollows = i + 1 < tokens.size() && IsNumber(tokens[i + 1]);
            const int digits = cursor.readNumber(numberFollows ? kFourDigits : kMostYearDigits, year);
            twoDigitYear = digits == kTwoDigits && token.width == kTwoDigits;
            read = digits >= kFourDigits || twoDigitYear;
            break;
        }
        }
        if (!read) {
            return std::nullopt;
        }
    }
    const QDate date(twoDigitYear ? NearestCentury(year, today.year()) : year, month, day);
    return cursor.atEnd() && date.isValid() ? std::optional(date) : std::nullopt;
}

} // namespace seraphel
