#include "SettingCodec.h"

#include <algorithm>
#include <array>

namespace seraphel {
namespace {

constexpr int kShift = 85;
constexpr int kHighestCode = 255;
constexpr char16_t kFirstHighControl = 0x80;
constexpr char16_t kFirstLatin1Letter = 0xA0; // from here on Windows-1252 and Unicode agree again
constexpr char16_t kUnknownCharacter = u'?';

// What Windows-1252 puts at 0x80..0x9F. The five codes it leaves undefined keep the control
// character of the same number, so every code from 0 to 255 reads as exactly one character.
constexpr std::array<char16_t, kFirstLatin1Letter - kFirstHighControl> kHighControlRange{
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

QChar FromWindows1252(int code) {
    if (code >= kFirstHighControl && code < kFirstLatin1Letter) {
        return QChar(kHighControlRange[static_cast<std::size_t>(code - kFirstHighControl)]);
    }
    return QChar(static_cast<char16_t>(code));
}

int ToWindows1252(QChar character) {
    const char16_t unicode = character.unicode();
    if (unicode < kFirstHighControl || (unicode >= kFirstLatin1Letter && unicode <= kHighestCode)) {
        return unicode;
    }
    const auto found = std::ranges::find(kHighControlRange, unicode);
    return found == kHighControlRange.end() ? kUnknownCharacter
                                            : kFirstHighControl + static_cast<int>(found - kHighControlRange.begin());
}

QString Shift(const QString& text, int delta) {
    QString shifted;
    shifted.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character beyond the 16-bit range is one character to the user: one '?', not two.
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        }
        const int code = ToWindows1252(text.at(i)) + delta;
        if (code >= 0 && code <= kHighestCode) {
            shifted.append(FromWindows1252(code));
        }
    }
    return shifted;
}

} // namespace

QString EncodeSetting(const QString& text) {
    return Shift(text, kShift);
}

QString DecodeSetting(const QString& text) {
    return Shift(text, -kShift);
}

} // namespace seraphel
