// Weekday of a date of birth, from a built-in calendar of the years 1901 to 2050: the month
// code (weekday of the month's first day) plus the day names the weekday.
#pragma once

#include <cstdint>
#include <string>

namespace seraphel {

// Sets weekdayName to "Sunday" ... "Saturday", or leaves it unchanged when code + day lies
// outside 1 to 37. An unknown year or a month text that is not one of the twelve English
// month names (exact, case-sensitive) gives month code 0. Throws std::overflow_error,
// before writing, when code + day does not fit in 16 bits.
void CalculateWeekday(const std::int16_t& year, const std::string& monthName, const std::int16_t& day,
                      std::string& weekdayName);

// The weekday of the first of the month (0 = Sunday ... 6 = Saturday), or 0 as above.
int MonthCode(std::int16_t year, std::string_view monthName);

} // namespace seraphel
