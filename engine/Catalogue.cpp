#include "Catalogue.h"

#include "EmbeddedTexts.h"

namespace seraphel {
namespace {

constexpr std::array<std::string_view, kTextCount> kTextKeyNames{
#define SERAPHEL_TEXT_KEY_NAME(key) #key,
    SERAPHEL_TEXT_KEYS(SERAPHEL_TEXT_KEY_NAME)
#undef SERAPHEL_TEXT_KEY_NAME
};

// Indexed by key. A key whose file is missing from engine/texts names no embedded text and
// stops the build here.
constexpr std::array<std::string_view, kTextCount> kTexts{
#define SERAPHEL_TEXT_KEY_TEXT(key) embedded_texts::key,
    SERAPHEL_TEXT_KEYS(SERAPHEL_TEXT_KEY_TEXT)
#undef SERAPHEL_TEXT_KEY_TEXT
};

// Index order is the alphabetical order of the keys.
constexpr std::array<AngelPicture, kPictureCount> kPictures{{
    {1, "st. Adnachiel", "angel01.jpg"},
    {2, "st. Ambriel", "angel02.jpg"},
    {3, "st. Asmodel", "angel03.jpg"},
    {4, "st. Barachiel", "angel04.jpg"},
    {5, "st. Barbiel", "angel05.jpg"},
    {6, "st. Gabriel", "angel06.jpg"},
    {7, "st. Hamiliel", "angel07.jpg"},
    {8, "st. Hanael", "angel08.jpg"},
    {9, "st. Michael", "angel09.jpg"},
    {10, "st. Michidiel", "angel10.jpg"},
    {11, "st. Muriel", "angel11.jpg"},
    {12, "st. Raphael", "angel12.jpg"},
    {13, "st. Uriel", "angel13.jpg"},
    {14, "st. Verchiel", "angel14.jpg"},
}};

} // namespace

std::string_view TextKeyName(TextKey key) {
    return kTextKeyNames.at(static_cast<std::size_t>(key));
}

std::string_view TextByKey(TextKey key) {
    return kTexts.at(static_cast<std::size_t>(key));
}

std::optional<AngelPicture> PictureByIndex(int index) {
    if (index < 1 || index > kPictureCount) {
        return std::nullopt;
    }
    return kPictures[static_cast<std::size_t>(index - 1)];
}

} // namespace seraphel
