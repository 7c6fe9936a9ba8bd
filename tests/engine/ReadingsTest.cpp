#include "Readings.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace seraphel {
namespace {

std::string Joined(TextKey angel, TextKey month) {
    return std::string{TextByKey(angel)} + "\r\n\r\n" + std::string{TextByKey(month)};
}

// The rows' test names call a month by its name.
std::string MonthName(std::int16_t position) {
    return std::string{kMonthNames.at(static_cast<std::size_t>(position))};
}

// --- Day of birth

struct DayCase {
    const char* weekday;
    const char* angel;
    const char* colours;
    std::int16_t picture;
    TextKey text;
};

class DayOfBirth : public testing::TestWithParam<DayCase> {};

TEST_P(DayOfBirth, WritesTheWeekdaysRow) {
    const auto& c = GetParam();
    BirthDetails details;
    details.weekdayName = c.weekday;
    AngelReading reading;
    ReadDayOfBirthAngel(details, reading);
    EXPECT_EQ(reading.lblDobAngel, c.angel);
    EXPECT_EQ(reading.lblDobColor, c.colours);
    EXPECT_EQ(reading.picByDayOfBirth, c.picture);
    EXPECT_EQ(reading.txtDOBAngelDescription, TextByKey(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    AllWeekdays, DayOfBirth,
    testing::Values(DayCase{"Monday", "St. Gabriel", "Silver, white, blue", 6, TextKey::angelGabriel},
                    DayCase{"Tuesday", "St. Uriel", "Violet, White, Indigo", 13, TextKey::angelUriel},
                    DayCase{"Wednesday", "St.Raphael", "Yellow, white, grey", 12, TextKey::angelRaphael},
                    DayCase{"Thursday", "St.Micheal", "Orange, white, gold", 9, TextKey::angelMichael},
                    DayCase{"Friday", "St.Uriel", "Violet, white, indigo", 13, TextKey::angelUriel},
                    DayCase{"Saturday", "St.Raphael", "Yellow, white, grey", 12, TextKey::angelRaphael},
                    DayCase{"Sunday", "St.Michael", "Orange, white, gold", 9, TextKey::angelMichael}),
    [](const testing::TestParamInfo<DayCase>& row) { return std::string{row.param.weekday}; });

TEST(DayOfBirthFallback, UnknownWeekdayWritesNothing) {
    for (const char* name : {"", "monday", "MONDAY", "Monday ", "Mon"}) {
        BirthDetails details;
        details.weekdayName = name;
        AngelReading reading;
        ReadDayOfBirthAngel(details, reading);
        EXPECT_EQ(reading, AngelReading{}) << '"' << name << '"';
    }
}

TEST(DayOfBirthFallback, MissingPictureSkipsOnlyThePicture) {
    const std::array<WeekdayAngel, 1> table{{{"Monday", "Name", "Colours", 15, TextKey::angelHanael}}};
    BirthDetails details;
    details.weekdayName = "Monday";
    AngelReading reading;
    reading.picByDayOfBirth = 3;
    ReadDayOfBirthAngel(details, reading, table);
    EXPECT_EQ(reading.lblDobAngel, "Name");
    EXPECT_EQ(reading.lblDobColor, "Colours");
    EXPECT_EQ(reading.picByDayOfBirth, 3);
    EXPECT_EQ(reading.txtDOBAngelDescription, TextByKey(TextKey::angelHanael));
}

// --- Month of birth

AngelReading MonthReading(std::int16_t month, bool northern) {
    BirthDetails details;
    details.birthMonthIndex = month;
    details.northernHemisphere = northern;
    AngelReading reading;
    ReadMonthOfBirthAngel(details, reading);
    return reading;
}

std::string_view TextNamed(std::string_view name) {
    for (std::size_t key = 0; key < kTextCount; ++key) {
        if (TextKeyName(static_cast<TextKey>(key)) == name) {
            return TextByKey(static_cast<TextKey>(key));
        }
    }
    return {};
}

// Each hemisphere has the twelve angels in turn, the southern six months after the northern;
// each angel has a picture of its own, and every reading ends with its own month's text.
TEST(MonthOfBirth, SouthernMonthsHaveTheAngelsOfTheNorthernSixMonthsOn) {
    std::set<std::string> northernAngels;
    std::set<std::int16_t> northernPictures;
    for (std::int16_t month = 0; month < 12; ++month) {
        const AngelReading north = MonthReading(month, true);
        const AngelReading south = MonthReading(static_cast<std::int16_t>((month + 6) % 12), false);
        EXPECT_EQ(south.lblMonthOfBirthAngel, north.lblMonthOfBirthAngel) << month;
        EXPECT_EQ(south.picByMonthOfBirth, north.picByMonthOfBirth) << month;
        ASSERT_TRUE(north.picByMonthOfBirth) << month;
        const std::string monthText = "\r\n\r\n" + std::string{TextNamed("month" + MonthName(month))};
        EXPECT_TRUE(north.txtAngelDescByMonthOfBirth.ends_with(monthText)) << month;
        northernAngels.insert(north.lblMonthOfBirthAngel);
        northernPictures.insert(*north.picByMonthOfBirth);
    }
    EXPECT_EQ(northernAngels.size(), 12U);
    EXPECT_EQ(northernPictures.size(), 12U);
    EXPECT_EQ(MonthReading(0, true).lblMonthOfBirthAngel, "St.Gabriel");
    EXPECT_EQ(MonthReading(0, true).txtAngelDescByMonthOfBirth, Joined(TextKey::angelGabriel, TextKey::monthJanuary));
    EXPECT_EQ(MonthReading(0, false).lblMonthOfBirthAngel, "St.Verchiel");
}

TEST(MonthOfBirthFallback, OctoberNorthAndAprilSouthShowBarbielWithTheirOwnTexts) {
    BirthDetails details;
    AngelReading october;
    details.birthMonthIndex = 9;
    details.northernHemisphere = true;
    ReadMonthOfBirthAngel(details, october);
    EXPECT_TRUE(october.txtAngelDescByMonthOfBirth.starts_with("Barchiel is the angel of the month of October"));

    AngelReading april;
    details.birthMonthIndex = 3;
    details.northernHemisphere = false;
    ReadMonthOfBirthAngel(details, april);
    EXPECT_TRUE(april.txtAngelDescByMonthOfBirth.starts_with("Barbiel is the angel of the month of October"));
}

TEST(MonthOfBirthFallback, PositionOutsideTheYearWritesNothing) {
    for (const std::int16_t month : {-1, 12, -32768, 32767}) {
        BirthDetails details;
        details.birthMonthIndex = month;
        AngelReading reading;
        ReadMonthOfBirthAngel(details, reading);
        EXPECT_EQ(reading, AngelReading{}) << month;
    }
}

TEST(MonthOfBirthFallback, MissingPictureEndsTheReadingAfterTheName) {
    std::array<MonthRow, 1> table{
        {{{"North", 0, TextKey::angelGabriel}, {"South", 15, TextKey::angelUriel}, TextKey::monthJanuary}}};
    BirthDetails details;
    details.birthMonthIndex = 0;
    AngelReading reading;
    ReadMonthOfBirthAngel(details, reading, table);
    EXPECT_EQ(reading.lblMonthOfBirthAngel, "South");
    EXPECT_FALSE(reading.picByMonthOfBirth);
    EXPECT_EQ(reading.txtAngelDescByMonthOfBirth, "");
}

// --- Sun sign

struct SignCase {
    std::int16_t month;
    std::int16_t day;
    const char* sign;
};

class SunSign : public testing::TestWithParam<SignCase> {};

TEST_P(SunSign, PlacesTheDateInItsSignWithElementAndAngel) {
    const auto& c = GetParam();
    struct Expected {
        const char* element;
        const char* angel;
        std::int16_t picture;
        TextKey text;
    };
    const std::map<std::string, Expected> byElement{
        {"Earth", {"Earth", "St.Michael", 9, TextKey::angelMichael}},
        {"Air", {"Air", "St.Uriel", 13, TextKey::angelUriel}},
        {"Water", {"Water", "St.Gabriel", 6, TextKey::angelGabriel}},
        {"Fire", {"Fire", "St.Raphael", 12, TextKey::angelRaphael}},
    };
    const std::map<std::string, std::string> elementOfSign{
        {"Capricorn", "Earth"}, {"Taurus", "Earth"}, {"Virgo", "Earth"},  {"Aquarius", "Air"},
        {"Gemini", "Air"},      {"Libra", "Air"},    {"Pisces", "Water"}, {"Cancer", "Water"},
        {"Scorpio", "Water"},   {"Aries", "Fire"},   {"Leo", "Fire"},     {"Sagittarius", "Fire"}};
    const Expected& expected = byElement.at(elementOfSign.at(c.sign));

    for (const bool northern : {false, true}) {
        BirthDetails details;
        details.birthMonthIndex = c.month;
        details.birthDay = c.day;
        details.northernHemisphere = northern;
        AngelReading reading;
        ReadSunSignAngel(details, reading);
        EXPECT_EQ(reading.lblSunSignName, c.sign);
        EXPECT_EQ(reading.lblSunSignElement, expected.element);
        EXPECT_EQ(reading.lblSunSignAngel, expected.angel);
        EXPECT_EQ(reading.picBySunSign, expected.picture);
        EXPECT_EQ(reading.txtAngelDescriptionBySunSign, TextByKey(expected.text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, SunSign,
    testing::Values(SignCase{0, 1, "Capricorn"}, SignCase{0, 19, "Capricorn"}, SignCase{0, 20, "Aquarius"},
                    SignCase{0, 31, "Aquarius"}, SignCase{1, 18, "Aquarius"}, SignCase{1, 19, "Pisces"},
                    SignCase{1, 29, "Pisces"}, SignCase{1, 31, "Pisces"}, SignCase{2, 20, "Pisces"},
                    SignCase{2, 21, "Aries"}, SignCase{3, 20, "Aries"}, SignCase{3, 21, "Taurus"},
                    SignCase{4, 20, "Taurus"}, SignCase{4, 21, "Gemini"}, SignCase{5, 20, "Gemini"},
                    SignCase{5, 21, "Cancer"}, SignCase{6, 20, "Cancer"}, SignCase{6, 21, "Leo"},
                    SignCase{7, 20, "Leo"}, SignCase{7, 21, "Virgo"}, SignCase{8, 20, "Virgo"},
                    SignCase{8, 21, "Libra"}, SignCase{9, 20, "Libra"}, SignCase{9, 21, "Scorpio"},
                    SignCase{10, 20, "Scorpio"}, SignCase{10, 21, "Sagittarius"}, SignCase{11, 20, "Sagittarius"},
                    SignCase{11, 21, "Capricorn"}, SignCase{11, 31, "Capricorn"}),
    [](const testing::TestParamInfo<SignCase>& row) {
        return MonthName(row.param.month) + std::to_string(row.param.day) + "_" + row.param.sign;
    });

TEST(SunSignFallback, PositionsOutsideTheTableWriteNothing) {
    for (const auto& [month, day] : std::vector<std::pair<std::int16_t, std::int16_t>>{
             {-1, 5}, {12, 5}, {0, 0}, {0, 32}, {0, -32768}, {0, 32767}, {-32768, 1}}) {
        BirthDetails details;
        details.birthMonthIndex = month;
        details.birthDay = day;
        AngelReading reading;
        ReadSunSignAngel(details, reading);
        EXPECT_EQ(reading, AngelReading{}) << month << '/' << day;
    }
}

TEST(SunSignFallback, MissingPictureSkipsOnlyThePicture) {
    const std::array<ElementAngel, 4> angels{{{"A", 0, TextKey::monthMay},
                                              {"B", 15, TextKey::monthMay},
                                              {"C", -1, TextKey::monthMay},
                                              {"D", 99, TextKey::monthMay}}};
    BirthDetails details;
    details.birthMonthIndex = 0;
    details.birthDay = 1;
    AngelReading reading;
    ReadSunSignAngel(details, reading, angels);
    EXPECT_EQ(reading.lblSunSignAngel, "A");
    EXPECT_FALSE(reading.picBySunSign);
    EXPECT_EQ(reading.lblSunSignElement, "Earth");
    EXPECT_EQ(reading.lblSunSignName, "Capricorn");
    EXPECT_EQ(reading.txtAngelDescriptionBySunSign, TextByKey(TextKey::monthMay));
}

} // namespace
} // namespace seraphel
