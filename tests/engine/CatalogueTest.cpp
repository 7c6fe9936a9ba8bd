#include "Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace seraphel {
namespace {

struct TextCase {
    TextKey key;
    const char* name;
    const char* opening;
    std::size_t length;
};

constexpr TextCase kTextCases[] = {
    {TextKey::angelGabriel, "angelGabriel", "The name Gabriel means the 'messenger of God'.", 612},
    {TextKey::angelUriel, "angelUriel", "Uriel is the 'light of God'. St. Uriel", 348},
    {TextKey::angelRaphael, "angelRaphael", "Raphael is the angel of journey to the", 408},
    {TextKey::angelMichael, "angelMichael", "Michael is the angel for the month of September", 450},
    {TextKey::angelVerchiel, "angelVerchiel", "Verchiel is the angel of the month of", 591},
    {TextKey::angelBarchiel, "angelBarchiel", "Barchiel is the angel for the month of", 510},
    {TextKey::angelHamaliel, "angelHamaliel", "The angel of August - Hamaliel is also", 531},
    {TextKey::angelMachidiel, "angelMachidiel", "Machidiel- the angel of March means 'Fullness of", 577},
    {TextKey::angelAsmodel, "angelAsmodel", "Asmodel - the angel of April is the", 597},
    {TextKey::angelBarbiel, "angelBarbiel", "Barbiel is the angel of the month of", 361},
    {TextKey::angelBarbielOctober, "angelBarbielOctober", "Barchiel is the angel of the month of", 363},
    {TextKey::angelAmbriel, "angelAmbriel", "Ambriel - the angel of May is known", 483},
    {TextKey::angelAdnachiel, "angelAdnachiel", "Adnachiel - the angel of November is also", 585},
    {TextKey::angelMuriel, "angelMuriel", "Muriel is the angel of the month of", 555},
    {TextKey::angelHanael, "angelHanael", "Hanael is the angel representing the month of", 450},
    {TextKey::monthJanuary, "monthJanuary", "Wisdom is the word which describes the Angel", 583},
    {TextKey::monthFebruary, "monthFebruary", "Patience is the keyword which best describes the", 731},
    {TextKey::monthMarch, "monthMarch", "Stamina and courage are brought about by the", 675},
    {TextKey::monthApril, "monthApril", "The spirit of rebirth is what we relate", 399},
    {TextKey::monthMay, "monthMay", "It is the angel of May who brings", 506},
    {TextKey::monthJune, "monthJune", "We experience flourish, fame and strength from the", 529},
    {TextKey::monthJuly, "monthJuly", "This is the time of the year to", 644},
    {TextKey::monthAugust, "monthAugust", "Perseverance is the keyword for the Angel of", 673},
    {TextKey::monthSeptember, "monthSeptember", "It is the angel of the month of", 760},
    {TextKey::monthOctober, "monthOctober", "Happy and rejoicing are the keywords which best", 871},
    {TextKey::monthNovember, "monthNovember", "Humility is the word which best describes the", 874},
    {TextKey::monthDecember, "monthDecember", "Generosity is the keyword for the Angel of", 938},
};
static_assert(std::size(kTextCases) == kTextCount);

class CatalogueTexts : public testing::TestWithParam<TextCase> {};

TEST_P(CatalogueTexts, HasItsNameOpeningLengthAndPlainAsciiForm) {
    const auto& c = GetParam();
    const std::string_view text = TextByKey(c.key);
    EXPECT_EQ(TextKeyName(c.key), c.name);
    ASSERT_EQ(text.size(), c.length);
    EXPECT_TRUE(text.starts_with(c.opening)) << text.substr(0, 60);
    EXPECT_TRUE(std::ranges::all_of(text, [](char ch) { return ch >= 32 && ch <= 126; })) << "one ASCII paragraph";
    EXPECT_NE(text.front(), ' ');
    EXPECT_NE(text.back(), ' ');
    EXPECT_EQ(text.find("  "), std::string_view::npos);
}

INSTANTIATE_TEST_SUITE_P(AllTexts, CatalogueTexts, testing::ValuesIn(kTextCases),
                         [](const auto& row) { return std::string{row.param.name}; });

TEST(Catalogue, EveryTextIsDistinct) {
    std::set<std::string_view> texts;
    for (const auto& c : kTextCases) {
        texts.insert(TextByKey(c.key));
    }
    EXPECT_EQ(texts.size(), kTextCount);
}

TEST(Catalogue, BarbielPairDiffersOnlyInTheAngelsNameAtStartAndClose) {
    const std::string barbiel{TextByKey(TextKey::angelBarbiel)};
    std::string october{TextByKey(TextKey::angelBarbielOctober)};
    EXPECT_TRUE(barbiel.ends_with("by St. Barbiel."));
    EXPECT_TRUE(october.ends_with("by St. Barchiel."));

    october.replace(0, std::string_view{"Barchiel"}.size(), "Barbiel");
    const auto closing = october.rfind("Barchiel");
    ASSERT_NE(closing, std::string::npos);
    october.replace(closing, std::string_view{"Barchiel"}.size(), "Barbiel");
    EXPECT_EQ(october, barbiel);
    EXPECT_NE(TextByKey(TextKey::angelBarchiel), TextByKey(TextKey::angelBarbiel));
}

TEST(Catalogue, PicturesExistFromOneToFourteenOnly) {
    EXPECT_FALSE(PictureByIndex(0));
    EXPECT_FALSE(PictureByIndex(15));
    EXPECT_FALSE(PictureByIndex(-1));
    std::set<std::string_view> files;
    std::string_view previousKey;
    for (int index = 1; index <= kPictureCount; ++index) {
        const auto picture = PictureByIndex(index);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->index, index);
        EXPECT_LT(previousKey, picture->key) << "index order is the keys' alphabetical order";
        previousKey = picture->key;
        files.insert(picture->fileName);
    }
    EXPECT_EQ(files.size(), 14u);
    EXPECT_EQ(PictureByIndex(1)->key, "st. Adnachiel");
    EXPECT_EQ(PictureByIndex(6)->key, "st. Gabriel");
    EXPECT_EQ(PictureByIndex(14)->key, "st. Verchiel");
}

TEST(Catalogue, NameFormsOfTheReadingsStayDistinct) {
    EXPECT_NE(std::ranges::find(kDayOfBirthAngelNames, "St.Micheal"), kDayOfBirthAngelNames.end());
    EXPECT_NE(std::ranges::find(kDayOfBirthAngelNames, "St.Michael"), kDayOfBirthAngelNames.end());
    EXPECT_NE(std::ranges::find(kDayOfBirthAngelNames, "St. Gabriel"), kDayOfBirthAngelNames.end());
    EXPECT_EQ(std::ranges::find(kDayOfBirthAngelNames, "St.Gabriel"), kDayOfBirthAngelNames.end());
    EXPECT_NE(std::ranges::find(kMonthOfBirthAngelNames, "St.Gabriel"), kMonthOfBirthAngelNames.end());
    EXPECT_EQ(kMonthNames.front(), "January");
    EXPECT_EQ(kMonthNames.back(), "December");
    EXPECT_EQ(kSignNames.back(), "Sagittarius");
}

} // namespace
} // namespace seraphel
