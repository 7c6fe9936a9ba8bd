// The fixed content that the readings are built from: the 27 description texts (embedded
// from engine/texts at build time), the fourteen angel pictures by index, and every name
// list the readings and the main window show. Nothing here changes at run time.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace seraphel {

// The keys of the description texts, written once: the enumerators, their names and the table
// of texts are all made from this list. Each key's text is the file engine/texts/<key>.txt.
#define SERAPHEL_TEXT_KEYS(KEY)                                                                                        \
    KEY(angelGabriel)                                                                                                  \
    KEY(angelUriel)                                                                                                    \
    KEY(angelRaphael)                                                                                                  \
    KEY(angelMichael)                                                                                                  \
    KEY(angelVerchiel)                                                                                                 \
    KEY(angelBarchiel)                                                                                                 \
    KEY(angelHamaliel)                                                                                                 \
    KEY(angelMachidiel)                                                                                                \
    KEY(angelAsmodel)                                                                                                  \
    KEY(angelBarbiel)                                                                                                  \
    KEY(angelBarbielOctober)                                                                                           \
    KEY(angelAmbriel)                                                                                                  \
    KEY(angelAdnachiel)                                                                                                \
    KEY(angelMuriel)                                                                                                   \
    KEY(angelHanael)                                                                                                   \
    KEY(monthJanuary)                                                                                                  \
    KEY(monthFebruary)                                                                                                 \
    KEY(monthMarch)                                                                                                    \
    KEY(monthApril)                                                                                                    \
    KEY(monthMay)                                                                                                      \
    KEY(monthJune)                                                                                                     \
    KEY(monthJuly)                                                                                                     \
    KEY(monthAugust)                                                                                                   \
    KEY(monthSeptember)                                                                                                \
    KEY(monthOctober)                                                                                                  \
    KEY(monthNovember)                                                                                                 \
    KEY(monthDecember)

enum class TextKey : std::uint8_t {
#define SERAPHEL_TEXT_KEY_ENUMERATOR(key) key,
    SERAPHEL_TEXT_KEYS(SERAPHEL_TEXT_KEY_ENUMERATOR)
#undef SERAPHEL_TEXT_KEY_ENUMERATOR
};

#define SERAPHEL_TEXT_KEY_COUNT(key) +1
inline constexpr std::size_t kTextCount = 0 SERAPHEL_TEXT_KEYS(SERAPHEL_TEXT_KEY_COUNT);
#undef SERAPHEL_TEXT_KEY_COUNT
static_assert(kTextCount == 27, "one text per angel (15) and one per month (12)");

// The key's name, which is also the name of its content file ("angelGabriel").
std::string_view TextKeyName(TextKey key);

// The whole description text of a key.
std::string_view TextByKey(TextKey key);

struct AngelPicture {
    std::int16_t index;        // 1 ... 14
    std::string_view key;      // "st. Gabriel"; stored with the picture, never shown
    std::string_view fileName; // "angel06.jpg" among the program's built-in pictures
};

inline constexpr std::int16_t kPictureCount = 14;

// The picture at a 1-based index; nothing outside 1 ... 14.
std::optional<AngelPicture> PictureByIndex(int index);

inline constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

inline constexpr std::array<std::string_view, 7> kWeekdayNames{
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday",
};

// Calendar order from the start of the year.
inline constexpr std::array<std::string_view, 12> kSignNames{
    "Capricorn", "Aquarius", "Pisces", "Aries", "Taurus",  "Gemini",
    "Cancer",    "Leo",      "Virgo",  "Libra", "Scorpio", "Sagittarius",
};

inline constexpr std::array<std::string_view, 4> kElementNames{"Earth", "Air", "Water", "Fire"};

// Each reading writes the angels' names in its own forms.
inline constexpr std::array<std::string_view, 6> kDayOfBirthAngelNames{
    "St. Gabriel", "St. Uriel", "St.Raphael", "St.Micheal", "St.Uriel", "St.Michael",
};
inline constexpr std::array<std::string_view, 12> kMonthOfBirthAngelNames{
    "St.Gabriel",  "St.Barchiel", "St.Machidiel", "St.Asmodel", "St.Ambriel",   "St.Muriel",
    "St.Verchiel", "St.Hamaliel", "St.Uriel",     "St.Barbiel", "St.Adnachiel", "St.Hanael",
};
inline constexpr std::array<std::string_view, 4> kSunSignAngelNames{"St.Michael", "St.Uriel", "St.Gabriel",
                                                                    "St.Raphael"};

// The colours of the day-of-birth angels; the two Uriel days are capitalised differently.
inline constexpr std::array<std::string_view, 5> kDayOfBirthColours{
    "Silver, white, blue", "Violet, White, Indigo", "Yellow, white, grey",
    "Orange, white, gold", "Violet, white, indigo",
};

} // namespace seraphel
