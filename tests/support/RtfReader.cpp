#include "RtfReader.h"

#include <QHash>

#include <utility>

namespace seraphel::test {
namespace {

enum class Destination { Body, FontTable, FontEntry, FontAlternative, ColorTable };

struct Group {
    Destination destination = Destination::Body;
    RtfCharacterStyle style;
};

constexpr char16_t kParagraphBreak = u'\u2029';
constexpr char16_t kLineBreak = u'\u2028';

bool IsLetter(char c) {
    return c >= 'a' && c <= 'z';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

class Reader final {
public:
    explicit Reader(const QByteArray& rtf)
        : m_rtf(rtf) {}

    RtfReadResult read() {
        if (!m_rtf.startsWith("{\\rtf1")) {
            return {std::nullopt, QStringLiteral("the text does not start with {\\rtf1")};
        }
        while (m_position < m_rtf.size() && step()) {
        }
        if (m_error.isEmpty() && !m_groups.isEmpty()) {
            fail(QStringLiteral("%1 group(s) left open").arg(m_groups.size()));
        }
        if (m_error.isEmpty() && m_skip > 0) {
            fail(QStringLiteral("a \\u character without its fallback"));
        }
        if (!m_error.isEmpty()) {
            return {std::nullopt, m_error};
        }
        return {m_document, {}};
    }

private:
    using Parameter = std::optional<int>;

    bool fail(const QString& why) {
        if (m_error.isEmpty()) {
            m_error = why + QStringLiteral(" (at byte %1)").arg(m_position);
        }
        return false;
    }

    Group& current() { return m_groups.back(); }

    bool step() {
        const char c = m_rtf.at(m_position);
        if (m_closed) {
            // After the document only line ends may follow.
            ++m_position;
            return c == '\n' || c == '\r' || fail(QStringLiteral("text after the document"));
        }
        switch (c) {
        case '{':
            if (m_skip > 0) {
                return fail(QStringLiteral("a group where a \\u fallback belongs"));
            }
            m_groups.append(m_groups.isEmpty() ? Group{} : current());
            if (m_groups.size() > 1 && m_groups[m_groups.size() - 2].destination == Destination::FontTable) {
                current().destination = Destination::FontEntry;
                m_fontIndex.reset();
                m_fontName.clear();
            }
            ++m_position;
            return true;
        case '}':
            if (m_skip > 0) {
                return fail(QStringLiteral("a group's end where a \\u fallback belongs"));
            }
            ++m_position;
            if (current().destination == Destination::FontEntry && m_fontIndex) {
                return fail(QStringLiteral("a font entry without its closing semicolon"));
            }
            m_groups.removeLast();
            m_closed = m_groups.isEmpty();
            return true;
        case '\\':
            return control();
        case '\r':
        case '\n':
            ++m_position;
            return true;
        default:
            if (c < 0x20 || c > 0x7e) {
                return fail(QStringLiteral("a byte outside 7-bit text: %1").arg(static_cast<unsigned char>(c)));
            }
            ++m_position;
            return character(static_cast<char16_t>(c));
        }
    }

    bool control() {
        if (m_position + 1 >= m_rtf.size()) {
            return fail(QStringLiteral("a backslash at the end"));
        }
        const char next = m_rtf.at(m_position + 1);
        if (next == '\\' || next == '{' || next == '}') {
            m_position += 2;
            return character(static_cast<char16_t>(next));
        }
        if (next == '\'') {
            const int high = m_position + 2 < m_rtf.size() ? HexValue(m_rtf.at(m_position + 2)) : -1;
            const int low = m_position + 3 < m_rtf.size() ? HexValue(m_rtf.at(m_position + 3)) : -1;
            if (high < 0 || low < 0) {
                return fail(QStringLiteral("a \\' without two hex digits"));
            }
            m_position += 4;
            return character(static_cast<char16_t>(high * 16 + low));
        }
        if (next == '*') {
            m_position += 2;
            m_starred = true;
            return true;
        }
        if (!IsLetter(next)) {
            return fail(QStringLiteral("an unknown control symbol \\%1").arg(QLatin1Char(next)));
        }
        qsizetype end = m_position + 1;
        while (end < m_rtf.size() && IsLetter(m_rtf.at(end))) {
            ++end;
        }
        const QByteArray name = m_rtf.mid(m_position + 1, end - m_position - 1);
        Parameter parameter;
        const qsizetype digitsStart = end < m_rtf.size() && m_rtf.at(end) == '-' ? end + 1 : end;
        qsizetype digitsEnd = digitsStart;
        while (digitsEnd < m_rtf.size() && IsDigit(m_rtf.at(digitsEnd)) && digitsEnd - digitsStart < 10) {
            ++digitsEnd;
        }
        if (digitsEnd > digitsStart) {
            parameter = m_rtf.mid(end, digitsEnd - end).toInt();
            end = digitsEnd;
        } else if (digitsStart != end) {
            return fail(QStringLiteral("a minus sign without a number"));
        }
        if (end < m_rtf.size() && m_rtf.at(end) == ' ') {
            ++end; // the blank that ends a control word is no text
        }
        m_position = end;
        if (m_skip > 0) {
            return fail(QStringLiteral("\\%1 where a \\u fallback belongs").arg(QLatin1String(name)));
        }
        const bool starred = std::exchange(m_starred, false);
        if (starred && name != "falt") {
            return fail(QStringLiteral("an unknown destination \\*\\%1").arg(QLatin1String(name)));
        }
        return word(name, parameter);
    }

    bool word(const QByteArray& name, Parameter parameter) {
        if (name == "u") {
            if (!parameter || *parameter < -32768 || *parameter > 65535) {
                return fail(QStringLiteral("\\u without a 16-bit number"));
            }
            const auto unit = static_cast<char16_t>(static_cast<quint16>(*parameter));
            const bool stored = character(unit);
            m_skip = m_unicodeSkip;
            return stored;
        }
        switch (current().destination) {
        case Destination::Body:
            return bodyWord(name, parameter);
        case Destination::FontTable:
            return fail(QStringLiteral("\\%1 outside a font entry").arg(QLatin1String(name)));
        case Destination::FontEntry:
            return fontWord(name, parameter);
        case Destination::FontAlternative:
            return fail(QStringLiteral("\\%1 in a font's alternative name").arg(QLatin1String(name)));
        case Destination::ColorTable:
            return colorWord(name, parameter);
        }
        return false;
    }

    // A control word of the body with its number: absent, or -1 where a number is missing.
    struct Word {
        Parameter parameter;
        int number;
        bool on; // a toggle's state: no number or any but 0
    };
    // Each handler is false when the word's number is wrong or missing.
    using Handler = bool (*)(Reader&, const Word&);

    bool bodyWord(const QByteArray& name, Parameter parameter) {
        static const QHash<QByteArray, Handler> kWords{
            {"rtf", [](Reader& r, const Word& w) { return w.number == 1 && r.m_groups.size() == 1; }},
            {"ansi", [](Reader&, const Word&) { return true; }},
            {"ansicpg", [](Reader&, const Word& w) { return w.parameter.has_value(); }},
            {"deff",
             [](Reader& r, const Word& w) {
                 r.m_defaultFont = w.number;
                 return w.parameter.has_value();
             }},
            {"uc",
             [](Reader& r, const Word& w) {
                 r.m_unicodeSkip = w.number;
                 return w.number >= 0;
             }},
            {"fonttbl",
             [](Reader& r, const Word&) {
                 r.current().destination = Destination::FontTable;
                 return true;
             }},
            {"colortbl",
             [](Reader& r, const Word&) {
                 r.current().destination = Destination::ColorTable;
                 return true;
             }},
            {"pard", [](Reader&, const Word&) { return true; }},
            {"plain",
             [](Reader& r, const Word&) {
                 r.current().style = r.plainStyle();
                 return true;
             }},
            {"par", [](Reader& r, const Word&) { return r.character(kParagraphBreak); }},
            {"line", [](Reader& r, const Word&) { return r.character(kLineBreak); }},
            {"tab", [](Reader& r, const Word&) { return r.character(u'\t'); }},
            {"f",
             [](Reader& r, const Word& w) {
                 r.current().style.family = r.m_fonts.value(w.number);
                 return r.m_fonts.contains(w.number);
             }},
            {"fs",
             [](Reader& r, const Word& w) {
                 r.current().style.halfPoints = w.number;
                 return w.number > 0;
             }},
            {"cf", [](Reader& r, const Word& w) { return r.setColor(r.current().style, w.number); }},
            {"b",
             [](Reader& r, const Word& w) {
                 r.current().style.bold = w.on;
                 return true;
             }},
            {"i",
             [](Reader& r, const Word& w) {
                 r.current().style.italic = w.on;
                 return true;
             }},
            {"ul",
             [](Reader& r, const Word& w) {
                 r.current().style.underline = w.on;
                 return true;
             }},
        };
        const Handler handler = kWords.value(name);
        if (handler == nullptr) {
            return fail(QStringLiteral("an unknown control word \\%1").arg(QLatin1String(name)));
        }
        const Word word{parameter, parameter.value_or(-1), !parameter || *parameter != 0};
        return handler(*this, word) ||
               fail(QStringLiteral("\\%1 with a wrong or missing number").arg(QLatin1String(name)));
    }

    bool fontWord(const QByteArray& name, Parameter parameter) {
        static const QList<QByteArray> families{"fswiss", "froman", "fmodern", "fscript", "fnil", "fdecor", "ftech"};
        if (name == "f" && parameter && !m_fontIndex && m_fontName.isEmpty()) {
            m_fontIndex = *parameter;
            return true;
        }
        if (name == "falt") {
            current().destination = Destination::FontAlternative;
            return true;
        }
        if ((families.contains(name) && !parameter) || (name == "fcharset" && parameter)) {
            return true;
        }
        return fail(QStringLiteral("\\%1 out of place in a font entry").arg(QLatin1String(name)));
    }

    bool colorWord(const QByteArray& name, Parameter parameter) {
        int* channel = name == "red" ? &m_red : name == "green" ? &m_green : name == "blue" ? &m_blue : nullptr;
        if (channel == nullptr || !parameter || *parameter < 0 || *parameter > 255) {
            return fail(QStringLiteral("\\%1 out of place in the colour table").arg(QLatin1String(name)));
        }
        *channel = *parameter;
        return true;
    }

    RtfCharacterStyle plainStyle() const {
        RtfCharacterStyle style;
        style.family = m_fonts.value(m_defaultFont);
        return style;
    }

    bool setColor(RtfCharacterStyle& style, int index) {
        if (index == 0) {
            style.color.reset();
            return true;
        }
        if (index < 0 || index > m_colors.size()) {
            return false;
        }
        style.color = m_colors.at(index - 1);
        return true;
    }

    // One character of text, wherever the current group puts it.
    bool character(char16_t unit) {
        if (m_skip > 0) {
            --m_skip; // the fallback of a \u character, for readers without Unicode
            return true;
        }
        switch (current().destination) {
        case Destination::Body:
            m_document.text += QChar(unit);
            if (unit != kParagraphBreak) {
                m_document.styles.append(current().style);
            }
            return true;
        case Destination::FontEntry:
            if (unit != u';') {
                m_fontName += QChar(unit);
                return true;
            }
            if (!m_fontIndex || m_fontName.isEmpty() || m_fonts.contains(*m_fontIndex)) {
                return fail(QStringLiteral("a font entry without a new number or a name"));
            }
            m_fonts.insert(*m_fontIndex, m_fontName);
            m_fontIndex.reset();
            return true;
        case Destination::FontAlternative:
            return true;
        case Destination::ColorTable:
            if (unit == u' ') {
                return true;
            }
            if (unit != u';') {
                return fail(QStringLiteral("text in the colour table"));
            }
            if (m_colorCount++ > 0) {
                m_colors.append(qRgb(m_red, m_green, m_blue));
            }
            m_red = m_green = m_blue = 0;
            return true;
        case Destination::FontTable:
            return unit == u' ' || fail(QStringLiteral("text in the font table"));
        }
        return false;
    }

    const QByteArray& m_rtf;
    qsizetype m_position = 0;
    QString m_error;
    QList<Group> m_groups;
    bool m_closed = false;
    bool m_starred = false;
    int m_unicodeSkip = 1;
    int m_skip = 0;
    int m_defaultFont = 0;
    QHash<int, QString> m_fonts;
    std::optional<int> m_fontIndex;
    QString m_fontName;
    QList<QRgb> m_colors;
    int m_colorCount = 0;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    RtfDocument m_document;
};

} // namespace

RtfReadResult ReadRtf(const QByteArray& rtf) {
    return Reader(rtf).read();
}

} // namespace seraphel::test
