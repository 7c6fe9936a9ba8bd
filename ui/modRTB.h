// Clickable web addresses in a rich-text box. While installed, addresses in the box are
// found as the user edits, shown as links with a pointing hand over them, and a press of
// the left button on one opens it in the browser; the box still handles the press itself.
// Each box has its own handler, a child of the box: its links live as long as the box, or
// until removed from that box. The report window installs it when it loads and removes it
// when it closes.
#pragma once

class QTextEdit;

namespace seraphel {

class WindowServices;

// Installs the handler on box for the box's lifetime. Installing again on the same box
// changes nothing; other boxes keep their own handlers.
void InstallLinkHandler(QTextEdit* box, WindowServices& services);

// Turns link detection off again on box; without an installation there it does nothing.
void RemoveLinkHandler(QTextEdit* box);

} // namespace seraphel
