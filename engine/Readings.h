// The three readings. Each reads its inputs from BirthDetails and fills its own fields
// of AngelReading from a constant table; the tables are parameters so that a table
// whose picture is missing can be tried, and default to the program's own.
#pragma once

#include "AngelReading.h"
#include "BirthDetails.h"
#include "Catalogue.h"

#include <span>

namespace seraphel {

// --- Day of birth: the weekday's angel, colours, picture and text.
struct WeekdayAngel {
    std::string_view weekday;
    std::string_view angelName;
    std::string_view colours;
    std::int16_t picture;
    TextKey text;
};
extern const std::array<WeekdayAngel, 7> kWeekdayAngels;

// A weekday name outside the table writes nothing; otherwise each field is written on its
// own, so a missing picture leaves only the picture field as it was.
void ReadDayOfBirthAngel(const BirthDetails& details, AngelReading& reading,
                         std::span<const WeekdayAngel> table = kWeekdayAngels);

// --- Month of birth: the month's angel for the hemisphere, plus the month's own text.
struct MonthAngel {
    std::string_view angelName;
    std::int16_t picture;
    TextKey text;
};
struct MonthRow {
    MonthAngel northern;
    MonthAngel southern;
    TextKey monthText;
};
extern const std::array<MonthRow, 12> kMonthAngels;

// Between the angel's text and the month's text: one blank line.
inline constexpr std::string_view kParagraphSeparator = "\r\n\r\n";

// A month position outside 0 ... 11 writes nothing. A write that fails (a missing picture)
// ends the reading there: the later fields are not written.
void ReadMonthOfBirthAngel(const BirthDetails& details, AngelReading& reading,
                           std::span<const MonthRow> table = kMonthAngels);

// --- Sun sign: the sign from month and day, its element, and the element's angel.
struct SignSplit {
    std::int16_t secondRangeFirstPosition; // day positions below it give firstSign
    std::uint8_t firstSign;                // index into kSignNames
    std::uint8_t secondSign;
};
extern const std::array<SignSplit, 12> kSignSplits;

struct ElementAngel {
    std::string_view angelName;
    std::int16_t picture;
    TextKey text;
};
extern const std::array<std::uint8_t, 12> kElementOfSign; // sign index -> kElementNames index
extern const std::array<ElementAngel, 4> kElementAngels;  // in kElementNames order

inline constexpr std::int16_t kLastDayPosition = 30;

// A month or day position outside the table writes nothing; otherwise each field on its own.
void ReadSunSignAngel(const BirthDetails& details, AngelReading& reading,
                      std::span<const ElementAngel> angels = kElementAngels);

} // namespace seraphel
