#include "SharedPalettes.h"

#include <algorithm>

namespace seraphel {
namespace {

// Well above the windows' colour sets; a bound on the table whatever a desktop theme does.
constexpr std::size_t kMostPalettes = 64;

} // namespace

QPalette SharedPalettes::shared(const QPalette& palette) {
    auto found = std::ranges::find_if(
        m_palettes, [&](const QPalette& known) { return known.isCopyOf(palette) || known == palette; });
    if (found == m_palettes.end()) {
        if (m_palettes.size() == kMostPalettes) {
            return palette;
        }
        found = m_palettes.insert(m_palettes.end(), palette);
    }
    QPalette result = *found;
    result.setCurrentColorGroup(palette.currentColorGroup());
    return result;
}

} // namespace seraphel
