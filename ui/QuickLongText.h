// Keeps a rich-text box quick with very long paragraphs, whatever the size of its document.
// Qt's layout seeks the end of a word anew for every line it breaks a word wider than a line
// in, and analyses a paragraph anew each time it places the cursor (at every blink): so while
// the text holds such a word, lines break where they end, and the paragraph that holds the
// cursor keeps its analysis while it is very long. Each edit is looked at only where it touched.
#pragma once

class QTextEdit;

namespace seraphel {

// Watches the box and its document from now on: picks the wrapping before each edit is laid out,
// and follows the cursor.
void KeepLongTextQuick(QTextEdit& box);

} // namespace seraphel
