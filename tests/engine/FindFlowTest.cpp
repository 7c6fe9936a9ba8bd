#include "FindFlow.h"

#include "Catalogue.h"

#include <gtest/gtest.h>

namespace seraphel {
namespace {

BirthDetails Details(std::int16_t year, std::int16_t month, std::int16_t day, bool northern = false) {
    BirthDetails details;
    details.personName = "ANNA";
    details.birthYear = year;
    details.birthMonthIndex = month;
    details.birthMonthName = std::string{kMonthNames.at(static_cast<std::size_t>(month))};
    details.birthDay = day;
    details.northernHemisphere = northern;
    return details;
}

TEST(FindFlow, RunsWeekdayAndAllThreeReadings) {
    auto details = Details(2009, 0, 1);
    const AngelReading reading = ReadGuardianAngels(details);
    EXPECT_EQ(details.weekdayName, "Thursday");
    EXPECT_EQ(reading.lblDobAngel, "St.Micheal");
    EXPECT_EQ(reading.lblMonthOfBirthAngel, "St.Verchiel");
    EXPECT_EQ(reading.lblSunSignName, "Capricorn");
    EXPECT_EQ(reading.picBySunSign, 9);
}

TEST(FindFlow, DayOfBirthAngelAtTheEndsOfTheRange) {
    struct Case {
        std::int16_t year, month, day;
        const char* angel;
    };
    for (const auto& c : {Case{2000, 1, 29, "St. Uriel"}, Case{1901, 0, 1, "St. Uriel"},
                          Case{2050, 11, 31, "St.Raphael"}, Case{1904, 1, 29, "St. Gabriel"}}) {
        auto details = Details(c.year, c.month, c.day);
        EXPECT_EQ(ReadGuardianAngels(details).lblDobAngel, c.angel) << c.year;
    }
}

TEST(FindFlow, StartsFromAFreshReadingEachTime) {
    auto details = Details(2009, 0, 1);
    ReadGuardianAngels(details);
    details.birthDay = 34; // code 4 + 34 = 38: no weekday is written, the earlier name stays
    details.birthMonthIndex = -1;
    const AngelReading reading = ReadGuardianAngels(details);
    EXPECT_EQ(details.weekdayName, "Thursday");
    EXPECT_EQ(reading.lblDobAngel, "St.Micheal") << "the weekday name of the earlier find stays";
    EXPECT_EQ(reading.lblMonthOfBirthAngel, "Sorry");
    EXPECT_EQ(reading.lblSunSignName, "Sorry");
}

TEST(FindFlow, AnOverflowingWeekdayIsSkippedAndTheReadingsStillRun) {
    auto details = Details(2009, 0, 1, true);
    details.birthDay = 32767;
    details.weekdayName = "";
    const AngelReading reading = ReadGuardianAngels(details);
    EXPECT_EQ(details.weekdayName, "");
    EXPECT_EQ(reading.lblDobAngel, "Sorry");
    EXPECT_EQ(reading.lblDobColor, "Sorry");
    EXPECT_FALSE(reading.picByDayOfBirth);
    EXPECT_EQ(reading.lblMonthOfBirthAngel, "St.Gabriel");
    EXPECT_EQ(reading.lblSunSignName, "Sorry") << "day position 32766 lies outside every sign";
}

TEST(FindFlow, MarchWithTheStartingSouthernOptionGivesUriel) {
    auto details = Details(1990, 2, 10);
    const AngelReading reading = ReadGuardianAngels(details);
    EXPECT_EQ(reading.lblMonthOfBirthAngel, "St.Uriel");
    EXPECT_EQ(reading.picByMonthOfBirth, 13);
}

} // namespace
} // namespace seraphel
