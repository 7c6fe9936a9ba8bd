// The result of one find: one field per value control of the result window, named as
// that control. A fresh reading holds the result window's designed content ("Sorry",
// empty descriptions, no pictures); a field keeps it when no rule of its reading sets it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace seraphel {

// 1-based index into the fourteen angel pictures; empty means no picture.
using PictureIndex = std::optional<std::int16_t>;

inline constexpr const char* kUnsetReadingText = "Sorry";

struct AngelReading {
    std::string lblDobAngel = kUnsetReadingText;
    std::string lblDobColor = kUnsetReadingText;
    PictureIndex picByDayOfBirth;
    std::string txtDOBAngelDescription;

    std::string lblMonthOfBirthAngel = kUnsetReadingText;
    PictureIndex picByMonthOfBirth;
    std::string txtAngelDescByMonthOfBirth;

    std::string lblSunSignName = kUnsetReadingText;
    std::string lblSunSignElement = kUnsetReadingText;
    std::string lblSunSignAngel = kUnsetReadingText;
    PictureIndex picBySunSign;
    std::string txtAngelDescriptionBySunSign;

    bool operator==(const AngelReading&) const = default;
};

} // namespace seraphel
