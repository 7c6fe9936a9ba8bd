#include "Readings.h"
#include "TryWritePicture.h"

#include <algorithm>

namespace seraphel {

const std::array<WeekdayAngel, 7> kWeekdayAngels{{
    {kWeekdayNames[0], kDayOfBirthAngelNames[0], kDayOfBirthColours[0], 6, TextKey::angelGabriel},
    {kWeekdayNames[1], kDayOfBirthAngelNames[1], kDayOfBirthColours[1], 13, TextKey::angelUriel},
    {kWeekdayNames[2], kDayOfBirthAngelNames[2], kDayOfBirthColours[2], 12, TextKey::angelRaphael},
    {kWeekdayNames[3], kDayOfBirthAngelNames[3], kDayOfBirthColours[3], 9, TextKey::angelMichael},
    {kWeekdayNames[4], kDayOfBirthAngelNames[4], kDayOfBirthColours[4], 13, TextKey::angelUriel},
    {kWeekdayNames[5], kDayOfBirthAngelNames[2], kDayOfBirthColours[2], 12, TextKey::angelRaphael},
    {kWeekdayNames[6], kDayOfBirthAngelNames[5], kDayOfBirthColours[3], 9, TextKey::angelMichael},
}};

void ReadDayOfBirthAngel(const BirthDetails& details, AngelReading& reading, std::span<const WeekdayAngel> table) {
    const auto row = std::ranges::find(table, std::string_view{details.weekdayName}, &WeekdayAngel::weekday);
    if (row == table.end()) {
        return;
    }
    reading.lblDobAngel = row->angelName;
    reading.lblDobColor = row->colours;
    detail::TryWritePicture(reading.picByDayOfBirth, row->picture);
    reading.txtDOBAngelDescription = TextByKey(row->text);
}

} // namespace seraphel
