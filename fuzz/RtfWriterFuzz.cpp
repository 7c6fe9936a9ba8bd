// Any text in any mix of styles: WriteRtf writes well-formed RTF (one document group, groups
// balanced, only the control words RTF readers know for text, fonts and colours), and its
// text and each character's bold, italic, underline, colour, size and font read back as they
// were typed. A document keeps no C0 control other than the tab (CR and LF start paragraphs),
// nor DEL, nor U+FFFC, which stands for an embedded object: the writer leaves those out.
#include "FuzzText.h"
#include "RtfReader.h"
#include "RtfWriter.h"
#include "Theme.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

using seraphel::test::RtfCharacterStyle;

// One run of the input: a header of six bytes, then its text as UTF-16.
enum Flag : std::uint8_t { Bold = 1, Italic = 2, Underline = 4, Colored = 8, Sized = 16 };
constexpr int kFamilyShift = 5;
constexpr std::size_t kRunHeader = 6;
constexpr int kDocumentHalfPoints = 20;
// The report's own font, then the other families the program's windows name, and one whose name
// a font table cannot hold as it stands: with the name it reads back with.
struct Family {
    const char* name;
    const char* tableName;
};
constexpr std::array<Family, 5> kFamilies{{{nullptr, nullptr},
                                           {"DejaVu Sans", "DejaVu Sans"},
                                           {"DejaVu Serif", "DejaVu Serif"},
                                           {"MS Sans Serif", "MS Sans Serif"},
                                           {"Semi;colon {\\b}\tTab", "Semicolon {\\b}Tab"}}};

constexpr char16_t kParagraphBreak = u'\u2029';

// What a text cursor inserts as a paragraph break: besides line ends, the two marks that Qt
// keeps for the edges of frames.
bool StartsParagraph(char16_t unit) {
    return unit == u'\r' || unit == u'\n' || unit == kParagraphBreak || unit == u'\uFDD0' || unit == u'\uFDD1';
}

bool CarriesNoText(char16_t unit) {
    return (unit < 0x20 && unit != u'\t') || unit == 0x7F || unit == QChar::ObjectReplacementCharacter;
}

struct Expected {
    QString text;
    QList<RtfCharacterStyle> styles;
};

// The text with every unit outside printable ASCII as \uXXXX.
QString Escaped(const QString& text) {
    QString escaped;
    for (const QChar character : text) {
        const char16_t unit = character.unicode();
        escaped += unit >= 0x20 && unit < 0x7F ? QString(character)
                                               : QStringLiteral("\\u%1").arg(unit, 4, 16, QLatin1Char('0'));
    }
    return escaped;
}

[[noreturn]] void Fail(const char* what, const QString& detail, const QByteArray& rtf) {
    std::fprintf(stderr, "%s: %s\n%s\n", what, qPrintable(detail), rtf.constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Fonts need a GUI application; the fuzzer's own arguments are none of its business.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf_writer";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTextDocument document;
    document.setDefaultFont(seraphel::theme::VerdanaFont(kDocumentHalfPoints / 2.0));
    QTextCursor cursor(&document);
    Expected expected;
    std::size_t at = 0;
    while (at + kRunHeader <= size) {
        const std::uint8_t flags = data[at];
        const int halfPoints = 2 + data[at + 1];
        const QColor color(data[at + 2], data[at + 3], data[at + 4]);
        const std::size_t units = std::min<std::size_t>(data[at + 5], (size - at - kRunHeader) / 2);
        const QString text = seraphel::fuzz::Utf16Text(data + at + kRunHeader, units * 2);
        at += kRunHeader + units * 2;

        QTextCharFormat format;
        RtfCharacterStyle style;
        style.family = document.defaultFont().family();
        style.halfPoints = kDocumentHalfPoints;
        style.bold = (flags & Bold) != 0;
        style.italic = (flags & Italic) != 0;
        style.underline = (flags & Underline) != 0;
        format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(style.italic);
        format.setFontUnderline(style.underline);
        if ((flags & Colored) != 0) {
            format.setForeground(color);
            style.color = color.rgb();
        }
        if ((flags & Sized) != 0) {
            format.setFontPointSize(halfPoints / 2.0);
            style.halfPoints = halfPoints;
        }
        if (const Family& family = kFamilies[(flags >> kFamilyShift) % kFamilies.size()]; family.name) {
            format.setFontFamilies({QString::fromLatin1(family.name)});
            style.family = QString::fromLatin1(family.tableName);
        }
        cursor.insertText(text, format);

        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t unit = text.at(i).unicode();
            if (StartsParagraph(unit)) {
                expected.text += kParagraphBreak;
                // The cursor takes CR LF within one insertion as one break.
                i += unit == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n' ? 1 : 0;
            } else if (!CarriesNoText(unit)) {
                expected.text += QChar(unit);
                expected.styles.append(style);
            }
        }
    }

    const QByteArray rtf = seraphel::WriteRtf(document);
    const seraphel::test::RtfReadResult read = seraphel::test::ReadRtf(rtf);
    if (!read.document) {
        Fail("not well-formed RTF", read.error, rtf);
    }
    if (read.document->text != expected.text) {
        Fail("the text reads back otherwise",
             Escaped(read.document->text) + QStringLiteral(" instead of ") + Escaped(expected.text), rtf);
    }
    if (read.document->styles != expected.styles) {
        Fail("a style reads back otherwise", Escaped(expected.text), rtf);
    }
    return 0;
}
