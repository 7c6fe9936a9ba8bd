// A real reading from the engine, as the result window would hand it to the report.
#pragma once

#include "AngelReading.h"

namespace seraphel::test {

// The reading for a birth on 1 January 2009 in the northern hemisphere.
AngelReading SampleReading();

} // namespace seraphel::test
