// The description texts as the build embeds them from engine/texts: one entry per file,
// named by the file's base name. Only the catalogue reads this.
#pragma once

#include <span>
#include <string_view>

namespace seraphel::detail {

struct EmbeddedText {
    std::string_view name;
    std::string_view text;
};

std::span<const EmbeddedText> EmbeddedTexts();

} // namespace seraphel::detail
