// Rules that every window's layout keeps, checked over the named controls under a widget that
// show when it shows (Qt's own inner widgets, named "qt_...", and unnamed ones are passed by).
// Each returns what breaks its rule, the faults naming the controls one after another ("; "
// between), so that a test compares it with an empty string.
#pragma once

#include <QStringList>

class QWidget;

namespace seraphel::testing {

// Each control that reaches outside its container: "Label3 outside client".
QString ControlsOutsideTheirContainers(const QWidget& root);

// Each pair of sibling controls that overlap, "Label4/Label5", less the allowed pairs, named
// either way round.
QString OverlappingControls(const QWidget& root, const QStringList& allowed = {});

// Each control whose caption, or one of its list items, does not fit it in its own font.
QString CutOffCaptions(const QWidget& root);

// Each caption, and each access key (the letter after a single &), used twice where the user
// sees them together: by the controls with the menu bar's items, or by the items of one menu.
QString RepeatedCaptions(const QWidget& root);

} // namespace seraphel::testing
