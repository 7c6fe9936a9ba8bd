// The reading as the result window lays it out on its three pages, which the report composes
// in the same order: each value of a page under its heading, then the page's description.
// Every text control is named as the reading's field that it shows.
#pragma once

#include "AngelReading.h"

#include <array>
#include <span>
#include <string>

namespace seraphel {

// Places are the result window's, in twips within the page's frame.
struct ReadingValue {
    const char* headingName;
    int headingLeft;
    const char* heading; // also the report's caption, before its " : "
    const char* name;
    int left;
    std::string AngelReading::*field;
};

struct ReadingPage {
    const char* tab;
    const char* reportHeading;
    const char* frameName;
    std::span<const ReadingValue> values;
    const char* descriptionHeadingName;
    const char* descriptionName;
    std::string AngelReading::*description;
    const char* pictureName;
    PictureIndex AngelReading::*picture;
};

inline constexpr char kDescriptionHeading[] = "Description Of Your Guardian Angel";

inline constexpr std::array<ReadingValue, 2> kDayOfBirthValues{{
    {"Label2", 960, "Name Of Angel", "lblDobAngel", 1440, &AngelReading::lblDobAngel},
    {"Label1", 4440, "Color", "lblDobColor", 4455, &AngelReading::lblDobColor},
}};
inline constexpr std::array<ReadingValue, 1> kMonthOfBirthValues{{
    {"Label3", 2527, "Name Of Angel", "lblMonthOfBirthAngel", 3000, &AngelReading::lblMonthOfBirthAngel},
}};
inline constexpr std::array<ReadingValue, 3> kSunSignValues{{
    {"Label4", 360, "Your Sun Sign", "lblSunSignName", 795, &AngelReading::lblSunSignName},
    {"Label5", 2595, "Name Of Angel", "lblSunSignAngel", 3075, &AngelReading::lblSunSignAngel},
    {"Label6", 4920, "Element", "lblSunSignElement", 5070, &AngelReading::lblSunSignElement},
}};

inline constexpr std::array<ReadingPage, 3> kReadingPages{{
    {"By Day Of Birth", "By Day Of Birth", "Frame1", kDayOfBirthValues, "Label9", "txtDOBAngelDescription",
     &AngelReading::txtDOBAngelDescription, "picByDayOfBirth", &AngelReading::picByDayOfBirth},
    {"By Month Of Birth", "By Month Of Birth", "Frame2", kMonthOfBirthValues, "Label8", "txtAngelDescByMonthOfBirth",
     &AngelReading::txtAngelDescByMonthOfBirth, "picByMonthOfBirth", &AngelReading::picByMonthOfBirth},
    {"By Sun Sign", "By SunSign", "Frame3", kSunSignValues, "Label7", "txtAngelDescriptionBySunSign",
     &AngelReading::txtAngelDescriptionBySunSign, "picBySunSign", &AngelReading::picBySunSign},
}};

} // namespace seraphel
