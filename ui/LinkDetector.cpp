#include "LinkDetector.h"

#include <QUrl>

#include <algorithm>
#include <array>

namespace seraphel {
namespace {

// Web pages and mail, and nothing else: a "file:" address, say, would have the desktop open a
// local file or run a program, so it stays plain text.
constexpr std::array<QLatin1StringView, 6> kPrefixes{
    QLatin1StringView("http:"),   QLatin1StringView("https:"), QLatin1StringView("ftp:"),
    QLatin1StringView("mailto:"), QLatin1StringView("news:"),  QLatin1StringView("www."),
};
constexpr QLatin1StringView kWebPrefix("www.");
// What the browser gets before an address that starts with kWebPrefix.
constexpr QLatin1StringView kWebScheme("http://");
// Windows' limit for an address: the shell opens nothing longer (and crashes on some systems), so a
// longer address stays plain text on every system.
constexpr qsizetype kMostAddressCharacters = 2048;
// The ASCII marks that the browser gets percent-encoded, as it gets every character beyond ASCII.
constexpr QLatin1StringView kEncodedMarks("\"<>\\^`{|}%");

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

// The end of the address that starts at start and runs to end, without the sentence's marks
// after it. A closing bracket ends the address only when the address did not open it, so that
// "(see www.a.example)" leaves the bracket out but "http://a.example/Page_(1)" keeps it. The
// brackets are counted once, and the counts follow each mark taken off: a long run of closing
// brackets costs no more than any other text.
qsizetype TrimmedEnd(QStringView text, qsizetype start, qsizetype end) {
    std::array<qsizetype, kBrackets.size()> unmatchedClosing{};
    for (const QChar c : text.sliced(start, end - start)) {
        for (std::size_t i = 0; i < kBrackets.size(); ++i) {
            unmatchedClosing[i] += c == kBrackets[i].close ? 1 : c == kBrackets[i].open ? -1 : 0;
        }
    }
    while (end > start) {
        const QChar last = text[end - 1];
        const auto bracket = std::find_if(kBrackets.begin(), kBrackets.end(),
                                          [last](const BracketPair& pair) { return pair.close == last; });
        if (bracket != kBrackets.end()) {
            qsizetype& unmatched = unmatchedClosing[static_cast<std::size_t>(bracket - kBrackets.begin())];
            if (unmatched <= 0) {
                break;
            }
            --unmatched;
        } else if (!kTrailingMarks.contains(last)) {
            break;
        }
        --end;
    }
    return end;
}

bool HandedOnAsItStands(QChar c) {
    return c.unicode() > u' ' && c.unicode() < 0x7F && !kEncodedMarks.contains(c);
}

// Whether the browser gets the link as an address of at most kMostAddressCharacters: encoded as
// the browser gets it, a short link in another script can still be far too long.
bool FitsTheAddressLimit(QStringView link) {
    const qsizetype scheme = link.startsWith(kWebPrefix, Qt::CaseInsensitive) ? kWebScheme.size() : 0;
    if (link.size() + scheme > kMostAddressCharacters) {
        return false; // encoding only lengthens it
    }
    if (std::ranges::all_of(link, HandedOnAsItStands)) {
        return true;
    }
    return QUrl(WebAddressForLink(link)).toString(QUrl::FullyEncoded).size() <= kMostAddressCharacters;
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
            std::ranges::any_of(text.sliced(at + prefixLength, trimmed - at - prefixLength),
                                [](QChar c) { return c.isLetterOrNumber(); }) &&
            FitsTheAddressLimit(text.sliced(at, trimmed - at))) {
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
        return kWebScheme + link.toString();
    }
    return link.toString();
}

} // namespace seraphel
