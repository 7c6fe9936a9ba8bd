// One palette object for each set of colours that the windows draw with. The style keys its
// cached pictures by the palette object, not its colours, and never lets a key go: drawing
// with the shared object of the same colours gives every new window the same keys.
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
