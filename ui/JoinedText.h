// Texts joined at compile time, so that a control's designed caption can be made of shared
// texts and still stand in a constant row.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace seraphel {

// A text of N - 1 characters and its terminating zero.
template <std::size_t N> struct FixedText {
    std::array<char, N> chars{};

    constexpr FixedText() = default;
    constexpr FixedText(const char (&text)[N]) { std::copy_n(text, N, chars.begin()); }
    constexpr const char* c_str() const { return chars.data(); }
    static constexpr std::size_t length() { return N - 1; }
};

template <std::size_t Count> constexpr FixedText<Count + 1> Blanks() {
    FixedText<Count + 1> blanks;
    std::fill_n(blanks.chars.begin(), Count, ' ');
    return blanks;
}

template <std::size_t... N> constexpr auto Joined(const FixedText<N>&... parts) {
    FixedText<(N + ...) - sizeof...(N) + 1> joined;
    auto at = joined.chars.begin();
    ((at = std::copy_n(parts.chars.begin(), N - 1, at)), ...);
    return joined;
}

} // namespace seraphel
