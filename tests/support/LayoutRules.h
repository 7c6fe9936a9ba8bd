// The rules every window's layout keeps, over the controls under a widget that show when it
// shows and that the program named (Qt's own, named "qt_...", are passed by): each control
// lies inside its container, overlaps none of its siblings, shows all of its caption (and of
// its list's items) in its own font, and no two captions or access keys (the letter after a
// single &) repeat where the user sees them together: the controls with the menu bar's items,
// or the items of one menu.
#pragma once

#include <QStringList>

class QWidget;

namespace seraphel::testing {

// What breaks the rules, each fault naming its controls, "; " between them; empty when the
// layout keeps them. The designed overlaps are pairs "first/second", named either way round.
QString LayoutFaults(const QWidget& root, const QStringList& designedOverlaps = {});

} // namespace seraphel::testing
