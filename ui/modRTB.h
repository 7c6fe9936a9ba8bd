// Clickable web addresses in a rich-text box. While installed, addresses in the box are
// found as the user edits, shown as links with a pointing hand over them, and a press of
// the left button on one opens it in the browser; the box still handles the press itself.
// One box at a time: the handler is module state, installed by the report window when it
// loads and removed when it closes.
#pragma once

class QTextEdit;
class QWidget;

namespace seraphel {

class Platform;

// Installs the handler on box for the lifetime of owner (the window holding the box).
// Installing again on the same box changes nothing; installing on another box moves the
// handler there.
void InstallLinkHandler(QTextEdit* box, QWidget* owner, Platform& platform);

// Turns link detection off again; without an installation it does nothing.
void RemoveLinkHandler();

} // namespace seraphel
