#include "TypedCharacter.h"

#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace seraphel {
namespace {

struct KeyCode {
    int key;
    char32_t code;
};

// Keys whose code does not depend on the text the platform attaches to the event.
constexpr std::array<KeyCode, 4> kPlainKeys{{
    {Qt::Key_Escape, 27},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Backspace, 8},
}};

// Ctrl with a key other than a letter.
constexpr std::array<KeyCode, 9> kControlKeys{{
    {Qt::Key_At, 0},
    {Qt::Key_BracketLeft, 27},
    {Qt::Key_Backslash, 28},
    {Qt::Key_BracketRight, 29},
    {Qt::Key_AsciiCircum, 30},
    {Qt::Key_Underscore, 31},
    {Qt::Key_Return, 10},
    {Qt::Key_Enter, 10},
    {Qt::Key_Backspace, 127},
}};

// Keys that move the cursor or the focus, or delete, but type nothing.
constexpr std::array<int, 3> kSilentKeys{Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Delete};

template <std::size_t N> std::u32string CodeOf(const std::array<KeyCode, N>& table, int key) {
    const auto found = std::ranges::find(table, key, &KeyCode::key);
    return found == table.end() ? std::u32string{} : std::u32string(1, found->code);
}

std::u32string TextCodes(const QKeyEvent& event) {
    const auto codes = event.text().toUcs4();
    return {codes.begin(), codes.end()};
}

bool AltWithoutControl(Qt::KeyboardModifiers modifiers) {
    return !modifiers.testFlag(Qt::ControlModifier) &&
           (modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier));
}

} // namespace

std::u32string TypedCharacterCodes(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers.testFlag(Qt::ControlModifier)) {
        if (modifiers.testFlag(Qt::AltModifier)) { // AltGr: whatever character the layout puts on the key
            return TextCodes(event);
        }
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            return std::u32string(1, static_cast<char32_t>(key - Qt::Key_A + 1));
        }
        return CodeOf(kControlKeys, key);
    }
    if (AltWithoutControl(modifiers) || std::ranges::count(kSilentKeys, key) > 0) {
        return {};
    }
    if (const auto plain = CodeOf(kPlainKeys, key); !plain.empty()) {
        return plain;
    }
    return TextCodes(event);
}

bool ChoosesRatherThanTypes(const QKeyEvent& event) {
    return AltWithoutControl(event.modifiers()) && !event.text().isEmpty() && event.text().at(0).isPrint();
}

} // namespace seraphel
