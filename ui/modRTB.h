// Clickable web addresses in a rich-text box: while installed, addresses are found as the
// user edits and shown as links, and a left press on one opens it in the browser (the box
// still handles the press). Each box has its own handler, a child of the box.
#pragma once

class QTextEdit;

namespace seraphel {

class WindowServices;

// Installing again on the same box changes nothing.
void InstallLinkHandler(QTextEdit* box, WindowServices& services);

// Does nothing on a box without a handler.
void RemoveLinkHandler(QTextEdit* box);

} // namespace seraphel
