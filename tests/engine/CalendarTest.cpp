#include "modEnglishCalender.h"

#include "Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <stdexcept>

namespace seraphel {
namespace {

std::string Weekday(std::int16_t year, const std::string& month, std::int16_t day, std::string before = "unchanged") {
    CalculateWeekday(year, month, day, before);
    return before;
}

TEST(Calendar, EveryDayFrom1901To2050IsTheGregorianWeekday) {
    using namespace std::chrono;
    constexpr std::array<const char*, 7> kNamesFromSunday{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                          "Thursday", "Friday", "Saturday"};
    std::map<std::string, int> named; // how often the calculation gave each weekday
    for (sys_days date = year{1901} / January / 1; date <= sys_days{year{2050} / December / 31}; date += days{1}) {
        const year_month_day ymd{date};
        const auto year = static_cast<std::int16_t>(static_cast<int>(ymd.year()));
        const std::string month{kMonthNames[static_cast<unsigned>(ymd.month()) - 1]};
        const auto day = static_cast<std::int16_t>(static_cast<unsigned>(ymd.day()));
        const std::string name = Weekday(year, month, day);
        ASSERT_EQ(name, kNamesFromSunday[weekday{date}.c_encoding()]) << year << ' ' << month << ' ' << day;
        ++named[name];
    }
    // The 54787 days are 7826 weeks and five days more, from a Tuesday to a Saturday.
    const std::map<std::string, int> expected{{"Monday", 7826},   {"Tuesday", 7827}, {"Wednesday", 7827},
                                              {"Thursday", 7827}, {"Friday", 7827},  {"Saturday", 7827},
                                              {"Sunday", 7826}};
    EXPECT_EQ(named, expected);
}

struct WeekdayCase {
    std::int16_t year;
    const char* month;
    std::int16_t day;
    const char* expected;
};

class CalendarCases : public testing::TestWithParam<WeekdayCase> {};

TEST_P(CalendarCases, GivesTheWeekdayOrLeavesTheNameAlone) {
    const auto& c = GetParam();
    EXPECT_EQ(Weekday(c.year, c.month, c.day), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgesAndFallbacks, CalendarCases,
    testing::Values(WeekdayCase{1901, "January", 1, "Tuesday"}, WeekdayCase{2050, "December", 31, "Saturday"},
                    WeekdayCase{2009, "January", 1, "Thursday"}, WeekdayCase{2000, "February", 29, "Tuesday"},
                    WeekdayCase{2000, "March", 1, "Wednesday"}, WeekdayCase{2024, "January", 31, "Wednesday"},
                    WeekdayCase{2024, "February", 29, "Thursday"}, WeekdayCase{2024, "March", 1, "Friday"},
                    WeekdayCase{1904, "February", 29, "Monday"}, WeekdayCase{1904, "March", 1, "Tuesday"},
                    WeekdayCase{1999, "December", 31, "Friday"}, WeekdayCase{1970, "January", 1, "Thursday"},
                    // Years outside the table and unknown month texts count as code 0.
                    WeekdayCase{1900, "January", 1, "Sunday"}, WeekdayCase{2051, "March", 1, "Sunday"},
                    WeekdayCase{0, "March", 1, "Sunday"}, WeekdayCase{2009, "january", 1, "Sunday"},
                    WeekdayCase{2009, " January", 1, "Sunday"}, WeekdayCase{2009, "", 1, "Sunday"},
                    // Days past the month's end count on into the next month.
                    WeekdayCase{2009, "February", 31, "Tuesday"}, WeekdayCase{2009, "April", 31, "Friday"},
                    // Sums outside 1 ... 37 write nothing.
                    WeekdayCase{2006, "January", 0, "unchanged"}, WeekdayCase{2011, "January", 32, "unchanged"},
                    WeekdayCase{2011, "January", 31, "Monday"}, WeekdayCase{2006, "January", -5, "unchanged"},
                    WeekdayCase{1900, "January", 37, "Monday"}, WeekdayCase{1900, "January", 38, "unchanged"},
                    WeekdayCase{2009, "January", -32768, "unchanged"}),
    [](const testing::TestParamInfo<WeekdayCase>& row) {
        // "2009_January_1"; a month text that is no name shows its blanks as "Blank", or "NoMonth".
        std::string month;
        for (const char c : std::string(*row.param.month ? row.param.month : "NoMonth")) {
            month += c == ' ' ? std::string("Blank") : std::string(1, c);
        }
        const int day = row.param.day;
        return std::to_string(row.param.year) + "_" + month + "_" + (day < 0 ? "minus" : "") +
               std::to_string(std::abs(day));
    });

TEST(Calendar, SumThatOverflowsSixteenBitsThrowsBeforeWriting) {
    std::string name = "Monday";
    EXPECT_THROW(CalculateWeekday(2009, "January", 32767, name), std::overflow_error);
    EXPECT_EQ(name, "Monday");
    // Code 0 plus the largest day still fits: nothing is thrown, nothing written.
    EXPECT_NO_THROW(CalculateWeekday(2006, "January", 32767, name));
    EXPECT_EQ(name, "Monday");
    EXPECT_THROW(CalculateWeekday(2011, "January", 32762, name), std::overflow_error); // code 6
    EXPECT_NO_THROW(CalculateWeekday(2011, "January", 32761, name));
}

} // namespace
} // namespace seraphel
