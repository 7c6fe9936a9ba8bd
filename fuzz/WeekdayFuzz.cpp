// Any year, month text and day: the weekday calculation writes one of the seven names,
// leaves the name alone, or throws overflow_error without writing; never anything else.
#include "Catalogue.h"
#include "modEnglishCalender.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    std::int16_t year = 0;
    std::int16_t day = 0;
    std::memcpy(&year, data, 2);
    std::memcpy(&day, data + 2, 2);
    const std::string month(reinterpret_cast<const char*>(data + 4), size - 4);

    const std::string before = "before";
    std::string name = before;
    try {
        seraphel::CalculateWeekday(year, month, day, name);
    } catch (const std::overflow_error&) {
        if (name != before || day < 32767 - 6) {
            std::abort();
        }
        return 0;
    }
    const int sum = seraphel::MonthCode(year, month) + day;
    const bool written = std::ranges::find(seraphel::kWeekdayNames, name) != seraphel::kWeekdayNames.end();
    if (written != (sum >= 1 && sum <= 37) || (!written && name != before)) {
        std::abort();
    }
    return 0;
}
