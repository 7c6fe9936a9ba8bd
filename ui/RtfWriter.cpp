#include "RtfWriter.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <optional>

namespace seraphel {
namespace {

// The character format of a run, as RTF states it.
struct RtfRunFormat {
    QString family;
    int halfPoints = 24; // \fs counts half-points; 24 is RTF's own default of 12 pt
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<QColor> color; // none: the reader's default text colour
};

struct FontClass {
    QFont::StyleHint hint;
    const char* controlWord;
};

constexpr std::array<FontClass, 4> kFontClasses{{
    {QFont::SansSerif, "\\fswiss"},
    {QFont::Serif, "\\froman"},
    {QFont::TypeWriter, "\\fmodern"},
    {QFont::Cursive, "\\fscript"},
}};

struct Escape {
    char16_t character;
    const char* rtf;
};

// Characters with a meaning of their own in RTF, and the text breaks a paragraph may hold.
constexpr std::array<Escape, 5> kEscapes{{
    {u'\\', "\\\\"},
    {u'{', "\\{"},
    {u'}', "\\}"},
    {u'\t', "\\tab "},
    {u'\u2028', "\\line "},
}};

constexpr double kPointsPerPixel = 72.0 / 96.0;

int HalfPoints(const QFont& font) {
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * kPointsPerPixel;
    return qRound(points * 2);
}

RtfRunFormat StyleOf(const QTextCharFormat& format, const QFont& documentFont) {
    const QFont font = format.font().resolve(documentFont);
    RtfRunFormat style;
    style.family = font.family();
    style.halfPoints = HalfPoints(font);
    style.bold = font.bold();
    style.italic = font.italic();
    style.underline = font.underline();
    if (format.foreground().style() != Qt::NoBrush) {
        style.color = format.foreground().color();
    }
    return style;
}

void AppendEscaped(QByteArray& out, QStringView text) {
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        const auto escape = std::find_if(kEscapes.begin(), kEscapes.end(),
                                         [unit](const Escape& entry) { return entry.character == unit; });
        if (escape != kEscapes.end()) {
            out += escape->rtf;
        } else if (unit >= 0x20 && unit < 0x7f) {
            out += static_cast<char>(unit);
        } else if (unit >= 0x80 && unit != QChar::ObjectReplacementCharacter) {
            // \u takes a signed 16-bit number; a character outside the BMP is its two UTF-16
            // halves. The "?" for ANSI readers goes as \'3f: a plain "?" makes some readers
            // drop the blank after it.
            out += "\\u" + QByteArray::number(static_cast<qint16>(unit)) + "\\'3f";
        }
        // Other control characters and embedded objects carry no text of their own.
    }
}

// A font's name as the font table holds it: a semicolon ends a table entry and a control character
// or a break is no part of a name, so those are left out; a name with nothing else becomes
// kNamelessFont. The program's own fonts need none of this.
constexpr QLatin1StringView kNamelessFont("Unnamed");

QString FontTableName(const QString& family) {
    QString name;
    for (const QChar c : family) {
        const auto kind = c.category();
        if (c != u';' && kind != QChar::Other_Control && kind != QChar::Separator_Line &&
            kind != QChar::Separator_Paragraph) {
            name += c;
        }
    }
    return name.isEmpty() ? QString(kNamelessFont) : name;
}

// Collects the fonts and colours of the runs into RTF's tables, in order of first use.
class Tables final {
public:
    // The document's font is \f0, the default.
    explicit Tables(const QFont& documentFont)
        : m_documentFont(documentFont) {
        fontIndex(documentFont.family());
    }

    int fontIndex(const QString& family) {
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            if (m_fonts[i].family() == family) {
                return static_cast<int>(i);
            }
        }
        m_fonts.append(family == m_documentFont.family() ? m_documentFont : QFont(family));
        return static_cast<int>(m_fonts.size() - 1);
    }

    // 0 is the reader's default colour; the table's own entries count from 1.
    int colorIndex(const std::optional<QColor>& color) {
        if (!color) {
            return 0;
        }
        const QRgb rgb = color->rgb();
        qsizetype at = m_colors.indexOf(rgb);
        if (at < 0) {
            m_colors.append(rgb);
            at = m_colors.size() - 1;
        }
        return static_cast<int>(at + 1);
    }

    void write(QByteArray& out) const {
        out += "{\\fonttbl";
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            const QFont& font = m_fonts[i];
            out += "{\\f" + QByteArray::number(i) + FontClassWord(font) + "\\fcharset0 ";
            AppendEscaped(out, FontTableName(font.family()));
            // A font missing on the reader's system gives way to the document's own fallback.
            if (font.families().size() > 1) {
                out += "{\\*\\falt ";
                AppendEscaped(out, FontTableName(font.families().at(1)));
                out += '}';
            }
            out += ";}";
        }
        out += "}\n{\\colortbl;";
        for (const QRgb rgb : m_colors) {
            out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) + "\\blue" +
                   QByteArray::number(qBlue(rgb)) + ';';
        }
        out += "}\n";
    }

private:
    static QByteArray FontClassWord(const QFont& font) {
        for (const auto& entry : kFontClasses) {
            if (entry.hint == font.styleHint()) {
                return entry.controlWord;
            }
        }
        return "\\fnil";
    }

    QFont m_documentFont;
    QList<QFont> m_fonts;
    QList<QRgb> m_colors;
};

struct ToggleWord {
    bool RtfRunFormat::*flag;
    const char* on;
    const char* off;
};

constexpr std::array<ToggleWord, 3> kToggles{{
    {&RtfRunFormat::bold, "\\b", "\\b0"},
    {&RtfRunFormat::italic, "\\i", "\\i0"},
    {&RtfRunFormat::underline, "\\ul", "\\ul0"},
}};

// The control words that take the reader from one run's format to the next one's.
QByteArray FormatChange(const RtfRunFormat& from, const RtfRunFormat& to, Tables& tables) {
    QByteArray words;
    if (from.family != to.family) {
        words += "\\f" + QByteArray::number(tables.fontIndex(to.family));
    }
    if (from.halfPoints != to.halfPoints) {
        words += "\\fs" + QByteArray::number(to.halfPoints);
    }
    if (from.color != to.color) {
        words += "\\cf" + QByteArray::number(tables.colorIndex(to.color));
    }
    for (const auto& toggle : kToggles) {
        if (from.*toggle.flag != to.*toggle.flag) {
            words += to.*toggle.flag ? toggle.on : toggle.off;
        }
    }
    return words;
}

} // namespace

QByteArray WriteRtf(const QTextDocument& document) {
    const QFont documentFont = document.defaultFont();
    Tables tables(documentFont);        // filled as the body uses fonts and colours, written before it
    QByteArray body = "\\pard\\plain "; // the blank ends \plain even where text follows at once
    // What \plain sets: the default font \f0 in RTF's default size, nothing else.
    RtfRunFormat current;
    current.family = documentFont.family();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const RtfRunFormat style = StyleOf(it.fragment().charFormat(), documentFont);
            const QByteArray words = FormatChange(current, style, tables);
            if (!words.isEmpty()) {
                body += words + ' '; // the blank ends the last control word and is no text
            }
            current = style;
            AppendEscaped(body, it.fragment().text());
        }
        if (block.next().isValid()) {
            body += "\\par\n";
        }
    }
    if (!body.endsWith('\n')) {
        body += '\n';
    }
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    tables.write(out);
    return out + body + "}\n";
}

} // namespace seraphel
