#include "LinkDetector.h"

#include <array>

namespace seraphel {
namespace {

constexpr std::array<QLatin1StringView, 7> kPrefixes{
    QLatin1StringView("http:"), QLatin1StringView("https:"), QLatin1StringView("ftp:"), QLatin1StringView("mailto:"),
    QLatin1StringView("file:"), QLatin1StringView("news:"),  QLatin1StringView("www."),
};
constexpr QLatin1StringView kWebPrefix("www.");

// An address only starts a word: "xhttp://" or "abc.www.x" are not addresses.
constexpr QLatin1StringView kOpeningMarks("([{<\"'");
// Sentence punctuation after an address belongs to the sentence, not to the address.
constexpr QLatin1StringView kTrailingMarks(".,;:!?'\"");

struct BracketPair {
    QChar open;
    QChar close;
};
constexpr std::array<BracketPair, 4> kBrackets{{{u'(', u')'}, {u'[', u']'}, {u'{', u'}'}, {u'<', u'>'}}};

bool EndsAddress(QChar c) {
    return c.isSpace() || c.category() == QChar::Other_Control;
}

bool StartsWord(QStringView text, qsizetype at) {
    return at == 0 || EndsAddress(text[at - 1]) || kOpeningMarks.contains(text[at - 1]);
}

qsizetype PrefixLengthAt(QStringView text, qsizetype at) {
    for (const auto prefix : kPrefixes) {
        if (text.sliced(at).startsWith(prefix, Qt::CaseInsensitive)) {
            return prefix.size();
        }
    }
    return 0;
}

// A closing bracket ends the address only when the address did not open it, so that
// "(see www.a.example)" leaves the bracket out but "http://a.example/Page_(1)" keeps it.
bool IsUnmatchedClosing(QStringView address) {
    const QChar last = address.back();
    for (const auto& pair : kBrackets) {
        if (last == pair.close) {
            return address.count(pair.open) < address.count(pair.close);
        }
    }
    return false;
}

qsizetype TrimmedEnd(QStringView text, qsizetype start, qsizetype end) {
    while (end > start) {
        const QStringView address = text.sliced(start, end - start);
        if (!kTrailingMarks.contains(address.back()) && !IsUnmatchedClosing(address)) {
            break;
        }
        --end;
    }
    return end;
}

bool HasLetterOrDigit(QStringView text) {
    for (const QChar c : text) {
        if (c.isLetterOrNumber()) {
            return true;
        }
    }
    return false;
}

} // namespace

QList<TextSpan> FindWebAddresses(QStringView text) {
    QList<TextSpan> spans;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype prefixLength = StartsWord(text, at) ? PrefixLengthAt(text, at) : 0;
        if (prefixLength == 0) {
            ++at;
            continue;
        }
        qsizetype end = at + prefixLength;
        while (end < text.size() && !EndsAddress(text[end])) {
            ++end;
        }
        const qsizetype trimmed = TrimmedEnd(text, at, end);
        // A scheme alone ("http://", "www.") is not an address yet.
        if (trimmed > at + prefixLength &&
            HasLetterOrDigit(text.sliced(at + prefixLength, trimmed - at - prefixLength))) {
            spans.append({at, trimmed - at});
        }
        at = end;
    }
    return spans;
}

QString WebAddressForLink(QStringView link) {
    // The desktop's URL opener takes a name without scheme for a local file, where the shell
    // of a rich edit control's home system opened "www." names in the browser: the scheme
    // makes it a web page here as well.
    if (link.startsWith(kWebPrefix, Qt::CaseInsensitive)) {
        return QStringLiteral("http://") + link.toString();
    }
    return link.toString();
}

} // namespace seraphel
