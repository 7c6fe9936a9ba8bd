// Writing a picture field fails when the picture list has no picture at the index, as
// a lookup in the image list would; the readings react to that each in its own way.
#pragma once

#include "AngelReading.h"
#include "Catalogue.h"

namespace seraphel::detail {

inline bool TryWritePicture(PictureIndex& field, std::int16_t index) {
    if (!PictureByIndex(index)) {
        return false;
    }
    field = index;
    return true;
}

} // namespace seraphel::detail
