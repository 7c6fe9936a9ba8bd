// Rich Text Format (RTF 1.x) for whatever a text document holds: its paragraphs, one a
// line, with font, size, bold, italic, underline and text colour. Characters that RTF
// reads as markup are escaped, and characters outside ASCII are written as \uN with "?"
// for readers that know only the ANSI code page.
#pragma once

#include <QByteArray>

class QTextDocument;

namespace seraphel {

QByteArray WriteRtf(const QTextDocument& document);

} // namespace seraphel
