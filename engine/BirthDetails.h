// The captured input of one find: what the user entered on the main window, plus the
// weekday name that the weekday calculation derives from it. The windows fill it; the
// engine reads it and writes only weekdayName.
#pragma once

#include <cstdint>
#include <string>

namespace seraphel {

struct BirthDetails {
    std::string personName;
    std::int16_t birthYear = 0;
    std::string birthMonthName;
    std::int16_t birthMonthIndex = 0; // 0 = January ... 11 = December
    std::int16_t birthDay = 0;        // 1 ... 31; its list position is birthDay - 1
    bool northernHemisphere = false;  // the main window starts on "Southern Hemisphere"
    std::string weekdayName;          // left as it was when the calculation writes nothing
};

} // namespace seraphel
