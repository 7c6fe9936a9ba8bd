// Keeps a rich-text box quick with very long paragraphs in it, whatever the size of its document.
// - A very long word: the box wraps at word boundaries and breaks a word wider than a line
//   anywhere; but for every line it fills, Qt's layout seeks the end of the word again before it
//   breaks it, so a megabyte of letters without a blank took most of a minute to lay out, and
//   again on every key. While the text holds a run of characters that long, the box breaks each
//   line where it ends instead, in one pass.
// - A very long paragraph with the cursor in it: once it has laid out a paragraph, Qt's layout
//   lets go of what it found of the paragraph's characters and glyphs, and finds it again for
//   the whole paragraph whenever it places the cursor; that is at every blink, so a paragraph of
//   megabytes kept a core busy for as long as the box had focus. The paragraph that holds the
//   cursor keeps what its layout found while it is that long.
// Each edit has only the paragraphs it touched looked at, so a key costs the same in any size
// of document.
#pragma once

class QTextEdit;

namespace seraphel {

// Watches the box and its document from now on: picks the wrapping before each edit is laid out,
// and follows the cursor.
void KeepLongTextQuick(QTextEdit& box);

} // namespace seraphel
