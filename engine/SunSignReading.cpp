#include "Readings.h"
#include "TryWritePicture.h"

namespace seraphel {

// Signs by index into kSignNames: 0 Capricorn, 1 Aquarius, 2 Pisces, 3 Aries, 4 Taurus,
// 5 Gemini, 6 Cancer, 7 Leo, 8 Virgo, 9 Libra, 10 Scorpio, 11 Sagittarius.
const std::array<SignSplit, 12> kSignSplits{{
    {19, 0, 1},   // January: 1-19 Capricorn, 20-31 Aquarius
    {18, 1, 2},   // February: 1-18 Aquarius, 19-31 Pisces
    {20, 2, 3},   // March
    {20, 3, 4},   // April
    {20, 4, 5},   // May
    {20, 5, 6},   // June
    {20, 6, 7},   // July
    {20, 7, 8},   // August
    {20, 8, 9},   // September
    {20, 9, 10},  // October
    {20, 10, 11}, // November
    {20, 11, 0},  // December: 21-31 Capricorn again
}};

// Elements by index into kElementNames: 0 Earth, 1 Air, 2 Water, 3 Fire.
const std::array<std::uint8_t, 12> kElementOfSign{0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3};

const std::array<ElementAngel, 4> kElementAngels{{
    {kSunSignAngelNames[0], 9, TextKey::angelMichael},
    {kSunSignAngelNames[1], 13, TextKey::angelUriel},
    {kSunSignAngelNames[2], 6, TextKey::angelGabriel},
    {kSunSignAngelNames[3], 12, TextKey::angelRaphael},
}};

void ReadSunSignAngel(const BirthDetails& details, AngelReading& reading, std::span<const ElementAngel> angels) {
    const std::int16_t month = details.birthMonthIndex;
    const int dayPosition = details.birthDay - 1;
    if (month < 0 || static_cast<std::size_t>(month) >= kSignSplits.size() || dayPosition < 0 ||
        dayPosition > kLastDayPosition) {
        return;
    }
    const SignSplit& split = kSignSplits[static_cast<std::size_t>(month)];
    const std::size_t sign = dayPosition < split.secondRangeFirstPosition ? split.firstSign : split.secondSign;
    const std::size_t element = kElementOfSign[sign];
    const ElementAngel& angel = angels[element];

    reading.lblSunSignAngel = angel.angelName;
    detail::TryWritePicture(reading.picBySunSign, angel.picture);
    reading.lblSunSignElement = kElementNames[element];
    reading.lblSunSignName = kSignNames[sign];
    reading.txtAngelDescriptionBySunSign = TextByKey(angel.text);
}

} // namespace seraphel
