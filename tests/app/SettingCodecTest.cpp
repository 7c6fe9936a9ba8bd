#include "SettingCodec.h"
#include "TestOutput.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace seraphel {
namespace {

constexpr int kShift = 85;
constexpr int kLastKeptCode = 255 - kShift; // 170

#ifdef Q_OS_WIN

// An independent Windows-1252 table, from the system's own code page 1252 (Qt for Windows is
// built without the conversion library it uses elsewhere).
QString Windows1252Character(int code) {
    const char byte = static_cast<char>(code);
    wchar_t character = 0;
    return MultiByteToWideChar(1252, 0, &byte, 1, &character, 1) == 1 ? QString(QChar(character)) : QString();
}

bool HasWindows1252Decoder() {
    return true;
}

#else

// An independent Windows-1252 table, from the system's character conversion library.
QString Windows1252Character(int code) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(QByteArray(1, static_cast<char>(code)));
}

bool HasWindows1252Decoder() {
    return QStringDecoder("windows-1252").isValid();
}

#endif

TEST(SettingCodecTest, EmptyTextStaysEmpty) {
    EXPECT_EQ(EncodeSetting(QString()), QString());
    EXPECT_EQ(DecodeSetting(QString()), QString());
}

struct KnownEncoding {
    const char* what;
    QString text;
    QString encoded;
};

class SettingCodecKnownTest : public ::testing::TestWithParam<KnownEncoding> {};

TEST_P(SettingCodecKnownTest, EncodesToTheExpectedCharacters) {
    EXPECT_EQ(EncodeSetting(GetParam().text), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, SettingCodecKnownTest,
    ::testing::Values(
        KnownEncoding{"value name", QStringLiteral("Duration"),
                      QStringLiteral(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3")},
        KnownEncoding{"US date", QStringLiteral("12/7/2026"),
                      QStringLiteral(u"\u2020\u2021\u201E\u0152\u201E\u2021\u2026\u2021\u2039")},
        KnownEncoding{"German separators", QStringLiteral(". -"), QStringLiteral(u"\u0192u\u201A")},
        // The five codes Windows-1252 leaves undefined come out as the control characters of that number.
        KnownEncoding{"undefined 0x81", QStringLiteral(","), QStringLiteral(u"\u0081")},
        KnownEncoding{"undefined 0x8D", QStringLiteral("8"), QStringLiteral(u"\u008D")},
        KnownEncoding{"undefined 0x8F", QStringLiteral(":"), QStringLiteral(u"\u008F")},
        KnownEncoding{"undefined 0x90", QStringLiteral(";"), QStringLiteral(u"\u0090")},
        KnownEncoding{"undefined 0x9D", QStringLiteral("H"), QStringLiteral(u"\u009D")},
        KnownEncoding{"first of the 0x80 row", QStringLiteral("+"), QStringLiteral(u"\u20AC")},
        KnownEncoding{"last of the 0x80 row", QStringLiteral("J"), QStringLiteral(u"\u0178")},
        KnownEncoding{"euro sign read as 0x80", QStringLiteral(u"\u20AC"), QStringLiteral(u"\u00D5")},
        KnownEncoding{"highest kept code", QStringLiteral(u"\u00AA"), QStringLiteral(u"\u00FF")},
        KnownEncoding{"first lost code", QStringLiteral(u"\u00AB"), QString()},
        KnownEncoding{"trade mark sign read as 0x99", QStringLiteral(u"\u2122"), QStringLiteral(u"\u00EE")},
        KnownEncoding{"lost characters leave the rest", QStringLiteral(u"a\u00FFb"), QStringLiteral(u"\u00B6\u00B7")},
        // Characters that Windows-1252 lacks count as '?' (0x3F), which shifts to 0x94.
        KnownEncoding{"outside Windows-1252", QStringLiteral(u"\u0100\u200F\u0663"),
                      QStringLiteral(u"\u201D\u201D\u201D")},
        KnownEncoding{"C1 control that Windows-1252 lacks", QStringLiteral(u"\u0080"), QStringLiteral(u"\u201D")},
        KnownEncoding{"one '?' per character beyond 16 bits", QStringLiteral(u"\U0001F47C"), QStringLiteral(u"\u201D")},
        KnownEncoding{"lone surrogate", QString(QChar(0xD83D)), QStringLiteral(u"\u201D")}),
    DescribedRowName());

TEST(SettingCodecTest, EveryCodeUpTo170RoundTripsThroughItsShiftedCharacter) {
    if (!HasWindows1252Decoder()) {
        GTEST_SKIP() << "no Windows-1252 decoder to compare with";
    }
    for (int code = 0; code <= kLastKeptCode; ++code) {
        const QString character = Windows1252Character(code);
        ASSERT_EQ(character.size(), 1) << "code " << code;
        const QString encoded = EncodeSetting(character);
        EXPECT_EQ(encoded, Windows1252Character(code + kShift)) << "code " << code;
        EXPECT_EQ(DecodeSetting(encoded), character) << "code " << code;
    }
}

TEST(SettingCodecTest, EveryCodeAbove170IsLost) {
    if (!HasWindows1252Decoder()) {
        GTEST_SKIP() << "no Windows-1252 decoder to compare with";
    }
    for (int code = kLastKeptCode + 1; code <= 255; ++code) {
        EXPECT_EQ(EncodeSetting(Windows1252Character(code)), QString()) << "code " << code;
    }
}

TEST(SettingCodecTest, DecodingDropsEveryCodeBelow85) {
    if (!HasWindows1252Decoder()) {
        GTEST_SKIP() << "no Windows-1252 decoder to compare with";
    }
    for (int code = 0; code < kShift; ++code) {
        EXPECT_EQ(DecodeSetting(Windows1252Character(code)), QString()) << "code " << code;
    }
}

TEST(SettingCodecTest, TheWholeRangeRoundTripsAsOneText) {
    QString text;
    for (int code = 0; code < 0x80; ++code) {
        text += QChar(code);
    }
    text += QStringLiteral(u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D\u017D"
                           u"\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153"
                           u"\u009D\u017E\u0178");
    for (int code = 0xA0; code <= kLastKeptCode; ++code) {
        text += QChar(code);
    }
    ASSERT_EQ(text.size(), kLastKeptCode + 1);
    const QString encoded = EncodeSetting(text);
    EXPECT_EQ(encoded.size(), text.size());
    EXPECT_EQ(DecodeSetting(encoded), text);
}

TEST(SettingCodecTest, DecodingSkipsCharactersOutsideWindows1252) {
    // '?' (0x3F) shifted down falls below 0, so a character the code page lacks disappears.
    EXPECT_EQ(DecodeSetting(QStringLiteral(u"\u2020\u0100\u2021")), QStringLiteral("12"));
}

} // namespace
} // namespace seraphel
