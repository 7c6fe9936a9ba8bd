// A strict reader for the RTF that the report's writer produces: 7-bit text in one group
// opened by \rtf1, a font table, a colour table, then the body with the character format
// words the writer uses. Anything else (a control word it does not know, a group left open
// or closed twice, a font or colour that the tables lack, text after the document) is an
// error, so that a test or fuzz target sees every flaw of the writer's output.
#pragma once

#include <QList>
#include <QRgb>
#include <QString>

#include <optional>

namespace seraphel::test {

struct RtfCharacterStyle {
    QString family; // from the font table
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<QRgb> color; // none: the reader's default colour

    friend bool operator==(const RtfCharacterStyle&, const RtfCharacterStyle&) = default;
};

struct RtfDocument {
    // The body's text: paragraphs apart by U+2029, line breaks as U+2028, tabs as '\t'.
    QString text;
    // The style of each UTF-16 unit of text that is not a paragraph break.
    QList<RtfCharacterStyle> styles;
};

struct RtfReadResult {
    std::optional<RtfDocument> document;
    QString error; // why there is no document
};

RtfReadResult ReadRtf(const QByteArray& rtf);

} // namespace seraphel::test
