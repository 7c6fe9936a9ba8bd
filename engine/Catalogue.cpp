#include "Catalogue.h"

#include "EmbeddedTexts.h"

#include <algorithm>

namespace seraphel {
namespace {

constexpr std::array<std::string_view, kTextCount> kTextKeyNames{
    "angelGabriel",   "angelUriel",     "angelRaphael",  "angelMichael", "angelVerchiel",       "angelBarchiel",
    "angelHamaliel",  "angelMachidiel", "angelAsmodel",  "angelBarbiel", "angelBarbielOctober", "angelAmbriel",
    "angelAdnachiel", "angelMuriel",    "angelHanael",   "monthJanuary", "monthFebruary",       "monthMarch",
    "monthApril",     "monthMay",       "monthJune",     "monthJuly",    "monthAugust",         "monthSeptember",
    "monthOctober",   "monthNovember",  "monthDecember",
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

// Texts indexed by key, matched to the embedded files by name once.
std::array<std::string_view, kTextCount> BuildTextTable() {
    std::array<std::string_view, kTextCount> table{};
    const auto embedded = detail::EmbeddedTexts();
    for (std::size_t i = 0; i < kTextCount; ++i) {
        const auto found = std::ranges::find(embedded, kTextKeyNames[i], &detail::EmbeddedText::name);
        if (found != embedded.end()) {
            table[i] = found->text;
        }
    }
    return table;
}

} // namespace

std::string_view TextKeyName(TextKey key) {
    return kTextKeyNames.at(static_cast<std::size_t>(key));
}

std::string_view TextByKey(TextKey key) {
    static const auto table = BuildTextTable();
    return table.at(static_cast<std::size_t>(key));
}

std::optional<AngelPicture> PictureByIndex(int index) {
    if (index < 1 || index > kPictureCount) {
        return std::nullopt;
    }
    return kPictures[static_cast<std::size_t>(index - 1)];
}

} // namespace seraphel
