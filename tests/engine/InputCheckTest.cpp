#include "InputCheck.h"

#include <gtest/gtest.h>

#include <array>

namespace seraphel {
namespace {

constexpr std::array<int, 12> kDaysInMonth{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

TEST(InputCheck, EveryMonthDayPairOfALeapAndACommonYear) {
    for (const auto& [year, leap] : {std::pair{"2000", true}, std::pair{"1999", false}}) {
        for (int month = 0; month < 12; ++month) {
            const int length = month == 1 && leap ? 29 : kDaysInMonth[static_cast<std::size_t>(month)];
            for (int day = 1; day <= 31; ++day) {
                const InputProblem expected = day <= length ? InputProblem::None
                                              : month == 1  ? InputProblem::BadFebruaryDay
                                                            : InputProblem::BadThirtyDayMonthDay;
                EXPECT_EQ(CheckBirthInput("ANNA", year, month, day - 1), expected)
                    << year << ' ' << month << ' ' << day;
            }
        }
    }
}

TEST(InputCheck, NameIsTestedUntrimmedAndFirst) {
    EXPECT_EQ(CheckBirthInput("", "1999", 1, 30), InputProblem::MissingName);
    EXPECT_EQ(CheckBirthInput("   ", "1999", 0, 0), InputProblem::None);
}

TEST(InputCheck, LeapRuleIsDivisibilityByFour) {
    for (const char* year : {"1904", "2000", "2048"}) {
        EXPECT_EQ(CheckBirthInput("A", year, 1, 28), InputProblem::None) << year;
    }
    for (const char* year : {"1901", "1999", "2050"}) {
        EXPECT_EQ(CheckBirthInput("A", year, 1, 28), InputProblem::BadFebruaryDay) << year;
    }
    EXPECT_EQ(CheckBirthInput("A", " 2000 ", 1, 28), InputProblem::None);
}

} // namespace
} // namespace seraphel
