// Any text: every address that FindWebAddresses reports lies within the text, follows the one
// before it without overlap, starts a word with a known scheme or "www." and holds more than
// that, and runs through no blank; and the browser is always handed an address with a scheme.
#include "FuzzText.h"
#include "LinkDetector.h"

#include <array>
#include <cstdlib>

namespace {

constexpr std::array<QLatin1StringView, 7> kPrefixes{
    QLatin1StringView("http:"), QLatin1StringView("https:"), QLatin1StringView("ftp:"), QLatin1StringView("mailto:"),
    QLatin1StringView("file:"), QLatin1StringView("news:"),  QLatin1StringView("www."),
};

qsizetype PrefixLength(QStringView link) {
    for (const auto prefix : kPrefixes) {
        if (link.startsWith(prefix, Qt::CaseInsensitive)) {
            return prefix.size();
        }
    }
    return 0;
}

bool HoldsBlank(QStringView link) {
    for (const QChar c : link) {
        if (c.isSpace()) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = seraphel::fuzz::Utf16Text(data, size);
    qsizetype previousEnd = 0;
    for (const seraphel::TextSpan& span : seraphel::FindWebAddresses(text)) {
        if (span.start < previousEnd || span.length <= 0 || span.start + span.length > text.size()) {
            std::abort();
        }
        const QStringView link = QStringView(text).sliced(span.start, span.length);
        const qsizetype prefix = PrefixLength(link);
        if (prefix == 0 || link.size() <= prefix || HoldsBlank(link) ||
            (span.start > 0 && text.at(span.start - 1).isLetterOrNumber())) {
            std::abort();
        }
        const QString address = seraphel::WebAddressForLink(link);
        if (PrefixLength(address) == 0 || address.startsWith(QLatin1StringView("www."), Qt::CaseInsensitive) ||
            address.size() > 2048) {
            std::abort();
        }
        previousEnd = span.start + span.length;
    }
    return 0;
}
