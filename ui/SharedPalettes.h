// One palette object for each set of colours that the windows draw with. The style keys the
// pictures it caches (button faces, list and scroll-bar frames) by the palette object, not by
// its colours, and the cache keeps every key it was given: as each new window builds its own
// palettes, each window would add keys that are never let go. Drawing with the shared object
// of the same colours gives every window the same keys.
#pragma once

#include <QPalette>

#include <vector>

namespace seraphel {

class SharedPalettes final {
public:
    // The shared palette with the colours of the given one, in its colour group; the given one
    // itself once the table is full, which the windows' few colour sets never fill.
    QPalette shared(const QPalette& palette);

private:
    std::vector<QPalette> m_palettes;
};

} // namespace seraphel
