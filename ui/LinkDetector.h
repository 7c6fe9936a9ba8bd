// Finds web addresses in plain text the way a rich edit control's automatic URL detection
// does: an address starts with one of the known schemes or with "www.", runs to the first
// blank or line end, and leaves out punctuation that ends the sentence around it.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace seraphel {

struct TextSpan {
    qsizetype start = 0;
    qsizetype length = 0;

    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// Every address in text, in order and without overlap. An address that would reach the browser
// longer than 2048 characters, percent-encoded as it gets it, is none.
QList<TextSpan> FindWebAddresses(QStringView text);

// What the browser is asked to open for a detected link: the link as it stands, with
// "http://" before an address that starts with "www.".
QString WebAddressForLink(QStringView link);

} // namespace seraphel
