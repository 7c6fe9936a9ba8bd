// Keeps a rich-text box quick to edit with a very long word in it. The box wraps at word
// boundaries and breaks a word wider than a line anywhere; but for every line it fills, Qt's
// layout seeks the end of the word again before it breaks it, so a megabyte of letters without
// a blank took most of a minute to lay out, and again on every key. While the text holds a run
// of characters that long, the box breaks each line where it ends instead, in one pass.
#pragma once

class QTextEdit;

namespace seraphel {

// Watches the box's document from now on and picks its wrapping before each edit is laid out.
void KeepWrappingQuick(QTextEdit& box);

} // namespace seraphel
