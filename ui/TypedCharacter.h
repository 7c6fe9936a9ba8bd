// The character codes that a key press types, with the meaning the program's users know
// from Windows: Ctrl with a letter types a control code (Ctrl+C is 3, Ctrl+V is 22),
// Escape types 27, Enter 13 and Backspace 8. Keys that type nothing (arrows, Home, End,
// Delete, Tab, function keys, and Alt combinations, which choose menus and buttons) give
// no code at all.
#pragma once

#include <string>

class QKeyEvent;

namespace seraphel {

std::u32string TypedCharacterCodes(const QKeyEvent& event);

// Alt (or the Meta key) with a character key: it chooses a menu or a button by its access
// key and types nothing, although the event carries the character.
bool ChoosesRatherThanTypes(const QKeyEvent& event);

} // namespace seraphel
