// The date and name rules that the main window applies before a reading, on the raw
// input: the name box's text, the year text and the list positions of month and day.
#pragma once

#include <string_view>

namespace seraphel {

enum class InputProblem {
    None,
    MissingName,         // the name box is exactly empty (blanks count as a name)
    BadFebruaryDay,      // day 29, 30 or 31 of February that the year does not have
    BadThirtyDayMonthDay // day 31 of April, June, September or November
};

// The year counts as leap when divisible by 4, which agrees with the Gregorian rule for
// every offered year; a year text that is not a number counts as 0.
InputProblem CheckBirthInput(std::string_view name, std::string_view yearText, int monthPosition, int dayPosition);

} // namespace seraphel
