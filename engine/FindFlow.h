// The engine side of one find: the weekday calculation and the three readings, in that
// order, on a fresh AngelReading. A step that fails is skipped and the next still runs.
#pragma once

#include "AngelReading.h"
#include "BirthDetails.h"

namespace seraphel {

// Sets details.weekdayName (or leaves it, when the date gives no weekday) and returns the reading.
AngelReading ReadGuardianAngels(BirthDetails& details);

} // namespace seraphel
