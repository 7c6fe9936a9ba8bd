// Weekday of a date of birth from a built-in calendar of the years 1901 to 2050: month code plus day.
#pragma once

#include <cstdint>
#include <string>

namespace seraphel {

// Sets weekdayName to "Sunday" ... "Saturday", or leaves it when code + day lies outside 1 to 37;
// throws std::overflow_error, before writing, when code + day does not fit in 16 bits.
void CalculateWeekday(const std::int16_t& year, const std::string& monthName, const std::int16_t& day,
                      std::string& weekdayName);

// The weekday of the first of the month (0 = Sunday ... 6 = Saturday); 0 for a year outside the
// calendar or a month text other than the twelve English names, exact and case-sensitive.
int MonthCode(std::int16_t year, std::string_view monthName);

} // namespace seraphel
