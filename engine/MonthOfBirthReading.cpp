#include "Readings.h"
#include "TryWritePicture.h"

namespace seraphel {

const std::array<MonthRow, 12> kMonthAngels{{
    {{kMonthOfBirthAngelNames[0], 6, TextKey::angelGabriel},
     {kMonthOfBirthAngelNames[6], 14, TextKey::angelVerchiel},
     TextKey::monthJanuary},
    {{kMonthOfBirthAngelNames[1], 4, TextKey::angelBarchiel},
     {kMonthOfBirthAngelNames[7], 7, TextKey::angelHamaliel},
     TextKey::monthFebruary},
    {{kMonthOfBirthAngelNames[2], 10, TextKey::angelMachidiel},
     {kMonthOfBirthAngelNames[8], 13, TextKey::angelUriel},
     TextKey::monthMarch},
    {{kMonthOfBirthAngelNames[3], 3, TextKey::angelAsmodel},
     {kMonthOfBirthAngelNames[9], 5, TextKey::angelBarbiel},
     TextKey::monthApril},
    {{kMonthOfBirthAngelNames[4], 2, TextKey::angelAmbriel},
     {kMonthOfBirthAngelNames[10], 1, TextKey::angelAdnachiel},
     TextKey::monthMay},
    {{kMonthOfBirthAngelNames[5], 11, TextKey::angelMuriel},
     {kMonthOfBirthAngelNames[11], 8, TextKey::angelHanael},
     TextKey::monthJune},
    {{kMonthOfBirthAngelNames[6], 14, TextKey::angelVerchiel},
     {kMonthOfBirthAngelNames[0], 6, TextKey::angelGabriel},
     TextKey::monthJuly},
    {{kMonthOfBirthAngelNames[7], 7, TextKey::angelHamaliel},
     {kMonthOfBirthAngelNames[1], 4, TextKey::angelBarchiel},
     TextKey::monthAugust},
    {{kMonthOfBirthAngelNames[8], 13, TextKey::angelUriel},
     {kMonthOfBirthAngelNames[2], 10, TextKey::angelMachidiel},
     TextKey::monthSeptember},
    {{kMonthOfBirthAngelNames[9], 5, TextKey::angelBarbielOctober},
     {kMonthOfBirthAngelNames[3], 3, TextKey::angelAsmodel},
     TextKey::monthOctober},
    {{kMonthOfBirthAngelNames[10], 1, TextKey::angelAdnachiel},
     {kMonthOfBirthAngelNames[4], 2, TextKey::angelAmbriel},
     TextKey::monthNovember},
    {{kMonthOfBirthAngelNames[11], 8, TextKey::angelHanael},
     {kMonthOfBirthAngelNames[5], 11, TextKey::angelMuriel},
     TextKey::monthDecember},
}};

void ReadMonthOfBirthAngel(const BirthDetails& details, AngelReading& reading, std::span<const MonthRow> table) {
    if (details.birthMonthIndex < 0 || static_cast<std::size_t>(details.birthMonthIndex) >= table.size()) {
        return;
    }
    const MonthRow& row = table[static_cast<std::size_t>(details.birthMonthIndex)];
    const MonthAngel& angel = details.northernHemisphere ? row.northern : row.southern;

    reading.lblMonthOfBirthAngel = angel.angelName;
    if (!detail::TryWritePicture(reading.picByMonthOfBirth, angel.picture)) {
        return;
    }
    reading.txtAngelDescByMonthOfBirth =
        std::string{TextByKey(angel.text)}.append(kParagraphSeparator).append(TextByKey(row.monthText));
}

} // namespace seraphel
