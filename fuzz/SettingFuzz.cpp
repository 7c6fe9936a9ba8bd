// Any stored text, against an independent Windows-1252 table (ICU's, through Qt): DecodeSetting
// and EncodeSetting shift each character's code by 85 and leave out what falls outside 0 to
// 255, a character that Windows-1252 lacks counting as '?'; and every text of characters with
// codes 0 to 170 comes back from EncodeSetting and then DecodeSetting unchanged.
#include "FuzzText.h"
#include "SettingCodec.h"

#include <QStringConverter>

#include <array>
#include <cstdlib>

namespace {

constexpr int kShift = 85;
constexpr int kCodes = 256;
constexpr int kQuestionMark = '?';
constexpr char kEncoderSubstitute = 0x1A; // what ICU writes for a character the code page lacks

class Windows1252 final {
public:
    Windows1252() {
        QStringDecoder decoder("windows-1252");
        QStringEncoder encoder("windows-1252");
        if (!decoder.isValid() || !encoder.isValid()) {
            std::abort();
        }
        for (int code = 0; code < kCodes; ++code) {
            m_characters[static_cast<std::size_t>(code)] =
                QString(decoder.decode(QByteArray(1, static_cast<char>(code)))).at(0);
        }
        for (int unit = 0; unit <= 0xFFFF; ++unit) {
            const QChar character(static_cast<char16_t>(unit));
            const QByteArray encoded = character.isSurrogate() ? QByteArray() : encoder.encode(QString(character));
            const bool known = encoded.size() == 1 && (encoded.at(0) != kEncoderSubstitute || unit == 0x1A);
            m_codes[static_cast<std::size_t>(unit)] = known ? static_cast<unsigned char>(encoded.at(0)) : kQuestionMark;
        }
    }

    QChar character(int code) const { return m_characters[static_cast<std::size_t>(code)]; }

    // The text with each character's code moved by delta, as the setting encoding should do it.
    QString shifted(const QString& text, int delta) const {
        QString result;
        for (qsizetype i = 0; i < text.size(); ++i) {
            int code = m_codes[text.at(i).unicode()];
            if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                code = kQuestionMark; // one character beyond the 16-bit range
                ++i;
            }
            code += delta;
            if (code >= 0 && code < kCodes) {
                result.append(character(code));
            }
        }
        return result;
    }

private:
    std::array<QChar, kCodes> m_characters{};
    std::array<int, 0x10000> m_codes{};
};

const Windows1252& Table() {
    static const Windows1252 table;
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Windows1252& table = Table();
    const QString text = seraphel::fuzz::Utf16Text(data, size);
    const QString decoded = seraphel::DecodeSetting(text);
    if (decoded != table.shifted(text, -kShift) || seraphel::EncodeSetting(text) != table.shifted(text, kShift)) {
        std::abort();
    }

    // The round trip, over what was decoded and over the bytes read as codes 0 to 170.
    QString reachable;
    for (std::size_t i = 0; i < size; ++i) {
        reachable.append(table.character(data[i] % (kCodes - kShift)));
    }
    for (const QString& original : {decoded, reachable}) {
        if (seraphel::DecodeSetting(seraphel::EncodeSetting(original)) != original) {
            std::abort();
        }
    }
    return 0;
}
